// Setting and removing an environment variable of the test process itself,
// on POSIX systems and on Windows (where an empty value removes it).
#ifndef ZEB_TESTS_TEST_ENVIRONMENT_H
#define ZEB_TESTS_TEST_ENVIRONMENT_H

#include <cstdlib>

inline void SetTestVariable(const char* name, const char* value)
{
#ifdef _WIN32
  _putenv_s(name, value);
#else
  setenv(name, value, 1);
#endif
}

inline void UnsetTestVariable(const char* name)
{
#ifdef _WIN32
  _putenv_s(name, "");
#else
  unsetenv(name);
#endif
}

#endif

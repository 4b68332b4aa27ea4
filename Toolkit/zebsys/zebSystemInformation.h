// System services of the zebsys module used by the test programs.
#ifndef ZEB_SYSTEM_INFORMATION_H
#define ZEB_SYSTEM_INFORMATION_H

namespace zebsys
{
class SystemInformation
{
public:
  // With a non-zero value, installs handlers for the fatal signals (SIGSEGV,
  // SIGBUS, SIGFPE, SIGILL, SIGABRT) that print a stack trace to standard
  // error and then end the process by the same signal; on Windows, where
  // faults are exceptions, also a handler that prints the exception and the
  // trace and ends the process with the exception's code. With 0, restores
  // the default handlers.
  static void SetStackTraceOnError(int enable);
};
}

#endif

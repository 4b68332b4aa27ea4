// Data root lookup and data file paths of the tests.
#include "TestDataFile.h"

#include <cstdlib>
#include <cstring>

static char* CopyOf(const char* text)
{
  size_t length = strlen(text);
  char* copy = new char[length + 1];
  memcpy(copy, text, length + 1);
  return copy;
}

char* LookUpSetting(const char* option,
                    int argc,
                    char* argv[],
                    const char* variable,
                    const char* fallback)
{
  int valueIndex = -1;
  for (int i = 0; i < argc; ++i)
  {
    if (strcmp(argv[i], option) == 0 && i < argc - 1)
    {
      valueIndex = i + 1;
    }
  }
  if (valueIndex >= 0)
  {
    return CopyOf(argv[valueIndex]);
  }
  if (const char* value = getenv(variable))
  {
    return CopyOf(value);
  }
  return fallback ? CopyOf(fallback) : nullptr;
}

char* ComposeDataFilePath(int argc, char* argv[], const char* relativeName)
{
  return ComposeDataFilePathWithRoot(argc, argv, relativeName, "../../../../ZEBData");
}

char* ComposeDataFilePathWithRoot(int argc,
                                  char* argv[],
                                  const char* relativeName,
                                  const char* defaultRoot)
{
  char* root = LookUpSetting("-D", argc, argv, "ZEB_DATA_ROOT", defaultRoot);
  size_t rootLength = strlen(root);
  size_t nameLength = strlen(relativeName);
  char* path = new char[rootLength + 1 + nameLength + 1];
  memcpy(path, root, rootLength);
  path[rootLength] = '/';
  memcpy(path + rootLength + 1, relativeName, nameLength + 1);
  delete[] root;
  return path;
}

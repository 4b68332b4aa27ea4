// The common test driver of every test program: picks one registered test by
// its number, its exact name or a "-R" name fragment, hands it the rest of the
// command line and returns its result as the exit status.
#include "TestDriver.h"
#include "TestRegistry.h"

#include <zebSystemInformation.h>

#include <cctype>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

static int CountTests()
{
  int count = 0;
  while (testRegistry[count].name)
  {
    ++count;
  }
  return count;
}

static void PrintTestList(int count)
{
  printf("Available tests:\n");
  for (int i = 0; i < count; ++i)
  {
    printf("%3d. %s\n", i, testRegistry[i].name);
  }
}

// A new copy of text with every byte passed through tolower, or null when no
// memory is left. The caller frees it.
static char* LowerCaseCopy(const char* text)
{
  size_t length = strlen(text);
  char* copy = static_cast<char*>(malloc(length + 1));
  if (!copy)
  {
    return nullptr;
  }
  for (size_t i = 0; i < length; ++i)
  {
    copy[i] = static_cast<char>(tolower(static_cast<unsigned char>(text[i])));
  }
  copy[length] = '\0';
  return copy;
}

// Reads a test number from standard input as the "%d" conversion does (white
// space, an optional sign, decimal digits, stopping before the first other
// character), but gives false for a number that does not fit in int, where
// the conversion would wrap it into some other number.
static bool ReadTestNumber(int* number)
{
  int c = getchar();
  while (c != EOF && isspace(c))
  {
    c = getchar();
  }
  bool negative = c == '-';
  if (c == '-' || c == '+')
  {
    c = getchar();
  }
  bool digits = c != EOF && isdigit(c);
  long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
  long long magnitude = 0;
  for (; c != EOF && isdigit(c); c = getchar())
  {
    if (magnitude <= limit)
    {
      magnitude = magnitude * 10 + (c - '0');
    }
  }
  if (c != EOF)
  {
    ungetc(c, stdin);
  }
  if (!digits || magnitude > limit)
  {
    return false;
  }
  *number = static_cast<int>(negative ? -magnitude : magnitude);
  return true;
}

static int OutOfMemory()
{
  printf("Out of memory while matching test names\n");
  return -1;
}

int TestDriverMain(int argc, char* argv[])
{
  int count = CountTests();
  int selected = -1;

  if (argc < 2)
  {
    PrintTestList(count);
    printf("To run a test, enter the test number: ");
    fflush(stdout);
    int number = 0;
    if (!ReadTestNumber(&number))
    {
      printf("Couldn't parse that input as a number\n");
      return -1;
    }
    if (number < 0 || number >= count)
    {
      printf("%3d is an invalid test number.\n", number);
      return -1;
    }
    selected = number;
    argc -= 1;
    argv += 1;
  }
  else
  {
    bool substring = strcmp(argv[1], "-R") == 0;
    if (substring && argc < 3)
    {
      printf("-R needs an additional parameter.\n");
      return -1;
    }
    char* pattern = LowerCaseCopy(substring ? argv[2] : argv[1]);
    if (!pattern)
    {
      return OutOfMemory();
    }
    for (int i = 0; i < count && selected == -1; ++i)
    {
      char* name = LowerCaseCopy(testRegistry[i].name);
      if (!name)
      {
        free(pattern);
        return OutOfMemory();
      }
      bool match = substring ? strstr(name, pattern) != nullptr : strcmp(name, pattern) == 0;
      free(name);
      if (match)
      {
        selected = i;
        int consumed = substring ? 2 : 1;
        argc -= consumed;
        argv += consumed;
      }
    }
    free(pattern);
    if (selected == -1)
    {
      PrintTestList(count);
      printf("Failed: %s is an invalid test name.\n", argv[1]);
      return -1;
    }
  }

  zebsys::SystemInformation::SetStackTraceOnError(1);
  return testRegistry[selected].function(argc, argv);
}

// Tests of the driver probe program: each reports the argument count and
// vector it receives, so that the driver's selection can be observed.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

static int Report(const char* test, int argc, char* argv[])
{
  printf("%s argc=%d\n", test, argc);
  for (int i = 0; i < argc; ++i)
  {
    printf("argv[%d]=%s\n", i, argv[i]);
  }
  printf("argv[%d] is %s\n", argc, argv[argc] ? "set" : "null");
  return 0;
}

int ProbeAlpha(int argc, char* argv[])
{
  return Report("ProbeAlpha", argc, argv);
}

int ProbeAlphaBeta(int argc, char* argv[])
{
  return Report("ProbeAlphaBeta", argc, argv);
}

int ProbeBeta(int argc, char* argv[])
{
  return Report("ProbeBeta", argc, argv);
}

// Returns the number given as its first argument after the name.
int ExitWith(int argc, char* argv[])
{
  return argc > 1 ? atoi(argv[1]) : 0;
}

// Writes to an address that no process has mapped: a real fault, a signal
// on POSIX systems and an exception on Windows.
int CrashOnPurpose(int, char*[])
{
  fflush(stdout);
  volatile uintptr_t unmapped = 16;
  *reinterpret_cast<volatile char*>(unmapped) = 0;
  return 0;
}

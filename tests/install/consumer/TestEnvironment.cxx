// The tests of the driver-only consumer: each passes when CTest ran it with
// what its zeb_test_program call gave, the environment or the arguments.
#include <TestDataFile.h>

#include <cstdlib>
#include <cstring>

int TestEnvironment(int, char*[])
{
  const char* consumer = std::getenv("ZEB_CONSUMER");
  const char* second = std::getenv("ZEB_SECOND");
  return consumer && second && std::strcmp(consumer, "driver-only") == 0 &&
             std::strcmp(second, "two words") == 0
           ? 0
           : 1;
}

// The kit's data file helper finds the root that -D names among the
// arguments, before the module's own.
int TestDataRoot(int argc, char* argv[])
{
  char* path = ComposeDataFilePathWithRoot(argc, argv, "Data/counts.txt", "/module data");
  const int status = std::strcmp(path, "/the data/Data/counts.txt") == 0 ? 0 : 1;
  delete[] path;
  return status;
}

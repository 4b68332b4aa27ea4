// The test of the driver-only consumer: passes when CTest ran it with the
// environment that its zeb_test_program call gave.
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

// Linked into the driver probe with -Wl,--wrap=malloc: when ZEB_FAIL_MALLOC
// is set, the probe's own allocations fail from static initialisation on, so
// the driver's out-of-memory path can be reached. The allocations before it
// still succeed: on Windows the C runtime's start-up code is linked into the
// program and goes through the wrapper too.
#include <cstdlib>

extern "C" void* __real_malloc(size_t size);

namespace
{
const bool failing = getenv("ZEB_FAIL_MALLOC") != nullptr;
}

extern "C" void* __wrap_malloc(size_t size)
{
  if (failing)
  {
    return nullptr;
  }
  return __real_malloc(size);
}

// Linked into the driver probe with -Wl,--wrap=malloc: the driver's own
// allocations fail while ZEB_FAIL_MALLOC is set, so its out-of-memory path
// can be reached.
#include <cstdlib>

extern "C" void* __real_malloc(size_t size);

extern "C" void* __wrap_malloc(size_t size)
{
  if (getenv("ZEB_FAIL_MALLOC"))
  {
    return nullptr;
  }
  return __real_malloc(size);
}

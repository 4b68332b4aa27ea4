// Linked into the generator's allocation probe: every allocation of at least
// ZEB_FAIL_ALLOC_FROM bytes fails with std::bad_alloc, so the generator's
// out-of-memory path can be reached with ordinary inputs.
#include <cstdlib>
#include <new>

static void* allocate(std::size_t size)
{
  const char* limit = getenv("ZEB_FAIL_ALLOC_FROM");
  if (limit && size >= std::strtoull(limit, nullptr, 10))
  {
    throw std::bad_alloc();
  }
  void* memory = malloc(size ? size : 1);
  if (!memory)
  {
    throw std::bad_alloc();
  }
  return memory;
}

void* operator new(std::size_t size)
{
  return allocate(size);
}

void* operator new[](std::size_t size)
{
  return allocate(size);
}

void operator delete(void* memory) noexcept
{
  free(memory);
}

void operator delete[](void* memory) noexcept
{
  free(memory);
}

void operator delete(void* memory, std::size_t) noexcept
{
  free(memory);
}

void operator delete[](void* memory, std::size_t) noexcept
{
  free(memory);
}

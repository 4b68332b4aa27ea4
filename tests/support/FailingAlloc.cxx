// Linked into a program's allocation probe: every allocation of at least
// ZEB_FAIL_ALLOC_FROM bytes fails with std::bad_alloc, or with
// std::length_error when ZEB_FAIL_ALLOC_THROWS is "length_error", so that a
// program's paths for memory that cannot be had and for other exceptions
// are reached with ordinary inputs.
#include <cstdlib>
#include <cstring>
#include <new>
#include <stdexcept>

static void* allocate(std::size_t size)
{
  const char* limit = getenv("ZEB_FAIL_ALLOC_FROM");
  if (limit && size >= std::strtoull(limit, nullptr, 10))
  {
    const char* kind = getenv("ZEB_FAIL_ALLOC_THROWS");
    if (kind && strcmp(kind, "length_error") == 0)
    {
      throw std::length_error("allocation refused");
    }
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

// The forms that give null rather than throw, which libraries such as LLVM
// (in Mesa's driver) use, so that every allocation goes through one pair.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
  try
  {
    return allocate(size);
  }
  catch (...)
  {
    return nullptr;
  }
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
  try
  {
    return allocate(size);
  }
  catch (...)
  {
    return nullptr;
  }
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

void operator delete(void* memory, const std::nothrow_t&) noexcept
{
  free(memory);
}

void operator delete[](void* memory, const std::nothrow_t&) noexcept
{
  free(memory);
}

// Linked into malformed_exodus_tests: the global operator new, which fails
// with std::bad_alloc for requests of zebFailNewFrom bytes or more while that
// is not 0, so that the reader's allocation failures can be reached, and
// that counts the bytes it gives.
#include "FailingNew.h"

#include <cstdlib>
#include <new>

size_t zebFailNewFrom = 0;
size_t zebBytesAllocated = 0;

void* operator new(size_t size)
{
  void* memory = zebFailNewFrom != 0 && size >= zebFailNewFrom ? nullptr : malloc(size ? size : 1);
  if (!memory)
  {
    throw std::bad_alloc();
  }
  zebBytesAllocated += size;
  return memory;
}

void operator delete(void* memory) noexcept
{
  free(memory);
}

void operator delete(void* memory, size_t) noexcept
{
  free(memory);
}

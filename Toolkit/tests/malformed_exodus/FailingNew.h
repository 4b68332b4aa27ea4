// Allocation failures on demand, and a count of what is allocated
// (FailingNew.cxx).
#ifndef ZEB_TESTS_FAILING_NEW_H
#define ZEB_TESTS_FAILING_NEW_H

#include <cstddef>

// While not 0, operator new throws std::bad_alloc for this many bytes or more.
extern size_t zebFailNewFrom;

// The bytes operator new has given since the program started.
extern size_t zebBytesAllocated;

#endif

// Allocation failures on demand (FailingNew.cxx).
#ifndef ZEB_TESTS_FAILING_NEW_H
#define ZEB_TESTS_FAILING_NEW_H

#include <cstddef>

// While not 0, operator new throws std::bad_alloc for this many bytes or more.
extern size_t zebFailNewFrom;

#endif

// Toolkit-wide definitions that generated sources rely on.
#ifndef ZEB_SYSTEM_INCLUDES_H
#define ZEB_SYSTEM_INCLUDES_H

#include <stddef.h>

// Marks a function as part of a shared library's or module's interface.
#define ZEB_ABI_EXPORT __attribute__((visibility("default")))

#endif

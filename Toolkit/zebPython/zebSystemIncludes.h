// Toolkit-wide definitions that generated sources rely on.
#ifndef ZEB_SYSTEM_INCLUDES_H
#define ZEB_SYSTEM_INCLUDES_H

#include <stddef.h>

// Marks a function as part of a shared library's or module's interface.
#ifdef _WIN32
#define ZEB_ABI_EXPORT __declspec(dllexport)
#else
#define ZEB_ABI_EXPORT __attribute__((visibility("default")))
#endif

#endif

// Auto-initialisation pair of the zebIOParallelExodus module.
#ifndef ZEB_IOPARALLEL_EXODUS_MODULE_H
#define ZEB_IOPARALLEL_EXODUS_MODULE_H

#include <zebModuleInit.h>

ZEB_MODULE_AUTOINIT_DECLARE(zebIOParallelExodus)

#endif

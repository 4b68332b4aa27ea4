// Auto-initialisation pair of the zebRenderingFreeType module.
#ifndef ZEB_RENDERING_FREE_TYPE_MODULE_H
#define ZEB_RENDERING_FREE_TYPE_MODULE_H

#include <zebModuleInit.h>

ZEB_MODULE_AUTOINIT_DECLARE(zebRenderingFreeType)

#endif

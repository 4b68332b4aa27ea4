// Auto-initialisation pair of the zebRenderingFreeTypeOpenGL module.
#ifndef ZEB_RENDERING_FREE_TYPE_OPEN_GL_MODULE_H
#define ZEB_RENDERING_FREE_TYPE_OPEN_GL_MODULE_H

#include <zebModuleInit.h>

ZEB_MODULE_AUTOINIT_DECLARE(zebRenderingFreeTypeOpenGL)

#endif

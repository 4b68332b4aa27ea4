// Auto-initialisation pair of the zebRenderingContextOpenGL module.
#ifndef ZEB_RENDERING_CONTEXT_OPEN_GL_MODULE_H
#define ZEB_RENDERING_CONTEXT_OPEN_GL_MODULE_H

#include <zebModuleInit.h>

ZEB_MODULE_AUTOINIT_DECLARE(zebRenderingContextOpenGL)

#endif

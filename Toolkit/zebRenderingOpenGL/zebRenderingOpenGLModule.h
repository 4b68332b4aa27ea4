// Auto-initialisation pair of the zebRenderingOpenGL module.
#ifndef ZEB_RENDERING_OPEN_GL_MODULE_H
#define ZEB_RENDERING_OPEN_GL_MODULE_H

#include <zebModuleInit.h>

ZEB_MODULE_AUTOINIT_DECLARE(zebRenderingOpenGL)

#endif

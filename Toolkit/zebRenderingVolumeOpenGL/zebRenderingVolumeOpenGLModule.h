// Auto-initialisation pair of the zebRenderingVolumeOpenGL module.
#ifndef ZEB_RENDERING_VOLUME_OPEN_GL_MODULE_H
#define ZEB_RENDERING_VOLUME_OPEN_GL_MODULE_H

#include <zebModuleInit.h>

ZEB_MODULE_AUTOINIT_DECLARE(zebRenderingVolumeOpenGL)

#endif

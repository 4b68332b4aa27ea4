// Auto-initialisation of the zebRenderingVolumeOpenGL module. It registers nothing with the object
// factory: none of its classes is reached through an abstract New.
#include "zebRenderingVolumeOpenGLModule.h"

ZEB_MODULE_AUTOINIT(zebRenderingVolumeOpenGL, nullptr)

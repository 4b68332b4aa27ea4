// Auto-initialisation of the zebRenderingFreeTypeOpenGL module. It registers nothing with the
// object factory: none of its classes is reached through an abstract New.
#include "zebRenderingFreeTypeOpenGLModule.h"

ZEB_MODULE_AUTOINIT(zebRenderingFreeTypeOpenGL, nullptr)

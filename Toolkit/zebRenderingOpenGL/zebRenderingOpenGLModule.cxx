// Auto-initialisation of the zebRenderingOpenGL module. It registers nothing with the object
// factory: none of its classes is reached through an abstract New.
#include "zebRenderingOpenGLModule.h"

ZEB_MODULE_AUTOINIT(zebRenderingOpenGL, nullptr)

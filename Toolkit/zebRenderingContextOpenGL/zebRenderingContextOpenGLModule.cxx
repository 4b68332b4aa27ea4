// Auto-initialisation of the zebRenderingContextOpenGL module. It registers nothing with the object
// factory: none of its classes is reached through an abstract New.
#include "zebRenderingContextOpenGLModule.h"

ZEB_MODULE_AUTOINIT(zebRenderingContextOpenGL, nullptr)

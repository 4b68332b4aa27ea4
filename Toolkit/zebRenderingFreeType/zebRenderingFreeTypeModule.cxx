// Auto-initialisation of the zebRenderingFreeType module. It registers nothing with the object
// factory: none of its classes is reached through an abstract New.
#include "zebRenderingFreeTypeModule.h"

ZEB_MODULE_AUTOINIT(zebRenderingFreeType, nullptr)

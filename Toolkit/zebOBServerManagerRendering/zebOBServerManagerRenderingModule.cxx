// Auto-initialisation of the zebOBServerManagerRendering module. It registers nothing with the object
// factory: none of its classes is reached through an abstract New.
#include "zebOBServerManagerRenderingModule.h"

ZEB_MODULE_AUTOINIT(zebOBServerManagerRendering, nullptr)

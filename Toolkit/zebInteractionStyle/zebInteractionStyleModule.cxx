// Auto-initialisation of the zebInteractionStyle module. It registers nothing with the object
// factory: none of its classes is reached through an abstract New.
#include "zebInteractionStyleModule.h"

ZEB_MODULE_AUTOINIT(zebInteractionStyle, nullptr)

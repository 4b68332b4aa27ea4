// Auto-initialisation of the zebIOParallelExodus module. It registers nothing with the object
// factory: none of its classes is reached through an abstract New.
#include "zebIOParallelExodusModule.h"

ZEB_MODULE_AUTOINIT(zebIOParallelExodus, nullptr)

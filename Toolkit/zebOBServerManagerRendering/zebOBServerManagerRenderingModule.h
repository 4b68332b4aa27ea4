// Auto-initialisation pair of the zebOBServerManagerRendering module.
#ifndef ZEB_OBSERVER_MANAGER_RENDERING_MODULE_H
#define ZEB_OBSERVER_MANAGER_RENDERING_MODULE_H

#include <zebModuleInit.h>

ZEB_MODULE_AUTOINIT_DECLARE(zebOBServerManagerRendering)

#endif

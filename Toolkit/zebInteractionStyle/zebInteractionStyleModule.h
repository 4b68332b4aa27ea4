// Auto-initialisation pair of the zebInteractionStyle module.
#ifndef ZEB_INTERACTION_STYLE_MODULE_H
#define ZEB_INTERACTION_STYLE_MODULE_H

#include <zebModuleInit.h>

ZEB_MODULE_AUTOINIT_DECLARE(zebInteractionStyle)

#endif

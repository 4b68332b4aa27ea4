// Auto-initialisation of the zebInteractionStyle module: its construct makes
// the trackball camera style the interactor style that interactors pick.
#include "zebInteractionStyleModule.h"

#include "zebInteractorStyleTrackballCamera.h"

#include <zebObjectFactory.h>

namespace
{
zebObjectBase* CreateTrackballCamera()
{
  return zebInteractorStyleTrackballCamera::New();
}

void RegisterStyles()
{
  zebObjectFactory::RegisterOverride(
    "zebInteractorStyle", CreateTrackballCamera, "zebInteractionStyle");
}
}

ZEB_MODULE_AUTOINIT(zebInteractionStyle, RegisterStyles)

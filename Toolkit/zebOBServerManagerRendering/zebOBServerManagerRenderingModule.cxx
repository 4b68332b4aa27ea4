// Auto-initialisation of the zebOBServerManagerRendering module: it supplies
// the implementation of the abstract view proxy.
#include "zebOBServerManagerRenderingModule.h"

#include "zebSMRenderViewProxy.h"

#include <zebObjectFactory.h>

namespace
{
zebObjectBase* CreateRenderView()
{
  return zebSMRenderViewProxy::New();
}

void RegisterImplementations()
{
  zebObjectFactory::RegisterOverride(
    "zebSMViewProxy", CreateRenderView, "zebOBServerManagerRendering");
}
}

ZEB_MODULE_AUTOINIT(zebOBServerManagerRendering, RegisterImplementations)

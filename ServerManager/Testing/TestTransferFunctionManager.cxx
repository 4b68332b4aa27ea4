// The transfer-function manager gives one colour function and one opacity
// function per array name, links the colour function to the opacity
// function of its name, and makes one scalar bar per colour function and
// view, on first request.
#include <zebInitializationHelper.h>
#include <zebSMPropertyHelper.h>
#include <zebSMProxy.h>
#include <zebSMSession.h>
#include <zebSMSessionProxyManager.h>
#include <zebSMTransferFunctionManager.h>
#include <zebSmartPointerBase.h>
#include <zebTestStartup.h>

#include <iostream>

ZEB_LEAK_TRACKING_HOLDER()
ZEB_AUTOINIT_GROUP(zebInteractionStyle,
                   zebRenderingFreeType,
                   zebRenderingFreeTypeOpenGL,
                   zebRenderingOpenGL)
ZEB_AUTOINIT_GROUP(zebOBServerManagerRendering)
ZEB_AUTOINIT_GROUP(zebIOParallelExodus)
ZEB_AUTOINIT_GROUP(zebRenderingVolumeOpenGL)
ZEB_AUTOINIT_GROUP(zebRenderingContextOpenGL)

// Reports the failed check and gives the test's failure result.
static int FailedAt(int line)
{
  std::cerr << "ERROR: Failed at line " << line << std::endl;
  return 1;
}

int TestTransferFunctionManager(int, char* argv[])
{
  zebInitializationHelper::Initialize(argv[0], 0);
  zebSMSession* session = zebSMSession::New();
  zebSMSessionProxyManager* proxyManager = session->GetSessionProxyManager();
  zebSmartPointer<zebSMTransferFunctionManager> manager =
    zebSmartPointer<zebSMTransferFunctionManager>::New();

  zebSMProxy* colorFunction = manager->GetColorTransferFunction("arrayOne", proxyManager);
  if (!colorFunction)
  {
    return FailedAt(41);
  }
  if (manager->GetColorTransferFunction("arrayOne", proxyManager) != colorFunction)
  {
    return FailedAt(48);
  }
  if (manager->GetColorTransferFunction("arrayTwo", proxyManager) == colorFunction)
  {
    return FailedAt(55);
  }

  zebSMProxy* opacityFunction = manager->GetOpacityTransferFunction("arrayOne", proxyManager);
  if (!opacityFunction)
  {
    return FailedAt(62);
  }
  if (manager->GetOpacityTransferFunction("arrayOne", proxyManager) != opacityFunction)
  {
    return FailedAt(67);
  }
  if (manager->GetOpacityTransferFunction("arrayTwo", proxyManager) == opacityFunction)
  {
    return FailedAt(72);
  }

  zebSMProxy* linkedOpacityFunction = nullptr;
  {
    zebSMPropertyHelper scalarOpacity(colorFunction, "ScalarOpacityFunction", false);
    linkedOpacityFunction = scalarOpacity.GetAsProxy(0);
  }
  if (linkedOpacityFunction != opacityFunction)
  {
    return FailedAt(79);
  }

  zebSMProxy* view = proxyManager->NewProxy("views", "RenderView", nullptr);
  if (!view)
  {
    // Without a view the steps below would call through null.
    return FailedAt(86);
  }
  view->UpdateObjects();

  manager->GetScalarBarRepresentation(nullptr, nullptr);
  zebObjectBase* scalarBar = manager->GetScalarBarRepresentation(colorFunction, view);
  if (!scalarBar)
  {
    return FailedAt(96);
  }
  if (manager->GetScalarBarRepresentation(colorFunction, view) != scalarBar)
  {
    return FailedAt(102);
  }

  view->Delete();
  session->Delete();
  zebInitializationHelper::Finalize();
  return 0;
}

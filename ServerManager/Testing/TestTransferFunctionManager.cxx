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

#include <iostream>

// This program's start-up registrations, made before main runs.
#include "TestStartup.h"

// Reports a failed check by its number and gives the test's failure result.
// The numbers are fixed: callers read them from the message.
static int FailedCheck(int check)
{
  std::cerr << "ERROR: Failed at line " << check << std::endl;
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
    return FailedCheck(41);
  }
  if (manager->GetColorTransferFunction("arrayOne", proxyManager) != colorFunction)
  {
    return FailedCheck(48);
  }
  if (manager->GetColorTransferFunction("arrayTwo", proxyManager) == colorFunction)
  {
    return FailedCheck(55);
  }

  zebSMProxy* opacityFunction = manager->GetOpacityTransferFunction("arrayOne", proxyManager);
  if (!opacityFunction)
  {
    return FailedCheck(62);
  }
  if (manager->GetOpacityTransferFunction("arrayOne", proxyManager) != opacityFunction)
  {
    return FailedCheck(67);
  }
  if (manager->GetOpacityTransferFunction("arrayTwo", proxyManager) == opacityFunction)
  {
    return FailedCheck(72);
  }

  zebSMProxy* linkedOpacityFunction = nullptr;
  {
    zebSMPropertyHelper scalarOpacity(colorFunction, "ScalarOpacityFunction", false);
    linkedOpacityFunction = scalarOpacity.GetAsProxy(0);
  }
  if (linkedOpacityFunction != opacityFunction)
  {
    return FailedCheck(79);
  }

  zebSMProxy* view = proxyManager->NewProxy("views", "RenderView", nullptr);
  if (!view)
  {
    // Without a view the steps below would call through null.
    return FailedCheck(86);
  }
  view->UpdateObjects();

  manager->GetScalarBarRepresentation(nullptr, nullptr);
  zebObjectBase* scalarBar = manager->GetScalarBarRepresentation(colorFunction, view);
  if (!scalarBar)
  {
    return FailedCheck(96);
  }
  if (manager->GetScalarBarRepresentation(colorFunction, view) != scalarBar)
  {
    return FailedCheck(102);
  }

  view->Delete();
  session->Delete();
  zebInitializationHelper::Finalize();
  return 0;
}

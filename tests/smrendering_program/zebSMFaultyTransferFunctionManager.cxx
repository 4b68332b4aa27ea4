// The misbehaving transfer-function manager and its factory registration.
#include "zebSMFaultyTransferFunctionManager.h"

#include <zebObjectFactory.h>
#include <zebSMPropertyHelper.h>
#include <zebSMProxy.h>
#include <zebSMProxyDefinitions.h>
#include <zebSMSessionProxyManager.h>

#include <cstdlib>
#include <stdexcept>

zebStandardNewMacro(zebSMFaultyTransferFunctionManager);

namespace
{
const char* const moduleName = "zebSMFaultInjection";
const char* const noViewOwner = "zebSMFaultInjection.no-view";
int liveManagers = 0;

zebObjectBase* CreateFaultyManager()
{
  return zebSMFaultyTransferFunctionManager::New();
}

zebObjectBase* CreateNoView()
{
  return nullptr;
}

// Registers the manager while the module is loaded.
struct ModuleRegistration
{
  ModuleRegistration()
  {
    zebObjectFactory::RegisterOverride(
      "zebSMTransferFunctionManager", CreateFaultyManager, moduleName);
  }
  ~ModuleRegistration()
  {
    zebObjectFactory::UnRegisterOverrides(moduleName);
  }
} const moduleRegistration;
}

zebSMFaultyTransferFunctionManager::zebSMFaultyTransferFunctionManager()
{
  const char* fault = getenv("ZEB_SM_FAULT");
  this->Fault = fault ? fault : "";
  if (this->Is("no-view"))
  {
    zebObjectFactory::RegisterOverride("zebSMViewProxy", CreateNoView, noViewOwner);
  }
  ++liveManagers;
}

zebSMFaultyTransferFunctionManager::~zebSMFaultyTransferFunctionManager()
{
  if (this->Is("no-view"))
  {
    zebObjectFactory::UnRegisterOverrides(noViewOwner);
  }
  for (zebSMProxy* proxy : this->FreshProxies)
  {
    proxy->Delete();
  }
  --liveManagers;
}

int zebSMFaultyTransferFunctionManager::GetNumberOfLiveManagers()
{
  return liveManagers;
}

zebSMProxy* zebSMFaultyTransferFunctionManager::Keep(zebSMProxy* proxy)
{
  if (proxy)
  {
    this->FreshProxies.push_back(proxy);
  }
  return proxy;
}

zebSMProxy* zebSMFaultyTransferFunctionManager::Fresh(zebSMSessionProxyManager* proxyManager,
                                                      const char* group,
                                                      const char* name)
{
  return this->Keep(proxyManager->NewProxy(group, name, nullptr));
}

zebSMProxy* zebSMFaultyTransferFunctionManager::GetColorTransferFunction(
  const char* arrayName,
  zebSMSessionProxyManager* proxyManager)
{
  if (this->Is("throw"))
  {
    throw std::runtime_error("colour-function lookup failed on purpose");
  }
  if (this->Is("colour-null"))
  {
    return nullptr;
  }
  if (this->Is("colour-fresh"))
  {
    return this->Fresh(proxyManager, "lookup_tables", "PVLookupTable");
  }
  if (this->Is("colour-same"))
  {
    arrayName = "arrayOne";
  }
  zebSMProxy* colorFunction = this->Superclass::GetColorTransferFunction(arrayName, proxyManager);
  if (this->Is("link-empty"))
  {
    zebSMPropertyHelper(colorFunction, "ScalarOpacityFunction").SetNumberOfElements(0);
  }
  if (this->Is("link-other"))
  {
    zebSMPropertyHelper(colorFunction, "ScalarOpacityFunction")
      .Set(0, this->GetOpacityTransferFunction("someOtherArray", proxyManager));
  }
  return colorFunction;
}

zebSMProxy* zebSMFaultyTransferFunctionManager::GetOpacityTransferFunction(
  const char* arrayName,
  zebSMSessionProxyManager* proxyManager)
{
  if (this->Is("opacity-null"))
  {
    return nullptr;
  }
  if (this->Is("opacity-fresh"))
  {
    return this->Fresh(proxyManager, "piecewise_functions", "PiecewiseFunction");
  }
  if (this->Is("opacity-same"))
  {
    arrayName = "arrayOne";
  }
  return this->Superclass::GetOpacityTransferFunction(arrayName, proxyManager);
}

zebSMProxy* zebSMFaultyTransferFunctionManager::GetScalarBarRepresentation(
  zebSMProxy* colorFunction,
  zebSMProxy* view)
{
  if (colorFunction && this->Is("per-view-null"))
  {
    return nullptr;
  }
  if (colorFunction && this->Is("per-view-fresh"))
  {
    return this->Keep(zebSMProxyDefinitions::NewProxy(
      "representations", "ScalarBarWidgetRepresentation", "zebSMFaultyTransferFunctionManager"));
  }
  return this->Superclass::GetScalarBarRepresentation(colorFunction, view);
}

void zebSMFaultyTransferFunctionManager::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Fault: " << (this->Fault.empty() ? "(none)" : this->Fault) << "\n";
}

// Lookups of the transfer functions of data arrays and of their scalar bars.
#include "zebSMTransferFunctionManager.h"

#include <zebObjectFactory.h>
#include <zebSMPropertyHelper.h>
#include <zebSMProxy.h>
#include <zebSMProxyDefinitions.h>
#include <zebSMSessionProxyManager.h>

#include <string>

zebStandardNewMacro(zebSMTransferFunctionManager);

namespace
{
// The proxy registered under group as "<arrayName>.<name>", made from the
// definition (group, name) when there is none yet.
zebSMProxy* FindOrRegister(zebSMSessionProxyManager* proxyManager,
                           const char* group,
                           const char* name,
                           const char* arrayName,
                           bool* made)
{
  const std::string registrationName = std::string(arrayName) + "." + name;
  *made = false;
  if (zebSMProxy* registered = proxyManager->GetProxy(group, registrationName.c_str()))
  {
    return registered;
  }
  zebSMProxy* proxy = proxyManager->NewProxy(group, name, nullptr);
  if (!proxy)
  {
    return nullptr;
  }
  proxyManager->RegisterProxy(group, registrationName.c_str(), proxy);
  proxy->Delete();
  *made = true;
  return proxy;
}
}

zebSMTransferFunctionManager::~zebSMTransferFunctionManager()
{
  for (ScalarBar& scalarBar : this->ScalarBars)
  {
    scalarBar.representation->UnRegister(this);
    scalarBar.view->UnRegister(this);
    scalarBar.colorFunction->UnRegister(this);
  }
}

zebSMProxy* zebSMTransferFunctionManager::GetColorTransferFunction(
  const char* arrayName,
  zebSMSessionProxyManager* proxyManager)
{
  if (!arrayName || !proxyManager)
  {
    return nullptr;
  }
  bool made = false;
  zebSMProxy* colorFunction =
    FindOrRegister(proxyManager, "lookup_tables", "PVLookupTable", arrayName, &made);
  if (made)
  {
    zebSMPropertyHelper(colorFunction, "ScalarOpacityFunction")
      .Set(0, this->GetOpacityTransferFunction(arrayName, proxyManager));
    colorFunction->UpdateObjects();
  }
  return colorFunction;
}

zebSMProxy* zebSMTransferFunctionManager::GetOpacityTransferFunction(
  const char* arrayName,
  zebSMSessionProxyManager* proxyManager)
{
  if (!arrayName || !proxyManager)
  {
    return nullptr;
  }
  bool made = false;
  zebSMProxy* opacityFunction =
    FindOrRegister(proxyManager, "piecewise_functions", "PiecewiseFunction", arrayName, &made);
  if (made)
  {
    opacityFunction->UpdateObjects();
  }
  return opacityFunction;
}

zebSMProxy* zebSMTransferFunctionManager::GetScalarBarRepresentation(zebSMProxy* colorFunction,
                                                                     zebSMProxy* view)
{
  if (!colorFunction || !view)
  {
    return nullptr;
  }
  for (const ScalarBar& scalarBar : this->ScalarBars)
  {
    if (scalarBar.colorFunction == colorFunction && scalarBar.view == view)
    {
      return scalarBar.representation;
    }
  }
  return this->NewScalarBar(colorFunction, view);
}

zebSMProxy* zebSMTransferFunctionManager::NewScalarBar(zebSMProxy* colorFunction, zebSMProxy* view)
{
  zebSMProxy* representation = zebSMProxyDefinitions::NewProxy(
    "representations", "ScalarBarWidgetRepresentation", "zebSMTransferFunctionManager");
  if (!representation)
  {
    return nullptr;
  }
  zebSMPropertyHelper(representation, "LookupTable").Set(0, colorFunction);
  representation->UpdateObjects();
  zebSMPropertyHelper(view, "Representations", true).Add(representation);
  colorFunction->Register(this);
  view->Register(this);
  this->ScalarBars.push_back({ colorFunction, view, representation });
  return representation;
}

unsigned zebSMTransferFunctionManager::GetNumberOfScalarBarRepresentations() const
{
  return static_cast<unsigned>(this->ScalarBars.size());
}

void zebSMTransferFunctionManager::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Scalar Bar Representations: " << this->ScalarBars.size() << "\n";
}

// The built-in proxy definitions and the making of proxies from them.
#include "zebSMProxyDefinitions.h"

#include "zebInitializationHelper.h"
#include "zebSMProperty.h"
#include "zebSMProxy.h"
#include "zebSMViewProxy.h"

#include <cstdio>
#include <cstring>

namespace
{
const unsigned MaxDefaults = 8;
const unsigned MaxProperties = 4;

struct PropertyDefinition
{
  const char* name;
  bool holdsProxies;
  unsigned numberOfDefaults;
  double defaults[MaxDefaults];
};

struct ProxyDefinition
{
  const char* group;
  const char* name;
  zebSMProxy* (*create)();
  PropertyDefinition properties[MaxProperties];
};

zebSMProxy* CreatePlainProxy()
{
  return zebSMProxy::New();
}

zebSMProxy* CreateViewProxy()
{
  return zebSMViewProxy::New();
}

const ProxyDefinition definitions[] = {
  { "lookup_tables",
    "PVLookupTable",
    CreatePlainProxy,
    { { "RGBPoints", false, 8, { 0, 0.231, 0.299, 0.754, 1, 0.706, 0.016, 0.150 } },
      { "ColorSpace", false, 1, { 2 } },
      { "ScalarOpacityFunction", true, 0, {} },
      { "ScalarRangeInitialized", false, 1, { 0 } } } },
  { "piecewise_functions",
    "PiecewiseFunction",
    CreatePlainProxy,
    { { "Points", false, 8, { 0, 0, 0.5, 0, 1, 1, 0.5, 0 } } } },
  { "views",
    "RenderView",
    CreateViewProxy,
    { { "Representations", true, 0, {} },
      { "ViewSize", false, 2, { 300, 300 } },
      { "Background", false, 3, { 0.32, 0.34, 0.43 } } } },
  { "representations",
    "ScalarBarWidgetRepresentation",
    CreatePlainProxy,
    { { "LookupTable", true, 0, {} },
      { "Visibility", false, 1, { 1 } },
      { "Position", false, 2, { 0.89, 0.02 } } } },
};

const char* Printable(const char* text)
{
  return text ? text : "(null)";
}

const ProxyDefinition* Find(const char* group, const char* name)
{
  if (!group || !name)
  {
    return nullptr;
  }
  for (const ProxyDefinition& definition : definitions)
  {
    if (strcmp(definition.group, group) == 0 && strcmp(definition.name, name) == 0)
    {
      return &definition;
    }
  }
  return nullptr;
}

void AddProperties(zebSMProxy* proxy, const ProxyDefinition& definition)
{
  for (const PropertyDefinition& entry : definition.properties)
  {
    if (!entry.name)
    {
      break;
    }
    zebSMProperty* property = proxy->AddProperty(entry.name, entry.holdsProxies);
    for (unsigned i = 0; i < entry.numberOfDefaults; ++i)
    {
      property->SetElement(i, entry.defaults[i]);
    }
    property->ClearModified();
  }
}
}

bool zebSMProxyDefinitions::Has(const char* group, const char* name)
{
  return Find(group, name) != nullptr;
}

zebSMProxy* zebSMProxyDefinitions::NewProxy(const char* group,
                                            const char* name,
                                            const char* requester)
{
  if (!zebInitializationHelper::IsInitialized())
  {
    fprintf(stderr,
            "%s: cannot make proxy \"%s\" of group \"%s\": the server manager is not "
            "initialised\n",
            requester,
            Printable(name),
            Printable(group));
    return nullptr;
  }
  const ProxyDefinition* definition = Find(group, name);
  if (!definition)
  {
    fprintf(stderr,
            "%s: no proxy definition \"%s\" in group \"%s\"\n",
            requester,
            Printable(name),
            Printable(group));
    return nullptr;
  }
  zebSMProxy* proxy = definition->create();
  if (!proxy)
  {
    return nullptr;
  }
  proxy->SetXMLGroup(definition->group);
  proxy->SetXMLName(definition->name);
  AddProperties(proxy, *definition);
  return proxy;
}

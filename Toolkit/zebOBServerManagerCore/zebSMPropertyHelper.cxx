// Reading and writing a proxy's property by name.
#include "zebSMPropertyHelper.h"

#include "zebSMProperty.h"
#include "zebSMProxy.h"

#include <cstdio>

zebSMPropertyHelper::zebSMPropertyHelper(zebSMProxy* proxy, const char* propertyName, bool quiet)
  : Property(proxy ? proxy->GetProperty(propertyName) : nullptr)
  , Quiet(quiet)
{
  if (this->Property || quiet)
  {
    return;
  }
  if (!proxy)
  {
    fprintf(stderr,
            "zebSMPropertyHelper: no proxy given for property \"%s\"\n",
            propertyName ? propertyName : "(null)");
    return;
  }
  fprintf(stderr,
          "zebSMPropertyHelper: proxy \"%s\" of group \"%s\" has no property \"%s\"\n",
          proxy->GetXMLName(),
          proxy->GetXMLGroup(),
          propertyName ? propertyName : "(null)");
}

unsigned zebSMPropertyHelper::GetNumberOfElements() const
{
  return this->Property ? this->Property->GetNumberOfElements() : 0;
}

void zebSMPropertyHelper::SetNumberOfElements(unsigned count)
{
  if (this->Property)
  {
    this->Property->SetNumberOfElements(count);
  }
}

zebSMProxy* zebSMPropertyHelper::GetAsProxy(unsigned index) const
{
  if (!this->Property)
  {
    return nullptr;
  }
  if (!this->Property->GetHoldsProxies())
  {
    if (!this->Quiet)
    {
      fprintf(stderr,
              "zebSMPropertyHelper: property \"%s\" holds values, not proxies\n",
              this->Property->GetName());
    }
    return nullptr;
  }
  return this->Property->GetProxy(index);
}

void zebSMPropertyHelper::Set(unsigned index, zebSMProxy* proxy)
{
  if (this->Property)
  {
    this->Property->SetProxy(index, proxy);
  }
}

void zebSMPropertyHelper::Add(zebSMProxy* proxy)
{
  if (this->Property)
  {
    this->Property->AddProxy(proxy);
  }
}

double zebSMPropertyHelper::GetAsDouble(unsigned index) const
{
  return this->Property ? this->Property->GetElement(index) : 0.0;
}

void zebSMPropertyHelper::Set(unsigned index, double value)
{
  if (this->Property)
  {
    this->Property->SetElement(index, value);
  }
}

// Values and proxy references held by a proxy property.
#include "zebSMProperty.h"

#include "zebObjectFactory.h"
#include "zebSMProxy.h"

zebStandardNewMacro(zebSMProperty);

zebSMProperty::~zebSMProperty()
{
  this->SetNumberOfElements(0);
}

unsigned zebSMProperty::GetNumberOfElements() const
{
  return static_cast<unsigned>(this->HoldsProxies ? this->Proxies.size() : this->Values.size());
}

void zebSMProperty::SetNumberOfElements(unsigned count)
{
  if (!this->HoldsProxies)
  {
    this->Values.resize(count, 0.0);
    this->Modified = true;
    return;
  }
  while (this->Proxies.size() > count)
  {
    zebSMProxy* dropped = this->Proxies.back();
    this->Proxies.pop_back();
    if (dropped)
    {
      dropped->UnRegister(this);
    }
  }
  this->Proxies.resize(count, nullptr);
  this->Modified = true;
}

double zebSMProperty::GetElement(unsigned index) const
{
  return index < this->Values.size() ? this->Values[index] : 0.0;
}

void zebSMProperty::SetElement(unsigned index, double value)
{
  if (this->HoldsProxies)
  {
    return;
  }
  if (index >= this->Values.size())
  {
    this->Values.resize(index + 1, 0.0);
  }
  this->Values[index] = value;
  this->Modified = true;
}

zebSMProxy* zebSMProperty::GetProxy(unsigned index) const
{
  return index < this->Proxies.size() ? this->Proxies[index] : nullptr;
}

void zebSMProperty::SetProxy(unsigned index, zebSMProxy* proxy)
{
  if (!this->HoldsProxies)
  {
    return;
  }
  if (index >= this->Proxies.size())
  {
    this->Proxies.resize(index + 1, nullptr);
  }
  zebSMProxy* previous = this->Proxies[index];
  if (proxy)
  {
    proxy->Register(this);
  }
  this->Proxies[index] = proxy;
  if (previous)
  {
    previous->UnRegister(this);
  }
  this->Modified = true;
}

void zebSMProperty::AddProxy(zebSMProxy* proxy)
{
  this->SetProxy(this->GetNumberOfElements(), proxy);
}

void zebSMProperty::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Name: " << this->Name << "\n";
  os << indent << "Holds Proxies: " << (this->HoldsProxies ? "yes" : "no") << "\n";
  os << indent << "Number Of Elements: " << this->GetNumberOfElements() << "\n";
  os << indent << "Modified: " << (this->Modified ? "yes" : "no") << "\n";
}

// Proxies and the properties they own.
#include "zebSMProxy.h"

#include "zebObjectFactory.h"
#include "zebSMProperty.h"

zebStandardNewMacro(zebSMProxy);

zebSMProxy::~zebSMProxy()
{
  for (zebSMProperty* property : this->Properties)
  {
    property->Delete();
  }
}

zebSMProperty* zebSMProxy::AddProperty(const char* name, bool holdsProxies)
{
  if (zebSMProperty* existing = this->GetProperty(name))
  {
    return existing;
  }
  zebSMProperty* property = zebSMProperty::New();
  property->SetName(name);
  property->SetHoldsProxies(holdsProxies);
  this->Properties.push_back(property);
  return property;
}

zebSMProperty* zebSMProxy::GetProperty(const char* name) const
{
  if (!name)
  {
    return nullptr;
  }
  for (zebSMProperty* property : this->Properties)
  {
    if (strcmp(property->GetName(), name) == 0)
    {
      return property;
    }
  }
  return nullptr;
}

unsigned zebSMProxy::GetNumberOfProperties() const
{
  return static_cast<unsigned>(this->Properties.size());
}

void zebSMProxy::UpdateObjects()
{
  for (zebSMProperty* property : this->Properties)
  {
    property->ClearModified();
  }
  ++this->NumberOfUpdates;
}

bool zebSMProxy::NeedsUpdate() const
{
  for (const zebSMProperty* property : this->Properties)
  {
    if (property->GetModified())
    {
      return true;
    }
  }
  return false;
}

void zebSMProxy::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "XML Group: " << this->XMLGroup << "\n";
  os << indent << "XML Name: " << this->XMLName << "\n";
  os << indent << "Number Of Updates: " << this->NumberOfUpdates << "\n";
  os << indent << "Needs Update: " << (this->NeedsUpdate() ? "yes" : "no") << "\n";
  os << indent << "Properties: " << this->Properties.size() << "\n";
  for (zebSMProperty* property : this->Properties)
  {
    os << indent.GetNextIndent() << property->GetName() << ": " << property->GetNumberOfElements()
       << " element(s)\n";
  }
}

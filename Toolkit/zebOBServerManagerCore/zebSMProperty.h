// One named property of a proxy. A property holds either numeric values or
// references to other proxies, as elements indexed from 0. Setting an
// element marks the property modified until its proxy is updated.
#ifndef ZEB_SM_PROPERTY_H
#define ZEB_SM_PROPERTY_H

#include <zebObjectBase.h>

#include <string>
#include <vector>

class zebSMProxy;

class zebSMProperty : public zebObjectBase
{
public:
  static zebSMProperty* New();
  zebTypeMacro(zebSMProperty, zebObjectBase);
  void PrintSelf(std::ostream& os, zebIndent indent) override;

  void SetName(const char* name)
  {
    this->Name = name ? name : "";
  }
  const char* GetName() const
  {
    return this->Name.c_str();
  }

  // A proxy property holds proxies; any other holds values. Set once, while
  // the property is empty.
  void SetHoldsProxies(bool holdsProxies)
  {
    this->HoldsProxies = holdsProxies;
  }
  bool GetHoldsProxies() const
  {
    return this->HoldsProxies;
  }

  unsigned GetNumberOfElements() const;
  // Grows with zeros or null proxies, or drops the elements past count.
  void SetNumberOfElements(unsigned count);

  // Values. Reading past the end gives 0; writing past it grows the property.
  // A proxy property ignores values, and a value property ignores proxies.
  double GetElement(unsigned index) const;
  void SetElement(unsigned index, double value);

  // Proxies, each held with a reference. Reading past the end gives null;
  // writing past it grows the property.
  zebSMProxy* GetProxy(unsigned index) const;
  void SetProxy(unsigned index, zebSMProxy* proxy);
  void AddProxy(zebSMProxy* proxy);

  bool GetModified() const
  {
    return this->Modified;
  }
  void ClearModified()
  {
    this->Modified = false;
  }

protected:
  zebSMProperty() = default;
  ~zebSMProperty() override;

private:
  std::string Name;
  bool HoldsProxies = false;
  bool Modified = false;
  std::vector<double> Values;
  std::vector<zebSMProxy*> Proxies;
};

#endif

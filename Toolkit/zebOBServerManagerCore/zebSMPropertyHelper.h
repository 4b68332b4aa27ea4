// Short-lived access to one property of a proxy by name. A proxy without
// that property (or a null proxy) gives null and 0 on every read and ignores
// writes; the helper says so on standard error unless it is quiet.
#ifndef ZEB_SM_PROPERTY_HELPER_H
#define ZEB_SM_PROPERTY_HELPER_H

class zebSMProperty;
class zebSMProxy;

class zebSMPropertyHelper
{
public:
  zebSMPropertyHelper(zebSMProxy* proxy, const char* propertyName, bool quiet = false);
  zebSMPropertyHelper(const zebSMPropertyHelper&) = delete;
  zebSMPropertyHelper& operator=(const zebSMPropertyHelper&) = delete;

  // The property read and written, owned by the proxy, or null.
  zebSMProperty* GetProperty() const
  {
    return this->Property;
  }

  unsigned GetNumberOfElements() const;
  void SetNumberOfElements(unsigned count);

  // Proxy elements. Reading a value property gives null, with a message
  // unless quiet.
  zebSMProxy* GetAsProxy(unsigned index = 0) const;
  void Set(unsigned index, zebSMProxy* proxy);
  void Add(zebSMProxy* proxy);

  // Value elements.
  double GetAsDouble(unsigned index = 0) const;
  void Set(unsigned index, double value);

private:
  zebSMProperty* Property;
  bool Quiet;
};

#endif

// A proxy: the server manager's handle on one object of the toolkit, made
// from a proxy definition (its group and name) and carrying the definition's
// named properties. UpdateObjects pushes modified properties to the object.
#ifndef ZEB_SM_PROXY_H
#define ZEB_SM_PROXY_H

#include <zebObjectBase.h>

#include <string>
#include <vector>

class zebSMProperty;

class zebSMProxy : public zebObjectBase
{
public:
  static zebSMProxy* New();
  zebTypeMacro(zebSMProxy, zebObjectBase);
  void PrintSelf(std::ostream& os, zebIndent indent) override;

  // The definition the proxy was made from.
  void SetXMLGroup(const char* group)
  {
    this->XMLGroup = group ? group : "";
  }
  const char* GetXMLGroup() const
  {
    return this->XMLGroup.c_str();
  }
  void SetXMLName(const char* name)
  {
    this->XMLName = name ? name : "";
  }
  const char* GetXMLName() const
  {
    return this->XMLName.c_str();
  }

  // Adds an empty property (or gives the existing one of that name).
  zebSMProperty* AddProperty(const char* name, bool holdsProxies);
  // The property of that name, owned by the proxy, or null.
  zebSMProperty* GetProperty(const char* name) const;
  unsigned GetNumberOfProperties() const;

  // Pushes the modified properties to the proxy's object.
  virtual void UpdateObjects();
  // True while some property was modified after the last update.
  bool NeedsUpdate() const;
  int GetNumberOfUpdates() const
  {
    return this->NumberOfUpdates;
  }

protected:
  zebSMProxy() = default;
  ~zebSMProxy() override;

private:
  std::string XMLGroup;
  std::string XMLName;
  std::vector<zebSMProperty*> Properties;
  int NumberOfUpdates = 0;
};

#endif

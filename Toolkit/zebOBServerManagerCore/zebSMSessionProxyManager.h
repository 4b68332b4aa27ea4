// The proxy manager of one session: makes proxies from the built-in
// definitions and keeps the proxies registered with it, by group and name,
// until they are unregistered or the proxy manager goes away.
#ifndef ZEB_SM_SESSION_PROXY_MANAGER_H
#define ZEB_SM_SESSION_PROXY_MANAGER_H

#include <zebObjectBase.h>

#include <string>
#include <vector>

class zebSMProxy;

class zebSMSessionProxyManager : public zebObjectBase
{
public:
  static zebSMSessionProxyManager* New();
  zebTypeMacro(zebSMSessionProxyManager, zebObjectBase);
  void PrintSelf(std::ostream& os, zebIndent indent) override;

  // A new proxy, owned by the caller. A null subproxy name asks for the
  // proxy itself; the built-in definitions have no subproxies, so any other
  // subproxy name gives null. Null with a message on standard error when
  // the proxy cannot be made.
  virtual zebSMProxy* NewProxy(const char* group, const char* name, const char* subproxyName);

  // Keeps proxy (with a reference) under group and name, in place of any
  // proxy registered there before.
  void RegisterProxy(const char* group, const char* name, zebSMProxy* proxy);
  // The proxy registered under group and name, owned by the proxy manager,
  // or null.
  zebSMProxy* GetProxy(const char* group, const char* name) const;
  void UnRegisterProxy(const char* group, const char* name);
  unsigned GetNumberOfRegisteredProxies() const;

protected:
  zebSMSessionProxyManager() = default;
  ~zebSMSessionProxyManager() override;

private:
  struct Registration
  {
    std::string group;
    std::string name;
    zebSMProxy* proxy;
  };
  std::vector<Registration>::iterator Find(const char* group, const char* name);

  std::vector<Registration> Registrations;
};

#endif

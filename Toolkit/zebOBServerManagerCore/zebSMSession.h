// A server-manager session. It owns one proxy manager, which goes away with
// the session.
#ifndef ZEB_SM_SESSION_H
#define ZEB_SM_SESSION_H

#include <zebObjectBase.h>

class zebSMSessionProxyManager;

class zebSMSession : public zebObjectBase
{
public:
  static zebSMSession* New();
  zebTypeMacro(zebSMSession, zebObjectBase);
  void PrintSelf(std::ostream& os, zebIndent indent) override;

  // The session's proxy manager, owned by the session.
  virtual zebSMSessionProxyManager* GetSessionProxyManager();

protected:
  zebSMSession();
  ~zebSMSession() override;

private:
  zebSMSessionProxyManager* ProxyManager;
};

#endif

// Sessions and the proxy manager each one owns.
#include "zebSMSession.h"

#include "zebObjectFactory.h"
#include "zebSMSessionProxyManager.h"

zebStandardNewMacro(zebSMSession);

zebSMSession::zebSMSession()
  : ProxyManager(zebSMSessionProxyManager::New())
{
}

zebSMSession::~zebSMSession()
{
  this->ProxyManager->Delete();
}

zebSMSessionProxyManager* zebSMSession::GetSessionProxyManager()
{
  return this->ProxyManager;
}

void zebSMSession::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Proxy Manager: " << static_cast<const void*>(this->ProxyManager) << "\n";
}

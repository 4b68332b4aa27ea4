// Making and registering the proxies of a session.
#include "zebSMSessionProxyManager.h"

#include "zebObjectFactory.h"
#include "zebSMProxy.h"
#include "zebSMProxyDefinitions.h"

#include <cstdio>

zebStandardNewMacro(zebSMSessionProxyManager);

zebSMSessionProxyManager::~zebSMSessionProxyManager()
{
  std::vector<Registration> registrations;
  registrations.swap(this->Registrations);
  for (Registration& registration : registrations)
  {
    registration.proxy->UnRegister(this);
  }
}

zebSMProxy* zebSMSessionProxyManager::NewProxy(const char* group,
                                               const char* name,
                                               const char* subproxyName)
{
  if (subproxyName && zebSMProxyDefinitions::Has(group, name))
  {
    fprintf(stderr,
            "zebSMSessionProxyManager: proxy \"%s\" of group \"%s\" has no subproxy "
            "\"%s\"\n",
            name,
            group,
            subproxyName);
    return nullptr;
  }
  return zebSMProxyDefinitions::NewProxy(group, name, "zebSMSessionProxyManager");
}

std::vector<zebSMSessionProxyManager::Registration>::iterator zebSMSessionProxyManager::Find(
  const char* group,
  const char* name)
{
  auto it = this->Registrations.begin();
  for (; it != this->Registrations.end(); ++it)
  {
    if (it->group == group && it->name == name)
    {
      break;
    }
  }
  return it;
}

void zebSMSessionProxyManager::RegisterProxy(const char* group, const char* name, zebSMProxy* proxy)
{
  if (!group || !name || !proxy)
  {
    return;
  }
  proxy->Register(this);
  this->UnRegisterProxy(group, name);
  this->Registrations.push_back({ group, name, proxy });
}

zebSMProxy* zebSMSessionProxyManager::GetProxy(const char* group, const char* name) const
{
  if (!group || !name)
  {
    return nullptr;
  }
  for (const Registration& registration : this->Registrations)
  {
    if (registration.group == group && registration.name == name)
    {
      return registration.proxy;
    }
  }
  return nullptr;
}

void zebSMSessionProxyManager::UnRegisterProxy(const char* group, const char* name)
{
  if (!group || !name)
  {
    return;
  }
  auto it = this->Find(group, name);
  if (it != this->Registrations.end())
  {
    zebSMProxy* proxy = it->proxy;
    this->Registrations.erase(it);
    proxy->UnRegister(this);
  }
}

unsigned zebSMSessionProxyManager::GetNumberOfRegisteredProxies() const
{
  return static_cast<unsigned>(this->Registrations.size());
}

void zebSMSessionProxyManager::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Registered Proxies: " << this->Registrations.size() << "\n";
  for (const Registration& registration : this->Registrations)
  {
    os << indent.GetNextIndent() << registration.group << "/" << registration.name << ": "
       << registration.proxy->GetXMLName() << "\n";
  }
}

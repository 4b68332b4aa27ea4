// The registry of implementations that modules hand to the object factory.
#include "zebObjectFactory.h"

#include <cstdio>
#include <string>
#include <vector>

namespace
{
struct Registration
{
  std::string className;
  zebCreateFunction create;
  std::string owner;
};

// Never destroyed: modules may unregister from exit functions that run after
// static destructors.
std::vector<Registration>& Registrations()
{
  static std::vector<Registration>* registrations = new std::vector<Registration>;
  return *registrations;
}
}

zebObjectBase* zebObjectFactory::CreateInstance(const char* className)
{
  const std::vector<Registration>& registrations = Registrations();
  for (auto it = registrations.rbegin(); it != registrations.rend(); ++it)
  {
    if (it->className != className)
    {
      continue;
    }
    zebObjectBase* made = it->create();
    if (made && !made->IsA(className))
    {
      fprintf(stderr, "zebObjectFactory: %s registered for %s made a %s; refused\n",
              it->owner.c_str(), className, made->GetClassName());
      made->Delete();
      return nullptr;
    }
    return made;
  }
  return nullptr;
}

zebObjectBase* zebObjectFactory::CreateAbstract(const char* className)
{
  zebObjectBase* made = CreateInstance(className);
  if (!made)
  {
    fprintf(stderr,
            "zebObjectFactory: no implementation of %s is registered; initialise the module "
            "that supplies one\n",
            className);
  }
  return made;
}

void zebObjectFactory::RegisterOverride(const char* className, zebCreateFunction create,
                                        const char* owner)
{
  Registrations().push_back({className, create, owner});
}

void zebObjectFactory::UnRegisterOverrides(const char* owner)
{
  std::vector<Registration>& registrations = Registrations();
  std::vector<Registration> kept;
  for (Registration& registration : registrations)
  {
    if (registration.owner != owner)
    {
      kept.push_back(registration);
    }
  }
  registrations.swap(kept);
}

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
  auto found = registrations.rbegin();
  while (found != registrations.rend() && found->className != className)
  {
    ++found;
  }
  if (found == registrations.rend())
  {
    return nullptr;
  }
  // Copied out: a create function may itself register or unregister.
  Registration chosen = *found;
  zebObjectBase* made = chosen.create();
  if (made && !made->IsA(className))
  {
    fprintf(stderr,
            "zebObjectFactory: %s registered for %s made a %s; refused\n",
            chosen.owner.c_str(),
            className,
            made->GetClassName());
    made->Delete();
    return nullptr;
  }
  return made;
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

void zebObjectFactory::RegisterOverride(const char* className,
                                        zebCreateFunction create,
                                        const char* owner)
{
  Registrations().push_back({ className, create, owner });
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

// The object factory: modules register implementations of toolkit classes
// under the class's name, and New asks it before making an instance.
#ifndef ZEB_OBJECT_FACTORY_H
#define ZEB_OBJECT_FACTORY_H

#include "zebObjectBase.h"

typedef zebObjectBase* (*zebCreateFunction)();

class zebObjectFactory
{
public:
  // A new instance from the newest registration for className, or null.
  // An instance that is not of className is refused with a message.
  static zebObjectBase* CreateInstance(const char* className);

  // As CreateInstance, for an abstract class: when nothing is registered it
  // says so on standard error.
  static zebObjectBase* CreateAbstract(const char* className);

  // Registers create as an implementation of className on behalf of owner
  // (a module name). Later registrations take precedence.
  static void RegisterOverride(const char* className, zebCreateFunction create, const char* owner);

  // Removes every registration made on behalf of owner.
  static void UnRegisterOverrides(const char* owner);
};

// New of a concrete class: a registered override, else the class itself.
#define zebStandardNewMacro(thisClass)                                                             \
  thisClass* thisClass::New()                                                                      \
  {                                                                                                \
    if (zebObjectBase* made = zebObjectFactory::CreateInstance(#thisClass))                        \
    {                                                                                              \
      return static_cast<thisClass*>(made);                                                        \
    }                                                                                              \
    thisClass* object = new thisClass;                                                             \
    object->InitializeObjectBase();                                                                \
    return object;                                                                                 \
  }

// New of an abstract class: only a registered implementation can be made;
// without one it says so on standard error and gives null.
#define zebAbstractNewMacro(thisClass)                                                             \
  thisClass* thisClass::New()                                                                      \
  {                                                                                                \
    return static_cast<thisClass*>(zebObjectFactory::CreateAbstract(#thisClass));                  \
  }

#endif

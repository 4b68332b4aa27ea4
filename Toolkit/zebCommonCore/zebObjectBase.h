// Base of every toolkit class: reference counting, run-time type names,
// leak tracking and printing.
#ifndef ZEB_OBJECT_BASE_H
#define ZEB_OBJECT_BASE_H

#include "zebIndent.h"

#include <cstring>
#include <ostream>

class zebObjectBase
{
public:
  virtual const char* GetClassName() const
  {
    return "zebObjectBase";
  }
  static bool IsTypeOf(const char* type)
  {
    return strcmp("zebObjectBase", type) == 0;
  }
  virtual bool IsA(const char* type) const
  {
    return zebObjectBase::IsTypeOf(type);
  }

  // Drops the creation reference; the object is destroyed with its last one.
  virtual void Delete();

  // Adds or drops one reference. The owner is informational only.
  void Register(zebObjectBase* owner);
  void UnRegister(zebObjectBase* owner);
  int GetReferenceCount() const
  {
    return this->ReferenceCount;
  }

  // Writes a header naming the class and the object, then its state.
  void Print(std::ostream& os);
  virtual void PrintSelf(std::ostream& os, zebIndent indent);

  // Called by every New once the object is complete, so that leak tracking
  // knows its final class.
  void InitializeObjectBase();

  zebObjectBase(const zebObjectBase&) = delete;
  zebObjectBase& operator=(const zebObjectBase&) = delete;

protected:
  zebObjectBase();
  virtual ~zebObjectBase();

private:
  int ReferenceCount;
  const char* TrackedClassName;
};

// Run-time type support for a class derived from superClass.
#define zebTypeMacro(thisClass, superClass)                                                        \
public:                                                                                            \
  typedef superClass Superclass;                                                                   \
  const char* GetClassName() const override                                                        \
  {                                                                                                \
    return #thisClass;                                                                             \
  }                                                                                                \
  static bool IsTypeOf(const char* type)                                                           \
  {                                                                                                \
    return strcmp(#thisClass, type) == 0 || superClass::IsTypeOf(type);                            \
  }                                                                                                \
  bool IsA(const char* type) const override                                                        \
  {                                                                                                \
    return thisClass::IsTypeOf(type);                                                              \
  }                                                                                                \
  static thisClass* SafeDownCast(zebObjectBase* object)                                            \
  {                                                                                                \
    return object && object->IsA(#thisClass) ? static_cast<thisClass*>(object) : nullptr;          \
  }

#endif

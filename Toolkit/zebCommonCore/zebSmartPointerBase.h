// Owning handles of toolkit objects: the handle holds one reference and
// releases it when it is destroyed or given another object.
#ifndef ZEB_SMART_POINTER_BASE_H
#define ZEB_SMART_POINTER_BASE_H

#include "zebObjectBase.h"

class zebSmartPointerBase
{
public:
  // Marker: take over the caller's reference instead of adding one.
  enum NoReference
  {
  };

  zebSmartPointerBase();
  explicit zebSmartPointerBase(zebObjectBase* object);
  zebSmartPointerBase(zebObjectBase* object, const NoReference&);
  zebSmartPointerBase(const zebSmartPointerBase& other);
  ~zebSmartPointerBase();

  zebSmartPointerBase& operator=(const zebSmartPointerBase& other);
  zebSmartPointerBase& operator=(zebObjectBase* object);

  zebObjectBase* GetPointer() const
  {
    return this->Object;
  }

private:
  // Empties the handle first, then releases what it held.
  void Release();

  zebObjectBase* Object;
};

template<class T>
class zebSmartPointer : public zebSmartPointerBase
{
public:
  zebSmartPointer() = default;
  explicit zebSmartPointer(T* object)
    : zebSmartPointerBase(object)
  {
  }
  zebSmartPointer(T* object, const NoReference& marker)
    : zebSmartPointerBase(object, marker)
  {
  }
  zebSmartPointer& operator=(T* object)
  {
    this->zebSmartPointerBase::operator=(object);
    return *this;
  }

  // A handle that takes over the creation reference of a new object.
  static zebSmartPointer<T> New()
  {
    return zebSmartPointer<T>(T::New(), NoReference());
  }

  T* GetPointer() const
  {
    return static_cast<T*>(this->zebSmartPointerBase::GetPointer());
  }
  T* operator->() const
  {
    return this->GetPointer();
  }
  T& operator*() const
  {
    return *this->GetPointer();
  }
  operator T*() const
  {
    return this->GetPointer();
  }
};

#endif

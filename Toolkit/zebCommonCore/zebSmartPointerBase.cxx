// Owning handles of toolkit objects.
#include "zebSmartPointerBase.h"

zebSmartPointerBase::zebSmartPointerBase()
  : Object(nullptr)
{
}

zebSmartPointerBase::zebSmartPointerBase(zebObjectBase* object)
  : Object(object)
{
  if (this->Object)
  {
    this->Object->Register(nullptr);
  }
}

zebSmartPointerBase::zebSmartPointerBase(zebObjectBase* object, const NoReference&)
  : Object(object)
{
}

zebSmartPointerBase::zebSmartPointerBase(const zebSmartPointerBase& other)
  : zebSmartPointerBase(other.Object)
{
}

zebSmartPointerBase::~zebSmartPointerBase()
{
  this->Release();
}

zebSmartPointerBase& zebSmartPointerBase::operator=(const zebSmartPointerBase& other)
{
  return *this = other.Object;
}

zebSmartPointerBase& zebSmartPointerBase::operator=(zebObjectBase* object)
{
  if (object != this->Object)
  {
    if (object)
    {
      object->Register(nullptr);
    }
    this->Release();
    this->Object = object;
  }
  return *this;
}

void zebSmartPointerBase::Release()
{
  zebObjectBase* held = this->Object;
  this->Object = nullptr;
  if (held)
  {
    held->Delete();
  }
}

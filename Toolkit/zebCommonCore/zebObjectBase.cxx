// Reference counting, leak-tracking hooks and printing of toolkit objects.
#include "zebObjectBase.h"

#include "zebDebugLeaks.h"

std::ostream& operator<<(std::ostream& os, const zebIndent& indent)
{
  for (int i = 0; i < indent.GetLevel(); ++i)
  {
    os << ' ';
  }
  return os;
}

zebObjectBase::zebObjectBase()
  : ReferenceCount(1)
  , TrackedClassName(nullptr)
{
}

zebObjectBase::~zebObjectBase()
{
  if (this->TrackedClassName)
  {
    zebDebugLeaks::DestructClass(this);
  }
}

void zebObjectBase::InitializeObjectBase()
{
  this->TrackedClassName = this->GetClassName();
  zebDebugLeaks::ConstructClass(this, this->TrackedClassName);
}

void zebObjectBase::Delete()
{
  this->UnRegister(nullptr);
}

void zebObjectBase::Register(zebObjectBase*)
{
  ++this->ReferenceCount;
}

void zebObjectBase::UnRegister(zebObjectBase*)
{
  if (--this->ReferenceCount == 0)
  {
    delete this;
  }
}

void zebObjectBase::Print(std::ostream& os)
{
  os << this->GetClassName() << " (" << static_cast<const void*>(this) << ")\n";
  this->PrintSelf(os, zebIndent().GetNextIndent());
}

void zebObjectBase::PrintSelf(std::ostream& os, zebIndent indent)
{
  os << indent << "Reference Count: " << this->ReferenceCount << "\n";
}

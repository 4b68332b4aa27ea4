// The default, event-ignoring interactor style.
#include "zebInteractorStyle.h"

#include <zebObjectFactory.h>

zebStandardNewMacro(zebInteractorStyle);

zebInteractorStyle::zebInteractorStyle()
  : Interactor(nullptr)
{
}

void zebInteractorStyle::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Interactor: " << static_cast<const void*>(this->Interactor) << "\n";
}

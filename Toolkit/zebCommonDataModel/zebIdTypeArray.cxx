// An array of 64-bit ids.
#include "zebIdTypeArray.h"

#include <zebObjectFactory.h>

zebStandardNewMacro(zebIdTypeArray);

void zebIdTypeArray::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Number Of Values: " << this->GetNumberOfValues() << "\n";
}

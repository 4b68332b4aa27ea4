// An array of double-precision floating-point values.
#include "zebDoubleArray.h"

#include <zebObjectFactory.h>

zebStandardNewMacro(zebDoubleArray);

void zebDoubleArray::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Number Of Values: " << this->GetNumberOfValues() << "\n";
}

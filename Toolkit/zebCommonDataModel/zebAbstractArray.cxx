// Name and tuple layout shared by the data arrays.
#include "zebAbstractArray.h"

zebAbstractArray::zebAbstractArray()
  : NumberOfComponents(1)
{
}

void zebAbstractArray::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Name: " << (this->Name.empty() ? "(none)" : this->Name) << "\n";
  os << indent << "Number Of Components: " << this->NumberOfComponents << "\n";
  os << indent << "Number Of Tuples: " << this->GetNumberOfTuples() << "\n";
}

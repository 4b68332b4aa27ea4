// A set of named data arrays.
#include "zebFieldData.h"

#include <zebObjectFactory.h>

zebStandardNewMacro(zebFieldData);

zebFieldData::~zebFieldData()
{
  for (zebAbstractArray* array : this->Arrays)
  {
    array->UnRegister(this);
  }
}

void zebFieldData::AddArray(zebAbstractArray* array)
{
  array->Register(this);
  int index = -1;
  if (this->GetAbstractArray(array->GetName(), index))
  {
    this->Arrays[static_cast<size_t>(index)]->UnRegister(this);
    this->Arrays[static_cast<size_t>(index)] = array;
    return;
  }
  this->Arrays.push_back(array);
}

zebAbstractArray* zebFieldData::GetAbstractArray(const char* name, int& index) const
{
  for (size_t i = 0; name && i < this->Arrays.size(); ++i)
  {
    if (strcmp(this->Arrays[i]->GetName(), name) == 0)
    {
      index = static_cast<int>(i);
      return this->Arrays[i];
    }
  }
  index = -1;
  return nullptr;
}

void zebFieldData::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Number Of Arrays: " << this->Arrays.size() << "\n";
  for (size_t i = 0; i < this->Arrays.size(); ++i)
  {
    os << indent << "Array " << i << ": " << this->Arrays[i]->GetName() << " ("
       << this->Arrays[i]->GetClassName() << ")\n";
  }
}

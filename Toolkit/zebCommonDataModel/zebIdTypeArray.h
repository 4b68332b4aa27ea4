// An array of 64-bit ids.
#ifndef ZEB_ID_TYPE_ARRAY_H
#define ZEB_ID_TYPE_ARRAY_H

#include "zebAbstractArray.h"

#include <vector>

class zebIdTypeArray : public zebAbstractArray
{
  zebTypeMacro(zebIdTypeArray, zebAbstractArray);
  static zebIdTypeArray* New();

  void Allocate(zebIdType values)
  {
    this->Values.reserve(static_cast<size_t>(values));
  }
  void InsertNextValue(zebIdType value)
  {
    this->Values.push_back(value);
  }
  // The value at index; an index outside the array throws std::out_of_range.
  zebIdType GetValue(zebIdType index) const
  {
    return this->Values.at(static_cast<size_t>(index));
  }
  zebIdType GetNumberOfValues() const override
  {
    return static_cast<zebIdType>(this->Values.size());
  }

  void PrintSelf(std::ostream& os, zebIndent indent) override;

protected:
  zebIdTypeArray() = default;

private:
  std::vector<zebIdType> Values;
};

#endif

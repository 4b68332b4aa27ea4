// An array of double-precision floating-point values.
#ifndef ZEB_DOUBLE_ARRAY_H
#define ZEB_DOUBLE_ARRAY_H

#include "zebAbstractArray.h"

#include <vector>

class zebDoubleArray : public zebAbstractArray
{
  zebTypeMacro(zebDoubleArray, zebAbstractArray);
  static zebDoubleArray* New();

  void InsertNextValue(double value)
  {
    this->Values.push_back(value);
  }
  // The value at index; an index outside the array throws std::out_of_range.
  double GetValue(zebIdType index) const
  {
    return this->Values.at(static_cast<size_t>(index));
  }
  zebIdType GetNumberOfValues() const override
  {
    return static_cast<zebIdType>(this->Values.size());
  }

  void PrintSelf(std::ostream& os, zebIndent indent) override;

protected:
  zebDoubleArray() = default;

private:
  std::vector<double> Values;
};

#endif

// A set of named data arrays, as attached to the points or cells of a data
// object. The field data holds a reference to each of its arrays.
#ifndef ZEB_FIELD_DATA_H
#define ZEB_FIELD_DATA_H

#include "zebAbstractArray.h"

#include <vector>

class zebFieldData : public zebObjectBase
{
  zebTypeMacro(zebFieldData, zebObjectBase);
  static zebFieldData* New();

  // Adds array, replacing an array of the same name.
  void AddArray(zebAbstractArray* array);
  int GetNumberOfArrays() const
  {
    return static_cast<int>(this->Arrays.size());
  }
  // The array called name, or null; index is set to its position, or -1.
  zebAbstractArray* GetAbstractArray(const char* name, int& index) const;

  void PrintSelf(std::ostream& os, zebIndent indent) override;

protected:
  zebFieldData() = default;
  ~zebFieldData() override;

private:
  std::vector<zebAbstractArray*> Arrays;
};

#endif

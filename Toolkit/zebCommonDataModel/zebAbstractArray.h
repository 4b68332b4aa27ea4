// Base of the data arrays: a named run of values grouped into tuples of a
// fixed number of components.
#ifndef ZEB_ABSTRACT_ARRAY_H
#define ZEB_ABSTRACT_ARRAY_H

#include <zebObjectBase.h>

#include <cstdint>
#include <string>

typedef int64_t zebIdType;

class zebAbstractArray : public zebObjectBase
{
  zebTypeMacro(zebAbstractArray, zebObjectBase);

  void SetName(const char* name)
  {
    this->Name = name ? name : "";
  }
  const char* GetName() const
  {
    return this->Name.c_str();
  }

  // Components per tuple, at least 1.
  void SetNumberOfComponents(int components)
  {
    this->NumberOfComponents = components;
  }
  int GetNumberOfComponents() const
  {
    return this->NumberOfComponents;
  }

  virtual zebIdType GetNumberOfValues() const = 0;
  // The number of values divided by the number of components.
  zebIdType GetNumberOfTuples() const
  {
    return this->GetNumberOfValues() / this->NumberOfComponents;
  }

  void PrintSelf(std::ostream& os, zebIndent indent) override;

protected:
  zebAbstractArray();

private:
  std::string Name;
  int NumberOfComponents;
};

#endif

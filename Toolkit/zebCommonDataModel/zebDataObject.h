// Base of the data objects that algorithms produce.
#ifndef ZEB_DATA_OBJECT_H
#define ZEB_DATA_OBJECT_H

#include "zebFieldData.h"

class zebDataObject : public zebObjectBase
{
  zebTypeMacro(zebDataObject, zebObjectBase);

  // Kinds of attribute data.
  enum AttributeKind
  {
    POINT = 0,  // node data
    CELL = 1    // element data
  };

  // The field data of the given kind, or null when this kind of object
  // carries none.
  virtual zebFieldData* GetAttributes(int kind);

protected:
  zebDataObject() = default;
};

#endif

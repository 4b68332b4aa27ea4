// Base of the data objects that algorithms produce.
#include "zebDataObject.h"

zebFieldData* zebDataObject::GetAttributes(int)
{
  return nullptr;
}

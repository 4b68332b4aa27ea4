// Construction and printing of the string list.
#include "zebStringList.h"

#include <zebObjectFactory.h>

zebStandardNewMacro(zebStringList);

void zebStringList::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Number Of Strings: " << this->Strings.size() << "\n";
  for (size_t i = 0; i < this->Strings.size(); ++i)
  {
    os << indent.GetNextIndent() << i << ": " << this->Strings[i] << "\n";
  }
}

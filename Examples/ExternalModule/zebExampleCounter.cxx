// Construction and printing of the counter.
#include "zebExampleCounter.h"

#include <zebObjectFactory.h>

zebStandardNewMacro(zebExampleCounter);

void zebExampleCounter::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Count: " << this->Count << "\n";
}

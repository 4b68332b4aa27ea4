// Construction and printing of the test utilities.
#include "zebOBTestUtilities.h"

#include <zebObjectFactory.h>
#include <zebPrintText.h>

zebStandardNewMacro(zebOBTestUtilities);

void zebOBTestUtilities::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Data Root: " << zebPrintText(this->DataRoot) << "\n";
  os << indent << "Temp Root: " << zebPrintText(this->TempRoot) << "\n";
}

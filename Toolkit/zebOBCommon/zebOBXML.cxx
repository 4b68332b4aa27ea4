// Construction and printing of the XML element and parser.
#include "zebOBXML.h"

#include <zebObjectFactory.h>
#include <zebPrintText.h>

zebStandardNewMacro(zebOBXMLElement);
zebStandardNewMacro(zebOBXMLParser);

void zebOBXMLElement::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Name: " << zebPrintText(this->Name) << "\n";
  os << indent << "Id: " << zebPrintText(this->Id) << "\n";
  os << indent << "Number Of Attributes: " << this->AttributeNames.size() << "\n";
  for (size_t i = 0; i < this->AttributeNames.size(); ++i)
  {
    os << indent.GetNextIndent() << this->AttributeNames[i] << "=\"" << this->AttributeValues[i]
       << "\"\n";
  }
  os << indent << "Number Of Nested Elements: " << this->NumberOfNestedElements << "\n";
}

void zebOBXMLParser::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "File Name: " << zebPrintText(this->FileName) << "\n";
  os << indent << "Suppress Error Messages: " << zebPrintOnOff(this->SuppressErrorMessages) << "\n";
  os << indent << "Number Of Open Elements: " << this->NumberOfOpenElements << "\n";
}

// Construction and printing of the command options and their XML parser.
#include "zebCommandOptions.h"

#include <zebObjectFactory.h>
#include <zebPrintText.h>

zebStandardNewMacro(zebCommandOptions);
zebStandardNewMacro(zebCommandOptionsXMLParser);

void zebCommandOptions::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Data File Name: " << zebPrintText(this->DataFileName) << "\n";
  os << indent << "State File Name: " << zebPrintText(this->StateFileName) << "\n";
  os << indent << "Server URL: " << zebPrintText(this->ServerURL) << "\n";
  os << indent << "Disable Registry: " << zebPrintOnOff(this->DisableRegistry) << "\n";
  os << indent << "Use Stereo Rendering: " << zebPrintOnOff(this->UseStereoRendering) << "\n";
}

void zebCommandOptionsXMLParser::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "File Name: " << zebPrintText(this->FileName) << "\n";
  os << indent << "Number Of Options Read: " << this->NumberOfOptionsRead << "\n";
}

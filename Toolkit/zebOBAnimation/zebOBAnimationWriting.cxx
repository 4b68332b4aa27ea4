// Construction and printing of the animation writing classes.
#include "zebOBAnimationWriting.h"

#include <zebObjectFactory.h>
#include <zebPrintText.h>

zebStandardNewMacro(zebXMLOBAnimationWriter);
zebStandardNewMacro(zebSIXMLAnimationWriterRepresentationProperty);
zebStandardNewMacro(zebOBRepresentationAnimationHelper);

void zebXMLOBAnimationWriter::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "File Name: " << zebPrintText(this->FileName) << "\n";
  os << indent << "Number Of Representations: " << this->NumberOfRepresentations << "\n";
  os << indent << "Ghost Level: " << this->GhostLevel << "\n";
}

void zebSIXMLAnimationWriterRepresentationProperty::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Group Name: " << zebPrintText(this->GroupName) << "\n";
  os << indent << "Prefix: " << zebPrintText(this->Prefix) << "\n";
}

void zebOBRepresentationAnimationHelper::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Source Proxy: " << zebPrintText(this->SourceProxyName) << "\n";
  os << indent << "Visibility: " << zebPrintOnOff(this->Visibility) << "\n";
}

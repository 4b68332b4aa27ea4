// Construction and printing of the animation scene writers.
#include "zebSMAnimationSceneWriters.h"

#include <zebObjectFactory.h>
#include <zebPrintText.h>

zebStandardNewMacro(zebSMAnimationSceneImageWriter);
zebStandardNewMacro(zebSMAnimationSceneGeometryWriter);

void zebSMAnimationSceneWriter::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "File Name: " << zebPrintText(this->FileName) << "\n";
  os << indent << "Save Failed: " << zebPrintOnOff(this->SaveFailed) << "\n";
}

void zebSMAnimationSceneImageWriter::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Magnification: " << this->Magnification << "\n";
  os << indent << "Quality: " << this->Quality << "\n";
  os << indent << "Frame Rate: " << this->FrameRate << "\n";
}

void zebSMAnimationSceneGeometryWriter::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "View Name: " << zebPrintText(this->ViewName) << "\n";
  os << indent << "Time Step Index: " << this->TimeStepIndex << "\n";
}

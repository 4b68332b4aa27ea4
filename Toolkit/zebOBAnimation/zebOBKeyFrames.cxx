// Construction and printing of the key frames.
#include "zebOBKeyFrames.h"

#include <zebObjectFactory.h>
#include <zebPrintText.h>

zebStandardNewMacro(zebOBKeyFrame);
zebStandardNewMacro(zebOBBooleanKeyFrame);
zebStandardNewMacro(zebOBRampKeyFrame);
zebStandardNewMacro(zebOBExponentialKeyFrame);
zebStandardNewMacro(zebOBSinusoidKeyFrame);
zebStandardNewMacro(zebOBCompositeKeyFrame);
zebStandardNewMacro(zebOBCameraKeyFrame);

static void PrintTriple(std::ostream& os, zebIndent indent, const char* name, const double* v)
{
  os << indent << name << ": " << v[0] << " " << v[1] << " " << v[2] << "\n";
}

void zebOBKeyFrame::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Key Time: " << this->KeyTime << "\n";
  os << indent << "Number Of Key Values: " << this->KeyValues.size() << "\n";
  for (size_t i = 0; i < this->KeyValues.size(); ++i)
  {
    os << indent.GetNextIndent() << "Key Value " << i << ": " << this->KeyValues[i] << "\n";
  }
}

void zebOBBooleanKeyFrame::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Hold: " << zebPrintOnOff(this->Hold) << "\n";
}

void zebOBExponentialKeyFrame::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Base: " << this->Base << "\n";
  os << indent << "Start Power: " << this->StartPower << "\n";
  os << indent << "End Power: " << this->EndPower << "\n";
}

void zebOBSinusoidKeyFrame::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Phase: " << this->Phase << "\n";
  os << indent << "Frequency: " << this->Frequency << "\n";
  os << indent << "Offset: " << this->Offset << "\n";
}

void zebOBCompositeKeyFrame::PrintSelf(std::ostream& os, zebIndent indent)
{
  static const char* const typeNames[] = { "Boolean", "Ramp", "Exponential", "Sinusoid" };
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Type: " << typeNames[this->Type] << "\n";
}

void zebOBCameraKeyFrame::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  PrintTriple(os, indent, "Position", this->Position);
  PrintTriple(os, indent, "Focal Point", this->FocalPoint);
  PrintTriple(os, indent, "View Up", this->ViewUp);
  os << indent << "View Angle: " << this->ViewAngle << "\n";
}

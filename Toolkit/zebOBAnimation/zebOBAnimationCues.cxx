// Construction and printing of the animation cues.
#include "zebOBAnimationCues.h"

#include <zebObjectFactory.h>
#include <zebPrintText.h>

zebStandardNewMacro(zebOBKeyFrameAnimationCueForProxies);
zebStandardNewMacro(zebOBCameraAnimationCue);

void zebAnimationCue::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent
     << "Time Mode: " << (this->TimeMode == TIMEMODE_NORMALIZED ? "Normalized" : "Relative")
     << "\n";
  os << indent << "Start Time: " << this->StartTime << "\n";
  os << indent << "End Time: " << this->EndTime << "\n";
}

void zebOBKeyFrameAnimationCueForProxies::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Animated Property Name: " << zebPrintText(this->AnimatedPropertyName) << "\n";
  os << indent << "Animated Element: " << this->AnimatedElement << "\n";
  os << indent << "Enabled: " << zebPrintOnOff(this->Enabled) << "\n";
}

void zebOBCameraAnimationCue::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Interpolation: " << (this->Interpolation == LINEAR ? "Linear" : "Spline")
     << "\n";
}

// Construction and printing of the cue manipulators.
#include "zebOBCueManipulators.h"

#include <zebObjectFactory.h>

zebStandardNewMacro(zebOBKeyFrameCueManipulator);
zebStandardNewMacro(zebOBCameraCueManipulator);

void zebOBKeyFrameCueManipulator::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Number Of Key Frames: " << this->NumberOfKeyFrames << "\n";
  os << indent << "Last Added Key Frame Index: " << this->LastAddedKeyFrameIndex << "\n";
}

void zebOBCameraCueManipulator::PrintSelf(std::ostream& os, zebIndent indent)
{
  static const char* const modeNames[] = { "Camera", "Path", "Follow Data" };
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Mode: " << modeNames[this->Mode] << "\n";
}

// Construction and printing of the animation players.
#include "zebAnimationPlayers.h"

#include <zebObjectFactory.h>
#include <zebPrintText.h>

zebStandardNewMacro(zebRealtimeAnimationPlayer);
zebStandardNewMacro(zebSequenceAnimationPlayer);
zebStandardNewMacro(zebTimestepsAnimationPlayer);
zebStandardNewMacro(zebCompositeAnimationPlayer);

void zebAnimationPlayer::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Loop: " << zebPrintOnOff(this->Loop) << "\n";
}

void zebRealtimeAnimationPlayer::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Duration: " << this->Duration << "\n";
}

void zebSequenceAnimationPlayer::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Number Of Frames: " << this->NumberOfFrames << "\n";
}

void zebTimestepsAnimationPlayer::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Number Of Timesteps: " << this->NumberOfTimesteps << "\n";
  os << indent << "Frames Per Timestep: " << this->FramesPerTimestep << "\n";
}

void zebCompositeAnimationPlayer::PrintSelf(std::ostream& os, zebIndent indent)
{
  static const char* const modeNames[] = { "Sequence", "Real Time", "Snap To Timesteps" };
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Play Mode: " << modeNames[this->PlayMode] << "\n";
}

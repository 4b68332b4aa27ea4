// Animation cues: the stretch of scene time over which something is
// animated, and the cues that animate a proxy property or the camera.
#ifndef ZEB_OB_ANIMATION_CUES_H
#define ZEB_OB_ANIMATION_CUES_H

#include <zebObjectBase.h>

#include <string>

// Base of every cue and of the scene: start and end in scene time.
class zebAnimationCue : public zebObjectBase
{
  zebTypeMacro(zebAnimationCue, zebObjectBase);

public:
  enum TimeModes
  {
    TIMEMODE_NORMALIZED,
    TIMEMODE_RELATIVE
  };

  void PrintSelf(std::ostream& os, zebIndent indent) override;

protected:
  zebAnimationCue() = default;

  TimeModes TimeMode = TIMEMODE_RELATIVE;
  double StartTime = 0.0;
  double EndTime = 1.0;
};

// Animates one element of a property of a proxy through its key frames.
class zebOBKeyFrameAnimationCueForProxies : public zebAnimationCue
{
  zebTypeMacro(zebOBKeyFrameAnimationCueForProxies, zebAnimationCue);

public:
  static zebOBKeyFrameAnimationCueForProxies* New();
  void PrintSelf(std::ostream& os, zebIndent indent) override;

protected:
  zebOBKeyFrameAnimationCueForProxies() = default;

  std::string AnimatedPropertyName;
  int AnimatedElement = 0;
  bool Enabled = true;
};

// Animates the camera of a view.
class zebOBCameraAnimationCue : public zebOBKeyFrameAnimationCueForProxies
{
  zebTypeMacro(zebOBCameraAnimationCue, zebOBKeyFrameAnimationCueForProxies);

public:
  enum InterpolationModes
  {
    LINEAR,
    SPLINE
  };

  static zebOBCameraAnimationCue* New();
  void PrintSelf(std::ostream& os, zebIndent indent) override;

protected:
  zebOBCameraAnimationCue() = default;

  InterpolationModes Interpolation = SPLINE;
};

#endif

// Key frames of animation cues: a key time with the values that hold at it,
// and the kinds of interpolation towards the next key frame.
#ifndef ZEB_OB_KEY_FRAMES_H
#define ZEB_OB_KEY_FRAMES_H

#include <zebObjectBase.h>

#include <vector>

class zebOBKeyFrame : public zebObjectBase
{
  zebTypeMacro(zebOBKeyFrame, zebObjectBase);

public:
  static zebOBKeyFrame* New();
  void PrintSelf(std::ostream& os, zebIndent indent) override;

protected:
  zebOBKeyFrame() = default;

  double KeyTime = 0.0;
  std::vector<double> KeyValues;
};

// Steps to its value at the key time and holds it: no interpolation.
class zebOBBooleanKeyFrame : public zebOBKeyFrame
{
  zebTypeMacro(zebOBBooleanKeyFrame, zebOBKeyFrame);

public:
  static zebOBBooleanKeyFrame* New();
  void PrintSelf(std::ostream& os, zebIndent indent) override;

protected:
  zebOBBooleanKeyFrame() = default;

  bool Hold = true;
};

// Interpolates linearly towards the next key frame.
class zebOBRampKeyFrame : public zebOBKeyFrame
{
  zebTypeMacro(zebOBRampKeyFrame, zebOBKeyFrame);

public:
  static zebOBRampKeyFrame* New();

protected:
  zebOBRampKeyFrame() = default;
};

// Interpolates along Base raised to a power running from StartPower to EndPower.
class zebOBExponentialKeyFrame : public zebOBKeyFrame
{
  zebTypeMacro(zebOBExponentialKeyFrame, zebOBKeyFrame);

public:
  static zebOBExponentialKeyFrame* New();
  void PrintSelf(std::ostream& os, zebIndent indent) override;

protected:
  zebOBExponentialKeyFrame() = default;

  double Base = 2.0;
  double StartPower = 0.0;
  double EndPower = 1.0;
};

// Oscillates about its value: Offset + sin(2 pi Frequency t + Phase).
class zebOBSinusoidKeyFrame : public zebOBKeyFrame
{
  zebTypeMacro(zebOBSinusoidKeyFrame, zebOBKeyFrame);

public:
  static zebOBSinusoidKeyFrame* New();
  void PrintSelf(std::ostream& os, zebIndent indent) override;

protected:
  zebOBSinusoidKeyFrame() = default;

  double Phase = 0.0;
  double Frequency = 1.0;
  double Offset = 0.0;
};

// A key frame whose interpolation is chosen by its type.
class zebOBCompositeKeyFrame : public zebOBKeyFrame
{
  zebTypeMacro(zebOBCompositeKeyFrame, zebOBKeyFrame);

public:
  enum InterpolationType
  {
    BOOLEAN,
    RAMP,
    EXPONENTIAL,
    SINUSOID
  };

  static zebOBCompositeKeyFrame* New();
  void PrintSelf(std::ostream& os, zebIndent indent) override;

protected:
  zebOBCompositeKeyFrame() = default;

  InterpolationType Type = RAMP;
};

// A camera pose at the key time.
class zebOBCameraKeyFrame : public zebOBKeyFrame
{
  zebTypeMacro(zebOBCameraKeyFrame, zebOBKeyFrame);

public:
  static zebOBCameraKeyFrame* New();
  void PrintSelf(std::ostream& os, zebIndent indent) override;

protected:
  zebOBCameraKeyFrame() = default;

  double Position[3] = { 0.0, 0.0, 1.0 };
  double FocalPoint[3] = { 0.0, 0.0, 0.0 };
  double ViewUp[3] = { 0.0, 1.0, 0.0 };
  double ViewAngle = 30.0;
};

#endif

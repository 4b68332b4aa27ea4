// Cue manipulators: what a cue does with its key frames as scene time passes.
#ifndef ZEB_OB_CUE_MANIPULATORS_H
#define ZEB_OB_CUE_MANIPULATORS_H

#include <zebObjectBase.h>

// Interpolates between the key frames of a cue.
class zebOBKeyFrameCueManipulator : public zebObjectBase
{
  zebTypeMacro(zebOBKeyFrameCueManipulator, zebObjectBase);

public:
  static zebOBKeyFrameCueManipulator* New();
  void PrintSelf(std::ostream& os, zebIndent indent) override;

protected:
  zebOBKeyFrameCueManipulator() = default;

  int NumberOfKeyFrames = 0;
  int LastAddedKeyFrameIndex = -1;
};

// Moves the camera by camera key frames, along a path, or after the data.
class zebOBCameraCueManipulator : public zebOBKeyFrameCueManipulator
{
  zebTypeMacro(zebOBCameraCueManipulator, zebOBKeyFrameCueManipulator);

public:
  enum Modes
  {
    CAMERA,
    PATH,
    FOLLOW_DATA
  };

  static zebOBCameraCueManipulator* New();
  void PrintSelf(std::ostream& os, zebIndent indent) override;

protected:
  zebOBCameraCueManipulator() = default;

  Modes Mode = CAMERA;
};

#endif

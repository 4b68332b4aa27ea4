// Writers that save an animation scene frame by frame, as images or as
// geometry files.
#ifndef ZEB_SM_ANIMATION_SCENE_WRITERS_H
#define ZEB_SM_ANIMATION_SCENE_WRITERS_H

#include <zebObjectBase.h>

#include <string>

// Base of the scene writers: where the frames go.
class zebSMAnimationSceneWriter : public zebObjectBase
{
  zebTypeMacro(zebSMAnimationSceneWriter, zebObjectBase);

public:
  void PrintSelf(std::ostream& os, zebIndent indent) override;

protected:
  zebSMAnimationSceneWriter() = default;

  std::string FileName;
  bool SaveFailed = false;
};

class zebSMAnimationSceneImageWriter : public zebSMAnimationSceneWriter
{
  zebTypeMacro(zebSMAnimationSceneImageWriter, zebSMAnimationSceneWriter);

public:
  static zebSMAnimationSceneImageWriter* New();
  void PrintSelf(std::ostream& os, zebIndent indent) override;

protected:
  zebSMAnimationSceneImageWriter() = default;

  int Magnification = 1;
  int Quality = 2;
  double FrameRate = 1.0;
};

class zebSMAnimationSceneGeometryWriter : public zebSMAnimationSceneWriter
{
  zebTypeMacro(zebSMAnimationSceneGeometryWriter, zebSMAnimationSceneWriter);

public:
  static zebSMAnimationSceneGeometryWriter* New();
  void PrintSelf(std::ostream& os, zebIndent indent) override;

protected:
  zebSMAnimationSceneGeometryWriter() = default;

  std::string ViewName;
  int TimeStepIndex = 0;
};

#endif

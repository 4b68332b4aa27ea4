// The animation scene, which drives its cues through scene time, and the
// server-manager proxy that stands for it.
#ifndef ZEB_SM_ANIMATION_SCENE_H
#define ZEB_SM_ANIMATION_SCENE_H

#include "zebOBAnimationCues.h"

#include <string>

class zebSMAnimationScene : public zebAnimationCue
{
  zebTypeMacro(zebSMAnimationScene, zebAnimationCue);

public:
  static zebSMAnimationScene* New();
  void PrintSelf(std::ostream& os, zebIndent indent) override;

protected:
  zebSMAnimationScene() = default;

  double SceneTime = 0.0;
  int NumberOfCues = 0;
  bool Caching = true;
};

class zebSMAnimationSceneProxy : public zebObjectBase
{
  zebTypeMacro(zebSMAnimationSceneProxy, zebObjectBase);

public:
  static zebSMAnimationSceneProxy* New();
  void PrintSelf(std::ostream& os, zebIndent indent) override;

protected:
  zebSMAnimationSceneProxy() = default;

  std::string XMLGroup = "animation";
  std::string XMLName = "AnimationScene";
};

#endif

// Construction and printing of the animation scene and its proxy.
#include "zebSMAnimationScene.h"

#include <zebObjectFactory.h>
#include <zebPrintText.h>

zebStandardNewMacro(zebSMAnimationScene);
zebStandardNewMacro(zebSMAnimationSceneProxy);

void zebSMAnimationScene::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Scene Time: " << this->SceneTime << "\n";
  os << indent << "Number Of Cues: " << this->NumberOfCues << "\n";
  os << indent << "Caching: " << zebPrintOnOff(this->Caching) << "\n";
}

void zebSMAnimationSceneProxy::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "XML Group: " << zebPrintText(this->XMLGroup) << "\n";
  os << indent << "XML Name: " << zebPrintText(this->XMLName) << "\n";
}

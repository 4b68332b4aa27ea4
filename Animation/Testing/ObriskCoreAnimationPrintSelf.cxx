// Creates, prints and releases one instance of every class of the suite's
// animation module.
#include <zebAnimationPlayers.h>
#include <zebOBAnimationCues.h>
#include <zebOBAnimationWriting.h>
#include <zebOBCueManipulators.h>
#include <zebOBKeyFrames.h>
#include <zebPrintSelf.h>
#include <zebSMAnimationScene.h>
#include <zebSMAnimationSceneWriters.h>

// This program's start-up registrations, made before main runs.
#include "TestStartup.h"

static const zebPrintSelfClass animationClasses[] = {
  ZEB_PRINT_SELF_CLASS(zebCompositeAnimationPlayer),
  ZEB_PRINT_SELF_CLASS(zebOBBooleanKeyFrame),
  ZEB_PRINT_SELF_CLASS(zebOBCameraAnimationCue),
  ZEB_PRINT_SELF_CLASS(zebOBCameraCueManipulator),
  ZEB_PRINT_SELF_CLASS(zebOBCameraKeyFrame),
  ZEB_PRINT_SELF_CLASS(zebOBCompositeKeyFrame),
  ZEB_PRINT_SELF_CLASS(zebOBExponentialKeyFrame),
  ZEB_PRINT_SELF_CLASS(zebOBKeyFrameAnimationCueForProxies),
  ZEB_PRINT_SELF_CLASS(zebOBKeyFrameCueManipulator),
  ZEB_PRINT_SELF_CLASS(zebOBKeyFrame),
  ZEB_PRINT_SELF_CLASS(zebOBRampKeyFrame),
  ZEB_PRINT_SELF_CLASS(zebOBRepresentationAnimationHelper),
  ZEB_PRINT_SELF_CLASS(zebOBSinusoidKeyFrame),
  ZEB_PRINT_SELF_CLASS(zebRealtimeAnimationPlayer),
  ZEB_PRINT_SELF_CLASS(zebSequenceAnimationPlayer),
  ZEB_PRINT_SELF_CLASS(zebSIXMLAnimationWriterRepresentationProperty),
  ZEB_PRINT_SELF_CLASS(zebSMAnimationScene),
  ZEB_PRINT_SELF_CLASS(zebSMAnimationSceneGeometryWriter),
  ZEB_PRINT_SELF_CLASS(zebSMAnimationSceneImageWriter),
  ZEB_PRINT_SELF_CLASS(zebSMAnimationSceneProxy),
  ZEB_PRINT_SELF_CLASS(zebTimestepsAnimationPlayer),
  ZEB_PRINT_SELF_CLASS(zebXMLOBAnimationWriter),
  { nullptr, nullptr }
};

int ObriskCoreAnimationPrintSelf(int, char*[])
{
  return zebPrintEachClass(animationClasses);
}

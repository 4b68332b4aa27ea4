// Animation players: how the scene steps through its time when played.
#ifndef ZEB_ANIMATION_PLAYERS_H
#define ZEB_ANIMATION_PLAYERS_H

#include <zebObjectBase.h>

// Base of the players: whether playing starts over at the end.
class zebAnimationPlayer : public zebObjectBase
{
  zebTypeMacro(zebAnimationPlayer, zebObjectBase);

public:
  void PrintSelf(std::ostream& os, zebIndent indent) override;

protected:
  zebAnimationPlayer() = default;

  bool Loop = false;
};

// Plays in real time over a fixed duration in seconds.
class zebRealtimeAnimationPlayer : public zebAnimationPlayer
{
  zebTypeMacro(zebRealtimeAnimationPlayer, zebAnimationPlayer);

public:
  static zebRealtimeAnimationPlayer* New();
  void PrintSelf(std::ostream& os, zebIndent indent) override;

protected:
  zebRealtimeAnimationPlayer() = default;

  double Duration = 10.0;
};

// Plays a fixed number of equally spaced frames.
class zebSequenceAnimationPlayer : public zebAnimationPlayer
{
  zebTypeMacro(zebSequenceAnimationPlayer, zebAnimationPlayer);

public:
  static zebSequenceAnimationPlayer* New();
  void PrintSelf(std::ostream& os, zebIndent indent) override;

protected:
  zebSequenceAnimationPlayer() = default;

  int NumberOfFrames = 10;
};

// Plays the time steps of the data, each for a number of frames.
class zebTimestepsAnimationPlayer : public zebAnimationPlayer
{
  zebTypeMacro(zebTimestepsAnimationPlayer, zebAnimationPlayer);

public:
  static zebTimestepsAnimationPlayer* New();
  void PrintSelf(std::ostream& os, zebIndent indent) override;

protected:
  zebTimestepsAnimationPlayer() = default;

  int NumberOfTimesteps = 0;
  int FramesPerTimestep = 1;
};

// Switches between the sequence, real-time and time-step ways of playing.
class zebCompositeAnimationPlayer : public zebAnimationPlayer
{
  zebTypeMacro(zebCompositeAnimationPlayer, zebAnimationPlayer);

public:
  enum PlayModes
  {
    SEQUENCE,
    REAL_TIME,
    SNAP_TO_TIMESTEPS
  };

  static zebCompositeAnimationPlayer* New();
  void PrintSelf(std::ostream& os, zebIndent indent) override;

protected:
  zebCompositeAnimationPlayer() = default;

  PlayModes PlayMode = SEQUENCE;
};

#endif

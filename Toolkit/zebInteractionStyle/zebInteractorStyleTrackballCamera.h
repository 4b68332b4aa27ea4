// The interactor style that turns pointer drags into motions of the camera,
// the usual style of an interactive window: the left button turns the camera
// about the scene's centre, the middle button (or shift and the left) shifts
// the view, the right button or the wheel moves the camera nearer or
// farther. Every renderer of the window moves alike.
#ifndef ZEB_INTERACTOR_STYLE_TRACKBALL_CAMERA_H
#define ZEB_INTERACTOR_STYLE_TRACKBALL_CAMERA_H

#include <zebInteractorStyle.h>

class zebInteractorStyleTrackballCamera : public zebInteractorStyle
{
public:
  zebTypeMacro(zebInteractorStyleTrackballCamera, zebInteractorStyle);
  static zebInteractorStyleTrackballCamera* New();
  void PrintSelf(std::ostream& os, zebIndent indent) override;

  void OnButtonPress(int button, int x, int y, bool shift) override;
  void OnButtonRelease(int button, int x, int y) override;
  void OnMotion(int x, int y) override;

  // Speed of the motions: a drag across the whole window turns the camera by
  // 20 times this many degrees; a drag up by half the window's height
  // brings it nearer by 1.1 to the power of this; a wheel step by 1.1 to
  // the power of a fifth of this.
  void SetMotionFactor(double factor)
  {
    this->MotionFactor = factor;
  }
  double GetMotionFactor() const
  {
    return this->MotionFactor;
  }

protected:
  zebInteractorStyleTrackballCamera();
  ~zebInteractorStyleTrackballCamera() override = default;

private:
  enum Motion
  {
    None,
    Rotate,
    Pan,
    Zoom
  };
  // Applies the motion from the last pointer position to (x, y).
  void Move(int x, int y);
  void ZoomAll(double factor);

  double MotionFactor;
  Motion State;
  int StateButton;
  int LastX;
  int LastY;
};

#endif

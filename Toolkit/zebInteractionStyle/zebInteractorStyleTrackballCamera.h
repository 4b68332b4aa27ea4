// The interactor style that turns pointer drags into rotations of the camera
// about the scene's centre, the usual style of an interactive window.
#ifndef ZEB_INTERACTOR_STYLE_TRACKBALL_CAMERA_H
#define ZEB_INTERACTOR_STYLE_TRACKBALL_CAMERA_H

#include <zebInteractorStyle.h>

class zebInteractorStyleTrackballCamera : public zebInteractorStyle
{
public:
  zebTypeMacro(zebInteractorStyleTrackballCamera, zebInteractorStyle);
  static zebInteractorStyleTrackballCamera* New();
  void PrintSelf(std::ostream& os, zebIndent indent) override;

  // Degrees of rotation per pixel of pointer motion.
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
  double MotionFactor;
};

#endif

// State of the trackball camera interactor style.
#include "zebInteractorStyleTrackballCamera.h"

#include <zebObjectFactory.h>

zebStandardNewMacro(zebInteractorStyleTrackballCamera);

zebInteractorStyleTrackballCamera::zebInteractorStyleTrackballCamera()
  : MotionFactor(10.0)
{
}

void zebInteractorStyleTrackballCamera::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Motion Factor: " << this->MotionFactor << "\n";
}

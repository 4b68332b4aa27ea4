// Pointer handling of the trackball camera interactor style.
#include "zebInteractorStyleTrackballCamera.h"

#include <zebObjectFactory.h>
#include <zebRenderWindow.h>
#include <zebRenderWindowInteractor.h>
#include <zebRenderer.h>

#include <algorithm>
#include <cmath>

zebStandardNewMacro(zebInteractorStyleTrackballCamera);

zebInteractorStyleTrackballCamera::zebInteractorStyleTrackballCamera()
  : MotionFactor(10.0)
  , State(None)
  , StateButton(0)
  , LastX(0)
  , LastY(0)
{
}

void zebInteractorStyleTrackballCamera::OnButtonPress(int button, int x, int y, bool shift)
{
  if (button == 4 || button == 5)
  {
    const double step = std::pow(1.1, 0.2 * this->MotionFactor);
    this->ZoomAll(button == 4 ? step : 1.0 / step);
    return;
  }
  if (this->State != None)
  {
    return;
  }
  if (button == 1)
  {
    this->State = shift ? Pan : Rotate;
  }
  else if (button == 2)
  {
    this->State = Pan;
  }
  else if (button == 3)
  {
    this->State = Zoom;
  }
  else
  {
    return;
  }
  this->StateButton = button;
  this->LastX = x;
  this->LastY = y;
}

void zebInteractorStyleTrackballCamera::OnButtonRelease(int button, int x, int y)
{
  if (this->State != None && button == this->StateButton)
  {
    this->Move(x, y);
    this->State = None;
  }
}

void zebInteractorStyleTrackballCamera::OnMotion(int x, int y)
{
  if (this->State != None)
  {
    this->Move(x, y);
  }
}

void zebInteractorStyleTrackballCamera::Move(int x, int y)
{
  zebRenderWindowInteractor* interactor = this->GetInteractor();
  zebRenderWindow* window = interactor ? interactor->GetRenderWindow() : nullptr;
  const int dx = x - this->LastX;
  const int dy = y - this->LastY;
  this->LastX = x;
  this->LastY = y;
  if (!window || (dx == 0 && dy == 0))
  {
    return;
  }
  const double width = window->GetWidth();
  const double height = window->GetHeight();
  if (this->State == Zoom)
  {
    this->ZoomAll(std::pow(1.1, -dy * this->MotionFactor / (0.5 * height)));
    return;
  }
  for (int i = 0; i < window->GetNumberOfRenderers(); ++i)
  {
    zebRenderer* renderer = window->GetRenderer(i);
    if (this->State == Rotate)
    {
      // The scene follows the pointer.
      renderer->RotateCamera(-20.0 * this->MotionFactor * dx / width,
                             20.0 * this->MotionFactor * dy / height);
    }
    else
    {
      renderer->PanCamera(dx / height, -dy / height);
    }
  }
  interactor->RequestRender();
}

void zebInteractorStyleTrackballCamera::ZoomAll(double factor)
{
  zebRenderWindowInteractor* interactor = this->GetInteractor();
  zebRenderWindow* window = interactor ? interactor->GetRenderWindow() : nullptr;
  if (!window)
  {
    return;
  }
  for (int i = 0; i < window->GetNumberOfRenderers(); ++i)
  {
    window->GetRenderer(i)->ZoomCamera(factor);
  }
  interactor->RequestRender();
}

void zebInteractorStyleTrackballCamera::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Motion Factor: " << this->MotionFactor << "\n";
}

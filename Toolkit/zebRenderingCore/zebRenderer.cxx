// Scene contents and camera framing of zebRenderer.
#include "zebRenderer.h"

#include "zebActor.h"
#include "zebBounds.h"

#include <zebObjectFactory.h>

#include <algorithm>
#include <cmath>

zebStandardNewMacro(zebRenderer);

namespace
{
const double HalfViewAngle = 15.0 * 3.14159265358979323846 / 180.0;

// Replaces rotation (row-major 3 by 3) with turn * rotation, turn being the
// rotation by degrees about the given view axis (0 x, 1 y).
void TurnAboutViewAxis(double rotation[9], int axis, double degrees)
{
  const double radians = degrees * 3.14159265358979323846 / 180.0;
  const double c = std::cos(radians);
  const double s = std::sin(radians);
  // The two rows that the turn mixes: y and z about x, z and x about y.
  const int first = axis == 0 ? 1 : 2;
  const int second = axis == 0 ? 2 : 0;
  for (int column = 0; column < 3; ++column)
  {
    const double a = rotation[first * 3 + column];
    const double b = rotation[second * 3 + column];
    rotation[first * 3 + column] = c * a - s * b;
    rotation[second * 3 + column] = s * a + c * b;
  }
}
}

zebRenderer::zebRenderer()
  : Background{ 0.1, 0.2, 0.4 }
{
  this->ResetCamera();
}

zebRenderer::~zebRenderer()
{
  this->RemoveAllActors();
}

void zebRenderer::AddActor(zebActor* actor)
{
  if (actor)
  {
    actor->Register(this);
    this->Actors.push_back(actor);
  }
}

void zebRenderer::RemoveAllActors()
{
  std::vector<zebActor*> released;
  released.swap(this->Actors);
  for (zebActor* actor : released)
  {
    actor->UnRegister(this);
  }
}

int zebRenderer::GetNumberOfActors() const
{
  return static_cast<int>(this->Actors.size());
}

zebActor* zebRenderer::GetActor(int index) const
{
  if (index < 0 || index >= this->GetNumberOfActors())
  {
    return nullptr;
  }
  return this->Actors[static_cast<size_t>(index)];
}

void zebRenderer::SetBackground(double r, double g, double b)
{
  this->Background[0] = r;
  this->Background[1] = g;
  this->Background[2] = b;
}

void zebRenderer::GetBounds(double bounds[6]) const
{
  zebBounds::MakeEmpty(bounds);
  for (const zebActor* actor : this->Actors)
  {
    double actorBounds[6];
    actor->GetBounds(actorBounds);
    zebBounds::AddBounds(bounds, actorBounds);
  }
}

bool zebRenderer::ComputeCamera(double aspect, float view[16], float projection[16]) const
{
  double bounds[6];
  this->GetBounds(bounds);
  if (zebBounds::IsEmpty(bounds) || !(aspect > 0.0))
  {
    return false;
  }
  double center[3];
  double radius = 0.0;
  for (int axis = 0; axis < 3; ++axis)
  {
    center[axis] = 0.5 * (bounds[2 * axis] + bounds[2 * axis + 1]);
    const double half = 0.5 * (bounds[2 * axis + 1] - bounds[2 * axis]);
    radius += half * half;
  }
  radius = radius > 0.0 ? std::sqrt(radius) : 1.0;

  const double tangent = std::tan(HalfViewAngle);
  const double narrowest = std::atan(tangent * std::min(1.0, aspect));
  const double distance = radius / std::sin(narrowest) / this->Zoom;
  const double nearPlane = std::max(distance - 1.01 * radius, 0.001 * radius);
  const double farPlane = distance + 1.01 * radius;
  const double viewHeight = 2.0 * distance * tangent;

  // Centre the scene, turn it, then move it in front of the camera.
  for (int row = 0; row < 3; ++row)
  {
    double moved = 0.0;
    for (int column = 0; column < 3; ++column)
    {
      view[column * 4 + row] = static_cast<float>(this->Rotation[row * 3 + column]);
      moved -= this->Rotation[row * 3 + column] * center[column];
    }
    view[row * 4 + 3] = 0.0f;
    view[12 + row] =
      static_cast<float>(row < 2 ? moved + this->Pan[row] * viewHeight : moved - distance);
  }
  view[15] = 1.0f;

  std::fill(projection, projection + 16, 0.0f);
  projection[0] = static_cast<float>(1.0 / (tangent * aspect));
  projection[5] = static_cast<float>(1.0 / tangent);
  projection[10] = static_cast<float>((farPlane + nearPlane) / (nearPlane - farPlane));
  projection[11] = -1.0f;
  projection[14] = static_cast<float>(2.0 * farPlane * nearPlane / (nearPlane - farPlane));
  return true;
}

void zebRenderer::RotateCamera(double azimuth, double elevation)
{
  // Turning the camera one way turns the scene, as the camera sees it, the
  // other way about the up direction, and the same way about the right one.
  TurnAboutViewAxis(this->Rotation, 1, -azimuth);
  TurnAboutViewAxis(this->Rotation, 0, elevation);
}

void zebRenderer::ZoomCamera(double factor)
{
  if (factor > 0.0)
  {
    this->Zoom = std::min(1000.0, std::max(0.001, this->Zoom * factor));
  }
}

void zebRenderer::PanCamera(double dx, double dy)
{
  this->Pan[0] += dx;
  this->Pan[1] += dy;
}

void zebRenderer::ResetCamera()
{
  for (int i = 0; i < 9; ++i)
  {
    this->Rotation[i] = (i % 4 == 0) ? 1.0 : 0.0;
  }
  this->Zoom = 1.0;
  this->Pan[0] = this->Pan[1] = 0.0;
}

void zebRenderer::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Number Of Actors: " << this->Actors.size() << "\n";
  os << indent << "Background: (" << this->Background[0] << ", " << this->Background[1] << ", "
     << this->Background[2] << ")\n";
}

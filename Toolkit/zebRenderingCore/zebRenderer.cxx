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

void Identity(float matrix[16])
{
  for (int i = 0; i < 16; ++i)
  {
    matrix[i] = (i % 5 == 0) ? 1.0f : 0.0f;
  }
}
}

zebRenderer::zebRenderer()
  : Background{ 0.1, 0.2, 0.4 }
{
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
  const double distance = radius / std::sin(narrowest);
  const double nearPlane = distance - 1.01 * radius;
  const double farPlane = distance + 1.01 * radius;

  Identity(view);
  view[12] = static_cast<float>(-center[0]);
  view[13] = static_cast<float>(-center[1]);
  view[14] = static_cast<float>(-center[2] - distance);

  std::fill(projection, projection + 16, 0.0f);
  projection[0] = static_cast<float>(1.0 / (tangent * aspect));
  projection[5] = static_cast<float>(1.0 / tangent);
  projection[10] = static_cast<float>((farPlane + nearPlane) / (nearPlane - farPlane));
  projection[11] = -1.0f;
  projection[14] = static_cast<float>(2.0 * farPlane * nearPlane / (nearPlane - farPlane));
  return true;
}

void zebRenderer::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Number Of Actors: " << this->Actors.size() << "\n";
  os << indent << "Background: (" << this->Background[0] << ", " << this->Background[1] << ", "
     << this->Background[2] << ")\n";
}

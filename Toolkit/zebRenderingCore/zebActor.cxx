// Mesh ownership and material of zebActor.
#include "zebActor.h"

#include "zebBounds.h"
#include "zebTriangleMesh.h"

#include <zebObjectFactory.h>

zebStandardNewMacro(zebActor);

zebActor::zebActor()
  : Mesh(nullptr)
  , DiffuseColor{ 0.8, 0.8, 0.8 }
  , SpecularColor{ 0.0, 0.0, 0.0 }
  , Shininess(0.2)
  , Opacity(1.0)
{
}

zebActor::~zebActor()
{
  this->SetMesh(nullptr);
}

void zebActor::SetMesh(zebTriangleMesh* mesh)
{
  if (mesh == this->Mesh)
  {
    return;
  }
  if (mesh)
  {
    mesh->Register(this);
  }
  zebTriangleMesh* previous = this->Mesh;
  this->Mesh = mesh;
  if (previous)
  {
    previous->UnRegister(this);
  }
}

void zebActor::SetDiffuseColor(double r, double g, double b)
{
  this->DiffuseColor[0] = r;
  this->DiffuseColor[1] = g;
  this->DiffuseColor[2] = b;
}

void zebActor::SetSpecularColor(double r, double g, double b)
{
  this->SpecularColor[0] = r;
  this->SpecularColor[1] = g;
  this->SpecularColor[2] = b;
}

void zebActor::SetPlacements(std::vector<float> placements)
{
  placements.resize(placements.size() / 12 * 12);
  this->Placements = std::move(placements);
}

size_t zebActor::GetNumberOfCopies() const
{
  return this->Placements.empty() ? 1 : this->Placements.size() / 12;
}

void zebActor::GetBounds(double bounds[6]) const
{
  zebBounds::MakeEmpty(bounds);
  if (!this->Mesh)
  {
    return;
  }
  if (this->Placements.empty())
  {
    this->Mesh->GetBounds(bounds);
    return;
  }
  const std::vector<float>& positions = this->Mesh->GetPositions();
  for (size_t at = 0; at < this->Placements.size(); at += 12)
  {
    const float* m = &this->Placements[at];
    for (size_t p = 0; p + 2 < positions.size(); p += 3)
    {
      double point[3];
      for (int i = 0; i < 3; ++i)
      {
        point[i] = static_cast<double>(m[4 * i]) * positions[p] +
                   static_cast<double>(m[4 * i + 1]) * positions[p + 1] +
                   static_cast<double>(m[4 * i + 2]) * positions[p + 2] + m[4 * i + 3];
      }
      zebBounds::AddPoint(bounds, point);
    }
  }
}

void zebActor::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Mesh: " << static_cast<const void*>(this->Mesh) << "\n";
  os << indent << "Placements: " << this->Placements.size() / 12 << "\n";
  os << indent << "Diffuse Color: (" << this->DiffuseColor[0] << ", " << this->DiffuseColor[1]
     << ", " << this->DiffuseColor[2] << ")\n";
  os << indent << "Specular Color: (" << this->SpecularColor[0] << ", " << this->SpecularColor[1]
     << ", " << this->SpecularColor[2] << ")\n";
  os << indent << "Shininess: " << this->Shininess << "\n";
  os << indent << "Opacity: " << this->Opacity << "\n";
}

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

void zebActor::GetBounds(double bounds[6]) const
{
  zebBounds::MakeEmpty(bounds);
  if (this->Mesh)
  {
    this->Mesh->GetBounds(bounds);
  }
}

void zebActor::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Mesh: " << static_cast<const void*>(this->Mesh) << "\n";
  os << indent << "Diffuse Color: (" << this->DiffuseColor[0] << ", " << this->DiffuseColor[1]
     << ", " << this->DiffuseColor[2] << ")\n";
  os << indent << "Specular Color: (" << this->SpecularColor[0] << ", " << this->SpecularColor[1]
     << ", " << this->SpecularColor[2] << ")\n";
  os << indent << "Shininess: " << this->Shininess << "\n";
  os << indent << "Opacity: " << this->Opacity << "\n";
}

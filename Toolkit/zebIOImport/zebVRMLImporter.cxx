// Reading a VRML file and turning its shapes into actors.
#include "zebVRMLImporter.h"

#include <zebActor.h>
#include <zebObjectFactory.h>
#include <zebRenderer.h>
#include <zebTriangleMesh.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

zebStandardNewMacro(zebVRMLImporter);

zebVRMLImporter::zebVRMLImporter()
  : HasFileName(false)
{
}

void zebVRMLImporter::SetFileName(const char* name)
{
  this->HasFileName = name != nullptr;
  this->FileName = name ? name : "";
}

const char* zebVRMLImporter::GetFileName() const
{
  return this->HasFileName ? this->FileName.c_str() : nullptr;
}

bool zebVRMLImporter::ReadFileText(std::string& text) const
{
  const char* name = this->FileName.c_str();
  FILE* file = fopen(name, "rb");
  if (!file)
  {
    fprintf(stderr, "zebVRMLImporter: cannot open %s: %s\n", name, strerror(errno));
    return false;
  }
  char buffer[65536];
  size_t count;
  while ((count = fread(buffer, 1, sizeof(buffer), file)) > 0)
  {
    text.append(buffer, count);
  }
  int readError = ferror(file) ? errno : 0;
  fclose(file);
  if (readError)
  {
    fprintf(stderr, "zebVRMLImporter: cannot read %s: %s\n", name, strerror(readError));
    return false;
  }
  return true;
}

bool zebVRMLImporter::ReadScene()
{
  if (!this->HasFileName)
  {
    fprintf(stderr, "zebVRMLImporter: no file name set\n");
    return false;
  }
  std::string text;
  if (!this->ReadFileText(text))
  {
    return false;
  }
  std::string error;
  if (!zebReadVRMLScene(text, this->Scene, error))
  {
    fprintf(stderr, "zebVRMLImporter: %s: %s\n", this->FileName.c_str(), error.c_str());
    return false;
  }
  return true;
}

void zebVRMLImporter::ImportActors(zebRenderer* renderer)
{
  for (const zebVRMLShape& shape : this->Scene.Shapes)
  {
    zebTriangleMesh* mesh = zebTriangleMesh::New();
    for (size_t i = 0; i < shape.Points.size(); i += 3)
    {
      mesh->InsertNextPoint(&shape.Points[i], &shape.Normals[i]);
    }
    for (size_t i = 0; i < shape.Triangles.size(); i += 3)
    {
      mesh->InsertNextTriangle(shape.Triangles[i], shape.Triangles[i + 1], shape.Triangles[i + 2]);
    }
    zebActor* actor = zebActor::New();
    actor->SetMesh(mesh);
    mesh->Delete();
    const double* diffuse = shape.DiffuseColor;
    const double* specular = shape.SpecularColor;
    actor->SetDiffuseColor(diffuse[0], diffuse[1], diffuse[2]);
    actor->SetSpecularColor(specular[0], specular[1], specular[2]);
    actor->SetShininess(shape.Shininess);
    actor->SetOpacity(1.0 - shape.Transparency);
    renderer->AddActor(actor);
    actor->Delete();
  }
  this->Scene.Shapes.clear();
}

void zebVRMLImporter::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "File Name: " << (this->HasFileName ? this->FileName.c_str() : "(none)") << "\n";
}

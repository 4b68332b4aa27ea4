// Reading a VRML file and turning its shapes into actors.
#include "zebVRMLImporter.h"
#include "zebVRMLInput.h"

#include <zebActor.h>
#include <zebObjectFactory.h>
#include <zebRenderer.h>
#include <zebTriangleMesh.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>

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

bool zebVRMLImporter::ReadScene()
{
  if (!this->HasFileName)
  {
    fprintf(stderr, "zebVRMLImporter: no file name set\n");
    return false;
  }
  const char* name = this->FileName.c_str();
  FILE* file = fopen(name, "rb");
  if (!file)
  {
    fprintf(stderr, "zebVRMLImporter: cannot open %s: %s\n", name, strerror(errno));
    return false;
  }
  // The file is read a chunk at a time as the scene is parsed, and a scene
  // larger than the reader takes on is refused as soon as a count shows it.
  zebVRMLInput input(file);
  std::string error;
  bool read = false;
  try
  {
    read = zebReadVRMLScene(input, this->Scene, error);
  }
  catch (const std::bad_alloc&)
  {
    this->Scene.Shapes.clear();
    error = "not enough memory to read the scene";
  }
  fclose(file);
  if (input.ReadError())
  {
    this->Scene.Shapes.clear();
    fprintf(stderr, "zebVRMLImporter: cannot read %s: %s\n", name, strerror(input.ReadError()));
    return false;
  }
  if (!read)
  {
    fprintf(stderr, "zebVRMLImporter: %s: %s\n", name, error.c_str());
  }
  return read;
}

void zebVRMLImporter::ImportActors(zebRenderer* renderer)
{
  try
  {
    this->AddActors(renderer);
  }
  catch (const std::bad_alloc&)
  {
    fprintf(stderr,
            "zebVRMLImporter: %s: not enough memory to import the scene\n",
            this->FileName.c_str());
  }
  this->Scene.Shapes.clear();
}

void zebVRMLImporter::AddActors(zebRenderer* renderer)
{
  for (const zebVRMLShape& shape : this->Scene.Shapes)
  {
    zebTriangleMesh* mesh = zebTriangleMesh::New();
    mesh->SetGeometry(std::vector<float>(shape.Points.begin(), shape.Points.end()),
                      std::vector<float>(shape.Normals.begin(), shape.Normals.end()),
                      std::vector<unsigned int>(shape.Triangles.begin(), shape.Triangles.end()));
    zebActor* actor = zebActor::New();
    actor->SetMesh(mesh);
    mesh->Delete();
    actor->SetPlacements(std::vector<float>(shape.Placements.begin(), shape.Placements.end()));
    const double* diffuse = shape.DiffuseColor;
    const double* specular = shape.SpecularColor;
    actor->SetDiffuseColor(diffuse[0], diffuse[1], diffuse[2]);
    actor->SetSpecularColor(specular[0], specular[1], specular[2]);
    actor->SetShininess(shape.Shininess);
    actor->SetOpacity(1.0 - shape.Transparency);
    renderer->AddActor(actor);
    actor->Delete();
  }
}

void zebVRMLImporter::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "File Name: " << (this->HasFileName ? this->FileName.c_str() : "(none)") << "\n";
}

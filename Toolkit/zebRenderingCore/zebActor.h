// One triangle mesh drawn with one material. The geometry is in world
// coordinates: importers apply their transforms before inserting points.
#ifndef ZEB_ACTOR_H
#define ZEB_ACTOR_H

#include <zebObjectBase.h>

class zebTriangleMesh;

class zebActor : public zebObjectBase
{
public:
  zebTypeMacro(zebActor, zebObjectBase);
  static zebActor* New();
  void PrintSelf(std::ostream& os, zebIndent indent) override;

  // Takes a reference to mesh and drops the one to the mesh it replaces.
  void SetMesh(zebTriangleMesh* mesh);
  zebTriangleMesh* GetMesh() const
  {
    return this->Mesh;
  }

  // Colours are 0..1 per channel; shininess is 0..1; opacity is 1 - transparency.
  void SetDiffuseColor(double r, double g, double b);
  void SetSpecularColor(double r, double g, double b);
  void SetShininess(double s)
  {
    this->Shininess = s;
  }
  void SetOpacity(double a)
  {
    this->Opacity = a;
  }
  const double* GetDiffuseColor() const
  {
    return this->DiffuseColor;
  }
  const double* GetSpecularColor() const
  {
    return this->SpecularColor;
  }
  double GetShininess() const
  {
    return this->Shininess;
  }
  double GetOpacity() const
  {
    return this->Opacity;
  }

  // The mesh's bounds; empty without a mesh.
  void GetBounds(double bounds[6]) const;

protected:
  zebActor();
  ~zebActor() override;

private:
  zebTriangleMesh* Mesh;
  double DiffuseColor[3];
  double SpecularColor[3];
  double Shininess;
  double Opacity;
};

#endif

// One triangle mesh drawn with one material, once at each of its placements:
// a mesh that a scene uses many times is held once and drawn by instancing.
// Without placements the mesh is drawn once, its points taken as world
// coordinates.
#ifndef ZEB_ACTOR_H
#define ZEB_ACTOR_H

#include <zebObjectBase.h>

#include <vector>

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

  // 12 values per placement: the rows of the 3 by 4 affine map that takes the
  // mesh's points to world coordinates. Normals follow by the inverse
  // transpose, and a map that mirrors keeps the front faces in front.
  void SetPlacements(std::vector<float> placements);
  const std::vector<float>& GetPlacements() const
  {
    return this->Placements;
  }
  // How often the mesh is drawn: the placements, or 1 without any.
  size_t GetNumberOfCopies() const;

  // The bounds of the mesh's points at every placement; empty without a mesh.
  void GetBounds(double bounds[6]) const;

protected:
  zebActor();
  ~zebActor() override;

private:
  zebTriangleMesh* Mesh;
  std::vector<float> Placements;
  double DiffuseColor[3];
  double SpecularColor[3];
  double Shininess;
  double Opacity;
};

#endif

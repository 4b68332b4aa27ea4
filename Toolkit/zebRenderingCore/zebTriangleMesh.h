// Triangle geometry with one unit normal per point, ready for drawing.
#ifndef ZEB_TRIANGLE_MESH_H
#define ZEB_TRIANGLE_MESH_H

#include <zebObjectBase.h>

#include <vector>

class zebTriangleMesh : public zebObjectBase
{
public:
  zebTypeMacro(zebTriangleMesh, zebObjectBase);
  static zebTriangleMesh* New();
  void PrintSelf(std::ostream& os, zebIndent indent) override;

  // Adds a point with its unit normal; returns its index.
  int InsertNextPoint(const double position[3], const double normal[3]);
  // Corners in counter-clockwise order seen from the front.
  void InsertNextTriangle(int a, int b, int c);
  // Replaces the whole mesh: 3 values per point in positions and in normals,
  // 3 corners per triangle.
  void SetGeometry(std::vector<float> positions,
                   std::vector<float> normals,
                   std::vector<unsigned int> triangles);

  int GetNumberOfPoints() const;
  int GetNumberOfTriangles() const;
  const std::vector<float>& GetPositions() const
  {
    return this->Positions;
  }
  const std::vector<float>& GetNormals() const
  {
    return this->Normals;
  }
  const std::vector<unsigned int>& GetTriangles() const
  {
    return this->Triangles;
  }

  // xmin, xmax, ymin, ymax, zmin, zmax; an empty mesh gives xmin > xmax.
  void GetBounds(double bounds[6]) const;

protected:
  zebTriangleMesh() = default;
  ~zebTriangleMesh() override = default;

private:
  std::vector<float> Positions;
  std::vector<float> Normals;
  std::vector<unsigned int> Triangles;
};

#endif

// Point, normal and triangle storage of zebTriangleMesh.
#include "zebTriangleMesh.h"

#include "zebBounds.h"

#include <zebObjectFactory.h>

#include <utility>

zebStandardNewMacro(zebTriangleMesh);

int zebTriangleMesh::InsertNextPoint(const double position[3], const double normal[3])
{
  for (int i = 0; i < 3; ++i)
  {
    this->Positions.push_back(static_cast<float>(position[i]));
    this->Normals.push_back(static_cast<float>(normal[i]));
  }
  return this->GetNumberOfPoints() - 1;
}

void zebTriangleMesh::InsertNextTriangle(int a, int b, int c)
{
  this->Triangles.push_back(static_cast<unsigned int>(a));
  this->Triangles.push_back(static_cast<unsigned int>(b));
  this->Triangles.push_back(static_cast<unsigned int>(c));
}

void zebTriangleMesh::SetGeometry(std::vector<float> positions,
                                  std::vector<float> normals,
                                  std::vector<unsigned int> triangles)
{
  this->Positions = std::move(positions);
  this->Normals = std::move(normals);
  this->Triangles = std::move(triangles);
}

int zebTriangleMesh::GetNumberOfPoints() const
{
  return static_cast<int>(this->Positions.size() / 3);
}

int zebTriangleMesh::GetNumberOfTriangles() const
{
  return static_cast<int>(this->Triangles.size() / 3);
}

void zebTriangleMesh::GetBounds(double bounds[6]) const
{
  zebBounds::MakeEmpty(bounds);
  for (size_t i = 0; i + 2 < this->Positions.size(); i += 3)
  {
    const double point[3] = { this->Positions[i], this->Positions[i + 1], this->Positions[i + 2] };
    zebBounds::AddPoint(bounds, point);
  }
}

void zebTriangleMesh::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Number Of Points: " << this->GetNumberOfPoints() << "\n";
  os << indent << "Number Of Triangles: " << this->GetNumberOfTriangles() << "\n";
}

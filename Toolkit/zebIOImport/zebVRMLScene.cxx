// The VRML scene reader: parses the text into nodes, then turns them into
// shapes: splits each polygon of an IndexedFaceSet into a fan of triangles,
// takes its normals from its Normal node or makes them from the crease angle,
// and places it once for every use, with the transforms above that use.
#include "zebVRMLScene.h"
#include "zebVRMLCreaseNormals.h"
#include "zebVRMLInput.h"
#include "zebVRMLNodes.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <unordered_map>

namespace
{
const size_t MaximumPoints = zebVRMLMaximumPoints;
const size_t MaximumVisits = 1000000;
const int MaximumDepth = 1000;
// Points are drawn in single precision; farther ones cannot be framed.
const double MaximumCoordinate = 1e30;

// An affine map: a 3x3 linear part and a translation in column 3.
struct Affine
{
  double M[3][4] = { { 1, 0, 0, 0 }, { 0, 1, 0, 0 }, { 0, 0, 1, 0 } };
};

Affine operator*(const Affine& a, const Affine& b)
{
  Affine product;
  for (int i = 0; i < 3; ++i)
  {
    for (int j = 0; j < 4; ++j)
    {
      double sum = j == 3 ? a.M[i][3] : 0.0;
      for (int k = 0; k < 3; ++k)
      {
        sum += a.M[i][k] * b.M[k][j];
      }
      product.M[i][j] = sum;
    }
  }
  return product;
}

Affine Translation(const double v[3], double sign)
{
  Affine t;
  for (int i = 0; i < 3; ++i)
  {
    t.M[i][3] = sign * v[i];
  }
  return t;
}

Affine Rotation(const double r[4], double sign)
{
  Affine t;
  double length = std::sqrt(r[0] * r[0] + r[1] * r[1] + r[2] * r[2]);
  if (length == 0)
  {
    return t;
  }
  double x = r[0] / length, y = r[1] / length, z = r[2] / length;
  double c = std::cos(sign * r[3]), s = std::sin(sign * r[3]), k = 1 - c;
  double m[3][3] = { { c + x * x * k, x * y * k - z * s, x * z * k + y * s },
                     { y * x * k + z * s, c + y * y * k, y * z * k - x * s },
                     { z * x * k - y * s, z * y * k + x * s, c + z * z * k } };
  for (int i = 0; i < 3; ++i)
  {
    for (int j = 0; j < 3; ++j)
    {
      t.M[i][j] = m[i][j];
    }
  }
  return t;
}

// translation * center * rotation * scaleOrientation * scale * -scaleOrientation * -center
Affine TransformOf(const zebVRMLNode& node)
{
  Affine scale;
  for (int i = 0; i < 3; ++i)
  {
    scale.M[i][i] = node.Scale[i];
  }
  return Translation(node.Translation, 1) * Translation(node.Center, 1) *
         Rotation(node.Rotation, 1) * Rotation(node.ScaleOrientation, 1) * scale *
         Rotation(node.ScaleOrientation, -1) * Translation(node.Center, -1);
}

// Whether every point, once transformed, lies within the coordinates that
// can be framed.
bool WithinReach(const std::vector<double>& points, const Affine& a)
{
  for (size_t p = 0; p < points.size(); p += 3)
  {
    for (int i = 0; i < 3; ++i)
    {
      double value =
        a.M[i][0] * points[p] + a.M[i][1] * points[p + 1] + a.M[i][2] * points[p + 2] + a.M[i][3];
      if (!(std::fabs(value) <= MaximumCoordinate))
      {
        return false;
      }
    }
  }
  return true;
}

bool Normalize(double v[3])
{
  double length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
  if (!(length > 1e-300) || !std::isfinite(length))
  {
    return false;
  }
  for (int i = 0; i < 3; ++i)
  {
    v[i] /= length;
  }
  return true;
}

double Clamp01(double value)
{
  return std::min(1.0, std::max(0.0, value));
}

// The unit normal of each face (0 for a face without area), 3 per face.
std::vector<double> FaceNormals(const zebVRMLNode& set, const std::vector<zebVRMLFace>& faces)
{
  const std::vector<double>& p = set.Coord->Vectors;
  std::vector<double> normals(3 * faces.size(), 0.0);
  for (size_t f = 0; f < faces.size(); ++f)
  {
    const zebVRMLFace& face = faces[f];
    double* n = &normals[3 * f];
    for (size_t k = 0; k < face.Count; ++k)
    {
      const double* a = &p[3 * set.CoordIndex[face.Start + k]];
      const double* b = &p[3 * set.CoordIndex[face.Start + (k + 1) % face.Count]];
      n[0] += (a[1] - b[1]) * (a[2] + b[2]);
      n[1] += (a[2] - b[2]) * (a[0] + b[0]);
      n[2] += (a[0] - b[0]) * (a[1] + b[1]);
    }
    if (!Normalize(n))
    {
      n[0] = n[1] = n[2] = 0;
    }
  }
  return normals;
}

// A face set made ready once for all its uses: its polygons of three corners
// or more, and one normal per corner of them in the set's own coordinates.
struct PreparedSet
{
  std::vector<zebVRMLFace> Faces;
  std::vector<double> Corners;
  size_t CornerCount = 0;
};

class Builder
{
public:
  explicit Builder(std::vector<zebVRMLShape>& shapes)
    : Shapes(shapes)
  {
  }
  bool Visit(const zebVRMLNode& node, const Affine& transform, int depth);
  std::string Error;

private:
  bool Fail(int line, const std::string& message);
  bool TooLarge(int line, size_t bound, const char* what);
  bool AddShape(const zebVRMLNode& shape, const Affine& transform);
  zebVRMLShape& ShapeOf(const zebVRMLNode& set,
                        const zebVRMLNode* material,
                        const PreparedSet& prepared);
  const PreparedSet* Prepare(const zebVRMLNode& set);
  bool SplitFaces(const zebVRMLNode& set, size_t points, std::vector<zebVRMLFace>& faces);
  bool GivenNormals(const zebVRMLNode& set,
                    const std::vector<zebVRMLFace>& faces,
                    std::vector<double>& corners);
  bool MadeNormals(const zebVRMLNode& set,
                   const std::vector<zebVRMLFace>& faces,
                   std::vector<double>& corners);
  void Emit(const zebVRMLNode& set,
            const std::vector<zebVRMLFace>& faces,
            const std::vector<double>& corners,
            zebVRMLShape& shape);

  std::vector<zebVRMLShape>& Shapes;
  // The shape of each face set and material used so far, by position.
  std::map<std::pair<const zebVRMLNode*, const zebVRMLNode*>, size_t> ShapeOfUse;
  std::unordered_map<const zebVRMLNode*, PreparedSet> Prepared;
  std::vector<size_t> PointSlots;
  zebVRMLBudget Budget{ zebVRMLMaximumSteps };
  size_t Points = 0;
  size_t Visits = 0;
};

bool Builder::Fail(int line, const std::string& message)
{
  this->Error = "line " + std::to_string(line) + ": " + message;
  return false;
}

bool Builder::TooLarge(int line, size_t bound, const char* what)
{
  return this->Fail(
    line, "the scene is too large (more than " + std::to_string(bound) + " " + what + ")");
}

bool Builder::Visit(const zebVRMLNode& node, const Affine& transform, int depth)
{
  if (++this->Visits > MaximumVisits || depth > MaximumDepth)
  {
    return this->Fail(node.Line, "the scene is too large or too deeply nested");
  }
  if (node.Type == "Shape")
  {
    return this->AddShape(node, transform);
  }
  if (node.Type != "Transform" && node.Type != "Group")
  {
    return true;
  }
  Affine inner = node.Type == "Transform" ? transform * TransformOf(node) : transform;
  for (const zebVRMLNodePointer& child : node.Children)
  {
    if (!this->Visit(*child, inner, depth + 1))
    {
      return false;
    }
  }
  return true;
}

// Every use of a face set counts its corners, each a step of work and a point
// of the scene, and places its shape once more; the faces, normals and shape
// are made on the first use only.
bool Builder::AddShape(const zebVRMLNode& node, const Affine& transform)
{
  const zebVRMLNode* set = node.Geometry.get();
  if (!set || set->Type != "IndexedFaceSet" || !set->Coord || set->Coord->Type != "Coordinate")
  {
    return true;
  }
  const PreparedSet* prepared = this->Prepare(*set);
  if (!prepared)
  {
    return false;
  }
  if (prepared->Faces.empty())
  {
    return true;
  }
  if (prepared->CornerCount > MaximumPoints - this->Points)
  {
    return this->TooLarge(set->Line, MaximumPoints, "points");
  }
  if (!this->Budget.Spend(prepared->CornerCount))
  {
    return this->TooLarge(set->Line, zebVRMLMaximumSteps, "steps of work");
  }
  this->Points += prepared->CornerCount;
  const zebVRMLNode* appearance = node.Appearance.get();
  const zebVRMLNode* material = appearance && appearance->Type == "Appearance" &&
                                    appearance->Material && appearance->Material->Type == "Material"
                                  ? appearance->Material.get()
                                  : nullptr;
  zebVRMLShape& shape = this->ShapeOf(*set, material, *prepared);
  if (!WithinReach(shape.Points, transform))
  {
    return this->Fail(set->Line, "a point lies too far out once transformed");
  }
  size_t at = shape.Placements.size();
  shape.Placements.resize(at + 12);
  for (int i = 0; i < 12; ++i)
  {
    shape.Placements[at + i] = transform.M[i / 4][i % 4];
  }
  return true;
}

// The shape of set drawn with material, made on its first use.
zebVRMLShape& Builder::ShapeOf(const zebVRMLNode& set,
                               const zebVRMLNode* material,
                               const PreparedSet& prepared)
{
  auto key = std::make_pair(&set, material);
  auto found = this->ShapeOfUse.find(key);
  if (found != this->ShapeOfUse.end())
  {
    return this->Shapes[found->second];
  }
  zebVRMLShape shape;
  for (int i = 0; i < 3; ++i)
  {
    shape.DiffuseColor[i] = material ? Clamp01(material->DiffuseColor[i]) : 1.0;
    shape.SpecularColor[i] = material ? Clamp01(material->SpecularColor[i]) : 0.0;
  }
  shape.Shininess = material ? Clamp01(material->Shininess) : 0.2;
  shape.Transparency = material ? Clamp01(material->Transparency) : 0.0;
  shape.Solid = set.Solid;
  this->Emit(set, prepared.Faces, prepared.Corners, shape);
  this->ShapeOfUse.emplace(key, this->Shapes.size());
  this->Shapes.push_back(std::move(shape));
  return this->Shapes.back();
}

// The faces and corner normals of set, made on its first use: every
// coordIndex entry read is a step of work, dropped polygons included, and so
// is every face normal compared in making the normals. Null on failure.
const PreparedSet* Builder::Prepare(const zebVRMLNode& set)
{
  auto found = this->Prepared.find(&set);
  if (found != this->Prepared.end())
  {
    return &found->second;
  }
  PreparedSet prepared;
  if (!this->Budget.Spend(set.CoordIndex.size() + 1))
  {
    this->TooLarge(set.Line, zebVRMLMaximumSteps, "steps of work");
    return nullptr;
  }
  if (!this->SplitFaces(set, set.Coord->Vectors.size() / 3, prepared.Faces))
  {
    return nullptr;
  }
  for (const zebVRMLFace& face : prepared.Faces)
  {
    prepared.CornerCount += face.Count;
  }
  if (prepared.CornerCount > MaximumPoints - this->Points)
  {
    this->TooLarge(set.Line, MaximumPoints, "points");
    return nullptr;
  }
  prepared.Corners.reserve(3 * prepared.CornerCount);
  bool made = set.Normal && set.Normal->Type == "Normal"
                ? this->GivenNormals(set, prepared.Faces, prepared.Corners)
                : this->MadeNormals(set, prepared.Faces, prepared.Corners);
  if (!made)
  {
    return nullptr;
  }
  return &this->Prepared.emplace(&set, std::move(prepared)).first->second;
}

// The polygons of coordIndex, ended by -1 or by the end of the list. Polygons
// of fewer than three corners are dropped.
bool Builder::SplitFaces(const zebVRMLNode& set, size_t points, std::vector<zebVRMLFace>& faces)
{
  const std::vector<int>& index = set.CoordIndex;
  size_t start = 0;
  int number = 0;
  for (size_t i = 0; i <= index.size(); ++i)
  {
    if (i < index.size() && index[i] != -1)
    {
      if (index[i] < 0 || static_cast<size_t>(index[i]) >= points)
      {
        return this->Fail(set.Line,
                          "coordIndex entry " + std::to_string(index[i]) + " is out of range (" +
                            std::to_string(points) + " points)");
      }
      continue;
    }
    if (i > start || i < index.size())
    {
      if (i - start >= 3)
      {
        faces.push_back(zebVRMLFace{ start, i - start, number });
      }
      ++number;
    }
    start = i + 1;
  }
  return true;
}

// One normal per face corner, from the Normal node.
bool Builder::GivenNormals(const zebVRMLNode& set,
                           const std::vector<zebVRMLFace>& faces,
                           std::vector<double>& corners)
{
  const std::vector<int>& normalIndex = set.NormalIndex;
  size_t normals = set.Normal->Vectors.size() / 3;
  for (const zebVRMLFace& face : faces)
  {
    for (size_t k = 0; k < face.Count; ++k)
    {
      size_t position = set.NormalPerVertex ? face.Start + k : static_cast<size_t>(face.Number);
      long index = set.NormalPerVertex ? set.CoordIndex[position] : face.Number;
      if (!normalIndex.empty())
      {
        if (position >= normalIndex.size())
        {
          return this->Fail(set.Line, "normalIndex has too few entries");
        }
        index = normalIndex[position];
      }
      if (index < 0 || static_cast<size_t>(index) >= normals)
      {
        return this->Fail(set.Line,
                          "normal index " + std::to_string(index) + " is out of range (" +
                            std::to_string(normals) + " normals)");
      }
      for (int i = 0; i < 3; ++i)
      {
        corners.push_back(set.Normal->Vectors[3 * index + i]);
      }
    }
  }
  return true;
}

// One normal per face corner, made from the faces: the face's own normal,
// or with a crease angle the sum of the normals around the corner
// (zebVRMLCreaseNormals.h); Emit makes each a unit vector.
bool Builder::MadeNormals(const zebVRMLNode& set,
                          const std::vector<zebVRMLFace>& faces,
                          std::vector<double>& corners)
{
  std::vector<double> faceNormals = FaceNormals(set, faces);
  if (!set.NormalPerVertex || !(set.CreaseAngle > 0))
  {
    for (size_t f = 0; f < faces.size(); ++f)
    {
      for (size_t k = 0; k < 3 * faces[f].Count; ++k)
      {
        corners.push_back(faceNormals[3 * f + k % 3]);
      }
    }
    return true;
  }
  if (!zebVRMLCreaseNormals(set, faces, faceNormals, this->PointSlots, this->Budget, corners))
  {
    return this->TooLarge(set.Line, zebVRMLMaximumSteps, "steps of work");
  }
  return true;
}

// Writes the corners of every face into shape, with unit normals, and each
// face as a fan of triangles facing the front side.
void Builder::Emit(const zebVRMLNode& set,
                   const std::vector<zebVRMLFace>& faces,
                   const std::vector<double>& corners,
                   zebVRMLShape& shape)
{
  // Generated normals follow the counter-clockwise order; with ccw FALSE the
  // front is the other side.
  bool generated = !(set.Normal && set.Normal->Type == "Normal");
  double sign = generated && !set.Ccw ? -1.0 : 1.0;
  size_t cornerCount = corners.size() / 3;
  shape.Points.resize(3 * cornerCount);
  shape.Normals.resize(3 * cornerCount);
  shape.Triangles.resize(3 * (cornerCount - 2 * faces.size()));
  size_t corner = 0;
  int* triangle = shape.Triangles.data();
  for (const zebVRMLFace& face : faces)
  {
    int first = static_cast<int>(corner);
    for (size_t k = 0; k < face.Count; ++k, ++corner)
    {
      const double* point = &set.Coord->Vectors[3 * set.CoordIndex[face.Start + k]];
      double* normal = &shape.Normals[3 * corner];
      for (int i = 0; i < 3; ++i)
      {
        shape.Points[3 * corner + i] = point[i];
        normal[i] = sign * corners[3 * corner + i];
      }
      if (!Normalize(normal))
      {
        normal[0] = normal[1] = 0;
        normal[2] = 1;
      }
    }
    for (size_t k = 1; k + 1 < face.Count; ++k, triangle += 3)
    {
      int b = first + static_cast<int>(k), c = b + 1;
      triangle[0] = first;
      triangle[1] = set.Ccw ? b : c;
      triangle[2] = set.Ccw ? c : b;
    }
  }
}
}

// Builds the shapes below roots and places them.
static bool BuildShapes(const std::vector<zebVRMLNodePointer>& roots,
                        std::vector<zebVRMLShape>& shapes,
                        std::string& error)
{
  Builder builder(shapes);
  for (const zebVRMLNodePointer& root : roots)
  {
    if (!builder.Visit(*root, Affine(), 0))
    {
      shapes.clear();
      error = builder.Error;
      return false;
    }
  }
  return true;
}

bool zebReadVRMLScene(zebVRMLInput& input, zebVRMLScene& scene, std::string& error)
{
  scene.Shapes.clear();
  std::vector<zebVRMLNodePointer> roots;
  return zebParseVRMLNodes(input, roots, error) && BuildShapes(roots, scene.Shapes, error);
}

bool zebReadVRMLScene(const std::string& text, zebVRMLScene& scene, std::string& error)
{
  zebVRMLInput input(text);
  return zebReadVRMLScene(input, scene, error);
}

// Writes ZEBData/Data/WineGlass.wrl, the scene of the VRML import tests: a
// wine glass made as a surface of revolution (foot, stem, bowl and rim) with
// one explicit normal per point, holding red wine whose normals the reader
// must make from the crease angle. The whole scene leans towards the viewer
// so that the wine shows through the opening of the bowl.
//
// Both kinds of normal decide what the image shows. The glass is dark and
// clear with a sharp highlight where its given normals face the light at the
// eye: without them it is faceted and the highlight breaks into bands, with
// them negated it goes dark. The wine is coarse (12 points around) and
// bright with a broad highlight, so only the crease angle makes its side look
// round: at 0 its facets show through the glass, and a smoothing that ignored
// the crease at the edge of its top would put a bright seam there.
//
// The image check's tests also draw the glass broken open along a line, as
// seams and cracks look: --seam splits each shape at its ring of points
// nearest to the bright upper side of the wine and raises the part above by
// about a pixel, --crack splits each shape down the side that faces the viewer and
// moves the faces on the left by about a pixel.
//
//   MakeWineGlass [--seam | --crack] [output.wrl]   (standard output when no file is given)
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <vector>

namespace
{
const double Pi = 3.14159265358979323846;
const int GlassSegments = 36;  // points around each ring of the glass
const int WineSegments = 12;   // and of the wine, coarse so that its shading shows its normals

// The outer wall of the bowl, from the top of the stem (u = 0) to the rim
// (u = 1), as radius and height.
void BowlOuter(double u, double& r, double& y)
{
  r = 0.05 + 0.6 * std::sqrt(1 - (1 - u) * (1 - u)) * (1 - 0.25 * u * u);
  y = 0.95 + 1.05 * u;
}

// The inner wall, 0.02 inside the outer one, with a thicker bottom.
void BowlInner(double u, double& r, double& y)
{
  BowlOuter(u, r, y);
  r -= 0.02;
  y += 0.06 * (1 - u);
}

// A smooth piece of the profile: the point at u in [0, 1].
typedef void (*Piece)(double u, double& r, double& y);

void FootBottom(double u, double& r, double& y)
{
  r = 0.6 * u;
  y = 0;
}

void FootEdge(double u, double& r, double& y)
{
  double angle = -Pi / 2 + Pi * u;
  r = 0.6 + 0.02 * std::cos(angle);
  y = 0.02 + 0.02 * std::sin(angle);
}

void FootTop(double u, double& r, double& y)
{
  r = 0.6 - 0.55 * u;
  y = 0.04 + 0.12 * u * u * u;
}

void Stem(double u, double& r, double& y)
{
  r = 0.05;
  y = 0.16 + 0.79 * u;
}

void Rim(double u, double& r, double& y)
{
  double rimRadius, rimHeight;
  BowlOuter(1, rimRadius, rimHeight);
  double angle = Pi * u;
  r = rimRadius - 0.01 + 0.01 * std::cos(angle);
  y = rimHeight + 0.01 * std::sin(angle);
}

void InnerWall(double u, double& r, double& y)
{
  BowlInner(1 - u, r, y);
}

void InnerBottom(double u, double& r, double& y)
{
  BowlInner(0, r, y);
  r *= 1 - u;
}

// The wine: the inner wall shrunk a little, up to its level, then the flat
// top. Its last piece ends on the axis.
const double WineLevelU = 0.6;

void WineSide(double u, double& r, double& y)
{
  BowlInner(u * WineLevelU, r, y);
  r -= 0.005;
  y += 0.005;
}

void WineTop(double u, double& r, double& y)
{
  WineSide(1, r, y);
  r *= 1 - u;
}

void WineBottom(double u, double& r, double& y)
{
  WineSide(0, r, y);
  r *= u;
}

struct Mesh
{
  std::vector<double> Points;
  std::vector<double> Normals;
  std::vector<std::vector<int>> Faces;
};

int AddPoint(Mesh& mesh, double r, double y, double angle, double nr, double ny)
{
  double c = std::cos(angle), s = std::sin(angle);
  double p[3] = { r * c, y, r * s };
  double n[3] = { nr * c, ny, nr * s };
  mesh.Points.insert(mesh.Points.end(), p, p + 3);
  mesh.Normals.insert(mesh.Normals.end(), n, n + 3);
  return static_cast<int>(mesh.Points.size() / 3) - 1;
}

// The point indices of a ring at height y and radius r: one point on the
// axis, else segments points. The normal is that of the profile (dy, -dr).
std::vector<int> AddRing(Mesh& mesh, Piece piece, double u, int segments)
{
  double r, y, r0, y0, r1, y1, h = 1e-5;
  piece(u, r, y);
  piece(std::max(0.0, u - h), r0, y0);
  piece(std::min(1.0, u + h), r1, y1);
  double nr = y1 - y0, ny = -(r1 - r0), length = std::sqrt(nr * nr + ny * ny);
  nr /= length;
  ny /= length;
  std::vector<int> ring;
  int count = r < 1e-9 ? 1 : segments;
  for (int j = 0; j < count; ++j)
  {
    ring.push_back(AddPoint(mesh, r < 1e-9 ? 0 : r, y, 2 * Pi * j / segments, nr, ny));
  }
  return ring;
}

// Faces between two rings, counter-clockwise seen from the side the profile
// normal points to; a ring on the axis gives triangles.
void Connect(Mesh& mesh, const std::vector<int>& a, const std::vector<int>& b, int segments)
{
  for (int j = 0; j < segments; ++j)
  {
    int k = (j + 1) % segments;
    if (a.size() == 1)
      mesh.Faces.push_back({ a[0], b[j], b[k] });
    else if (b.size() == 1)
      mesh.Faces.push_back({ a[j], b[0], a[k] });
    else
      mesh.Faces.push_back({ a[j], b[j], b[k], a[k] });
  }
}

// Each piece gets rings of its own, so the glass has sharp edges where two
// pieces meet; with shareEnds the pieces share their end rings instead.
Mesh Revolve(const std::vector<Piece>& pieces,
             const std::vector<int>& steps,
             int segments,
             bool shareEnds)
{
  Mesh mesh;
  std::vector<int> previous;
  for (size_t p = 0; p < pieces.size(); ++p)
  {
    for (int i = 0; i <= steps[p]; ++i)
    {
      if (i == 0 && shareEnds && !previous.empty())
      {
        continue;
      }
      std::vector<int> ring = AddRing(mesh, pieces[p], static_cast<double>(i) / steps[p], segments);
      if (i > 0 || (shareEnds && !previous.empty()))
      {
        Connect(mesh, previous, ring, segments);
      }
      previous = ring;
    }
  }
  return mesh;
}

// A pixel of the test's image is about 0.009 scene units.
const double Gap = 0.01;
const double SeamHeight = 1.5;

// Opens a gap along the points that onCut selects: every face whose centre
// is beyond the cut gets copies of those of its points, moved by offset, so
// that the faces on the two sides no longer meet.
template<typename OnCut, typename Beyond>
void CutOpen(Mesh& mesh, OnCut onCut, Beyond beyond, const double offset[3])
{
  std::map<int, int> copies;
  for (std::vector<int>& face : mesh.Faces)
  {
    double centre[3] = { 0, 0, 0 };
    for (int index : face)
    {
      for (int c = 0; c < 3; ++c)
      {
        centre[c] += mesh.Points[3 * index + c] / face.size();
      }
    }
    if (!beyond(centre))
    {
      continue;
    }
    for (int& index : face)
    {
      if (!onCut(&mesh.Points[3 * index]))
      {
        continue;
      }
      if (copies.find(index) == copies.end())
      {
        for (int c = 0; c < 3; ++c)
        {
          mesh.Points.push_back(mesh.Points[3 * index + c] + offset[c]);
          mesh.Normals.push_back(mesh.Normals[3 * index + c]);
        }
        copies[index] = static_cast<int>(mesh.Points.size() / 3) - 1;
      }
      index = copies[index];
    }
  }
}

// A seam: the mesh split at its ring nearest SeamHeight, the part above
// raised by Gap.
void OpenSeam(Mesh& mesh)
{
  double ring = mesh.Points[1];
  for (size_t i = 1; i < mesh.Points.size(); i += 3)
  {
    if (std::fabs(mesh.Points[i] - SeamHeight) < std::fabs(ring - SeamHeight))
    {
      ring = mesh.Points[i];
    }
  }
  const double up[3] = { 0, Gap, 0 };
  CutOpen(
    mesh,
    [ring](const double* p) { return std::fabs(p[1] - ring) < 1e-9; },
    [ring](const double* centre) { return centre[1] > ring; },
    up);
}

// A crack: the mesh split along its points in front of the axis (x 0, z
// positive), the faces to their left moved left by Gap.
void OpenCrack(Mesh& mesh)
{
  const double left[3] = { -Gap, 0, 0 };
  CutOpen(
    mesh,
    [](const double* p) { return std::fabs(p[0]) < 1e-9 && p[2] > 1e-9; },
    [](const double* centre) { return centre[0] < 0 && centre[2] > 0; },
    left);
}

double Tidy(double value)
{
  return std::fabs(value) < 0.00005 ? 0.0 : value;
}

void WriteVectors(FILE* out,
                  const char* field,
                  const char* node,
                  const char* nodeField,
                  const std::vector<double>& v)
{
  fprintf(out, "        %s %s { %s [\n", field, node, nodeField);
  for (size_t i = 0; i < v.size(); i += 3)
  {
    fprintf(out, "          %.4f %.4f %.4f,\n", Tidy(v[i]), Tidy(v[i + 1]), Tidy(v[i + 2]));
  }
  fprintf(out, "        ] }\n");
}

void WriteShape(FILE* out,
                const char* name,
                const char* material,
                const Mesh& mesh,
                bool withNormals,
                const char* extraFields)
{
  fprintf(out, "    DEF %s Shape {\n", name);
  fprintf(out, "      appearance Appearance { material Material { %s } }\n", material);
  fprintf(out, "      geometry IndexedFaceSet {\n");
  fprintf(out, "        %s\n", extraFields);
  WriteVectors(out, "coord", "Coordinate", "point", mesh.Points);
  if (withNormals)
  {
    WriteVectors(out, "normal", "Normal", "vector", mesh.Normals);
  }
  fprintf(out, "        coordIndex [\n");
  for (const std::vector<int>& face : mesh.Faces)
  {
    fprintf(out, "         ");
    for (int index : face)
    {
      fprintf(out, " %d", index);
    }
    fprintf(out, " -1,\n");
  }
  fprintf(out, "        ]\n      }\n    }\n");
}
}

int main(int argc, char* argv[])
{
  const char* breakage = "";
  int next = 1;
  if (argc > 1 && strncmp(argv[1], "--", 2) == 0)
  {
    breakage = argv[next++];
  }
  if (*breakage && strcmp(breakage, "--seam") != 0 && strcmp(breakage, "--crack") != 0)
  {
    fprintf(stderr, "usage: MakeWineGlass [--seam | --crack] [output.wrl]\n");
    return 2;
  }
  const char* path = next < argc ? argv[next] : nullptr;
  FILE* out = path ? fopen(path, "w") : stdout;
  if (!out)
  {
    perror(path);
    return 1;
  }
  Mesh glass =
    Revolve({ FootBottom, FootEdge, FootTop, Stem, BowlOuter, Rim, InnerWall, InnerBottom },
            { 2, 4, 8, 4, 20, 4, 20, 2 },
            GlassSegments,
            false);
  Mesh wine = Revolve({ WineBottom, WineSide, WineTop }, { 2, 10, 2 }, WineSegments, true);
  for (Mesh* mesh : { &glass, &wine })
  {
    if (strcmp(breakage, "--seam") == 0)
    {
      OpenSeam(*mesh);
    }
    else if (strcmp(breakage, "--crack") == 0)
    {
      OpenCrack(*mesh);
    }
  }
  fprintf(out,
          "#VRML V2.0 utf8\n"
          "# A glass of red wine, made by tests/data/MakeWineGlass.cxx.\n"
          "# The glass carries its own normals; the wine's come from its crease angle.\n"
          "Transform {\n"
          "  rotation 1 0 0 0.4\n"
          "  children [\n");
  WriteShape(out,
             "Glass",
             "diffuseColor 0.12 0.14 0.18 specularColor 1 1 1 shininess 0.8 "
             "transparency 0.7",
             glass,
             true,
             "solid TRUE ccw TRUE normalPerVertex TRUE");
  WriteShape(out,
             "Wine",
             "diffuseColor 0.9 0.05 0.12 specularColor 1 0.9 0.9 shininess 0.1",
             wine,
             false,
             "solid TRUE creaseAngle 1.0");
  fprintf(out, "  ]\n}\n");
  if (out != stdout && fclose(out) != 0)
  {
    perror(path);
    return 1;
  }
  return 0;
}

// Writes VRML scenes that are large for their content, for the tests and the
// benchmark of the VRML importer:
//   shared FACES         one face set of FACES triangles over the four points
//                        of a tetrahedron, cycling through its four faces,
//                        with normals made from the crease angle: every point
//                        is shared by three quarters of the faces;
//   cone FACES           the side of a cone of FACES triangles around one
//                        apex, crease angle 3.1: the apex is shared by FACES
//                        faces of as many different normals;
//   spread FACES         FACES triangles around one point to pairs of
//                        scattered points, crease angle 0.5: their normals
//                        spread over the sphere, the costliest case of
//                        crease-angle normals;
//   oversized BYTES      one face set of triangles over three points that runs
//                        on until the file holds BYTES bytes, far more corners
//                        than a scene may have;
//   reused-points USES   a Coordinate of 1,000,000 points and a shape of one
//                        triangle on it, with a crease angle, used USES times;
//   reused-dropped USES  a shape of 333,333 two-corner polygons, none of which
//                        makes a face, used USES times;
//   hexagon-uses USES    one hexagon, used USES more times in place: every use
//                        covers the same half of the picture;
//   triangle-uses USES   the same with one triangle;
//   glass-uses USES      the same with a translucent square, whose every
//                        use is drawn and blended over the others;
//   polygon-grid LEVELS  a shape of 20 corners, then LEVELS groups that each
//                        use the one before twice, side by side: 2^(LEVELS+1)
//                        - 1 uses, each a few pixels wide;
//   square-fan CORNERS   one face whose CORNERS corners go round the four
//                        points of a square again and again: every other
//                        triangle of its fan covers half of the square.
//
//   MakeLargeScene KIND COUNT output.wrl
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace
{
const char* const Header = "#VRML V2.0 utf8\n";

bool WriteShared(FILE* file, long long faces)
{
  static const char* const triangles[] = { "0 2 1 -1\n", "0 1 3 -1\n", "1 2 3 -1\n", "0 3 2 -1\n" };
  fprintf(file,
          "%sShape { geometry IndexedFaceSet {\n"
          "coord Coordinate { point [ 0 0 0, 1 0 0, 0 1 0, 0 0 1 ] }\n"
          "creaseAngle 2\ncoordIndex [\n",
          Header);
  for (long long f = 0; f < faces; ++f)
  {
    fputs(triangles[f % 4], file);
  }
  return fputs("] } }\n", file) >= 0;
}

// Apex 0 at height 2 above base points 1 to FACES on the unit circle.
bool WriteCone(FILE* file, long long faces)
{
  fprintf(file, "%sShape { geometry IndexedFaceSet {\ncoord Coordinate { point [ 0 0 2\n", Header);
  for (long long i = 0; i < faces; ++i)
  {
    double angle = 2 * 3.14159265358979323846 * static_cast<double>(i) / static_cast<double>(faces);
    fprintf(file, "%.9g %.9g 0\n", std::cos(angle), std::sin(angle));
  }
  fputs("] }\ncreaseAngle 3.1\ncoordIndex [\n", file);
  for (long long i = 0; i < faces; ++i)
  {
    fprintf(file, "0 %lld %lld -1\n", i + 1, (i + 1) % faces + 1);
  }
  return fputs("] } }\n", file) >= 0;
}

// Point 0 at the origin, then the fewest points on the unit sphere, scattered
// by the golden angle, whose pairs give FACES triangles.
bool WriteSpread(FILE* file, long long faces)
{
  long long count = 2;
  while (count * (count - 1) / 2 < faces)
  {
    ++count;
  }
  fprintf(file, "%sShape { geometry IndexedFaceSet {\ncoord Coordinate { point [ 0 0 0\n", Header);
  for (long long i = 0; i < count; ++i)
  {
    double z = 1 - (2 * static_cast<double>(i) + 1) / static_cast<double>(count);
    double radius = std::sqrt(1 - z * z), angle = 2.399963229728653 * static_cast<double>(i);
    fprintf(file, "%.9g %.9g %.9g\n", radius * std::cos(angle), radius * std::sin(angle), z);
  }
  fputs("] }\ncreaseAngle 0.5\ncoordIndex [\n", file);
  long long written = 0;
  for (long long i = 1; i <= count && written < faces; ++i)
  {
    for (long long j = i + 1; j <= count && written < faces; ++j, ++written)
    {
      fprintf(file, "0 %lld %lld -1\n", i, j);
    }
  }
  return fputs("] } }\n", file) >= 0;
}

bool WriteOversized(FILE* file, long long bytes)
{
  fprintf(file,
          "%sShape { geometry IndexedFaceSet {\n"
          "coord Coordinate { point [ 0 0 0, 1 0 0, 0 1 0 ] }\ncoordIndex [\n",
          Header);
  std::string block;
  for (int i = 0; i < 4096; ++i)
  {
    block += "0 1 2 -1\n";
  }
  for (long long written = 0; written < bytes; written += static_cast<long long>(block.size()))
  {
    if (fwrite(block.data(), 1, block.size(), file) != block.size())
    {
      return false;
    }
  }
  return fputs("] } }\n", file) >= 0;
}

// The shape S, then `uses` more uses of it in one Group.
bool WriteUses(FILE* file, const char* shape, long long uses)
{
  fprintf(file, "Group { children [\nDEF S %s\n", shape);
  for (long long u = 0; u < uses; ++u)
  {
    fputs("USE S\n", file);
  }
  return fputs("] }\n", file) >= 0;
}

bool WriteReusedPoints(FILE* file, long long uses)
{
  fprintf(file, "%sDEF C Coordinate { point [ 0 0 0, 1 0 0, 0 1 0\n", Header);
  for (int i = 3; i < 1000000; ++i)
  {
    fputs("1 1 1\n", file);
  }
  fputs("] }\n", file);
  return WriteUses(
    file,
    "Shape { geometry IndexedFaceSet { coord USE C creaseAngle 1 coordIndex [ 0 1 2 ] } }",
    uses);
}

bool WriteHexagonUses(FILE* file, long long uses)
{
  fputs(Header, file);
  return WriteUses(
    file,
    "Shape { geometry IndexedFaceSet { coord Coordinate { point [ 1 0 0, 0.5 0.87 0, "
    "-0.5 0.87 0, -1 0 0, -0.5 -0.87 0, 0.5 -0.87 0 ] } coordIndex [ 0 1 2 3 4 5 ] } }",
    uses);
}

bool WriteTriangleUses(FILE* file, long long uses)
{
  fputs(Header, file);
  return WriteUses(file,
                   "Shape { geometry IndexedFaceSet { coord Coordinate { point [ -1 -1 0, 1 -1 0, "
                   "0 1 0 ] } coordIndex [ 0 1 2 ] } }",
                   uses);
}

bool WriteGlassUses(FILE* file, long long uses)
{
  fputs(Header, file);
  return WriteUses(file,
                   "Shape { appearance Appearance { material Material { transparency 0.5 } } "
                   "geometry IndexedFaceSet { coord Coordinate { point [ -1 -1 0, 1 -1 0, 1 1 0, "
                   "-1 1 0 ] } coordIndex [ 0 1 2 3 ] } }",
                   uses);
}

bool WritePolygonGrid(FILE* file, long long levels)
{
  fprintf(file, "%sDEF L0 Shape { geometry IndexedFaceSet { coord Coordinate { point [\n", Header);
  for (int i = 0; i < 20; ++i)
  {
    double angle = 2 * 3.14159265358979323846 * i / 20;
    fprintf(file, "%.6f %.6f 0\n", 0.4 * std::cos(angle), 0.4 * std::sin(angle));
  }
  fputs("] }\ncoordIndex [ 0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 ] } }\n", file);
  // Level k puts its second use 2^((k-1)/2) to the right (k odd) or up.
  for (long long k = 1; k <= levels; ++k)
  {
    long long step = 1LL << ((k - 1) / 2);
    fprintf(file,
            "DEF L%lld Group { children [ USE L%lld Transform { translation %lld %lld 0 "
            "children USE L%lld } ] }\n",
            k,
            k - 1,
            k % 2 ? step : 0,
            k % 2 ? 0 : step,
            k - 1);
  }
  return !ferror(file);
}

bool WriteSquareFan(FILE* file, long long corners)
{
  fprintf(file,
          "%sShape { geometry IndexedFaceSet {\n"
          "coord Coordinate { point [ 0 0 0, 1 0 0, 1 1 0, 0 1 0 ] }\ncoordIndex [\n",
          Header);
  static const char* const corner[] = { "0 ", "1 ", "2 ", "3\n" };
  for (long long c = 0; c < corners; ++c)
  {
    fputs(corner[c % 4], file);
  }
  return fputs("] } }\n", file) >= 0;
}

bool WriteReusedDropped(FILE* file, long long uses)
{
  fprintf(file,
          "%sDEF C Coordinate { point [ 0 0 0, 1 0 0, 0 1 0 ] }\n"
          "DEF F IndexedFaceSet { coord USE C coordIndex [\n",
          Header);
  for (int i = 0; i < 333333; ++i)
  {
    fputs("0 1 -1\n", file);
  }
  fputs("] }\n", file);
  return WriteUses(file, "Shape { geometry USE F }", uses);
}
}

int main(int argc, char* argv[])
{
  struct Kind
  {
    const char* Name;
    bool (*Write)(FILE*, long long);
  };
  static const Kind kinds[] = { { "shared", WriteShared },
                                { "cone", WriteCone },
                                { "spread", WriteSpread },
                                { "oversized", WriteOversized },
                                { "reused-points", WriteReusedPoints },
                                { "reused-dropped", WriteReusedDropped },
                                { "hexagon-uses", WriteHexagonUses },
                                { "triangle-uses", WriteTriangleUses },
                                { "glass-uses", WriteGlassUses },
                                { "polygon-grid", WritePolygonGrid },
                                { "square-fan", WriteSquareFan } };
  const Kind* kind = nullptr;
  for (const Kind& k : kinds)
  {
    kind = argc == 4 && strcmp(argv[1], k.Name) == 0 ? &k : kind;
  }
  long long count = argc == 4 ? atoll(argv[2]) : 0;
  if (count <= 0 || !kind)
  {
    fprintf(stderr,
            "Usage: %s shared|cone|spread|oversized|reused-points|reused-dropped|hexagon-uses|"
            "triangle-uses|glass-uses|polygon-grid|square-fan COUNT output.wrl\n",
            argv[0]);
    return 1;
  }
  FILE* file = fopen(argv[3], "wb");
  if (!file)
  {
    fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[3]);
    return 1;
  }
  bool written = kind->Write(file, count);
  if (fclose(file) != 0 || !written)
  {
    fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[3]);
    return 1;
  }
  return 0;
}

// Writes VRML scenes that are large for their content, for the tests and the
// benchmark of the VRML importer:
//   shared FACES    one face set of FACES triangles over the four points of a
//                   tetrahedron, cycling through its four faces, with normals
//                   made from the crease angle: every point is shared by
//                   three quarters of the faces;
//   oversized BYTES one face set of triangles over three points that runs
//                   on until the file holds BYTES bytes, far more corners
//                   than a scene may have.
//
//   MakeLargeScene shared|oversized COUNT output.wrl
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
}

int main(int argc, char* argv[])
{
  long long count = argc == 4 ? atoll(argv[2]) : 0;
  bool shared = argc == 4 && strcmp(argv[1], "shared") == 0;
  if (count <= 0 || (!shared && strcmp(argv[1], "oversized") != 0))
  {
    fprintf(stderr, "Usage: %s shared|oversized COUNT output.wrl\n", argv[0]);
    return 1;
  }
  FILE* file = fopen(argv[3], "wb");
  if (!file)
  {
    fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[3]);
    return 1;
  }
  bool written = shared ? WriteShared(file, count) : WriteOversized(file, count);
  if (fclose(file) != 0 || !written)
  {
    fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[3]);
    return 1;
  }
  return 0;
}

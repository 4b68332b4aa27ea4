// Fuzz target of the VRML scene reader (zebReadVRMLScene, the pure function
// the importer runs): scene bytes in, shapes or one error line out. Every
// input must give either a one-line error and no shapes, or shapes whose
// points, normals and triangles fit together: three values per point, one
// normal per point, triangles that name existing points, at least one
// placement of twelve values, finite numbers.
#include <FuzzChecks.h>

#include <zebVRMLScene.h>

#include <cmath>
#include <cstdint>

namespace
{
void checkFinite(const std::vector<double>& values, const char* what)
{
  for (double value : values)
  {
    fuzzCheck(std::isfinite(value), what);
  }
}

void checkShape(const zebVRMLShape& shape)
{
  fuzzCheck(shape.Points.size() % 3 == 0, "three values per point");
  fuzzCheck(shape.Normals.size() == shape.Points.size(), "one normal per point");
  fuzzCheck(shape.Triangles.size() % 3 == 0, "three corners per triangle");
  checkFinite(shape.Points, "finite points");
  checkFinite(shape.Normals, "finite normals");
  fuzzCheck(!shape.Placements.empty() && shape.Placements.size() % 12 == 0,
            "at least one placement, twelve values each");
  checkFinite(shape.Placements, "finite placements");
  const int points = static_cast<int>(shape.Points.size() / 3);
  for (int corner : shape.Triangles)
  {
    fuzzCheck(corner >= 0 && corner < points, "triangles name existing points");
  }
  for (int i = 0; i < 3; ++i)
  {
    fuzzCheck(std::isfinite(shape.DiffuseColor[i]) && std::isfinite(shape.SpecularColor[i]),
              "finite colours");
  }
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  std::string text(reinterpret_cast<const char*>(data), size);
  zebVRMLScene scene;
  std::string error;
  if (!zebReadVRMLScene(text, scene, error))
  {
    fuzzCheck(scene.Shapes.empty(), "a refused scene has no shapes");
    fuzzCheck(!error.empty() && error.find('\n') == std::string::npos,
              "a refused scene gives one error line",
              error);
    return 0;
  }
  for (const zebVRMLShape& shape : scene.Shapes)
  {
    checkShape(shape);
  }
  return 0;
}

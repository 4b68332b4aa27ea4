// The bundled wine glass scene: the generator reproduces the committed file
// byte for byte, and its shapes face the way their normals point.
#include <zebVRMLScene.h>

#include "RunProcess.h"

#include <gtest/gtest.h>

namespace
{
const std::string Committed = ZEB_DATA_DIR "/Data/WineGlass.wrl";

std::string ReadCommitted()
{
  bool found = true;
  std::string text = ReadFile(Committed, &found);
  EXPECT_TRUE(found) << Committed;
  return text;
}
}

TEST(WineGlass, GeneratorReproducesTheCommittedFile)
{
  std::string output = MakeTempDirectory() + "/WineGlass.wrl";
  ProcessResult r = RunProcess({ MAKE_WINE_GLASS, output });
  ASSERT_EQ(r.exitStatus, 0) << r.err;
  std::string committed = ReadCommitted();
  EXPECT_TRUE(ReadFile(output) == committed) << "regenerate " << Committed;
  r = RunProcess({ MAKE_WINE_GLASS });
  EXPECT_TRUE(r.out == committed);
}

TEST(WineGlass, GlassWithGivenNormalsAndWineWithMadeNormals)
{
  zebVRMLScene scene;
  std::string error;
  ASSERT_TRUE(zebReadVRMLScene(ReadCommitted(), scene, error)) << error;
  ASSERT_EQ(scene.Shapes.size(), 2u);
  for (const zebVRMLShape& shape : scene.Shapes)
  {
    size_t facingAway = 0;
    for (size_t t = 0; t < shape.Triangles.size(); t += 3)
    {
      const double* a = &shape.Points[3 * shape.Triangles[t]];
      const double* b = &shape.Points[3 * shape.Triangles[t + 1]];
      const double* c = &shape.Points[3 * shape.Triangles[t + 2]];
      double u[3] = { b[0] - a[0], b[1] - a[1], b[2] - a[2] };
      double v[3] = { c[0] - a[0], c[1] - a[1], c[2] - a[2] };
      double n[3] = { u[1] * v[2] - u[2] * v[1],
                      u[2] * v[0] - u[0] * v[2],
                      u[0] * v[1] - u[1] * v[0] };
      const double* normal = &shape.Normals[3 * shape.Triangles[t]];
      facingAway += n[0] * normal[0] + n[1] * normal[1] + n[2] * normal[2] <= 0;
    }
    EXPECT_EQ(facingAway, 0u);
  }
  // The glass stands taller than it is wide; the wine sits inside it.
  double glassTop = -1e9, glassBottom = 1e9, wineTop = -1e9;
  for (size_t i = 1; i < scene.Shapes[0].Points.size(); i += 3)
  {
    glassTop = std::max(glassTop, scene.Shapes[0].Points[i]);
    glassBottom = std::min(glassBottom, scene.Shapes[0].Points[i]);
  }
  for (size_t i = 1; i < scene.Shapes[1].Points.size(); i += 3)
  {
    wineTop = std::max(wineTop, scene.Shapes[1].Points[i]);
  }
  EXPECT_GT(glassTop - glassBottom, 1.5);
  EXPECT_LT(wineTop, glassTop);
}

TEST(WineGlass, EveryTruncationIsRefusedWithItsLine)
{
  std::string text = ReadCommitted();
  for (size_t cut = text.find("Transform") + 1; cut < text.size() - 2; cut += text.size() / 61)
  {
    zebVRMLScene scene;
    std::string error;
    EXPECT_FALSE(zebReadVRMLScene(text.substr(0, cut), scene, error)) << cut;
    EXPECT_EQ(error.rfind("line ", 0), 0u) << error;
    EXPECT_TRUE(scene.Shapes.empty());
  }
}

TEST(WineGlass, DamagedCopiesAreReadOrRefusedWithoutCrashing)
{
  const std::string text = ReadCommitted();
  const char replacements[] = { '{', '}', '[', ']', '-', '9', 'e', '#', '"', ' ', '\0', '\xff' };
  unsigned state = 2024;
  for (int copy = 0; copy < 100; ++copy)
  {
    std::string damaged = text;
    for (int change = 0; change < 3; ++change)
    {
      state = state * 1103515245u + 12345u;
      size_t at = 16 + (state >> 4) % (damaged.size() - 16);
      damaged[at] = replacements[(state >> 24) % sizeof(replacements)];
    }
    zebVRMLScene scene;
    std::string error;
    if (zebReadVRMLScene(damaged, scene, error))
    {
      EXPECT_LE(scene.Shapes.size(), 2u);
    }
    else
    {
      EXPECT_EQ(error.rfind("line ", 0), 0u) << error;
      EXPECT_TRUE(scene.Shapes.empty());
    }
  }
}

// The verdict of TestVRMLNormals on changed copies of the bundled wine glass
// scene and of its baseline: every change a person sees at once fails, and
// every copy that draws the same picture passes, as does the scene drawn
// from a view moved by a fraction of a pixel or by another renderer.
#include "EmulatedRendering.h"
#include "RunProcess.h"

#include <zebPNGImage.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include <sys/stat.h>

namespace
{
const std::string DataRoot = ZEB_DATA_DIR;
const std::string Baseline = DataRoot + "/Baseline/TestVRMLNormals.png";
const std::string Scene = ReadFile(DataRoot + "/Data/WineGlass.wrl");

struct SceneCase
{
  const char* What;
  std::string Text;
  std::string Baseline = ::Baseline;
};

// Runs TestVRMLNormals on the scene text against baseline, in a fresh data
// root that is also the directory for failure images.
ProcessResult RunOnScene(const std::string& text,
                         const std::string& baseline = Baseline,
                         std::string* directory = nullptr)
{
  const std::string root = MakeTempDirectory();
  mkdir((root + "/Data").c_str(), 0755);
  EXPECT_TRUE(WriteFile(root + "/Data/WineGlass.wrl", text));
  if (directory)
  {
    *directory = root;
  }
  return RunProcess(
    { IMPORT_TESTS, "TestVRMLNormals", "-D", root, "-V", baseline, "-T", root + "/" });
}

// The value of the "ImageError" measurement printed, or "" without one.
std::string ImageError(const std::string& out)
{
  const std::string tag = "name=\"ImageError\">";
  const size_t start = out.find(tag);
  if (start == std::string::npos)
  {
    return "";
  }
  return out.substr(start + tag.size(), out.find('<', start) - start - tag.size());
}

std::string ReplaceOnce(const std::string& text, const std::string& from, const std::string& to)
{
  const size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  EXPECT_EQ(text.find(from, at + 1), std::string::npos) << from;
  return at == std::string::npos ? text : text.substr(0, at) + to + text.substr(at + from.size());
}

// Where the glass's Normal node starts and, past its closing line, ends.
void GlassNormals(const std::string& text, size_t& start, size_t& end)
{
  start = text.find("        normal Normal {");
  end = text.find("        ] }\n", start);
  ASSERT_NE(end, std::string::npos);
  ASSERT_LT(start, text.find("DEF Wine"));
  end += 12;
}

std::string WithoutGlassNormals(const std::string& text)
{
  size_t start = 0, end = 0;
  GlassNormals(text, start, end);
  return text.substr(0, start) + text.substr(end);
}

// Every vector of the glass's Normal node pointing the other way.
std::string WithGlassNormalsNegated(const std::string& text)
{
  size_t start = 0, end = 0;
  GlassNormals(text, start, end);
  std::istringstream lines(text.substr(start, end - start));
  std::string line, negated;
  int count = 0;
  while (std::getline(lines, line))
  {
    double x, y, z;
    char vector[64];
    if (sscanf(line.c_str(), "%lf %lf %lf,", &x, &y, &z) == 3)
    {
      snprintf(vector, sizeof(vector), "          %.4f %.4f %.4f,", -x, -y, -z);
      line = vector;
      ++count;
    }
    negated += line + "\n";
  }
  EXPECT_GT(count, 1000);
  return text.substr(0, start) + negated + text.substr(end);
}

std::string WithoutWine(const std::string& text)
{
  const size_t start = text.find("    DEF Wine Shape {");
  EXPECT_NE(start, std::string::npos);
  return text.substr(0, start) + "  ]\n}\n";
}

// The scene inside one more Transform with the given fields.
std::string InTransform(const std::string& text, const std::string& fields)
{
  const size_t body = text.find("\nTransform {") + 1;
  return text.substr(0, body) + "Transform { " + fields + " children [\n" + text.substr(body) +
         "] }\n";
}

// The same nodes and values written another way: no comments but the
// header, the lean split over two nested transforms, the shapes inside a
// Group, every number with a fraction in exponent notation, no commas, and
// tokens packed on long lines.
std::string Rewritten(const std::string& text)
{
  std::string scene = text.substr(text.find("\nTransform {") + 1);
  scene = ReplaceOnce(scene,
                      "  rotation 1 0 0 0.4\n  children [\n",
                      "rotation 1 0 0 0.2 children Transform { rotation 1 0 0 0.2 children "
                      "Group { children [\n");
  scene += "} }\n";
  std::istringstream tokens(scene);
  std::string token, rewritten = "#VRML V2.0 utf8\n";
  int count = 0;
  while (tokens >> token)
  {
    if (token.back() == ',')
    {
      token.pop_back();
    }
    char* end = nullptr;
    const double value = strtod(token.c_str(), &end);
    if (!token.empty() && *end == '\0' && token.find('.') != std::string::npos)
    {
      char number[32];
      snprintf(number, sizeof(number), "%.6e", value);
      token = number;
    }
    rewritten += token + (++count % 11 == 0 ? "\n\t" : "  ");
  }
  return rewritten + "\n";
}

// The baseline moved by (dx, dy) pixels, the edge it leaves repeated.
std::string ShiftedBaseline(int dx, int dy)
{
  zebRGBImage image, shifted;
  std::string error;
  EXPECT_TRUE(zebPNGImage::Read(Baseline, image, error)) << error;
  shifted = image;
  for (int y = 0; y < image.Height; ++y)
  {
    for (int x = 0; x < image.Width; ++x)
    {
      const int fromX = std::min(std::max(x - dx, 0), image.Width - 1);
      const int fromY = std::min(std::max(y - dy, 0), image.Height - 1);
      for (int channel = 0; channel < 3; ++channel)
      {
        shifted.Pixels[(y * image.Width + x) * 3 + channel] =
          image.Pixels[(fromY * image.Width + fromX) * 3 + channel];
      }
    }
  }
  const std::string path = MakeTempDirectory() + "/Shifted.png";
  EXPECT_TRUE(zebPNGImage::Write(path, shifted, error)) << error;
  return path;
}

// The baseline with every pixel where change(x, y, pixel) holds made
// brighter by amount levels in each channel (darker when negative).
template<typename Change>
std::string ChangedBaseline(int amount, Change change)
{
  zebRGBImage image;
  std::string error;
  EXPECT_TRUE(zebPNGImage::Read(Baseline, image, error)) << error;
  const zebRGBImage original = image;
  for (int y = 0; y < image.Height; ++y)
  {
    for (int x = 0; x < image.Width; ++x)
    {
      unsigned char* pixel = &image.Pixels[(y * image.Width + x) * 3];
      if (change(x, y, pixel))
      {
        for (int c = 0; c < 3; ++c)
        {
          pixel[c] = static_cast<unsigned char>(std::min(std::max(pixel[c] + amount, 0), 255));
        }
      }
    }
  }
  const std::string path = MakeTempDirectory() + "/Changed.png";
  EXPECT_TRUE(zebPNGImage::Write(path, image, error)) << error;
  return path;
}

// The glass: the baseline's pixels more than 8 levels from the background
// (the top-left pixel's colour).
bool OnGlass(const unsigned char* pixel)
{
  static const unsigned char background[3] = { 26, 51, 102 };
  int distance = 0;
  for (int c = 0; c < 3; ++c)
  {
    distance = std::max(distance, std::abs(pixel[c] - background[c]));
  }
  return distance > 8;
}

// A 50 by 40 patch of the wine.
bool InWine(int x, int y)
{
  return x >= 174 && x < 224 && y >= 144 && y < 184;
}

// The scene as tests/data/MakeWineGlass writes it with the given options.
std::string MadeScene(const std::vector<std::string>& options)
{
  std::vector<std::string> args = { MAKE_WINE_GLASS };
  args.insert(args.end(), options.begin(), options.end());
  const ProcessResult made = RunProcess(args);
  EXPECT_EQ(made.exitStatus, 0) << made.err;
  return made.out;
}

bool Exists(const std::string& path)
{
  struct stat status;
  return stat(path.c_str(), &status) == 0;
}

// A passing check prints its error, and nothing else.
void ExpectPassedWithItsError(const char* what, const ProcessResult& r)
{
  EXPECT_EQ(r.exitStatus, 0) << what << "\n" << r.err;
  EXPECT_EQ(r.err, "") << what;
  const std::string error = ImageError(r.out);
  EXPECT_EQ(r.out,
            "<CTestMeasurement type=\"numeric/double\" name=\"ImageError\">" + error +
              "</CTestMeasurement>\n")
    << what;
  EXPECT_LE(atof(error.c_str()), 10.0) << what;
  printf("%s: image error %s\n", what, error.c_str());
}

void ExpectPassesWritingNothing(const char* what,
                                const std::string& text,
                                const std::string& baseline = Baseline)
{
  std::string directory;
  ProcessResult r = RunOnScene(text, baseline, &directory);
  const std::string name = baseline == Baseline ? "TestVRMLNormals" : "Shifted";
  ExpectPassedWithItsError(what, r);
  EXPECT_FALSE(Exists(directory + "/" + name + "-test.png")) << what;
}
}

TEST(SceneSensitivity, VisibleChangesFail)
{
  ASSERT_FALSE(Scene.empty());
  // The generator writes the committed scene, so its broken ones differ
  // from it by the break alone.
  ASSERT_EQ(MadeScene({}), Scene);
  const SceneCase cases[] = {
    { "glass normals ignored (made from the faces)", WithoutGlassNormals(Scene) },
    { "glass normals negated", WithGlassNormalsNegated(Scene) },
    { "wine crease angle ignored (faceted)",
      ReplaceOnce(Scene, "creaseAngle 1.0", "creaseAngle 0") },
    { "wine smoothed across the edge of its top",
      ReplaceOnce(Scene, "creaseAngle 1.0", "creaseAngle 3.1") },
    { "red and blue of the glass colour swapped",
      ReplaceOnce(Scene, "diffuseColor 0.12 0.14 0.18", "diffuseColor 0.18 0.14 0.12") },
    { "wine turned purple",
      ReplaceOnce(Scene, "diffuseColor 0.9 0.05 0.12", "diffuseColor 0.7 0.05 0.35") },
    { "glass highlights gone",
      ReplaceOnce(
        Scene, "specularColor 1 1 1 shininess 0.8", "specularColor 0 0 0 shininess 0.8") },
    { "scene turned by 0.03 radians in the image plane",
      InTransform(Scene, "rotation 0 0 1 0.03") },
    { "scene leaning 0.05 radians further",
      ReplaceOnce(Scene, "rotation 1 0 0 0.4\n", "rotation 1 0 0 0.45\n") },
    { "wine missing", WithoutWine(Scene) },
    { "a seam a pixel wide across the glass and the wine", MadeScene({ "--seam" }) },
    { "a crack a pixel wide down the glass and the wine", MadeScene({ "--crack" }) },
    { "42 specks 100 levels brighter over the glass",
      Scene,
      ChangedBaseline(100,
                      [](int x, int y, const unsigned char* pixel)
                      { return OnGlass(pixel) && (x * 7919 + y * 104729) % 650 == 0; }) },
    { "a dot 100 levels brighter every 9th pixel of every 9th row of the glass",
      Scene,
      ChangedBaseline(100,
                      [](int x, int y, const unsigned char* pixel)
                      { return OnGlass(pixel) && x % 9 == 0 && y % 9 == 0; }) },
    { "diagonal stripes 2 px wide, every other one 15 levels darker, over the wine",
      Scene,
      ChangedBaseline(-15,
                      [](int x, int y, const unsigned char*)
                      { return InWine(x, y) && (x + y) / 2 % 2 == 0; }) },
    { "checks 2 px wide, every other one 12 levels brighter, over the wine",
      Scene,
      ChangedBaseline(12,
                      [](int x, int y, const unsigned char*)
                      { return InWine(x, y) && (x / 2 + y / 2) % 2 == 0; }) },
  };
  for (const SceneCase& c : cases)
  {
    std::string directory;
    ProcessResult r = RunOnScene(c.Text, c.Baseline, &directory);
    EXPECT_EQ(r.exitStatus, 1) << c.What << "\n" << r.err;
    EXPECT_NE(ImageError(r.out), "") << c.What << "\n" << r.out;
    const std::string name = c.Baseline == Baseline ? "TestVRMLNormals" : "Changed";
    EXPECT_TRUE(Exists(directory + "/" + name + "-diff.png")) << c.What;
    printf("%s: image error %s\n", c.What, ImageError(r.out).c_str());
  }
}

TEST(SceneSensitivity, TheSamePictureWrittenDifferentlyPasses)
{
  ASSERT_FALSE(Scene.empty());
  ExpectPassesWritingNothing("scene unchanged", Scene);
  ExpectPassesWritingNothing("scene rewritten", Rewritten(Scene));
  // A pixel is about 0.009 scene units.
  ExpectPassesWritingNothing("scene moved by a twentieth of a pixel",
                             InTransform(Scene, "translation 0.0004 -0.0003 0.0002"));
}

TEST(SceneSensitivity, BaselineShiftedByOnePixelPasses)
{
  ExpectPassesWritingNothing("baseline one pixel right", Scene, ShiftedBaseline(1, 0));
  ExpectPassesWritingNothing("baseline one pixel up", Scene, ShiftedBaseline(0, -1));
  ExpectPassesWritingNothing("baseline one pixel down and left", Scene, ShiftedBaseline(-1, 1));
}

// The scene drawn from a view moved by a fraction of a pixel, by Mesa's
// other software rasteriser, or with several samples per pixel: thin rims
// and highlights lie across pixels differently, and the picture is the same.
TEST(SceneSensitivity, TheSceneFromAMovedViewOrAnotherRendererPasses)
{
  const std::string scene = DataRoot + "/Data/WineGlass.wrl";
  const char* const llvmpipe = "ZEB_OPENGL_DRIVER=llvmpipe";
  const char* const softpipe = "ZEB_OPENGL_DRIVER=softpipe";
  const char* const oneSample = "ZEB_OPENGL_SAMPLES=1";
  const char* const fourSamples = "ZEB_OPENGL_SAMPLES=4";
  const struct
  {
    const char* What;
    const char* Right;  // pixels the scene moves right and up
    const char* Up;
    const char* Driver;
    const char* Samples;
  } cases[] = {
    { "view moved half a pixel up", "0", "0.5", llvmpipe, oneSample },
    { "view moved half a pixel right", "0.5", "0", llvmpipe, oneSample },
    { "view moved half a pixel left and down", "-0.5", "-0.5", llvmpipe, oneSample },
    { "view moved by (0.3, -0.7) pixels", "0.3", "-0.7", llvmpipe, oneSample },
    { "view moved by a twentieth of a pixel", "0.05", "-0.05", llvmpipe, oneSample },
    { "view moved a pixel right and up", "1", "1", llvmpipe, oneSample },
    { "softpipe", "0", "0", softpipe, oneSample },
    { "softpipe, view moved by (0.25, 0.75) pixels", "0.25", "0.75", softpipe, oneSample },
    { "4 samples per pixel", "0", "0", llvmpipe, fourSamples },
    { "4 samples per pixel, view moved half a pixel down", "0", "-0.5", llvmpipe, fourSamples },
  };
  for (const auto& c : cases)
  {
    if (c.Samples == fourSamples && !MultisamplingWorksHere)
    {
      printf("%s: left out, no multisampling here\n", c.What);
      continue;
    }
    const std::string directory = MakeTempDirectory();
    ProcessOptions options;
    options.setEnv = { c.Driver, c.Samples };
    const ProcessResult r = RunProcess(
      { IMPORT_PROGRAM_PROBE, scene, c.Right, c.Up, "-V", Baseline, "-T", directory }, options);
    ExpectPassedWithItsError(c.What, r);
  }
}

// The image regression check: its answers for each combination of options,
// the images a failure leaves behind, and the error metric.
#include "RenderingScenes.h"
#include "RunProcess.h"

#include <zebActor.h>
#include <zebImageDifference.h>
#include <zebPNGImage.h>
#include <zebRenderWindow.h>
#include <zebRenderer.h>
#include <zebRenderingOpenGLModule.h>
#include <zebTesting.h>

#include <gtest/gtest.h>

#include <algorithm>

#include <sys/stat.h>

namespace
{
bool Exists(const std::string& path)
{
  struct stat status;
  return stat(path.c_str(), &status) == 0;
}

// Runs the check with the given arguments, capturing what it prints on
// standard error and on standard output.
int Check(std::vector<std::string> args,
          zebRenderWindow* window,
          std::string* err = nullptr,
          std::string* out = nullptr)
{
  std::vector<char*> argv;
  for (std::string& arg : args)
  {
    argv.push_back(&arg[0]);
  }
  argv.push_back(nullptr);
  testing::internal::CaptureStderr();
  testing::internal::CaptureStdout();
  const int answer = zebTesting::Test(static_cast<int>(args.size()), argv.data(), window, 10.0);
  const std::string printedOut = testing::internal::GetCapturedStdout();
  const std::string printed = testing::internal::GetCapturedStderr();
  if (err)
  {
    *err = printed;
  }
  if (out)
  {
    *out = printedOut;
  }
  return answer;
}

// A window showing a lit sphere, and a baseline written from its first render.
class RegressionCheck : public testing::Test
{
protected:
  void SetUp() override
  {
    zebRenderingOpenGL_AutoInit_Construct();
    this->Directory = MakeTempDirectory();
    this->Baseline = this->Directory + "/Sphere.png";
    zebRenderer* renderer = zebRenderer::New();
    zebActor* sphere = MakeSphereActor(16, 32);
    renderer->AddActor(sphere);
    sphere->Delete();
    this->Window = MakeWindow(renderer, 80, 60);
    renderer->Delete();
    this->Window->Render();
    this->Image.Width = 80;
    this->Image.Height = 60;
    ASSERT_TRUE(this->Window->GrabPixels(this->Image.Pixels));
    std::string error;
    ASSERT_TRUE(zebPNGImage::Write(this->Baseline, this->Image, error)) << error;
  }
  void TearDown() override
  {
    this->Window->Delete();
    zebRenderingOpenGL_AutoInit_Destruct();
  }

  std::string WriteVariant(const char* name, zebRGBImage image)
  {
    std::string error;
    const std::string path = this->Directory + "/" + name;
    EXPECT_TRUE(zebPNGImage::Write(path, image, error)) << error;
    return path;
  }

  std::string Directory;
  std::string Baseline;
  zebRenderWindow* Window = nullptr;
  zebRGBImage Image;
};
}

TEST_F(RegressionCheck, AnswersForMatchingBaselineAndOptions)
{
  const std::string t = this->Directory;
  std::string err, out;
  EXPECT_EQ(Check({ "-V", this->Baseline, "-T", t }, this->Window, &err, &out), zebTesting::PASSED);
  EXPECT_EQ(err + out, "");
  EXPECT_EQ(Check({ "-D", "/no/data", "-V", this->Baseline, "-T", t }, this->Window),
            zebTesting::PASSED);
  EXPECT_EQ(Check({ "-V", this->Baseline, "-I", "-T", t }, this->Window),
            zebTesting::DO_INTERACTOR);
  EXPECT_EQ(Check({ "-D", t, "-T", t }, this->Window), zebTesting::NOT_RUN);
  EXPECT_EQ(Check({}, this->Window), zebTesting::NOT_RUN);
  EXPECT_EQ(zebTesting::Test(0, nullptr, this->Window, 10.0), zebTesting::NOT_RUN);
  EXPECT_EQ(Check({ "-I" }, this->Window), zebTesting::DO_INTERACTOR);
  // A trailing -V without a file names no baseline.
  EXPECT_EQ(Check({ "-V" }, this->Window), zebTesting::NOT_RUN);
  EXPECT_FALSE(Exists(t + "/Sphere-test.png"));
}

TEST_F(RegressionCheck, DifferentImageFailsAndLeavesTestAndDifferenceImages)
{
  zebRGBImage other = this->Image;
  for (size_t i = 0; i < other.Pixels.size() / 2; ++i)
  {
    other.Pixels[i] = static_cast<unsigned char>(255 - other.Pixels[i]);
  }
  const std::string baseline = this->WriteVariant("Other.png", other);
  std::string err, out;
  EXPECT_EQ(Check({ "-V", baseline, "-T", this->Directory, "-I" }, this->Window, &err, &out),
            zebTesting::FAILED);
  const std::string test = this->Directory + "/Other-test.png";
  const std::string difference = this->Directory + "/Other-diff.png";
  const std::string file = "<CTestMeasurementFile type=\"image/png\" name=";
  EXPECT_EQ(out.rfind("<CTestMeasurement type=\"numeric/double\" name=\"ImageError\">", 0), 0u)
    << out;
  EXPECT_NE(out.find(file + "\"TestImage\">" + test + "</CTestMeasurementFile>\n"),
            std::string::npos)
    << out;
  EXPECT_NE(out.find(file + "\"DifferenceImage\">" + difference + "</CTestMeasurementFile>\n"),
            std::string::npos)
    << out;
  EXPECT_NE(out.find(file + "\"ValidImage\">" + baseline + "</CTestMeasurementFile>\n"),
            std::string::npos)
    << out;
  EXPECT_NE(err.find("image error"), std::string::npos) << err;
  EXPECT_NE(err.find(test), std::string::npos) << err;
  EXPECT_NE(err.find(difference), std::string::npos) << err;

  const std::string compare = this->Directory + "/Other-compare.png";
  EXPECT_NE(err.find(compare), std::string::npos) << err;

  zebRGBImage written;
  std::string error;
  ASSERT_TRUE(zebPNGImage::Read(test, written, error)) << error;
  EXPECT_TRUE(written.Pixels == this->Image.Pixels);
  // The difference image: the unchanged bottom half dimmed to grey, the
  // inverted top half painted.
  ASSERT_TRUE(zebPNGImage::Read(difference, written, error)) << error;
  EXPECT_EQ(written.Width, 80);
  EXPECT_EQ(written.Height, 60);
  const unsigned char* corner = &written.Pixels[written.Pixels.size() - 3];
  EXPECT_EQ(corner[0], corner[1]);
  EXPECT_EQ(corner[1], corner[2]);
  EXPECT_LT(corner[0], this->Image.Pixels.back());
  const unsigned char* top = &written.Pixels[(5 * 80 + 40) * 3];
  EXPECT_FALSE(top[0] == top[1] && top[1] == top[2]);
  // Side by side: baseline, test, difference.
  zebRGBImage sideBySide;
  ASSERT_TRUE(zebPNGImage::Read(compare, sideBySide, error)) << error;
  ASSERT_EQ(sideBySide.Width, 3 * 80 + 8);
  ASSERT_EQ(sideBySide.Height, 60);
  const size_t row = static_cast<size_t>(sideBySide.Width) * 3;
  for (int y = 0; y < 60; y += 7)
  {
    const unsigned char* line = &sideBySide.Pixels[y * row];
    EXPECT_TRUE(std::equal(line, line + 240, &other.Pixels[y * 240]));
    EXPECT_TRUE(std::equal(line + 252, line + 492, &this->Image.Pixels[y * 240]));
    EXPECT_TRUE(std::equal(line + 504, line + 744, &written.Pixels[y * 240]));
  }
}

TEST_F(RegressionCheck, WrongSizeAndUnreadableBaselinesFail)
{
  zebRGBImage smaller;
  smaller.Width = 40;
  smaller.Height = 30;
  smaller.Pixels.assign(40 * 30 * 3, 0);
  const std::string small = this->WriteVariant("Small.png", smaller);
  std::string err;
  EXPECT_EQ(Check({ "-V", small, "-T", this->Directory }, this->Window, &err), zebTesting::FAILED);
  EXPECT_NE(err.find("80 by 60"), std::string::npos) << err;
  EXPECT_NE(err.find("40 by 30"), std::string::npos) << err;
  EXPECT_TRUE(Exists(this->Directory + "/Small-test.png"));
  EXPECT_FALSE(Exists(this->Directory + "/Small-diff.png"));

  const std::string text = this->Directory + "/Text.png";
  ASSERT_TRUE(WriteFile(text, "not a PNG file\n"));
  EXPECT_EQ(Check({ "-V", text, "-T", this->Directory }, this->Window, &err), zebTesting::FAILED);
  EXPECT_NE(err.find("cannot read the baseline image " + text), std::string::npos) << err;

  const std::string missing = this->Directory + "/Missing.png";
  EXPECT_EQ(Check({ "-V", missing, "-T", this->Directory }, this->Window, &err),
            zebTesting::FAILED);
  EXPECT_NE(err.find(missing), std::string::npos) << err;
  EXPECT_TRUE(Exists(this->Directory + "/Missing-test.png"));
}

namespace
{
zebRGBImage Flat(int width, int height, unsigned char r, unsigned char g, unsigned char b)
{
  zebRGBImage image;
  image.Width = width;
  image.Height = height;
  for (int i = 0; i < width * height; ++i)
  {
    image.Pixels.insert(image.Pixels.end(), { r, g, b });
  }
  return image;
}

unsigned char* At(zebRGBImage& image, int x, int y)
{
  return &image.Pixels[(static_cast<size_t>(y) * image.Width + x) * 3];
}

// Adds change to the red channel of the square of side size at (x, y).
zebRGBImage ChangeSquare(zebRGBImage image, int x, int y, int size, int change)
{
  for (int row = y; row < y + size; ++row)
  {
    for (int column = x; column < x + size; ++column)
    {
      At(image, column, row)[0] = static_cast<unsigned char>(At(image, column, row)[0] + change);
    }
  }
  return image;
}
}

TEST(ImageDifference, EdgesMovedByOnePixelAndAntiAliasingAreFree)
{
  zebRGBImage left = Flat(40, 30, 0, 0, 0);
  zebRGBImage shifted = left;
  zebRGBImage blended = left;
  for (int y = 0; y < 30; ++y)
  {
    for (int x = 0; x < 40; ++x)
    {
      At(left, x, y)[0] = x >= 20 ? 200 : 0;
      At(shifted, x, y)[0] = x >= 21 ? 200 : 0;
      At(blended, x, y)[0] = x > 20 ? 200 : x == 20 ? 90 : 0;
    }
  }
  EXPECT_EQ(zebImageDifference::Compare(left, left).Error, 0.0);
  zebImageComparison c = zebImageDifference::Compare(left, shifted);
  EXPECT_EQ(c.Error, 0.0);
  EXPECT_EQ(c.DifferingPixels, 0);
  EXPECT_EQ(zebImageDifference::Compare(blended, left).Error, 0.0);
  // Moved by two pixels, the edge costs its full height along two columns.
  zebRGBImage far = shifted;
  for (int y = 0; y < 30; ++y)
  {
    At(far, 21, y)[0] = 0;
  }
  c = zebImageDifference::Compare(far, left);
  EXPECT_EQ(c.DifferingPixels, 2 * 30);
  EXPECT_DOUBLE_EQ(c.Error, 2 * 16 * 320 / 256.0);
}

TEST(ImageDifference, SmallAndIsolatedDifferencesPass)
{
  zebRGBImage grey = Flat(40, 30, 100, 120, 140);
  // Noise of up to the tolerance everywhere counts nothing.
  zebRGBImage noisy = grey;
  for (size_t i = 0; i < noisy.Pixels.size(); ++i)
  {
    noisy.Pixels[i] = static_cast<unsigned char>(noisy.Pixels[i] + (i * 7) % 13 - 6);
  }
  EXPECT_EQ(zebImageDifference::Compare(noisy, grey).Error, 0.0);
  // A lone pixel changed in green and blue differs by its largest channel
  // change and, that being strong, costs 320 over its region.
  zebRGBImage spot = grey;
  At(spot, 2, 2)[1] = 40;
  At(spot, 2, 2)[2] = 240;
  zebImageComparison c = zebImageDifference::Compare(spot, grey);
  EXPECT_EQ(c.DifferingPixels, 1);
  EXPECT_EQ(c.PixelDifferences[2 * 40 + 2], 100);
  EXPECT_EQ(c.PixelDifferences[0], 0);
  EXPECT_DOUBLE_EQ(c.Error, 320 / 256.0);
  // Eight pixels turned from black to white in one place: the most that
  // passes, at the threshold.
  zebRGBImage black = Flat(40, 30, 0, 0, 0);
  zebRGBImage specks = black;
  for (int i = 0; i < 8; ++i)
  {
    std::fill(At(specks, 4 + 3 * (i % 4), 4 + 3 * (i / 4)),
              At(specks, 5 + 3 * (i % 4), 4 + 3 * (i / 4)),
              255);
  }
  EXPECT_DOUBLE_EQ(zebImageDifference::Compare(specks, black).Error, 10.0);
}

TEST(ImageDifference, ARegionVisiblyOffFailsWhateverTheImageSize)
{
  for (int side : { 40, 400 })
  {
    zebRGBImage grey = Flat(side, side, 100, 120, 140);
    zebImageComparison c = zebImageDifference::Compare(ChangeSquare(grey, 17, 9, 16, 11), grey);
    EXPECT_DOUBLE_EQ(c.Error, 11.0) << side;
    EXPECT_EQ(c.RegionX, 17);
    EXPECT_EQ(c.RegionY, 9);
    EXPECT_EQ(c.RegionWidth, 16);
    EXPECT_DOUBLE_EQ(zebImageDifference::Compare(grey, ChangeSquare(grey, 17, 9, 16, -11)).Error,
                     11.0);
    EXPECT_DOUBLE_EQ(zebImageDifference::Compare(ChangeSquare(grey, 3, 3, 16, 9), grey).Error, 9.0);
    // A small square strongly changed: 5 by 5 pixels costing 320 each.
    EXPECT_DOUBLE_EQ(zebImageDifference::Compare(ChangeSquare(grey, 3, 3, 5, 120), grey).Error,
                     25 * 320 / 256.0);
  }
  // An image smaller than a region is one region.
  zebRGBImage tiny = Flat(8, 4, 0, 0, 0);
  zebRGBImage changed = ChangeSquare(tiny, 0, 0, 4, 64);
  zebImageComparison c = zebImageDifference::Compare(changed, tiny);
  EXPECT_EQ(c.RegionWidth, 8);
  EXPECT_EQ(c.RegionHeight, 4);
  EXPECT_DOUBLE_EQ(c.Error, 16 * 320 / 32.0);
}

namespace
{
// Sets length pixels from (x, y) on, a step of (dx, dy) apart, to one colour.
zebRGBImage
Line(zebRGBImage image, int x, int y, int dx, int dy, int length, const unsigned char rgb[3])
{
  for (int i = 0; i < length; ++i)
  {
    std::copy(rgb, rgb + 3, At(image, x + i * dx, y + i * dy));
  }
  return image;
}

// A vertical edge: left of column edge the colour left, from it on right,
// and column edge itself blend when given.
zebRGBImage Edge(int side,
                 int edge,
                 const unsigned char left[3],
                 const unsigned char right[3],
                 const unsigned char* blend = nullptr)
{
  zebRGBImage image = Flat(side, side, 0, 0, 0);
  for (int x = 0; x < side; ++x)
  {
    image = Line(image, x, 0, 0, 1, side, x < edge ? left : x == edge && blend ? blend : right);
  }
  return image;
}

// Every byte moved by -3..3 levels, the same way each run.
zebRGBImage Noisy(zebRGBImage image)
{
  for (size_t i = 0; i < image.Pixels.size(); ++i)
  {
    image.Pixels[i] = static_cast<unsigned char>(image.Pixels[i] + (i * 5 + i / 7) % 7 - 3);
  }
  return image;
}
}

// Thin and small features that a person sees fail, each with its error; the
// changes a person does not see pass.
TEST(ImageDifference, ThinAndSmallFeaturesFailAndUnseenChangesPass)
{
  const unsigned char black[3] = { 0, 0, 0 }, white[3] = { 255, 255, 255 };
  const unsigned char grey150[3] = { 150, 150, 150 }, grey48[3] = { 48, 48, 48 };
  const unsigned char grey30[3] = { 30, 30, 30 }, red[3] = { 255, 0, 0 };
  const unsigned char green[3] = { 0, 255, 0 }, yellow[3] = { 255, 255, 0 };
  const unsigned char blue[3] = { 0, 0, 200 }, redBlue[3] = { 128, 0, 100 };
  const unsigned char moreBlue[3] = { 51, 0, 160 }, grey90[3] = { 90, 90, 90 };
  const zebRGBImage dark = Flat(400, 400, 0, 0, 0);
  const zebRGBImage grey = Flat(400, 400, 100, 120, 140);
  const zebRGBImage redGreen = Edge(400, 200, red, green);
  struct
  {
    const char* What;
    zebRGBImage Test;
    const zebRGBImage& Baseline;
    double Error;  // strong pixels cost 320 each over a region of 256
  } cases[] = {
    { "1-px grey (150) line across black",
      Line(dark, 0, 200, 1, 0, 400, grey150),
      dark,
      16 * 320 / 256.0 },
    { "1-px white line 10 px long on black",
      Line(dark, 50, 60, 1, 0, 10, white),
      dark,
      10 * 320 / 256.0 },
    { "red/green edge with yellow and black boundary columns",
      Line(Line(redGreen, 199, 0, 0, 1, 400, yellow), 200, 0, 0, 1, 400, black),
      redGreen,
      2 * 16 * 320 / 256.0 },
    { "diagonal line of 10 px 48 levels off",
      Line(dark, 30, 30, 1, 1, 10, grey48),
      dark,
      10 * 320 / 256.0 },
    { "line of 9 px 48 levels off", Line(dark, 300, 20, 0, 1, 9, grey48), dark, 9 * 320 / 256.0 },
    { "4 by 4 blob 96 levels off", ChangeSquare(grey, 200, 300, 4, 96), grey, 16 * 320 / 256.0 },
    // Must pass.
    { "line of 16 px 30 levels off",
      Line(dark, 100, 100, 1, 0, 16, grey30),
      dark,
      16 * 140 / 256.0 },
    { "eight pixels 48 levels off", Line(dark, 100, 100, 2, 0, 8, grey48), dark, 10.0 },
    { "noise of 3 levels", Noisy(grey), grey, 0.0 },
    { "anti-aliased edge moved by one pixel",
      Edge(400, 201, black, white, grey90),
      Edge(400, 200, black, white, grey90),
      0.0 },
    { "anti-aliased colour edge moved by part of a pixel",
      Edge(400, 200, red, blue, moreBlue),
      Edge(400, 200, red, blue, redBlue),
      0.0 },
  };
  for (const auto& c : cases)
  {
    const zebImageComparison comparison = zebImageDifference::Compare(c.Test, c.Baseline);
    EXPECT_DOUBLE_EQ(comparison.Error, c.Error) << c.What;
    printf("%s: image error %g\n", c.What, comparison.Error);
  }
}

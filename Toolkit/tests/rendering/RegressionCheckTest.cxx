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

#include <sys/stat.h>

namespace
{
bool Exists(const std::string& path)
{
  struct stat status;
  return stat(path.c_str(), &status) == 0;
}

// Runs the check with the given arguments, capturing what it prints.
int Check(std::vector<std::string> args, zebRenderWindow* window, std::string* err = nullptr)
{
  std::vector<char*> argv;
  for (std::string& arg : args)
  {
    argv.push_back(&arg[0]);
  }
  argv.push_back(nullptr);
  testing::internal::CaptureStderr();
  const int answer = zebTesting::Test(static_cast<int>(args.size()), argv.data(), window, 10.0);
  const std::string printed = testing::internal::GetCapturedStderr();
  if (err)
  {
    *err = printed;
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
  EXPECT_EQ(Check({ "-V", this->Baseline, "-T", t }, this->Window), zebTesting::PASSED);
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
  std::string err;
  EXPECT_EQ(Check({ "-V", baseline, "-T", this->Directory, "-I" }, this->Window, &err),
            zebTesting::FAILED);
  const std::string test = this->Directory + "/Other-test.png";
  const std::string difference = this->Directory + "/Other-diff.png";
  EXPECT_NE(err.find("image error"), std::string::npos) << err;
  EXPECT_NE(err.find(test), std::string::npos) << err;
  EXPECT_NE(err.find(difference), std::string::npos) << err;

  zebRGBImage written;
  std::string error;
  ASSERT_TRUE(zebPNGImage::Read(test, written, error)) << error;
  EXPECT_TRUE(written.Pixels == this->Image.Pixels);
  ASSERT_TRUE(zebPNGImage::Read(difference, written, error)) << error;
  EXPECT_EQ(written.Width, 80);
  EXPECT_EQ(written.Height, 60);
  EXPECT_EQ(written.Pixels.back(), 0);
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

TEST(ImageDifference, OnePixelShiftsAreFreeOtherChangesCostTheirDifference)
{
  zebRGBImage left;
  left.Width = 10;
  left.Height = 4;
  left.Pixels.assign(10 * 4 * 3, 0);
  zebRGBImage shifted = left;
  for (int y = 0; y < 4; ++y)
  {
    for (int x = 0; x < 10; ++x)
    {
      const unsigned char value = 200;
      if (x >= 5)
      {
        left.Pixels[(y * 10 + x) * 3] = value;
      }
      if (x >= 6)
      {
        shifted.Pixels[(y * 10 + x) * 3] = value;
      }
    }
  }
  zebRGBImage difference;
  EXPECT_EQ(zebImageDifference::Compare(left, shifted, difference), 0.0);
  EXPECT_EQ(zebImageDifference::Compare(left, left, difference), 0.0);

  // A lone pixel changed in green and blue counts its largest channel change.
  zebRGBImage spot = left;
  spot.Pixels[(2 * 10 + 2) * 3 + 1] = 40;
  spot.Pixels[(2 * 10 + 2) * 3 + 2] = 100;
  EXPECT_DOUBLE_EQ(zebImageDifference::Compare(spot, left, difference), 100.0 / 40.0);
  EXPECT_EQ(difference.Pixels[(2 * 10 + 2) * 3], 100);
  EXPECT_EQ(difference.Pixels[0], 0);
}

// The image regression check: its answers for each combination of options
// and baselines, the images a failure leaves behind, how baselines are read,
// and the error metric.
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
#include <png.h>

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <set>

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
  EXPECT_EQ(err, "");
  EXPECT_EQ(out,
            "<CTestMeasurement type=\"numeric/double\" name=\"ImageError\">0</CTestMeasurement>\n");
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
  // The folder for the images is made when it does not exist.
  const std::string images = this->Directory + "/made/here";
  std::string err, out;
  EXPECT_EQ(Check({ "-V", baseline, "-T", images, "-I" }, this->Window, &err, &out),
            zebTesting::FAILED);
  const std::string test = images + "/Other-test.png";
  const std::string difference = images + "/Other-diff.png";
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

  const std::string compare = images + "/Other-compare.png";
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
// A way of storing a picture in a PNG file, as image tools write them.
struct Encoding
{
  const char* What;
  int ColourType;  // PNG_COLOR_TYPE_*
  int BitDepth;
  bool Interlaced;
  bool LinearGamma;       // samples of linear light, said so by a gAMA chunk of 1.0
  bool SRGBChunk;         // an sRGB chunk
  int TranslucentPixels;  // the first pixels of the top row, with alpha 0
};

// One sample of a channel value (0..255) at the encoding's depth.
unsigned Sample(unsigned char value, const Encoding& encoding)
{
  const unsigned largest = (1u << encoding.BitDepth) - 1;
  if (encoding.LinearGamma)
  {
    return static_cast<unsigned>(std::lround(largest * std::pow(value / 255.0, 2.2)));
  }
  return value * largest / 255;
}

// Packs samples of the encoding's depth into bytes, big-endian.
void Pack(std::vector<unsigned char>& row, unsigned sample, int depth, size_t& bits)
{
  if (depth >= 8)
  {
    for (int shift = depth - 8; shift >= 0; shift -= 8)
    {
      row.push_back(static_cast<unsigned char>(sample >> shift));
    }
    return;
  }
  if (bits % 8 == 0)
  {
    row.push_back(0);
  }
  row.back() |= static_cast<unsigned char>(sample << (8 - depth - bits % 8));
  bits += depth;
}

// The rows of the file: grey from the red channel, palette indices into
// the given colours, alpha 0 for the first translucent pixels.
std::vector<std::vector<unsigned char>> EncodeRows(const zebRGBImage& image,
                                                   const Encoding& encoding,
                                                   const std::vector<unsigned>& palette)
{
  std::vector<std::vector<unsigned char>> rows(image.Height);
  for (int y = 0; y < image.Height; ++y)
  {
    size_t bits = 0;
    for (int x = 0; x < image.Width; ++x)
    {
      const unsigned char* pixel = &image.Pixels[(static_cast<size_t>(y) * image.Width + x) * 3];
      const bool translucent = y == 0 && x < encoding.TranslucentPixels;
      const unsigned alpha = translucent ? 0 : Sample(255, encoding);
      const int type = encoding.ColourType;
      if (type == PNG_COLOR_TYPE_PALETTE)
      {
        const unsigned colour = pixel[0] << 16 | pixel[1] << 8 | pixel[2];
        const auto index = std::find(palette.begin(), palette.end(), colour) - palette.begin();
        Pack(rows[y], static_cast<unsigned>(index), encoding.BitDepth, bits);
        continue;
      }
      const int colours = type & PNG_COLOR_MASK_COLOR ? 3 : 1;
      for (int c = 0; c < colours; ++c)
      {
        Pack(rows[y], Sample(pixel[c], encoding), encoding.BitDepth, bits);
      }
      if (type & PNG_COLOR_MASK_ALPHA)
      {
        Pack(rows[y], alpha, encoding.BitDepth, bits);
      }
    }
  }
  return rows;
}

// Writes the rows with libpng's own calls, which a jump leaves on error.
bool WriteRows(FILE* file,
               const zebRGBImage& image,
               const Encoding& encoding,
               const std::vector<png_color>& palette,
               png_bytep* rows)
{
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png)))
  {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, file);
  png_set_IHDR(png,
               info,
               image.Width,
               image.Height,
               encoding.BitDepth,
               encoding.ColourType,
               encoding.Interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  if (encoding.LinearGamma)
  {
    png_set_gAMA(png, info, 1.0);
  }
  if (encoding.SRGBChunk)
  {
    png_set_sRGB(png, info, PNG_sRGB_INTENT_PERCEPTUAL);
  }
  if (encoding.ColourType == PNG_COLOR_TYPE_PALETTE)
  {
    png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
    std::vector<png_byte> alphas(palette.size(), 255);
    if (encoding.TranslucentPixels > 0)
    {
      alphas[0] = 0;
    }
    png_set_tRNS(png, info, alphas.data(), static_cast<int>(alphas.size()), nullptr);
  }
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

// Writes image in the encoding; a palette holds the image's colours, the
// first of them translucent when the encoding has translucent pixels.
bool WriteEncoded(const std::string& path, const zebRGBImage& image, const Encoding& encoding)
{
  std::vector<unsigned> colours;
  std::vector<png_color> palette;
  for (size_t p = 0; p < image.Pixels.size(); p += 3)
  {
    const unsigned colour = image.Pixels[p] << 16 | image.Pixels[p + 1] << 8 | image.Pixels[p + 2];
    if (std::find(colours.begin(), colours.end(), colour) == colours.end())
    {
      colours.push_back(colour);
      palette.push_back({ image.Pixels[p], image.Pixels[p + 1], image.Pixels[p + 2] });
    }
  }
  std::vector<std::vector<unsigned char>> rows = EncodeRows(image, encoding, colours);
  std::vector<png_bytep> pointers;
  for (auto& row : rows)
  {
    pointers.push_back(row.data());
  }
  FILE* file = fopen(path.c_str(), "wb");
  if (!file)
  {
    return false;
  }
  const bool written = WriteRows(file, image, encoding, palette, pointers.data());
  return fclose(file) == 0 && written;
}

// A picture of 216 colours, or of 4 greys.
zebRGBImage TestPicture(bool grey)
{
  zebRGBImage image;
  image.Width = 48;
  image.Height = 30;
  for (int y = 0; y < image.Height; ++y)
  {
    for (int x = 0; x < image.Width; ++x)
    {
      const auto level = static_cast<unsigned char>(85 * ((x + y) % 4));
      if (grey)
      {
        image.Pixels.insert(image.Pixels.end(), { level, level, level });
        continue;
      }
      image.Pixels.insert(image.Pixels.end(),
                          { static_cast<unsigned char>(51 * (x % 6)),
                            static_cast<unsigned char>(51 * (y % 6)),
                            static_cast<unsigned char>(51 * ((x / 6 + y / 6) % 6)) });
    }
  }
  return image;
}
}

// Alternative baselines <name>_1.png to <name>_9.png: any may match; a
// failure is reported against the closest. A translucent baseline matches
// nothing, in one line.
TEST_F(RegressionCheck, AlternativeAndTranslucentBaselines)
{
  zebRGBImage other = this->Image, blob = this->Image;
  for (size_t i = 0; i < other.Pixels.size() / 2; ++i)
  {
    other.Pixels[i] = static_cast<unsigned char>(255 - other.Pixels[i]);
  }
  for (int y = 20; y < 24; ++y)
  {
    for (int x = 30; x < 34; ++x)
    {
      unsigned char& red = blob.Pixels[(y * 80 + x) * 3];
      red = static_cast<unsigned char>(red > 127 ? red - 96 : red + 96);
    }
  }
  const Encoding translucent = { "RGBA", PNG_COLOR_TYPE_RGB_ALPHA, 8, false, false, false, 5 };
  struct
  {
    const char* What;
    std::vector<std::pair<std::string, const zebRGBImage*>> Files;  // null: translucent copy
    int Answer;
    const char* Closest;  // the baseline a failure is reported against, if any
  } cases[] = {
    { "an alternative matches",
      { { "S", &other }, { "S_1", &this->Image } },
      zebTesting::PASSED,
      nullptr },
    { "none matches", { { "S", &other }, { "S_3", &blob } }, zebTesting::FAILED, "S_3" },
    { "the baseline is translucent", { { "S", nullptr } }, zebTesting::FAILED, nullptr },
    { "translucent, with an alternative that matches",
      { { "S", nullptr }, { "S_9", &this->Image } },
      zebTesting::PASSED,
      nullptr },
    { "_10 is no alternative",
      { { "S", &other }, { "S_10", &this->Image } },
      zebTesting::FAILED,
      "S" },
    { "only an alternative exists", { { "S_2", &this->Image } }, zebTesting::PASSED, nullptr },
  };
  for (const auto& c : cases)
  {
    const std::string directory = MakeTempDirectory();
    for (const auto& file : c.Files)
    {
      const std::string path = directory + "/" + file.first + ".png";
      std::string error;
      ASSERT_TRUE(file.second ? zebPNGImage::Write(path, *file.second, error)
                              : WriteEncoded(path, this->Image, translucent))
        << c.What;
    }
    std::string err, out;
    const std::string baseline = directory + "/S.png";
    EXPECT_EQ(Check({ "-V", baseline, "-T", directory }, this->Window, &err, &out), c.Answer)
      << c.What << "\n"
      << err;
    const std::string valid = "name=\"ValidImage\">";
    if (c.Closest)
    {
      const std::string closest = directory + "/" + c.Closest + ".png";
      EXPECT_NE(err.find("threshold 10 against " + closest), std::string::npos) << c.What << err;
      EXPECT_NE(out.find(valid + closest + "<"), std::string::npos) << c.What << out;
      EXPECT_TRUE(Exists(directory + "/S-compare.png")) << c.What;
    }
    else if (c.Answer == zebTesting::FAILED)
    {
      EXPECT_EQ(err.substr(0, err.find('\n') + 1),
                "zebTesting: the baseline image " + baseline +
                  " has 5 pixels that are not opaque (alpha below 255), but a rendering is "
                  "opaque\n")
        << c.What;
      EXPECT_EQ(out.find(valid), std::string::npos) << c.What;
      EXPECT_TRUE(Exists(directory + "/S-test.png")) << c.What;
    }
    else
    {
      EXPECT_EQ(err, "") << c.What;
      EXPECT_EQ(
        out, "<CTestMeasurement type=\"numeric/double\" name=\"ImageError\">0</CTestMeasurement>\n")
        << c.What;
    }
  }
}

// A baseline compares by the picture it holds, however the file stores it;
// a file that says nothing of its colour space is sRGB.
TEST(PNGImage, EveryEncodingReadsAsThePictureItHolds)
{
  const int rgb = PNG_COLOR_TYPE_RGB, rgba = PNG_COLOR_TYPE_RGB_ALPHA;
  const int grey = PNG_COLOR_TYPE_GRAY, greyAlpha = PNG_COLOR_TYPE_GRAY_ALPHA;
  const int palette = PNG_COLOR_TYPE_PALETTE;
  const Encoding encodings[] = {
    { "8-bit RGB", rgb, 8, false, false, false, 0 },
    { "16-bit RGB without colour chunks", rgb, 16, false, false, false, 0 },
    { "16-bit RGB of linear light (gAMA 1.0)", rgb, 16, false, true, false, 0 },
    { "8-bit RGB with an sRGB chunk", rgb, 8, false, false, true, 0 },
    { "8-bit RGB, interlaced", rgb, 8, true, false, false, 0 },
    { "8-bit RGBA, opaque", rgba, 8, false, false, false, 0 },
    { "16-bit RGBA, opaque, interlaced", rgba, 16, true, false, false, 0 },
    { "8-bit palette", palette, 8, false, false, false, 0 },
    { "8-bit grey", grey, 8, false, false, false, 0 },
    { "16-bit grey", grey, 16, false, false, false, 0 },
    { "2-bit grey, interlaced", grey, 2, true, false, false, 0 },
    { "8-bit grey and alpha, opaque", greyAlpha, 8, false, false, false, 0 },
    { "8-bit RGBA, 5 pixels transparent", rgba, 8, false, false, false, 5 },
    { "16-bit grey and alpha, 3 pixels transparent", greyAlpha, 16, false, false, false, 3 },
    { "palette, its first colour transparent", palette, 8, false, false, false, 1 },
  };
  const std::string directory = MakeTempDirectory();
  for (const Encoding& encoding : encodings)
  {
    const zebRGBImage picture = TestPicture(!(encoding.ColourType & PNG_COLOR_MASK_COLOR));
    const std::string path = directory + "/picture.png";
    ASSERT_TRUE(WriteEncoded(path, picture, encoding)) << encoding.What;
    zebRGBImage read;
    std::string error;
    ASSERT_TRUE(zebPNGImage::Read(path, read, error)) << encoding.What << ": " << error;
    ASSERT_EQ(read.Width, picture.Width) << encoding.What;
    ASSERT_EQ(read.Height, picture.Height) << encoding.What;
    int largest = 0;
    for (size_t i = 0; i < read.Pixels.size(); ++i)
    {
      largest = std::max(largest, std::abs(read.Pixels[i] - picture.Pixels[i]));
    }
    EXPECT_LE(largest, encoding.LinearGamma ? 1 : 0) << encoding.What;
    // A palette colour made transparent is every pixel of that colour.
    long translucent = encoding.TranslucentPixels;
    if (encoding.ColourType == PNG_COLOR_TYPE_PALETTE && translucent > 0)
    {
      translucent = 0;
      for (size_t p = 0; p < picture.Pixels.size(); p += 3)
      {
        const auto pixel = picture.Pixels.begin() + p;
        translucent += std::equal(pixel, pixel + 3, picture.Pixels.begin());
      }
    }
    EXPECT_EQ(read.TranslucentPixels, translucent) << encoding.What;
  }
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
    // A region 11 levels off, which costs twice its difference as a pattern of
    // that contrast would, fails; 10 levels off is the most that passes.
    zebImageComparison c = zebImageDifference::Compare(ChangeSquare(grey, 17, 9, 16, 11), grey);
    EXPECT_DOUBLE_EQ(c.Error, 22.0) << side;
    EXPECT_EQ(c.RegionX, 17);
    EXPECT_EQ(c.RegionY, 9);
    EXPECT_EQ(c.RegionWidth, 16);
    EXPECT_DOUBLE_EQ(zebImageDifference::Compare(grey, ChangeSquare(grey, 17, 9, 16, -11)).Error,
                     22.0);
    EXPECT_DOUBLE_EQ(zebImageDifference::Compare(ChangeSquare(grey, 3, 3, 16, 10), grey).Error,
                     10.0);
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

// Count pixels 100 levels brighter, spread over the image a row of about 8
// apart in each direction, none within 20 pixels of another.
zebRGBImage Specks(zebRGBImage image, int count)
{
  for (int i = 0; i < count; ++i)
  {
    const int x = 20 + (i % 8) * 45 + (i * 7) % 13, y = 20 + (i / 8) * 70 + (i * 11) % 17;
    for (int c = 0; c < 3; ++c)
    {
      At(image, x, y)[c] = static_cast<unsigned char>(At(image, x, y)[c] + 100);
    }
  }
  return image;
}

// Every pixel of a width by height patch at (x, y) where pattern(column,
// row) holds changed by change levels in every channel.
template<typename Pattern>
zebRGBImage
Patch(zebRGBImage image, int x, int y, int width, int height, int change, Pattern pattern)
{
  for (int row = y; row < y + height; ++row)
  {
    for (int column = x; column < x + width; ++column)
    {
      for (int c = 0; pattern(column, row) && c < 3; ++c)
      {
        At(image, column, row)[c] = static_cast<unsigned char>(At(image, column, row)[c] + change);
      }
    }
  }
  return image;
}

const double Passes = -1;

bool Stripe(int x, int y)
{
  return (x + y) / 2 % 2 == 0;
}

bool Check2(int x, int y)
{
  return (x / 2 + y / 2) % 2 == 0;
}

bool Dot(int x, int y)
{
  return x % 9 == 0 && y % 9 == 0;
}

// A drawing as a renderer makes it, moved right and down by (dx, dy)
// pixels, each pixel the mean of samples by samples points: a disc, a ring
// 1.2 pixels wide and a line 1 pixel wide on a dark background.
zebRGBImage Drawing(double dx, double dy, int samples)
{
  zebRGBImage image = Flat(400, 400, 30, 50, 100);
  const double background[3] = { 30, 50, 100 }, disc[3] = { 200, 60, 40 };
  const double ring[3] = { 230, 230, 230 }, line[3] = { 180, 220, 120 };
  for (int y = 0; y < 400; ++y)
  {
    for (int x = 0; x < 400; ++x)
    {
      double sum[3] = { 0, 0, 0 };
      for (int sy = 0; sy < samples; ++sy)
      {
        for (int sx = 0; sx < samples; ++sx)
        {
          const double px = x + (sx + 0.5) / samples - dx - 200.5;
          const double py = y + (sy + 0.5) / samples - dy - 200.5;
          const double r = std::sqrt(px * px + py * py);
          const double* colour = r < 60                                 ? disc
                                 : std::fabs(r - 120) < 0.6             ? ring
                                 : std::fabs(px - 0.3 * py - 150) < 0.5 ? line
                                                                        : background;
          for (int c = 0; c < 3; ++c)
          {
            sum[c] += colour[c];
          }
        }
      }
      for (int c = 0; c < 3; ++c)
      {
        At(image, x, y)[c] = static_cast<unsigned char>(std::lround(sum[c] / (samples * samples)));
      }
    }
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
    // Strong pixels cost 320 each, over a region of 256 or specks over 512;
    // Passes: not worked out by hand, at most the threshold.
    double Error;
  } cases[] = {
    { "1-px grey (150) line across black",
      Line(dark, 0, 200, 1, 0, 400, grey150),
      dark,
      400 * 320 / 512.0 },
    { "1-px white line 10 px long on black",
      Line(dark, 50, 60, 1, 0, 10, white),
      dark,
      10 * 320 / 256.0 },
    { "red/green edge with yellow and black boundary columns",
      Line(Line(redGreen, 199, 0, 0, 1, 400, yellow), 200, 0, 0, 1, 400, black),
      redGreen,
      800 * 320 / 512.0 },
    { "diagonal line of 10 px 48 levels off",
      Line(dark, 30, 30, 1, 1, 10, grey48),
      dark,
      10 * 320 / 256.0 },
    { "line of 9 px 48 levels off", Line(dark, 300, 20, 0, 1, 9, grey48), dark, 9 * 320 / 256.0 },
    { "4 by 4 blob 96 levels off", ChangeSquare(grey, 200, 300, 4, 96), grey, 16 * 320 / 256.0 },
    { "40 specks 100 levels brighter, spread over the image",
      Specks(grey, 40),
      grey,
      40 * 320 / 512.0 },
    { "20 specks 100 levels brighter", Specks(grey, 20), grey, 20 * 320 / 512.0 },
    { "a dot 100 levels brighter every 9th pixel of every 9th row of 160 by 160",
      Patch(grey, 100, 100, 160, 160, 100, Dot),
      grey,
      17 * 17 * 320 / 512.0 },
    { "diagonal stripes 2 px wide, every other one 15 levels darker, over 50 by 40",
      Patch(grey, 150, 150, 50, 40, -15, Stripe),
      grey,
      15.0 },
    { "checks 2 px wide, every other one 12 levels brighter, over 50 by 40",
      Patch(grey, 150, 150, 50, 40, 12, Check2),
      grey,
      12.0 },
    // Must pass.
    { "line of 16 px 30 levels off",
      Line(dark, 100, 100, 1, 0, 16, grey30),
      dark,
      16 * 140 / 256.0 },
    { "eight pixels 48 levels off", Line(dark, 100, 100, 2, 0, 8, grey48), dark, 10.0 },
    { "10 specks 100 levels brighter", Specks(grey, 10), grey, 10 * 320 / 512.0 },
    { "diagonal stripes 8 levels darker", Patch(grey, 150, 150, 50, 40, -8, Stripe), grey, 4.0 },
    { "noise of 3 levels", Noisy(grey), grey, 0.0 },
    { "anti-aliased drawing moved half a pixel down",
      Drawing(0, 0.5, 4),
      Drawing(0, 0, 4),
      Passes },
    { "anti-aliased drawing moved by (0.3, -0.7) pixels",
      Drawing(0.3, -0.7, 4),
      Drawing(0, 0, 4),
      Passes },
    { "anti-aliased drawing moved by one pixel down and right",
      Drawing(1, 1, 4),
      Drawing(0, 0, 4),
      Passes },
    { "drawing of one sample per pixel moved half a pixel right and down",
      Drawing(0.5, 0.5, 1),
      Drawing(0, 0, 1),
      Passes },
    { "drawing of one sample per pixel against 16", Drawing(0, 0, 1), Drawing(0, 0, 4), Passes },
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
    if (c.Error == Passes)
    {
      EXPECT_LE(comparison.Error, 10.0) << c.What;
    }
    else
    {
      EXPECT_DOUBLE_EQ(comparison.Error, c.Error) << c.What;
    }
    printf("%s: image error %g\n", c.What, comparison.Error);
  }
}

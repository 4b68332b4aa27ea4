// Writes changed copies of a rendering, the cases that bench/image-cases.sh
// judges by the regression check and by butteraugli:
//
//   ImageCases <baseline.png> <directory>
//
// The glass is where the baseline is more than 8 levels from its top-left
// pixel's colour; the patch is 50 by 40 pixels of the wine.
#include <zebPNGImage.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

namespace
{
using Change = std::function<int(int x, int y, bool onGlass)>;

bool OnGlass(const zebRGBImage& image, int x, int y)
{
  const unsigned char* pixel = &image.Pixels[(static_cast<size_t>(y) * image.Width + x) * 3];
  int distance = 0;
  for (int c = 0; c < 3; ++c)
  {
    distance = std::max(distance, std::abs(pixel[c] - image.Pixels[c]));
  }
  return distance > 8;
}

bool InPatch(int x, int y)
{
  return x >= 174 && x < 224 && y >= 144 && y < 184;
}

// Writes the baseline with every pixel moved by change(x, y, onGlass) levels.
bool WriteCase(const zebRGBImage& baseline, const std::string& path, const Change& change)
{
  zebRGBImage image = baseline;
  for (int y = 0; y < image.Height; ++y)
  {
    for (int x = 0; x < image.Width; ++x)
    {
      const int amount = change(x, y, OnGlass(baseline, x, y));
      unsigned char* pixel = &image.Pixels[(static_cast<size_t>(y) * image.Width + x) * 3];
      for (int c = 0; c < 3; ++c)
      {
        pixel[c] = static_cast<unsigned char>(std::min(std::max(pixel[c] + amount, 0), 255));
      }
    }
  }
  std::string error;
  if (!zebPNGImage::Write(path, image, error))
  {
    fprintf(stderr, "ImageCases: %s: %s\n", path.c_str(), error.c_str());
    return false;
  }
  return true;
}
}

int main(int argc, char* argv[])
{
  zebRGBImage baseline;
  std::string error;
  if (argc != 3 || !zebPNGImage::Read(argv[1], baseline, error))
  {
    fprintf(stderr, "usage: ImageCases <baseline.png> <directory> %s\n", error.c_str());
    return 1;
  }
  const std::string directory = argv[2];
  const struct
  {
    const char* Name;
    Change Amount;
  } cases[] = {
    { "specks-42",
      [](int x, int y, bool glass)
      { return glass && (x * 7919 + y * 104729) % 650 == 0 ? 100 : 0; } },
    { "specks-9",
      [](int x, int y, bool glass)
      { return glass && (x * 7919 + y * 104729) % 2900 == 0 ? 100 : 0; } },
    { "dots-9",
      [](int x, int y, bool glass) { return glass && x % 9 == 0 && y % 9 == 0 ? 100 : 0; } },
    { "stripes-15",
      [](int x, int y, bool) { return InPatch(x, y) && (x + y) / 2 % 2 == 0 ? -15 : 0; } },
    { "stripes-12",
      [](int x, int y, bool) { return InPatch(x, y) && (x + y) / 2 % 2 == 0 ? -12 : 0; } },
    { "stripes-8",
      [](int x, int y, bool) { return InPatch(x, y) && (x + y) / 2 % 2 == 0 ? -8 : 0; } },
    { "checks-12",
      [](int x, int y, bool) { return InPatch(x, y) && (x / 2 + y / 2) % 2 == 0 ? 12 : 0; } },
    { "noise-3", [](int x, int y, bool) { return (x * 5 + y * 11 + x * y) % 7 - 3; } },
  };
  for (const auto& c : cases)
  {
    if (!WriteCase(baseline, directory + "/" + c.Name + ".png", c.Amount))
    {
      return 1;
    }
  }
  return 0;
}

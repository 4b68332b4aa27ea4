// Heat map and side-by-side images of a failed regression check.
#include "zebDifferenceImages.h"

#include <algorithm>

namespace
{
const int Gap = 4;

void SetPixel(zebRGBImage& image, int x, int y, unsigned char r, unsigned char g, unsigned char b)
{
  unsigned char* pixel = &image.Pixels[(static_cast<size_t>(y) * image.Width + x) * 3];
  pixel[0] = r;
  pixel[1] = g;
  pixel[2] = b;
}

// Paints a pixel with the colour of its difference's band.
void PaintDifference(zebRGBImage& image, int x, int y, int difference)
{
  if (difference >= 128)
  {
    SetPixel(image, x, y, 255, 0, 0);
  }
  else if (difference >= 48)
  {
    SetPixel(image, x, y, 255, 220, 0);
  }
  else if (difference >= 16)
  {
    SetPixel(image, x, y, 0, 200, 0);
  }
  else
  {
    SetPixel(image, x, y, 40, 80, 255);
  }
}

void OutlineRegion(zebRGBImage& image, const zebImageComparison& comparison)
{
  const int left = comparison.RegionX, top = comparison.RegionY;
  const int right = left + comparison.RegionWidth - 1, bottom = top + comparison.RegionHeight - 1;
  for (int x = left; x <= right; ++x)
  {
    SetPixel(image, x, top, 255, 255, 255);
    SetPixel(image, x, bottom, 255, 255, 255);
  }
  for (int y = top; y <= bottom; ++y)
  {
    SetPixel(image, left, y, 255, 255, 255);
    SetPixel(image, right, y, 255, 255, 255);
  }
}
}

zebRGBImage zebDifferenceImages::HeatMap(const zebRGBImage& test,
                                         const zebImageComparison& comparison)
{
  zebRGBImage image = test;
  for (int y = 0; y < test.Height; ++y)
  {
    for (int x = 0; x < test.Width; ++x)
    {
      const size_t p = static_cast<size_t>(y) * test.Width + x;
      const int difference = comparison.PixelDifferences[p];
      if (difference > 0)
      {
        PaintDifference(image, x, y, difference);
        continue;
      }
      const unsigned char* pixel = &test.Pixels[3 * p];
      const auto grey =
        static_cast<unsigned char>((30 * pixel[0] + 59 * pixel[1] + 11 * pixel[2]) / 200);
      SetPixel(image, x, y, grey, grey, grey);
    }
  }
  if (comparison.RegionWidth > 0 && comparison.RegionHeight > 0)
  {
    OutlineRegion(image, comparison);
  }
  return image;
}

zebRGBImage zebDifferenceImages::SideBySide(const zebRGBImage& baseline,
                                            const zebRGBImage& test,
                                            const zebRGBImage& difference)
{
  zebRGBImage image;
  image.Width = 3 * test.Width + 2 * Gap;
  image.Height = test.Height;
  image.Pixels.assign(static_cast<size_t>(image.Width) * image.Height * 3, 255);
  const zebRGBImage* parts[3] = { &baseline, &test, &difference };
  const size_t row = static_cast<size_t>(test.Width) * 3;
  for (int part = 0; part < 3; ++part)
  {
    for (int y = 0; y < test.Height; ++y)
    {
      const unsigned char* from = &parts[part]->Pixels[y * row];
      unsigned char* to =
        &image.Pixels[(static_cast<size_t>(y) * image.Width + part * (test.Width + Gap)) * 3];
      std::copy(from, from + row, to);
    }
  }
  return image;
}

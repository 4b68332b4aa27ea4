// The neighbourhood-tolerant image error of regression checks.
#include "zebImageDifference.h"

#include <algorithm>
#include <cstdlib>

namespace
{
const unsigned char* PixelAt(const zebRGBImage& image, int x, int y)
{
  return &image.Pixels[(static_cast<size_t>(y) * image.Width + x) * 3];
}

int Distance(const unsigned char* a, const unsigned char* b)
{
  int largest = 0;
  for (int channel = 0; channel < 3; ++channel)
  {
    largest = std::max(largest, std::abs(a[channel] - b[channel]));
  }
  return largest;
}

// The distance from pixel (x, y) of from to the closest pixel of to within
// one pixel of (x, y).
int ClosestDistance(const zebRGBImage& from, const zebRGBImage& to, int x, int y)
{
  const unsigned char* pixel = PixelAt(from, x, y);
  int closest = 255;
  for (int ny = std::max(0, y - 1); ny <= std::min(to.Height - 1, y + 1); ++ny)
  {
    for (int nx = std::max(0, x - 1); nx <= std::min(to.Width - 1, x + 1); ++nx)
    {
      closest = std::min(closest, Distance(pixel, PixelAt(to, nx, ny)));
    }
  }
  return closest;
}
}

double zebImageDifference::Compare(const zebRGBImage& test,
                                   const zebRGBImage& baseline,
                                   zebRGBImage& difference)
{
  difference.Width = test.Width;
  difference.Height = test.Height;
  difference.Pixels.assign(test.Pixels.size(), 0);
  double total = 0.0;
  for (int y = 0; y < test.Height; ++y)
  {
    for (int x = 0; x < test.Width; ++x)
    {
      const int error =
        std::max(ClosestDistance(test, baseline, x, y), ClosestDistance(baseline, test, x, y));
      unsigned char* grey = &difference.Pixels[(static_cast<size_t>(y) * test.Width + x) * 3];
      grey[0] = grey[1] = grey[2] = static_cast<unsigned char>(error);
      total += error;
    }
  }
  const double pixels = static_cast<double>(test.Width) * test.Height;
  return pixels > 0 ? total / pixels : 0.0;
}

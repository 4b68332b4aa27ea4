// The aligned, masked and pooled image error of regression checks.
#include "zebImageDifference.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace
{
const int NeighbourCount = 9;

// The largest of the three channel differences of two pixels.
int ColourDistance(const unsigned char* a, const unsigned char* b)
{
  return std::max(std::max(std::abs(a[0] - b[0]), std::abs(a[1] - b[1])), std::abs(a[2] - b[2]));
}

// The distance from pixel to the blends of a and b: to the point of the
// line between them nearest to it, measured as ColourDistance.
double BlendDistance(const unsigned char* pixel, const unsigned char* a, const unsigned char* b)
{
  double along = 0, length = 0;
  for (int c = 0; c < 3; ++c)
  {
    along += double(pixel[c] - a[c]) * (b[c] - a[c]);
    length += double(b[c] - a[c]) * (b[c] - a[c]);
  }
  const double t = length > 0 ? std::min(std::max(along / length, 0.0), 1.0) : 0.0;
  double distance = 0;
  for (int c = 0; c < 3; ++c)
  {
    distance = std::max(distance, std::fabs(a[c] + t * (b[c] - a[c]) - pixel[c]));
  }
  return distance;
}

// How far pixel lies outside the box of the neighbours' channel ranges: no
// colour or blend of them is nearer.
int DistanceOutsideRanges(const unsigned char* pixel, const unsigned char* const neighbours[])
{
  int outside = 0;
  for (int c = 0; c < 3; ++c)
  {
    int low = 255, high = 0;
    for (int n = 0; n < NeighbourCount; ++n)
    {
      low = std::min<int>(low, neighbours[n][c]);
      high = std::max<int>(high, neighbours[n][c]);
    }
    outside = std::max(outside, std::max(low - pixel[c], pixel[c] - high));
  }
  return outside;
}

// The distance from pixel to the nearest colour of its neighbours, or blend
// of two of them (0..255).
int NeighbourhoodDistance(const unsigned char* pixel, const unsigned char* const neighbours[])
{
  int nearest = 255;
  for (int n = 0; n < NeighbourCount; ++n)
  {
    nearest = std::min(nearest, ColourDistance(pixel, neighbours[n]));
  }
  const int floor =
    std::max(DistanceOutsideRanges(pixel, neighbours), zebImageDifference::Tolerance);
  for (int a = 0; a < NeighbourCount && nearest > floor; ++a)
  {
    for (int b = a + 1; b < NeighbourCount && nearest > floor; ++b)
    {
      const double blend = BlendDistance(pixel, neighbours[a], neighbours[b]);
      nearest = std::min(nearest, static_cast<int>(std::lround(blend)));
    }
  }
  return nearest;
}

const unsigned char* PixelAt(const zebRGBImage& image, int x, int y)
{
  return &image.Pixels[(static_cast<size_t>(y) * image.Width + x) * 3];
}

// The distance from the pixel of image at (x, y) to the 3 by 3
// neighbourhood of the same place in other; the image's edges repeat.
int DistanceToOther(const zebRGBImage& image, const zebRGBImage& other, int x, int y)
{
  const unsigned char* neighbours[NeighbourCount];
  int n = 0;
  for (int dy = -1; dy <= 1; ++dy)
  {
    for (int dx = -1; dx <= 1; ++dx)
    {
      const int nx = std::min(std::max(x + dx, 0), other.Width - 1);
      const int ny = std::min(std::max(y + dy, 0), other.Height - 1);
      neighbours[n++] = PixelAt(other, nx, ny);
    }
  }
  return NeighbourhoodDistance(PixelAt(image, x, y), neighbours);
}

// The contrast of the strongest edge at each pixel: the largest colour
// distance to its right and lower neighbours.
std::vector<unsigned char> EdgeSteps(const zebRGBImage& image)
{
  std::vector<unsigned char> steps(static_cast<size_t>(image.Width) * image.Height, 0);
  for (int y = 0; y < image.Height; ++y)
  {
    for (int x = 0; x < image.Width; ++x)
    {
      const unsigned char* pixel = PixelAt(image, x, y);
      int step = 0;
      if (x + 1 < image.Width)
      {
        step = ColourDistance(pixel, PixelAt(image, x + 1, y));
      }
      if (y + 1 < image.Height)
      {
        step = std::max(step, ColourDistance(pixel, PixelAt(image, x, y + 1)));
      }
      steps[static_cast<size_t>(y) * image.Width + x] = static_cast<unsigned char>(step);
    }
  }
  return steps;
}

// The contrast of the strongest edge within MaskingReach pixels of (x, y).
int EdgeContrast(const std::vector<unsigned char>& steps, int width, int height, int x, int y)
{
  const int reach = zebImageDifference::MaskingReach;
  int contrast = 0;
  for (int row = std::max(y - reach, 0); row <= std::min(y + reach, height - 1); ++row)
  {
    const unsigned char* line = &steps[static_cast<size_t>(row) * width];
    for (int column = std::max(x - reach, 0); column <= std::min(x + reach, width - 1); ++column)
    {
      contrast = std::max<int>(contrast, line[column]);
    }
  }
  return contrast;
}

// The pixel differences that count: above the tolerance, and above what
// an edge of both images masks. Returns how many there are.
long PixelDifferences(const zebRGBImage& test,
                      const zebRGBImage& baseline,
                      std::vector<unsigned char>& differences)
{
  const int width = test.Width, height = test.Height;
  differences.assign(static_cast<size_t>(width) * height, 0);
  std::vector<unsigned char> testSteps, baselineSteps;
  long differing = 0;
  for (int y = 0; y < height; ++y)
  {
    for (int x = 0; x < width; ++x)
    {
      // Most pixels match the other image's pixel at their place.
      if (ColourDistance(PixelAt(test, x, y), PixelAt(baseline, x, y)) <=
          zebImageDifference::Tolerance)
      {
        continue;
      }
      const int difference =
        std::max(DistanceToOther(test, baseline, x, y), DistanceToOther(baseline, test, x, y));
      if (difference <= zebImageDifference::Tolerance)
      {
        continue;
      }
      if (testSteps.empty())
      {
        testSteps = EdgeSteps(test);
        baselineSteps = EdgeSteps(baseline);
      }
      const int shared = std::min(EdgeContrast(testSteps, width, height, x, y),
                                  EdgeContrast(baselineSteps, width, height, x, y));
      if (difference <=
          std::min(zebImageDifference::Masking * shared, zebImageDifference::MaskingLimit))
      {
        continue;
      }
      differences[static_cast<size_t>(y) * width + x] = static_cast<unsigned char>(difference);
      ++differing;
    }
  }
  return differing;
}

// Finds the region of the comparison's size with the largest sum of pixel
// costs: the sums of each column over the region's rows move down one row at
// a time, and the region's sum slides along them.
void FindWorstRegion(zebImageComparison& comparison, int width, int height)
{
  const int w = comparison.RegionWidth, h = comparison.RegionHeight;
  const unsigned char* differences = comparison.PixelDifferences.data();
  std::vector<uint32_t> columns(width, 0);
  uint32_t worst = 0;
  for (int y = 0; y < height; ++y)
  {
    for (int x = 0; x < width; ++x)
    {
      columns[x] += zebImageDifference::PixelCost(differences[static_cast<size_t>(y) * width + x]);
      if (y >= h)
      {
        columns[x] -=
          zebImageDifference::PixelCost(differences[static_cast<size_t>(y - h) * width + x]);
      }
    }
    if (y + 1 < h)
    {
      continue;
    }
    uint32_t sum = 0;
    for (int x = 0; x < width; ++x)
    {
      sum += columns[x];
      if (x >= w)
      {
        sum -= columns[x - w];
      }
      if (x + 1 >= w && sum > worst)
      {
        worst = sum;
        comparison.RegionX = x + 1 - w;
        comparison.RegionY = y + 1 - h;
      }
    }
  }
  comparison.RegionError = w > 0 && h > 0 ? static_cast<double>(worst) / (w * h) : 0.0;
}

// Sums the cost of the pixels off by FaintDifference or more over the
// whole image.
void SumSpecks(zebImageComparison& comparison)
{
  uint64_t sum = 0;
  for (unsigned char difference : comparison.PixelDifferences)
  {
    if (difference >= zebImageDifference::FaintDifference)
    {
      sum += zebImageDifference::PixelCost(difference);
      ++comparison.FarPixels;
    }
  }
  comparison.SpeckError = static_cast<double>(sum) / zebImageDifference::SpeckArea;
}
}

int zebImageDifference::PixelCost(int difference)
{
  if (difference <= Tolerance)
  {
    return 0;
  }
  const int size = difference >= PatternDifference ? 2 * difference : difference;
  const int ramp =
    StrongCost * (difference - FaintDifference) / (StrongDifference - FaintDifference);
  return std::min(std::max(size, ramp), StrongCost);
}

zebImageComparison zebImageDifference::Compare(const zebRGBImage& test, const zebRGBImage& baseline)
{
  zebImageComparison comparison;
  comparison.RegionWidth = std::min(RegionSize, test.Width);
  comparison.RegionHeight = std::min(RegionSize, test.Height);
  comparison.DifferingPixels = PixelDifferences(test, baseline, comparison.PixelDifferences);
  FindWorstRegion(comparison, test.Width, test.Height);
  SumSpecks(comparison);
  comparison.Error = std::max(comparison.RegionError, comparison.SpeckError);
  return comparison;
}

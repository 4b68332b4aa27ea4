// The neighbourhood-tolerant, region-pooled image error of regression checks.
#include "zebImageDifference.h"

#include <algorithm>
#include <cstdint>

namespace
{
// Per channel, the smallest and largest value within one pixel of each place.
struct NeighbourhoodRange
{
  std::vector<unsigned char> Low;
  std::vector<unsigned char> High;
};

// Smallest and largest of the values at offsets -step, 0, +step (cut at the
// ends of a line of count values) for every value of one line.
void RangeAlong(const unsigned char* low,
                const unsigned char* high,
                int count,
                size_t step,
                unsigned char* lowOut,
                unsigned char* highOut)
{
  for (int i = 0; i < count; ++i)
  {
    const size_t at = i * step;
    unsigned char smallest = low[at], largest = high[at];
    if (i > 0)
    {
      smallest = std::min(smallest, low[at - step]);
      largest = std::max(largest, high[at - step]);
    }
    if (i + 1 < count)
    {
      smallest = std::min(smallest, low[at + step]);
      largest = std::max(largest, high[at + step]);
    }
    lowOut[at] = smallest;
    highOut[at] = largest;
  }
}

NeighbourhoodRange RangeOf(const zebRGBImage& image)
{
  const size_t row = static_cast<size_t>(image.Width) * 3;
  NeighbourhoodRange across{ image.Pixels, image.Pixels };
  for (int y = 0; y < image.Height; ++y)
  {
    for (int channel = 0; channel < 3; ++channel)
    {
      const size_t start = y * row + channel;
      RangeAlong(&image.Pixels[start],
                 &image.Pixels[start],
                 image.Width,
                 3,
                 &across.Low[start],
                 &across.High[start]);
    }
  }
  NeighbourhoodRange range = across;
  for (size_t column = 0; column < row; ++column)
  {
    RangeAlong(&across.Low[column],
               &across.High[column],
               image.Height,
               row,
               &range.Low[column],
               &range.High[column]);
  }
  return range;
}

// How far the pixel starting at value lies outside the range, the largest
// over its channels.
int Outside(const unsigned char* value, const NeighbourhoodRange& range, size_t at)
{
  int largest = 0;
  for (int channel = 0; channel < 3; ++channel)
  {
    const int v = value[channel];
    largest = std::max(largest, range.Low[at + channel] - v);
    largest = std::max(largest, v - range.High[at + channel]);
  }
  return largest;
}

// The pixel differences after the tolerance, and how many are not 0.
long PixelDifferences(const zebRGBImage& test,
                      const zebRGBImage& baseline,
                      std::vector<unsigned char>& differences)
{
  const NeighbourhoodRange testRange = RangeOf(test);
  const NeighbourhoodRange baselineRange = RangeOf(baseline);
  const size_t pixels = static_cast<size_t>(test.Width) * test.Height;
  differences.assign(pixels, 0);
  long differing = 0;
  for (size_t p = 0; p < pixels; ++p)
  {
    const int difference = std::max(Outside(&test.Pixels[3 * p], baselineRange, 3 * p),
                                    Outside(&baseline.Pixels[3 * p], testRange, 3 * p));
    if (difference > zebImageDifference::Tolerance)
    {
      differences[p] = static_cast<unsigned char>(difference);
      ++differing;
    }
  }
  return differing;
}

// Finds the region of the comparison's size with the largest sum of pixel
// differences through a summed-area table.
void FindWorstRegion(zebImageComparison& comparison, int width, int height)
{
  const size_t stride = static_cast<size_t>(width) + 1;
  std::vector<uint32_t> sums(stride * (height + 1), 0);
  for (int y = 0; y < height; ++y)
  {
    uint32_t rowSum = 0;
    for (int x = 0; x < width; ++x)
    {
      rowSum += comparison.PixelDifferences[static_cast<size_t>(y) * width + x];
      sums[(y + 1) * stride + x + 1] = sums[y * stride + x + 1] + rowSum;
    }
  }
  const int w = comparison.RegionWidth, h = comparison.RegionHeight;
  uint32_t worst = 0;
  for (int y = 0; y + h <= height; ++y)
  {
    for (int x = 0; x + w <= width; ++x)
    {
      const uint32_t sum = sums[(y + h) * stride + x + w] - sums[y * stride + x + w] -
                           sums[(y + h) * stride + x] + sums[y * stride + x];
      if (sum > worst)
      {
        worst = sum;
        comparison.RegionX = x;
        comparison.RegionY = y;
      }
    }
  }
  comparison.Error = w > 0 && h > 0 ? static_cast<double>(worst) / (w * h) : 0.0;
}
}

zebImageComparison zebImageDifference::Compare(const zebRGBImage& test, const zebRGBImage& baseline)
{
  zebImageComparison comparison;
  comparison.RegionWidth = std::min(RegionSize, test.Width);
  comparison.RegionHeight = std::min(RegionSize, test.Height);
  comparison.DifferingPixels = PixelDifferences(test, baseline, comparison.PixelDifferences);
  FindWorstRegion(comparison, test.Width, test.Height);
  return comparison;
}

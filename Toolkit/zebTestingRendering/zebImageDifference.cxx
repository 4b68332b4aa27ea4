// The neighbourhood-tolerant, region-pooled image error of regression checks.
#include "zebImageDifference.h"

#include <algorithm>
#include <cstdint>

namespace
{
// Per channel, the smallest and largest value of each place and the places
// one pixel to its left and right.
struct RangesAcross
{
  std::vector<unsigned char> Low;
  std::vector<unsigned char> High;
};

// Byte by byte the smallest, or largest, of three rows into out. The
// compiler vectorises the loops only with plain pointers and an out that
// overlaps nothing.
void MinOfThree(const unsigned char* a,
                const unsigned char* b,
                const unsigned char* c,
                size_t bytes,
                unsigned char* __restrict out)
{
  for (size_t i = 0; i < bytes; ++i)
  {
    out[i] = std::min(std::min(a[i], b[i]), c[i]);
  }
}

void MaxOfThree(const unsigned char* a,
                const unsigned char* b,
                const unsigned char* c,
                size_t bytes,
                unsigned char* __restrict out)
{
  for (size_t i = 0; i < bytes; ++i)
  {
    out[i] = std::max(std::max(a[i], b[i]), c[i]);
  }
}

// The ranges of one row of bytes: a byte's neighbours are 3 bytes away, and
// the first and last pixels have one neighbour only.
void RangeAcross(const unsigned char* row,
                 size_t bytes,
                 unsigned char* __restrict low,
                 unsigned char* __restrict high)
{
  if (bytes <= 3)
  {
    std::copy(row, row + bytes, low);
    std::copy(row, row + bytes, high);
    return;
  }
  MinOfThree(row, row, row + 3, 3, low);
  MaxOfThree(row, row, row + 3, 3, high);
  MinOfThree(row, row + 3, row + 6, bytes - 6, low + 3);
  MaxOfThree(row, row + 3, row + 6, bytes - 6, high + 3);
  MinOfThree(row + bytes - 6, row + bytes - 3, row + bytes - 3, 3, low + bytes - 3);
  MaxOfThree(row + bytes - 6, row + bytes - 3, row + bytes - 3, 3, high + bytes - 3);
}

RangesAcross RangesOf(const zebRGBImage& image)
{
  const size_t bytes = static_cast<size_t>(image.Width) * 3;
  RangesAcross ranges{ image.Pixels, image.Pixels };
  for (size_t start = 0; start < image.Pixels.size(); start += bytes)
  {
    RangeAcross(&image.Pixels[start], bytes, &ranges.Low[start], &ranges.High[start]);
  }
  return ranges;
}

// For each byte of a row of values, how far it lies outside the range of
// three rows of the other image's ranges (the rows above, at and below it),
// raised into largest.
void RaiseByOutside(const unsigned char* __restrict values,
                    const RangesAcross& other,
                    const size_t rows[3],
                    size_t bytes,
                    unsigned char* __restrict largest)
{
  const unsigned char* __restrict low0 = &other.Low[rows[0]];
  const unsigned char* __restrict low1 = &other.Low[rows[1]];
  const unsigned char* __restrict low2 = &other.Low[rows[2]];
  const unsigned char* __restrict high0 = &other.High[rows[0]];
  const unsigned char* __restrict high1 = &other.High[rows[1]];
  const unsigned char* __restrict high2 = &other.High[rows[2]];
  for (size_t i = 0; i < bytes; ++i)
  {
    const int value = values[i];
    const int below = std::min(std::min(low0[i], low1[i]), low2[i]) - value;
    const int above = value - std::max(std::max(high0[i], high1[i]), high2[i]);
    const int outside = std::max(std::max(below, above), 0);
    largest[i] = static_cast<unsigned char>(std::max<int>(largest[i], outside));
  }
}

// The pixel differences after the tolerance, and how many are not 0.
long PixelDifferences(const zebRGBImage& test,
                      const zebRGBImage& baseline,
                      std::vector<unsigned char>& differences)
{
  const RangesAcross testRanges = RangesOf(test);
  const RangesAcross baselineRanges = RangesOf(baseline);
  const size_t bytes = static_cast<size_t>(test.Width) * 3;
  std::vector<unsigned char> channels(bytes);
  differences.assign(static_cast<size_t>(test.Width) * test.Height, 0);
  long differing = 0;
  for (int y = 0; y < test.Height; ++y)
  {
    const size_t here = y * bytes;
    const size_t rows[3] = { y > 0 ? here - bytes : here,
                             here,
                             y + 1 < test.Height ? here + bytes : here };
    std::fill(channels.begin(), channels.end(), 0);
    RaiseByOutside(&test.Pixels[here], baselineRanges, rows, bytes, channels.data());
    RaiseByOutside(&baseline.Pixels[here], testRanges, rows, bytes, channels.data());
    unsigned char* row = &differences[static_cast<size_t>(y) * test.Width];
    for (int x = 0; x < test.Width; ++x)
    {
      const unsigned char* pixel = &channels[3 * x];
      const unsigned char difference = std::max(std::max(pixel[0], pixel[1]), pixel[2]);
      if (difference > zebImageDifference::Tolerance)
      {
        row[x] = difference;
        ++differing;
      }
    }
  }
  return differing;
}

// Finds the region of the comparison's size with the largest sum of pixel
// differences: the sums of each column over the region's rows move down one
// row at a time, and the region's sum slides along them.
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
      columns[x] += differences[static_cast<size_t>(y) * width + x];
      if (y >= h)
      {
        columns[x] -= differences[static_cast<size_t>(y - h) * width + x];
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

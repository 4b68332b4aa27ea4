// Times zebImageDifference::Compare on two images against a floor: one
// pass summing the absolute differences of their bytes. The two run
// alternately; prints the median microseconds of each.
//
//   ImageDifferenceTiming <test.png> <baseline.png> <runs>
#include <zebImageDifference.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace
{
double Microseconds(std::chrono::steady_clock::time_point start)
{
  return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
    .count();
}

double Median(std::vector<double> values)
{
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}
}

int main(int argc, char* argv[])
{
  zebRGBImage test, baseline;
  std::string error;
  if (argc != 4 || !zebPNGImage::Read(argv[1], test, error) ||
      !zebPNGImage::Read(argv[2], baseline, error) || test.Width != baseline.Width ||
      test.Height != baseline.Height)
  {
    fprintf(
      stderr, "usage: ImageDifferenceTiming <test.png> <baseline.png> <runs> %s\n", error.c_str());
    return 1;
  }
  std::vector<double> compare, floor;
  volatile double sink = 0;
  for (int run = 0; run < atoi(argv[3]); ++run)
  {
    auto start = std::chrono::steady_clock::now();
    sink = sink + zebImageDifference::Compare(test, baseline).Error;
    compare.push_back(Microseconds(start));
    start = std::chrono::steady_clock::now();
    long sum = 0;
    for (size_t i = 0; i < test.Pixels.size(); ++i)
    {
      sum += std::abs(test.Pixels[i] - baseline.Pixels[i]);
    }
    sink = sink + sum;
    floor.push_back(Microseconds(start));
  }
  printf("%.0f %.0f\n", Median(compare), Median(floor));
  return 0;
}

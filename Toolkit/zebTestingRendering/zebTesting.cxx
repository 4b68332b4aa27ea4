// Argument handling and verdict of the image regression check.
#include "zebTesting.h"

#include "zebDifferenceImages.h"
#include "zebImageDifference.h"
#include "zebPNGImage.h"

#include <zebRenderWindow.h>

#include <cstdio>
#include <cstring>
#include <exception>
#include <new>
#include <string>

namespace
{
struct RegressionOptions
{
  const char* Baseline = nullptr;
  std::string TemporaryDirectory = ".";
  bool Interactive = false;
};

RegressionOptions ParseOptions(int argc, char* argv[])
{
  RegressionOptions options;
  for (int i = 0; argv && i < argc; ++i)
  {
    const char* argument = argv[i];
    if (!argument)
    {
      continue;
    }
    if (strcmp(argument, "-I") == 0)
    {
      options.Interactive = true;
    }
    else if (strcmp(argument, "-V") == 0 && i + 1 < argc && argv[i + 1])
    {
      options.Baseline = argv[++i];
    }
    else if (strcmp(argument, "-T") == 0 && i + 1 < argc && argv[i + 1])
    {
      options.TemporaryDirectory = argv[++i];
    }
  }
  return options;
}

// "<directory>/<baseline name without .png><suffix>".
std::string OutputPath(const RegressionOptions& options, const char* suffix)
{
  std::string name = options.Baseline;
  const size_t slash = name.find_last_of('/');
  if (slash != std::string::npos)
  {
    name.erase(0, slash + 1);
  }
  const size_t length = name.size();
  if (length > 4 && name.compare(length - 4, 4, ".png") == 0)
  {
    name.erase(length - 4);
  }
  std::string directory = options.TemporaryDirectory;
  if (!directory.empty() && directory.back() != '/')
  {
    directory += '/';
  }
  return directory + name + suffix;
}

// A file CTest attaches to the test's results; name null prints nothing.
void PrintMeasurementFile(const char* name, const char* path)
{
  if (name)
  {
    printf("<CTestMeasurementFile type=\"image/png\" name=\"%s\">%s</CTestMeasurementFile>\n",
           name,
           path);
    fflush(stdout);
  }
}

// Writes image to path and prints where, with the CTest measurement tag of
// the given name when it was written.
void WriteFailureImage(const std::string& path,
                       const zebRGBImage& image,
                       const char* what,
                       const char* measurement)
{
  std::string error;
  if (!zebPNGImage::Write(path, image, error))
  {
    fprintf(
      stderr, "zebTesting: cannot write the %s image %s: %s\n", what, path.c_str(), error.c_str());
    return;
  }
  fprintf(stderr, "zebTesting: %s image written to %s\n", what, path.c_str());
  PrintMeasurementFile(measurement, path.c_str());
}

// The images of a comparison that failed: test, difference and side by side.
void WriteComparisonImages(const RegressionOptions& options,
                           const zebRGBImage& test,
                           const zebRGBImage& baseline,
                           const zebImageComparison& comparison)
{
  const zebRGBImage difference = zebDifferenceImages::HeatMap(test, comparison);
  WriteFailureImage(OutputPath(options, "-test.png"), test, "test", "TestImage");
  WriteFailureImage(OutputPath(options, "-diff.png"), difference, "difference", "DifferenceImage");
  WriteFailureImage(OutputPath(options, "-compare.png"),
                    zebDifferenceImages::SideBySide(baseline, test, difference),
                    "side-by-side (baseline, test, difference)",
                    nullptr);
}

// FAILED or PASSED; on failure the images are written and their paths and
// the error printed.
int CompareWithBaseline(const RegressionOptions& options, const zebRGBImage& test, double threshold)
{
  zebRGBImage baseline;
  std::string error;
  if (!zebPNGImage::Read(options.Baseline, baseline, error))
  {
    fprintf(stderr,
            "zebTesting: cannot read the baseline image %s: %s\n",
            options.Baseline,
            error.c_str());
    WriteFailureImage(OutputPath(options, "-test.png"), test, "test", "TestImage");
    return zebTesting::FAILED;
  }
  if (baseline.Width != test.Width || baseline.Height != test.Height)
  {
    fprintf(stderr,
            "zebTesting: the image is %d by %d pixels but the baseline %s is %d by %d\n",
            test.Width,
            test.Height,
            options.Baseline,
            baseline.Width,
            baseline.Height);
    WriteFailureImage(OutputPath(options, "-test.png"), test, "test", "TestImage");
    PrintMeasurementFile("ValidImage", options.Baseline);
    return zebTesting::FAILED;
  }
  const zebImageComparison comparison = zebImageDifference::Compare(test, baseline);
  if (comparison.Error <= threshold)
  {
    return zebTesting::PASSED;
  }
  fprintf(stderr,
          "zebTesting: image error %g exceeds the threshold %g against %s: the mean pixel cost "
          "in the %d by %d region at x %d, y %d (from the top left); %ld pixels differ by more "
          "than %d levels\n",
          comparison.Error,
          threshold,
          options.Baseline,
          comparison.RegionWidth,
          comparison.RegionHeight,
          comparison.RegionX,
          comparison.RegionY,
          comparison.DifferingPixels,
          zebImageDifference::Tolerance);
  printf("<CTestMeasurement type=\"numeric/double\" name=\"ImageError\">%g</CTestMeasurement>\n",
         comparison.Error);
  fflush(stdout);
  WriteComparisonImages(options, test, baseline, comparison);
  PrintMeasurementFile("ValidImage", options.Baseline);
  return zebTesting::FAILED;
}
}

int zebTesting::Test(int argc, char* argv[], zebRenderWindow* window, double threshold)
{
  try
  {
    return Check(argc, argv, window, threshold);
  }
  catch (const std::bad_alloc&)
  {
    fprintf(stderr, "zebTesting: not enough memory to check the image\n");
  }
  catch (const std::exception& e)
  {
    fprintf(stderr, "zebTesting: cannot check the image: %s\n", e.what());
  }
  return FAILED;
}

int zebTesting::Check(int argc, char* argv[], zebRenderWindow* window, double threshold)
{
  const RegressionOptions options = ParseOptions(argc, argv);
  const int satisfied = options.Interactive ? DO_INTERACTOR : PASSED;
  if (!options.Baseline)
  {
    return options.Interactive ? DO_INTERACTOR : NOT_RUN;
  }
  if (!window)
  {
    fprintf(stderr, "zebTesting: no render window to check\n");
    return FAILED;
  }
  window->Render();
  zebRGBImage test;
  if (!window->GrabPixels(test.Pixels))
  {
    fprintf(stderr, "zebTesting: the window gave no image to compare with %s\n", options.Baseline);
    return FAILED;
  }
  test.Width = window->GetWidth();
  test.Height = window->GetHeight();
  return CompareWithBaseline(options, test, threshold) == PASSED ? satisfied : FAILED;
}

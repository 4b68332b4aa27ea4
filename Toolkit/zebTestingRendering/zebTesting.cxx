// Argument handling and verdict of the image regression check.
#include "zebTesting.h"

#include "zebImageDifference.h"
#include "zebPNGImage.h"

#include <zebRenderWindow.h>

#include <cstdio>
#include <cstring>
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

void WriteFailureImage(const std::string& path, const zebRGBImage& image, const char* what)
{
  std::string error;
  if (zebPNGImage::Write(path, image, error))
  {
    fprintf(stderr, "zebTesting: %s image written to %s\n", what, path.c_str());
  }
  else
  {
    fprintf(
      stderr, "zebTesting: cannot write the %s image %s: %s\n", what, path.c_str(), error.c_str());
  }
}

// FAILED or PASSED; on failure the test image, and the difference image
// when there is one, are written.
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
    WriteFailureImage(OutputPath(options, "-test.png"), test, "test");
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
    WriteFailureImage(OutputPath(options, "-test.png"), test, "test");
    return zebTesting::FAILED;
  }
  zebRGBImage difference;
  const double imageError = zebImageDifference::Compare(test, baseline, difference);
  if (imageError <= threshold)
  {
    return zebTesting::PASSED;
  }
  fprintf(stderr,
          "zebTesting: image error %g exceeds the threshold %g against %s\n",
          imageError,
          threshold,
          options.Baseline);
  WriteFailureImage(OutputPath(options, "-test.png"), test, "test");
  WriteFailureImage(OutputPath(options, "-diff.png"), difference, "difference");
  return zebTesting::FAILED;
}
}

int zebTesting::Test(int argc, char* argv[], zebRenderWindow* window, double threshold)
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

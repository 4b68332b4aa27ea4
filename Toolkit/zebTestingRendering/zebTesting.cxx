// Argument handling and verdict of the image regression check.
#include "zebTesting.h"

#include "zebDifferenceImages.h"
#include "zebImageDifference.h"
#include "zebPNGImage.h"

#include <zebRenderWindow.h>

#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <new>
#include <string>
#include <vector>

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

// The baseline's path without ".png".
std::string BaselineStem(const char* baseline)
{
  std::string stem = baseline;
  const size_t length = stem.size();
  if (length > 4 && stem.compare(length - 4, 4, ".png") == 0)
  {
    stem.erase(length - 4);
  }
  return stem;
}

// "<directory>/<baseline name without .png><suffix>"; the directory is made
// when it does not exist (a failure to make it shows when writing there).
std::string OutputPath(const RegressionOptions& options, const char* suffix)
{
  std::string name = BaselineStem(options.Baseline);
  const size_t slash = name.find_last_of('/');
  if (slash != std::string::npos)
  {
    name.erase(0, slash + 1);
  }
  std::string directory = options.TemporaryDirectory;
  std::error_code ignored;
  std::filesystem::create_directories(directory, ignored);
  if (!directory.empty() && directory.back() != '/')
  {
    directory += '/';
  }
  return directory + name + suffix;
}

// A file CTest attaches to the test's results.
void PrintMeasurementFile(const char* name, const std::string& path)
{
  printf("<CTestMeasurementFile type=\"image/png\" name=\"%s\">%s</CTestMeasurementFile>\n",
         name,
         path.c_str());
  fflush(stdout);
}

void PrintImageError(double error)
{
  printf("<CTestMeasurement type=\"numeric/double\" name=\"ImageError\">%g</CTestMeasurement>\n",
         error);
  fflush(stdout);
}

// Writes image to path and prints where, with the CTest measurement tag of
// the given name when it was written (none for a null name).
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
  if (measurement)
  {
    PrintMeasurementFile(measurement, path);
  }
}

// A baseline read and compared with the test image, or the one line that
// says why it could not be.
struct BaselineMatch
{
  std::string Path;
  zebRGBImage Image;
  zebImageComparison Comparison;
  std::string Problem;
};

BaselineMatch CompareWithBaseline(const std::string& path, const zebRGBImage& test)
{
  BaselineMatch match;
  match.Path = path;
  std::string error;
  char problem[1024];
  if (!zebPNGImage::Read(path, match.Image, error))
  {
    snprintf(problem,
             sizeof(problem),
             "cannot read the baseline image %s: %s",
             path.c_str(),
             error.c_str());
    match.Problem = problem;
  }
  else if (match.Image.TranslucentPixels > 0)
  {
    snprintf(problem,
             sizeof(problem),
             "the baseline image %s has %ld pixels that are not opaque (alpha below 255), but a "
             "rendering is opaque",
             path.c_str(),
             match.Image.TranslucentPixels);
    match.Problem = problem;
  }
  else if (match.Image.Width != test.Width || match.Image.Height != test.Height)
  {
    snprintf(problem,
             sizeof(problem),
             "the image is %d by %d pixels but the baseline %s is %d by %d",
             test.Width,
             test.Height,
             path.c_str(),
             match.Image.Width,
             match.Image.Height);
    match.Problem = problem;
  }
  else
  {
    match.Comparison = zebImageDifference::Compare(test, match.Image);
  }
  return match;
}

// The baseline named, then those of its alternatives that exist.
std::vector<std::string> BaselinePaths(const char* baseline)
{
  std::vector<std::string> paths = { baseline };
  const std::string stem = BaselineStem(baseline);
  for (char number = '1'; number <= '9'; ++number)
  {
    const std::string alternative = stem + "_" + number + ".png";
    std::error_code ignored;
    if (std::filesystem::exists(alternative, ignored))
    {
      paths.push_back(alternative);
    }
  }
  return paths;
}

// The failure against the closest baseline: its error, where, and the images.
void ReportDifference(const RegressionOptions& options,
                      const zebRGBImage& test,
                      const BaselineMatch& closest,
                      size_t baselines,
                      double threshold)
{
  const zebImageComparison& comparison = closest.Comparison;
  char where[256];
  if (comparison.RegionError >= comparison.SpeckError)
  {
    snprintf(where,
             sizeof(where),
             "the mean pixel cost in the %d by %d region at x %d, y %d (from the top left)",
             comparison.RegionWidth,
             comparison.RegionHeight,
             comparison.RegionX,
             comparison.RegionY);
  }
  else
  {
    snprintf(where,
             sizeof(where),
             "the cost of %ld pixels off by %d levels or more over the whole image",
             comparison.FarPixels,
             zebImageDifference::FaintDifference);
  }
  fprintf(stderr,
          "zebTesting: image error %g exceeds the threshold %g against %s%s: %s; %ld pixels "
          "differ by more than %d levels\n",
          comparison.Error,
          threshold,
          closest.Path.c_str(),
          baselines > 1 ? " (the closest baseline)" : "",
          where,
          comparison.DifferingPixels,
          zebImageDifference::Tolerance);
  PrintImageError(comparison.Error);
  const zebRGBImage difference = zebDifferenceImages::HeatMap(test, comparison);
  WriteFailureImage(OutputPath(options, "-test.png"), test, "test", "TestImage");
  WriteFailureImage(OutputPath(options, "-diff.png"), difference, "difference", "DifferenceImage");
  WriteFailureImage(OutputPath(options, "-compare.png"),
                    zebDifferenceImages::SideBySide(closest.Image, test, difference),
                    "side-by-side (baseline, test, difference)",
                    nullptr);
  PrintMeasurementFile("ValidImage", closest.Path);
}

// PASSED when the image matches a baseline, else FAILED with the reason
// printed and the images written.
int CompareWithBaselines(const RegressionOptions& options,
                         const zebRGBImage& test,
                         double threshold)
{
  const std::vector<std::string> paths = BaselinePaths(options.Baseline);
  std::vector<std::string> problems;
  BaselineMatch closest;
  bool compared = false;
  for (const std::string& path : paths)
  {
    BaselineMatch match = CompareWithBaseline(path, test);
    if (!match.Problem.empty())
    {
      problems.push_back(match.Problem);
    }
    else if (!compared || match.Comparison.Error < closest.Comparison.Error)
    {
      closest = std::move(match);
      compared = true;
    }
  }
  if (compared && closest.Comparison.Error <= threshold)
  {
    PrintImageError(closest.Comparison.Error);
    return zebTesting::PASSED;
  }
  for (const std::string& problem : problems)
  {
    fprintf(stderr, "zebTesting: %s\n", problem.c_str());
  }
  if (compared)
  {
    ReportDifference(options, test, closest, paths.size(), threshold);
  }
  else
  {
    WriteFailureImage(OutputPath(options, "-test.png"), test, "test", "TestImage");
  }
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
  return CompareWithBaselines(options, test, threshold) == PASSED ? satisfied : FAILED;
}

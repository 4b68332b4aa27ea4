// The image regression check of rendering tests.
//
// Test renders the window, grabs its pixels and compares them with the
// baseline PNG named by the arguments:
//   -V <baseline.png>  the expected image (without it nothing is compared)
//   -T <directory>     where failed checks write their images (default ".")
//   -I                 the caller wants to interact with the window after the check
// Other arguments, such as -D <directory>, are ignored; a repeated option
// counts at its last place.
//
// The comparison is zebImageDifference's: the mean pixel cost in the worst
// 16 by 16 region of the image, where each pixel's colour is compared with
// the colours of the 3 by 3 neighbourhood of the same place in the other
// image, differences of a few levels cost 0 and a pixel off by 48 levels or
// more costs 320. The check passes when that error is at most threshold;
// above 10 is a region visibly off, or more than 8 of its pixels.
//
// Answers: FAILED when the image differs, has another size than the
// baseline, the baseline cannot be read as a PNG, or the window gives no
// pixels; PASSED when it matches; NOT_RUN without -V; DO_INTERACTOR in place
// of PASSED or NOT_RUN when -I is given. A passing check writes nothing. A
// failure prints its reason and the error on standard error and writes into
// the -T directory, <name> being the baseline's file name without ".png":
//   <name>-test.png     the rendered image
//   <name>-diff.png     where and how much it differs (zebDifferenceImages)
//   <name>-compare.png  baseline, test image and difference side by side
// (only the test image when the baseline is unreadable or of another size).
// Each path written is printed on standard error, and standard output gets
// the CTest measurement tags of the error ("ImageError") and of the images
// ("TestImage", "DifferenceImage", and "ValidImage" for the baseline), so
// that CTest's dashboards and JUnit output carry them.
#ifndef ZEB_TESTING_H
#define ZEB_TESTING_H

class zebRenderWindow;

class zebTesting
{
public:
  enum ReturnValue
  {
    FAILED = 0,
    PASSED = 1,
    NOT_RUN = 2,
    DO_INTERACTOR = 3
  };

  // A failure inside the check, memory that cannot be had included, is one
  // line on standard error and the answer FAILED.
  static int Test(int argc, char* argv[], zebRenderWindow* window, double threshold);

private:
  static int Check(int argc, char* argv[], zebRenderWindow* window, double threshold);
};

#endif

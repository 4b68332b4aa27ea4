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
// The comparison is zebImageDifference's: the mean over the image of each
// pixel's largest channel difference (0..255) to the closest pixel within one
// pixel of the same place in the other image. The check passes when that
// error is at most threshold.
//
// Answers: FAILED when the image differs, has another size than the
// baseline, the baseline cannot be read as a PNG, or the window gives no
// pixels; PASSED when it matches; NOT_RUN without -V; DO_INTERACTOR in place
// of PASSED or NOT_RUN when -I is given. A failure prints its reason and the
// error on standard error and writes the test image "<name>-test.png" and,
// when the sizes agree, the difference image "<name>-diff.png" (each pixel's
// error as grey) into the -T directory, <name> being the baseline's file name
// without ".png"; the paths written are printed too.
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

  static int Test(int argc, char* argv[], zebRenderWindow* window, double threshold);
};

#endif

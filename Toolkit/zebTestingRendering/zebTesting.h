// The image regression check of rendering tests.
//
// Test renders the window, grabs its pixels and compares them with the
// baseline PNG named by the arguments:
//   -V <baseline.png>  the expected image (without it nothing is compared)
//   -T <directory>     where failed checks write their images (default ".";
//                      made when it does not exist)
//   -I                 the caller wants to interact with the window after the check
// Other arguments, such as -D <directory>, are ignored; a repeated option
// counts at its last place.
//
// Beside <name>.png, the files <name>_1.png to <name>_9.png that exist are
// alternative baselines, for a scene that renderers really draw
// differently: the check passes when the image matches any of them.
// A baseline is read as the picture it holds (zebPNGImage); one with a
// pixel that is not opaque matches nothing, since a rendering is opaque.
//
// The comparison and its error are zebImageDifference's; the check passes
// when the error is at most threshold (10 reads as "a person sees it").
//
// Answers: FAILED when the image differs from every baseline, has another
// size, no baseline can be read or is opaque, or the window gives no
// pixels; PASSED when it matches; NOT_RUN without -V; DO_INTERACTOR in place
// of PASSED or NOT_RUN when -I is given. Standard output gets the CTest
// measurement of the error against the closest baseline ("ImageError"),
// passed or not. A failure prints its reason on standard error and writes
// into the -T directory, <name> being the baseline's file name without
// ".png", the images against the closest baseline:
//   <name>-test.png     the rendered image
//   <name>-diff.png     where and how much it differs (zebDifferenceImages)
//   <name>-compare.png  baseline, test image and difference side by side
// (only the test image when no baseline can be compared). Each path written
// is printed on standard error, and standard output gets the CTest
// measurement tags of the images ("TestImage", "DifferenceImage", and
// "ValidImage" for the closest baseline). CTest takes the tags out of the
// output and puts the measurements in its dashboard results (Test.xml); its
// JUnit output carries neither, only the rest of the output.
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

// The error between a rendered image and its baseline: how far the worst
// region of the image is from what it should be.
//
// 1. Each pixel is compared with the 3 by 3 neighbourhood around the same
//    place in the other image, in both directions: a channel value that lies
//    between the smallest and largest value of that channel in the
//    neighbourhood costs nothing, one outside costs its distance to that
//    range. The pixel's difference is the largest over the three channels and
//    the two directions (0..255). Edges moved by one pixel and anti-aliased
//    edge pixels, which lie between their neighbours, cost nothing; a change
//    inside a flat or smoothly shaded area costs its full size.
// 2. Differences up to Tolerance levels are noise between correct renderers
//    and count as 0.
// 3. The image error is the largest mean pixel difference over all
//    RegionSize by RegionSize squares of the image (every position, not a
//    fixed grid). It is 0 for equal images and 255 for a region turned from
//    black to white. An error of 10 is a whole region off by 10 levels, or
//    about 10 of its 256 pixels changed completely: a change a person sees
//    when looking at that place, however small the rest of the image makes
//    it. A few isolated pixels, however wrong, stay below it.
#ifndef ZEB_IMAGE_DIFFERENCE_H
#define ZEB_IMAGE_DIFFERENCE_H

#include "zebPNGImage.h"

#include <vector>

struct zebImageComparison
{
  double Error = 0.0;  // the worst region's mean pixel difference
  int RegionX = 0;     // top-left corner of the worst region
  int RegionY = 0;
  int RegionWidth = 0;  // RegionSize, or less for an image smaller than that
  int RegionHeight = 0;
  long DifferingPixels = 0;  // pixels whose difference exceeds Tolerance
  // One difference (0..255, after Tolerance) per pixel, top row first.
  std::vector<unsigned char> PixelDifferences;
};

namespace zebImageDifference
{
const int Tolerance = 6;
const int RegionSize = 16;

// The images must be of one size.
zebImageComparison Compare(const zebRGBImage& test, const zebRGBImage& baseline);
}

#endif

// The error between a rendered image and its baseline: how far the worst
// region of the image is from what it should be.
//
// 1. Each pixel is compared with the 3 by 3 neighbourhood around the same
//    place in the other image, in both directions, as a colour: it differs
//    by its distance to the nearest colour of the neighbourhood or blend of
//    two of them (the nearest point of the line between two colours), a
//    distance being the largest of the three channel differences. The
//    pixel's difference is the larger of the two directions (0..255). Edges
//    moved by one pixel and anti-aliased edge pixels, which are blends of
//    their neighbours, cost nothing; a change inside a flat or smoothly
//    shaded area costs its full size, and so does a colour that is no blend
//    of the neighbourhood's, such as yellow between red and green.
// 2. Differences up to Tolerance levels are noise between correct renderers
//    and cost 0. A larger difference costs its size, but from
//    FaintDifference on the cost rises steeply to StrongCost, reached at
//    StrongDifference levels: a pixel that stands out costs as much as 1.25
//    levels over a whole region, whatever its own size.
// 3. The image error is the largest mean pixel cost over all RegionSize by
//    RegionSize squares of the image (every position, not a fixed grid). It
//    is 0 for equal images. An error above 10 is a whole region off by more
//    than 10 levels, or more than 8 pixels of a region off by
//    StrongDifference levels or more: a change a person sees when looking at
//    that place, however small the rest of the image makes it. So a line of
//    9 pixels or more, a 3 by 3 blob, a seam or a crack fail, while up to 8
//    stray pixels, however wrong, pass.
#ifndef ZEB_IMAGE_DIFFERENCE_H
#define ZEB_IMAGE_DIFFERENCE_H

#include "zebPNGImage.h"

#include <vector>

struct zebImageComparison
{
  double Error = 0.0;  // the worst region's mean pixel cost
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
const int FaintDifference = 16;
const int StrongDifference = 48;
const int StrongCost = 320;
const int RegionSize = 16;

// The cost of a pixel difference (0..255): 0 up to Tolerance, then the
// difference, rising from FaintDifference in a straight line to StrongCost
// at StrongDifference and staying there.
int PixelCost(int difference);

// The images must be of one size.
zebImageComparison Compare(const zebRGBImage& test, const zebRGBImage& baseline);
}

#endif

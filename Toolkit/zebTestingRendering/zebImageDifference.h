// The error between a rendered image and its baseline: how visibly the test
// image differs from what it should be, as a person comparing the two at
// their own size would judge. This is the one place the metric is described.
//
// 1. Alignment. Each pixel is compared with the 3 by 3 neighbourhood around
//    the same place in the other image, in both directions, as a colour: it
//    differs by its distance to the nearest colour of the neighbourhood or
//    blend of two of them (the nearest point of the line between two
//    colours), a distance being the largest of the three channel
//    differences. The pixel's difference is the larger of the two
//    directions (0..255). Edges moved by up to one pixel and anti-aliased
//    edge pixels, which are blends of their neighbours, cost nothing; a
//    colour that is no blend of the neighbourhood's, such as yellow between
//    red and green, costs its distance.
// 2. Masking. Next to a strong edge the eye misses what it sees in a flat
//    area, and there renderers differ most: a thin rim or highlight that
//    lies across pixels is drawn brighter, dimmer or a row further when the
//    view moves by a fraction of a pixel, or by another rasteriser. An
//    edge's contrast is the largest colour distance between two pixels side
//    by side or one above the other within MaskingReach pixels; where both
//    images have an edge, a difference of up to Masking times the weaker
//    one's contrast, and never more than MaskingLimit levels, counts 0. An
//    edge that only one image has masks nothing, so specks, lines and
//    patterns drawn over a flat area, or a shape missing, count in full.
// 3. Cost. Differences up to Tolerance levels are noise between correct
//    renderers and cost 0. A larger difference costs its size, and twice
//    its size from PatternDifference levels on, so that stripes or checks of
//    that contrast over half a region weigh as much as the whole region off
//    by it; from FaintDifference on the cost rises steeply to StrongCost,
//    reached at StrongDifference levels.
// 4. Pooling. The image error is the larger of two measures, each of which
//    a threshold of 10 reads as "a person sees it":
//    - the region error: the largest mean cost over all RegionSize by
//      RegionSize squares of the image (every position, not a fixed grid).
//      Above 10 is a region off by more than 10 levels, stripes or checks of
//      11 levels or more over it, or more than 8 of its pixels off by
//      StrongDifference levels;
//    - the speck error: the cost of every pixel off by FaintDifference
//      levels or more, wherever it lies, summed over the whole image and
//      divided by SpeckArea pixels. Above 10 is more than 16 pixels off by
//      StrongDifference levels anywhere, however far apart.
//    Both are 0 for equal images. So a line of 9 pixels or more, a 3 by 3
//    blob, a seam, a crack, a hatched or dotted patch, or a few dozen specks
//    over the image fail, while a handful of stray pixels, a few levels of
//    noise, anti-aliasing, multisampling and the whole image moved by any
//    fraction of a pixel up to one pass.
#ifndef ZEB_IMAGE_DIFFERENCE_H
#define ZEB_IMAGE_DIFFERENCE_H

#include "zebPNGImage.h"

#include <vector>

struct zebImageComparison
{
  double Error = 0.0;        // the larger of the two errors below
  double RegionError = 0.0;  // the worst region's mean pixel cost
  double SpeckError = 0.0;   // the whole image's cost of pixels far off, over SpeckArea
  int RegionX = 0;           // top-left corner of the worst region
  int RegionY = 0;
  int RegionWidth = 0;  // RegionSize, or less for an image smaller than that
  int RegionHeight = 0;
  long DifferingPixels = 0;  // pixels whose difference counts (above Tolerance and masking)
  long FarPixels = 0;        // of those, the ones off by FaintDifference or more
  // One difference (0..255) per pixel, top row first: 0 where it does not
  // count.
  std::vector<unsigned char> PixelDifferences;
};

namespace zebImageDifference
{
const int Tolerance = 6;
const int PatternDifference = 11;
const int FaintDifference = 16;
const int StrongDifference = 48;
const int StrongCost = 320;
const int RegionSize = 16;
const int SpeckArea = 512;
const int Masking = 3;
const int MaskingReach = 2;
const int MaskingLimit = 96;

// The cost of a pixel difference (0..255): 0 up to Tolerance, then the
// difference, twice it from PatternDifference on, and at least a straight
// line from 0 at FaintDifference to StrongCost at StrongDifference; never
// more than StrongCost.
int PixelCost(int difference);

// The images must be of one size.
zebImageComparison Compare(const zebRGBImage& test, const zebRGBImage& baseline);
}

#endif

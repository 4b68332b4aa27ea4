// The error between a rendered image and its baseline.
//
// The distance of two pixels is the largest of their three channel
// differences (0..255). A pixel's error is the distance from the test pixel
// to the closest baseline pixel within one pixel of the same place (the 3 by
// 3 neighbourhood, cut at the borders), or the same from the baseline pixel
// to the test image, whichever is larger: an edge shifted by one pixel costs
// nothing, anything else costs its full difference. The image error is the
// mean of the pixel errors over the image, so it is 0 for equal images and
// 255 for a white image against a black one.
#ifndef ZEB_IMAGE_DIFFERENCE_H
#define ZEB_IMAGE_DIFFERENCE_H

#include "zebPNGImage.h"

namespace zebImageDifference
{
// The images must be of one size. difference receives each pixel's error as
// a grey level.
double Compare(const zebRGBImage& test, const zebRGBImage& baseline, zebRGBImage& difference);
}

#endif

// The pictures a failed regression check leaves for people to look at.
//
// The difference image is the test image turned grey at half its brightness,
// with every pixel whose difference counts painted by how much (its
// difference of zebImageDifference, 0..255):
//   blue    up to 15 levels   a faint change
//   green   16 to 47          a visible change
//   yellow  48 to 127         a strong change
//   red     128 and more      a different colour or shape
// and the worst region, the one the error is measured on, outlined in white.
// The side-by-side image puts baseline, test image and difference image in
// one row, in that order, four white pixels apart.
#ifndef ZEB_DIFFERENCE_IMAGES_H
#define ZEB_DIFFERENCE_IMAGES_H

#include "zebImageDifference.h"
#include "zebPNGImage.h"

namespace zebDifferenceImages
{
zebRGBImage HeatMap(const zebRGBImage& test, const zebImageComparison& comparison);

// The three images must be of one size.
zebRGBImage SideBySide(const zebRGBImage& baseline,
                       const zebRGBImage& test,
                       const zebRGBImage& difference);
}

#endif

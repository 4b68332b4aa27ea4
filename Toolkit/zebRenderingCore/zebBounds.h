// Axis-aligned bounding boxes as six doubles: xmin, xmax, ymin, ymax, zmin, zmax.
// An empty box has xmin > xmax.
#ifndef ZEB_BOUNDS_H
#define ZEB_BOUNDS_H

namespace zebBounds
{
void MakeEmpty(double bounds[6]);
bool IsEmpty(const double bounds[6]);
void AddPoint(double bounds[6], const double point[3]);
// Grows bounds to hold other; an empty other changes nothing.
void AddBounds(double bounds[6], const double other[6]);
}

#endif

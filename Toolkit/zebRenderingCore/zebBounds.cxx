// Growing and testing axis-aligned bounding boxes.
#include "zebBounds.h"

#include <algorithm>

void zebBounds::MakeEmpty(double bounds[6])
{
  for (int axis = 0; axis < 3; ++axis)
  {
    bounds[2 * axis] = 1.0;
    bounds[2 * axis + 1] = -1.0;
  }
}

bool zebBounds::IsEmpty(const double bounds[6])
{
  return bounds[0] > bounds[1];
}

void zebBounds::AddPoint(double bounds[6], const double point[3])
{
  const bool empty = IsEmpty(bounds);
  for (int axis = 0; axis < 3; ++axis)
  {
    bounds[2 * axis] = empty ? point[axis] : std::min(bounds[2 * axis], point[axis]);
    bounds[2 * axis + 1] = empty ? point[axis] : std::max(bounds[2 * axis + 1], point[axis]);
  }
}

void zebBounds::AddBounds(double bounds[6], const double other[6])
{
  if (IsEmpty(other))
  {
    return;
  }
  const double low[3] = { other[0], other[2], other[4] };
  const double high[3] = { other[1], other[3], other[5] };
  AddPoint(bounds, low);
  AddPoint(bounds, high);
}

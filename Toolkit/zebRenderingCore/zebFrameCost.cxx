// Estimating the cost of a frame from the actors' triangles as the camera
// sees them.
#include "zebFrameCost.h"

#include "zebActor.h"
#include "zebRenderer.h"
#include "zebTriangleMesh.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace
{
// A mesh point in window pixels, whether it lies beyond the near plane, and
// which sides of the view it lies outside of (one bit per clipping plane).
struct ScreenPoint
{
  double X = 0, Y = 0;
  bool Ahead = false;
  unsigned Outside = 0;
};

struct Window
{
  double Width, Height;
};

// matrix (row-major 4 by 4, from mesh points to clip coordinates) applied to
// point, then mapped to the window.
ScreenPoint Project(const double matrix[16], const float* point, const Window& window)
{
  double clip[4];
  for (int row = 0; row < 4; ++row)
  {
    const double* m = &matrix[4 * row];
    clip[row] = m[0] * point[0] + m[1] * point[1] + m[2] * point[2] + m[3];
  }
  ScreenPoint screen;
  for (int axis = 0; axis < 3; ++axis)
  {
    screen.Outside |= (clip[axis] < -clip[3] ? 1u : 0u) << (2 * axis);
    screen.Outside |= (clip[axis] > clip[3] ? 1u : 0u) << (2 * axis + 1);
  }
  screen.Ahead = clip[3] > 0.0 && clip[2] >= -clip[3];
  if (screen.Ahead)
  {
    screen.X = (clip[0] / clip[3] + 1.0) * 0.5 * window.Width;
    screen.Y = (clip[1] / clip[3] + 1.0) * 0.5 * window.Height;
  }
  return screen;
}

// The pixels the triangle abc may cover: none when it lies wholly outside
// one side of the view, the whole window when it reaches past the near plane.
double CoveredPixels(const ScreenPoint& a,
                     const ScreenPoint& b,
                     const ScreenPoint& c,
                     const Window& window)
{
  if (a.Outside & b.Outside & c.Outside)
  {
    return 0.0;
  }
  if (!a.Ahead || !b.Ahead || !c.Ahead)
  {
    return window.Width * window.Height;
  }
  const double width = std::min(window.Width, std::max({ a.X, b.X, c.X })) -
                       std::max(0.0, std::min({ a.X, b.X, c.X }));
  const double height = std::min(window.Height, std::max({ a.Y, b.Y, c.Y })) -
                        std::max(0.0, std::min({ a.Y, b.Y, c.Y }));
  const double box = width > 0.0 && height > 0.0 ? width * height : 0.0;
  const double area = 0.5 * std::fabs((b.X - a.X) * (c.Y - a.Y) - (c.X - a.X) * (b.Y - a.Y));
  // Coordinates too large to subtract give no area; the box still holds.
  return area < box ? area : box;
}

// clip = projection * view, both column-major as the renderer gives them;
// the result row-major.
void Multiply(const float projection[16], const float view[16], double clip[16])
{
  for (int row = 0; row < 4; ++row)
  {
    for (int column = 0; column < 4; ++column)
    {
      double sum = 0.0;
      for (int k = 0; k < 4; ++k)
      {
        sum += static_cast<double>(projection[k * 4 + row]) * view[column * 4 + k];
      }
      clip[4 * row + column] = sum;
    }
  }
}

// clip (row-major 4 by 4) times one placement, 3 rows of 4, the fourth row
// being 0 0 0 1.
void Place(const double clip[16], const float* placement, double matrix[16])
{
  for (int row = 0; row < 4; ++row)
  {
    for (int column = 0; column < 4; ++column)
    {
      double sum = column == 3 ? clip[4 * row + 3] : 0.0;
      for (int k = 0; k < 3; ++k)
      {
        sum += clip[4 * row + k] * placement[4 * k + column];
      }
      matrix[4 * row + column] = sum;
    }
  }
}

bool IsPast(const zebFrameCost& cost, const zebFrameCost& limit)
{
  return cost.Triangles > limit.Triangles || cost.Pixels > limit.Pixels;
}

// Adds one copy of mesh, placed by matrix, to cost; triangles that name no
// point of the mesh add nothing.
void AddCopy(const zebTriangleMesh& mesh,
             const double matrix[16],
             const Window& window,
             const zebFrameCost& limit,
             zebFrameCost& cost)
{
  const std::vector<float>& positions = mesh.GetPositions();
  const std::vector<unsigned int>& triangles = mesh.GetTriangles();
  const size_t points = positions.size() / 3;
  for (size_t t = 0; t + 2 < triangles.size() && !IsPast(cost, limit); t += 3)
  {
    if (triangles[t] >= points || triangles[t + 1] >= points || triangles[t + 2] >= points)
    {
      continue;
    }
    cost.Triangles += 1.0;
    cost.Pixels += CoveredPixels(Project(matrix, &positions[3 * triangles[t]], window),
                                 Project(matrix, &positions[3 * triangles[t + 1]], window),
                                 Project(matrix, &positions[3 * triangles[t + 2]], window),
                                 window);
  }
}
}

zebFrameCost zebEstimateFrameCost(const zebRenderer* renderer,
                                  int width,
                                  int height,
                                  const zebFrameCost& limit)
{
  zebFrameCost cost;
  float view[16], projection[16];
  if (width < 1 || height < 1 ||
      !renderer->ComputeCamera(static_cast<double>(width) / height, view, projection))
  {
    return cost;
  }
  double clip[16];
  Multiply(projection, view, clip);
  const Window window = { static_cast<double>(width), static_cast<double>(height) };
  static const float identity[12] = { 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0 };
  for (int i = 0; i < renderer->GetNumberOfActors() && !IsPast(cost, limit); ++i)
  {
    const zebActor* actor = renderer->GetActor(i);
    const zebTriangleMesh* mesh = actor->GetMesh();
    if (!mesh || !(actor->GetOpacity() > 0.0))
    {
      continue;
    }
    const std::vector<float>& placements = actor->GetPlacements();
    for (size_t copy = 0; copy < actor->GetNumberOfCopies() && !IsPast(cost, limit); ++copy)
    {
      double matrix[16];
      Place(clip, placements.empty() ? identity : &placements[12 * copy], matrix);
      AddCopy(*mesh, matrix, window, limit, cost);
    }
  }
  return cost;
}

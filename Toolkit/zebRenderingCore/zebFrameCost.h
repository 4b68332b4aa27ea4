// What drawing one frame of a renderer costs, told before anything is drawn,
// so that a window can refuse a frame it could not draw in reasonable time:
// the triangles drawn, every copy of a mesh counted, and the pixels they
// cover. Each triangle counts its area on the screen, at most the part of
// the window its bounding box covers; one wholly outside the view counts
// nothing, one that reaches past the near plane the whole window.
#ifndef ZEB_FRAME_COST_H
#define ZEB_FRAME_COST_H

class zebRenderer;

struct zebFrameCost
{
  double Triangles = 0;
  double Pixels = 0;
};

// The cost of drawing renderer into a window of width by height pixels with
// the renderer's camera. Counting stops once either count is past its value
// in limit, so that the work is bounded by the limit rather than the scene.
zebFrameCost zebEstimateFrameCost(const zebRenderer* renderer,
                                  int width,
                                  int height,
                                  const zebFrameCost& limit);

#endif

// Small scenes for the renderer's tests, and pixel look-ups in grabbed images.
#ifndef ZEB_TESTS_RENDERING_SCENES_H
#define ZEB_TESTS_RENDERING_SCENES_H

#include <string>
#include <vector>

class zebActor;
class zebRenderer;
class zebRenderWindow;

// A unit sphere about the origin with its exact normals, as a new actor.
zebActor* MakeSphereActor(int rings, int segments);

// A triangle in the plane z = depth whose bounding box is centred on the z
// axis, so that the middle of the image lies well inside it. It faces +z
// (towards the camera); every normal is tilted by tiltDegrees about the y
// axis. A new actor.
zebActor* MakeTriangleActor(double depth, double tiltDegrees);

// A window (from zebRenderWindow::New) of the given size holding renderer.
zebRenderWindow* MakeWindow(zebRenderer* renderer, int width, int height);

struct Colour
{
  int r, g, b;
};

// The pixel at column x, row y (top row 0) of a grabbed image.
Colour PixelAt(const std::vector<unsigned char>& rgb, int width, int x, int y);

#endif

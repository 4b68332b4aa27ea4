// Geometry and window set-up shared by the renderer's tests.
#include "RenderingScenes.h"

#include <zebActor.h>
#include <zebRenderWindow.h>
#include <zebRenderer.h>
#include <zebTriangleMesh.h>

#include <cmath>

namespace
{
const double Pi = 3.14159265358979323846;

zebActor* ActorOf(zebTriangleMesh* mesh)
{
  zebActor* actor = zebActor::New();
  actor->SetMesh(mesh);
  mesh->Delete();
  return actor;
}
}

zebActor* MakeSphereActor(int rings, int segments)
{
  zebTriangleMesh* mesh = zebTriangleMesh::New();
  for (int ring = 0; ring <= rings; ++ring)
  {
    const double polar = Pi * ring / rings;
    for (int segment = 0; segment <= segments; ++segment)
    {
      const double azimuth = 2.0 * Pi * segment / segments;
      const double point[3] = { std::sin(polar) * std::cos(azimuth),
                                std::cos(polar),
                                std::sin(polar) * std::sin(azimuth) };
      mesh->InsertNextPoint(point, point);
    }
  }
  for (int ring = 0; ring < rings; ++ring)
  {
    for (int segment = 0; segment < segments; ++segment)
    {
      const int a = ring * (segments + 1) + segment;
      const int b = a + segments + 1;
      mesh->InsertNextTriangle(a, a + 1, b);
      mesh->InsertNextTriangle(a + 1, b + 1, b);
    }
  }
  return ActorOf(mesh);
}

zebActor* MakeTriangleActor(double depth, double tiltDegrees)
{
  const double tilt = tiltDegrees * Pi / 180.0;
  const double normal[3] = { std::sin(tilt), 0.0, std::cos(tilt) };
  const double corners[3][3] = { { -3.0, -3.0, depth }, { 3.0, -3.0, depth }, { 0.0, 3.0, depth } };
  zebTriangleMesh* mesh = zebTriangleMesh::New();
  for (const double* corner : corners)
  {
    mesh->InsertNextPoint(corner, normal);
  }
  mesh->InsertNextTriangle(0, 1, 2);
  return ActorOf(mesh);
}

zebRenderWindow* MakeWindow(zebRenderer* renderer, int width, int height)
{
  zebRenderWindow* window = zebRenderWindow::New();
  window->AddRenderer(renderer);
  window->SetSize(width, height);
  return window;
}

Colour PixelAt(const std::vector<unsigned char>& rgb, int width, int x, int y)
{
  const unsigned char* pixel = &rgb[(static_cast<size_t>(y) * width + x) * 3];
  return { pixel[0], pixel[1], pixel[2] };
}

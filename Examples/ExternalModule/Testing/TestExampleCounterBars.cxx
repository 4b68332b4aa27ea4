// The image test of example_image_tests: three counters, counted 2, 4 and 3
// times, drawn as bars of their counts, compared with the test's baseline.
#include <zebExampleCounter.h>

#include <zebActor.h>
#include <zebRenderWindow.h>
#include <zebRenderWindowInteractor.h>
#include <zebRenderer.h>
#include <zebTesting.h>
#include <zebTriangleMesh.h>

// This program's start-up registrations, made before main runs.
#include "TestStartup.h"

namespace
{
// A box from corner to corner + size with flat faces, as a new actor of the
// given colour. A face's corners are numbered by bits: 1 the far x side, 2
// the far y side, 4 the far z side; each face is listed counter-clockwise
// seen from outside.
zebActor* MakeBox(const double corner[3], const double size[3], const double colour[3])
{
  static const int faces[6][4] = { { 1, 3, 7, 5 }, { 0, 4, 6, 2 }, { 2, 6, 7, 3 },
                                   { 0, 1, 5, 4 }, { 4, 5, 7, 6 }, { 0, 2, 3, 1 } };
  static const double normals[6][3] = { { 1, 0, 0 },  { -1, 0, 0 }, { 0, 1, 0 },
                                        { 0, -1, 0 }, { 0, 0, 1 },  { 0, 0, -1 } };
  zebTriangleMesh* mesh = zebTriangleMesh::New();
  for (int face = 0; face < 6; ++face)
  {
    const int first = mesh->GetNumberOfPoints();
    for (int bits : faces[face])
    {
      double point[3];
      for (int axis = 0; axis < 3; ++axis)
      {
        point[axis] = corner[axis] + ((bits >> axis) & 1) * size[axis];
      }
      mesh->InsertNextPoint(point, normals[face]);
    }
    mesh->InsertNextTriangle(first, first + 1, first + 2);
    mesh->InsertNextTriangle(first, first + 2, first + 3);
  }
  zebActor* actor = zebActor::New();
  actor->SetMesh(mesh);
  actor->SetDiffuseColor(colour[0], colour[1], colour[2]);
  mesh->Delete();
  return actor;
}

// The bars of counters counted 2, 4 and 3 times on a grey base, added to
// renderer.
void AddCounterBars(zebRenderer* renderer)
{
  static const int counts[3] = { 2, 4, 3 };
  static const double colours[3][3] = { { 0.9, 0.2, 0.2 }, { 0.2, 0.8, 0.3 }, { 0.2, 0.4, 0.9 } };
  for (int i = 0; i < 3; ++i)
  {
    zebExampleCounter* counter = zebExampleCounter::New();
    for (int n = 0; n < counts[i]; ++n)
    {
      counter->Increment();
    }
    const double corner[3] = { 1.5 * i, 0.0, 0.0 };
    const double size[3] = { 1.0, static_cast<double>(counter->GetCount()), 1.0 };
    zebActor* bar = MakeBox(corner, size, colours[i]);
    renderer->AddActor(bar);
    bar->Delete();
    counter->Delete();
  }
  static const double baseCorner[3] = { -0.5, -0.2, -0.5 };
  static const double baseSize[3] = { 5.0, 0.2, 2.0 };
  static const double grey[3] = { 0.6, 0.6, 0.6 };
  zebActor* base = MakeBox(baseCorner, baseSize, grey);
  renderer->AddActor(base);
  base->Delete();
}
}

int TestExampleCounterBars(int argc, char* argv[])
{
  zebRenderer* renderer = zebRenderer::New();
  AddCounterBars(renderer);
  renderer->SetBackground(0.1, 0.1, 0.2);
  renderer->RotateCamera(-30, 20);
  zebRenderWindow* window = zebRenderWindow::New();
  window->AddRenderer(renderer);
  window->SetSize(300, 300);
  zebRenderWindowInteractor* interactor = zebRenderWindowInteractor::New();
  interactor->SetRenderWindow(window);
  interactor->Initialize();

  // Renders, compares with the baseline that -V names and, for -I, asks for
  // the interactor.
  int answer = zebTesting::Test(argc, argv, window, 10.0);
  if (answer == zebTesting::DO_INTERACTOR)
  {
    interactor->Start();
  }

  interactor->Delete();
  window->Delete();
  renderer->Delete();
  return answer == zebTesting::FAILED ? 1 : 0;
}

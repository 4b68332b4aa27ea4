// A program that renders a VRML scene as TestVRMLNormals does, with the
// camera moved by a fraction of a pixel, and hands the window to the
// regression check:
//   import_program_probe <scene.wrl> <right> <up> [check arguments...]
// The scene moves right and up by the given numbers of pixels (at the depth
// of its centre). The exit status is 1 when the check fails, else 0. The
// scene sensitivity test runs it to show that the check passes the scene
// drawn from a slightly different view, or by another renderer (the
// environment of zebOpenGLRenderWindow).
#include <zebRenderWindow.h>
#include <zebRenderWindowInteractor.h>
#include <zebRenderer.h>
#include <zebTestStartup.h>
#include <zebTesting.h>
#include <zebVRMLImporter.h>

#include <cstdio>
#include <cstdlib>

ZEB_LEAK_TRACKING_HOLDER()
ZEB_AUTOINIT_GROUP(zebInteractionStyle, zebRenderingOpenGL)

int main(int argc, char* argv[])
{
  if (argc < 4)
  {
    fprintf(stderr, "usage: import_program_probe <scene.wrl> <right> <up> [check arguments...]\n");
    return 2;
  }
  const int side = 400;
  zebRenderer* renderer = zebRenderer::New();
  zebRenderWindow* window = zebRenderWindow::New();
  window->AddRenderer(renderer);
  zebRenderWindowInteractor* interactor = zebRenderWindowInteractor::New();
  interactor->SetRenderWindow(window);
  zebVRMLImporter* importer = zebVRMLImporter::New();
  importer->SetRenderWindow(window);
  importer->SetFileName(argv[1]);
  importer->Read();
  window->SetSize(side, side);
  renderer->PanCamera(atof(argv[2]) / side, atof(argv[3]) / side);
  const int answer = zebTesting::Test(argc - 4, argv + 4, window, 10.0);
  importer->Delete();
  renderer->Delete();
  window->Delete();
  interactor->Delete();
  return answer == zebTesting::FAILED ? 1 : 0;
}

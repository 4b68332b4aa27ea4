// A program that renders a lit, partly translucent scene with the start-up
// registrations of a rendering test program and writes it as a PNG:
//   rendering_probe <output.png> [<width> <height>]
// It exits 0 when the image was written. The renderer's tests run it in
// different environments and compare the files.
#include "RenderingScenes.h"

#include <zebActor.h>
#include <zebPNGImage.h>
#include <zebRenderWindow.h>
#include <zebRenderWindowInteractor.h>
#include <zebRenderer.h>
#include <zebTestStartup.h>

#include <cstdio>
#include <cstdlib>

ZEB_LEAK_TRACKING_HOLDER()
ZEB_AUTOINIT_GROUP(zebInteractionStyle, zebRenderingOpenGL)

static zebRenderer* MakeScene()
{
  zebRenderer* renderer = zebRenderer::New();
  zebActor* sphere = MakeSphereActor(24, 48);
  sphere->SetDiffuseColor(0.8, 0.3, 0.2);
  sphere->SetSpecularColor(1.0, 1.0, 1.0);
  renderer->AddActor(sphere);
  sphere->Delete();
  zebActor* pane = MakeTriangleActor(-1.0, 20.0);
  pane->SetOpacity(0.5);
  renderer->AddActor(pane);
  pane->Delete();
  return renderer;
}

int main(int argc, char* argv[])
{
  if (argc != 2 && argc != 4)
  {
    fprintf(stderr, "usage: rendering_probe <output.png> [<width> <height>]\n");
    return 2;
  }
  zebRenderer* renderer = MakeScene();
  zebRenderWindow* window =
    MakeWindow(renderer, argc == 4 ? atoi(argv[2]) : 160, argc == 4 ? atoi(argv[3]) : 120);
  zebRenderWindowInteractor* interactor = zebRenderWindowInteractor::New();
  interactor->SetRenderWindow(window);
  interactor->Initialize();
  window->Render();
  zebRGBImage image;
  image.Width = window->GetWidth();
  image.Height = window->GetHeight();
  std::string error;
  const bool written =
    window->GrabPixels(image.Pixels) && zebPNGImage::Write(argv[1], image, error);
  if (!error.empty())
  {
    fprintf(stderr, "rendering_probe: %s\n", error.c_str());
  }
  renderer->Delete();
  window->Delete();
  interactor->Delete();
  return written ? 0 : 1;
}

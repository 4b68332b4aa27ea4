// TestVRMLNormals: imports the wine glass scene, whose glass carries its own
// normals, and compares the rendered image with its baseline.
#include "TestDataFile.h"

#include <zebRenderWindow.h>
#include <zebRenderWindowInteractor.h>
#include <zebRenderer.h>
#include <zebTesting.h>
#include <zebVRMLImporter.h>

// This program's start-up registrations, made before main runs.
#include "TestStartup.h"

int TestVRMLNormals(int argc, char* argv[])
{
  zebRenderer* renderer = zebRenderer::New();
  zebRenderWindow* window = zebRenderWindow::New();
  window->AddRenderer(renderer);
  zebRenderWindowInteractor* interactor = zebRenderWindowInteractor::New();
  interactor->SetRenderWindow(window);
  zebVRMLImporter* importer = zebVRMLImporter::New();
  importer->SetRenderWindow(window);
  char* path = ComposeDataFilePath(argc, argv, "Data/WineGlass.wrl");

  importer->SetFileName(path);
  importer->Read();
  delete[] path;

  window->SetSize(400, 400);
  interactor->Initialize();
  int answer = zebTesting::Test(argc, argv, window, 10.0);
  if (answer == zebTesting::DO_INTERACTOR)
  {
    interactor->Start();
  }

  importer->Delete();
  renderer->Delete();
  window->Delete();
  interactor->Delete();
  return answer == zebTesting::FAILED ? 1 : 0;
}

// TestVRMLImporter: imports the wine glass scene twice into one window, one
// importer after the other. It passes whenever both imports run to their end.
#include "TestDataFile.h"

#include <zebRenderWindow.h>
#include <zebRenderWindowInteractor.h>
#include <zebRenderer.h>
#include <zebVRMLImporter.h>

// This program's start-up registrations, made before main runs.
#include "TestStartup.h"

int TestVRMLImporter(int argc, char* argv[])
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
  importer->Delete();

  importer = zebVRMLImporter::New();
  importer->SetRenderWindow(window);
  importer->SetFileName(path);
  importer->Read();
  importer->Delete();

  delete[] path;
  interactor->Delete();
  window->Delete();
  renderer->Delete();
  return 0;
}

// zebVRMLImporter through zebImporter::Read, into a window that counts its
// renders instead of drawing: actors and materials, reads into one window,
// and files that cannot be read.
#include <zebActor.h>
#include <zebObjectFactory.h>
#include <zebRenderWindow.h>
#include <zebRenderer.h>
#include <zebTriangleMesh.h>
#include <zebVRMLImporter.h>

#include "RunProcess.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{
class CountingWindow : public zebRenderWindow
{
public:
  zebTypeMacro(CountingWindow, zebRenderWindow);
  static CountingWindow* New()
  {
    CountingWindow* window = new CountingWindow;
    window->InitializeObjectBase();
    return window;
  }
  void Render() override
  {
    ++this->Renders;
  }
  bool GrabPixels(std::vector<unsigned char>&) override
  {
    return false;
  }
  int Renders = 0;
};

const std::string WineGlass = ZEB_DATA_DIR "/Data/WineGlass.wrl";

// Reads name into window with a new importer and gives what it printed.
std::string ReadInto(zebRenderWindow* window, const char* name)
{
  zebVRMLImporter* importer = zebVRMLImporter::New();
  importer->SetRenderWindow(window);
  importer->SetFileName(name);
  testing::internal::CaptureStderr();
  importer->Read();
  std::string err = testing::internal::GetCapturedStderr();
  importer->Delete();
  return err;
}
}

TEST(VRMLImporter, ReadsShapesIntoActorsOfRendererZero)
{
  CountingWindow* window = CountingWindow::New();
  zebRenderer* renderer = zebRenderer::New();
  window->AddRenderer(renderer);

  EXPECT_EQ(ReadInto(window, WineGlass.c_str()), "");
  EXPECT_EQ(window->Renders, 1);
  ASSERT_EQ(renderer->GetNumberOfActors(), 2);
  zebActor* glass = renderer->GetActor(0);
  EXPECT_DOUBLE_EQ(glass->GetDiffuseColor()[0], 0.12);
  EXPECT_DOUBLE_EQ(glass->GetSpecularColor()[1], 1.0);
  EXPECT_DOUBLE_EQ(glass->GetShininess(), 0.8);
  EXPECT_DOUBLE_EQ(glass->GetOpacity(), 0.3);
  EXPECT_GT(glass->GetMesh()->GetNumberOfTriangles(), 1000);
  EXPECT_EQ(glass->GetMesh()->GetNormals().size(), glass->GetMesh()->GetPositions().size());
  EXPECT_DOUBLE_EQ(renderer->GetActor(1)->GetDiffuseColor()[0], 0.9);

  // A second import into the same window adds to the same renderer.
  EXPECT_EQ(ReadInto(window, WineGlass.c_str()), "");
  EXPECT_EQ(window->Renders, 2);
  EXPECT_EQ(window->GetNumberOfRenderers(), 1);
  EXPECT_EQ(renderer->GetNumberOfActors(), 4);
  EXPECT_EQ(window->GetReferenceCount(), 1);
  renderer->Delete();
  window->Delete();
}

// A shape used three times becomes one actor drawn at three placements.
TEST(VRMLImporter, ShapeUsedAgainIsOneActorWithAPlacementPerUse)
{
  std::string path = MakeTempDirectory() + "/uses.wrl";
  ASSERT_TRUE(WriteFile(path,
                        "#VRML V2.0 utf8\n"
                        "DEF S Shape { geometry IndexedFaceSet { coord Coordinate { point [ 0 0 "
                        "0, 1 0 0, 0 1 0 ] } coordIndex [ 0 1 2 ] } }\n"
                        "USE S Transform { translation 0 0 7 children USE S }\n"));
  CountingWindow* window = CountingWindow::New();
  EXPECT_EQ(ReadInto(window, path.c_str()), "");
  zebRenderer* renderer = window->GetRenderer(0);
  ASSERT_EQ(renderer->GetNumberOfActors(), 1);
  zebActor* actor = renderer->GetActor(0);
  EXPECT_EQ(actor->GetNumberOfCopies(), 3u);
  EXPECT_EQ(actor->GetMesh()->GetNumberOfTriangles(), 1);
  ASSERT_EQ(actor->GetPlacements().size(), 36u);
  EXPECT_EQ(actor->GetPlacements()[24 + 11], 7.0f);
  double bounds[6];
  renderer->GetBounds(bounds);
  EXPECT_EQ(bounds[5], 7.0);
  window->Delete();
}

TEST(VRMLImporter, MakesARendererWhenTheWindowHasNone)
{
  CountingWindow* window = CountingWindow::New();
  EXPECT_EQ(ReadInto(window, WineGlass.c_str()), "");
  ASSERT_EQ(window->GetNumberOfRenderers(), 1);
  EXPECT_EQ(window->GetRenderer(0)->GetNumberOfActors(), 2);
  window->Delete();
}

TEST(VRMLImporter, UnreadableFilesAddNothing)
{
  std::string directory = MakeTempDirectory();
  std::string missing = directory + "/missing.wrl";
  std::string broken = directory + "/broken.wrl";
  ASSERT_TRUE(WriteFile(broken,
                        "#VRML V2.0 utf8\n"
                        "Shape { geometry IndexedFaceSet { coord Coordinate { point [ 0 0 "
                        "0, 1 0 0, 0 1 0 ] } coordIndex [ 0 1 2 ] } }\n"
                        "Transform {\n  translation 1 2 three\n}\n"));

  CountingWindow* window = CountingWindow::New();
  EXPECT_EQ(ReadInto(window, missing.c_str()),
            "zebVRMLImporter: cannot open " + missing + ": No such file or directory\n");
  EXPECT_EQ(ReadInto(window, directory.c_str()),
            "zebVRMLImporter: cannot read " + directory + ": Is a directory\n");
  EXPECT_EQ(ReadInto(window, broken.c_str()),
            "zebVRMLImporter: " + broken + ": line 4: bad number 'three' in translation\n");
  EXPECT_EQ(ReadInto(window, nullptr), "zebVRMLImporter: no file name set\n");
  // Nothing was half-built: no renderer was made, yet every read rendered.
  EXPECT_EQ(window->GetNumberOfRenderers(), 0);
  EXPECT_EQ(window->Renders, 4);
  window->Delete();

  EXPECT_EQ(ReadInto(nullptr, WineGlass.c_str()),
            "zebVRMLImporter: no render window to read into\n");
}

TEST(VRMLImporter, KeepsItsOwnFileNameAndWindowReference)
{
  zebVRMLImporter* importer = zebVRMLImporter::New();
  EXPECT_EQ(importer->GetFileName(), nullptr);
  char name[] = "/data/WineGlass.wrl";
  importer->SetFileName(name);
  memset(name, 'x', sizeof(name) - 1);
  EXPECT_STREQ(importer->GetFileName(), "/data/WineGlass.wrl");

  CountingWindow* window = CountingWindow::New();
  importer->SetRenderWindow(window);
  EXPECT_EQ(window->GetReferenceCount(), 2);
  EXPECT_EQ(importer->GetRenderWindow(), window);
  std::ostringstream printed;
  importer->Print(printed);
  EXPECT_NE(printed.str().find("File Name: /data/WineGlass.wrl\n"), std::string::npos);
  importer->Delete();
  EXPECT_EQ(window->GetReferenceCount(), 1);
  window->Delete();
}

// The interactor: its style comes from the interaction-style module once
// that is initialised, Start returns at once saying why when it has no
// display or no window to show, and the objects of a scene keep each other
// alive in whatever order they are released. Start with a display is tested
// under Xvfb (tests/interaction).
#include <zebActor.h>
#include <zebInteractionStyleModule.h>
#include <zebInteractorStyle.h>
#include <zebRenderWindow.h>
#include <zebRenderWindowInteractor.h>
#include <zebRenderer.h>
#include <zebRenderingOpenGLModule.h>
#include <zebTriangleMesh.h>

#include <gtest/gtest.h>

#include <cstdlib>

TEST(Interactor, StyleComesFromTheInteractionStyleModule)
{
  zebRenderWindowInteractor* plain = zebRenderWindowInteractor::New();
  plain->Initialize();
  ASSERT_NE(plain->GetInteractorStyle(), nullptr);
  EXPECT_STREQ(plain->GetInteractorStyle()->GetClassName(), "zebInteractorStyle");
  plain->Delete();

  zebInteractionStyle_AutoInit_Construct();
  zebRenderWindowInteractor* interactor = zebRenderWindowInteractor::New();
  EXPECT_FALSE(interactor->GetInitialized());
  interactor->Initialize();
  EXPECT_TRUE(interactor->GetInitialized());
  EXPECT_STREQ(interactor->GetInteractorStyle()->GetClassName(),
               "zebInteractorStyleTrackballCamera");
  EXPECT_EQ(interactor->GetInteractorStyle()->GetInteractor(), interactor);
  interactor->Delete();
  zebInteractionStyle_AutoInit_Destruct();
}

TEST(Interactor, StartSaysThereIsNoDisplayAndReturns)
{
  unsetenv("DISPLAY");
  zebRenderWindowInteractor* interactor = zebRenderWindowInteractor::New();
  testing::internal::CaptureStderr();
  interactor->Start();
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "zebRenderWindowInteractor: no display to interact with; Start returns at once\n");
  EXPECT_TRUE(interactor->GetInitialized());
  EXPECT_EQ(interactor->GetNumberOfStarts(), 1);

  setenv("DISPLAY", "", 1);
  testing::internal::CaptureStderr();
  interactor->Start();
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "zebRenderWindowInteractor: no display to interact with; Start returns at once\n");
  // A display, but nothing to show on it: no connection is tried.
  setenv("DISPLAY", ":65000", 1);
  testing::internal::CaptureStderr();
  interactor->Start();
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "zebRenderWindowInteractor: no render window to show; Start returns at once\n");
  EXPECT_EQ(interactor->GetNumberOfStarts(), 3);
  unsetenv("DISPLAY");
  interactor->Delete();
}

TEST(Interactor, SceneObjectsOutliveTheirFirstRelease)
{
  zebRenderingOpenGL_AutoInit_Construct();
  zebRenderer* renderer = zebRenderer::New();
  zebRenderWindow* window = zebRenderWindow::New();
  window->AddRenderer(renderer);
  zebRenderWindowInteractor* interactor = zebRenderWindowInteractor::New();
  interactor->SetRenderWindow(window);
  zebActor* actor = zebActor::New();
  zebTriangleMesh* mesh = zebTriangleMesh::New();
  actor->SetMesh(mesh);
  renderer->AddActor(actor);
  EXPECT_EQ(mesh->GetReferenceCount(), 2);
  EXPECT_EQ(actor->GetReferenceCount(), 2);
  EXPECT_EQ(renderer->GetReferenceCount(), 2);
  EXPECT_EQ(window->GetReferenceCount(), 2);

  mesh->Delete();
  actor->Delete();
  renderer->Delete();
  window->Delete();
  EXPECT_EQ(interactor->GetRenderWindow()->GetRenderer(0)->GetActor(0)->GetMesh(), mesh);
  EXPECT_EQ(interactor->GetRenderWindow()->GetRenderer(1), nullptr);
  interactor->Delete();
  zebRenderingOpenGL_AutoInit_Destruct();
}

// The offscreen OpenGL window: factory registration, repeatable images,
// background, lighting from the normals, depth, opacity and resizing.
#include "RenderingScenes.h"

#include <zebActor.h>
#include <zebRenderWindow.h>
#include <zebRenderer.h>
#include <zebRenderingOpenGLModule.h>
#include <zebTriangleMesh.h>

#include <gtest/gtest.h>

namespace
{
// Renders renderer alone in a new width by height window and grabs the image.
std::vector<unsigned char> RenderAlone(zebRenderer* renderer, int width, int height)
{
  zebRenderWindow* window = MakeWindow(renderer, width, height);
  window->Render();
  std::vector<unsigned char> rgb;
  EXPECT_TRUE(window->GrabPixels(rgb));
  window->Delete();
  return rgb;
}

// The middle pixel of a scene holding the given actor alone.
Colour MiddleOf(zebActor* actor, double r = 0.2, double g = 0.4, double b = 0.6)
{
  zebRenderer* renderer = zebRenderer::New();
  renderer->SetBackground(r, g, b);
  renderer->AddActor(actor);
  std::vector<unsigned char> rgb = RenderAlone(renderer, 64, 64);
  renderer->Delete();
  return rgb.size() == 64 * 64 * 3 ? PixelAt(rgb, 64, 32, 32) : Colour{ -1, -1, -1 };
}

void ExpectNear(Colour actual, Colour expected, int tolerance)
{
  EXPECT_NEAR(actual.r, expected.r, tolerance);
  EXPECT_NEAR(actual.g, expected.g, tolerance);
  EXPECT_NEAR(actual.b, expected.b, tolerance);
}

class OpenGLWindow : public testing::Test
{
protected:
  void SetUp() override
  {
    zebRenderingOpenGL_AutoInit_Construct();
  }
  void TearDown() override
  {
    zebRenderingOpenGL_AutoInit_Destruct();
  }
};
}

TEST(RenderWindowFactory, WindowOnlyWhileTheOpenGLModuleIsInitialised)
{
  testing::internal::CaptureStderr();
  EXPECT_EQ(zebRenderWindow::New(), nullptr);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("zebRenderWindow"), std::string::npos);

  zebRenderingOpenGL_AutoInit_Construct();
  zebRenderWindow* window = zebRenderWindow::New();
  ASSERT_NE(window, nullptr);
  EXPECT_STREQ(window->GetClassName(), "zebOpenGLRenderWindow");
  EXPECT_TRUE(window->IsA("zebRenderWindow"));
  window->Delete();
  zebRenderingOpenGL_AutoInit_Destruct();

  testing::internal::CaptureStderr();
  EXPECT_EQ(zebRenderWindow::New(), nullptr);
  testing::internal::GetCapturedStderr();
}

TEST_F(OpenGLWindow, TwoRendersAndTwoWindowsGiveIdenticalPixels)
{
  zebRenderer* renderer = zebRenderer::New();
  zebActor* sphere = MakeSphereActor(24, 48);
  sphere->SetSpecularColor(1.0, 1.0, 1.0);
  sphere->SetShininess(0.3);
  renderer->AddActor(sphere);
  sphere->Delete();

  zebRenderWindow* window = MakeWindow(renderer, 120, 90);
  std::vector<unsigned char> first;
  std::vector<unsigned char> second;
  window->Render();
  ASSERT_TRUE(window->GrabPixels(first));
  window->Render();
  ASSERT_TRUE(window->GrabPixels(second));
  window->Delete();
  EXPECT_EQ(first.size(), 120u * 90u * 3u);
  EXPECT_TRUE(first == second);
  EXPECT_TRUE(RenderAlone(renderer, 120, 90) == first);
  renderer->Delete();
}

TEST_F(OpenGLWindow, EmptySceneShowsTheBackgroundOnly)
{
  zebRenderer* renderer = zebRenderer::New();
  renderer->SetBackground(0.2, 0.4, 0.6);
  zebActor* meshless = zebActor::New();
  renderer->AddActor(meshless);
  meshless->Delete();
  std::vector<unsigned char> rgb = RenderAlone(renderer, 50, 40);
  renderer->Delete();
  ASSERT_EQ(rgb.size(), 50u * 40u * 3u);
  for (size_t i = 0; i < rgb.size(); i += 3)
  {
    ASSERT_EQ(rgb[i], 51) << "pixel " << i / 3;
    ASSERT_EQ(rgb[i + 1], 102) << "pixel " << i / 3;
    ASSERT_EQ(rgb[i + 2], 153) << "pixel " << i / 3;
  }

  zebRenderWindow* bare = zebRenderWindow::New();
  bare->SetSize(8, 8);
  bare->Render();
  ASSERT_TRUE(bare->GrabPixels(rgb));
  bare->Delete();
  EXPECT_EQ(rgb, std::vector<unsigned char>(8 * 8 * 3, 0));
}

TEST_F(OpenGLWindow, SphereIsFramedAndShadedByItsNormals)
{
  zebRenderer* renderer = zebRenderer::New();
  renderer->SetBackground(0.0, 0.0, 0.0);
  zebActor* sphere = MakeSphereActor(32, 64);
  renderer->AddActor(sphere);
  sphere->Delete();
  std::vector<unsigned char> rgb = RenderAlone(renderer, 100, 100);
  renderer->Delete();
  ASSERT_EQ(rgb.size(), 100u * 100u * 3u);

  // Facing the headlight the grey diffuse colour 0.8 shows in full; towards
  // the rim the normals turn away and the sphere darkens.
  ExpectNear(PixelAt(rgb, 100, 50, 50), { 204, 204, 204 }, 3);
  const int rim = PixelAt(rgb, 100, 50, 25).r;
  EXPECT_GT(rim, 30);
  EXPECT_LT(rim, 180);
  EXPECT_GT(PixelAt(rgb, 100, 50, 35).r, rim);
  // The whole sphere fits: the corners and the border stay background.
  ExpectNear(PixelAt(rgb, 100, 0, 0), { 0, 0, 0 }, 0);
  ExpectNear(PixelAt(rgb, 100, 99, 50), { 0, 0, 0 }, 0);
  ExpectNear(PixelAt(rgb, 100, 50, 99), { 0, 0, 0 }, 0);
}

TEST_F(OpenGLWindow, DiffuseSpecularAndTiltedNormals)
{
  zebActor* facing = MakeTriangleActor(0.0, 0.0);
  facing->SetDiffuseColor(1.0, 0.5, 0.0);
  ExpectNear(MiddleOf(facing), { 255, 128, 0 }, 2);
  facing->SetSpecularColor(0.0, 0.0, 1.0);
  ExpectNear(MiddleOf(facing), { 255, 128, 255 }, 2);
  // Placed by a mirror, its front faces still face the light.
  facing->SetPlacements({ -1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0 });
  ExpectNear(MiddleOf(facing), { 255, 128, 255 }, 2);
  facing->Delete();

  // Normals tilted by 60 degrees see the headlight at half strength:
  // 0.8 * (0.1 + 0.9 * 0.5) = 0.44.
  zebActor* tilted = MakeTriangleActor(0.0, 60.0);
  ExpectNear(MiddleOf(tilted), { 112, 112, 112 }, 3);
  // Stretched along x by the square root of 3, the normals turn by the
  // inverse transpose to 45 degrees: 0.8 * (0.1 + 0.9 * 0.7071) = 0.589.
  tilted->SetPlacements({ 1.7320508f, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0 });
  ExpectNear(MiddleOf(tilted), { 150, 150, 150 }, 3);
  tilted->Delete();
}

TEST_F(OpenGLWindow, NearerSurfaceHidesFartherOneAndOpacityBlends)
{
  zebRenderer* renderer = zebRenderer::New();
  renderer->SetBackground(0.0, 0.0, 0.0);
  zebActor* nearer = MakeTriangleActor(0.5, 0.0);
  nearer->SetDiffuseColor(1.0, 0.0, 0.0);
  zebActor* farther = MakeTriangleActor(-0.5, 0.0);
  farther->SetDiffuseColor(0.0, 1.0, 0.0);
  renderer->AddActor(nearer);
  renderer->AddActor(farther);
  std::vector<unsigned char> rgb = RenderAlone(renderer, 64, 64);
  ASSERT_FALSE(rgb.empty());
  ExpectNear(PixelAt(rgb, 64, 32, 32), { 255, 0, 0 }, 2);

  nearer->SetOpacity(0.5);
  rgb = RenderAlone(renderer, 64, 64);
  ASSERT_FALSE(rgb.empty());
  ExpectNear(PixelAt(rgb, 64, 32, 32), { 128, 128, 0 }, 2);
  nearer->Delete();
  farther->Delete();
  renderer->Delete();

  zebActor* clear = MakeTriangleActor(0.0, 0.0);
  clear->SetOpacity(0.0);
  ExpectNear(MiddleOf(clear), { 51, 102, 153 }, 0);
  clear->Delete();
}

// One mesh placed twice, left and right: both copies are drawn and framed,
// with the background between them.
TEST_F(OpenGLWindow, MeshIsDrawnAtEveryPlacement)
{
  zebActor* sphere = MakeSphereActor(16, 32);
  sphere->SetPlacements(
    { 1, 0, 0, -2, 0, 1, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 0, 1, 0, 0, 0, 0, 1, 0 });
  double bounds[6];
  sphere->GetBounds(bounds);
  EXPECT_NEAR(bounds[0], -3.0, 1e-6);
  EXPECT_NEAR(bounds[1], 3.0, 1e-6);
  zebRenderer* renderer = zebRenderer::New();
  renderer->SetBackground(0.0, 0.0, 0.0);
  renderer->AddActor(sphere);
  sphere->Delete();
  std::vector<unsigned char> rgb = RenderAlone(renderer, 90, 90);
  renderer->Delete();
  ASSERT_EQ(rgb.size(), 90u * 90u * 3u);
  // The framing's half height at the centre is 3.39 (a bounding sphere of
  // radius 3.32 in 30 degrees), so the spheres lie 27 pixels either side of
  // the middle, mirror images of each other.
  const Colour left = PixelAt(rgb, 90, 18, 45), right = PixelAt(rgb, 90, 72, 45);
  EXPECT_GT(left.r, 150);
  ExpectNear(right, { left.r, left.g, left.b }, 1);
  ExpectNear(PixelAt(rgb, 90, 45, 45), { 0, 0, 0 }, 0);
}

// A frame beyond what a window draws in reasonable time is refused in one
// line, before any drawing: by the pixels its triangles cover (the framed
// triangle covers 37,300 pixels of 400 by 400, drawn 14,000 times over
// itself), and by the number of its triangles (10,001 copies of 1,001
// triangles, all but one without area). A hundred copies are drawn, and so
// are all of them once the view is moved off them, or once the camera,
// nearer, has all but one behind it (the copies 10 before and 10 behind the
// scene's centre).
TEST_F(OpenGLWindow, FramesCostingMoreThanABoundAreRefused)
{
  zebActor* triangle = MakeTriangleActor(0.0, 0.0);
  zebActor* triangles = MakeTriangleActor(0.0, 0.0);
  for (int i = 0; i < 1000; ++i)
  {
    triangles->GetMesh()->InsertNextTriangle(0, 0, 1);
  }
  const std::string tooManyPixels = "zebOpenGLRenderWindow: the scene is too costly to draw (its "
                                    "triangles cover more than 500000000 pixels)\n";
  const std::string tooManyTriangles =
    "zebOpenGLRenderWindow: the scene is too costly to draw (more than 10000000 triangles)\n";
  const struct
  {
    zebActor* Actor;
    size_t Copies;
    double Pan;   // view heights to the right
    bool Behind;  // the camera 1,000 times nearer, the copies but the first behind it
    std::string Refusal;
  } cases[] = {
    { triangle, 14000, 0.0, false, tooManyPixels },
    { triangle, 100, 0.0, false, "" },
    { triangle, 14000, 2.0, false, "" },
    { triangle, 14000, 0.0, true, "" },
    { triangles, 10001, 0.0, false, tooManyTriangles },
    { triangles, 100, 0.0, false, "" },
  };
  for (const auto& c : cases)
  {
    std::vector<float> placements;
    for (size_t copy = 0; copy < c.Copies; ++copy)
    {
      const float depth = !c.Behind ? 0.0f : copy == 0 ? -10.0f : 10.0f;
      placements.insert(placements.end(), { 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, depth });
    }
    c.Actor->SetPlacements(placements);
    zebRenderer* renderer = zebRenderer::New();
    renderer->AddActor(c.Actor);
    renderer->PanCamera(c.Pan, 0.0);
    renderer->ZoomCamera(c.Behind ? 1000.0 : 1.0);
    zebRenderWindow* window = MakeWindow(renderer, 400, 400);
    renderer->Delete();
    window->Render();
    std::vector<unsigned char> rgb;
    testing::internal::CaptureStderr();
    const bool grabbed = window->GrabPixels(rgb);
    const std::string err = testing::internal::GetCapturedStderr();
    window->Delete();
    EXPECT_EQ(grabbed, c.Refusal.empty()) << c.Copies;
    EXPECT_EQ(err, c.Refusal) << c.Copies;
  }
  triangle->Delete();
  triangles->Delete();
}

TEST_F(OpenGLWindow, MeshWithCornersBeyondItsPointsIsNotDrawn)
{
  zebActor* broken = MakeTriangleActor(0.0, 0.0);
  broken->GetMesh()->InsertNextTriangle(0, 1, 3);
  testing::internal::CaptureStderr();
  ExpectNear(MiddleOf(broken), { 51, 102, 153 }, 0);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("point 3 of a mesh of 3 points"),
            std::string::npos);
  broken->GetMesh()->InsertNextTriangle(-1, 0, 1);
  testing::internal::CaptureStderr();
  ExpectNear(MiddleOf(broken), { 51, 102, 153 }, 0);
  EXPECT_NE(testing::internal::GetCapturedStderr(), "");
  broken->Delete();
}

TEST_F(OpenGLWindow, ResizingNeedsAnotherRender)
{
  zebRenderer* renderer = zebRenderer::New();
  zebRenderWindow* window = MakeWindow(renderer, 30, 20);
  renderer->Delete();
  std::vector<unsigned char> rgb;
  testing::internal::CaptureStderr();
  EXPECT_FALSE(window->GrabPixels(rgb));
  window->Render();
  window->SetSize(40, 10);
  EXPECT_FALSE(window->GrabPixels(rgb));
  EXPECT_NE(testing::internal::GetCapturedStderr(), "");
  window->Render();
  ASSERT_TRUE(window->GrabPixels(rgb));
  EXPECT_EQ(rgb.size(), 40u * 10u * 3u);
  window->Delete();
}

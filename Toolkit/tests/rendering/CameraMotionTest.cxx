// The renderer's camera motion and the trackball style that drives it: a
// reset gives back the very matrices of the framing, each motion moves the
// scene the documented way, and pointer drags map to those motions.
#include "RenderingScenes.h"

#include <zebActor.h>
#include <zebInteractionStyleModule.h>
#include <zebInteractorStyle.h>
#include <zebRenderWindow.h>
#include <zebRenderWindowInteractor.h>
#include <zebRenderer.h>
#include <zebRenderingOpenGLModule.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace
{
const double Tangent15 = std::tan(15.0 * 3.14159265358979323846 / 180.0);

struct Camera
{
  float View[16];
  float Projection[16];
};

Camera CameraOf(const zebRenderer* renderer, double aspect = 1.0)
{
  Camera camera;
  EXPECT_TRUE(renderer->ComputeCamera(aspect, camera.View, camera.Projection));
  return camera;
}

bool SameBits(const Camera& a, const Camera& b)
{
  return memcmp(&a, &b, sizeof(Camera)) == 0;
}

// Eye coordinates of a scene point.
void ToEye(const Camera& camera, const double point[3], double eye[3])
{
  for (int row = 0; row < 3; ++row)
  {
    eye[row] = camera.View[12 + row];
    for (int column = 0; column < 3; ++column)
    {
      eye[row] += camera.View[column * 4 + row] * point[column];
    }
  }
}

// The unit sphere about the origin: its centre and its points are easy to name.
class CameraMotion : public testing::Test
{
protected:
  void SetUp() override
  {
    this->Renderer = zebRenderer::New();
    zebActor* sphere = MakeSphereActor(8, 16);
    this->Renderer->AddActor(sphere);
    sphere->Delete();
    this->Framing = CameraOf(this->Renderer);
  }
  void TearDown() override
  {
    this->Renderer->Delete();
  }
  // Where the scene point lies relative to the centre, in eye coordinates.
  void Offset(const double point[3], double offset[3])
  {
    const double origin[3] = { 0.0, 0.0, 0.0 };
    double centre[3];
    const Camera camera = CameraOf(this->Renderer);
    ToEye(camera, origin, centre);
    ToEye(camera, point, offset);
    for (int i = 0; i < 3; ++i)
    {
      offset[i] -= centre[i];
    }
  }

  zebRenderer* Renderer = nullptr;
  Camera Framing;
};
}

TEST_F(CameraMotion, ResetGivesTheFramingsOwnMatrices)
{
  this->Renderer->RotateCamera(33.0, -71.0);
  this->Renderer->ZoomCamera(2.5);
  this->Renderer->PanCamera(0.1, -0.3);
  EXPECT_FALSE(SameBits(CameraOf(this->Renderer), this->Framing));
  this->Renderer->ResetCamera();
  EXPECT_TRUE(SameBits(CameraOf(this->Renderer), this->Framing));
  // The framing centres the scene on the view axis.
  EXPECT_EQ(this->Framing.View[12], 0.0f);
  EXPECT_EQ(this->Framing.View[13], 0.0f);
}

TEST_F(CameraMotion, TurnsAboutTheCentreTheWayTheCameraMoves)
{
  const double up[3] = { 0.0, 1.0, 0.0 };
  const double right[3] = { 1.0, 0.0, 0.0 };
  double offset[3];
  // The camera rises over the scene: the scene's top now faces it.
  this->Renderer->RotateCamera(0.0, 90.0);
  this->Offset(up, offset);
  EXPECT_NEAR(offset[0], 0.0, 1e-6);
  EXPECT_NEAR(offset[1], 0.0, 1e-6);
  EXPECT_NEAR(offset[2], 1.0, 1e-6);
  // The camera goes round to the scene's right side, which then faces it.
  this->Renderer->ResetCamera();
  this->Renderer->RotateCamera(90.0, 0.0);
  this->Offset(right, offset);
  EXPECT_NEAR(offset[2], 1.0, 1e-6);
  // A turn keeps lengths: the matrix stays a rotation after many turns.
  for (int i = 0; i < 1000; ++i)
  {
    this->Renderer->RotateCamera(7.0, 3.0);
  }
  this->Offset(up, offset);
  EXPECT_NEAR(
    std::sqrt(offset[0] * offset[0] + offset[1] * offset[1] + offset[2] * offset[2]), 1.0, 1e-5);
}

TEST_F(CameraMotion, ZoomDividesTheDistanceAndIsBounded)
{
  const double origin[3] = { 0.0, 0.0, 0.0 };
  double framed[3];
  double nearer[3];
  ToEye(this->Framing, origin, framed);
  this->Renderer->ZoomCamera(2.0);
  ToEye(CameraOf(this->Renderer), origin, nearer);
  EXPECT_NEAR(nearer[2], framed[2] / 2.0, 1e-5);
  this->Renderer->ZoomCamera(0.0);
  this->Renderer->ZoomCamera(-3.0);
  ToEye(CameraOf(this->Renderer), origin, nearer);
  EXPECT_NEAR(nearer[2], framed[2] / 2.0, 1e-5);
  this->Renderer->ZoomCamera(1e9);
  ToEye(CameraOf(this->Renderer), origin, nearer);
  EXPECT_NEAR(nearer[2], framed[2] / 1000.0, 1e-6);
  // The near plane stays in front of the camera even inside the scene.
  const Camera inside = CameraOf(this->Renderer);
  const double nearPlane = inside.Projection[14] / (inside.Projection[10] - 1.0);
  EXPECT_GT(nearPlane, 0.0);
}

TEST_F(CameraMotion, PanShiftsByHeightsOfTheView)
{
  const double origin[3] = { 0.0, 0.0, 0.0 };
  double eye[3];
  this->Renderer->PanCamera(0.5, -0.25);
  ToEye(CameraOf(this->Renderer), origin, eye);
  // Half the view's height to the right is where the view's edge lies in a
  // square image; a quarter down is half way to the bottom edge.
  EXPECT_NEAR(eye[0] / -eye[2], Tangent15, 1e-5);
  EXPECT_NEAR(eye[1] / -eye[2], -0.5 * Tangent15, 1e-5);
}

TEST(TrackballStyle, DragsTurnPanAndZoomEveryRendererAndKeysReset)
{
  zebRenderingOpenGL_AutoInit_Construct();
  zebInteractionStyle_AutoInit_Construct();
  zebRenderer* first = zebRenderer::New();
  zebRenderer* second = zebRenderer::New();
  zebRenderer* expected = zebRenderer::New();
  for (zebRenderer* renderer : { first, second, expected })
  {
    zebActor* sphere = MakeSphereActor(8, 16);
    renderer->AddActor(sphere);
    sphere->Delete();
  }
  zebRenderWindow* window = MakeWindow(first, 400, 200);
  window->AddRenderer(second);
  zebRenderWindowInteractor* interactor = zebRenderWindowInteractor::New();
  interactor->SetRenderWindow(window);
  interactor->Initialize();
  zebInteractorStyle* style = interactor->GetInteractorStyle();

  // Left drag, right by 40 and down by 30 pixels, with the motion factor 10:
  // 20 * 10 * 40 / 400 = 20 degrees round, 20 * 10 * 30 / 200 = 30 up.
  style->OnButtonPress(1, 100, 100, false);
  style->OnMotion(120, 110);
  style->OnButtonRelease(1, 140, 130);
  expected->RotateCamera(-10.0, 10.0);
  expected->RotateCamera(-10.0, 20.0);
  EXPECT_TRUE(SameBits(CameraOf(first), CameraOf(expected)));
  EXPECT_TRUE(SameBits(CameraOf(second), CameraOf(expected)));
  // Motion without a button held does nothing.
  style->OnMotion(10, 10);
  EXPECT_TRUE(SameBits(CameraOf(first), CameraOf(expected)));

  // Shift and left, then the middle button: the view shifts with the pointer.
  style->OnButtonPress(1, 0, 0, true);
  style->OnButtonRelease(1, 20, 10);
  style->OnButtonPress(2, 0, 0, false);
  style->OnButtonRelease(2, 20, 0);
  expected->PanCamera(0.1, -0.05);
  expected->PanCamera(0.1, 0.0);
  // Right drag up by 10 pixels, then a wheel step away and one towards.
  style->OnButtonPress(3, 0, 50, false);
  style->OnButtonRelease(3, 0, 40);
  expected->ZoomCamera(std::pow(1.1, 10.0 * 10.0 / 100.0));
  style->OnButtonPress(4, 0, 0, false);
  style->OnButtonPress(5, 0, 0, false);
  const double step = std::pow(1.1, 0.2 * 10.0);
  expected->ZoomCamera(step);
  expected->ZoomCamera(1.0 / step);
  EXPECT_TRUE(SameBits(CameraOf(first), CameraOf(expected)));

  style->OnKey('r');
  expected->ResetCamera();
  EXPECT_TRUE(SameBits(CameraOf(first), CameraOf(expected)));
  EXPECT_TRUE(SameBits(CameraOf(second), CameraOf(expected)));

  interactor->Delete();
  window->Delete();
  for (zebRenderer* renderer : { first, second, expected })
  {
    renderer->Delete();
  }
  zebInteractionStyle_AutoInit_Destruct();
  zebRenderingOpenGL_AutoInit_Destruct();
}

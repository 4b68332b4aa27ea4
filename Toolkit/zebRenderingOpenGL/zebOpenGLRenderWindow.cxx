// Framebuffer management, rendering and pixel read-back of the offscreen
// OpenGL render window.
#include "zebOpenGLRenderWindow.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/glcorearb.h>

#include <zebFrameCost.h>
#include <zebObjectFactory.h>
#include <zebRenderer.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <new>

zebStandardNewMacro(zebOpenGLRenderWindow);

namespace
{
const int LargestSampleCount = 16;

// The samples per pixel that ZEB_OPENGL_SAMPLES asks for: 1 without it, or
// 0 with a message when it is no count from 1 to LargestSampleCount.
int ChosenSampleCount()
{
  const char* chosen = getenv("ZEB_OPENGL_SAMPLES");
  if (!chosen || !*chosen)
  {
    return 1;
  }
  char* end = nullptr;
  const long count = strtol(chosen, &end, 10);
  if (*end != '\0' || count < 1 || count > LargestSampleCount)
  {
    fprintf(stderr,
            "zebOpenGLRenderWindow: ZEB_OPENGL_SAMPLES is \"%s\"; it can be a count of samples "
            "per pixel from 1 to %d\n",
            chosen,
            LargestSampleCount);
    return 0;
  }
  return static_cast<int>(count);
}

// A renderbuffer of the given format and samples attached to the bound
// framebuffer.
GLuint AttachRenderbuffer(GLenum attachment, GLenum format, int samples, int width, int height)
{
  GLuint renderbuffer = 0;
  glGenRenderbuffers(1, &renderbuffer);
  glBindRenderbuffer(GL_RENDERBUFFER, renderbuffer);
  if (samples > 1)
  {
    glRenderbufferStorageMultisample(GL_RENDERBUFFER, samples, format, width, height);
  }
  else
  {
    glRenderbufferStorage(GL_RENDERBUFFER, format, width, height);
  }
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, attachment, GL_RENDERBUFFER, renderbuffer);
  glBindRenderbuffer(GL_RENDERBUFFER, 0);
  return renderbuffer;
}

// The most a frame may cost: past either count llvmpipe would take longer
// than a test may wait (bench/README.md has the figures).
const zebFrameCost MaximumFrameCost = { 10e6, 500e6 };

// Gives a zeroed image of width by height RGB pixels in rgb; false, with a
// message, when there is no memory for it.
bool AllocateImage(int width, int height, std::vector<unsigned char>& rgb)
{
  try
  {
    rgb.assign(static_cast<size_t>(width) * static_cast<size_t>(height) * 3, 0);
    return true;
  }
  catch (const std::bad_alloc&)
  {
    fprintf(stderr,
            "zebOpenGLRenderWindow: not enough memory for an image of %d by %d pixels\n",
            width,
            height);
    return false;
  }
}
}

zebOpenGLRenderWindow::zebOpenGLRenderWindow()
  : Framebuffers{ 0, 0 }
  , Renderbuffers{ 0, 0, 0 }
  , FramebufferWidth(0)
  , FramebufferHeight(0)
  , PixelsWidth(0)
  , PixelsHeight(0)
  , FramePending(false)
  , FrameWidth(0)
  , FrameHeight(0)
{
}

zebOpenGLRenderWindow::~zebOpenGLRenderWindow()
{
  this->ReleaseGraphicsResources();
}

void zebOpenGLRenderWindow::ReleaseGraphicsResources()
{
  if (this->Context.IsCreated() && this->Context.MakeCurrent())
  {
    if (this->Framebuffers[0])
    {
      this->DeleteFramebuffer();
    }
    this->Painter.ReleaseGraphicsResources();
  }
  this->Context.Release();
}

void zebOpenGLRenderWindow::DeleteFramebuffer()
{
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  glDeleteRenderbuffers(3, this->Renderbuffers);
  glDeleteFramebuffers(2, this->Framebuffers);
  this->Framebuffers[0] = this->Framebuffers[1] = 0;
  this->Renderbuffers[0] = this->Renderbuffers[1] = this->Renderbuffers[2] = 0;
  this->FramebufferWidth = this->FramebufferHeight = 0;
}

// The frame is drawn into the first framebuffer, with as many samples per
// pixel as asked for; a multisampled frame is resolved into the second,
// single-sampled one, whose pixels are read.
bool zebOpenGLRenderWindow::PrepareFramebuffer()
{
  const int width = this->GetWidth();
  const int height = this->GetHeight();
  if (this->Framebuffers[0] && width == this->FramebufferWidth && height == this->FramebufferHeight)
  {
    glBindFramebuffer(GL_FRAMEBUFFER, this->Framebuffers[0]);
    return true;
  }
  if (this->Framebuffers[0])
  {
    this->DeleteFramebuffer();
  }
  const int samples = ChosenSampleCount();
  if (samples < 1)
  {
    return false;
  }
  glGenFramebuffers(samples > 1 ? 2 : 1, this->Framebuffers);
  bool complete = true;
  if (samples > 1)
  {
    glBindFramebuffer(GL_FRAMEBUFFER, this->Framebuffers[1]);
    this->Renderbuffers[2] = AttachRenderbuffer(GL_COLOR_ATTACHMENT0, GL_RGBA8, 1, width, height);
    complete = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
  }
  glBindFramebuffer(GL_FRAMEBUFFER, this->Framebuffers[0]);
  this->Renderbuffers[0] =
    AttachRenderbuffer(GL_COLOR_ATTACHMENT0, GL_RGBA8, samples, width, height);
  this->Renderbuffers[1] =
    AttachRenderbuffer(GL_DEPTH_ATTACHMENT, GL_DEPTH_COMPONENT24, samples, width, height);
  this->FramebufferWidth = width;
  this->FramebufferHeight = height;
  if (!complete || glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE)
  {
    fprintf(stderr,
            "zebOpenGLRenderWindow: cannot make a %d by %d framebuffer of %d samples per pixel\n",
            width,
            height,
            samples);
    this->DeleteFramebuffer();
    return false;
  }
  return true;
}

void zebOpenGLRenderWindow::Render()
{
  this->Pixels.clear();
  this->PixelsWidth = this->PixelsHeight = 0;
  this->FramePending = true;
  this->FrameWidth = this->GetWidth();
  this->FrameHeight = this->GetHeight();
}

bool zebOpenGLRenderWindow::IsAffordable() const
{
  zebFrameCost total;
  for (int i = 0; i < this->GetNumberOfRenderers(); ++i)
  {
    const zebFrameCost left = { MaximumFrameCost.Triangles - total.Triangles,
                                MaximumFrameCost.Pixels - total.Pixels };
    const zebFrameCost cost =
      zebEstimateFrameCost(this->GetRenderer(i), this->GetWidth(), this->GetHeight(), left);
    total.Triangles += cost.Triangles;
    total.Pixels += cost.Pixels;
  }
  if (total.Triangles > MaximumFrameCost.Triangles)
  {
    fprintf(stderr,
            "zebOpenGLRenderWindow: the scene is too costly to draw (more than %.0f triangles)\n",
            MaximumFrameCost.Triangles);
    return false;
  }
  if (total.Pixels > MaximumFrameCost.Pixels)
  {
    fprintf(stderr,
            "zebOpenGLRenderWindow: the scene is too costly to draw (its triangles cover more "
            "than %.0f pixels)\n",
            MaximumFrameCost.Pixels);
    return false;
  }
  return true;
}

bool zebOpenGLRenderWindow::DrawFrame()
{
  this->FramePending = false;
  const int width = this->GetWidth();
  const int height = this->GetHeight();
  std::vector<unsigned char> frame;
  if (!this->IsAffordable() || !AllocateImage(width, height, frame) ||
      !this->Context.MakeCurrent() || !this->Painter.Prepare() || !this->PrepareFramebuffer())
  {
    return false;
  }
  glViewport(0, 0, width, height);
  glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  for (int i = 0; i < this->GetNumberOfRenderers(); ++i)
  {
    this->Painter.Paint(this->GetRenderer(i), width, height, i == 0);
  }
  if (!this->ReadPixels(frame))
  {
    return false;
  }
  this->Pixels.swap(frame);
  this->PixelsWidth = width;
  this->PixelsHeight = height;
  return true;
}

bool zebOpenGLRenderWindow::ReadPixels(std::vector<unsigned char>& rgb)
{
  const int width = this->FramebufferWidth;
  const int height = this->FramebufferHeight;
  if (this->Framebuffers[1])
  {
    glBindFramebuffer(GL_READ_FRAMEBUFFER, this->Framebuffers[0]);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, this->Framebuffers[1]);
    glBlitFramebuffer(0, 0, width, height, 0, 0, width, height, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, this->Framebuffers[1]);
  }
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  if (glGetError() != GL_NO_ERROR)
  {
    fprintf(stderr, "zebOpenGLRenderWindow: OpenGL reported an error while rendering\n");
    return false;
  }
  // OpenGL gives the bottom row first.
  const size_t rowBytes = static_cast<size_t>(width) * 3;
  for (int top = 0, bottom = height - 1; top < bottom; ++top, --bottom)
  {
    std::swap_ranges(rgb.begin() + static_cast<ptrdiff_t>(top * rowBytes),
                     rgb.begin() + static_cast<ptrdiff_t>((top + 1) * rowBytes),
                     rgb.begin() + static_cast<ptrdiff_t>(bottom * rowBytes));
  }
  return true;
}

bool zebOpenGLRenderWindow::IsOfCurrentSize(int width, int height) const
{
  if (width != this->GetWidth() || height != this->GetHeight())
  {
    fprintf(stderr, "zebOpenGLRenderWindow: the window was resized after its last render\n");
    return false;
  }
  return true;
}

bool zebOpenGLRenderWindow::GrabPixels(std::vector<unsigned char>& rgb)
{
  if (this->FramePending)
  {
    if (!this->IsOfCurrentSize(this->FrameWidth, this->FrameHeight) || !this->DrawFrame())
    {
      return false;
    }
  }
  else if (this->Pixels.empty())
  {
    fprintf(stderr, "zebOpenGLRenderWindow: no rendered image to grab\n");
    return false;
  }
  if (!this->IsOfCurrentSize(this->PixelsWidth, this->PixelsHeight) ||
      !AllocateImage(this->PixelsWidth, this->PixelsHeight, rgb))
  {
    return false;
  }
  std::copy(this->Pixels.begin(), this->Pixels.end(), rgb.begin());
  return true;
}

void zebOpenGLRenderWindow::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Rendered Image: (" << this->PixelsWidth << ", " << this->PixelsHeight << ")\n";
}

// Framebuffer management, rendering and pixel read-back of the offscreen
// OpenGL render window.
#include "zebOpenGLRenderWindow.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/glcorearb.h>

#include <zebObjectFactory.h>
#include <zebRenderer.h>

#include <cstdio>
#include <cstring>

zebStandardNewMacro(zebOpenGLRenderWindow);

zebOpenGLRenderWindow::zebOpenGLRenderWindow()
  : Framebuffer(0)
  , Renderbuffers{ 0, 0 }
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
    if (this->Framebuffer)
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
  glDeleteRenderbuffers(2, this->Renderbuffers);
  glDeleteFramebuffers(1, &this->Framebuffer);
  this->Framebuffer = 0;
  this->Renderbuffers[0] = this->Renderbuffers[1] = 0;
  this->FramebufferWidth = this->FramebufferHeight = 0;
}

bool zebOpenGLRenderWindow::PrepareFramebuffer()
{
  const int width = this->GetWidth();
  const int height = this->GetHeight();
  if (this->Framebuffer && width == this->FramebufferWidth && height == this->FramebufferHeight)
  {
    glBindFramebuffer(GL_FRAMEBUFFER, this->Framebuffer);
    return true;
  }
  if (this->Framebuffer)
  {
    this->DeleteFramebuffer();
  }
  glGenFramebuffers(1, &this->Framebuffer);
  glBindFramebuffer(GL_FRAMEBUFFER, this->Framebuffer);
  glGenRenderbuffers(2, this->Renderbuffers);
  glBindRenderbuffer(GL_RENDERBUFFER, this->Renderbuffers[0]);
  glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
  glFramebufferRenderbuffer(
    GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, this->Renderbuffers[0]);
  glBindRenderbuffer(GL_RENDERBUFFER, this->Renderbuffers[1]);
  glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, width, height);
  glFramebufferRenderbuffer(
    GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, this->Renderbuffers[1]);
  glBindRenderbuffer(GL_RENDERBUFFER, 0);
  this->FramebufferWidth = width;
  this->FramebufferHeight = height;
  if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE)
  {
    fprintf(stderr, "zebOpenGLRenderWindow: cannot make a %d by %d framebuffer\n", width, height);
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

void zebOpenGLRenderWindow::DrawFrame()
{
  this->FramePending = false;
  if (!this->Context.MakeCurrent() || !this->Painter.Prepare() || !this->PrepareFramebuffer())
  {
    return;
  }
  const int width = this->GetWidth();
  const int height = this->GetHeight();
  glViewport(0, 0, width, height);
  glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  for (int i = 0; i < this->GetNumberOfRenderers(); ++i)
  {
    this->Painter.Paint(this->GetRenderer(i), width, height, i == 0);
  }
  this->ReadPixels();
}

void zebOpenGLRenderWindow::ReadPixels()
{
  const int width = this->FramebufferWidth;
  const int height = this->FramebufferHeight;
  const size_t rowBytes = static_cast<size_t>(width) * 3;
  std::vector<unsigned char> bottomUp(rowBytes * static_cast<size_t>(height));
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  if (glGetError() != GL_NO_ERROR)
  {
    fprintf(stderr, "zebOpenGLRenderWindow: OpenGL reported an error while rendering\n");
    return;
  }
  this->Pixels.resize(bottomUp.size());
  for (int row = 0; row < height; ++row)
  {
    memcpy(&this->Pixels[static_cast<size_t>(row) * rowBytes],
           &bottomUp[static_cast<size_t>(height - 1 - row) * rowBytes],
           rowBytes);
  }
  this->PixelsWidth = width;
  this->PixelsHeight = height;
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
    if (!this->IsOfCurrentSize(this->FrameWidth, this->FrameHeight))
    {
      return false;
    }
    this->DrawFrame();
  }
  if (this->Pixels.empty())
  {
    fprintf(stderr, "zebOpenGLRenderWindow: no rendered image to grab\n");
    return false;
  }
  if (!this->IsOfCurrentSize(this->PixelsWidth, this->PixelsHeight))
  {
    return false;
  }
  rgb = this->Pixels;
  return true;
}

void zebOpenGLRenderWindow::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Rendered Image: (" << this->PixelsWidth << ", " << this->PixelsHeight << ")\n";
}

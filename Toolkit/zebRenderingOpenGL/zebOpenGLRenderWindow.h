// The offscreen OpenGL implementation of zebRenderWindow: it draws into a
// framebuffer object of the window's size in a surfaceless EGL context on
// Mesa's llvmpipe, and keeps the pixels of the last render. The module's
// construct registers it as the implementation of zebRenderWindow.
//
// Two environment variables choose how a frame is drawn, for tests of how
// images differ between renderers: ZEB_OPENGL_DRIVER=softpipe draws with
// Mesa's softpipe (zebOffscreenContext), ZEB_OPENGL_SAMPLES=<n> with n
// samples per pixel (multisampling; 1, the default, is none).
//
// Nobody sees an offscreen frame until its pixels are grabbed, so Render only
// asks for a frame and GrabPixels draws it, from the scene as it is then.
// The context (and with it Mesa's driver) is made for the first frame drawn:
// a window that is rendered but never looked at costs no graphics set-up.
#ifndef ZEB_OPENGL_RENDER_WINDOW_H
#define ZEB_OPENGL_RENDER_WINDOW_H

#include "zebOffscreenContext.h"
#include "zebOpenGLScenePainter.h"

#include <zebRenderWindow.h>

class zebOpenGLRenderWindow : public zebRenderWindow
{
public:
  zebTypeMacro(zebOpenGLRenderWindow, zebRenderWindow);
  static zebOpenGLRenderWindow* New();
  void PrintSelf(std::ostream& os, zebIndent indent) override;

  // Asks for a frame of every renderer; without renderers the image is black.
  void Render() override;
  // The pixels of the last render, drawn now when they were not yet; false
  // when there was none or it failed, when the window was resized since, or
  // when there is no memory for the image. A frame that would cost more than
  // a window draws (zebFrameCost.h) is refused.
  bool GrabPixels(std::vector<unsigned char>& rgb) override;

  // Deletes the framebuffer, the shader program and the context.
  void ReleaseGraphicsResources();

protected:
  zebOpenGLRenderWindow();
  ~zebOpenGLRenderWindow() override;

private:
  bool PrepareFramebuffer();
  void DeleteFramebuffer();
  // False, with a message, when the frame would cost more than a window
  // draws (zebFrameCost.h).
  bool IsAffordable() const;
  // Draws the pending frame and keeps its pixels; false, after one message,
  // when it could not be drawn.
  bool DrawFrame();
  // False, with a message, when the window's size is no longer width by height.
  bool IsOfCurrentSize(int width, int height) const;
  // The framebuffer's pixels into rgb, top row first; rgb is of its size.
  bool ReadPixels(std::vector<unsigned char>& rgb);

  zebOffscreenContext Context;
  zebOpenGLScenePainter Painter;
  unsigned int Framebuffers[2];   // drawn into; resolved into when multisampled
  unsigned int Renderbuffers[3];  // colour and depth drawn, colour resolved
  int FramebufferWidth;
  int FramebufferHeight;
  std::vector<unsigned char> Pixels;
  int PixelsWidth;
  int PixelsHeight;
  bool FramePending;
  int FrameWidth;
  int FrameHeight;
};

#endif

// An OpenGL 3.3 core context without any surface, on Mesa's software
// rasteriser through EGL's surfaceless platform. The driver is forced
// in-process, before the first EGL call, so that images never depend on the
// caller's Mesa settings or graphics hardware: llvmpipe, or softpipe when
// the environment variable ZEB_OPENGL_DRIVER says "softpipe".
#ifndef ZEB_OFFSCREEN_CONTEXT_H
#define ZEB_OFFSCREEN_CONTEXT_H

class zebOffscreenContext
{
public:
  zebOffscreenContext();
  ~zebOffscreenContext();
  zebOffscreenContext(const zebOffscreenContext&) = delete;
  zebOffscreenContext& operator=(const zebOffscreenContext&) = delete;

  // Creates the context on first use and makes it current. False, with a
  // message on standard error, when no context can be had.
  bool MakeCurrent();
  bool IsCreated() const;

  // Makes no context current and destroys this one. The EGL display stays
  // initialised for the other contexts of the process.
  void Release();

private:
  bool Create();

  void* Display;
  void* Context;
  bool Failed;
};

#endif

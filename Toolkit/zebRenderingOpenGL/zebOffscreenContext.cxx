// Creation and release of surfaceless EGL contexts on Mesa's software drivers.
#include "zebOffscreenContext.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{
const char* const MesaVendorFile = "/usr/share/glvnd/egl_vendor.d/50_mesa.json";

// The Mesa driver to render with: llvmpipe, or softpipe when ZEB_OPENGL_DRIVER
// asks for it (softpipe needs no code generator, which matters where the
// process runs under an emulator). Null, with a message, for another name.
const char* ChosenDriver()
{
  const char* chosen = getenv("ZEB_OPENGL_DRIVER");
  if (!chosen || !*chosen || strcmp(chosen, "llvmpipe") == 0)
  {
    return "llvmpipe";
  }
  if (strcmp(chosen, "softpipe") == 0)
  {
    return "softpipe";
  }
  fprintf(stderr,
          "zebOpenGLRenderWindow: ZEB_OPENGL_DRIVER is \"%s\"; it can be llvmpipe or softpipe\n",
          chosen);
  return nullptr;
}

// Mesa reads its settings from the environment when the display opens.
// These pick the chosen software driver and keep the caller from changing
// the OpenGL that the driver offers.
void ForceSoftwareRasteriser(const char* driver)
{
  setenv("LIBGL_ALWAYS_SOFTWARE", "1", 1);
  setenv("GALLIUM_DRIVER", driver, 1);
  unsetenv("MESA_LOADER_DRIVER_OVERRIDE");
  unsetenv("MESA_GL_VERSION_OVERRIDE");
  unsetenv("MESA_GLSL_VERSION_OVERRIDE");
  unsetenv("MESA_EXTENSION_OVERRIDE");
  // GLVND would otherwise offer EGL to any vendor library it finds first.
  FILE* vendor = fopen(MesaVendorFile, "r");
  if (vendor)
  {
    fclose(vendor);
    setenv("__EGL_VENDOR_LIBRARY_FILENAMES", MesaVendorFile, 1);
  }
}

EGLDisplay OpenSurfacelessDisplay()
{
  const char* extensions = eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS);
  if (!extensions || !strstr(extensions, "EGL_MESA_platform_surfaceless"))
  {
    fprintf(stderr, "zebOpenGLRenderWindow: EGL has no surfaceless platform\n");
    return EGL_NO_DISPLAY;
  }
  auto getPlatformDisplay = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
    eglGetProcAddress("eglGetPlatformDisplayEXT"));
  if (!getPlatformDisplay)
  {
    fprintf(stderr, "zebOpenGLRenderWindow: EGL lacks eglGetPlatformDisplayEXT\n");
    return EGL_NO_DISPLAY;
  }
  EGLDisplay display =
    getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
  if (display == EGL_NO_DISPLAY || !eglInitialize(display, nullptr, nullptr))
  {
    fprintf(stderr, "zebOpenGLRenderWindow: cannot initialise the surfaceless EGL display\n");
    return EGL_NO_DISPLAY;
  }
  return display;
}

// The surfaceless display of the process, opened on first use. It is never
// terminated: terminating unloads Mesa's driver, and a driver loaded again
// by a later window would start from scratch each time (and leave behind
// what Mesa does not free on unloading). Contexts are what windows release.
EGLDisplay SharedDisplay()
{
  static bool opened = false;
  static EGLDisplay display = EGL_NO_DISPLAY;
  if (!opened)
  {
    opened = true;
    const char* driver = ChosenDriver();
    if (driver)
    {
      ForceSoftwareRasteriser(driver);
      display = OpenSurfacelessDisplay();
    }
  }
  return display;
}

EGLContext CreateCoreContext(EGLDisplay display)
{
  const EGLint configAttributes[] = {
    EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT, EGL_NONE
  };
  EGLConfig config;
  EGLint count = 0;
  if (!eglBindAPI(EGL_OPENGL_API) ||
      !eglChooseConfig(display, configAttributes, &config, 1, &count) || count < 1)
  {
    fprintf(stderr, "zebOpenGLRenderWindow: no EGL configuration for OpenGL\n");
    return EGL_NO_CONTEXT;
  }
  const EGLint contextAttributes[] = { EGL_CONTEXT_MAJOR_VERSION,
                                       3,
                                       EGL_CONTEXT_MINOR_VERSION,
                                       3,
                                       EGL_CONTEXT_OPENGL_PROFILE_MASK,
                                       EGL_CONTEXT_OPENGL_CORE_PROFILE_BIT,
                                       EGL_NONE };
  EGLContext context = eglCreateContext(display, config, EGL_NO_CONTEXT, contextAttributes);
  if (context == EGL_NO_CONTEXT)
  {
    fprintf(stderr, "zebOpenGLRenderWindow: cannot create an OpenGL 3.3 core context\n");
  }
  return context;
}
}

zebOffscreenContext::zebOffscreenContext()
  : Display(EGL_NO_DISPLAY)
  , Context(EGL_NO_CONTEXT)
  , Failed(false)
{
}

zebOffscreenContext::~zebOffscreenContext()
{
  this->Release();
}

bool zebOffscreenContext::Create()
{
  EGLDisplay display = SharedDisplay();
  if (display == EGL_NO_DISPLAY)
  {
    return false;
  }
  this->Display = display;
  this->Context = CreateCoreContext(display);
  if (this->Context == EGL_NO_CONTEXT)
  {
    this->Release();
    return false;
  }
  return true;
}

bool zebOffscreenContext::MakeCurrent()
{
  if (this->Context == EGL_NO_CONTEXT)
  {
    // A context that could not be made is not tried again: one message.
    if (this->Failed || !this->Create())
    {
      this->Failed = true;
      return false;
    }
  }
  if (!eglMakeCurrent(this->Display, EGL_NO_SURFACE, EGL_NO_SURFACE, this->Context))
  {
    fprintf(stderr, "zebOpenGLRenderWindow: cannot make the EGL context current\n");
    return false;
  }
  return true;
}

bool zebOffscreenContext::IsCreated() const
{
  return this->Context != EGL_NO_CONTEXT;
}

void zebOffscreenContext::Release()
{
  if (this->Display == EGL_NO_DISPLAY)
  {
    return;
  }
  if (this->Context != EGL_NO_CONTEXT)
  {
    eglMakeCurrent(this->Display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    eglDestroyContext(this->Display, this->Context);
    this->Context = EGL_NO_CONTEXT;
  }
  eglReleaseThread();
  this->Display = EGL_NO_DISPLAY;
}

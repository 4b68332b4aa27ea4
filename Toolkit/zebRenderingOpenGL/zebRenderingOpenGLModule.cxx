// Auto-initialisation of the zebRenderingOpenGL module: its construct makes
// the offscreen OpenGL window the implementation of zebRenderWindow.
#include "zebRenderingOpenGLModule.h"

#include "zebOpenGLRenderWindow.h"

#include <zebObjectFactory.h>

namespace
{
zebObjectBase* CreateOpenGLRenderWindow()
{
  return zebOpenGLRenderWindow::New();
}

void RegisterRenderWindow()
{
  zebObjectFactory::RegisterOverride(
    "zebRenderWindow", CreateOpenGLRenderWindow, "zebRenderingOpenGL");
}
}

ZEB_MODULE_AUTOINIT(zebRenderingOpenGL, RegisterRenderWindow)

// A window that renders its renderers into an image. Abstract: New gives the
// implementation a module registered (zebRenderingOpenGL registers its
// offscreen OpenGL window), else null with a message on standard error.
#ifndef ZEB_RENDER_WINDOW_H
#define ZEB_RENDER_WINDOW_H

#include <zebObjectBase.h>

#include <vector>

class zebRenderer;

class zebRenderWindow : public zebObjectBase
{
public:
  zebTypeMacro(zebRenderWindow, zebObjectBase);
  static zebRenderWindow* New();
  void PrintSelf(std::ostream& os, zebIndent indent) override;

  // Takes a reference to renderer. Renderers are drawn in the order added,
  // each over the whole window.
  void AddRenderer(zebRenderer* renderer);
  int GetNumberOfRenderers() const;
  // Null when index is out of range.
  zebRenderer* GetRenderer(int index) const;

  // In pixels; sizes below 1 are raised to 1. Default 300 by 300.
  void SetSize(int width, int height);
  int GetWidth() const
  {
    return this->Width;
  }
  int GetHeight() const
  {
    return this->Height;
  }

  virtual void Render() = 0;
  // The pixels of the last render: width*height*3 bytes RGB, top row first.
  // False (and a message on standard error) when nothing could be rendered.
  virtual bool GrabPixels(std::vector<unsigned char>& rgb) = 0;

protected:
  zebRenderWindow();
  ~zebRenderWindow() override;

private:
  std::vector<zebRenderer*> Renderers;
  int Width;
  int Height;
};

#endif

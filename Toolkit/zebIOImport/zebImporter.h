// Base of the scene importers: reads a scene into the first renderer of a
// render window, then renders the window.
#ifndef ZEB_IMPORTER_H
#define ZEB_IMPORTER_H

#include <zebObjectBase.h>

class zebRenderWindow;
class zebRenderer;

class zebImporter : public zebObjectBase
{
public:
  zebTypeMacro(zebImporter, zebObjectBase);
  void PrintSelf(std::ostream& os, zebIndent indent) override;

  // Takes a reference to window and drops the one to the window it replaces.
  void SetRenderWindow(zebRenderWindow* window);
  zebRenderWindow* GetRenderWindow() const
  {
    return this->RenderWindow;
  }

  // Reads the scene and adds it to renderer 0 of the window, making and
  // adding a renderer when the window has none, then renders the window. A
  // scene that cannot be read is reported on standard error and adds nothing;
  // so is any other failure of the import, memory that cannot be had
  // included, in one line.
  void Read();

protected:
  zebImporter();
  ~zebImporter() override;

  // Reads the whole scene into the importer's own state. False, after one
  // message on standard error, when it cannot be read.
  virtual bool ReadScene() = 0;
  // Adds what ReadScene read to renderer and forgets it.
  virtual void ImportActors(zebRenderer* renderer) = 0;

private:
  void ReadInto(zebRenderWindow* window);

  zebRenderWindow* RenderWindow;
};

#endif

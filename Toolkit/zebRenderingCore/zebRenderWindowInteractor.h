// Connects a render window to user input through an interactor style. The
// windows of this toolkit render offscreen, so there is never a display to
// take events from: Start says so and returns at once.
#ifndef ZEB_RENDER_WINDOW_INTERACTOR_H
#define ZEB_RENDER_WINDOW_INTERACTOR_H

#include <zebObjectBase.h>

class zebInteractorStyle;
class zebRenderWindow;

class zebRenderWindowInteractor : public zebObjectBase
{
public:
  zebTypeMacro(zebRenderWindowInteractor, zebObjectBase);
  static zebRenderWindowInteractor* New();
  void PrintSelf(std::ostream& os, zebIndent indent) override;

  // Takes a reference to window and drops the one to the window it replaces.
  void SetRenderWindow(zebRenderWindow* window);
  zebRenderWindow* GetRenderWindow() const
  {
    return this->RenderWindow;
  }

  // Takes a reference to style. Without one, Initialize makes one with
  // zebInteractorStyle::New.
  void SetInteractorStyle(zebInteractorStyle* style);
  zebInteractorStyle* GetInteractorStyle() const
  {
    return this->InteractorStyle;
  }

  // Sets up event handling: picks the interactor style.
  void Initialize();
  bool GetInitialized() const
  {
    return this->Initialized;
  }
  // Runs the event loop; offscreen it reports that there is no display and
  // returns at once. Initializes first when that was not done.
  void Start();
  int GetNumberOfStarts() const
  {
    return this->NumberOfStarts;
  }

protected:
  zebRenderWindowInteractor();
  ~zebRenderWindowInteractor() override;

private:
  zebRenderWindow* RenderWindow;
  zebInteractorStyle* InteractorStyle;
  bool Initialized;
  int NumberOfStarts;
};

#endif

// Connects a render window to user input through an interactor style. The
// render window draws offscreen; Start shows its frames in an X11 window of
// the same size on the display that DISPLAY names and hands the window's
// pointer and key events to the style until the interaction ends: the style
// asks for it (q or e), or the window is closed, or the display goes away.
// Without a usable display Start says so in one line and returns at once.
#ifndef ZEB_RENDER_WINDOW_INTERACTOR_H
#define ZEB_RENDER_WINDOW_INTERACTOR_H

#include <zebObjectBase.h>

class zebInteractorStyle;
class zebRenderWindow;
class zebXWindow;
struct zebXWindowEvent;

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
  // Runs the event loop and returns when the interaction ends. Initializes
  // first when that was not done.
  void Start();
  int GetNumberOfStarts() const
  {
    return this->NumberOfStarts;
  }

  // For styles, while Start runs: ends the interaction once the current
  // event is handled, or draws the render window again once no event waits.
  void EndInteraction();
  void RequestRender();

protected:
  zebRenderWindowInteractor();
  ~zebRenderWindowInteractor() override;

private:
  void RunEventLoop(zebXWindow& window);
  // False when the render window gives no image to show.
  bool ShowFrame(zebXWindow& window);
  void Dispatch(const zebXWindowEvent& event, zebXWindow& window);

  zebRenderWindow* RenderWindow;
  zebInteractorStyle* InteractorStyle;
  bool Initialized;
  int NumberOfStarts;
  bool Ended;
  bool RenderRequested;
};

#endif

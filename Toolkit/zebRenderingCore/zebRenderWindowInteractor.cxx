// Set-up and the X11 event loop of zebRenderWindowInteractor.
#include "zebRenderWindowInteractor.h"

#include "zebInteractorStyle.h"
#include "zebRenderWindow.h"
#include "zebXWindow.h"

#include <zebObjectFactory.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>

zebStandardNewMacro(zebRenderWindowInteractor);

zebRenderWindowInteractor::zebRenderWindowInteractor()
  : RenderWindow(nullptr)
  , InteractorStyle(nullptr)
  , Initialized(false)
  , NumberOfStarts(0)
  , Ended(false)
  , RenderRequested(false)
{
}

zebRenderWindowInteractor::~zebRenderWindowInteractor()
{
  this->SetInteractorStyle(nullptr);
  this->SetRenderWindow(nullptr);
}

void zebRenderWindowInteractor::SetRenderWindow(zebRenderWindow* window)
{
  if (window == this->RenderWindow)
  {
    return;
  }
  if (window)
  {
    window->Register(this);
  }
  zebRenderWindow* previous = this->RenderWindow;
  this->RenderWindow = window;
  if (previous)
  {
    previous->UnRegister(this);
  }
}

void zebRenderWindowInteractor::SetInteractorStyle(zebInteractorStyle* style)
{
  if (style == this->InteractorStyle)
  {
    return;
  }
  if (style)
  {
    style->Register(this);
    style->SetInteractor(this);
  }
  zebInteractorStyle* previous = this->InteractorStyle;
  this->InteractorStyle = style;
  if (previous)
  {
    previous->SetInteractor(nullptr);
    previous->UnRegister(this);
  }
}

void zebRenderWindowInteractor::Initialize()
{
  if (!this->InteractorStyle)
  {
    zebInteractorStyle* style = zebInteractorStyle::New();
    this->SetInteractorStyle(style);
    style->Delete();
  }
  this->Initialized = true;
}

void zebRenderWindowInteractor::Start()
{
  if (!this->Initialized)
  {
    this->Initialize();
  }
  ++this->NumberOfStarts;
  const char* display = getenv("DISPLAY");
  if (!display || !*display)
  {
    fprintf(stderr,
            "zebRenderWindowInteractor: no display to interact with; Start returns at once\n");
    return;
  }
  if (!this->RenderWindow)
  {
    fprintf(stderr, "zebRenderWindowInteractor: no render window to show; Start returns at once\n");
    return;
  }
  zebXWindow window;
  std::string error;
  if (!window.Open(display,
                   this->RenderWindow->GetWidth(),
                   this->RenderWindow->GetHeight(),
                   program_invocation_short_name,
                   error))
  {
    fprintf(stderr, "zebRenderWindowInteractor: %s; Start returns at once\n", error.c_str());
    return;
  }
  this->RunEventLoop(window);
}

void zebRenderWindowInteractor::EndInteraction()
{
  this->Ended = true;
}

void zebRenderWindowInteractor::RequestRender()
{
  this->RenderRequested = true;
}

void zebRenderWindowInteractor::RunEventLoop(zebXWindow& window)
{
  this->Ended = false;
  this->RenderRequested = true;
  while (!this->Ended)
  {
    // Events that arrive together (a drag's motions) make one frame.
    if (this->RenderRequested && !window.HasPendingEvent())
    {
      this->RenderRequested = false;
      if (!this->ShowFrame(window))
      {
        fprintf(stderr,
                "zebRenderWindowInteractor: the render window gives no image; the interaction "
                "ends\n");
        return;
      }
    }
    zebXWindowEvent event;
    if (!window.WaitEvent(event))
    {
      fprintf(stderr, "zebRenderWindowInteractor: the display went away; the interaction ends\n");
      return;
    }
    this->Dispatch(event, window);
  }
}

bool zebRenderWindowInteractor::ShowFrame(zebXWindow& window)
{
  std::vector<unsigned char> rgb;
  this->RenderWindow->Render();
  if (!this->RenderWindow->GrabPixels(rgb))
  {
    return false;
  }
  window.Show(rgb, this->RenderWindow->GetWidth(), this->RenderWindow->GetHeight());
  return true;
}

void zebRenderWindowInteractor::Dispatch(const zebXWindowEvent& event, zebXWindow& window)
{
  zebInteractorStyle* style = this->InteractorStyle;
  switch (event.Type)
  {
    case zebXWindowEvent::ButtonDown:
      style->OnButtonPress(event.Button, event.X, event.Y, event.Shift);
      break;
    case zebXWindowEvent::ButtonUp:
      style->OnButtonRelease(event.Button, event.X, event.Y);
      break;
    case zebXWindowEvent::PointerMoved:
      style->OnMotion(event.X, event.Y);
      break;
    case zebXWindowEvent::KeyTyped:
      style->OnKey(event.Character);
      break;
    case zebXWindowEvent::Exposed:
      window.Repaint();
      break;
    case zebXWindowEvent::Resized:
      if (event.Width != this->RenderWindow->GetWidth() ||
          event.Height != this->RenderWindow->GetHeight())
      {
        this->RenderWindow->SetSize(event.Width, event.Height);
        this->RenderRequested = true;
      }
      break;
    case zebXWindowEvent::Closed:
      this->Ended = true;
      break;
  }
}

void zebRenderWindowInteractor::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Render Window: " << static_cast<const void*>(this->RenderWindow) << "\n";
  os << indent << "Interactor Style: "
     << (this->InteractorStyle ? this->InteractorStyle->GetClassName() : "(none)") << "\n";
  os << indent << "Initialized: " << (this->Initialized ? 1 : 0) << "\n";
}

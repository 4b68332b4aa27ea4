// Set-up and the (displayless) event loop of zebRenderWindowInteractor.
#include "zebRenderWindowInteractor.h"

#include "zebInteractorStyle.h"
#include "zebRenderWindow.h"

#include <zebObjectFactory.h>

#include <cstdio>

zebStandardNewMacro(zebRenderWindowInteractor);

zebRenderWindowInteractor::zebRenderWindowInteractor()
  : RenderWindow(nullptr)
  , InteractorStyle(nullptr)
  , Initialized(false)
  , NumberOfStarts(0)
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
  fprintf(stderr,
          "zebRenderWindowInteractor: no display to interact with; Start returns at once\n");
}

void zebRenderWindowInteractor::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Render Window: " << static_cast<const void*>(this->RenderWindow) << "\n";
  os << indent << "Interactor Style: "
     << (this->InteractorStyle ? this->InteractorStyle->GetClassName() : "(none)") << "\n";
  os << indent << "Initialized: " << (this->Initialized ? 1 : 0) << "\n";
}

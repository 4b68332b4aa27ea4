// The default interactor style: the shared keys, no pointer handling.
#include "zebInteractorStyle.h"

#include "zebRenderWindow.h"
#include "zebRenderWindowInteractor.h"
#include "zebRenderer.h"

#include <zebObjectFactory.h>

zebStandardNewMacro(zebInteractorStyle);

zebInteractorStyle::zebInteractorStyle()
  : Interactor(nullptr)
{
}

void zebInteractorStyle::OnButtonPress(int, int, int, bool) {}

void zebInteractorStyle::OnButtonRelease(int, int, int) {}

void zebInteractorStyle::OnMotion(int, int) {}

void zebInteractorStyle::OnKey(char key)
{
  zebRenderWindowInteractor* interactor = this->Interactor;
  if (!interactor)
  {
    return;
  }
  if (key == 'q' || key == 'Q' || key == 'e' || key == 'E')
  {
    interactor->EndInteraction();
  }
  else if ((key == 'r' || key == 'R') && interactor->GetRenderWindow())
  {
    zebRenderWindow* window = interactor->GetRenderWindow();
    for (int i = 0; i < window->GetNumberOfRenderers(); ++i)
    {
      window->GetRenderer(i)->ResetCamera();
    }
    interactor->RequestRender();
  }
}

void zebInteractorStyle::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Interactor: " << static_cast<const void*>(this->Interactor) << "\n";
}

// Reading a scene into a render window.
#include "zebImporter.h"

#include <zebRenderWindow.h>
#include <zebRenderer.h>

#include <cstdio>
#include <exception>
#include <new>

zebImporter::zebImporter()
  : RenderWindow(nullptr)
{
}

zebImporter::~zebImporter()
{
  this->SetRenderWindow(nullptr);
}

void zebImporter::SetRenderWindow(zebRenderWindow* window)
{
  if (window == this->RenderWindow)
  {
    return;
  }
  if (window)
  {
    window->Register(this);
  }
  if (this->RenderWindow)
  {
    this->RenderWindow->UnRegister(this);
  }
  this->RenderWindow = window;
}

void zebImporter::Read()
{
  zebRenderWindow* window = this->RenderWindow;
  if (!window)
  {
    fprintf(stderr, "%s: no render window to read into\n", this->GetClassName());
    return;
  }
  try
  {
    this->ReadInto(window);
  }
  catch (const std::bad_alloc&)
  {
    fprintf(stderr, "%s: not enough memory to import the scene\n", this->GetClassName());
  }
  catch (const std::exception& e)
  {
    fprintf(stderr, "%s: cannot import the scene: %s\n", this->GetClassName(), e.what());
  }
  window->Render();
}

void zebImporter::ReadInto(zebRenderWindow* window)
{
  if (this->ReadScene())
  {
    zebRenderer* renderer = window->GetRenderer(0);
    if (!renderer)
    {
      renderer = zebRenderer::New();
      window->AddRenderer(renderer);
      renderer->Delete();
    }
    this->ImportActors(renderer);
  }
}

void zebImporter::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Render Window: ";
  if (this->RenderWindow)
  {
    os << static_cast<const void*>(this->RenderWindow) << "\n";
  }
  else
  {
    os << "(none)\n";
  }
}

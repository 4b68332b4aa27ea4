// Renderer list and size of the abstract zebRenderWindow.
#include "zebRenderWindow.h"

#include "zebRenderer.h"

#include <zebObjectFactory.h>

#include <algorithm>

zebAbstractNewMacro(zebRenderWindow);

zebRenderWindow::zebRenderWindow()
  : Width(300)
  , Height(300)
{
}

zebRenderWindow::~zebRenderWindow()
{
  for (zebRenderer* renderer : this->Renderers)
  {
    renderer->UnRegister(this);
  }
}

void zebRenderWindow::AddRenderer(zebRenderer* renderer)
{
  if (renderer)
  {
    renderer->Register(this);
    this->Renderers.push_back(renderer);
  }
}

int zebRenderWindow::GetNumberOfRenderers() const
{
  return static_cast<int>(this->Renderers.size());
}

zebRenderer* zebRenderWindow::GetRenderer(int index) const
{
  if (index < 0 || index >= this->GetNumberOfRenderers())
  {
    return nullptr;
  }
  return this->Renderers[static_cast<size_t>(index)];
}

void zebRenderWindow::SetSize(int width, int height)
{
  this->Width = std::max(1, width);
  this->Height = std::max(1, height);
}

void zebRenderWindow::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Number Of Renderers: " << this->Renderers.size() << "\n";
  os << indent << "Size: (" << this->Width << ", " << this->Height << ")\n";
}

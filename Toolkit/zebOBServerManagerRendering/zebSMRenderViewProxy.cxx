// The render view proxy and the update of what it shows.
#include "zebSMRenderViewProxy.h"

#include <zebObjectFactory.h>
#include <zebSMPropertyHelper.h>

zebStandardNewMacro(zebSMRenderViewProxy);

void zebSMRenderViewProxy::UpdateObjects()
{
  this->Superclass::UpdateObjects();
  zebSMPropertyHelper representations(this, "Representations", true);
  this->UpdatedRepresentations = 0;
  for (unsigned i = 0; i < representations.GetNumberOfElements(); ++i)
  {
    if (zebSMProxy* representation = representations.GetAsProxy(i))
    {
      representation->UpdateObjects();
      ++this->UpdatedRepresentations;
    }
  }
}

void zebSMRenderViewProxy::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Updated Representations: " << this->UpdatedRepresentations << "\n";
}

// The proxy of a view. Abstract here: a rendering module registers the
// implementation with the object factory, and New gives null (with a
// message) while no such module is initialised.
#ifndef ZEB_SM_VIEW_PROXY_H
#define ZEB_SM_VIEW_PROXY_H

#include "zebSMProxy.h"

class zebSMViewProxy : public zebSMProxy
{
public:
  static zebSMViewProxy* New();
  zebTypeMacro(zebSMViewProxy, zebSMProxy);

  // How many of the view's representations the last update reached.
  virtual unsigned GetNumberOfUpdatedRepresentations() const = 0;

protected:
  zebSMViewProxy() = default;
  ~zebSMViewProxy() override = default;
};

#endif

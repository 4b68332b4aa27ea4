// The render view proxy. Updating it also updates the representations it
// shows (its "Representations" property).
#ifndef ZEB_SM_RENDER_VIEW_PROXY_H
#define ZEB_SM_RENDER_VIEW_PROXY_H

#include <zebSMViewProxy.h>

class zebSMRenderViewProxy : public zebSMViewProxy
{
public:
  static zebSMRenderViewProxy* New();
  zebTypeMacro(zebSMRenderViewProxy, zebSMViewProxy);
  void PrintSelf(std::ostream& os, zebIndent indent) override;

  void UpdateObjects() override;
  unsigned GetNumberOfUpdatedRepresentations() const override
  {
    return this->UpdatedRepresentations;
  }

protected:
  zebSMRenderViewProxy() = default;
  ~zebSMRenderViewProxy() override = default;

private:
  unsigned UpdatedRepresentations = 0;
};

#endif

// How an interactor turns user events into camera motion. This base class
// does nothing with events; zebInteractionStyle registers the styles that do.
#ifndef ZEB_INTERACTOR_STYLE_H
#define ZEB_INTERACTOR_STYLE_H

#include <zebObjectBase.h>

class zebRenderWindowInteractor;

class zebInteractorStyle : public zebObjectBase
{
public:
  zebTypeMacro(zebInteractorStyle, zebObjectBase);
  static zebInteractorStyle* New();
  void PrintSelf(std::ostream& os, zebIndent indent) override;

  // The interactor whose events the style handles. Not a reference: the
  // interactor owns its style.
  void SetInteractor(zebRenderWindowInteractor* interactor)
  {
    this->Interactor = interactor;
  }
  zebRenderWindowInteractor* GetInteractor() const
  {
    return this->Interactor;
  }

protected:
  zebInteractorStyle();
  ~zebInteractorStyle() override = default;

private:
  zebRenderWindowInteractor* Interactor;
};

#endif

// How an interactor turns user events into camera motion. This base class
// handles the keys every style shares: q or e ends the interaction, r puts
// the cameras of the interactor's window back to their framing. It ignores
// the pointer; zebInteractionStyle registers the styles that use it.
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

  // Events of the interactor's window, in its pixels from the top left
  // corner. Buttons: 1 left, 2 middle, 3 right, 4 and 5 the wheel turned
  // away from and towards the user.
  virtual void OnButtonPress(int button, int x, int y, bool shift);
  virtual void OnButtonRelease(int button, int x, int y);
  virtual void OnMotion(int x, int y);
  // key is the character the key types, 0 for keys without one.
  virtual void OnKey(char key);

protected:
  zebInteractorStyle();
  ~zebInteractorStyle() override = default;

private:
  zebRenderWindowInteractor* Interactor;
};

#endif

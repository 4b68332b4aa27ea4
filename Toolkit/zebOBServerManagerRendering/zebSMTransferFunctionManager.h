// The transfer-function manager: one colour transfer function and one
// opacity function per data-array name and proxy manager (registered with,
// and owned by, that proxy manager), and one scalar-bar representation per
// colour function and view (owned by the manager, made on first request).
#ifndef ZEB_SM_TRANSFER_FUNCTION_MANAGER_H
#define ZEB_SM_TRANSFER_FUNCTION_MANAGER_H

#include <zebObjectBase.h>

#include <vector>

class zebSMProxy;
class zebSMSessionProxyManager;

class zebSMTransferFunctionManager : public zebObjectBase
{
public:
  static zebSMTransferFunctionManager* New();
  zebTypeMacro(zebSMTransferFunctionManager, zebObjectBase);
  void PrintSelf(std::ostream& os, zebIndent indent) override;

  // The colour transfer function of arrayName, made and registered with
  // proxyManager on first request. Its "ScalarOpacityFunction" holds the
  // opacity function of the same name. Null for a null name or proxy manager.
  virtual zebSMProxy* GetColorTransferFunction(const char* arrayName,
                                               zebSMSessionProxyManager* proxyManager);

  // The opacity function of arrayName, made and registered with proxyManager
  // on first request. Null for a null name or proxy manager.
  virtual zebSMProxy* GetOpacityTransferFunction(const char* arrayName,
                                                 zebSMSessionProxyManager* proxyManager);

  // The scalar bar of colorFunction in view, made on first request and shown
  // in the view. Null when either is null.
  virtual zebSMProxy* GetScalarBarRepresentation(zebSMProxy* colorFunction, zebSMProxy* view);

  unsigned GetNumberOfScalarBarRepresentations() const;

protected:
  zebSMTransferFunctionManager() = default;
  ~zebSMTransferFunctionManager() override;

private:
  // The manager holds a reference to each part of an entry, so that a key
  // stays valid as long as its entry.
  struct ScalarBar
  {
    zebSMProxy* colorFunction;
    zebSMProxy* view;
    zebSMProxy* representation;
  };
  zebSMProxy* NewScalarBar(zebSMProxy* colorFunction, zebSMProxy* view);

  std::vector<ScalarBar> ScalarBars;
};

#endif

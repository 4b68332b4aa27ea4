// A transfer-function manager that misbehaves on purpose, for tests. Its
// module registers it with the object factory as the implementation of
// zebSMTransferFunctionManager when loaded. The environment variable
// ZEB_SM_FAULT, read when a manager is made, names the fault:
//   colour-null, colour-fresh, colour-same    the colour-function lookup gives
//   opacity-null, opacity-fresh, opacity-same null, a new proxy on every
//                                             request, or the same proxy for
//                                             every name
//   link-empty, link-other                    the colour function's
//                                             "ScalarOpacityFunction" is emptied
//                                             or holds the opacity function of
//                                             another name
//   per-view-null, per-view-fresh             the scalar-bar lookup gives null
//                                             or a new proxy on every request
//   no-view                                   views cannot be made while the
//                                             manager exists
//   throw                                     the colour-function lookup throws
//                                             std::runtime_error
// Unset or empty: the manager behaves as its base class.
#ifndef ZEB_SM_FAULTY_TRANSFER_FUNCTION_MANAGER_H
#define ZEB_SM_FAULTY_TRANSFER_FUNCTION_MANAGER_H

#include <zebSMTransferFunctionManager.h>

#include <string>
#include <vector>

class zebSMFaultyTransferFunctionManager : public zebSMTransferFunctionManager
{
public:
  static zebSMFaultyTransferFunctionManager* New();
  zebTypeMacro(zebSMFaultyTransferFunctionManager, zebSMTransferFunctionManager);
  void PrintSelf(std::ostream& os, zebIndent indent) override;

  zebSMProxy* GetColorTransferFunction(const char* arrayName,
                                       zebSMSessionProxyManager* proxyManager) override;
  zebSMProxy* GetOpacityTransferFunction(const char* arrayName,
                                         zebSMSessionProxyManager* proxyManager) override;
  zebSMProxy* GetScalarBarRepresentation(zebSMProxy* colorFunction, zebSMProxy* view) override;

  // How many managers of this class exist in the process.
  static int GetNumberOfLiveManagers();

protected:
  zebSMFaultyTransferFunctionManager();
  ~zebSMFaultyTransferFunctionManager() override;

private:
  // Takes over the creation reference of proxy (which may be null).
  zebSMProxy* Keep(zebSMProxy* proxy);
  // A new proxy of the definition, owned by this manager.
  zebSMProxy* Fresh(zebSMSessionProxyManager* proxyManager, const char* group, const char* name);
  bool Is(const char* fault) const
  {
    return this->Fault == fault;
  }

  std::string Fault;
  std::vector<zebSMProxy*> FreshProxies;
};

#endif

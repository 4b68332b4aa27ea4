// The built-in table of proxy definitions: for each group and name, the
// class of the proxy and its properties with their default values.
#ifndef ZEB_SM_PROXY_DEFINITIONS_H
#define ZEB_SM_PROXY_DEFINITIONS_H

class zebSMProxy;

class zebSMProxyDefinitions
{
public:
  static bool Has(const char* group, const char* name);

  // A new proxy of that definition, owned by the caller. Null, with a
  // message on standard error naming the requester, when the server manager
  // is not initialised or the definition is unknown (and, for a view, when no
  // rendering module supplies one).
  static zebSMProxy* NewProxy(const char* group, const char* name, const char* requester);
};

#endif

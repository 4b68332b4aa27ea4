// Counted construct and destruct calls of module auto-initialisation.
#include "zebModuleInit.h"

#include "zebObjectFactory.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

namespace
{
std::map<std::string, int>& ConstructCounts()
{
  static std::map<std::string, int>* counts = new std::map<std::string, int>;
  return *counts;
}
}

void zebModuleInit::Trace(const char* what, const char* name)
{
  const char* trace = getenv("ZEB_TRACE_INIT");
  if (trace && strcmp(trace, "1") == 0)
  {
    fprintf(stderr, "zebInit: %s%s%s\n", what, *name ? " " : "", name);
  }
}

void zebModuleInit::Construct(const char* module, void (*registerImplementations)())
{
  Trace("construct", module);
  if (ConstructCounts()[module]++ == 0 && registerImplementations)
  {
    registerImplementations();
  }
}

void zebModuleInit::Destruct(const char* module)
{
  Trace("destruct", module);
  int& count = ConstructCounts()[module];
  if (count > 0 && --count == 0)
  {
    zebObjectFactory::UnRegisterOverrides(module);
  }
}

// Counting of live toolkit objects by class, and the leak report.
#include "zebDebugLeaks.h"

#include "zebModuleInit.h"

#include <cstdio>
#include <map>
#include <string>
#include <unordered_map>

namespace
{
struct LeakTable
{
  int managers = 0;
  std::unordered_map<const zebObjectBase*, std::string> live;
  bool exitStatusKnown = false;
  int exitStatus = 0;
};

// Never destroyed: objects may still be destroyed from exit functions that
// run after static destructors.
LeakTable& Table()
{
  static LeakTable* table = new LeakTable;
  return *table;
}

void Report(const LeakTable& table)
{
  std::map<std::string, int> countByClass;
  for (const auto& entry : table.live)
  {
    ++countByClass[entry.second];
  }
  fprintf(stderr, "Leaks detected: toolkit objects still alive when leak tracking ended\n");
  for (const auto& entry : countByClass)
  {
    fprintf(stderr, "  %s: %d\n", entry.first.c_str(), entry.second);
  }
  if (table.exitStatusKnown)
  {
    fprintf(stderr, "  exit status of the run: %d\n", table.exitStatus);
  }
}
}

void zebDebugLeaks::ConstructClass(const zebObjectBase* object, const char* className)
{
  LeakTable& table = Table();
  if (table.managers > 0)
  {
    table.live[object] = className;
  }
}

void zebDebugLeaks::DestructClass(const zebObjectBase* object)
{
  Table().live.erase(object);
}

void zebDebugLeaks::SetExitStatus(int status)
{
  LeakTable& table = Table();
  table.exitStatusKnown = true;
  table.exitStatus = status;
}

zebDebugLeaksManager::zebDebugLeaksManager()
{
  zebModuleInit::Trace("construct leak-tracking holder", "");
  ++Table().managers;
}

zebDebugLeaksManager::~zebDebugLeaksManager()
{
  zebModuleInit::Trace("destroy leak-tracking holder", "");
  LeakTable& table = Table();
  if (--table.managers == 0)
  {
    if (!table.live.empty())
    {
      Report(table);
    }
    table.live.clear();
  }
}

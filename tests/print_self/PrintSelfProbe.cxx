// Print-self tests over probe lists: one holds an abstract class whose module
// is never initialised, so that its New gives no instance; the other shows
// how many instances are alive while each one is printed.
#include <zebOBXML.h>
#include <zebObjectFactory.h>
#include <zebPrintSelf.h>
#include <zebStringList.h>

// This program's start-up registrations, made before main runs.
#include "TestStartup.h"

class zebProbeAbstractWriter : public zebObjectBase
{
  zebTypeMacro(zebProbeAbstractWriter, zebObjectBase);

public:
  static zebProbeAbstractWriter* New();

protected:
  zebProbeAbstractWriter() = default;
};
zebAbstractNewMacro(zebProbeAbstractWriter);

static const zebPrintSelfClass classes[] = { ZEB_PRINT_SELF_CLASS(zebStringList),
                                             ZEB_PRINT_SELF_CLASS(zebProbeAbstractWriter),
                                             ZEB_PRINT_SELF_CLASS(zebOBXMLElement),
                                             { nullptr, nullptr } };

int PrintSelfWithoutInstance(int, char*[])
{
  return zebPrintEachClass(classes);
}

// Counts its live instances and prints the count, so that a print-self run
// shows whether an instance was released before the next was created.
class zebProbeLiveCounter : public zebObjectBase
{
  zebTypeMacro(zebProbeLiveCounter, zebObjectBase);

public:
  static zebProbeLiveCounter* New();
  void PrintSelf(std::ostream& os, zebIndent indent) override
  {
    this->Superclass::PrintSelf(os, indent);
    os << indent << "Live Instances: " << liveInstances << "\n";
  }

protected:
  zebProbeLiveCounter()
  {
    ++liveInstances;
  }
  ~zebProbeLiveCounter() override
  {
    --liveInstances;
  }

  static int liveInstances;
};
zebStandardNewMacro(zebProbeLiveCounter);
int zebProbeLiveCounter::liveInstances = 0;

class zebProbeOtherLiveCounter : public zebProbeLiveCounter
{
  zebTypeMacro(zebProbeOtherLiveCounter, zebProbeLiveCounter);

public:
  static zebProbeOtherLiveCounter* New();

protected:
  zebProbeOtherLiveCounter() = default;
};
zebStandardNewMacro(zebProbeOtherLiveCounter);

static const zebPrintSelfClass counters[] = { ZEB_PRINT_SELF_CLASS(zebProbeLiveCounter),
                                              ZEB_PRINT_SELF_CLASS(zebProbeOtherLiveCounter),
                                              ZEB_PRINT_SELF_CLASS(zebProbeLiveCounter),
                                              { nullptr, nullptr } };

int PrintSelfOneAtATime(int, char*[])
{
  return zebPrintEachClass(counters);
}

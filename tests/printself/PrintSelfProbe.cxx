// A print-self test over a list that holds an abstract class whose module is
// never initialised, so that its New gives no instance.
#include <zebObjectFactory.h>
#include <zebOBXML.h>
#include <zebPrintSelf.h>
#include <zebStringList.h>
#include <zebTestStartup.h>

ZEB_LEAK_TRACKING_HOLDER()

class zebProbeAbstractWriter : public zebObjectBase
{
  zebTypeMacro(zebProbeAbstractWriter, zebObjectBase);

public:
  static zebProbeAbstractWriter* New();

protected:
  zebProbeAbstractWriter() = default;
};
zebAbstractNewMacro(zebProbeAbstractWriter);

static const zebPrintSelfClass classes[] = {
  ZEB_PRINT_SELF_CLASS(zebStringList),
  ZEB_PRINT_SELF_CLASS(zebProbeAbstractWriter),
  ZEB_PRINT_SELF_CLASS(zebOBXMLElement),
  {nullptr, nullptr}};

int PrintSelfWithoutInstance(int, char*[])
{
  return zebPrintEachClass(classes);
}

// Creates, prints and releases one instance of every class of the suite's
// common module. This program makes no start-up registrations.
#include <zebCommandOptions.h>
#include <zebOBTestUtilities.h>
#include <zebOBXML.h>
#include <zebPrintSelf.h>
#include <zebStringList.h>

static const zebPrintSelfClass commonClasses[] = { ZEB_PRINT_SELF_CLASS(zebCommandOptions),
                                                   ZEB_PRINT_SELF_CLASS(zebCommandOptionsXMLParser),
                                                   ZEB_PRINT_SELF_CLASS(zebOBTestUtilities),
                                                   ZEB_PRINT_SELF_CLASS(zebOBXMLElement),
                                                   ZEB_PRINT_SELF_CLASS(zebOBXMLParser),
                                                   ZEB_PRINT_SELF_CLASS(zebStringList),
                                                   { nullptr, nullptr } };

int ObriskCoreCommonPrintSelf(int, char*[])
{
  return zebPrintEachClass(commonClasses);
}

// Auto-initialisation of the zebIOParallelExodus module: zebExodusIIReader::New
// gives the module's zebPExodusIIReader while the module is initialised.
#include "zebIOParallelExodusModule.h"

#include "zebPExodusIIReader.h"

#include <zebObjectFactory.h>

static zebObjectBase* CreatePExodusIIReader()
{
  return zebPExodusIIReader::New();
}

static void RegisterImplementations()
{
  zebObjectFactory::RegisterOverride(
    "zebExodusIIReader", CreatePExodusIIReader, "zebIOParallelExodus");
}

ZEB_MODULE_AUTOINIT(zebIOParallelExodus, RegisterImplementations)

// The Exodus II reader of the parallel IO module.
#include "zebPExodusIIReader.h"

#include <zebObjectFactory.h>

zebStandardNewMacro(zebPExodusIIReader);

// The Exodus II reader of the parallel IO module, which the module's
// initialisation puts in place of zebExodusIIReader. A run without a process
// group is a single process, which reads the whole file as the serial reader
// does.
#ifndef ZEB_P_EXODUS_II_READER_H
#define ZEB_P_EXODUS_II_READER_H

#include <zebExodusIIReader.h>

class zebPExodusIIReader : public zebExodusIIReader
{
  zebTypeMacro(zebPExodusIIReader, zebExodusIIReader);
  static zebPExodusIIReader* New();

protected:
  zebPExodusIIReader() = default;
};

#endif

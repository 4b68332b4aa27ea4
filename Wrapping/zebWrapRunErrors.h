// The one-line messages with which a generator run ends when its list file
// cannot be read or an exception stops it.
#ifndef ZEB_WRAP_RUN_ERRORS_H
#define ZEB_WRAP_RUN_ERRORS_H

#include "zebWrapListFile.h"

// Why the list file could not be read.
void reportListReading(ListReading reading, const char* inputName);

// Called inside a catch block: names the exception being handled and what
// the run was doing ("while generating", "reading input file") to the file.
void reportException(const char* doing, const char* path);

#endif

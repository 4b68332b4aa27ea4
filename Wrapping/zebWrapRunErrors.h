// The one-line messages of the failures that both generators meet, each
// worded once and printed only here: a list file that cannot be opened or
// read, an output that is the list or cannot be written, an exception.
#ifndef ZEB_WRAP_RUN_ERRORS_H
#define ZEB_WRAP_RUN_ERRORS_H

// Why a list file could not be read.
enum class ListReading
{
  read,
  tooLarge,  // a regular file larger than a string can hold, refused by its size
  failed,    // a read error
  badUtf16,  // text marked as UTF-16 that is not: an odd byte, a lone surrogate
};

void reportListNotOpened(const char* listName);
void reportListReading(ListReading reading, const char* listName);
void reportListIsOutput(const char* listName, const char* outputName);
void reportOutputNotWritten(const char* outputName);

// Called inside a catch block: names the exception being handled and what
// the run was doing ("while generating", "reading input file") to the file.
void reportException(const char* doing, const char* path);

#endif

// The list file of a generator run: read whole into memory, with the text
// as editors on Windows save it made plain, then taken apart by the
// generator's own reader.
#ifndef ZEB_WRAP_LIST_FILE_H
#define ZEB_WRAP_LIST_FILE_H

#include "zebWrapRunErrors.h"

#include <cstdio>
#include <string>

// Reads the rest of an open list file into *text and closes it. A UTF-8
// byte-order mark is skipped, UTF-16 with its mark (either byte order)
// becomes UTF-8, and on Windows the text ends at a Ctrl-Z, as the C
// runtime's text mode ends a file there. False after printing why the file
// could not be read (too large, a read error, text marked as UTF-16 that is
// not). Running out of memory closes the file too and throws
// std::bad_alloc.
bool readListFile(int fd, const char* name, std::string* text);

// Reads the list file into *text and takes it apart into *list with the
// generator's readInitList; false after printing why not (running out of
// memory included: it happened while reading).
template<typename List>
bool readList(int fd, const char* name, std::string* text, List* list)
{
  try
  {
    if (!readListFile(fd, name, text))
    {
      return false;
    }
    if (const char* error = readInitList(*text, list))
    {
      fputs(error, stderr);
      return false;
    }
  }
  catch (...)
  {
    reportException("reading input file", name);
    return false;
  }
  return true;
}

#endif

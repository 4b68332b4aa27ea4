// The list file of a generator run, read whole into memory.
#ifndef ZEB_WRAP_LIST_FILE_H
#define ZEB_WRAP_LIST_FILE_H

#include <string>

enum class ListReading
{
  read,
  tooLarge,  // a regular file larger than a string can hold, refused by its size
  failed,    // a read error
  badUtf16,  // text marked as UTF-16 that is not: an odd byte, a lone surrogate
};

// Reads the rest of an open file into *text and closes it, with the text as
// editors on Windows save it made plain: a UTF-8 byte-order mark is
// skipped, UTF-16 with its mark (either byte order) becomes UTF-8, and on
// Windows the text ends at a Ctrl-Z. Running out of memory closes the file
// too and throws std::bad_alloc.
ListReading readWholeFile(int fd, std::string* text);

#endif

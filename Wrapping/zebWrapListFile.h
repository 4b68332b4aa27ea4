// The list file of a generator run, read whole into memory.
#ifndef ZEB_WRAP_LIST_FILE_H
#define ZEB_WRAP_LIST_FILE_H

#include <string>

enum class ListReading
{
  read,
  tooLarge,  // a regular file larger than a string can hold, refused by its size
  failed,    // a read error
};

// Reads the rest of an open file into *text and closes it. Running out of
// memory closes it too and throws std::bad_alloc.
ListReading readWholeFile(int fd, std::string* text);

#endif

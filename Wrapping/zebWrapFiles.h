// The files of a generator run: the list file read whole, outputs opened
// without losing what they held until the run knows they are not its input,
// and outputs written whole or left empty.
#ifndef ZEB_WRAP_FILES_H
#define ZEB_WRAP_FILES_H

#include <cstddef>
#include <string>
#include <string_view>

// Reads the rest of an open file into *text and closes it; false on a read
// error. Running out of memory closes it too and throws std::bad_alloc.
bool readWholeFile(int fd, std::string* text);

// Asks for a large buffer to be backed by huge pages, which cost far less to
// fault in than small ones when a list of a million names is read. Only a
// hint: the buffer works the same without.
void adviseHugePages(const void* buffer, size_t size);

// Opens a file for writing, creating it when missing but not truncating it;
// -1 when it cannot be opened. *created (when given) tells whether this call
// made the file.
int openOutputFile(const char* path, bool* created = nullptr);

// True when two open files are one regular file: the same device and inode,
// however their paths were spelled. A device such as /dev/null may be named
// twice.
bool isSameRegularFile(int a, int b);

// Empties a regular file; other files (devices, pipes) keep nothing to
// empty. False when a regular file cannot be truncated.
bool emptyFile(int fd);

// Writes the whole text to an open file. On a write error it empties the
// file again, so that no partial text is left behind, and returns false.
bool writeWholeFile(int fd, std::string_view text);

#endif

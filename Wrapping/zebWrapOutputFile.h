// One output file of a generator run, owned from its opening to its checked
// close: the text goes out in whole chunks with the platform's line ends,
// and a run that fails in any way leaves the file empty.
#ifndef ZEB_WRAP_OUTPUT_FILE_H
#define ZEB_WRAP_OUTPUT_FILE_H

#include "zebWrapSystem.h"

#include <string>
#include <string_view>

struct OutputFile
{
  const char* path = nullptr;
  int fd = -1;
  bool created = false;   // this run made the file
  bool failed = false;    // the run failed: the file was emptied and later text is dropped
  FileInfo info;          // which file it is, as opened
  std::string lineEnded;  // a chunk with each "\n" as the platform's line end, where that differs
};

// Opens the file for writing, creating it when missing but leaving what it
// holds until emptyOutputFile; false when it cannot be opened.
bool openOutputFile(OutputFile* file, const char* path);

// Empties the file before anything is written; false when a regular file
// cannot be emptied.
bool emptyOutputFile(OutputFile* file);

// Writes one chunk of text whole. A failed write empties the file and drops
// this and every later chunk; false from then on.
bool writeOutputChunk(OutputFile* file, std::string_view text);

// The run failed after the file was opened: the file is emptied.
void failOutputFile(OutputFile* file);

// Closes the file; false when a write failed or the close did.
bool closeOutputFile(OutputFile* file);

// Closes a file the run refuses to write and removes it when this run made
// it, so that a refused run leaves nothing behind.
void discardOutputFile(OutputFile* file);

#endif

// Reading a list file straight into its text: a regular file's size is
// known, so its bytes are copied once, without a buffer in between.
#include "zebWrapListFile.h"

#include "zebWrapSystem.h"

namespace
{
// What one read asks for once the size is known or when it is not.
const size_t readChunk = 65536;

ListReading readRest(int fd, std::string* text)
{
  size_t chunk = readChunk;
  FileInfo info;
  if (inspectFile(fd, &info) && info.regular)
  {
    // The whole file in one read, with room left for the read that finds
    // its end.
    if (info.size >= text->max_size() - text->size() - 2 * readChunk)
    {
      return ListReading::tooLarge;
    }
    chunk = static_cast<size_t>(info.size) + 1;
    text->reserve(text->size() + chunk + readChunk);
    adviseHugePages(text->data(), text->capacity());
  }
  for (;;)
  {
    size_t had = text->size();
    text->resize(had + chunk);
    long long got = readSome(fd, &(*text)[had], chunk);
    text->resize(had + (got > 0 ? static_cast<size_t>(got) : 0));
    if (got == 0)
    {
      return ListReading::read;
    }
    if (got < 0)
    {
      return ListReading::failed;
    }
    chunk = readChunk;
  }
}
}

ListReading readWholeFile(int fd, std::string* text)
{
  ListReading reading = ListReading::failed;
  try
  {
    reading = readRest(fd, text);
  }
  catch (...)
  {
    closeFile(fd);
    throw;
  }
  closeFile(fd);
  return reading;
}

// The output file's life: open, emptied, written chunk by chunk, closed.
#include "zebWrapOutputFile.h"

namespace
{
bool writeWhole(int fd, const char* p, size_t left)
{
  while (left > 0)
  {
    long long written = writeSome(fd, p, left);
    if (written <= 0)
    {
      return false;
    }
    p += written;
    left -= static_cast<size_t>(written);
  }
  return true;
}

// The chunk with every "\n" replaced by the platform's line end, in the
// file's own buffer; the chunk itself where the line end is "\n".
std::string_view withLineEnds(OutputFile* file, std::string_view text)
{
  const size_t endSize = sizeof(systemLineEnd) - 1;
  if (endSize == 1)
  {
    return text;
  }
  file->lineEnded.clear();
  size_t start = 0;
  for (size_t end; (end = text.find('\n', start)) != std::string_view::npos; start = end + 1)
  {
    file->lineEnded.append(text, start, end - start).append(systemLineEnd, endSize);
  }
  file->lineEnded.append(text, start, std::string_view::npos);
  return file->lineEnded;
}
}

bool openOutputFile(OutputFile* file, const char* path)
{
  file->path = path;
  file->fd = openForWriting(path, &file->created);
  if (file->fd < 0)
  {
    return false;
  }
  if (!inspectFile(file->fd, &file->info))
  {
    closeFile(file->fd);
    file->fd = -1;
    return false;
  }
  return true;
}

bool emptyOutputFile(OutputFile* file)
{
  return !file->info.regular || truncateFile(file->fd);
}

bool writeOutputChunk(OutputFile* file, std::string_view text)
{
  if (file->failed)
  {
    return false;
  }
  std::string_view lines = withLineEnds(file, text);
  if (!writeWhole(file->fd, lines.data(), lines.size()))
  {
    failOutputFile(file);
  }
  return !file->failed;
}

void failOutputFile(OutputFile* file)
{
  file->failed = true;
  emptyOutputFile(file);
}

bool closeOutputFile(OutputFile* file)
{
  bool closed = closeFile(file->fd);
  file->fd = -1;
  return closed && !file->failed;
}

void discardOutputFile(OutputFile* file)
{
  closeFile(file->fd);
  file->fd = -1;
  if (file->created)
  {
    removeFile(file->path);
  }
}

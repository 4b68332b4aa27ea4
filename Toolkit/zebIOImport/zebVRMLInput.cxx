// Reading VRML text from memory or from a file, one chunk at a time.
#include "zebVRMLInput.h"

#include <cerrno>
#include <cstring>

namespace
{
const size_t ChunkBytes = 1 << 16;
}

zebVRMLInput::zebVRMLInput(const std::string& text)
  : File(nullptr)
  , Data(text.data())
  , Size(text.size())
  , At(0)
  , Error(0)
{
}

zebVRMLInput::zebVRMLInput(FILE* file)
  : File(file)
  , Data(nullptr)
  , Size(0)
  , At(0)
  , Error(0)
{
}

int zebVRMLInput::Refill()
{
  if (!this->File || this->Error || feof(this->File))
  {
    return -1;
  }
  this->Chunk.resize(ChunkBytes);
  size_t count = fread(&this->Chunk[0], 1, ChunkBytes, this->File);
  if (count == 0 && ferror(this->File))
  {
    this->Error = errno ? errno : EIO;
  }
  this->Data = this->Chunk.data();
  this->Size = count;
  this->At = 0;
  return count > 0 ? static_cast<unsigned char>(this->Data[0]) : -1;
}

void zebVRMLInput::SkipToLineEnd()
{
  while (this->Peek() >= 0)
  {
    const char* begin = this->Data + this->At;
    const char* end = this->Data + this->Size;
    const void* feed = memchr(begin, '\n', static_cast<size_t>(end - begin));
    const char* found = feed ? static_cast<const char*>(feed) : end;
    const void* carriageReturn = memchr(begin, '\r', static_cast<size_t>(found - begin));
    found = carriageReturn ? static_cast<const char*>(carriageReturn) : found;
    this->At = static_cast<size_t>(found - this->Data);
    if (found != end)
    {
      return;
    }
  }
}

bool zebVRMLInput::StartsWith(const std::string& prefix)
{
  if (this->Peek() < 0)
  {
    return prefix.empty();
  }
  // A file's first read may give fewer bytes than asked for only at its end.
  return this->Size - this->At >= prefix.size() &&
         prefix.compare(0, prefix.size(), this->Data + this->At, prefix.size()) == 0;
}

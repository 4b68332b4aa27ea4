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

void zebVRMLInput::SkipTo(char c)
{
  while (this->Peek() >= 0)
  {
    const void* found = memchr(this->Data + this->At, c, this->Size - this->At);
    if (found)
    {
      this->At = static_cast<size_t>(static_cast<const char*>(found) - this->Data);
      return;
    }
    this->At = this->Size;
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

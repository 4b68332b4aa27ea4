// The bytes of a VRML file as the lexer takes them: a whole text at hand, or
// an open file read in chunks, so that reading a file takes memory for one
// chunk rather than for the whole file. Internal to the VRML reader.
#ifndef ZEB_VRML_INPUT_H
#define ZEB_VRML_INPUT_H

#include <cstdio>
#include <string>

class zebVRMLInput
{
public:
  // The whole text; it must outlive the input.
  explicit zebVRMLInput(const std::string& text);
  // An open file, read from where it stands; the caller closes it.
  explicit zebVRMLInput(FILE* file);

  // The next byte, or -1 at the end of the input or after a read error.
  int Peek()
  {
    return this->At < this->Size ? static_cast<unsigned char>(this->Data[this->At])
                                 : this->Refill();
  }
  // Moves past the byte Peek gave.
  void Skip()
  {
    ++this->At;
  }
  // Moves to the next line feed or carriage return, or to the end of the
  // input.
  void SkipToLineEnd();
  // True when the input begins with prefix. Only for a fresh input: it reads
  // no further than the prefix's length (or one chunk) into the file.
  bool StartsWith(const std::string& prefix);
  // The errno of a failed read, else 0.
  int ReadError() const
  {
    return this->Error;
  }

private:
  int Refill();

  FILE* File;
  std::string Chunk;
  const char* Data;
  size_t Size;
  size_t At;
  int Error;
};

#endif

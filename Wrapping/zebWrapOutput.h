// Generated text on its way to a file: gathered in a buffer that goes out
// to the file a chunk at a time, or kept whole in memory when there is no
// file (tests, fuzzers).
#ifndef ZEB_WRAP_OUTPUT_H
#define ZEB_WRAP_OUTPUT_H

#include "zebWrapOutputFile.h"

#include <cstring>
#include <string>
#include <string_view>

struct GeneratedOutput
{
  std::string buffer;  // the text not yet written is its first `used` bytes
  size_t used = 0;
  OutputFile* file = nullptr;  // where the text goes; none keeps all of it in the buffer
};

// Makes room for n more bytes: writes out the text when there is a file
// and it holds a chunk, and grows the buffer while it lacks room.
void makeRoom(GeneratedOutput* out, size_t n);

inline char* copyPiece(char* at, std::string_view piece)
{
  memcpy(at, piece.data(), piece.size());
  return at + piece.size();
}

// Appends the pieces, string literals or views, in order.
template<typename... Pieces>
void appendPieces(GeneratedOutput* out, const Pieces&... pieces)
{
  size_t size = (std::string_view(pieces).size() + ...);
  if (out->buffer.size() - out->used < size)
  {
    makeRoom(out, size);
  }
  char* at = &out->buffer[out->used];
  ((at = copyPiece(at, pieces)), ...);
  out->used += size;
}

// Writes out the rest of the text; a failed write is the file's to tell
// (closeOutputFile).
void finishOutput(GeneratedOutput* out);

// The text gathered in memory.
inline std::string_view outputText(const GeneratedOutput& out)
{
  return std::string_view(out.buffer.data(), out.used);
}

#endif

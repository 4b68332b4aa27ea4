// Generated text on its way to a file: gathered in a buffer that goes out a
// chunk at a time, so that memory stays small and the text stays in cache,
// or kept whole in memory when there is no file (tests, fuzzers).
#ifndef ZEB_WRAP_OUTPUT_H
#define ZEB_WRAP_OUTPUT_H

#include "zebWrapOutputFile.h"

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

struct GeneratedOutput
{
  std::string buffer;  // the text not yet written is its first `used` bytes
  size_t used = 0;
  OutputFile* file = nullptr;  // where the text goes; none keeps all of it in the buffer
};

// The slow way of makeRoom: writes out a full buffer (when there is a file)
// and grows the buffer while it lacks room; returns where the n bytes go.
char* makeRoomSlowly(GeneratedOutput* out, size_t n);

// Where the next n bytes of text go; the caller fills them and adds n to
// `used`.
inline char* makeRoom(GeneratedOutput* out, size_t n)
{
  if (out->buffer.size() - out->used >= n)
  {
    return &out->buffer[out->used];
  }
  return makeRoomSlowly(out, n);
}

// Writes out the rest of the text; false when any write to the file failed,
// which left the file empty.
bool finishOutput(GeneratedOutput* out);

// The text gathered in memory.
inline std::string_view outputText(const GeneratedOutput& out)
{
  return std::string_view(out.buffer.data(), out.used);
}

// Appends pieces, string literals or views, in order, with one check for
// room.
template<size_t N>
constexpr size_t pieceSize(const char (&)[N])
{
  return N - 1;
}

inline size_t pieceSize(std::string_view piece)
{
  return piece.size();
}

template<size_t N>
char* copyPiece(char* at, const char (&piece)[N])
{
  memcpy(at, piece, N - 1);
  return at + N - 1;
}

// Names are mostly short: two fixed-size copies that may overlap cost less
// than a call to memcpy.
inline char* copyPiece(char* at, std::string_view piece)
{
  const char* from = piece.data();
  size_t n = piece.size();
  if (n >= 16 && n <= 32)
  {
    memcpy(at, from, 16);
    memcpy(at + n - 16, from + n - 16, 16);
  }
  else if (n >= 8 && n < 16)
  {
    memcpy(at, from, 8);
    memcpy(at + n - 8, from + n - 8, 8);
  }
  else
  {
    memcpy(at, from, n);
  }
  return at + n;
}

template<typename... Pieces>
void appendPieces(GeneratedOutput* out, const Pieces&... pieces)
{
  size_t size = (pieceSize(pieces) + ...);
  char* at = makeRoom(out, size);
  ((at = copyPiece(at, pieces)), ...);
  out->used += size;
}

#endif

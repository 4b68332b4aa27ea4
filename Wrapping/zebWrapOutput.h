// Generated text on its way to a file: gathered in a buffer that goes out a
// chunk at a time, so that memory stays small and the text stays in cache,
// or kept whole in memory when there is no file (tests, fuzzers).
#ifndef ZEB_WRAP_OUTPUT_H
#define ZEB_WRAP_OUTPUT_H

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

struct GeneratedOutput
{
  std::string buffer;  // its first `used` bytes: the text gathered and not yet written
  size_t used = 0;
  int fd = -1;          // the open file the text goes to; -1 keeps all of it here
  bool failed = false;  // a write failed: the file was emptied, later text is dropped
};

// Writes out the buffer when it lacks room for n more bytes and grows it
// when that is not enough; returns where the n bytes go.
char* makeRoomSlowly(GeneratedOutput* out, size_t n);

inline char* makeRoom(GeneratedOutput* out, size_t n)
{
  if (out->buffer.size() - out->used >= n)
  {
    return &out->buffer[out->used];
  }
  return makeRoomSlowly(out, n);
}

// Writes out the rest of the text; false when any write to the file failed,
// which leaves the file empty.
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

inline char* copyPiece(char* at, std::string_view piece)
{
  memcpy(at, piece.data(), piece.size());
  return at + piece.size();
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

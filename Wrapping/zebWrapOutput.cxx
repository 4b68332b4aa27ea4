// The buffer of generated text and its way out to the file.
#include "zebWrapOutput.h"

#include <algorithm>

namespace
{
// What goes out in one write: small enough to stay in cache while it is
// made, large enough that the writes cost little.
const size_t chunkSize = size_t(1) << 18;

// Where the buffer starts, so that a short text needs no more.
const size_t firstSize = 4096;

void writeOut(GeneratedOutput* out)
{
  writeOutputChunk(out->file, outputText(*out));
  out->used = 0;
}
}

char* makeRoomSlowly(GeneratedOutput* out, size_t n)
{
  // The buffer grows to a chunk's size; a full chunk goes out to the file.
  if (out->file && out->buffer.size() >= chunkSize)
  {
    writeOut(out);
  }
  if (out->buffer.size() - out->used < n)
  {
    out->buffer.resize(std::max({ 2 * out->buffer.size(), out->used + n, firstSize }));
  }
  return &out->buffer[out->used];
}

bool finishOutput(GeneratedOutput* out)
{
  if (out->file && out->used > 0)
  {
    writeOut(out);
  }
  return !out->file || !out->file->failed;
}

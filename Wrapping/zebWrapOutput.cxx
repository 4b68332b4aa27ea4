// The buffer of generated text and its way out to the file.
#include "zebWrapOutput.h"

#include <algorithm>

namespace
{
// What goes out in one write: a run's memory stays small, and the writes
// few.
const size_t chunkSize = size_t(1) << 18;
}

void makeRoom(GeneratedOutput* out, size_t n)
{
  if (out->file && out->used >= chunkSize)
  {
    finishOutput(out);
  }
  if (out->buffer.size() - out->used < n)
  {
    out->buffer.resize(std::max(2 * out->buffer.size(), out->used + n));
  }
}

void finishOutput(GeneratedOutput* out)
{
  writeOutputChunk(out->file, outputText(*out));
  out->used = 0;
}

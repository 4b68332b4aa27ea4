// Fuzz target of the Exodus II reader: the input bytes are written to a
// temporary file, which zebExodusIIReader reads with both implicit id arrays
// on. Whatever the bytes, the reader must return, and its output must pass
// checkExodusOutput.
//
// Files that carry an HDF5 signature (netCDF-4 files) are not handed over:
// the system's HDF5 library (1.10) frees wild pointers and reads out of
// bounds while it opens a corrupted file, inside the library, and neither
// the reader nor this target can guard against that. What is fuzzed is
// everything the reader does with the netCDF classic family, and its own
// code, which is the same for every format.
#include "ExodusOutputChecks.h"

#include <FuzzChecks.h>

#include <algorithm>
#include <cstdint>
#include <unistd.h>

namespace
{
char filePath[] = "/tmp/zeb-fuzz-exodus-XXXXXX";

void writeFile(const uint8_t* data, size_t size)
{
  FILE* file = fopen(filePath, "wb");
  fuzzCheck(file && fwrite(data, 1, size, file) == size && fclose(file) == 0,
            "writing the input file");
}
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
  int fd = mkstemp(filePath);
  fuzzCheck(fd >= 0, "making the input file");
  close(fd);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  static const char hdf5Signature[] = "\x89HDF\r\n\x1a\n";
  const uint8_t* end = data + size;
  if (std::search(data, end, hdf5Signature, hdf5Signature + 8) != end)
  {
    return 0;
  }
  writeFile(data, size);
  readAndCheckExodusFile(filePath);
  return 0;
}

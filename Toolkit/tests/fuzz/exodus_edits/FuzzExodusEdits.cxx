// Structure-aware fuzz target of the Exodus II reader: each input is an edit
// program (ExodusEdits.h) applied to the netCDF model of a valid mesh; the
// edited model is written with the netCDF library and read with
// zebExodusIIReader, both implicit id arrays on. The file is always one the
// library wrote, so every input reaches the Exodus II calls and the
// attributes, dimensions and variables they read. Whatever the edits, the
// reader must return and its output must pass checkExodusOutput.
#include "../exodus/ExodusOutputChecks.h"
#include "ExodusEdits.h"

#include <ExodusMeshWriter.h>
#include <FuzzChecks.h>

#include <unistd.h>

namespace
{
char filePath[] = "/tmp/zeb-fuzz-exodus-edits-XXXXXX";
NetCDFModel validMesh;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
  int fd = mkstemp(filePath);
  fuzzCheck(fd >= 0, "making the input file");
  close(fd);
  std::string reason;
  fuzzCheck(
    WriteExodusMesh(filePath, ExodusEditBaseMesh(), ExodusFileFormat::NetCDFClassic, reason) &&
      ReadNetCDFModel(filePath, validMesh, reason),
    "writing the valid mesh",
    reason);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  NetCDFModel model = validMesh;
  ApplyExodusEdits(data, size, model);
  std::string reason;
  // Edits the netCDF library refuses to write (a name twice, a second
  // unlimited dimension, ...) make no file.
  if (!WriteNetCDFModel(filePath, model, reason))
  {
    return 0;
  }
  readAndCheckExodusFile(filePath);
  return 0;
}

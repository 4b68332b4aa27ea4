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

// The most bytes of values an edited file may hold. Two dimensions resized
// to their largest (65,535) would make one variable of gigabytes, which the
// writer would have to hold in memory: such a file tests the fuzz target's
// memory, not the reader, whose bounds the smaller files reach as well.
const double LargestValueBytes = 64.0 * 1024 * 1024;

double ValueBytes(const NetCDFModel& model)
{
  double bytes = 0;
  for (const NetCDFVariable& variable : model.variables)
  {
    double values = 1;
    for (int d : variable.dimensions)
    {
      if (d >= 0 && static_cast<size_t>(d) < model.dimensions.size())
      {
        values *= static_cast<double>(model.dimensions[static_cast<size_t>(d)].length);
      }
    }
    bytes += values * static_cast<double>(NetCDFTypeSize(variable.type));
  }
  return bytes;
}
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
  if (ValueBytes(model) > LargestValueBytes)
  {
    return 0;
  }
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

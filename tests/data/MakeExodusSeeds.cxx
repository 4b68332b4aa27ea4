// Writes the seed corpus of the Exodus reader's fuzz target: small meshes in
// the netCDF classic and 64-bit-offset formats, written with the Exodus II
// library (the target leaves netCDF-4 files alone, see FuzzExodusReader.cxx),
// and a cut file that declares far more nodes than it holds.
//
//   MakeExodusSeeds <corpus directory>
#include "ExodusDeclaredSizes.h"
#include "ExodusMeshWriter.h"

#include <cstdio>

int main(int argc, char* argv[])
{
  if (argc != 2)
  {
    fprintf(stderr, "Usage: %s corpus_directory\n", argv[0]);
    return 1;
  }
  const std::string directory = argv[1];
  ExodusMeshToWrite noBlocks;
  noBlocks.x = { 0 };
  noBlocks.y = { 0 };
  noBlocks.z = { 0 };
  const struct
  {
    const char* name;
    ExodusMeshToWrite mesh;
    ExodusFileFormat format;
  } seeds[] = { { "two-blocks-classic.ex2", TwoBlockMesh(), ExodusFileFormat::NetCDFClassic },
                { "two-blocks-64bit.ex2", TwoBlockMesh(), ExodusFileFormat::NetCDF64BitOffset },
                { "no-blocks-classic.ex2", noBlocks, ExodusFileFormat::NetCDFClassic } };
  for (const auto& seed : seeds)
  {
    std::string reason;
    if (!WriteExodusMesh(directory + "/" + seed.name, seed.mesh, seed.format, reason))
    {
      fprintf(stderr, "%s\n", reason.c_str());
      return 1;
    }
  }
  // A 64-bit-offset file cut to 4 KB whose header declares 40 million nodes.
  std::string reason;
  if (!WriteExodusDeclaringSizes(directory + "/declares-many-nodes-64bit.ex2",
                                 ExodusFileFormat::NetCDF64BitOffset,
                                 40000000,
                                 0,
                                 4096,
                                 reason))
  {
    fprintf(stderr, "%s\n", reason.c_str());
    return 1;
  }
  return 0;
}

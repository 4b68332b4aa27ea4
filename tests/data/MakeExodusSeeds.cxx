// Writes the seed corpus of the Exodus reader's fuzz target: small meshes in
// the netCDF classic and 64-bit-offset formats, written with the Exodus II
// library (the target leaves netCDF-4 files alone, see FuzzExodusReader.cxx),
// and a cut file that declares far more nodes than it holds.
//
//   MakeExodusSeeds <corpus directory>
#include "ExodusDeclaredSizes.h"
#include "ExodusMeshWriter.h"

#include <cstdio>

// Two tetrahedra sharing a face, in one block, and one triangle in a second.
static ExodusMeshToWrite TwoBlocks()
{
  ExodusMeshToWrite mesh;
  mesh.x = { 0, 1, 0, 0, 1 };
  mesh.y = { 0, 0, 1, 0, 1 };
  mesh.z = { 0, 0, 0, 1, 1 };
  ExodusBlockToWrite tetra;
  tetra.id = 10;
  tetra.elementType = "TETRA";
  tetra.nodesPerElement = 4;
  tetra.connectivity = { 1, 2, 3, 4, 2, 3, 4, 5 };
  ExodusBlockToWrite triangle;
  triangle.id = 20;
  triangle.elementType = "TRI3";
  triangle.nodesPerElement = 3;
  triangle.connectivity = { 5, 1, 3 };
  mesh.blocks = { tetra, triangle };
  return mesh;
}

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
  } seeds[] = { { "two-blocks-classic.ex2", TwoBlocks(), ExodusFileFormat::NetCDFClassic },
                { "two-blocks-64bit.ex2", TwoBlocks(), ExodusFileFormat::NetCDF64BitOffset },
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

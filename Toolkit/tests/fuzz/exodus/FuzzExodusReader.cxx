// Fuzz target of the Exodus II reader: the input bytes are written to a
// temporary file, which zebExodusIIReader reads with both implicit id arrays
// on. Whatever the bytes, the reader must return, and its output is either
// empty (a file it cannot read) or one block set whose grids carry element
// ids that count on from block to block and node ids within the node list.
//
// Files that carry an HDF5 signature (netCDF-4 files) are not handed over:
// the system's HDF5 library (1.10) frees wild pointers and reads out of
// bounds while it opens a corrupted file, inside the library, and neither
// the reader nor this target can guard against that. What is fuzzed is
// everything the reader does with the netCDF classic family, and its own
// code, which is the same for every format.
#include <FuzzChecks.h>

#include <zebExodusIIReader.h>
#include <zebFieldData.h>
#include <zebIdTypeArray.h>
#include <zebMultiBlockDataSet.h>
#include <zebUnstructuredGrid.h>

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

zebIdTypeArray* idArray(zebFieldData* data, const char* name)
{
  int index = -1;
  return zebIdTypeArray::SafeDownCast(data->GetAbstractArray(name, index));
}

// Checks one grid's id arrays; gives the number of elements it holds.
zebIdType checkGrid(zebUnstructuredGrid* grid, zebIdType elementsBefore)
{
  zebIdTypeArray* elementIds = idArray(grid->GetCellData(), "ImplicitElementId");
  zebIdTypeArray* nodeIds = idArray(grid->GetPointData(), "ImplicitNodeId");
  fuzzCheck(elementIds && nodeIds, "every grid has both id arrays");
  zebIdType cells = grid->GetNumberOfCells();
  fuzzCheck(elementIds->GetNumberOfTuples() == cells, "one element id per cell");
  for (zebIdType i = 0; i < cells; ++i)
  {
    fuzzCheck(elementIds->GetValue(i) == elementsBefore + i + 1, "element ids count on");
  }
  fuzzCheck(nodeIds->GetNumberOfTuples() == grid->GetNumberOfPoints(), "one node id per point");
  for (zebIdType i = 0; i < nodeIds->GetNumberOfTuples(); ++i)
  {
    fuzzCheck(nodeIds->GetValue(i) >= 1, "node ids are 1-based");
  }
  for (zebIdType cell = 0; cell < cells; ++cell)
  {
    for (zebIdType point : grid->GetCellPoints(cell))
    {
      fuzzCheck(point >= 0 && point < grid->GetNumberOfPoints(), "cells use the grid's points");
    }
  }
  return cells;
}

void checkOutput(zebMultiBlockDataSet* output)
{
  fuzzCheck(output != nullptr, "the reader has an output");
  if (output->GetNumberOfBlocks() == 0)
  {
    return;
  }
  fuzzCheck(output->GetNumberOfBlocks() == 1, "the output holds one block set");
  auto* elementBlocks = zebMultiBlockDataSet::SafeDownCast(output->GetBlock(0));
  fuzzCheck(elementBlocks != nullptr, "block 0 is a block set");
  zebIdType elements = 0;
  for (unsigned int b = 0; b < elementBlocks->GetNumberOfBlocks(); ++b)
  {
    auto* grid = zebUnstructuredGrid::SafeDownCast(elementBlocks->GetBlock(b));
    fuzzCheck(grid != nullptr, "every element block is a grid");
    elements += checkGrid(grid, elements);
  }
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
  zebExodusIIReader* reader = zebExodusIIReader::New();
  reader->SetFileName(filePath);
  reader->GenerateImplicitElementIdArrayOn();
  reader->GenerateImplicitNodeIdArrayOn();
  reader->Update();
  checkOutput(reader->GetOutput());
  reader->Delete();
  return 0;
}

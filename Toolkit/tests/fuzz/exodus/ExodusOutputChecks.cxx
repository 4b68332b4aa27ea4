// The checks of the reader's output shared by the Exodus fuzz targets.
#include "ExodusOutputChecks.h"

#include <FuzzChecks.h>

#include <zebExodusIIReader.h>
#include <zebFieldData.h>
#include <zebIdTypeArray.h>
#include <zebMultiBlockDataSet.h>
#include <zebUnstructuredGrid.h>

namespace
{
zebIdTypeArray* idArray(zebFieldData* data, const char* name)
{
  int index = -1;
  return zebIdTypeArray::SafeDownCast(data->GetAbstractArray(name, index));
}

// Checks one grid's id arrays; gives the last element id it holds, or
// lastBefore when it holds none.
zebIdType checkGrid(zebUnstructuredGrid* grid, zebIdType lastBefore)
{
  zebIdTypeArray* elementIds = idArray(grid->GetCellData(), "ImplicitElementId");
  zebIdTypeArray* nodeIds = idArray(grid->GetPointData(), "ImplicitNodeId");
  fuzzCheck(elementIds && nodeIds, "every grid has both id arrays");
  zebIdType cells = grid->GetNumberOfCells();
  fuzzCheck(elementIds->GetNumberOfTuples() == cells, "one element id per cell");
  zebIdType first = cells > 0 ? elementIds->GetValue(0) : lastBefore + 1;
  fuzzCheck(first > lastBefore, "element ids go on from the grid before");
  for (zebIdType i = 0; i < cells; ++i)
  {
    fuzzCheck(elementIds->GetValue(i) == first + i, "element ids count up");
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
  return first + cells - 1;
}

}

void checkExodusOutput(zebMultiBlockDataSet* output)
{
  fuzzCheck(output != nullptr, "the reader has an output");
  if (output->GetNumberOfBlocks() == 0)
  {
    return;
  }
  fuzzCheck(output->GetNumberOfBlocks() == 1, "the output holds one block set");
  auto* elementBlocks = zebMultiBlockDataSet::SafeDownCast(output->GetBlock(0));
  fuzzCheck(elementBlocks != nullptr, "block 0 is a block set");
  zebIdType last = 0;
  for (unsigned int b = 0; b < elementBlocks->GetNumberOfBlocks(); ++b)
  {
    auto* grid = zebUnstructuredGrid::SafeDownCast(elementBlocks->GetBlock(b));
    fuzzCheck(grid != nullptr, "every element block is a grid");
    last = checkGrid(grid, last);
  }
}

void readAndCheckExodusFile(const char* path)
{
  zebExodusIIReader* reader = zebExodusIIReader::New();
  reader->SetFileName(path);
  reader->GenerateImplicitElementIdArrayOn();
  reader->GenerateImplicitNodeIdArrayOn();
  reader->Update();
  checkExodusOutput(reader->GetOutput());
  reader->Delete();
}

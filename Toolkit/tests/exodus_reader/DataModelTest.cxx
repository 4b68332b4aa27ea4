// The data-model classes the reader builds its output from: who holds which
// reference, and what the accessors give at the edges.
#include <zebTestStartup.h>

#include <zebIdTypeArray.h>
#include <zebMultiBlockDataSet.h>
#include <zebUnstructuredGrid.h>

#include <gtest/gtest.h>

#include <sstream>

ZEB_LEAK_TRACKING_HOLDER()

TEST(DataModel, FieldDataHoldsItsArraysAndReplacesByName)
{
  zebFieldData* data = zebFieldData::New();
  zebIdTypeArray* first = zebIdTypeArray::New();
  first->SetName("Ids");
  data->AddArray(first);
  EXPECT_EQ(first->GetReferenceCount(), 2);

  zebIdTypeArray* second = zebIdTypeArray::New();
  second->SetName("Ids");
  second->InsertNextValue(7);
  data->AddArray(second);
  EXPECT_EQ(data->GetNumberOfArrays(), 1);
  EXPECT_EQ(first->GetReferenceCount(), 1);
  int index = -1;
  EXPECT_EQ(data->GetAbstractArray("Ids", index), second);
  EXPECT_EQ(index, 0);
  EXPECT_EQ(data->GetAbstractArray("Other", index), nullptr);
  EXPECT_EQ(index, -1);
  first->Delete();
  second->Delete();
  data->Delete();
}

TEST(DataModel, BlocksGrowShrinkAndGiveNullPastTheEnd)
{
  zebMultiBlockDataSet* blocks = zebMultiBlockDataSet::New();
  zebUnstructuredGrid* grid = zebUnstructuredGrid::New();
  blocks->SetBlock(2, grid);
  EXPECT_EQ(blocks->GetNumberOfBlocks(), 3u);
  EXPECT_EQ(blocks->GetBlock(0), nullptr);
  EXPECT_EQ(blocks->GetBlock(2), grid);
  EXPECT_EQ(blocks->GetBlock(3), nullptr);
  EXPECT_EQ(grid->GetReferenceCount(), 2);
  blocks->SetBlock(2, grid);
  EXPECT_EQ(grid->GetReferenceCount(), 2);
  blocks->SetNumberOfBlocks(1);
  EXPECT_EQ(grid->GetReferenceCount(), 1);
  EXPECT_EQ(blocks->GetAttributes(zebDataObject::POINT), nullptr);
  grid->Delete();
  blocks->Delete();
}

TEST(DataModel, GridCellsPointsAndAttributes)
{
  zebUnstructuredGrid* grid = zebUnstructuredGrid::New();
  grid->InsertNextPoint(1, 2, 3);
  grid->InsertNextPoint(4, 5, 6);
  const zebIdType line[2] = { 1, 0 };
  EXPECT_EQ(grid->InsertNextCell(ZEB_LINE, 2, line), 0);
  EXPECT_EQ(grid->InsertNextCell(ZEB_VERTEX, 1, line + 1), 1);
  EXPECT_EQ(grid->GetNumberOfPoints(), 2);
  EXPECT_EQ(grid->GetPoints()->GetValue(4), 5.0);
  EXPECT_EQ(grid->GetCellPoints(0), std::vector<zebIdType>({ 1, 0 }));
  EXPECT_EQ(grid->GetCellPoints(1), std::vector<zebIdType>({ 0 }));
  EXPECT_EQ(grid->GetAttributes(zebDataObject::POINT), grid->GetPointData());
  EXPECT_EQ(grid->GetAttributes(zebDataObject::CELL), grid->GetCellData());
  EXPECT_EQ(grid->GetAttributes(2), nullptr);
  EXPECT_THROW(grid->GetPoints()->GetValue(6), std::out_of_range);

  std::ostringstream text;
  grid->Print(text);
  EXPECT_NE(text.str().find("  Number Of Points: 2\n  Number Of Cells: 2\n"), std::string::npos)
    << text.str();
  grid->Delete();
}

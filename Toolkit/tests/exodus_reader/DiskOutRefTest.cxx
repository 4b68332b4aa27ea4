// The bundled Data/disk_out_ref.ex2: what its generator documents, and that
// the generator still writes a file the reader reads identically.
#include "RunProcess.h"

#include <ExodusMeshWriter.h>

#include <zebTestStartup.h>

#include <zebExodusIIReader.h>
#include <zebIdTypeArray.h>
#include <zebSmartPointerBase.h>
#include <zebUnstructuredGrid.h>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <set>

ZEB_LEAK_TRACKING_HOLDER()

namespace
{
typedef zebSmartPointer<zebExodusIIReader> ReaderHandle;

ReaderHandle ReadWithReader(const std::string& path)
{
  ReaderHandle reader = ReaderHandle::New();
  reader->SetFileName(path.c_str());
  reader->GenerateImplicitElementIdArrayOn();
  reader->GenerateImplicitNodeIdArrayOn();
  reader->Update();
  return reader;
}

zebMultiBlockDataSet* ElementBlocks(const ReaderHandle& reader)
{
  return zebMultiBlockDataSet::SafeDownCast(reader->GetOutput()->GetBlock(0));
}

zebUnstructuredGrid* Grid(const ReaderHandle& reader, unsigned int block)
{
  return zebUnstructuredGrid::SafeDownCast(ElementBlocks(reader)->GetBlock(block));
}

zebIdTypeArray* Ids(zebFieldData* data, const char* name)
{
  int index = -1;
  return zebIdTypeArray::SafeDownCast(data->GetAbstractArray(name, index));
}

std::set<zebIdType> NodeSet(zebUnstructuredGrid* grid)
{
  std::set<zebIdType> nodes;
  zebIdTypeArray* ids = Ids(grid->GetPointData(), "ImplicitNodeId");
  for (zebIdType i = 0; i < ids->GetNumberOfValues(); ++i)
  {
    nodes.insert(ids->GetValue(i));
  }
  return nodes;
}

void ExpectSameIds(zebIdTypeArray* expected, zebIdTypeArray* actual)
{
  ASSERT_NE(expected, nullptr);
  ASSERT_NE(actual, nullptr);
  ASSERT_EQ(expected->GetNumberOfValues(), actual->GetNumberOfValues());
  for (zebIdType i = 0; i < expected->GetNumberOfValues(); ++i)
  {
    ASSERT_EQ(expected->GetValue(i), actual->GetValue(i)) << "at " << i;
  }
}

void ExpectSameGrid(zebUnstructuredGrid* expected, zebUnstructuredGrid* actual)
{
  ASSERT_EQ(expected->GetNumberOfPoints(), actual->GetNumberOfPoints());
  ASSERT_EQ(expected->GetNumberOfCells(), actual->GetNumberOfCells());
  for (zebIdType i = 0; i < expected->GetPoints()->GetNumberOfValues(); ++i)
  {
    ASSERT_NEAR(expected->GetPoints()->GetValue(i), actual->GetPoints()->GetValue(i), 1e-12);
  }
  for (zebIdType cell = 0; cell < expected->GetNumberOfCells(); ++cell)
  {
    ASSERT_EQ(expected->GetCellType(cell), actual->GetCellType(cell));
    ASSERT_EQ(expected->GetCellPoints(cell), actual->GetCellPoints(cell)) << "cell " << cell;
  }
  ExpectSameIds(Ids(expected->GetPointData(), "ImplicitNodeId"),
                Ids(actual->GetPointData(), "ImplicitNodeId"));
  ExpectSameIds(Ids(expected->GetCellData(), "ImplicitElementId"),
                Ids(actual->GetCellData(), "ImplicitElementId"));
}
}

TEST(DiskOutRef, HoldsTheDocumentedMesh)
{
  ReaderHandle reader = ReadWithReader(ZEB_DISK_OUT_REF);
  ASSERT_NE(ElementBlocks(reader), nullptr);
  ASSERT_EQ(ElementBlocks(reader)->GetNumberOfBlocks(), 3u);
  const zebIdType rings[3] = { 3, 3, 2 };
  zebIdType elementsBefore = 0;
  for (unsigned int b = 0; b < 3; ++b)
  {
    zebUnstructuredGrid* grid = Grid(reader, b);
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->GetNumberOfCells(), rings[b] * 36 * 10);
    EXPECT_EQ(grid->GetNumberOfPoints(), (rings[b] + 1) * 36 * 11);
    EXPECT_EQ(grid->GetCellType(0), ZEB_HEXAHEDRON);
    EXPECT_EQ(Ids(grid->GetCellData(), "ImplicitElementId")->GetValue(0), elementsBefore + 1);
    elementsBefore += grid->GetNumberOfCells();
  }
  EXPECT_EQ(elementsBefore, 2880);

  zebIdTypeArray* firstNodes = Ids(Grid(reader, 0)->GetPointData(), "ImplicitNodeId");
  EXPECT_EQ(firstNodes->GetValue(0), 143);
  EXPECT_EQ(firstNodes->GetValue(1), 706);
  EXPECT_EQ(firstNodes->GetValue(2), 3173);
  // The first node sits on the inner ring at angle 0 on the bottom face.
  EXPECT_NEAR(Grid(reader, 0)->GetPoints()->GetValue(0), 2.0, 1e-12);
  EXPECT_NEAR(Grid(reader, 0)->GetPoints()->GetValue(1), 0.0, 1e-12);
  EXPECT_NEAR(Grid(reader, 0)->GetPoints()->GetValue(2), 0.0, 1e-12);

  // Neighbouring blocks share the 36 x 11 nodes of the ring between them.
  std::set<zebIdType> first = NodeSet(Grid(reader, 0));
  std::set<zebIdType> second = NodeSet(Grid(reader, 1));
  std::set<zebIdType> third = NodeSet(Grid(reader, 2));
  auto shared = [](const std::set<zebIdType>& a, const std::set<zebIdType>& b)
  {
    size_t count = 0;
    for (zebIdType node : a)
    {
      count += b.count(node);
    }
    return count;
  };
  EXPECT_EQ(shared(first, second), 396u);
  EXPECT_EQ(shared(second, third), 396u);
  EXPECT_EQ(shared(first, third), 0u);
  EXPECT_EQ(first.size() + second.size() + third.size() - 2 * 396, 3564u);
}

// Like a piece of a split parallel run, the file numbers its nodes and
// elements otherwise than by position: ids from the maps are not the
// implicit ids.
TEST(DiskOutRef, NumberMapsGiveOtherIdsThanPositions)
{
  std::vector<int> nodeIds, elementIds;
  std::string reason;
  ASSERT_TRUE(ReadExodusNumberMaps(ZEB_DISK_OUT_REF, nodeIds, elementIds, reason)) << reason;
  ASSERT_EQ(nodeIds.size(), 3564u);
  ASSERT_EQ(elementIds.size(), 2880u);
  EXPECT_EQ(nodeIds[142], 100001);
  EXPECT_EQ(nodeIds[705], 100037);
  EXPECT_EQ(nodeIds[3172], 100038);
  EXPECT_EQ(nodeIds[0], 100143);
  EXPECT_EQ(elementIds[0], 50001);
  // Block 1 runs ring by ring inside a sector: its second element is ring 1.
  EXPECT_EQ(elementIds[1], 50001 + 36);
  for (std::vector<int>* ids : { &nodeIds, &elementIds })
  {
    std::set<int> distinct(ids->begin(), ids->end());
    EXPECT_EQ(distinct.size(), ids->size());
    for (size_t i = 0; i < ids->size(); ++i)
    {
      ASSERT_NE((*ids)[i], static_cast<int>(i) + 1) << i;
    }
  }
}

TEST(DiskOutRef, GeneratorReproducesTheBundledFile)
{
  std::string directory = MakeTempDirectory();
  std::string made = directory + "/disk_out_ref.ex2";
  ProcessResult run = RunProcess({ MAKE_DISK_OUT_REF, made });
  ASSERT_EQ(run.exitStatus, 0) << run.err;
  EXPECT_EQ(run.out + run.err, "");

  ReaderHandle bundled = ReadWithReader(ZEB_DISK_OUT_REF);
  ReaderHandle remade = ReadWithReader(made);
  ASSERT_NE(ElementBlocks(bundled), nullptr);
  ASSERT_NE(ElementBlocks(remade), nullptr);
  ASSERT_EQ(ElementBlocks(bundled)->GetNumberOfBlocks(),
            ElementBlocks(remade)->GetNumberOfBlocks());
  for (unsigned int b = 0; b < ElementBlocks(bundled)->GetNumberOfBlocks(); ++b)
  {
    SCOPED_TRACE("block " + std::to_string(b));
    ExpectSameGrid(Grid(bundled, b), Grid(remade, b));
  }
  std::vector<int> bundledNodes, bundledElements, remadeNodes, remadeElements;
  std::string reason;
  ASSERT_TRUE(ReadExodusNumberMaps(ZEB_DISK_OUT_REF, bundledNodes, bundledElements, reason));
  ASSERT_TRUE(ReadExodusNumberMaps(made, remadeNodes, remadeElements, reason));
  EXPECT_TRUE(bundledNodes == remadeNodes);
  EXPECT_TRUE(bundledElements == remadeElements);
  std::filesystem::remove_all(directory);
}

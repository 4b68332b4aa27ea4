// The Exodus II reader on its own, on small files written here with the
// Exodus II library and on the bundled disk mesh.
#include "ExodusMeshes.h"
#include "RunProcess.h"

#include <zebTestStartup.h>

#include <zebExodusIIReader.h>
#include <zebIOParallelExodusModule.h>
#include <zebIdTypeArray.h>
#include <zebSmartPointerBase.h>
#include <zebUnstructuredGrid.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include <sys/stat.h>
#include <unistd.h>

ZEB_LEAK_TRACKING_HOLDER()

namespace
{
typedef zebSmartPointer<zebExodusIIReader> ReaderHandle;
typedef std::vector<zebIdType> Ids;

ReaderHandle ReadWithReader(const std::string& path, bool elementIds = true, bool nodeIds = true)
{
  ReaderHandle reader = ReaderHandle::New();
  reader->SetFileName(path.c_str());
  reader->SetGenerateImplicitElementIdArray(elementIds);
  reader->SetGenerateImplicitNodeIdArray(nodeIds);
  reader->Update();
  return reader;
}

zebMultiBlockDataSet* ElementBlocks(const ReaderHandle& reader)
{
  return zebMultiBlockDataSet::SafeDownCast(reader->GetOutput()->GetBlock(0));
}

zebUnstructuredGrid* Grid(const ReaderHandle& reader, unsigned int block)
{
  zebMultiBlockDataSet* blocks = ElementBlocks(reader);
  return blocks ? zebUnstructuredGrid::SafeDownCast(blocks->GetBlock(block)) : nullptr;
}

// The values of an id array, or {-1} when it is missing.
Ids Values(zebFieldData* data, const char* name)
{
  int index = -1;
  zebIdTypeArray* array = zebIdTypeArray::SafeDownCast(data->GetAbstractArray(name, index));
  if (!array)
  {
    return { -1 };
  }
  Ids values;
  for (zebIdType i = 0; i < array->GetNumberOfValues(); ++i)
  {
    values.push_back(array->GetValue(i));
  }
  return values;
}

std::vector<Ids> Cells(zebUnstructuredGrid* grid)
{
  std::vector<Ids> cells;
  for (zebIdType cell = 0; cell < grid->GetNumberOfCells(); ++cell)
  {
    cells.push_back(grid->GetCellPoints(cell));
  }
  return cells;
}

class TempDirectory
{
public:
  TempDirectory()
    : Path(MakeTempDirectory())
  {
  }
  ~TempDirectory()
  {
    std::filesystem::remove_all(this->Path);
  }
  std::string File(const std::string& name) const
  {
    return this->Path + "/" + name;
  }

private:
  std::string Path;
};

const char* FormatName(ExodusFileFormat format)
{
  switch (format)
  {
    case ExodusFileFormat::NetCDF64BitOffset:
      return "NetCDF64BitOffset";
    case ExodusFileFormat::NetCDF4:
      return "NetCDF4";
    default:
      return "NetCDFClassic";
  }
}
}

class ExodusReaderFormats : public testing::TestWithParam<ExodusFileFormat>
{
};

TEST_P(ExodusReaderFormats, BlocksInFileOrderWithPointsInOrderOfFirstUse)
{
  TempDirectory directory;
  std::string path = directory.File("hand.exo");
  WriteMesh(path, HandCheckedMesh(), GetParam());
  testing::internal::CaptureStderr();
  ReaderHandle reader = ReadWithReader(path);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

  ASSERT_EQ(reader->GetOutput()->GetNumberOfBlocks(), 1u);
  ASSERT_NE(ElementBlocks(reader), nullptr);
  ASSERT_EQ(ElementBlocks(reader)->GetNumberOfBlocks(), 3u);

  zebUnstructuredGrid* first = Grid(reader, 0);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(Values(first->GetPointData(), "ImplicitNodeId"), Ids({ 4, 2, 5, 7, 3, 6 }));
  EXPECT_EQ(Values(first->GetCellData(), "ImplicitElementId"), Ids({ 1, 2 }));
  EXPECT_EQ(Cells(first), std::vector<Ids>({ { 0, 1, 2, 3 }, { 1, 4, 5, 2 } }));
  EXPECT_EQ(first->GetCellType(0), ZEB_QUAD);
  ASSERT_EQ(first->GetNumberOfPoints(), 6);
  // Point 0 is node 4, point 5 is node 6.
  EXPECT_EQ(first->GetPoints()->GetValue(0), 4.0);
  EXPECT_EQ(first->GetPoints()->GetValue(1), 40.0);
  EXPECT_EQ(first->GetPoints()->GetValue(2), 400.0);
  EXPECT_EQ(first->GetPoints()->GetValue(15), 6.0);

  zebUnstructuredGrid* empty = Grid(reader, 1);
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(empty->GetNumberOfPoints(), 0);
  EXPECT_EQ(empty->GetNumberOfCells(), 0);
  EXPECT_EQ(Values(empty->GetPointData(), "ImplicitNodeId"), Ids());
  EXPECT_EQ(Values(empty->GetCellData(), "ImplicitElementId"), Ids());

  // Nodes reused out of order; the element ids go on from the blocks before.
  zebUnstructuredGrid* last = Grid(reader, 2);
  ASSERT_NE(last, nullptr);
  EXPECT_EQ(Values(last->GetPointData(), "ImplicitNodeId"), Ids({ 5, 8, 1, 6 }));
  EXPECT_EQ(Values(last->GetCellData(), "ImplicitElementId"), Ids({ 3, 4 }));
  EXPECT_EQ(Cells(last), std::vector<Ids>({ { 0, 1, 2 }, { 1, 0, 3 } }));
  EXPECT_EQ(last->GetCellType(1), ZEB_TRIANGLE);
  EXPECT_EQ(last->GetPoints()->GetValue(3 * 2), 1.0);
}

// A triangle, a polygon (NSIDED), an element of a type no reader knows, a
// bar, and elements whose nodes do not fit their type: the triangle and the
// bar are read, with the ids of their elements' positions in the file, and
// each other block gives one line. A "TETRA4" of 8 nodes each used to be read
// as tetrahedra.
TEST_P(ExodusReaderFormats, BlocksOfKindsTheReaderDoesNotReadAreSkipped)
{
  TempDirectory directory;
  std::string path = directory.File("kinds.exo");
  ExodusMeshToWrite mesh = OneBlockMesh(5, "TRI3", 3, { 1, 2, 3 });
  ExodusBlockToWrite polygon = mesh.blocks[0], unknown = mesh.blocks[0], bar = mesh.blocks[0],
                     tetra = mesh.blocks[0], hex = mesh.blocks[0];
  polygon.id = 2;
  polygon.elementType = "NSIDED";
  polygon.connectivity = { 2, 5, 4, 3, 1, 2, 3 };
  polygon.nodesOfEachElement = { 4, 3 };
  unknown.id = 3;
  unknown.elementType = "KNOT\n2";
  unknown.nodesPerElement = 2;
  unknown.connectivity = { 4, 5 };
  bar.id = 4;
  bar.elementType = "BAR2";
  bar.nodesPerElement = 2;
  bar.connectivity = { 5, 3 };
  tetra.id = 5;
  tetra.elementType = "TETRA4";
  tetra.nodesPerElement = 8;
  tetra.connectivity = { 1, 2, 3, 4, 5, 4, 3, 2 };
  hex.id = 6;
  hex.elementType = "HEX";
  hex.nodesPerElement = 4;
  hex.connectivity = { 1, 2, 3, 4 };
  mesh.blocks.insert(mesh.blocks.end(), { polygon, unknown, bar, tetra, hex });
  WriteMesh(path, mesh, GetParam());

  testing::internal::CaptureStderr();
  ReaderHandle reader = ReadWithReader(path);
  std::string start = "zebExodusIIReader: \"" + path + "\": element block ";
  EXPECT_EQ(
    testing::internal::GetCapturedStderr(),
    start + "2 skipped: its elements are of type \"NSIDED\", which the reader does not read\n" +
      start + "3 skipped: its elements are of type \"KNOT?2\", which the reader does not read\n" +
      start +
      "5 skipped: its elements of type \"TETRA4\" have 8 nodes each, which does not fit that " +
      "type\n" + start +
      "6 skipped: its elements of type \"HEX\" have 4 nodes each, which does not fit that type\n");
  ASSERT_NE(ElementBlocks(reader), nullptr);
  ASSERT_EQ(ElementBlocks(reader)->GetNumberOfBlocks(), 2u);
  EXPECT_EQ(Values(Grid(reader, 0)->GetCellData(), "ImplicitElementId"), Ids({ 1 }));
  EXPECT_EQ(Values(Grid(reader, 0)->GetPointData(), "ImplicitNodeId"), Ids({ 1, 2, 3 }));
  EXPECT_EQ(Grid(reader, 0)->GetCellType(0), ZEB_TRIANGLE);
  EXPECT_EQ(Values(Grid(reader, 1)->GetCellData(), "ImplicitElementId"), Ids({ 5 }));
  EXPECT_EQ(Values(Grid(reader, 1)->GetPointData(), "ImplicitNodeId"), Ids({ 5, 3 }));
  EXPECT_EQ(Grid(reader, 1)->GetCellType(0), ZEB_LINE);
}

INSTANTIATE_TEST_SUITE_P(AllFileForms,
                         ExodusReaderFormats,
                         testing::Values(ExodusFileFormat::NetCDFClassic,
                                         ExodusFileFormat::NetCDF64BitOffset,
                                         ExodusFileFormat::NetCDF4),
                         [](const testing::TestParamInfo<ExodusFileFormat>& info)
                         { return FormatName(info.param); });

TEST(ExodusReader, ArraysOnlyWhenSwitchedOn)
{
  TempDirectory directory;
  std::string path = directory.File("hand.exo");
  WriteMesh(path, HandCheckedMesh());
  ReaderHandle neither = ReadWithReader(path, false, false);
  ASSERT_NE(Grid(neither, 0), nullptr);
  EXPECT_EQ(Grid(neither, 0)->GetPointData()->GetNumberOfArrays(), 0);
  EXPECT_EQ(Grid(neither, 0)->GetCellData()->GetNumberOfArrays(), 0);
  EXPECT_EQ(Grid(neither, 0)->GetNumberOfPoints(), 6);

  ReaderHandle nodesOnly = ReadWithReader(path, false, true);
  EXPECT_EQ(Grid(nodesOnly, 2)->GetCellData()->GetNumberOfArrays(), 0);
  EXPECT_EQ(Values(Grid(nodesOnly, 2)->GetPointData(), "ImplicitNodeId"), Ids({ 5, 8, 1, 6 }));

  ReaderHandle elementsOnly = ReadWithReader(path, true, false);
  EXPECT_EQ(Grid(elementsOnly, 2)->GetPointData()->GetNumberOfArrays(), 0);
  EXPECT_EQ(Values(Grid(elementsOnly, 2)->GetCellData(), "ImplicitElementId"), Ids({ 3, 4 }));
}

TEST(ExodusReader, UpdateRereadsOnlyAfterAChange)
{
  TempDirectory directory;
  std::string first = directory.File("first.exo");
  std::string second = directory.File("second.exo");
  WriteMesh(first, HandCheckedMesh());
  WriteMesh(second, OneBlockMesh(4, "BAR2", 2, { 3, 4 }));
  ReaderHandle reader = ReadWithReader(first);
  std::filesystem::remove(first);
  reader->Update();
  ASSERT_NE(ElementBlocks(reader), nullptr);
  EXPECT_EQ(ElementBlocks(reader)->GetNumberOfBlocks(), 3u);

  reader->SetFileName(second.c_str());
  reader->Update();
  ASSERT_NE(ElementBlocks(reader), nullptr);
  ASSERT_EQ(ElementBlocks(reader)->GetNumberOfBlocks(), 1u);
  EXPECT_EQ(Values(Grid(reader, 0)->GetPointData(), "ImplicitNodeId"), Ids({ 3, 4 }));
  EXPECT_EQ(Grid(reader, 0)->GetCellType(0), ZEB_LINE);

  // A failed read leaves nothing of the earlier output behind.
  reader->SetFileName(first.c_str());
  testing::internal::CaptureStderr();
  reader->Update();
  EXPECT_NE(testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(reader->GetOutput()->GetNumberOfBlocks(), 0u);
}

namespace
{
// A netCDF classic file with one dimension and one integer variable, but
// none of the Exodus II attributes and variables.
std::string PlainNetCDFFile()
{
  auto word = [](unsigned int value)
  {
    return std::string{ static_cast<char>(value >> 24),
                        static_cast<char>(value >> 16),
                        static_cast<char>(value >> 8),
                        static_cast<char>(value) };
  };
  std::string file = "CDF" + std::string(1, '\1') + word(0);
  file += word(10) + word(1) + word(4) + "rows" + word(2);  // dimension "rows", length 2
  file += word(0) + word(0);                                // no global attributes
  file += word(11) + word(1) + word(5) + "count" + std::string(3, '\0');  // variable "count"
  file += word(1) + word(0) + word(0) + word(0);             // over "rows", no attributes
  file += word(4) + word(8);                                 // NC_INT, 8 bytes
  file += word(static_cast<unsigned int>(file.size() + 4));  // data right after the header
  return file + word(7) + word(9);
}

// Reads path and expects one message line about it, and no blocks.
void ExpectUnreadable(const std::string& path, const std::string& reason)
{
  testing::internal::CaptureStderr();
  ReaderHandle reader = ReadWithReader(path);
  std::string err = testing::internal::GetCapturedStderr();
  std::string start = "zebExodusIIReader: cannot read \"" + path + "\": ";
  EXPECT_EQ(err.substr(0, start.size()), start) << err;
  EXPECT_NE(err.find(reason), std::string::npos) << err;
  EXPECT_EQ(err.find('\n'), err.size() - 1) << err;
  EXPECT_EQ(reader->GetOutput()->GetNumberOfBlocks(), 0u);
}
}

TEST(ExodusReader, UnreadableFilesGiveOneMessageAndNoBlocks)
{
  TempDirectory directory;
  ExpectUnreadable(directory.File("missing.exo"), "No such file or directory");

  std::string text = directory.File("text.exo");
  ASSERT_TRUE(WriteFile(text, "This is a text file,\nnot an Exodus II file.\n"));
  ExpectUnreadable(text, "not an Exodus II file");

  std::string plain = directory.File("plain.nc");
  ASSERT_TRUE(WriteFile(plain, PlainNetCDFFile()));
  ExpectUnreadable(plain, "not an Exodus II file");

  ExpectUnreadable(directory.File(""), "not an Exodus II file");

  // Cut where the connectivity begins: the library still opens the file but
  // the connectivity reads as zeros.
  std::string whole = directory.File("whole.exo");
  std::string truncated = directory.File("truncated.exo");
  WriteMesh(whole, OneBlockMesh(200, "BAR2", 2, std::vector<int>(400, 7)));
  std::string bytes = ReadFile(whole);
  ASSERT_TRUE(WriteFile(truncated, bytes.substr(0, bytes.size() - 1600)));
  ExpectUnreadable(truncated, "element block 1 uses node 0, outside the node list 1..200");

  // Cut further, the file is too short for the values its header declares.
  ASSERT_TRUE(WriteFile(truncated, bytes.substr(0, bytes.size() - 3200 - 1600)));
  ExpectUnreadable(truncated,
                   "element block 1 declares 200 elements of 2 nodes, more than its " +
                     std::to_string(bytes.size() - 3200 - 1600) + " bytes can hold");

  ASSERT_TRUE(WriteFile(truncated, bytes.substr(0, 200)));
  ExpectUnreadable(truncated, "not an Exodus II file");
}

TEST(ExodusReader, FileWithoutReadPermission)
{
  if (geteuid() == 0)
  {
    GTEST_SKIP() << "read permission does not apply to root";
  }
  TempDirectory directory;
  std::string path = directory.File("locked.exo");
  WriteMesh(path, HandCheckedMesh());
  ASSERT_EQ(chmod(path.c_str(), 0), 0);
  ExpectUnreadable(path, "Permission denied");
}

TEST(ExodusReader, NoFileName)
{
  ReaderHandle reader = ReaderHandle::New();
  testing::internal::CaptureStderr();
  reader->Update();
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "zebExodusIIReader: no file name is set\n");
  EXPECT_EQ(reader->GetOutput()->GetNumberOfBlocks(), 0u);
  EXPECT_EQ(reader->GetFileName(), nullptr);
}

TEST(ExodusReader, PrintSelfShowsTheSettings)
{
  ReaderHandle reader = ReaderHandle::New();
  reader->SetFileName("mesh.exo");
  reader->GenerateImplicitNodeIdArrayOn();
  EXPECT_FALSE(reader->GetGenerateImplicitElementIdArray());
  EXPECT_TRUE(reader->GetGenerateImplicitNodeIdArray());
  std::ostringstream text;
  reader->Print(text);
  EXPECT_NE(text.str().find("  File Name: mesh.exo\n"), std::string::npos) << text.str();
  EXPECT_NE(text.str().find("  Generate Implicit Element Id Array: Off\n"), std::string::npos);
  EXPECT_NE(text.str().find("  Generate Implicit Node Id Array: On\n"), std::string::npos);
}

TEST(ExodusReader, ParallelModuleSuppliesItsReaderWhileInitialised)
{
  EXPECT_STREQ(ReaderHandle::New()->GetClassName(), "zebExodusIIReader");
  zebIOParallelExodus_AutoInit_Construct();
  ReaderHandle reader = ReaderHandle::New();
  EXPECT_STREQ(reader->GetClassName(), "zebPExodusIIReader");
  zebIOParallelExodus_AutoInit_Destruct();
  EXPECT_STREQ(ReaderHandle::New()->GetClassName(), "zebExodusIIReader");

  reader->SetFileName(ZEB_DISK_OUT_REF);
  reader->GenerateImplicitNodeIdArrayOn();
  reader->Update();
  ASSERT_NE(Grid(reader, 0), nullptr);
  EXPECT_EQ(Values(Grid(reader, 0)->GetPointData(), "ImplicitNodeId")[2], 3173);
}

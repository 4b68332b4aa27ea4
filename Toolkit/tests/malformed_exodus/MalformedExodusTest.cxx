// Malformed files that the Exodus II reader must refuse before the libraries
// underneath act on them: netCDF headers whose counts or lengths need more
// than the file holds, and variables larger than the counts the Exodus II
// library reports (it would write the whole variable into a buffer of the
// reported size).
#include "ExodusDeclaredSizes.h"
#include "ExodusEmptyBlocks.h"
#include "ExodusMeshes.h"
#include "FailingNew.h"
#include "NetCDFModel.h"
#include "RunProcess.h"

#include <zebExodusIIReader.h>
#include <zebMultiBlockDataSet.h>
#include <zebNetCDFHeader.h>
#include <zebSmartPointerBase.h>

#include <gtest/gtest.h>

#include <filesystem>

namespace
{
std::string WrittenFile(ExodusFileFormat format)
{
  std::string directory = MakeTempDirectory();
  std::string path = directory + "/mesh.exo";
  WriteMesh(path, HandCheckedMesh(), format);
  std::string bytes = ReadFile(path);
  std::filesystem::remove_all(directory);
  return bytes;
}

bool Fits(const std::string& bytes)
{
  return zebNetCDFHeaderFits(bytes, bytes.size());
}

// The file with the 4-byte big-endian word at offset replaced.
std::string WithWord(std::string bytes, size_t offset, unsigned int value)
{
  for (int i = 0; i < 4; ++i)
  {
    bytes[offset + static_cast<size_t>(i)] = static_cast<char>(value >> (24 - 8 * i));
  }
  return bytes;
}
}

TEST(NetCDFHeader, WrittenFilesAndOtherFormatsPass)
{
  for (ExodusFileFormat format : { ExodusFileFormat::NetCDFClassic,
                                   ExodusFileFormat::NetCDF64BitOffset,
                                   ExodusFileFormat::NetCDF4 })
  {
    EXPECT_TRUE(Fits(WrittenFile(format)));
  }
  EXPECT_TRUE(Fits(ReadFile(ZEB_DISK_OUT_REF)));
  EXPECT_TRUE(Fits(""));
  EXPECT_TRUE(Fits("CDF"));
  EXPECT_TRUE(Fits("CDF\x03 not a version of the classic family"));
  EXPECT_TRUE(Fits("This is a text file.\n"));
}

TEST(NetCDFHeader, CountsAndLengthsBeyondTheFileFail)
{
  std::string file = WrittenFile(ExodusFileFormat::NetCDFClassic);
  // "CDF\1", the record count, the dimension tag and count at offset 8, the
  // first dimension's name length at offset 12.
  ASSERT_EQ(file.substr(0, 4), std::string("CDF\x01", 4));
  EXPECT_FALSE(Fits(WithWord(file, 12, 0x7ffffff0)));
  EXPECT_FALSE(Fits(WithWord(file, 8, 0x40000000)));
  EXPECT_FALSE(Fits(WithWord(file, 4 + 4, 0x20000000)));
  // A header cut anywhere inside its first dimension.
  for (size_t cut = 4; cut < 32; ++cut)
  {
    EXPECT_FALSE(Fits(file.substr(0, cut))) << cut;
  }
  // Bytes at hand that end inside a header the file is long enough for.
  EXPECT_TRUE(zebNetCDFHeaderFits(file.substr(0, 40), file.size()));
}

// The reader's message for the file at path, and no blocks.
static std::string ReadAndFail(const std::string& path)
{
  zebSmartPointer<zebExodusIIReader> reader = zebSmartPointer<zebExodusIIReader>::New();
  reader->SetFileName(path.c_str());
  testing::internal::CaptureStderr();
  reader->Update();
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(reader->GetOutput()->GetNumberOfBlocks(), 0u);
  return err;
}

// Without the check the netCDF library first took gigabytes for this name.
TEST(NetCDFHeader, ReaderRefusesAHugeNameLength)
{
  std::string directory = MakeTempDirectory();
  std::string path = directory + "/huge-name.exo";
  WriteMesh(path, HandCheckedMesh());
  ASSERT_TRUE(WriteFile(path, WithWord(ReadFile(path), 12, 0x7ffffff0)));
  EXPECT_EQ(ReadAndFail(path),
            "zebExodusIIReader: cannot read \"" + path +
              "\": not an Exodus II file: its netCDF header needs more than the file holds\n");
  std::filesystem::remove_all(directory);
}

// The element-count dimensions renamed one place down, so that the library
// takes the first block's count (2) from the second block's dimension (1):
// it would write the first block's 4 connectivity values into the reader's
// buffer of 2.
TEST(ExodusShapes, ConnectivityLargerThanItsBlockIsRefused)
{
  std::string directory = MakeTempDirectory();
  std::string path = directory + "/renamed-counts.exo";
  ExodusMeshToWrite mesh = OneBlockMesh(3, "BAR2", 2, { 1, 2, 2, 3 });
  ExodusBlockToWrite second = mesh.blocks[0];
  second.id = 2;
  second.connectivity = { 3, 1 };
  mesh.blocks.push_back(second);
  WriteMesh(path, mesh);
  std::string file = ReadFile(path);
  for (const char* rename : { "num_el_in_blk1", "num_el_in_blk2" })
  {
    size_t at = file.find(rename);
    ASSERT_NE(at, std::string::npos) << rename;
    --file[at + 13];
  }
  ASSERT_TRUE(WriteFile(path, file));

  EXPECT_EQ(ReadAndFail(path),
            "zebExodusIIReader: cannot read \"" + path + "\": the connectivity of element block " +
              std::to_string(mesh.blocks[0].id) + " does not match its sizes\n");
  std::filesystem::remove_all(directory);
}

// Two blocks with one id: the library finds blocks by id and would read the
// first one twice.
TEST(ExodusShapes, RepeatedBlockIdsAreRefused)
{
  std::string directory = MakeTempDirectory();
  std::string path = directory + "/repeated-ids.exo";
  ExodusMeshToWrite mesh = HandCheckedMesh();
  WriteMesh(path, mesh);
  std::string file = ReadFile(path);
  // The ids 20, 30, 10 are the last data of eb_prop1, written as 4-byte
  // integers in file order; make the third one 20 as well.
  std::string ids = std::string("\0\0\0\x14\0\0\0\x1e\0\0\0\x0a", 12);
  size_t at = file.find(ids);
  ASSERT_NE(at, std::string::npos);
  file[at + 11] = '\x14';
  ASSERT_TRUE(WriteFile(path, file));

  EXPECT_EQ(ReadAndFail(path),
            "zebExodusIIReader: cannot read \"" + path + "\": the element block ids repeat\n");
  std::filesystem::remove_all(directory);
}

// Nodes but no coordinate variable: the reader would otherwise take memory
// for as many nodes as the file claims before the library fails.
TEST(ExodusShapes, NodesWithoutCoordinatesAreRefused)
{
  std::string directory = MakeTempDirectory();
  std::string path = directory + "/no-coordinates.exo";
  WriteMesh(path, HandCheckedMesh());
  std::string file = ReadFile(path);
  // The library writes the coordinates as one variable "coord".
  size_t at = file.find(std::string("\0\0\0\x05"
                                    "coord",
                                    9));
  ASSERT_NE(at, std::string::npos);
  file[at + 8] = 'q';
  ASSERT_TRUE(WriteFile(path, file));

  EXPECT_EQ(ReadAndFail(path),
            "zebExodusIIReader: cannot read \"" + path + "\": cannot read the node coordinates\n");
  std::filesystem::remove_all(directory);
}

// Allocations the declared sizes allow can still fail: while the mesh is
// read (the coordinates of ten million nodes, which a netCDF-4 file may
// declare without holding them) and while the blocks are made (the points of
// a grid of 50000 nodes). Either gives the reader's one line and no blocks.
TEST(ExodusShapes, AllocationFailuresAreReportedInOneLine)
{
  std::string directory = MakeTempDirectory();
  std::string declared = directory + "/declared.exo";
  std::string reason;
  ASSERT_TRUE(
    WriteExodusDeclaringSizes(declared, ExodusFileFormat::NetCDF4, 10000000, 0, 0, reason))
    << reason;
  std::string spheres = directory + "/spheres.exo";
  std::vector<int> everyNode(50000);
  for (int node = 0; node < 50000; ++node)
  {
    everyNode[static_cast<size_t>(node)] = node + 1;
  }
  WriteMesh(spheres, OneBlockMesh(50000, "SPHERE", 1, everyNode));

  for (const std::string& path : { declared, spheres })
  {
    zebFailNewFrom = 1536 * 1024;
    std::string err = ReadAndFail(path);
    zebFailNewFrom = 0;
    EXPECT_EQ(
      err, "zebExodusIIReader: cannot read \"" + path + "\": not enough memory to read the file\n");
  }
  std::filesystem::remove_all(directory);
}

namespace
{
NetCDFAttribute Numbers(const std::string& name, nc_type type, size_t count)
{
  NetCDFAttribute attribute;
  attribute.name = name;
  attribute.type = type;
  attribute.values.assign(count * NetCDFTypeSize(type), '\1');
  return attribute;
}

// The hand-checked mesh, written to path with each attribute put on the
// variable of its name (empty: on the file).
void WriteWithAttributes(const std::string& path,
                         const std::vector<std::pair<std::string, NetCDFAttribute>>& attributes)
{
  WriteMesh(path, HandCheckedMesh());
  NetCDFModel model;
  std::string reason;
  ASSERT_TRUE(ReadNetCDFModel(path, model, reason)) << reason;
  for (const auto& [variable, attribute] : attributes)
  {
    NetCDFVariable* owner = FindNetCDFVariable(model, variable);
    ASSERT_TRUE(variable.empty() || owner) << variable;
    std::vector<NetCDFAttribute>& list = owner ? owner->attributes : model.attributes;
    NetCDFAttribute* existing = FindNetCDFAttribute(list, attribute.name);
    if (existing)
    {
      *existing = attribute;
    }
    else
    {
      list.push_back(attribute);
    }
  }
  ASSERT_TRUE(WriteNetCDFModel(path, model, reason)) << reason;
}
}

// The Exodus II library copies these attributes whole into buffers of a
// fixed size (the element type into 33 bytes on the reader's stack, the
// version and word size into one number each): longer ones are refused
// before the library is given the file. At the limit the file is read.
TEST(ExodusAttributes, LongerThanTheLibraryBuffersAreRefused)
{
  std::string directory = MakeTempDirectory();
  const struct
  {
    const char* variable;
    NetCDFAttribute attribute;
    const char* reason;
  } cases[] = {
    { "connect1",
      NetCDFText("elem_type", std::string(33, 'Q')),
      "the attribute \"connect1:elem_type\" holds 33 characters, more than 32" },
    { "connect1",
      NetCDFText("elem_type", std::string(154, 'Q')),
      "the attribute \"connect1:elem_type\" holds 154 characters, more than 32" },
    { "connect3",
      NetCDFText("elem_type", std::string(5004, 'T')),
      "the attribute \"connect3:elem_type\" holds 5004 characters, more than 32" },
    { "connect1",
      Numbers("elem_type", NC_INT, 3),
      "the attribute \"connect1:elem_type\" is not text" },
    { "",
      NetCDFText("title", std::string(81, 't')),
      "the attribute \"title\" holds 81 characters, more than 80" },
    { "",
      Numbers("version", NC_FLOAT, 2),
      "the attribute \"version\" holds 2 values, more than 1" },
    { "",
      Numbers("api_version", NC_FLOAT, 300),
      "the attribute \"api_version\" holds 300 values, more than 1" },
    { "",
      Numbers("floating_point_word_size", NC_INT, 500),
      "the attribute \"floating_point_word_size\" holds 500 values, more than 1" },
    { "",
      Numbers("file_size", NC_INT, 64),
      "the attribute \"file_size\" holds 64 values, more than 1" },
    { "",
      Numbers("int64_status", NC_INT, 64),
      "the attribute \"int64_status\" holds 64 values, more than 1" },
    { "",
      Numbers("maximum_name_length", NC_INT, 64),
      "the attribute \"maximum_name_length\" holds 64 values, more than 1" },
  };
  for (const auto& c : cases)
  {
    std::string path = directory + "/" + c.variable + c.attribute.name + ".exo";
    WriteWithAttributes(path, { { c.variable, c.attribute } });
    EXPECT_EQ(ReadAndFail(path),
              "zebExodusIIReader: cannot read \"" + path + "\": " + c.reason + "\n");
  }

  std::string longest = directory + "/longest.exo";
  WriteWithAttributes(longest,
                      { { "connect3", NetCDFText("elem_type", "TRI3" + std::string(28, ' ')) },
                        { "", NetCDFText("title", std::string(80, 't')) } });
  zebSmartPointer<zebExodusIIReader> reader = zebSmartPointer<zebExodusIIReader>::New();
  reader->SetFileName(longest.c_str());
  testing::internal::CaptureStderr();
  reader->Update();
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  auto* blocks = zebMultiBlockDataSet::SafeDownCast(reader->GetOutput()->GetBlock(0));
  ASSERT_NE(blocks, nullptr);
  EXPECT_EQ(blocks->GetNumberOfBlocks(), 3u);
  std::filesystem::remove_all(directory);
}

// The library reads the block states into a buffer of one per block when it
// looks a block up: states over another dimension would overrun it.
TEST(ExodusShapes, BlockStatesOfAnotherShapeAreRefused)
{
  std::string directory = MakeTempDirectory();
  std::string path = directory + "/status-shape.exo";
  WriteMesh(path, HandCheckedMesh());
  NetCDFModel model;
  std::string reason;
  ASSERT_TRUE(ReadNetCDFModel(path, model, reason)) << reason;
  for (size_t d = 0; d < model.dimensions.size(); ++d)
  {
    if (model.dimensions[d].name == "len_line")
    {
      FindNetCDFVariable(model, "eb_status")->dimensions = { static_cast<int>(d) };
    }
  }
  ASSERT_TRUE(WriteNetCDFModel(path, model, reason)) << reason;
  EXPECT_EQ(ReadAndFail(path),
            "zebExodusIIReader: cannot read \"" + path + "\": cannot read the element block ids\n");
  std::filesystem::remove_all(directory);
}

// Element blocks share the node list: many blocks over many nodes take
// memory for the nodes once and for each block's own elements, not for
// every node in every block (which made 250,000 empty blocks over 3 million
// nodes take over a minute).
TEST(ExodusSizes, MemoryGrowsWithBlocksPlusNodes)
{
  const size_t nodes = 20000, blocks = 2000;
  std::string directory = MakeTempDirectory();
  std::string path = directory + "/many-blocks.exo";
  std::string reason;
  ASSERT_TRUE(WriteExodusEmptyBlocks(path, nodes, blocks, reason)) << reason;

  zebSmartPointer<zebExodusIIReader> reader = zebSmartPointer<zebExodusIIReader>::New();
  reader->SetFileName(path.c_str());
  size_t before = zebBytesAllocated;
  reader->Update();
  size_t allocated = zebBytesAllocated - before;
  auto* grids = zebMultiBlockDataSet::SafeDownCast(reader->GetOutput()->GetBlock(0));
  ASSERT_NE(grids, nullptr);
  EXPECT_EQ(grids->GetNumberOfBlocks(), blocks);
  EXPECT_LT(allocated, 64 * nodes + 4096 * blocks);
  std::filesystem::remove_all(directory);
}

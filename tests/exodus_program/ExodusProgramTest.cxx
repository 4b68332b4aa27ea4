// exodus_tests seen from outside: on the bundled data, on data roots holding
// crafted Exodus II files, and, through exodus_program_probe, on reader outputs that
// no Exodus II file gives. The test itself prints nothing: every failing run
// exits with 1 and leaves standard output and standard error empty, unless
// the reader reports a file it cannot read.
#include "ExodusDeclaredSizes.h"
#include "ExodusMeshes.h"
#include "RunProcess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace
{
const std::string bundledRoot = ZEB_DATA_ROOT_DIR;

ProcessResult RunTest(const char* program,
                      const std::vector<std::string>& arguments,
                      const std::vector<std::string>& setEnv = {})
{
  std::vector<std::string> args = { program, "TestExodusImplicitArrays" };
  args.insert(args.end(), arguments.begin(), arguments.end());
  ProcessOptions options;
  options.setEnv = setEnv;
  options.unsetEnv = { "ZEB_DATA_ROOT" };
  return RunProcess(args, options);
}

// A data root of its own, removed with it.
class DataRoot
{
public:
  DataRoot()
    : Path(MakeTempDirectory())
  {
    std::filesystem::create_directory(this->Path + "/Data");
  }
  ~DataRoot()
  {
    std::filesystem::remove_all(this->Path);
  }
  std::string DataFile() const
  {
    return this->Path + "/Data/disk_out_ref.ex2";
  }

  std::string Path;
};

// Runs exodus_tests on a data root holding mesh; gives the exit status after
// checking that nothing was printed.
int RunOnMesh(const ExodusMeshToWrite& mesh,
              ExodusFileFormat format = ExodusFileFormat::NetCDFClassic)
{
  DataRoot root;
  WriteMesh(root.DataFile(), mesh, format);
  ProcessResult r = RunTest(EXODUS_TESTS, { "-D", root.Path });
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "");
  return r.exitStatus;
}

// A mesh of 3200 nodes whose first block's points are the given nodes, in
// this order, as one element of as many nodes.
ExodusMeshToWrite FirstBlockUsing(const std::vector<int>& nodes)
{
  return OneBlockMesh(3200, "SPHERE", static_cast<int>(nodes.size()), nodes);
}

// Runs exodus_program_probe on a crafted description; gives the exit status after
// checking that nothing was printed.
int RunOnCrafted(const std::string& description)
{
  DataRoot root;
  EXPECT_TRUE(WriteFile(root.DataFile(), "crafted\n" + description));
  ProcessResult r = RunTest(EXODUS_PROBE, { "-D", root.Path });
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "");
  return r.exitStatus;
}
}

TEST(ExodusProgram, PassesOnTheBundledData)
{
  ProcessResult r = RunTest(EXODUS_TESTS, { "-D", bundledRoot });
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "");
}

// The bundled file's number maps give other ids than positions, so a reader
// that took the implicit ids from the maps fails the test.
TEST(ExodusProgram, IdsByNumberMapFail)
{
  ProcessResult r = RunTest(EXODUS_PROBE, { "-D", bundledRoot });
  EXPECT_EQ(r.exitStatus, 0) << r.err;
  r = RunTest(EXODUS_PROBE, { "-D", bundledRoot }, { "ZEB_EXODUS_PROBE_IDS=maps" });
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_EQ(r.out + r.err, "");

  // Maps that agree with positions cannot tell the two readers apart.
  DataRoot root;
  ExodusMeshToWrite mesh = FirstBlockUsing({ 143, 706, 3173 });
  for (size_t i = 0; i < mesh.x.size(); ++i)
  {
    mesh.nodeNumberMap.push_back(static_cast<int>(i) + 1);
  }
  mesh.elementNumberMap = { 1 };
  WriteMesh(root.DataFile(), mesh);
  r = RunTest(EXODUS_PROBE, { "-D", root.Path }, { "ZEB_EXODUS_PROBE_IDS=maps" });
  EXPECT_EQ(r.exitStatus, 0) << r.err;
  mesh.elementNumberMap = { 7 };
  WriteMesh(root.DataFile(), mesh);
  r = RunTest(EXODUS_PROBE, { "-D", root.Path }, { "ZEB_EXODUS_PROBE_IDS=maps" });
  EXPECT_EQ(r.exitStatus, 1);
  r = RunTest(EXODUS_TESTS, { "-D", root.Path });
  EXPECT_EQ(r.exitStatus, 0) << r.err;
}

TEST(ExodusProgram, DataRootFromTheEnvironmentUnlessGivenWithD)
{
  ProcessResult r = RunTest(EXODUS_TESTS, {}, { "ZEB_DATA_ROOT=" + bundledRoot });
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(r.err, "");

  DataRoot empty;
  r = RunTest(EXODUS_TESTS, { "-D", empty.Path }, { "ZEB_DATA_ROOT=" + bundledRoot });
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err,
            "zebExodusIIReader: cannot read \"" + empty.DataFile() +
              "\": No such file or directory\n");
}

TEST(ExodusProgram, NodeIdsDecide)
{
  EXPECT_EQ(RunOnMesh(FirstBlockUsing({ 143, 706, 3173 })), 0);
  EXPECT_EQ(RunOnMesh(FirstBlockUsing({ 143, 706, 3173, 1, 2 })), 0);
  EXPECT_EQ(RunOnMesh(FirstBlockUsing({ 143, 706, 3174 })), 1);
  EXPECT_EQ(RunOnMesh(FirstBlockUsing({ 706, 143, 3173 })), 1);
  EXPECT_EQ(RunOnMesh(FirstBlockUsing({ 143, 707, 3173 })), 1);
  // Fewer than three node ids.
  EXPECT_EQ(RunOnMesh(FirstBlockUsing({ 143, 706 })), 1);
  EXPECT_EQ(RunOnMesh(OneBlockMesh(3200, "HEX8", 8, {})), 1);
}

TEST(ExodusProgram, ReadsEveryFileForm)
{
  ExodusMeshToWrite mesh = FirstBlockUsing({ 143, 706, 3173 });
  EXPECT_EQ(RunOnMesh(mesh, ExodusFileFormat::NetCDF64BitOffset), 0);
  EXPECT_EQ(RunOnMesh(mesh, ExodusFileFormat::NetCDF4), 0);
}

TEST(ExodusProgram, FailsWithoutElementBlocks)
{
  ExodusMeshToWrite mesh = FirstBlockUsing({ 143, 706, 3173 });
  mesh.blocks.clear();
  EXPECT_EQ(RunOnMesh(mesh), 1);
}

TEST(ExodusProgram, ElementIdsMustCountFromOne)
{
  const std::string nodes = "point ImplicitNodeId id 143 706 3173\n";
  EXPECT_EQ(RunOnCrafted("cell ImplicitElementId id 1 2 3\n" + nodes), 0);
  EXPECT_EQ(RunOnCrafted("cell ImplicitElementId id\n" + nodes), 0);
  EXPECT_EQ(RunOnCrafted("cell ImplicitElementId id 1 2 4\n" + nodes), 1);
  EXPECT_EQ(RunOnCrafted("cell ImplicitElementId id 0 1 2\n" + nodes), 1);
}

TEST(ExodusProgram, ArraysMustBeIdArrays)
{
  EXPECT_EQ(RunOnCrafted("cell ImplicitElementId double 1 2 3\n"
                         "point ImplicitNodeId id 143 706 3173\n"),
            1);
  EXPECT_EQ(RunOnCrafted("cell ImplicitElementId id 1 2 3\n"
                         "point ImplicitNodeId double 143 706 3173\n"),
            1);
  EXPECT_EQ(RunOnCrafted("point ImplicitNodeId id 143 706 3173\n"), 1);
  EXPECT_EQ(RunOnCrafted("cell ImplicitElementId id 1 2 3\n"
                         "point ImplicitNodeId id 143 706\n"),
            1);
}

TEST(ExodusProgram, BlockZeroMustBeABlockSetHoldingAGrid)
{
  const std::string arrays = "cell ImplicitElementId id 1\n"
                             "point ImplicitNodeId id 143 706 3173\n";
  EXPECT_EQ(RunOnCrafted("layout nested\n" + arrays), 0);
  EXPECT_EQ(RunOnCrafted("layout flat\n" + arrays), 1);
  EXPECT_EQ(RunOnCrafted("layout inner-block-set\n" + arrays), 1);
}

// The Exodus II library and the netCDF and HDF5 stack behind it are loaded
// when a file is read, not when the program starts.
TEST(ExodusProgram, LoadsTheExodusLibraryOnlyToReadAFile)
{
  ProcessOptions options;
  options.setEnv = { "LD_DEBUG=files" };
  ProcessResult r = RunProcess({ EXODUS_TESTS, "NoSuchTestName" }, options);
  EXPECT_EQ(r.exitStatus, 255);
  EXPECT_EQ(r.err.find("libexoIIv2c"), std::string::npos);
  EXPECT_EQ(r.err.find("libnetcdf"), std::string::npos);

  r = RunProcess({ EXODUS_TESTS, "TestExodusImplicitArrays", "-D", bundledRoot }, options);
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_NE(r.err.find("libexoIIv2c"), std::string::npos);
}

namespace
{
struct DeclaredSizes
{
  ExodusFileFormat format;
  int64_t nodes;
  int64_t elements;
  std::string refusal;  // what follows "cannot read \"<path>\": "
};

// Runs exodus_tests on a small file declaring huge sizes, under a 2 GiB
// address-space limit where the sanitizers leave room for one.
ProcessResult RunOnDeclaredSizes(const DataRoot& root, const DeclaredSizes& sizes)
{
  std::string reason;
  EXPECT_TRUE(WriteExodusDeclaringSizes(
    root.DataFile(), sizes.format, sizes.nodes, sizes.elements, 4096, reason))
    << reason;
  ProcessOptions options;
  options.unsetEnv = { "ZEB_DATA_ROOT" };
#ifndef ZEB_SANITIZE
  options.addressSpaceLimit = 2ULL << 30;
#endif
  return RunProcess({ EXODUS_TESTS, "TestExodusImplicitArrays", "-D", root.Path }, options);
}
}

// The netCDF-4 files aborted on an uncaught allocation failure under the
// limit; the 4 KB 64-bit-offset one took 955 MB before it failed.
TEST(ExodusProgram, DeclaredSizesBeyondTheFileOrMemoryAreRefused)
{
  const std::string memory = ", more than memory can hold (";
  const DeclaredSizes cases[] = {
    { ExodusFileFormat::NetCDF4, 2000000000, 0, "the file declares 2000000000 nodes" + memory },
    { ExodusFileFormat::NetCDF4,
      8,
      1000000000,
      "element block 1 declares 1000000000 elements of 8 nodes" + memory },
    { ExodusFileFormat::NetCDF64BitOffset,
      40000000,
      0,
      "the file declares 40000000 nodes, more than its 4096 bytes can hold\n" },
    { ExodusFileFormat::NetCDFClassic,
      8,
      10000000,
      "element block 1 declares 10000000 elements of 8 nodes, more than its 4096 bytes can "
      "hold\n" },
  };
  for (const DeclaredSizes& sizes : cases)
  {
    DataRoot root;
    ProcessResult r = RunOnDeclaredSizes(root, sizes);
    std::string start = "zebExodusIIReader: cannot read \"" + root.DataFile() + "\": ";
    EXPECT_EQ(r.err.substr(0, start.size() + sizes.refusal.size()), start + sizes.refusal) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.signal, 0);
    EXPECT_EQ(r.exitStatus, 1);
#ifndef ZEB_SANITIZE
    EXPECT_LT(r.peakKiB, 100 * 1024) << sizes.refusal;
#endif
  }
}

// zebWrapTclInit's failures: the message on standard error, status 1, and
// what is left of the output file.
#include "RunProcess.h"
#include "WrapTclInitTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace
{
class WrapTclInitFailure : public testing::Test
{
protected:
  void SetUp() override
  {
    dir = MakeTempDirectory();
    input = dir + "/lib.txt";
    output = dir + "/libInit.cxx";
    ASSERT_TRUE(WriteFile(output, "earlier contents\n"));
  }
  void TearDown() override
  {
    std::filesystem::remove_all(dir);
  }

  // Runs on the given list text and expects the failure message.
  void ExpectListFailure(const std::string& list, const std::string& message)
  {
    ASSERT_TRUE(WriteFile(output, "earlier contents\n"));
    ASSERT_TRUE(WriteFile(input, list));
    ProcessResult r = RunProcess({ WRAP_TCL_INIT, input, output });
    EXPECT_EQ(r.err, WithPlatformLineEnds(message)) << list;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.exitStatus, 1) << list;
    bool found = false;
    EXPECT_EQ(ReadFile(output, &found), "") << list;
    EXPECT_TRUE(found);
  }

  std::string dir, input, output;
};
}

TEST_F(WrapTclInitFailure, UsageNamesTheProgramAsStarted)
{
  for (std::vector<std::string> args : { std::vector<std::string>{ WRAP_TCL_INIT },
                                         std::vector<std::string>{ WRAP_TCL_INIT, input } })
  {
    ProcessResult r = RunProcess(args);
    EXPECT_EQ(
      r.err,
      WithPlatformLineEnds(std::string("Usage: ") + WRAP_TCL_INIT + " input_file output_file\n"));
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.exitStatus, 1);
  }
  EXPECT_EQ(ReadFile(output), "earlier contents\n");
}

TEST_F(WrapTclInitFailure, MissingInputLeavesOutputUntouched)
{
  ProcessResult r = RunProcess({ WRAP_TCL_INIT, dir + "/absent.txt", output });
  EXPECT_EQ(r.err, WithPlatformLineEnds("Input file " + dir + "/absent.txt could not be opened\n"));
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_EQ(ReadFile(output), "earlier contents\n");
}

TEST_F(WrapTclInitFailure, OutputThatCannotBeOpened)
{
  ASSERT_TRUE(WriteFile(input, "zebLib a b\n"));
  ProcessResult r = RunProcess({ WRAP_TCL_INIT, input, dir + "/no/such/dir/out.cxx" });
  EXPECT_EQ(r.err, WithPlatformLineEnds("Error opening output file\n"));
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_EQ(ReadFile(input), "zebLib a b\n");
}

TEST_F(WrapTclInitFailure, UnusableListsLeaveTheOutputEmpty)
{
  ExpectListFailure("", "Error getting libName\n");
  ExpectListFailure(" \t\r\n\n ", "Error getting libName\n");
  ExpectListFailure("zebLib a COMMAND", "Error getting command\n");
  ExpectListFailure("zebLib COMMAND x VERSION 1.0 COMMAND \n", "Error getting command\n");
  ExpectListFailure("zebLib a VERSION", "Error getting version\n");
  ExpectListFailure("zebLib VERSION 1.0\nVERSION\n\n", "Error getting version\n");
  ExpectListFailure("\xEF\xBB\xBF", "Error getting libName\n");
  ExpectListFailure(AsUtf16(" \r\n\t"), "Error getting libName\n");
  ExpectListFailure(AsUtf16("zebLib a COMMAND", true), "Error getting command\n");
#ifdef _WIN32
  ExpectListFailure("\x1AzebLib a", "Error getting libName\n");
#endif
  // Text marked as UTF-16 that is not: an odd byte, surrogates without their
  // other half.
  const std::string message = "Input file " + input + " is not valid UTF-16 text\n";
  ExpectListFailure(AsUtf16("zebLib a") + "b", message);
  ExpectListFailure(AsUtf16("zebLib a") + std::string("\x3D\xD8", 2), message);
  ExpectListFailure(AsUtf16("zebLib ") + std::string("\x3D\xD8 \0", 4), message);
  ExpectListFailure(AsUtf16("zebLib ", true) + std::string("\xDE\x00", 2), message);
}

// A directory as the list, /dev/full and ulimit exist on POSIX systems only.
#ifndef _WIN32
TEST_F(WrapTclInitFailure, UnreadableInputIsNotAnEmptyList)
{
  ProcessResult r = RunProcess({ WRAP_TCL_INIT, dir, output });
  EXPECT_EQ(r.err, "Input file " + dir + " could not be read\n");
  EXPECT_EQ(r.exitStatus, 1);
}

TEST_F(WrapTclInitFailure, WriteErrorsEndWithStatusOne)
{
  // A short source stays in the stream's buffer until the close; a long one
  // fails while being written.
  std::string longList = "zebLib";
  for (int i = 0; i < 20000; ++i)
    longList += " zebClass" + std::to_string(i);
  for (const std::string& list : { std::string("zebLib a"), longList })
  {
    ASSERT_TRUE(WriteFile(input, list));
    ProcessResult r = RunProcess({ WRAP_TCL_INIT, input, "/dev/full" });
    EXPECT_EQ(r.err, "Output file /dev/full could not be written\n");
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.exitStatus, 1);
  }
}

TEST_F(WrapTclInitFailure, MemoryThatCannotBeObtained)
{
#if defined(ZEB_SANITIZE) || defined(ZEB_TEST_EMULATOR)
  GTEST_SKIP() << "the sanitizers or the emulator need more address space than the limit leaves";
#else
  // One 48 MiB token cannot be held within a 32 MiB address-space limit.
  ASSERT_TRUE(WriteFile(input, "zebLib " + std::string(48 << 20, 'x')));
  ProcessResult r = RunProcess(
    { "/bin/sh", "-c", "ulimit -v 32768 && exec \"$0\" \"$@\"", WRAP_TCL_INIT, input, output });
  EXPECT_EQ(r.err, "Out of memory reading input file " + input + "\n");
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_EQ(r.signal, 0);
#endif
}

#endif

TEST_F(WrapTclInitFailure, InputNamedAsOutputIsRefusedAndKept)
{
  const std::string list = "zebLib a b COMMAND c\n";
  ASSERT_TRUE(WriteFile(input, list));
  const std::string hardLink = dir + "/hard.txt";
  ASSERT_TRUE(std::filesystem::exists(input));
  std::filesystem::create_hard_link(input, hardLink);
  ProcessOptions inDir;
  inDir.workingDirectory = dir;
  // One file under four spellings: the same path, a relative path run from
  // the directory, "./" in front, and a hard link.
  const std::vector<std::vector<std::string>> runs = { { input, input },
                                                       { "lib.txt", "./lib.txt" },
                                                       { "./lib.txt", dir + "/lib.txt" },
                                                       { input, hardLink } };
  for (const std::vector<std::string>& paths : runs)
  {
    ProcessResult r = RunProcess({ WRAP_TCL_INIT, paths[0], paths[1] }, inDir);
    EXPECT_EQ(r.err,
              WithPlatformLineEnds("Input file " + paths[0] + " is also the output file " +
                                   paths[1] + "\n"));
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.exitStatus, 1);
    EXPECT_EQ(ReadFile(input), list) << paths[0] << " " << paths[1];
  }
  // A copy is another file: it is the output as usual.
  const std::string copy = dir + "/copy.txt";
  ASSERT_TRUE(WriteFile(copy, list));
  ProcessResult r = RunProcess({ WRAP_TCL_INIT, input, copy });
  EXPECT_EQ(r.exitStatus, 0) << r.err;
  EXPECT_NE(ReadFile(copy).find("Zeblib_Init"), std::string::npos);
}

// File-size limits exist on POSIX systems only.
#ifndef _WIN32
TEST_F(WrapTclInitFailure, WriteFailingPartWayLeavesTheOutputEmpty)
{
  // The file-size limit (16 KiB, with SIGXFSZ at its default) makes writes
  // fail part of the way through a source of some 2 MB, as a full disk
  // would.
  std::string longList = "zebLib";
  for (int i = 0; i < 20000; ++i)
    longList += " zebClass" + std::to_string(i);
  ASSERT_TRUE(WriteFile(input, longList));
  ProcessOptions limited;
  limited.fileSizeLimit = 16384;
  ProcessResult r = RunProcess({ WRAP_TCL_INIT, input, output }, limited);
  EXPECT_EQ(r.err, "Output file " + output + " could not be written\n");
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_EQ(r.signal, 0);
  bool found = false;
  EXPECT_EQ(ReadFile(output, &found).size(), 0u);
  EXPECT_TRUE(found);
  EXPECT_EQ(ReadFile(input), longList);
}
#endif

// How zebWrapPythonInit fails: the message or its silence, the exit status,
// and what the two output files look like afterwards.
#include "WrapPythonInitRun.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace
{
const char* const oldInit = "previous init file\n";
const char* const oldImpl = "previous implementation file\n";

// A scratch directory with a valid list file and two outputs holding old text.
struct Workspace
{
  Workspace()
  {
    WriteFile(list, "zebDemoPython zebShrink\n");
    WriteFile(init, oldInit);
    WriteFile(impl, oldImpl);
  }
  void ExpectOutputsUntouched() const
  {
    EXPECT_EQ(ReadFile(init), oldInit);
    EXPECT_EQ(ReadFile(impl), oldImpl);
  }

  ScratchDirectory scratch;
  std::string list = scratch.File("zebDemoPython.list");
  std::string init = scratch.File("Init.cxx");
  std::string impl = scratch.File("InitImpl.cxx");
};

ProcessResult Generate(const std::vector<std::string>& args,
                       const std::vector<std::string>& setEnv = {})
{
  return RunProgram(ZEB_WRAP_PYTHON_INIT, args, setEnv);
}

void ExpectFailure(const ProcessResult& r, const std::string& message)
{
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_EQ(r.signal, 0);
  EXPECT_EQ(r.err, WithPlatformLineEnds(message));
  EXPECT_EQ(r.out, "");
}
}

TEST(Failure, FewerThanThreeArgumentsPrintUsage)
{
  Workspace w;
  const std::string usage =
    std::string("Usage: ") + ZEB_WRAP_PYTHON_INIT + " input_file init_file impl_file\n";
  ExpectFailure(Generate({}), usage);
  ExpectFailure(Generate({ w.list }), usage);
  ExpectFailure(Generate({ w.list, w.init }), usage);
  w.ExpectOutputsUntouched();

  const std::string fresh = w.scratch.File("fresh.cxx");
  ExpectFailure(Generate({ w.list, fresh }), usage);
  EXPECT_FALSE(FileExists(fresh));
}

TEST(Failure, MissingListFile)
{
  Workspace w;
  const std::string missing = w.scratch.File("no such.list");
  ExpectFailure(Generate({ missing, w.init, w.impl }),
                "Input file " + missing + " could not be opened\n");
  w.ExpectOutputsUntouched();

  const std::string freshInit = w.scratch.File("a.cxx"), freshImpl = w.scratch.File("b.cxx");
  ExpectFailure(Generate({ missing, freshInit, freshImpl }),
                "Input file " + missing + " could not be opened\n");
  EXPECT_FALSE(FileExists(freshInit));
  EXPECT_FALSE(FileExists(freshImpl));
}

TEST(Failure, ListFileWithoutTokensOrNotItsEncoding)
{
  struct Case
  {
    std::string list;
    bool badUtf16;  // else without tokens
  };
  std::vector<Case> cases = { { "", false },
                              { " ", false },
                              { "\n\n\t \r\n\v\f", false },
                              { "\xEF\xBB\xBF", false },
                              { AsUtf16(" \r\n"), false },
                              // Marked as UTF-16 but not: an odd byte, surrogates
                              // without their other half.
                              { AsUtf16("zebDemoPython") + "x", true },
                              { AsUtf16("zebDemoPython") + std::string("\x3D\xD8", 2), true },
                              { AsUtf16("zebDemoPython ", true) + std::string("\xDE\x00", 2),
                                true } };
#ifdef _WIN32
  cases.push_back({ "\x1AzebDemoPython", false });
#endif
  for (const Case& c : cases)
  {
    Workspace w;
    WriteFile(w.list, c.list);
    const std::string message = c.badUtf16 ? "Input file " + w.list + " is not valid UTF-16 text\n"
                                           : "Error getting libName\n";
    ExpectFailure(Generate({ w.list, w.init, w.impl }), message);
    w.ExpectOutputsUntouched();

    const std::string freshInit = w.scratch.File("a.cxx"), freshImpl = w.scratch.File("b.cxx");
    ExpectFailure(Generate({ w.list, freshInit, freshImpl }), message);
    EXPECT_FALSE(FileExists(freshInit));
    EXPECT_FALSE(FileExists(freshImpl));
  }
}

// A directory opens as a list on POSIX systems only.
#ifndef _WIN32
TEST(Failure, UnreadableListFileIsNotAnEmptyList)
{
  Workspace w;
  ExpectFailure(Generate({ w.scratch.path, w.init, w.impl }),
                "Input file " + w.scratch.path + " could not be read\n");
  w.ExpectOutputsUntouched();
}
#endif

TEST(Failure, InitFileCannotBeOpenedSilently)
{
  Workspace w;
  ExpectFailure(Generate({ w.list, w.scratch.File("no/such/dir/Init.cxx"), w.impl }), "");
  w.ExpectOutputsUntouched();

  const std::string freshImpl = w.scratch.File("b.cxx");
  ExpectFailure(Generate({ w.list, w.scratch.File("no/Init.cxx"), freshImpl }), "");
  EXPECT_FALSE(FileExists(freshImpl));
}

TEST(Failure, ImplFileCannotBeOpenedLeavesEmptyInitFile)
{
  Workspace w;
  ExpectFailure(Generate({ w.list, w.init, w.scratch.File("no/such/dir/InitImpl.cxx") }), "");
  bool found = false;
  EXPECT_EQ(ReadFile(w.init, &found), "");
  EXPECT_TRUE(found);
  EXPECT_EQ(ReadFile(w.impl), oldImpl);

  const std::string freshInit = w.scratch.File("a.cxx");
  ExpectFailure(Generate({ w.list, freshInit, w.scratch.path }), "");
  EXPECT_EQ(ReadFile(freshInit, &found), "");
  EXPECT_TRUE(found);
}

TEST(Failure, FurtherArgumentsAreIgnored)
{
  Workspace w;
  ASSERT_EQ(Generate({ w.list, w.init, w.impl }).exitStatus, 0);
  const std::string init = ReadFile(w.init), impl = ReadFile(w.impl);
  ASSERT_NE(init.find("initzebDemoPython"), std::string::npos);

  const std::string extra = w.scratch.File("extra.cxx");
  ProcessResult r = Generate({ w.list, w.init, w.impl, extra, "--verbose", "" });
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(ReadFile(w.init), init);
  EXPECT_EQ(ReadFile(w.impl), impl);
  EXPECT_FALSE(FileExists(extra));
}

// /dev/full exists on POSIX systems only.
#ifndef _WIN32
TEST(Failure, WriteErrorsNameTheFile)
{
  Workspace w;
  ASSERT_EQ(Generate({ w.list, w.init, w.impl }).exitStatus, 0);
  const std::string init = ReadFile(w.init), impl = ReadFile(w.impl);

  WriteFile(w.impl, oldImpl);
  ExpectFailure(Generate({ w.list, "/dev/full", w.impl }),
                "Output file /dev/full could not be written\n");
  EXPECT_EQ(ReadFile(w.impl), impl);

  WriteFile(w.init, oldInit);
  ExpectFailure(Generate({ w.list, w.init, "/dev/full" }),
                "Output file /dev/full could not be written\n");
  EXPECT_EQ(ReadFile(w.init), init);

  ExpectFailure(Generate({ w.list, "/dev/full", "/dev/full" }),
                "Output file /dev/full could not be written\n"
                "Output file /dev/full could not be written\n");
}
#endif

TEST(Failure, OutOfMemoryEndsWithStatusOne)
{
  Workspace w;
  // The probe is the generator with allocations of at least the given size failing.
  ProcessResult r = RunProgram(
    ZEB_WRAP_PYTHON_INIT_ALLOC_PROBE, { w.list, w.init, w.impl }, { "ZEB_FAIL_ALLOC_FROM=100000" });
  ASSERT_EQ(r.exitStatus, 0) << r.err;

  WriteFile(w.list, "zebDemoPython " + std::string(200000, 'n') + "\n");
  WriteFile(w.init, oldInit);
  WriteFile(w.impl, oldImpl);
  ExpectFailure(RunProgram(ZEB_WRAP_PYTHON_INIT_ALLOC_PROBE,
                           { w.list, w.init, w.impl },
                           { "ZEB_FAIL_ALLOC_FROM=100000" }),
                "Out of memory reading input file " + w.list + "\n");
  w.ExpectOutputsUntouched();

  std::string manyNames = "zebDemoPython";
  for (int i = 0; i < 20000; ++i)
  {
    manyNames += " zebClass" + std::to_string(i);
  }
  WriteFile(w.list, manyNames);
  ExpectFailure(RunProgram(ZEB_WRAP_PYTHON_INIT_ALLOC_PROBE,
                           { w.list, w.init, w.impl },
                           { "ZEB_FAIL_ALLOC_FROM=100000" }),
                "Out of memory reading input file " + w.list + "\n");
  w.ExpectOutputsUntouched();
}

TEST(Failure, OneFileForInitAndImplIsRefused)
{
  Workspace w;
  const std::string hardLink = w.scratch.File("hard.cxx");
  std::filesystem::create_hard_link(w.init, hardLink);
  ProcessOptions inDir;
  inDir.workingDirectory = w.scratch.path;
  // One file under four spellings: the same path, a relative path run from
  // the directory, "./" in front, and a hard link.
  const std::vector<std::vector<std::string>> runs = {
    { w.init, w.init }, { "Init.cxx", "./Init.cxx" }, { "./Init.cxx", w.init }, { w.init, hardLink }
  };
  for (const std::vector<std::string>& paths : runs)
  {
    ProcessResult r = RunProcess({ ZEB_WRAP_PYTHON_INIT, w.list, paths[0], paths[1] }, inDir);
    ExpectFailure(r,
                  "Init file " + paths[0] + " is also the implementation file " + paths[1] + "\n");
    w.ExpectOutputsUntouched();
  }
  // A path named twice that did not exist is not left behind.
  const std::string fresh = w.scratch.File("fresh.cxx");
  const std::string freshAgain = w.scratch.path + "/./fresh.cxx";
  ExpectFailure(Generate({ w.list, fresh, freshAgain }),
                "Init file " + fresh + " is also the implementation file " + freshAgain + "\n");
  EXPECT_FALSE(FileExists(fresh));
}

TEST(Failure, ListFileAsAnOutputIsRefused)
{
  Workspace w;
  const std::string listText = ReadFile(w.list);
  const std::string hardLink = w.scratch.File("hard.list");
  std::filesystem::create_hard_link(w.list, hardLink);
  const std::string fresh = w.scratch.File("fresh.cxx");
  // The list as either output, under its own path or a hard link (the last
  // of each run is the one the message names); the other output, old, new,
  // one that cannot be opened, or a symbolic link to a file still to be made
  // (which the run made through the link, and used to leave behind), is left
  // as it was.
  const std::string unopenable = w.scratch.File("no/such/dir/InitImpl.cxx");
  std::vector<std::vector<std::string>> runs = { { w.list, w.impl, w.list },
                                                 { w.init, hardLink, hardLink },
                                                 { hardLink, fresh, hardLink },
                                                 { fresh, w.list, w.list },
                                                 { w.list, unopenable, w.list } };
#ifndef _WIN32
  const std::string link = w.scratch.File("link.cxx");
  std::filesystem::create_symlink("fresh.cxx", link);
  runs.push_back({ link, w.list, w.list });
#endif
  for (const std::vector<std::string>& outputs : runs)
  {
    ExpectFailure(Generate({ w.list, outputs[0], outputs[1] }),
                  "Input file " + w.list + " is also the output file " + outputs[2] + "\n");
    EXPECT_EQ(ReadFile(w.list), listText) << outputs[0] << " " << outputs[1];
    w.ExpectOutputsUntouched();
    EXPECT_FALSE(FileExists(fresh));
  }
#ifndef _WIN32
  EXPECT_TRUE(std::filesystem::is_symlink(link));
#endif
}

// File-size limits exist on POSIX systems only.
#ifndef _WIN32
TEST(Failure, WritesFailingPartWayLeaveTheOutputsEmpty)
{
  // The file-size limit (16 KiB, with SIGXFSZ at its default) makes writes
  // fail part of the way, as a full disk would; a long module name makes the
  // init file longer than that too.
  Workspace w;
  std::string list = "zebDemoPython" + std::string(20000, 'p');
  for (int i = 0; i < 20000; ++i)
  {
    list += " zebClass" + std::to_string(i);
  }
  WriteFile(w.list, list);
  ProcessOptions limited;
  limited.fileSizeLimit = 16384;
  ProcessResult r = RunProcess({ ZEB_WRAP_PYTHON_INIT, w.list, w.init, w.impl }, limited);
  ExpectFailure(r,
                "Output file " + w.init + " could not be written\n" + "Output file " + w.impl +
                  " could not be written\n");
  bool found = false;
  EXPECT_EQ(ReadFile(w.init, &found).size(), 0u);
  EXPECT_TRUE(found);
  EXPECT_EQ(ReadFile(w.impl, &found).size(), 0u);
  EXPECT_TRUE(found);
}
#endif

// Both generators at the edges of their process: each case of a table runs
// on zebWrapTclInit and zebWrapPythonInit alike and checks the one line on
// standard error, the status and what is left of every file.
#include "RunProcess.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace
{
const char* const oldText = "earlier contents\n";

// A list file and two outputs holding old text, in a fresh directory.
struct Files
{
  Files()
  {
    WriteFile(list, listText);
    WriteFile(first, oldText);
    WriteFile(second, oldText);
  }
  void Write(const std::string& text)
  {
    listText = text;
    WriteFile(list, text);
  }

  std::string dir = MakeTempDirectory();
  std::string list = dir + "/lib.list";
  std::string first = dir + "/a.cxx";
  std::string second = dir + "/b.cxx";
  std::string listText = "zebLib zebShrink\n";
};

struct Generator
{
  const char* program;
  const char* allocProbe;
  bool python;
};

const Generator tcl = { WRAP_TCL_INIT, WRAP_TCL_INIT_ALLOC_PROBE, false };
const Generator python = { WRAP_PYTHON_INIT, WRAP_PYTHON_INIT_ALLOC_PROBE, true };

// The command line: the list, then one output for Tcl and two for Python.
std::vector<std::string> Command(const char* program,
                                 bool python,
                                 const std::string& list,
                                 const std::string& first,
                                 const std::string& second)
{
  std::vector<std::string> command = { program, list, first };
  if (python)
    command.push_back(second);
  return command;
}

void ExpectOneLine(const ProcessResult& r, const std::string& line, const std::string& what)
{
  EXPECT_EQ(r.exitStatus, 1) << what;
  EXPECT_EQ(r.signal, 0) << what;
  EXPECT_EQ(r.err, WithPlatformLineEnds(line)) << what;
  EXPECT_EQ(r.out, "") << what;
}

// A file that exists and holds nothing.
void ExpectEmpty(const std::string& path, const std::string& what)
{
  bool found = false;
  EXPECT_EQ(ReadFile(path, &found), "") << what;
  EXPECT_TRUE(found) << what;
}
}

TEST(GeneratorEdges, ExceptionsEndInOneLineAndLeaveNoPartialOutput)
{
  // The probes fail every allocation of 100,000 bytes or more: one long name
  // fails while the list is read, 2,000 short names while a source grows.
  std::string manyNames = "zebLib";
  for (int i = 0; i < 2000; ++i)
    manyNames += " zeb" + std::to_string(100000 + i);
  const std::string longName = "zebLib " + std::string(200000, 'n') + "\n";
  for (const Generator& g : { tcl, python })
    for (const char* kind : { "bad_alloc", "length_error" })
      for (bool whileReading : { true, false })
      {
        Files f;
        f.Write(whileReading ? longName : manyNames);
        ProcessOptions options;
        options.setEnv = { "ZEB_FAIL_ALLOC_FROM=100000",
                           std::string("ZEB_FAIL_ALLOC_THROWS=") + kind };
        ProcessResult r =
          RunProcess(Command(g.allocProbe, g.python, f.list, f.first, f.second), options);
        bool outOfMemory = std::string(kind) == "bad_alloc";
        std::string doing = "while generating " + std::string(g.python ? f.second : f.first);
        if (whileReading)
          doing = "reading input file " + f.list;
        std::string line = outOfMemory ? "Out of memory " + doing + "\n"
                                       : "Error " + doing + ": allocation refused\n";
        std::string what = std::string(g.program) + " " + kind + (whileReading ? " reading" : "");
        ExpectOneLine(r, line, what);
        EXPECT_EQ(ReadFile(f.list), f.listText) << what;
        if (!g.python)
          ExpectEmpty(f.first, what);
        else if (whileReading)
          EXPECT_EQ(ReadFile(f.first) + ReadFile(f.second), std::string(oldText) + oldText) << what;
        else
          ExpectEmpty(f.second, what);
      }
}

TEST(GeneratorEdges, PathsOutsideTheCodePageOrPastTheOldLimit)
{
  // A folder named in Chinese (outside Windows' Western code page), and one
  // deeper than the 260 characters of Windows' old limit on paths: a run
  // there writes what a run in a plain folder writes, and a message gives
  // such a path as it was given.
  std::string deep = "田中";
  for (int i = 0; i < 20; ++i)
    deep += "/folder" + std::to_string(i) + "_of_a_long_path";
  for (const Generator& g : { tcl, python })
  {
    Files plain;
    ProcessResult r =
      RunProcess(Command(g.program, g.python, plain.list, plain.first, plain.second));
    ASSERT_EQ(r.exitStatus, 0) << r.err;
    for (const std::string& folder : { std::string("田中"), deep })
    {
      Files f;
      const std::string dir = f.dir + "/" + folder;
      std::filesystem::create_directories(std::filesystem::u8path(dir));
      const std::string list = dir + "/lib.list", first = dir + "/a.cxx", second = dir + "/b.cxx";
      ASSERT_TRUE(WriteFile(list, f.listText));
      const std::string what = std::string(g.program) + " in " + folder;
      r = RunProcess(Command(g.program, g.python, list, first, second));
      EXPECT_EQ(r.exitStatus, 0) << what << ": " << r.err;
      EXPECT_EQ(r.err, "") << what;
      EXPECT_EQ(ReadFile(first), ReadFile(plain.first)) << what;
      if (g.python)
      {
        EXPECT_EQ(ReadFile(second), ReadFile(plain.second)) << what;
      }

      r = RunProcess(Command(g.program, g.python, dir + "/absent.list", first, second));
      ExpectOneLine(r, "Input file " + dir + "/absent.list could not be opened\n", what);
    }
  }
}

#ifndef _WIN32
TEST(GeneratorEdges, ClosedStandardStreamsTakeNoFile)
{
  // Each run names the list or one file twice and starts with standard
  // streams closed: the refusal must not land in a file that took a
  // stream's place.
  struct Case
  {
    const Generator& g;
    std::vector<int> closed;
    bool listFirst;  // the list as the first output, else one file as both
  };
  for (const Case& c : { Case{ tcl, { 0, 2 }, true },
                         Case{ python, { 2 }, false },
                         Case{ python, { 0, 2 }, true } })
  {
    Files f;
    std::string first = c.listFirst ? f.list : f.first;
    std::string second = c.listFirst ? f.second : f.first;
    ProcessOptions options;
    options.closedStreams = c.closed;
    ProcessResult r = RunProcess(Command(c.g.program, c.g.python, f.list, first, second), options);
    std::string what = std::string(c.g.program) + " " + first + " " + second;
    EXPECT_EQ(r.exitStatus, 1) << what;
    EXPECT_EQ(ReadFile(f.list), f.listText) << what;
    EXPECT_EQ(ReadFile(f.first), oldText) << what;
    EXPECT_EQ(ReadFile(f.second), oldText) << what;
  }
}

TEST(GeneratorEdges, ListLargerThanMemoryIsRefusedBySize)
{
  // A sparse list file of 5 EiB: tmpfs holds one, most disks' file systems
  // do not.
  if (!std::filesystem::is_directory("/dev/shm"))
    GTEST_SKIP() << "no /dev/shm for a sparse file of 5 EiB";
  for (const Generator& g : { tcl, python })
  {
    Files f;
    std::string huge = "/dev/shm/" + std::filesystem::path(f.dir).filename().string() + ".list";
    {
      std::ofstream create(huge);
    }
    std::error_code error;
    std::filesystem::resize_file(huge, 5ULL << 60, error);
    ASSERT_FALSE(error) << error.message();
    ProcessResult r = RunProcess(Command(g.program, g.python, huge, f.first, f.second));
    std::filesystem::remove(huge);
    ExpectOneLine(r, "Input file " + huge + " is too large to be read\n", g.program);
    if (g.python)
      EXPECT_EQ(ReadFile(f.first) + ReadFile(f.second), std::string(oldText) + oldText);
    else
      ExpectEmpty(f.first, g.program);
  }
}
#endif

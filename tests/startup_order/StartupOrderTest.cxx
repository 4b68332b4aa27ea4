// The start-up registrations of every test program, read from the trace
// that ZEB_TRACE_INIT=1 turns on. Each row of the table gives one program's
// registrations in static initialisation order; the expected trace follows
// from it: the constructs in that order, then at exit the undos in reverse
// order of registration, each group's destructs in its own list order and
// each holder's destruction last.
#include "RunProcess.h"

#include <gtest/gtest.h>

#include <sstream>

namespace
{
// One start-up registration of a test source: its leak-tracking holder, or
// one auto-initialisation group of modules.
struct Registration
{
  bool isHolder;
  std::vector<std::string> modules;
};

const Registration holder = { true, {} };

Registration Group(const std::vector<std::string>& modules)
{
  return { false, modules };
}

struct StartupRow
{
  std::string program;
  std::vector<std::string> testArguments;   // a run that selects a registered test
  std::vector<Registration> registrations;  // in static initialisation order
};

// Names a row in test listings.
void PrintTo(const StartupRow& row, std::ostream* os)
{
  *os << row.program;
}

// For rows whose test reads data files.
const std::string dataRoot = ZEB_SOURCE_DIR "/ZEBData";

const std::vector<Registration> renderingRegistrations = { holder,
                                                           Group({ "zebInteractionStyle",
                                                                   "zebRenderingFreeType",
                                                                   "zebRenderingFreeTypeOpenGL",
                                                                   "zebRenderingOpenGL" }),
                                                           Group({ "zebOBServerManagerRendering" }),
                                                           Group({ "zebIOParallelExodus" }),
                                                           Group({ "zebRenderingVolumeOpenGL" }),
                                                           Group({ "zebRenderingContextOpenGL" }) };

// One row per test program: its name, the arguments of a run of one of its
// tests, and its registrations in the order its test sources make them.
const StartupRow startupTable[] = {
  { "animation_tests", { "ObriskCoreAnimationPrintSelf" }, renderingRegistrations },
  { "common_tests", { "ObriskCoreCommonPrintSelf" }, {} },
  { "smrendering_tests", { "TestTransferFunctionManager" }, renderingRegistrations },
  { "exodus_tests",
    { "TestExodusImplicitArrays", "-D", dataRoot },
    { holder, Group({ "zebIOParallelExodus" }) } },
  { "import_tests",
    { "TestVRMLImporter", "-D", dataRoot },
    { holder,
      Group({ "zebInteractionStyle", "zebRenderingOpenGL" }),
      holder,
      Group({ "zebInteractionStyle", "zebRenderingOpenGL" }) } },
};

std::string ExpectedTrace(const std::vector<Registration>& registrations)
{
  std::string trace;
  for (const Registration& registration : registrations)
  {
    if (registration.isHolder)
    {
      trace += "zebInit: construct leak-tracking holder\n";
    }
    for (const std::string& module : registration.modules)
    {
      trace += "zebInit: construct " + module + "\n";
    }
  }
  for (auto it = registrations.rbegin(); it != registrations.rend(); ++it)
  {
    for (const std::string& module : it->modules)
    {
      trace += "zebInit: destruct " + module + "\n";
    }
    if (it->isHolder)
    {
      trace += "zebInit: destroy leak-tracking holder\n";
    }
  }
  return trace;
}

// The trace lines of a traced run of the program, and everything it wrote
// on standard error.
ProcessResult TracedRun(const StartupRow& row,
                        const std::vector<std::string>& arguments,
                        std::string* trace)
{
  std::vector<std::string> args = { std::string(ZEB_PROGRAM_DIR) + "/" + row.program };
  args.insert(args.end(), arguments.begin(), arguments.end());
  ProcessOptions options;
  options.setEnv = { "ZEB_TRACE_INIT=1" };
  ProcessResult r = RunProcess(args, options);
  std::istringstream lines(r.err);
  std::string line;
  trace->clear();
  while (std::getline(lines, line))
  {
    if (line.compare(0, 9, "zebInit: ") == 0)
    {
      *trace += line + "\n";
    }
  }
  return r;
}

class StartupOrder : public testing::TestWithParam<StartupRow>
{
};
}

TEST_P(StartupOrder, RegisteredTestRun)
{
  const StartupRow& row = GetParam();
  std::string trace;
  ProcessResult r = TracedRun(row, row.testArguments, &trace);
  EXPECT_EQ(r.exitStatus, 0) << row.program << " (is it built?)\n" << r.err;
  EXPECT_EQ(trace, ExpectedTrace(row.registrations));
  if (row.registrations.empty())
  {
    EXPECT_EQ(r.err, "");
  }
}

TEST_P(StartupOrder, WrongTestNameStillMakesAndUndoesEveryRegistration)
{
  const StartupRow& row = GetParam();
  std::string trace;
  ProcessResult r = TracedRun(row, { "NoSuchTest", "-D", dataRoot }, &trace);
  EXPECT_EQ(r.exitStatus, 255);
  EXPECT_NE(r.out.find("Failed: NoSuchTest is an invalid test name.\n"), std::string::npos);
  EXPECT_EQ(trace, ExpectedTrace(row.registrations));
  if (row.registrations.empty())
  {
    EXPECT_EQ(r.err, "");
  }
}

INSTANTIATE_TEST_SUITE_P(Programs,
                         StartupOrder,
                         testing::ValuesIn(startupTable),
                         [](const testing::TestParamInfo<StartupRow>& info)
                         { return info.param.program; });

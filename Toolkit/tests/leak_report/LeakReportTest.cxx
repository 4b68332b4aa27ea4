// The leak report of the toolkit's leak tracking, seen from outside through
// the leak probe, a program with two leak-tracking holders. Its lines end
// in the platform's line end.
#include "RunProcess.h"

#include <gtest/gtest.h>

namespace
{
const std::string reportHeader =
  "Leaks detected: toolkit objects still alive when leak tracking ended\n";
// The report's last line: the status the probe's main returned.
const std::string exitStatus0 = "  exit status of the run: 0\n";

ProcessResult Probe(const std::string& test, bool trace = false)
{
  ProcessOptions options;
  if (trace)
  {
    options.setEnv = { "ZEB_TRACE_INIT=1" };
  }
  else
  {
    options.unsetEnv = { "ZEB_TRACE_INIT" };
  }
  return RunProcess({ LEAK_REPORT_PROBE, test }, options);
}
}

TEST(LeakReport, NamesTheClassOfOneLeakedObject)
{
  ProcessResult r = Probe("LeakOneWidget");
  EXPECT_EQ(r.err, WithPlatformLineEnds(reportHeader + "  zebLeakProbeWidget: 1\n" + exitStatus0));
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.exitStatus, 0);
}

TEST(LeakReport, EndsWithTheStatusOfARunThatFailedOnItsOwn)
{
  ProcessResult r = Probe("LeakAndFail");
  EXPECT_EQ(
    r.err,
    WithPlatformLineEnds(reportHeader + "  zebLeakProbeWidget: 1\n  exit status of the run: 3\n"));
  EXPECT_EQ(r.exitStatus, 3);
}

TEST(LeakReport, CountsEachClassOnItsOwnLine)
{
  ProcessResult r = Probe("LeakWidgetAndGadgets");
  EXPECT_EQ(r.err,
            WithPlatformLineEnds(
              reportHeader + "  zebLeakProbeGadget: 2\n  zebLeakProbeWidget: 1\n" + exitStatus0));
}

TEST(LeakReport, AnObjectWithAReferenceLeftIsLeaked)
{
  ProcessResult r = Probe("LeakByExtraReference");
  EXPECT_EQ(r.err, WithPlatformLineEnds(reportHeader + "  zebLeakProbeWidget: 1\n" + exitStatus0));
}

TEST(LeakReport, CleanRunPrintsNothing)
{
  ProcessResult r = Probe("ReleaseEverything");
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.exitStatus, 0);
}

TEST(LeakReport, ReportedOnceWhenTheLastHolderGoes)
{
  const std::string holders = "zebInit: construct leak-tracking holder\n"
                              "zebInit: construct leak-tracking holder\n"
                              "zebInit: destroy leak-tracking holder\n"
                              "zebInit: destroy leak-tracking holder\n";
  ProcessResult r = Probe("LeakOneWidget", true);
  EXPECT_EQ(
    r.err,
    WithPlatformLineEnds(holders + reportHeader + "  zebLeakProbeWidget: 1\n" + exitStatus0));

  r = Probe("ReleaseEverything", true);
  EXPECT_EQ(r.err, WithPlatformLineEnds(holders));
}

// The module print-self programs animation_tests and common_tests: every
// listed class printed to standard output in list order, nothing on standard
// error, exit status 0, whatever arguments follow the test name; and a
// class whose New gives no instance, through the print-self probe.
#include "RunProcess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

namespace
{
const std::vector<std::string> commonClasses = {
  "zebCommandOptions",  "zebCommandOptionsXMLParser",
  "zebOBTestUtilities", "zebOBXMLElement",
  "zebOBXMLParser",     "zebStringList",
};

ProcessResult RunProgram(const std::string& program, const std::vector<std::string>& arguments)
{
  std::vector<std::string> args = { program };
  args.insert(args.end(), arguments.begin(), arguments.end());
  ProcessOptions options;
  options.unsetEnv = { "ZEB_TRACE_INIT" };
  return RunProcess(args, options);
}

// The lines of a program's output, each ended by the platform's line end.
std::vector<std::string> OutputLines(const std::string& out)
{
  const std::string lineEnd = WithPlatformLineEnds("\n");
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < out.size())
  {
    size_t end = out.find(lineEnd, start);
    if (end == std::string::npos)
    {
      ADD_FAILURE() << "output ends without a line end";
      end = out.size();
    }
    lines.push_back(out.substr(start, end - start));
    start = end + lineEnd.size();
  }
  return lines;
}

// The classes named by the headers "<class> (<address>)" of the output, in
// order. Every header must be followed by the base class's state line.
std::vector<std::string> PrintedClasses(const std::string& out)
{
  static const std::regex header("([A-Za-z]+) \\(0x[0-9a-f]+\\)");
  std::vector<std::string> classes;
  bool expectBaseState = false;
  for (const std::string& line : OutputLines(out))
  {
    if (expectBaseState)
    {
      EXPECT_EQ(line, "  Reference Count: 1") << "after the header of " << classes.back();
      expectBaseState = false;
    }
    else if (line.empty() || line[0] != ' ')
    {
      std::smatch match;
      EXPECT_TRUE(std::regex_match(line, match, header)) << "not a header: " << line;
      classes.push_back(match[1]);
      expectBaseState = true;
    }
  }
  EXPECT_FALSE(expectBaseState) << "output ends after a header";
  return classes;
}

std::string WithoutAddresses(const std::string& out)
{
  return std::regex_replace(out, std::regex("0x[0-9a-f]+"), "ADDRESS");
}

// Runs the program's test by its name and by a fragment of it, with and
// without further arguments: each run gives the same output.
void ExpectPrintSelfRuns(const std::string& program,
                         const std::string& test,
                         const std::string& fragment,
                         const std::vector<std::string>& classes)
{
  const std::vector<std::vector<std::string>> argumentSets = {
    { test },
    { test, "-D", "/no/such/data", "-T", "extra argument" },
    { "-R", fragment },
    { "-R", fragment, "-V", "baseline.png" },
  };
  std::string firstOutput;
  for (const std::vector<std::string>& arguments : argumentSets)
  {
    SCOPED_TRACE(arguments.back());
    ProcessResult r = RunProgram(program, arguments);
    EXPECT_EQ(r.exitStatus, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(PrintedClasses(r.out), classes);
    if (firstOutput.empty())
    {
      firstOutput = WithoutAddresses(r.out);
    }
    EXPECT_EQ(WithoutAddresses(r.out), firstOutput);
  }
}
}

// animation_tests is built where its start-up modules are.
#ifdef ANIMATION_TESTS
TEST(PrintSelf, AnimationPrintsEveryClassInListOrder)
{
  const std::vector<std::string> animationClasses = {
    "zebCompositeAnimationPlayer",
    "zebOBBooleanKeyFrame",
    "zebOBCameraAnimationCue",
    "zebOBCameraCueManipulator",
    "zebOBCameraKeyFrame",
    "zebOBCompositeKeyFrame",
    "zebOBExponentialKeyFrame",
    "zebOBKeyFrameAnimationCueForProxies",
    "zebOBKeyFrameCueManipulator",
    "zebOBKeyFrame",
    "zebOBRampKeyFrame",
    "zebOBRepresentationAnimationHelper",
    "zebOBSinusoidKeyFrame",
    "zebRealtimeAnimationPlayer",
    "zebSequenceAnimationPlayer",
    "zebSIXMLAnimationWriterRepresentationProperty",
    "zebSMAnimationScene",
    "zebSMAnimationSceneGeometryWriter",
    "zebSMAnimationSceneImageWriter",
    "zebSMAnimationSceneProxy",
    "zebTimestepsAnimationPlayer",
    "zebXMLOBAnimationWriter",
  };
  ASSERT_EQ(animationClasses.size(), 22u);
  ExpectPrintSelfRuns(
    ANIMATION_TESTS, "ObriskCoreAnimationPrintSelf", "coreanimation", animationClasses);
}
#endif

TEST(PrintSelf, CommonPrintsEveryClassInListOrder)
{
  ASSERT_EQ(commonClasses.size(), 6u);
  ExpectPrintSelfRuns(COMMON_TESTS, "ObriskCoreCommonPrintSelf", "CommonPrint", commonClasses);
}

TEST(PrintSelf, TestNameInAnyCase)
{
  ProcessResult r = RunProgram(COMMON_TESTS, { "OBRISKCORECOMMONPRINTSELF" });
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(PrintedClasses(r.out), commonClasses);
}

TEST(PrintSelf, ClassWithoutInstanceIsNamedAndFailsTheTest)
{
  ProcessResult r = RunProgram(PRINT_SELF_PROBE, { "PrintSelfWithoutInstance" });
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_EQ(PrintedClasses(r.out), std::vector<std::string>{ "zebStringList" });
  // The factory's message, then the test's own line; no leak report.
  const std::string ownLine =
    WithPlatformLineEnds("zebProbeAbstractWriter::New gave no instance\n");
  ASSERT_GE(r.err.size(), ownLine.size()) << r.err;
  EXPECT_EQ(r.err.substr(r.err.size() - ownLine.size()), ownLine);
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 2) << r.err;
  EXPECT_EQ(r.err.find("Leaks detected"), std::string::npos);
}

TEST(PrintSelf, EachInstanceIsReleasedBeforeTheNextIsCreated)
{
  ProcessResult r = RunProgram(PRINT_SELF_PROBE, { "PrintSelfOneAtATime" });
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(WithoutAddresses(r.out),
            WithPlatformLineEnds("zebProbeLiveCounter (ADDRESS)\n"
                                 "  Reference Count: 1\n"
                                 "  Live Instances: 1\n"
                                 "zebProbeOtherLiveCounter (ADDRESS)\n"
                                 "  Reference Count: 1\n"
                                 "  Live Instances: 1\n"
                                 "zebProbeLiveCounter (ADDRESS)\n"
                                 "  Reference Count: 1\n"
                                 "  Live Instances: 1\n"));
}

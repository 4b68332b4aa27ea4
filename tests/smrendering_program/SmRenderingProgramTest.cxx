// smrendering_tests seen from outside: the passing run, the start-up
// registrations, and each check failing against a transfer-function manager
// that the test-only module zebSMFaultInjection makes misbehave.
#include "RunProcess.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{
// The failing path leaves the session unreleased on purpose, so leak
// detection of the sanitizer build is switched off for it; the preloaded
// module does not come first in the library list.
std::string SanitizerOptionsForFaults()
{
  const char* current = getenv("ASAN_OPTIONS");
  std::string options = current ? std::string(current) + ":" : std::string();
  return options + "verify_asan_link_order=0:detect_leaks=0";
}

ProcessResult RunWithFault(const std::string& fault)
{
  ProcessOptions options;
  options.setEnv = { "LD_PRELOAD=" FAULT_INJECTION_MODULE,
                     "ZEB_SM_FAULT=" + fault,
                     "ASAN_OPTIONS=" + SanitizerOptionsForFaults() };
  return RunProcess({ SMRENDERING_TESTS, "TestTransferFunctionManager" }, options);
}

// The lines of text that contain what.
std::vector<std::string> LinesContaining(const std::string& text, const std::string& what)
{
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size())
  {
    size_t end = text.find('\n', start);
    if (end == std::string::npos)
    {
      end = text.size();
    }
    std::string line = text.substr(start, end - start);
    if (line.find(what) != std::string::npos)
    {
      lines.push_back(line);
    }
    start = end + 1;
  }
  return lines;
}

void ExpectFailureAt(const std::string& fault, int number)
{
  SCOPED_TRACE("fault " + fault);
  ProcessResult r = RunWithFault(fault);
  EXPECT_EQ(r.exitStatus, 1);
  EXPECT_EQ(r.out, "");
  std::vector<std::string> failures = LinesContaining(r.err, "Failed at line");
  ASSERT_EQ(failures.size(), 1u) << r.err;
  EXPECT_EQ(failures[0], "ERROR: Failed at line " + std::to_string(number));
  EXPECT_NE(r.err.find("ERROR: Failed at line " + std::to_string(number) + "\n"),
            std::string::npos);
  // Only the manager is released on the failing path.
  EXPECT_NE(r.err.find("Leaks detected"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("  zebSMSession: 1\n"), std::string::npos) << r.err;
  EXPECT_EQ(r.err.find("TransferFunctionManager"), std::string::npos) << r.err;
}
}

TEST(SmRenderingProgram, PassesSilentlyWithoutLeaks)
{
  ProcessResult r = RunProcess({ SMRENDERING_TESTS, "TestTransferFunctionManager" });
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "");

  r = RunProcess({ SMRENDERING_TESTS, "testTRANSFERfunctionMANAGER", "extra", "-D", "x" });
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(r.err, "");
}

TEST(SmRenderingProgram, PassesWhenChosenInteractively)
{
  // Chosen by number the test gets argc 0 and a null executable path.
  ProcessOptions options;
  options.input = "0\n";
  ProcessResult r = RunProcess({ SMRENDERING_TESTS }, options);
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(r.out,
            "Available tests:\n"
            "  0. TestTransferFunctionManager\n"
            "To run a test, enter the test number: ");
  EXPECT_EQ(r.err, "");
}

TEST(SmRenderingProgram, StartUpRegistrationsInOrder)
{
  const char* const expected = "zebInit: construct leak-tracking holder\n"
                               "zebInit: construct zebInteractionStyle\n"
                               "zebInit: construct zebRenderingFreeType\n"
                               "zebInit: construct zebRenderingFreeTypeOpenGL\n"
                               "zebInit: construct zebRenderingOpenGL\n"
                               "zebInit: construct zebOBServerManagerRendering\n"
                               "zebInit: construct zebIOParallelExodus\n"
                               "zebInit: construct zebRenderingVolumeOpenGL\n"
                               "zebInit: construct zebRenderingContextOpenGL\n"
                               "zebInit: destruct zebRenderingContextOpenGL\n"
                               "zebInit: destruct zebRenderingVolumeOpenGL\n"
                               "zebInit: destruct zebIOParallelExodus\n"
                               "zebInit: destruct zebOBServerManagerRendering\n"
                               "zebInit: destruct zebInteractionStyle\n"
                               "zebInit: destruct zebRenderingFreeType\n"
                               "zebInit: destruct zebRenderingFreeTypeOpenGL\n"
                               "zebInit: destruct zebRenderingOpenGL\n"
                               "zebInit: destroy leak-tracking holder\n";
  ProcessOptions options;
  options.setEnv = { "ZEB_TRACE_INIT=1" };
  ProcessResult r = RunProcess({ SMRENDERING_TESTS, "TestTransferFunctionManager" }, options);
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(r.err, expected);

  // A test that is never selected changes nothing about them.
  r = RunProcess({ SMRENDERING_TESTS, "NoSuchTest" }, options);
  EXPECT_EQ(r.exitStatus, 255);
  EXPECT_EQ(r.err, expected);
}

TEST(SmRenderingProgram, OverrideWithoutFaultPasses)
{
  ProcessResult r = RunWithFault("");
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "");
}

TEST(SmRenderingProgram, ColourFunctionChecks)
{
  ExpectFailureAt("colour-null", 41);
  ExpectFailureAt("colour-fresh", 48);
  ExpectFailureAt("colour-same", 55);
}

TEST(SmRenderingProgram, OpacityFunctionChecks)
{
  ExpectFailureAt("opacity-null", 62);
  ExpectFailureAt("opacity-fresh", 67);
  ExpectFailureAt("opacity-same", 72);
}

TEST(SmRenderingProgram, LinkBetweenColourAndOpacityFunction)
{
  ExpectFailureAt("link-empty", 79);
  ExpectFailureAt("link-other", 79);
}

TEST(SmRenderingProgram, MissingViewFailsInsteadOfCrashing)
{
  ExpectFailureAt("no-view", 86);
}

TEST(SmRenderingProgram, PerViewChecks)
{
  ExpectFailureAt("per-view-null", 96);
  ExpectFailureAt("per-view-fresh", 102);
}

TEST(SmRenderingProgram, ExceptionPassesThroughAndReleasesTheManager)
{
  ProcessOptions options;
  options.setEnv = { "ZEB_SM_FAULT=throw", "ASAN_OPTIONS=" + SanitizerOptionsForFaults() };
  ProcessResult r = RunProcess({ EXCEPTION_PROBE, "TestTransferFunctionManager" }, options);
  EXPECT_EQ(r.exitStatus, 0);
  EXPECT_EQ(r.out,
            "caught: colour-function lookup failed on purpose\n"
            "live managers: 0\n");
  EXPECT_EQ(r.err.find("Failed at line"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("  zebSMSession: 1\n"), std::string::npos) << r.err;
  EXPECT_EQ(r.err.find("TransferFunctionManager"), std::string::npos) << r.err;

  // The same probe without a fault runs the test to its end.
  options.setEnv = { "ZEB_SM_FAULT=" };
  r = RunProcess({ EXCEPTION_PROBE, "TestTransferFunctionManager" }, options);
  EXPECT_EQ(r.out, "returned 0\nlive managers: 0\n");
  EXPECT_EQ(r.err, "");
}

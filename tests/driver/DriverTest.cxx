// The test driver's selection, messages and exit status, seen from outside
// through a probe program whose registry is
//   0 ProbeAlpha, 1 ProbeAlphaBeta, 2 ProbeBeta, 3 ExitWith, 4 CrashOnPurpose.
#include "RunProcess.h"

#include <gtest/gtest.h>

#include <csignal>

namespace
{
const char* const testList = "Available tests:\n"
                             "  0. ProbeAlpha\n"
                             "  1. ProbeAlphaBeta\n"
                             "  2. ProbeBeta\n"
                             "  3. ExitWith\n"
                             "  4. CrashOnPurpose\n";

ProcessResult Probe(std::vector<std::string> args, const std::string& input = "")
{
  args.insert(args.begin(), DRIVER_PROBE);
  ProcessOptions options;
  options.input = input;
  return RunProcess(args, options);
}

// The driver's own errors return -1 from main: exit status 255 on POSIX
// systems, the exit code 0xFFFFFFFF on Windows (which RunProcess reports as
// the code that ended the process).
testing::AssertionResult EndedWithMinusOne(const ProcessResult& r)
{
#ifdef _WIN32
  bool ended = r.exitStatus == -1 && static_cast<unsigned>(r.signal) == 0xFFFFFFFFu;
#else
  bool ended = r.exitStatus == 255;
#endif
  if (ended)
  {
    return testing::AssertionSuccess();
  }
  return testing::AssertionFailure() << "exit status " << r.exitStatus << ", signal " << r.signal;
}
}

TEST(Driver, ExactNameInAnyCaseWithArgumentsAsTyped)
{
  // An argument outside Windows' Western code page reaches the test whole.
  ProcessResult r = Probe({ "PROBEalphaBETA", "one", "-D", "", "two words", "田中/データ" });
  EXPECT_EQ(r.out,
            WithPlatformLineEnds("ProbeAlphaBeta argc=6\n"
                                 "argv[0]=PROBEalphaBETA\n"
                                 "argv[1]=one\n"
                                 "argv[2]=-D\n"
                                 "argv[3]=\n"
                                 "argv[4]=two words\n"
                                 "argv[5]=田中/データ\n"
                                 "argv[6] is null\n"));
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.exitStatus, 0);

  r = Probe({ "probealpha" });
  EXPECT_EQ(r.out,
            WithPlatformLineEnds("ProbeAlpha argc=1\nargv[0]=probealpha\nargv[1] is null\n"));
  EXPECT_EQ(r.exitStatus, 0);
}

TEST(Driver, FragmentWithoutDashRIsNotAName)
{
  ProcessResult r = Probe({ "ProbeAlph" });
  EXPECT_EQ(
    r.out,
    WithPlatformLineEnds(std::string(testList) + "Failed: ProbeAlph is an invalid test name.\n"));
  EXPECT_TRUE(EndedWithMinusOne(r));
  EXPECT_EQ(r.err, "");

  // The name is printed as typed, also outside Windows' Western code page.
  r = Probe({ "田中" });
  EXPECT_EQ(
    r.out, WithPlatformLineEnds(std::string(testList) + "Failed: 田中 is an invalid test name.\n"));
  EXPECT_TRUE(EndedWithMinusOne(r));
}

TEST(Driver, SubstringModeFirstMatchWins)
{
  // "alpha" occurs in positions 0 and 1; position 0 wins.
  ProcessResult r = Probe({ "-R", "ALPHA", "x" });
  EXPECT_EQ(r.out,
            WithPlatformLineEnds("ProbeAlpha argc=2\nargv[0]=ALPHA\nargv[1]=x\nargv[2] is null\n"));
  EXPECT_EQ(r.exitStatus, 0);

  // "beta" occurs in positions 1 and 2; position 1 wins.
  r = Probe({ "-R", "beta" });
  EXPECT_EQ(r.out, WithPlatformLineEnds("ProbeAlphaBeta argc=1\nargv[0]=beta\nargv[1] is null\n"));

  r = Probe({ "-R", "obeB" });
  EXPECT_EQ(r.out, WithPlatformLineEnds("ProbeBeta argc=1\nargv[0]=obeB\nargv[1] is null\n"));
}

TEST(Driver, SubstringModeFailures)
{
  ProcessResult r = Probe({ "-R" });
  EXPECT_EQ(r.out, WithPlatformLineEnds("-R needs an additional parameter.\n"));
  EXPECT_TRUE(EndedWithMinusOne(r));

  r = Probe({ "-R", "nothing" });
  EXPECT_EQ(r.out,
            WithPlatformLineEnds(std::string(testList) + "Failed: -R is an invalid test name.\n"));
  EXPECT_TRUE(EndedWithMinusOne(r));

  // "-R" is case-sensitive: "-r" is taken as a test name.
  r = Probe({ "-r", "alpha" });
  EXPECT_EQ(r.out,
            WithPlatformLineEnds(std::string(testList) + "Failed: -r is an invalid test name.\n"));
  EXPECT_TRUE(EndedWithMinusOne(r));

  // "-R" must be the whole argument.
  r = Probe({ "-RR", "alpha" });
  EXPECT_EQ(r.out,
            WithPlatformLineEnds(std::string(testList) + "Failed: -RR is an invalid test name.\n"));
  EXPECT_EQ(r.err, "");
}

TEST(Driver, InteractiveChoice)
{
  const std::string prompt = std::string(testList) + "To run a test, enter the test number: ";

  ProcessResult r = Probe({}, "2\n");
  EXPECT_EQ(r.out, WithPlatformLineEnds(prompt + "ProbeBeta argc=0\nargv[0] is null\n"));
  EXPECT_EQ(r.exitStatus, 0);

  r = Probe({}, "  0");
  EXPECT_EQ(r.out, WithPlatformLineEnds(prompt + "ProbeAlpha argc=0\nargv[0] is null\n"));

  r = Probe({}, "5\n");
  EXPECT_EQ(r.out, WithPlatformLineEnds(prompt + "  5 is an invalid test number.\n"));
  EXPECT_TRUE(EndedWithMinusOne(r));

  r = Probe({}, "-1\n");
  EXPECT_EQ(r.out, WithPlatformLineEnds(prompt + " -1 is an invalid test number.\n"));
  EXPECT_TRUE(EndedWithMinusOne(r));

  r = Probe({}, "1234\n");
  EXPECT_EQ(r.out, WithPlatformLineEnds(prompt + "1234 is an invalid test number.\n"));

  r = Probe({}, "x\n");
  EXPECT_EQ(r.out, WithPlatformLineEnds(prompt + "Couldn't parse that input as a number\n"));
  EXPECT_TRUE(EndedWithMinusOne(r));

  r = Probe({}, "");
  EXPECT_EQ(r.out, WithPlatformLineEnds(prompt + "Couldn't parse that input as a number\n"));
  EXPECT_TRUE(EndedWithMinusOne(r));
  EXPECT_EQ(r.err, "");
}

// The "%d" conversion wraps a number beyond int: 4294967296 became 0 and ran
// a test, 4294967298 became 2.
TEST(Driver, InteractiveNumberBeyondIntIsNotANumber)
{
  const std::string prompt = std::string(testList) + "To run a test, enter the test number: ";
  for (const char* input : { "4294967296\n",
                             "4294967298",
                             "2147483648\n",
                             "-2147483649\n",
                             "  +99999999999999999999999",
                             "-18446744073709551616\n" })
  {
    ProcessResult r = Probe({}, input);
    EXPECT_EQ(r.out, WithPlatformLineEnds(prompt + "Couldn't parse that input as a number\n"))
      << input;
    EXPECT_TRUE(EndedWithMinusOne(r)) << input;
  }
}

// Numbers at the edges of int, and in the spellings the conversion takes.
TEST(Driver, InteractiveNumbersThatFitKeepTheirHandling)
{
  const std::string prompt = std::string(testList) + "To run a test, enter the test number: ";
  ProcessResult r = Probe({}, "2147483647\n");
  EXPECT_EQ(r.out, WithPlatformLineEnds(prompt + "2147483647 is an invalid test number.\n"));
  EXPECT_TRUE(EndedWithMinusOne(r));

  r = Probe({}, "-2147483648\n");
  EXPECT_EQ(r.out, WithPlatformLineEnds(prompt + "-2147483648 is an invalid test number.\n"));

  r = Probe({}, "\n\t 00000000000000000002\n");
  EXPECT_EQ(r.out, WithPlatformLineEnds(prompt + "ProbeBeta argc=0\nargv[0] is null\n"));
  EXPECT_EQ(r.exitStatus, 0);

  r = Probe({}, "+1trailing");
  EXPECT_EQ(r.out, WithPlatformLineEnds(prompt + "ProbeAlphaBeta argc=0\nargv[0] is null\n"));

  r = Probe({}, "-0");
  EXPECT_EQ(r.out, WithPlatformLineEnds(prompt + "ProbeAlpha argc=0\nargv[0] is null\n"));

  for (const char* input : { "-", "+ 1", "--1", " \n" })
  {
    r = Probe({}, input);
    EXPECT_EQ(r.out, WithPlatformLineEnds(prompt + "Couldn't parse that input as a number\n"))
      << input;
  }
}

TEST(Driver, TestResultBecomesExitStatus)
{
  EXPECT_EQ(Probe({ "ExitWith", "0" }).exitStatus, 0);
  EXPECT_EQ(Probe({ "ExitWith", "1" }).exitStatus, 1);
  EXPECT_EQ(Probe({ "exitwith", "7" }).exitStatus, 7);
  EXPECT_EQ(Probe({ "-R", "exit", "42" }).exitStatus, 42);
}

TEST(Driver, OutOfMemoryWhileMatchingEndsWithMinusOne)
{
  ProcessOptions options;
  options.setEnv = { "ZEB_FAIL_MALLOC=1" };
  ProcessResult r = RunProcess({ DRIVER_PROBE, "ProbeAlpha" }, options);
  EXPECT_EQ(r.out, WithPlatformLineEnds("Out of memory while matching test names\n"));
  EXPECT_TRUE(EndedWithMinusOne(r));
}

TEST(Driver, CrashPrintsStackTraceAndDiesBySignal)
{
  ProcessResult r = Probe({ "CrashOnPurpose" });
#ifdef _WIN32
  // The fault is an exception: the process ends with its code, as an
  // unhandled exception ends any Windows program.
  EXPECT_EQ(static_cast<unsigned>(r.signal), 0xC0000005u);
  EXPECT_NE(r.err.find("Process received exception 0xC0000005 (access violation)"),
            std::string::npos)
    << r.err;
#else
  EXPECT_EQ(r.signal, SIGSEGV);
  EXPECT_NE(r.err.find("Process received signal 11 (Segmentation fault)"), std::string::npos)
    << r.err;
#endif
  EXPECT_NE(r.err.find(WithPlatformLineEnds("Stack trace:\n")), std::string::npos);
  // The trace names the frames of the crashing program.
  EXPECT_NE(r.err.find("driver_probe"), std::string::npos) << r.err;
}

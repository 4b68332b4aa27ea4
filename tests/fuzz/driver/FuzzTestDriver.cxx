// Fuzz target of the common test driver: the driver library (TestDriverMain)
// runs against the small registry below. An input is an argument vector and
// standard input: the bytes before the first NUL are the arguments after
// argument 0, one per line (none when there are no such bytes), the bytes
// after it standard input. The driver's output goes to /dev/null; what is
// checked is which test it calls, with which arguments, and its exit status,
// against the selection rules written out here.
#include <FuzzChecks.h>

#include <TestDriver.h>
#include <TestRegistry.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <unistd.h>

namespace
{
struct Call
{
  int test = -1;
  int argc = 0;
  char** argv = nullptr;
};
Call lastCall;

template<int Index>
int RecordCall(int argc, char* argv[])
{
  lastCall.test = Index;
  lastCall.argc = argc;
  lastCall.argv = argv;
  return 10 + Index;
}
}

// Names that overlap, so that fragments match several and the first wins.
const TestRegistryEntry testRegistry[] = { { "TestAlpha", RecordCall<0> },
                                           { "TestAlphaBeta", RecordCall<1> },
                                           { "ObriskCoreGammaPrintSelf", RecordCall<2> },
                                           { "TestDELTA", RecordCall<3> },
                                           { nullptr, nullptr } };

namespace
{
const int testCount = 4;
const int fatalSignals[] = { SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT };
struct sigaction savedActions[5];
char stdinPath[] = "/tmp/zeb-fuzz-driver-stdin-XXXXXX";

std::string lowerCase(const std::string& text)
{
  std::string lower = text;
  for (char& c : lower)
  {
    c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  }
  return lower;
}

// The test the driver must pick for these arguments (argument 0 included),
// -1 for none; *consumed gets how many arguments the pick consumes.
int expectedByName(const std::vector<std::string>& args, int* consumed)
{
  bool substring = args[1] == "-R";
  if (substring && args.size() < 3)
  {
    return -1;
  }
  std::string pattern = lowerCase(substring ? args[2] : args[1]);
  for (int i = 0; i < testCount; ++i)
  {
    std::string name = lowerCase(testRegistry[i].name);
    if (substring ? name.find(pattern) != std::string::npos : name == pattern)
    {
      *consumed = substring ? 2 : 1;
      return i;
    }
  }
  return -1;
}

// The number the prompt reads from standard input: blanks, an optional sign
// and decimal digits, whatever follows; false when there are no digits or
// the number does not fit in int.
bool promptNumber(const std::string& input, int* number)
{
  size_t at = 0;
  while (at < input.size() && isspace(static_cast<unsigned char>(input[at])))
  {
    ++at;
  }
  bool negative = at < input.size() && input[at] == '-';
  if (at < input.size() && (input[at] == '-' || input[at] == '+'))
  {
    ++at;
  }
  size_t digits = at;
  long long value = 0;
  while (at < input.size() && isdigit(static_cast<unsigned char>(input[at])))
  {
    value = std::min(value * 10 + (input[at] - '0'), 1LL << 40);
    ++at;
  }
  value = negative ? -value : value;
  if (at == digits || value < INT_MIN || value > INT_MAX)
  {
    return false;
  }
  *number = static_cast<int>(value);
  return true;
}

void giveStandardInput(const std::string& input)
{
  FILE* file = fopen(stdinPath, "wb");
  fuzzCheck(file && fwrite(input.data(), 1, input.size(), file) == input.size() &&
              fclose(file) == 0,
            "writing the standard input file");
  fuzzCheck(freopen(stdinPath, "rb", stdin) != nullptr, "reopening standard input");
}

void checkCall(int status, int expected, char** expectedArgv, int expectedArgc)
{
  if (expected < 0)
  {
    fuzzCheck(status == -1 && lastCall.test == -1, "a driver error exits with -1 and runs nothing");
    return;
  }
  fuzzCheck(lastCall.test == expected, "the driver picks the expected test");
  fuzzCheck(status == 10 + expected, "the test's result is the exit status");
  fuzzCheck(lastCall.argv == expectedArgv && lastCall.argc == expectedArgc,
            "the test gets the arguments after the selecting ones");
  fuzzCheck(lastCall.argv[lastCall.argc] == nullptr, "the test's argument vector ends in null");
}
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
  fuzzCheck(freopen("/dev/null", "w", stdout) != nullptr, "sending standard output to /dev/null");
  int fd = mkstemp(stdinPath);
  fuzzCheck(fd >= 0, "making the standard input file");
  close(fd);
  for (int i = 0; i < 5; ++i)
  {
    sigaction(fatalSignals[i], nullptr, &savedActions[i]);
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  std::string bytes(reinterpret_cast<const char*>(data), size);
  size_t end = bytes.find('\0');
  std::string argumentBytes = bytes.substr(0, end);
  std::vector<std::string> args = { "fuzz_driver" };
  for (size_t from = 0; !argumentBytes.empty();)
  {
    size_t lineEnd = argumentBytes.find('\n', from);
    args.push_back(argumentBytes.substr(from, lineEnd - from));
    if (lineEnd == std::string::npos)
    {
      break;
    }
    from = lineEnd + 1;
  }
  std::vector<char*> argv;
  for (std::string& arg : args)
  {
    argv.push_back(&arg[0]);
  }
  argv.push_back(nullptr);
  int argc = static_cast<int>(args.size());

  int expected = -1;
  int consumed = 1;
  if (argc < 2)
  {
    std::string input = end == std::string::npos ? std::string() : bytes.substr(end + 1);
    giveStandardInput(input);
    int number = 0;
    expected = promptNumber(input, &number) && number >= 0 && number < testCount ? number : -1;
  }
  else
  {
    expected = expectedByName(args, &consumed);
  }

  lastCall = Call();
  int status = TestDriverMain(argc, argv.data());
  // The driver arms stack traces for the test it runs; give libFuzzer's and
  // the sanitizers' handlers back.
  for (int i = 0; i < 5; ++i)
  {
    sigaction(fatalSignals[i], &savedActions[i], nullptr);
  }
  checkCall(status, expected, argv.data() + consumed, argc - consumed);
  return 0;
}

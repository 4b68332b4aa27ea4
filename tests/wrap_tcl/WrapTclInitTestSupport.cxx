// Running zebWrapTclInit on a list file written into a fresh directory.
#include "WrapTclInitTestSupport.h"

#include <filesystem>

GeneratorRun RunGenerator(const std::string& list)
{
  std::string dir = MakeTempDirectory();
  std::string input = dir + "/lib.txt";
  std::string output = dir + "/libInit.cxx";
  WriteFile(input, list);
  GeneratorRun run;
  run.result = RunProcess({ WRAP_TCL_INIT, input, output });
  run.output = ReadFile(output, &run.outputExists);
  std::filesystem::remove_all(dir);
  return run;
}

// Scratch directories and generator runs for the zebWrapPythonInit tests.
#include "WrapPythonInitRun.h"

#include <filesystem>

ScratchDirectory::ScratchDirectory()
  : path(MakeTempDirectory())
{
}

ScratchDirectory::~ScratchDirectory()
{
  std::error_code ignored;
  if (!path.empty())
  {
    std::filesystem::remove_all(path, ignored);
  }
}

std::string ScratchDirectory::File(const std::string& name) const
{
  return path + "/" + name;
}

ProcessResult RunProgram(const std::string& program,
                         const std::vector<std::string>& args,
                         const std::vector<std::string>& setEnv)
{
  std::vector<std::string> command = { program };
  command.insert(command.end(), args.begin(), args.end());
  ProcessOptions options;
  options.setEnv = setEnv;
  return RunProcess(command, options);
}

Generated RunGenerator(const std::string& list)
{
  ScratchDirectory scratch;
  const std::string listPath = scratch.File("zebModule.list");
  WriteFile(listPath, list);
  Generated result;
  result.run = RunProgram(ZEB_WRAP_PYTHON_INIT,
                          { listPath, scratch.File("Init.cxx"), scratch.File("InitImpl.cxx") });
  result.init = ReadFile(scratch.File("Init.cxx"));
  result.impl = ReadFile(scratch.File("InitImpl.cxx"));
  return result;
}

bool FileExists(const std::string& path)
{
  return std::filesystem::exists(path);
}

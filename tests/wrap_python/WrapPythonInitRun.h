// Runs the real zebWrapPythonInit in a scratch directory and collects what it
// wrote, for the tests of its output and of its failures.
#ifndef ZEB_TESTS_WRAP_PYTHON_INIT_RUN_H
#define ZEB_TESTS_WRAP_PYTHON_INIT_RUN_H

#include "RunProcess.h"

#include <string>
#include <vector>

// A new scratch directory, removed with its contents at the end of scope.
struct ScratchDirectory
{
  ScratchDirectory();
  ~ScratchDirectory();
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;
  std::string File(const std::string& name) const;

  std::string path;
};

struct Generated
{
  ProcessResult run;
  std::string init;
  std::string impl;
};

// Runs `program` with the given arguments (argument 0 is the program itself).
ProcessResult RunProgram(const std::string& program,
                         const std::vector<std::string>& args,
                         const std::vector<std::string>& setEnv = {});

// Writes `list` as a list file and runs the generator on it with fresh outputs.
Generated RunGenerator(const std::string& list);

bool FileExists(const std::string& path);

#endif

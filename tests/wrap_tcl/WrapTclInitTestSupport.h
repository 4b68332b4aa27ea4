// Running zebWrapTclInit on a list file written into a fresh directory.
#ifndef ZEB_TESTS_WRAP_TCL_INIT_TEST_SUPPORT_H
#define ZEB_TESTS_WRAP_TCL_INIT_TEST_SUPPORT_H

#include "RunProcess.h"

#include <string>

struct GeneratorRun
{
  ProcessResult result;
  std::string output;  // the output file afterwards
  bool outputExists = false;
};

// Writes the list into a new directory and runs the generator on it.
GeneratorRun RunGenerator(const std::string& list);

#endif

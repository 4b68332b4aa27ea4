// zebWrapPythonInit: reads a wrapped library's list file (the library name,
// then the names of its wrapped files) and writes the two sources of the
// library's Python module: the entry point and the module builder.
//
//   zebWrapPythonInit input_file init_file impl_file
#include "zebWrapPythonInitText.h"

#include <cstdio>
#include <string>
#include <vector>

// Reads the list file whole; returns 0, or 1 after printing why not.
static int readInput(const char* inputPath, std::string& libName, std::vector<std::string>& names)
{
  FILE* input = fopen(inputPath, "r");
  if (!input)
  {
    fprintf(stderr, "Input file %s could not be opened\n", inputPath);
    return 1;
  }
  ListFileResult result = readListFile(input, libName, names);
  fclose(input);
  switch (result)
  {
    case ListFileRead:
      return 0;
    case ListFileEmpty:
      fprintf(stderr, "Error getting libName\n");
      return 1;
    case ListFileReadFailed:
      fprintf(stderr, "Input file %s could not be read\n", inputPath);
      return 1;
    case ListFileOutOfMemory:
      fprintf(stderr, "Out of memory reading input file %s\n", inputPath);
      return 1;
  }
  return 1;
}

// Flushes and closes an output; false when anything written to it was lost.
static bool closeOutput(FILE* file, const char* path)
{
  bool written = !ferror(file);
  if (fclose(file) != 0)
  {
    written = false;
  }
  if (!written)
  {
    fprintf(stderr, "Output file %s could not be written\n", path);
  }
  return written;
}

static int writeOutputs(const char* initPath,
                        const char* implPath,
                        const std::string& libName,
                        const std::vector<std::string>& names)
{
  FILE* initFile = fopen(initPath, "w");
  if (!initFile)
  {
    return 1;
  }
  FILE* implFile = fopen(implPath, "w");
  if (!implFile)
  {
    fclose(initFile);
    return 1;
  }
  writeInitFile(libName, initFile);
  writeImplFile(libName, names, implFile);
  bool initWritten = closeOutput(initFile, initPath);
  bool implWritten = closeOutput(implFile, implPath);
  return initWritten && implWritten ? 0 : 1;
}

int main(int argc, char* argv[])
{
  if (argc < 4)
  {
    fprintf(stderr,
            "Usage: %s input_file init_file impl_file\n",
            argc > 0 ? argv[0] : "zebWrapPythonInit");
    return 1;
  }
  std::string libName;
  std::vector<std::string> names;
  if (readInput(argv[1], libName, names) != 0)
  {
    return 1;
  }
  return writeOutputs(argv[2], argv[3], libName, names);
}

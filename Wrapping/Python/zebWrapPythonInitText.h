// The list-file reader and the writers of the two sources that
// zebWrapPythonInit generates for a wrapped library's Python module.
#ifndef ZEB_WRAP_PYTHON_INIT_TEXT_H
#define ZEB_WRAP_PYTHON_INIT_TEXT_H

#include <cstdio>
#include <string>
#include <vector>

enum ListFileResult
{
  ListFileRead,        // the library name and every further token were read
  ListFileEmpty,       // the file holds no token at all
  ListFileReadFailed,  // the file could not be read to its end
  ListFileOutOfMemory  // memory for a name ran out
};

// Reads a list file: whitespace-separated tokens, the first one the library
// name, every further one appended to `names` in input order. The core module
// "zebCommonCorePython" gets "mutable" appended after the names read.
ListFileResult readListFile(FILE* file, std::string& libName, std::vector<std::string>& names);

// Writes the init file: the module entry point "init<libName>".
void writeInitFile(const std::string& libName, FILE* file);

// Writes the implementation file: "real_init<libName>", which creates the
// module and calls "PyZEBAddFile_<name>" for every name in order.
void writeImplFile(const std::string& libName, const std::vector<std::string>& names, FILE* file);

#endif

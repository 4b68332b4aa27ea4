// The list file of a Python-wrapped library and the two sources made from
// it, the module's init file and its implementation file, kept apart from
// the program's main so that other drivers (tests, fuzzers) link the very
// same code.
#ifndef ZEB_WRAP_PYTHON_INIT_TEXT_H
#define ZEB_WRAP_PYTHON_INIT_TEXT_H

#include "zebWrapOutput.h"

#include <string>
#include <string_view>
#include <vector>

// What a list file says: the library (module) name, then the names of its
// wrapped files in input order. The core module "zebCommonCorePython" gets
// "mutable" after the names read. The names point into the list-file text,
// which must outlive the list.
struct PythonInitList
{
  std::string_view libName;
  std::vector<std::string_view> names;
};

// Splits the list-file bytes into tokens separated by the bytes isspace
// gives in the C locale and puts them into *list. A token ends at its first
// NUL byte, as a C string would. Returns null on success, else the message
// (with its line end) that says why not.
const char* readInitList(const std::string& text, PythonInitList* list);

// Appends the init file, the module entry point "init<libName>", to the output.
void writeInitFile(const PythonInitList& list, GeneratedOutput* out);

// Appends the implementation file to the output: "real_init<libName>", which
// creates the module and calls "PyZEBAddFile_<name>" for every name in order.
void writeImplFile(const PythonInitList& list, GeneratedOutput* out);

#endif

// The list file of a Tcl-wrapped library and the package initialisation
// source made from it, kept apart from the program's main so that other
// drivers (tests, fuzzers) link the very same code.
#ifndef ZEB_WRAP_TCL_INIT_TEXT_H
#define ZEB_WRAP_TCL_INIT_TEXT_H

#include "zebWrapOutput.h"

#include <string>
#include <string_view>
#include <vector>

// What a list file says: the library name, then creator names, command
// names and the version, in input order. An empty version means none. The
// names point into the list-file text, which must outlive the list.
struct TclInitList
{
  std::string_view libName;
  std::vector<std::string_view> creators;
  std::vector<std::string_view> commands;
  std::string_view version;
};

// Splits the list-file bytes into tokens separated by the bytes isspace
// gives in the C locale and sorts them into *list. A token ends at its first
// NUL byte, as a C string would. Returns null on success, else the message
// (with its line end) that says which token is missing.
const char* readInitList(const std::string& text, TclInitList* list);

// The name under which Tcl's load looks for a package's init procedures:
// first byte raised, every later upper-case letter lowered.
std::string toInitPrefix(std::string_view name);

// Appends the whole generated source for the list to the output.
void writeInitSource(const TclInitList& list, GeneratedOutput* out);

#endif

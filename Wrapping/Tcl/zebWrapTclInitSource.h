// The list file of a Tcl-wrapped library and the package initialisation
// source made from it, kept apart from the program's main so that other
// drivers (tests, fuzzers) link the very same code.
#ifndef ZEB_WRAP_TCL_INIT_SOURCE_H
#define ZEB_WRAP_TCL_INIT_SOURCE_H

#include <cstdio>
#include <string>
#include <vector>

// What a list file says: the library name, then creator names, command
// names and the version, in input order. An empty version means none.
struct TclInitList
{
  std::string libName;
  std::vector<std::string> creators;
  std::vector<std::string> commands;
  std::string version;
};

// Splits the list-file bytes into whitespace-separated tokens and sorts them
// into *list. Returns null on success, else the message (with its line end)
// that says which token is missing.
const char* readInitList(const std::string& text, TclInitList* list);

// The name under which Tcl's load looks for a package's init procedures:
// first byte raised, every later upper-case letter lowered.
std::string toInitPrefix(const std::string& name);

// Writes the whole generated source for the list to the stream; the caller
// checks the stream for write errors and closes it.
void writeInitSource(const TclInitList& list, FILE* out);

#endif

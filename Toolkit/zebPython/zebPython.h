// What the toolkit's Python wrapping needs on top of Python's own interface:
// the old module-creation call on Python 3, the hand-over of the created module
// to PyInit_<module>, and the entry that each wrapped file adds to its module.
#ifndef ZEB_PYTHON_H
#define ZEB_PYTHON_H

#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include "zebSystemIncludes.h"

// Creates the module `name` with the method table `methods` (kept, not
// copied) through PyModule_Create. Gives a borrowed reference; the module
// stays alive until zebPythonTakeModule hands it over.
PyObject* Py_InitModule(const char* name, PyMethodDef* methods);

// Hands the module created by Py_InitModule to the caller (a new reference),
// for PyInit_<module> to return. Gives null, with the Python error set, when
// creating or filling the module failed.
PyObject* zebPythonTakeModule();

// The entry of one wrapped file: sets dict[fileName] to the module name and
// appends fileName to the list dict["zebAddFileOrder"], which records the
// order in which the files were added. Gives dict[fileName] (borrowed), or
// null with the Python error set.
PyObject* zebPythonAddFile(PyObject* dict, const char* moduleName, const char* fileName);

// Defines PyZEBAddFile_<file>, the function the generated module builder calls.
#define ZEB_PYTHON_ADD_FILE(file)                                                                  \
  extern "C" ZEB_ABI_EXPORT PyObject* PyZEBAddFile_##file(PyObject* dict, const char* moduleName)  \
  {                                                                                                \
    return zebPythonAddFile(dict, moduleName, #file);                                              \
  }

#endif

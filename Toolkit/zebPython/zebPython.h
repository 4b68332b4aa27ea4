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

// The contract between a module and its generated sources. For the list
// file of module M naming the files F..., the generated sources define
//   extern "C" ZEB_ABI_EXPORT void initM();
//   extern "C" ZEB_ABI_EXPORT void real_initM(const char *modulename);
// and call, for every F, the module's own
//   extern "C" ZEB_ABI_EXPORT PyObject *PyZEBAddFile_F(PyObject *, const char *);
// The macros below declare and define these with that signature and
// linkage, so a declaration that differs fails to compile.

// Python 3's entry point PyInit_<module>: creates the module through the
// generated init<module> and hands it over.
#define ZEB_PYTHON_MODULE(module)                                                                  \
  extern "C" ZEB_ABI_EXPORT void init##module();                                                   \
  extern "C" ZEB_ABI_EXPORT void real_init##module(const char* modulename);                        \
  PyMODINIT_FUNC PyInit_##module()                                                                 \
  {                                                                                                \
    init##module();                                                                                \
    return zebPythonTakeModule();                                                                  \
  }

// Starts the definition of PyZEBAddFile_<file>; the body follows and sees the
// module's dictionary as dict and its name as moduleName. It gives what it
// added (borrowed), or null with the Python error set.
#define ZEB_PYTHON_FILE_ENTRY(file)                                                                \
  extern "C" ZEB_ABI_EXPORT PyObject* PyZEBAddFile_##file(PyObject* dict, const char* moduleName)

// Defines PyZEBAddFile_<file> as the plain entry of zebPythonAddFile.
#define ZEB_PYTHON_ADD_FILE(file)                                                                  \
  ZEB_PYTHON_FILE_ENTRY(file)                                                                      \
  {                                                                                                \
    return zebPythonAddFile(dict, moduleName, #file);                                              \
  }

#endif

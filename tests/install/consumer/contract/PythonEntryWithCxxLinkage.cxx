// A file entry also declared with C++ linkage, which the generated module
// builder would not find: must not compile.
#include <zebPython.h>

PyObject* PyZEBAddFile_myRange(PyObject* dict, const char* moduleName);

ZEB_PYTHON_FILE_ENTRY(myRange)
{
  return zebPythonAddFile(dict, moduleName, "myRange");
}

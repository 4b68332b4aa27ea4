// A module's entry point and a file entry defined through the kit's macros:
// compiles.
#include <zebPython.h>

ZEB_PYTHON_MODULE(myModulePython)

ZEB_PYTHON_FILE_ENTRY(myRange)
{
  return zebPythonAddFile(dict, moduleName, "myRange");
}

// The Python module zebCommonCorePython: Python 3's entry point around the
// generated init<module>, and the entries of the module's wrapped files.
#include "zebPython.h"

extern "C" void initzebCommonCorePython();

PyMODINIT_FUNC PyInit_zebCommonCorePython()
{
  initzebCommonCorePython();
  return zebPythonTakeModule();
}

ZEB_PYTHON_ADD_FILE(zebObjectBase)
ZEB_PYTHON_ADD_FILE(zebIndent)
ZEB_PYTHON_ADD_FILE(zebObjectFactory)
ZEB_PYTHON_ADD_FILE(zebSmartPointerBase)
ZEB_PYTHON_ADD_FILE(zebDebugLeaks)
ZEB_PYTHON_ADD_FILE(mutable)

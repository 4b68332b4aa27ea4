// The Python module zebInteractionStylePython: Python 3's entry point around
// the generated init<module>, and the entries of the module's wrapped files.
#include "zebPython.h"

extern "C" void initzebInteractionStylePython();

PyMODINIT_FUNC PyInit_zebInteractionStylePython()
{
  initzebInteractionStylePython();
  return zebPythonTakeModule();
}

ZEB_PYTHON_ADD_FILE(zebInteractorStyleTrackballCamera)
ZEB_PYTHON_ADD_FILE(zebInteractorStyleJoystickCamera)
ZEB_PYTHON_ADD_FILE(zebInteractorStyleSwitch)

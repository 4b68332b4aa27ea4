// The Tcl creator of the counter: its class command, kept by the core
// package's bookkeeping, and "zebExampleCounterPrint ?increments?", which
// gives the printout of a new counter incremented that many times.
#include "zebExampleCounterText.h"

#include <zebTclUtil.h>

static int PrintCounterCommand(ClientData, Tcl_Interp* interp, int objc, Tcl_Obj* const objv[])
{
  int increments = 0;
  if (objc > 2)
  {
    Tcl_WrongNumArgs(interp, 1, objv, "?increments?");
    return TCL_ERROR;
  }
  if (objc == 2 && Tcl_GetIntFromObj(interp, objv[1], &increments) != TCL_OK)
  {
    return TCL_ERROR;
  }
  std::string text = zebExampleCounterText(increments);
  Tcl_SetObjResult(interp, Tcl_NewStringObj(text.c_str(), -1));
  return TCL_OK;
}

ZEB_TCL_CREATOR(zebExampleCounter)
{
  Tcl_CreateObjCommand(interp, "zebExampleCounterPrint", PrintCounterCommand, nullptr, nullptr);
  return zebTclRegisterClass(interp, "zebExampleCounter");
}

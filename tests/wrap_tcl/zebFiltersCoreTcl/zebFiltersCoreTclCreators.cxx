// The Tcl creators of the filters library's wrapped classes.
#include "zebTclUtil.h"

int zebContourFilter_TclCreate(Tcl_Interp* interp)
{
  return zebTclRegisterClass(interp, "zebContourFilter");
}

int zebCutter_TclCreate(Tcl_Interp* interp)
{
  return zebTclRegisterClass(interp, "zebCutter");
}

// The Tcl creators of the core library's wrapped classes.
#include "zebTclUtil.h"

int zebObject_TclCreate(Tcl_Interp* interp)
{
  return zebTclRegisterClass(interp, "zebObject");
}

int zebStringArray_TclCreate(Tcl_Interp* interp)
{
  return zebTclRegisterClass(interp, "zebStringArray");
}

int zebDoubleArray_TclCreate(Tcl_Interp* interp)
{
  return zebTclRegisterClass(interp, "zebDoubleArray");
}

int zebIdList_TclCreate(Tcl_Interp* interp)
{
  return zebTclRegisterClass(interp, "zebIdList");
}

// A creator also declared with C linkage, which the generated init source
// would not find: must not compile.
#include <zebTclUtil.h>

extern "C" int myRange_TclCreate(Tcl_Interp* interp);

ZEB_TCL_CREATOR(myRange)
{
  return zebTclRegisterClass(interp, "myRange");
}

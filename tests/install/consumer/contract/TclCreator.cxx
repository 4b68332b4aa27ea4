// A creator defined through the kit's macro: compiles.
#include <zebTclUtil.h>

ZEB_TCL_CREATOR(myRange)
{
  return zebTclRegisterClass(interp, "myRange");
}

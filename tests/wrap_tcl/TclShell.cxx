// tclsh for a cross build's tests: Tcl's own shell main linked against the
// target's Tcl library, whose tclsh does not install beside the build
// machine's. It runs the script its arguments name, as tclsh does.
#include <tcl.h>

namespace
{
int AppInit(Tcl_Interp* interp)
{
  return Tcl_Init(interp);
}
}

int main(int argc, char* argv[])
{
  Tcl_Main(argc, argv, AppInit);
  return 0;
}

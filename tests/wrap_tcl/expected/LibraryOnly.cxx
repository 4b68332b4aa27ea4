#include "zebTclUtil.h"
#include "zebVersion.h"
#define ZEB_TCL_TO_STRING(x) ZEB_TCL_TO_STRING0(x)
#define ZEB_TCL_TO_STRING0(x) #x
extern "C"
{
#if (TCL_MAJOR_VERSION == 8) && (TCL_MINOR_VERSION >= 4)
  typedef int (*zebTclCommandType)(ClientData, Tcl_Interp *,int, CONST84 char *[]);
#else
  typedef int (*zebTclCommandType)(ClientData, Tcl_Interp *,int, char *[]);
#endif
}


extern Tcl_HashTable zebInstanceLookup;
extern Tcl_HashTable zebPointerLookup;
extern Tcl_HashTable zebCommandLookup;
extern void zebTclDeleteObjectFromHash(void *);
extern void zebTclListInstances(Tcl_Interp *interp, ClientData arg);


extern "C" {int ZEB_EXPORT Zebfilterssources_SafeInit(Tcl_Interp *interp);}

extern "C" {int ZEB_EXPORT Zebfilterssources_Init(Tcl_Interp *interp);}

extern void zebTclGenericDeleteObject(ClientData cd);


int ZEB_EXPORT Zebfilterssources_SafeInit(Tcl_Interp *interp)
{
  return Zebfilterssources_Init(interp);
}


int ZEB_EXPORT Zebfilterssources_Init(Tcl_Interp *interp)
{

  char pkgName[]="zebFiltersSources";
  char pkgVers[]=ZEB_TCL_TO_STRING(ZEB_MAJOR_VERSION) "." ZEB_TCL_TO_STRING(ZEB_MINOR_VERSION);
  Tcl_PkgProvide(interp, pkgName, pkgVers);
  return TCL_OK;
}

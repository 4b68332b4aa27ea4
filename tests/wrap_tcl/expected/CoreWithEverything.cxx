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

int zebObject_TclCreate(Tcl_Interp *interp);
int zebStringArray_TclCreate(Tcl_Interp *interp);
int zebCreateCommand(ClientData cd, Tcl_Interp *interp,
               int argc, char *argv[]);

Tcl_HashTable zebInstanceLookup;
Tcl_HashTable zebPointerLookup;
Tcl_HashTable zebCommandLookup;
extern void zebTclDeleteObjectFromHash(void *);
extern void zebTclListInstances(Tcl_Interp *interp, ClientData arg);

extern "C" {int ZEB_EXPORT Zebsysteminfotcl_Init(Tcl_Interp *interp);}

extern "C" {int ZEB_EXPORT Zebiolegacytcl_Init(Tcl_Interp *interp);}


extern "C" {int ZEB_EXPORT Zebcommoncoretcl_SafeInit(Tcl_Interp *interp);}

extern "C" {int ZEB_EXPORT Zebcommoncoretcl_Init(Tcl_Interp *interp);}

extern void zebTclGenericDeleteObject(ClientData cd);
extern "C"
{
void zebCommonDeleteAssocData(ClientData cd)
  {
  zebTclInterpStruct *tis = static_cast<zebTclInterpStruct*>(cd);
  delete tis;
  }
}


int ZEB_EXPORT Zebcommoncoretcl_SafeInit(Tcl_Interp *interp)
{
  return Zebcommoncoretcl_Init(interp);
}


int ZEB_EXPORT Zebcommoncoretcl_Init(Tcl_Interp *interp)
{
  zebTclInterpStruct *info = new zebTclInterpStruct;
  info->Number = 0; info->InDelete = 0; info->DebugOn = 0; info->DeleteExistingObjectOnNew = 0;


  Tcl_InitHashTable(&info->InstanceLookup, TCL_STRING_KEYS);
  Tcl_InitHashTable(&info->PointerLookup, TCL_STRING_KEYS);
  Tcl_InitHashTable(&info->CommandLookup, TCL_STRING_KEYS);
  Tcl_SetAssocData(interp,(char *)("zeb"),NULL,reinterpret_cast<ClientData *>(info));
  Tcl_CreateExitHandler(zebCommonDeleteAssocData,reinterpret_cast<ClientData *>(info));
  Tcl_CreateCommand(interp,(char *)("zebCommand"),
                    reinterpret_cast<zebTclCommandType>(zebCreateCommand),
                    static_cast<ClientData *>(NULL), NULL);

  if (Zebsysteminfotcl_Init(interp) != TCL_OK) return TCL_ERROR;
  if (Zebiolegacytcl_Init(interp) != TCL_OK) return TCL_ERROR;

  if (zebObject_TclCreate(interp) != TCL_OK) return TCL_ERROR;
  if (zebStringArray_TclCreate(interp) != TCL_OK) return TCL_ERROR;
  char pkgName[]="ZEBcommonCORETCL";
  char pkgVers[]=ZEB_TCL_TO_STRING(4.3.2);
  Tcl_PkgProvide(interp, pkgName, pkgVers);
  return TCL_OK;
}

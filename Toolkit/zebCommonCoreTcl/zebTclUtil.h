// What the generated Tcl package sources and the hand-written Tcl wrappers
// share: the per-interpreter state record, the export macro, the helper
// functions behind "zebCommand" and the wrapped-class commands, and the
// creator a package's list file names (ZEB_TCL_CREATOR).
#ifndef ZEB_TCL_UTIL_H
#define ZEB_TCL_UTIL_H

#include <tcl.h>

#include <string>

// Marks a package's entry points, <Package>_Init and <Package>_SafeInit,
// which Tcl's load looks up in the library.
#ifdef _WIN32
#define ZEB_EXPORT __declspec(dllexport)
#else
#define ZEB_EXPORT __attribute__((visibility("default")))
#endif

// Attached to every interpreter under the key "zeb" by the core package.
// InstanceLookup maps an instance name to its zebTclInstance, PointerLookup
// an instance's address (as text) to the same record, and CommandLookup the
// name of every wrapped class whose command was registered to its creator.
struct zebTclInterpStruct
{
  Tcl_HashTable InstanceLookup;
  Tcl_HashTable PointerLookup;
  Tcl_HashTable CommandLookup;
  int Number;
  int DebugOn;
  int InDelete;
  int DeleteExistingObjectOnNew;
};

// One object made through a wrapped-class command; its Tcl command carries
// the same name.
struct zebTclInstance
{
  zebTclInterpStruct* Info;
  std::string ClassName;
  std::string Name;
};

// Handler of "zebCommand": DebugOn, DebugOff, GetDebug, ListAllInstances.
int zebCreateCommand(ClientData cd, Tcl_Interp* interp, int argc, char* argv[]);

// Removes an instance from its interpreter's tables and frees it.
void zebTclDeleteObjectFromHash(void* instance);

// Sets the interpreter's result to the sorted names of the live instances;
// arg is the interpreter's zebTclInterpStruct.
void zebTclListInstances(Tcl_Interp* interp, ClientData arg);

// Delete procedure of every instance command.
void zebTclGenericDeleteObject(ClientData cd);

// What every <Class>_TclCreate does: registers the class command, which
// makes named instances, enters the class in CommandLookup and appends the
// class name to the Tcl list variable ::zebCreated. Sets up the core package
// first when the interpreter has none. Gives TCL_OK, or TCL_ERROR with the
// message in the interpreter's result.
int zebTclRegisterClass(Tcl_Interp* interp, const char* className);

// Defines the creator <name>_TclCreate that a package's generated init source
// declares and calls for the creator name <name> of its list file:
//   int <name>_TclCreate(Tcl_Interp *interp);   (C++ linkage)
// The body follows the macro and sees the interpreter as interp:
//   ZEB_TCL_CREATOR(myRange)
//   {
//     return zebTclRegisterClass(interp, "myRange");
//   }
// The creator is declared first with C++ linkage, so any declaration of it
// in the same source with C linkage or another result fails to compile.
#define ZEB_TCL_CREATOR(name)                                                                      \
  extern "C++" int name##_TclCreate(Tcl_Interp* interp);                                           \
  int name##_TclCreate(Tcl_Interp* interp)

#endif

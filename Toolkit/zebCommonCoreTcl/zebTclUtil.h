// What the generated Tcl package sources and the hand-written Tcl wrappers
// share: the per-interpreter state record, the export macro and the helper
// functions behind "zebCommand" and the wrapped-class commands.
#ifndef ZEB_TCL_UTIL_H
#define ZEB_TCL_UTIL_H

#include <tcl.h>

#include <string>

#define ZEB_EXPORT __attribute__((visibility("default")))

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
// class name to the Tcl list variable ::zebCreated.
int zebTclRegisterClass(Tcl_Interp* interp, const char* className);

#endif

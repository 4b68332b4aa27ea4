// The Tcl side of the stand-in core: "zebCommand", the wrapped-class
// commands that make named instances, and the instance bookkeeping.
#include "zebTclUtil.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

// The core package's init, generated from its list file.
extern "C" int Zebcommoncoretcl_Init(Tcl_Interp* interp);

namespace
{
zebTclInterpStruct* interpState(Tcl_Interp* interp)
{
  return static_cast<zebTclInterpStruct*>(Tcl_GetAssocData(interp, "zeb", nullptr));
}

// The interpreter's state, after setting up the core package in it when no
// package did so before (a list file without "COMMAND zebCommonCoreTcl").
zebTclInterpStruct* coreState(Tcl_Interp* interp)
{
  if (!interpState(interp) && Zebcommoncoretcl_Init(interp) != TCL_OK)
  {
    return nullptr;
  }
  return interpState(interp);
}

std::string addressKey(const void* address)
{
  char key[32];
  snprintf(key, sizeof(key), "%p", address);
  return key;
}

int fail(Tcl_Interp* interp, const std::string& message)
{
  Tcl_SetObjResult(interp, Tcl_NewStringObj(message.c_str(), -1));
  return TCL_ERROR;
}

// <instance> GetClassName | Delete
int instanceCommand(ClientData cd, Tcl_Interp* interp, int objc, Tcl_Obj* const objv[])
{
  zebTclInstance* instance = static_cast<zebTclInstance*>(cd);
  std::string method = objc == 2 ? Tcl_GetString(objv[1]) : "";
  if (method == "GetClassName")
  {
    Tcl_SetObjResult(interp, Tcl_NewStringObj(instance->ClassName.c_str(), -1));
    return TCL_OK;
  }
  if (method == "Delete")
  {
    Tcl_DeleteCommand(interp, instance->Name.c_str());
    return TCL_OK;
  }
  return fail(interp, "usage: " + instance->Name + " GetClassName|Delete");
}

// <class> ?name?: makes an instance, named zeb<Number> when no name is given.
int classCommand(ClientData cd, Tcl_Interp* interp, int objc, Tcl_Obj* const objv[])
{
  const char* className = static_cast<const char*>(cd);
  zebTclInterpStruct* info = interpState(interp);
  if (!info || objc > 2)
  {
    return fail(interp, std::string("usage: ") + className + " ?name?");
  }
  std::string name = objc == 2 ? Tcl_GetString(objv[1]) : "zeb" + std::to_string(info->Number++);
  int isNew;
  Tcl_HashEntry* entry = Tcl_CreateHashEntry(&info->InstanceLookup, name.c_str(), &isNew);
  if (!isNew)
  {
    return fail(interp, "instance " + name + " exists");
  }
  zebTclInstance* instance = new zebTclInstance{ info, className, name };
  Tcl_SetHashValue(entry, instance);
  entry = Tcl_CreateHashEntry(&info->PointerLookup, addressKey(instance).c_str(), &isNew);
  Tcl_SetHashValue(entry, instance);
  Tcl_CreateObjCommand(interp, name.c_str(), instanceCommand, instance, zebTclGenericDeleteObject);
  Tcl_SetObjResult(interp, Tcl_NewStringObj(name.c_str(), -1));
  return TCL_OK;
}

void deleteClassName(ClientData cd)
{
  delete[] static_cast<char*>(cd);
}

void removeEntry(Tcl_HashTable* table, const std::string& key)
{
  if (Tcl_HashEntry* entry = Tcl_FindHashEntry(table, key.c_str()))
  {
    Tcl_DeleteHashEntry(entry);
  }
}
}

int zebCreateCommand(ClientData, Tcl_Interp* interp, int argc, char* argv[])
{
  zebTclInterpStruct* info = interpState(interp);
  std::string subcommand = argc == 2 ? argv[1] : "";
  if (info && (subcommand == "DebugOn" || subcommand == "DebugOff"))
  {
    info->DebugOn = subcommand == "DebugOn";
    return TCL_OK;
  }
  if (info && subcommand == "GetDebug")
  {
    Tcl_SetObjResult(interp, Tcl_NewIntObj(info->DebugOn));
    return TCL_OK;
  }
  if (info && subcommand == "ListAllInstances")
  {
    zebTclListInstances(interp, info);
    return TCL_OK;
  }
  return fail(interp, "usage: zebCommand DebugOn|DebugOff|GetDebug|ListAllInstances");
}

void zebTclDeleteObjectFromHash(void* object)
{
  zebTclInstance* instance = static_cast<zebTclInstance*>(object);
  removeEntry(&instance->Info->InstanceLookup, instance->Name);
  removeEntry(&instance->Info->PointerLookup, addressKey(instance));
  delete instance;
}

void zebTclListInstances(Tcl_Interp* interp, ClientData arg)
{
  zebTclInterpStruct* info = static_cast<zebTclInterpStruct*>(arg);
  std::vector<std::string> names;
  Tcl_HashSearch search;
  for (Tcl_HashEntry* entry = Tcl_FirstHashEntry(&info->InstanceLookup, &search); entry;
       entry = Tcl_NextHashEntry(&search))
  {
    names.push_back(static_cast<const char*>(Tcl_GetHashKey(&info->InstanceLookup, entry)));
  }
  std::sort(names.begin(), names.end());
  Tcl_Obj* list = Tcl_NewListObj(0, nullptr);
  for (const std::string& name : names)
  {
    Tcl_ListObjAppendElement(interp, list, Tcl_NewStringObj(name.c_str(), -1));
  }
  Tcl_SetObjResult(interp, list);
}

void zebTclGenericDeleteObject(ClientData cd)
{
  zebTclDeleteObjectFromHash(cd);
}

int zebTclRegisterClass(Tcl_Interp* interp, const char* className)
{
  zebTclInterpStruct* info = coreState(interp);
  if (!info)
  {
    return fail(interp,
                std::string(className) + ": the zebCommonCoreTcl package could not be set up: " +
                  Tcl_GetStringResult(interp));
  }
  char* ownName = new char[strlen(className) + 1];
  strcpy(ownName, className);
  Tcl_Command command =
    Tcl_CreateObjCommand(interp, className, classCommand, ownName, deleteClassName);
  int isNew;
  Tcl_HashEntry* entry = Tcl_CreateHashEntry(&info->CommandLookup, className, &isNew);
  Tcl_SetHashValue(entry, command);
  Tcl_SetVar(
    interp, "::zebCreated", className, TCL_GLOBAL_ONLY | TCL_APPEND_VALUE | TCL_LIST_ELEMENT);
  return TCL_OK;
}

// Opens the Exodus II library the build found, by its soname, once per
// process, and looks up the functions the reader calls.
#include "zebExodusIILibrary.h"

#include <dlfcn.h>

#include <mutex>

namespace
{
struct LoadedLibrary
{
  zebExodusIIFunctions Functions{};
  bool Loaded = false;
  std::string Failure;
};

template<typename Function>
bool LookUp(void* handle, const char* name, Function& function, std::string& failure)
{
  function = reinterpret_cast<Function>(dlsym(handle, name));
  if (!function)
  {
    failure = std::string("the Exodus II library has no ") + name;
  }
  return function != nullptr;
}

void Load(LoadedLibrary& library)
{
  // The library stays loaded until the process ends.
  void* handle = dlopen(ZEB_EXODUSII_LIBRARY_SONAME, RTLD_NOW | RTLD_LOCAL);
  if (!handle)
  {
    library.Failure = std::string("cannot load the Exodus II library: ") + dlerror();
    return;
  }
  zebExodusIIFunctions& f = library.Functions;
  std::string& failure = library.Failure;
  library.Loaded = LookUp(handle, "ex_opts", f.Opts, failure) &&
                   LookUp(handle, "ex_open_int", f.OpenInt, failure) &&
                   LookUp(handle, "ex_close", f.Close, failure) &&
                   LookUp(handle, "ex_set_int64_status", f.SetInt64Status, failure) &&
                   LookUp(handle, "ex_get_init", f.GetInit, failure) &&
                   LookUp(handle, "ex_get_coord", f.GetCoord, failure) &&
                   LookUp(handle, "ex_get_ids", f.GetIds, failure) &&
                   LookUp(handle, "nc_open", f.NcOpen, failure) &&
                   LookUp(handle, "nc_close", f.NcClose, failure) &&
                   LookUp(handle, "nc_inq_varid", f.InqVarid, failure) &&
                   LookUp(handle, "nc_inq_varndims", f.InqVarndims, failure) &&
                   LookUp(handle, "nc_inq_vardimid", f.InqVardimid, failure) &&
                   LookUp(handle, "nc_inq_dimlen", f.InqDimlen, failure) &&
                   LookUp(handle, "nc_inq_att", f.InqAtt, failure) &&
                   LookUp(handle, "nc_inq_dimid", f.InqDimid, failure) &&
                   LookUp(handle, "nc_get_att_text", f.GetAttText, failure) &&
                   LookUp(handle, "nc_get_var_int", f.GetVarInt, failure) &&
                   LookUp(handle, "nc_get_var_longlong", f.GetVarLonglong, failure);
}
}

const zebExodusIIFunctions* zebLoadExodusIILibrary(std::string& reason)
{
  static LoadedLibrary library;
  static std::once_flag once;
  std::call_once(once, Load, library);
  if (!library.Loaded)
  {
    reason = library.Failure;
    return nullptr;
  }
  return &library.Functions;
}

// The Exodus II library, opened on first use rather than linked: it brings
// netCDF (whose inquiry calls are looked up through it too), HDF5 and their dependencies (some 45
// libraries) along, and every program that links the reader would otherwise load them at start-up
// whether or not it reads a file.
#ifndef ZEB_EXODUS_II_LIBRARY_H
#define ZEB_EXODUS_II_LIBRARY_H

#include <exodusII.h>
#include <netcdf.h>

#include <string>

struct zebExodusIIFunctions
{
  decltype(&::ex_opts) Opts;
  decltype(&::ex_open_int) OpenInt;
  decltype(&::ex_close) Close;
  decltype(&::ex_set_int64_status) SetInt64Status;
  decltype(&::ex_get_init) GetInit;
  decltype(&::ex_get_coord) GetCoord;
  decltype(&::ex_get_ids) GetIds;

  // netCDF's calls to open a file, inquire and read, from the netCDF library
  // the Exodus II library itself runs on.
  decltype(&::nc_open) NcOpen;
  decltype(&::nc_close) NcClose;
  decltype(&::nc_inq_varid) InqVarid;
  decltype(&::nc_inq_varndims) InqVarndims;
  decltype(&::nc_inq_vardimid) InqVardimid;
  decltype(&::nc_inq_dimlen) InqDimlen;
  decltype(&::nc_inq_att) InqAtt;
  decltype(&::nc_inq_dimid) InqDimid;
  decltype(&::nc_get_att_text) GetAttText;
  decltype(&::nc_get_var_int) GetVarInt;
  decltype(&::nc_get_var_longlong) GetVarLonglong;
};

// The library's functions, loaded by the first call; null, with a one-line
// reason, when the library or one of its functions cannot be found.
const zebExodusIIFunctions* zebLoadExodusIILibrary(std::string& reason);

#endif

// The Exodus II library, opened on first use rather than linked: it brings
// netCDF, HDF5 and their dependencies (some 45 libraries) along, and every
// program that links the reader would otherwise load them at start-up
// whether or not it reads a file.
#ifndef ZEB_EXODUS_II_LIBRARY_H
#define ZEB_EXODUS_II_LIBRARY_H

#include <exodusII.h>

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
  decltype(&::ex_get_block) GetBlock;
  decltype(&::ex_get_conn) GetConn;
};

// The library's functions, loaded by the first call; null, with a one-line
// reason, when the library or one of its functions cannot be found.
const zebExodusIIFunctions* zebLoadExodusIILibrary(std::string& reason);

#endif

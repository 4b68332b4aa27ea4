// A look at the header of a netCDF classic, 64-bit-offset or CDF-5 file
// before the netCDF library reads it. The library allocates whatever the
// header's counts and name lengths say before it finds that the file is too
// short for them, so a few garbage bytes can make it take gigabytes.
#ifndef ZEB_NETCDF_HEADER_H
#define ZEB_NETCDF_HEADER_H

#include <cstdint>
#include <string>

// False when start, the first bytes of a file of fileSize bytes, begins like
// a netCDF classic-family file ("CDF" and version 1, 2 or 5) whose header
// needs more than the file holds: a count or a name length that the rest of
// the file cannot hold, or a header cut short. True for every other start
// (HDF5, anything else: left to the library) and when the header runs on
// past start in a file that is long enough.
bool zebNetCDFHeaderFits(const std::string& start, uint64_t fileSize);

#endif

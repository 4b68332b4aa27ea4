// A netCDF file as plain data: its dimensions, attributes and variables with
// their values, read from a file and written back through the netCDF
// library. Tests and fuzz targets change any part of a valid file this way
// and still get a file the library itself wrote.
#ifndef ZEB_NETCDF_MODEL_H
#define ZEB_NETCDF_MODEL_H

#include <netcdf.h>

#include <cstddef>
#include <string>
#include <vector>

struct NetCDFAttribute
{
  std::string name;
  nc_type type = NC_CHAR;
  // The values in the machine's byte order, count times the type's size.
  std::string values;
};

struct NetCDFDimension
{
  std::string name;
  size_t length = 0;
  bool unlimited = false;
};

struct NetCDFVariable
{
  std::string name;
  nc_type type = NC_INT;
  std::vector<int> dimensions;  // positions in NetCDFModel::dimensions
  std::vector<NetCDFAttribute> attributes;
  std::string values;  // as for attributes; written cut or zero-padded to the shape
};

struct NetCDFModel
{
  int createMode = NC_CLOBBER;  // NC_64BIT_OFFSET, NC_NETCDF4 or neither
  std::vector<NetCDFDimension> dimensions;
  std::vector<NetCDFAttribute> attributes;  // global
  std::vector<NetCDFVariable> variables;
};

// The size of one value of type, 0 for a type the model does not hold.
size_t NetCDFTypeSize(nc_type type);

// The attribute of that name in list, or null.
NetCDFAttribute* FindNetCDFAttribute(std::vector<NetCDFAttribute>& list, const std::string& name);
NetCDFVariable* FindNetCDFVariable(NetCDFModel& model, const std::string& name);

// Text as a character attribute.
NetCDFAttribute NetCDFText(const std::string& name, const std::string& text);

// On failure each gives false and a one-line reason.
bool ReadNetCDFModel(const std::string& path, NetCDFModel& model, std::string& reason);
bool WriteNetCDFModel(const std::string& path, const NetCDFModel& model, std::string& reason);

#endif

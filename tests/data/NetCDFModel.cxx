// Reading a netCDF file into a NetCDFModel and writing one out, with the
// netCDF library's generic calls (values are moved as bytes of their type).
#include "NetCDFModel.h"

size_t NetCDFTypeSize(nc_type type)
{
  switch (type)
  {
    case NC_BYTE:
    case NC_CHAR:
    case NC_UBYTE:
      return 1;
    case NC_SHORT:
    case NC_USHORT:
      return 2;
    case NC_INT:
    case NC_FLOAT:
    case NC_UINT:
      return 4;
    case NC_DOUBLE:
    case NC_INT64:
    case NC_UINT64:
      return 8;
    default:
      return 0;
  }
}

NetCDFAttribute* FindNetCDFAttribute(std::vector<NetCDFAttribute>& list, const std::string& name)
{
  for (NetCDFAttribute& attribute : list)
  {
    if (attribute.name == name)
    {
      return &attribute;
    }
  }
  return nullptr;
}

NetCDFVariable* FindNetCDFVariable(NetCDFModel& model, const std::string& name)
{
  for (NetCDFVariable& variable : model.variables)
  {
    if (variable.name == name)
    {
      return &variable;
    }
  }
  return nullptr;
}

NetCDFAttribute NetCDFText(const std::string& name, const std::string& text)
{
  NetCDFAttribute attribute;
  attribute.name = name;
  attribute.values = text;
  return attribute;
}

namespace
{
bool ReadAttributes(int ncid, int varid, int count, std::vector<NetCDFAttribute>& attributes)
{
  for (int a = 0; a < count; ++a)
  {
    char name[NC_MAX_NAME + 1] = "";
    NetCDFAttribute attribute;
    size_t length = 0;
    if (nc_inq_attname(ncid, varid, a, name) != NC_NOERR ||
        nc_inq_att(ncid, varid, name, &attribute.type, &length) != NC_NOERR ||
        NetCDFTypeSize(attribute.type) == 0)
    {
      return false;
    }
    attribute.name = name;
    attribute.values.resize(length * NetCDFTypeSize(attribute.type));
    if (length > 0 && nc_get_att(ncid, varid, name, &attribute.values[0]) != NC_NOERR)
    {
      return false;
    }
    attributes.push_back(attribute);
  }
  return true;
}

bool ReadVariable(int ncid, int varid, NetCDFModel& model)
{
  char name[NC_MAX_NAME + 1] = "";
  int dimensions = 0, attributes = 0;
  int dimids[NC_MAX_VAR_DIMS];
  NetCDFVariable variable;
  if (nc_inq_var(ncid, varid, name, &variable.type, &dimensions, dimids, &attributes) != NC_NOERR ||
      NetCDFTypeSize(variable.type) == 0)
  {
    return false;
  }
  variable.name = name;
  size_t values = 1;
  for (int d = 0; d < dimensions; ++d)
  {
    variable.dimensions.push_back(dimids[d]);
    values *= model.dimensions[static_cast<size_t>(dimids[d])].length;
  }
  variable.values.resize(values * NetCDFTypeSize(variable.type));
  if ((values > 0 && nc_get_var(ncid, varid, &variable.values[0]) != NC_NOERR) ||
      !ReadAttributes(ncid, varid, attributes, variable.attributes))
  {
    return false;
  }
  model.variables.push_back(variable);
  return true;
}

bool ReadModel(int ncid, NetCDFModel& model)
{
  int dimensions = 0, variables = 0, attributes = 0, unlimited = -1, format = 0;
  if (nc_inq(ncid, &dimensions, &variables, &attributes, &unlimited) != NC_NOERR ||
      nc_inq_format(ncid, &format) != NC_NOERR)
  {
    return false;
  }
  model.createMode = NC_CLOBBER | (format == NC_FORMAT_64BIT_OFFSET ? NC_64BIT_OFFSET : 0) |
                     (format == NC_FORMAT_NETCDF4 ? NC_NETCDF4 : 0);
  for (int d = 0; d < dimensions; ++d)
  {
    char name[NC_MAX_NAME + 1] = "";
    NetCDFDimension dimension;
    if (nc_inq_dim(ncid, d, name, &dimension.length) != NC_NOERR)
    {
      return false;
    }
    dimension.name = name;
    dimension.unlimited = d == unlimited;
    model.dimensions.push_back(dimension);
  }
  for (int v = 0; v < variables; ++v)
  {
    if (!ReadVariable(ncid, v, model))
    {
      return false;
    }
  }
  return ReadAttributes(ncid, NC_GLOBAL, attributes, model.attributes);
}

bool WriteAttributes(int ncid, int varid, const std::vector<NetCDFAttribute>& attributes)
{
  for (const NetCDFAttribute& attribute : attributes)
  {
    size_t size = NetCDFTypeSize(attribute.type);
    if (size == 0 || nc_put_att(ncid,
                                varid,
                                attribute.name.c_str(),
                                attribute.type,
                                attribute.values.size() / size,
                                attribute.values.data()) != NC_NOERR)
    {
      return false;
    }
  }
  return true;
}

bool Define(int ncid, const NetCDFModel& model)
{
  for (const NetCDFDimension& dimension : model.dimensions)
  {
    int dimid = -1;
    if (nc_def_dim(ncid,
                   dimension.name.c_str(),
                   dimension.unlimited ? NC_UNLIMITED : dimension.length,
                   &dimid) != NC_NOERR)
    {
      return false;
    }
  }
  for (const NetCDFVariable& variable : model.variables)
  {
    int varid = -1;
    if (nc_def_var(ncid,
                   variable.name.c_str(),
                   variable.type,
                   static_cast<int>(variable.dimensions.size()),
                   variable.dimensions.data(),
                   &varid) != NC_NOERR ||
        !WriteAttributes(ncid, varid, variable.attributes))
    {
      return false;
    }
  }
  return WriteAttributes(ncid, NC_GLOBAL, model.attributes);
}

bool WriteValues(int ncid, int varid, const NetCDFModel& model, const NetCDFVariable& variable)
{
  std::vector<size_t> start(variable.dimensions.size(), 0), count;
  size_t values = 1;
  for (int d : variable.dimensions)
  {
    if (d < 0 || static_cast<size_t>(d) >= model.dimensions.size())
    {
      return false;
    }
    count.push_back(model.dimensions[static_cast<size_t>(d)].length);
    values *= count.back();
  }
  if (values == 0)
  {
    return true;
  }
  std::string bytes = variable.values;
  bytes.resize(values * NetCDFTypeSize(variable.type), '\0');
  return nc_put_vara(ncid, varid, start.data(), count.data(), bytes.data()) == NC_NOERR;
}
}

bool ReadNetCDFModel(const std::string& path, NetCDFModel& model, std::string& reason)
{
  int ncid = -1;
  if (nc_open(path.c_str(), NC_NOWRITE, &ncid) != NC_NOERR)
  {
    reason = "cannot open " + path;
    return false;
  }
  model = NetCDFModel();
  bool read = ReadModel(ncid, model);
  nc_close(ncid);
  if (!read)
  {
    reason = "cannot read " + path;
  }
  return read;
}

bool WriteNetCDFModel(const std::string& path, const NetCDFModel& model, std::string& reason)
{
  int ncid = -1;
  if (nc_create(path.c_str(), model.createMode, &ncid) != NC_NOERR)
  {
    reason = "cannot create " + path;
    return false;
  }
  // Classic files are written without fill values: every value is written.
  int oldFill = 0;
  bool written = nc_set_fill(ncid, NC_NOFILL, &oldFill) == NC_NOERR && Define(ncid, model) &&
                 nc_enddef(ncid) == NC_NOERR;
  for (size_t v = 0; written && v < model.variables.size(); ++v)
  {
    written = WriteValues(ncid, static_cast<int>(v), model, model.variables[v]);
  }
  if (nc_close(ncid) != NC_NOERR)
  {
    written = false;
  }
  if (!written)
  {
    reason = "cannot write " + path;
  }
  return written;
}

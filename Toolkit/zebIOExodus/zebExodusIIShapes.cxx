// Variable shapes of an Exodus II file, looked up with netCDF's inquiry calls
// on the file the Exodus II library has open (its id is the netCDF id).
#include "zebExodusIIShapes.h"

#include <exodusII.h>
#include <netcdf.h>

#include <string>
#include <vector>

namespace
{
// True when the file has no variable called name, or when it has exactly
// the given dimension lengths.
bool ShapeIs(int exoid, const std::string& name, const std::vector<int64_t>& shape)
{
  int varid = -1;
  if (nc_inq_varid(exoid, name.c_str(), &varid) != NC_NOERR)
  {
    return true;
  }
  int dimensions = 0;
  if (nc_inq_varndims(exoid, varid, &dimensions) != NC_NOERR ||
      dimensions != static_cast<int>(shape.size()))
  {
    return false;
  }
  std::vector<int> dimids(shape.size());
  if (!shape.empty() && nc_inq_vardimid(exoid, varid, dimids.data()) != NC_NOERR)
  {
    return false;
  }
  for (size_t i = 0; i < shape.size(); ++i)
  {
    size_t length = 0;
    if (nc_inq_dimlen(exoid, dimids[i], &length) != NC_NOERR ||
        static_cast<uint64_t>(length) != static_cast<uint64_t>(shape[i]))
    {
      return false;
    }
  }
  return true;
}

// An element type attribute, when there is one, is text of at most
// MAX_STR_LENGTH bytes.
bool ElementTypeFits(int exoid, const std::string& variable)
{
  int varid = -1;
  if (nc_inq_varid(exoid, variable.c_str(), &varid) != NC_NOERR)
  {
    return true;
  }
  nc_type type = NC_NAT;
  size_t length = 0;
  if (nc_inq_att(exoid, varid, "elem_type", &type, &length) != NC_NOERR)
  {
    return true;
  }
  return type == NC_CHAR && length <= static_cast<size_t>(MAX_STR_LENGTH);
}
}

bool zebExodusIICoordinatesFit(int exoid, int64_t dimensions, int64_t nodes)
{
  // Without any coordinate variable the reader would take memory for nodes
  // the file cannot hold.
  int varid = -1;
  if (nodes > 0 && nc_inq_varid(exoid, "coordx", &varid) != NC_NOERR &&
      nc_inq_varid(exoid, "coord", &varid) != NC_NOERR)
  {
    return false;
  }
  return ShapeIs(exoid, "coordx", { nodes }) && ShapeIs(exoid, "coordy", { nodes }) &&
         ShapeIs(exoid, "coordz", { nodes }) && ShapeIs(exoid, "coord", { dimensions, nodes });
}

bool zebExodusIIBlockIdsFit(int exoid, int64_t blocks)
{
  return ShapeIs(exoid, "eb_prop1", { blocks });
}

bool zebExodusIIConnectivityFits(int exoid,
                                 int64_t block,
                                 int64_t elements,
                                 int64_t nodesPerElement)
{
  std::string name = "connect" + std::to_string(block + 1);
  return ElementTypeFits(exoid, name) && ShapeIs(exoid, name, { elements, nodesPerElement });
}

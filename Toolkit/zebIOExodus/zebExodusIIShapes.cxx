// Variable shapes of an Exodus II file, looked up with netCDF's inquiry calls
// on the file the Exodus II library has open (its id is the netCDF id).
#include "zebExodusIIShapes.h"

#include <string>
#include <vector>

namespace
{
// True when the file has no variable called name, or when it has exactly
// the given dimension lengths.
bool ShapeIs(const zebExodusIIFunctions& ex,
             int exoid,
             const std::string& name,
             const std::vector<int64_t>& shape)
{
  int varid = -1;
  if (ex.InqVarid(exoid, name.c_str(), &varid) != NC_NOERR)
  {
    return true;
  }
  int dimensions = 0;
  if (ex.InqVarndims(exoid, varid, &dimensions) != NC_NOERR ||
      dimensions != static_cast<int>(shape.size()))
  {
    return false;
  }
  std::vector<int> dimids(shape.size());
  if (!shape.empty() && ex.InqVardimid(exoid, varid, dimids.data()) != NC_NOERR)
  {
    return false;
  }
  for (size_t i = 0; i < shape.size(); ++i)
  {
    size_t length = 0;
    if (ex.InqDimlen(exoid, dimids[i], &length) != NC_NOERR ||
        static_cast<uint64_t>(length) != static_cast<uint64_t>(shape[i]))
    {
      return false;
    }
  }
  return true;
}

// An element type attribute, when there is one, is text of at most
// MAX_STR_LENGTH bytes.
bool ElementTypeFits(const zebExodusIIFunctions& ex, int exoid, const std::string& variable)
{
  int varid = -1;
  if (ex.InqVarid(exoid, variable.c_str(), &varid) != NC_NOERR)
  {
    return true;
  }
  nc_type type = NC_NAT;
  size_t length = 0;
  if (ex.InqAtt(exoid, varid, "elem_type", &type, &length) != NC_NOERR)
  {
    return true;
  }
  return type == NC_CHAR && length <= static_cast<size_t>(MAX_STR_LENGTH);
}
}

bool zebExodusIICoordinatesFit(const zebExodusIIFunctions& ex,
                               int exoid,
                               int64_t dimensions,
                               int64_t nodes)
{
  // Without any coordinate variable the reader would take memory for nodes
  // the file cannot hold.
  int varid = -1;
  if (nodes > 0 && ex.InqVarid(exoid, "coordx", &varid) != NC_NOERR &&
      ex.InqVarid(exoid, "coord", &varid) != NC_NOERR)
  {
    return false;
  }
  return ShapeIs(ex, exoid, "coordx", { nodes }) && ShapeIs(ex, exoid, "coordy", { nodes }) &&
         ShapeIs(ex, exoid, "coordz", { nodes }) &&
         ShapeIs(ex, exoid, "coord", { dimensions, nodes });
}

bool zebExodusIIBlockIdsFit(const zebExodusIIFunctions& ex, int exoid, int64_t blocks)
{
  return ShapeIs(ex, exoid, "eb_prop1", { blocks });
}

bool zebExodusIIConnectivityFits(const zebExodusIIFunctions& ex,
                                 int exoid,
                                 int64_t block,
                                 int64_t elements,
                                 int64_t nodesPerElement)
{
  std::string name = "connect" + std::to_string(block + 1);
  return ElementTypeFits(ex, exoid, name) &&
         ShapeIs(ex, exoid, name, { elements, nodesPerElement });
}

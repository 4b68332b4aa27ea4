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

// An attribute, when there is one, holds at most `limit` values, and is text
// when text is asked for; otherwise gives a one-line reason.
bool AttributeFits(const zebExodusIIFunctions& ex,
                   int ncid,
                   int varid,
                   const std::string& owner,
                   const char* name,
                   bool text,
                   size_t limit,
                   std::string& reason)
{
  nc_type type = NC_NAT;
  size_t length = 0;
  if (ex.InqAtt(ncid, varid, name, &type, &length) != NC_NOERR)
  {
    return true;
  }
  std::string what = "the attribute \"" + owner + name + "\"";
  if (text && type != NC_CHAR)
  {
    reason = what + " is not text";
    return false;
  }
  if (length > limit)
  {
    reason = what + " holds " + std::to_string(length) + (text ? " characters" : " values") +
             ", more than " + std::to_string(limit);
    return false;
  }
  return true;
}
}

bool zebExodusIIGlobalAttributesFit(const zebExodusIIFunctions& ex, int ncid, std::string& reason)
{
  // The file's version, word size, size model, integer widths and name
  // length, under their names old and new.
  static const char* const numbers[] = { "version",
                                         "api_version",
                                         "api version",
                                         "floating_point_word_size",
                                         "floating point word size",
                                         "file_size",
                                         "int64_status",
                                         "maximum_name_length" };
  for (const char* name : numbers)
  {
    if (!AttributeFits(ex, ncid, NC_GLOBAL, "", name, false, 1, reason))
    {
      return false;
    }
  }
  return AttributeFits(
    ex, ncid, NC_GLOBAL, "", "title", true, static_cast<size_t>(MAX_LINE_LENGTH), reason);
}

bool zebExodusIIElementTypeFits(const zebExodusIIFunctions& ex,
                                int exoid,
                                int64_t block,
                                std::string& reason)
{
  std::string name = "connect" + std::to_string(block + 1);
  int varid = -1;
  return ex.InqVarid(exoid, name.c_str(), &varid) != NC_NOERR ||
         AttributeFits(ex,
                       exoid,
                       varid,
                       name + ":",
                       "elem_type",
                       true,
                       static_cast<size_t>(MAX_STR_LENGTH),
                       reason);
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
  return ShapeIs(ex, exoid, "eb_prop1", { blocks }) && ShapeIs(ex, exoid, "eb_status", { blocks });
}

bool zebExodusIIConnectivityFits(const zebExodusIIFunctions& ex,
                                 int exoid,
                                 int64_t block,
                                 int64_t elements,
                                 int64_t nodesPerElement)
{
  return ShapeIs(ex, exoid, "connect" + std::to_string(block + 1), { elements, nodesPerElement });
}

// Exodus II headers of meshes whose data is never written.
#include "ExodusDeclaredSizes.h"

#include <exodusII.h>
#include <netcdf.h>

#include <unistd.h>

#include <cstring>

static bool DeclareMesh(int exoid, int64_t nodes, int64_t elements)
{
  // Without filling, the library writes nothing for the values.
  int oldFill = 0;
  if (nc_set_fill(exoid, NC_NOFILL, &oldFill) != NC_NOERR)
  {
    return false;
  }
  ex_init_params sizes;
  memset(&sizes, 0, sizeof(sizes));
  strcpy(sizes.title, "declared sizes");
  sizes.num_dim = 3;
  sizes.num_nodes = nodes;
  sizes.num_elem = elements;
  sizes.num_elem_blk = elements > 0 ? 1 : 0;
  return ex_put_init_ext(exoid, &sizes) >= 0 &&
         (elements == 0 ||
          ex_put_block(exoid, EX_ELEM_BLOCK, 1, "HEX8", elements, 8, 0, 0, 0) >= 0);
}

bool WriteExodusDeclaringSizes(const std::string& path,
                               ExodusFileFormat format,
                               int64_t nodes,
                               int64_t elements,
                               int64_t classicBytes,
                               std::string& reason)
{
  int mode = EX_CLOBBER;
  mode |= format == ExodusFileFormat::NetCDF4             ? EX_NETCDF4
          : format == ExodusFileFormat::NetCDF64BitOffset ? EX_LARGE_MODEL
                                                          : EX_NORMAL_MODEL;
  int computeWordSize = sizeof(double);
  int fileWordSize = sizeof(double);
  int exoid = ex_create(path.c_str(), mode, &computeWordSize, &fileWordSize);
  if (exoid < 0)
  {
    reason = "cannot create " + path;
    return false;
  }
  bool declared = DeclareMesh(exoid, nodes, elements);
  if (ex_close(exoid) < 0 || !declared)
  {
    reason = "cannot declare the sizes in " + path;
    return false;
  }
  if (format != ExodusFileFormat::NetCDF4 && truncate(path.c_str(), classicBytes) != 0)
  {
    reason = "cannot cut " + path;
    return false;
  }
  return true;
}

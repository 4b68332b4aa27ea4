// Many empty element blocks: the library's one-block file, its dimensions
// grown and its block ids and states rewritten.
#include "ExodusEmptyBlocks.h"

#include "ExodusMeshWriter.h"
#include "NetCDFModel.h"

bool WriteExodusEmptyBlocks(const std::string& path,
                            size_t nodes,
                            size_t blocks,
                            std::string& reason)
{
  ExodusMeshToWrite mesh;
  mesh.x = mesh.y = mesh.z = { 0 };
  ExodusBlockToWrite empty;
  empty.elementType = "NULL";
  mesh.blocks = { empty };
  NetCDFModel model;
  if (!WriteExodusMesh(path, mesh, ExodusFileFormat::NetCDF64BitOffset, reason) ||
      !ReadNetCDFModel(path, model, reason))
  {
    return false;
  }
  for (NetCDFDimension& dimension : model.dimensions)
  {
    dimension.length = dimension.name == "num_nodes"    ? nodes
                       : dimension.name == "num_el_blk" ? blocks
                                                        : dimension.length;
  }
  NetCDFVariable* ids = FindNetCDFVariable(model, "eb_prop1");
  NetCDFVariable* states = FindNetCDFVariable(model, "eb_status");
  if (!ids || !states || ids->type != NC_INT)
  {
    reason = "unexpected block variables in " + path;
    return false;
  }
  ids->values.clear();
  for (size_t b = 1; b <= blocks; ++b)
  {
    int id = static_cast<int>(b);
    ids->values.append(reinterpret_cast<const char*>(&id), sizeof(id));
  }
  // Written as zeros, as are the coordinates: every block is empty.
  states->values.clear();
  return WriteNetCDFModel(path, model, reason);
}

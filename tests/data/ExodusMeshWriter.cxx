// Writes small Exodus II files, and reads their number maps, with the Exodus
// II library.
#include "ExodusMeshWriter.h"

#include <exodusII.h>

static int CreateMode(ExodusFileFormat format)
{
  switch (format)
  {
    case ExodusFileFormat::NetCDF64BitOffset:
      return EX_CLOBBER | EX_LARGE_MODEL;
    case ExodusFileFormat::NetCDF4:
      return EX_CLOBBER | EX_NETCDF4;
    case ExodusFileFormat::NetCDFClassic:
    default:
      return EX_CLOBBER | EX_NORMAL_MODEL;
  }
}

// The number of elements of block and the entries per element its sizes give.
static int Elements(const ExodusBlockToWrite& block)
{
  return block.nodesOfEachElement.empty()
           ? static_cast<int>(block.connectivity.size()) / block.nodesPerElement
           : static_cast<int>(block.nodesOfEachElement.size());
}

static int EntriesPerElement(const ExodusBlockToWrite& block)
{
  return block.nodesOfEachElement.empty() ? block.nodesPerElement
                                          : static_cast<int>(block.connectivity.size());
}

static bool WriteContents(int exoid, const ExodusMeshToWrite& mesh, std::string& reason)
{
  int elements = 0;
  for (const ExodusBlockToWrite& block : mesh.blocks)
  {
    elements += Elements(block);
  }
  if (ex_put_init(exoid,
                  mesh.title.c_str(),
                  3,
                  static_cast<int>(mesh.x.size()),
                  elements,
                  static_cast<int>(mesh.blocks.size()),
                  0,
                  0) < 0)
  {
    reason = "cannot write the mesh sizes";
    return false;
  }
  if (!mesh.x.empty() && ex_put_coord(exoid, mesh.x.data(), mesh.y.data(), mesh.z.data()) < 0)
  {
    reason = "cannot write the node coordinates";
    return false;
  }
  for (const ExodusBlockToWrite& block : mesh.blocks)
  {
    int count = Elements(block);
    if (ex_put_block(exoid,
                     EX_ELEM_BLOCK,
                     block.id,
                     block.elementType.c_str(),
                     count,
                     EntriesPerElement(block),
                     0,
                     0,
                     0) < 0 ||
        (count > 0 &&
         ex_put_conn(exoid, EX_ELEM_BLOCK, block.id, block.connectivity.data(), nullptr, nullptr) <
           0) ||
        (!block.nodesOfEachElement.empty() &&
         ex_put_entity_count_per_polyhedra(
           exoid, EX_ELEM_BLOCK, block.id, block.nodesOfEachElement.data()) < 0))
    {
      reason = "cannot write element block " + std::to_string(block.id);
      return false;
    }
  }
  if (!mesh.nodeNumberMap.empty() &&
      ex_put_id_map(exoid, EX_NODE_MAP, mesh.nodeNumberMap.data()) < 0)
  {
    reason = "cannot write the node number map";
    return false;
  }
  if (!mesh.elementNumberMap.empty() &&
      ex_put_id_map(exoid, EX_ELEM_MAP, mesh.elementNumberMap.data()) < 0)
  {
    reason = "cannot write the element number map";
    return false;
  }
  return true;
}

bool WriteExodusMesh(const std::string& path,
                     const ExodusMeshToWrite& mesh,
                     ExodusFileFormat format,
                     std::string& reason)
{
  int computeWordSize = sizeof(double);
  int fileWordSize = sizeof(double);
  int exoid = ex_create(path.c_str(), CreateMode(format), &computeWordSize, &fileWordSize);
  if (exoid < 0)
  {
    reason = "cannot create " + path;
    return false;
  }
  bool written = WriteContents(exoid, mesh, reason);
  if (ex_close(exoid) < 0 && written)
  {
    reason = "cannot finish " + path;
    written = false;
  }
  return written;
}

bool ReadExodusNumberMaps(const std::string& path,
                          std::vector<int>& nodeNumberMap,
                          std::vector<int>& elementNumberMap,
                          std::string& reason)
{
  int computeWordSize = sizeof(double);
  int fileWordSize = 0;
  float version = 0;
  int exoid = ex_open(path.c_str(), EX_READ, &computeWordSize, &fileWordSize, &version);
  if (exoid < 0)
  {
    reason = "cannot open " + path;
    return false;
  }
  ex_init_params sizes{};
  bool read = ex_get_init_ext(exoid, &sizes) >= 0;
  if (read)
  {
    nodeNumberMap.assign(static_cast<size_t>(sizes.num_nodes), 0);
    elementNumberMap.assign(static_cast<size_t>(sizes.num_elem), 0);
    read =
      (nodeNumberMap.empty() || ex_get_id_map(exoid, EX_NODE_MAP, nodeNumberMap.data()) >= 0) &&
      (elementNumberMap.empty() || ex_get_id_map(exoid, EX_ELEM_MAP, elementNumberMap.data()) >= 0);
  }
  ex_close(exoid);
  if (!read)
  {
    reason = "cannot read the number maps of " + path;
  }
  return read;
}

ExodusMeshToWrite TwoBlockMesh()
{
  ExodusMeshToWrite mesh;
  mesh.x = { 0, 1, 0, 0, 1 };
  mesh.y = { 0, 0, 1, 0, 1 };
  mesh.z = { 0, 0, 0, 1, 1 };
  ExodusBlockToWrite tetra;
  tetra.id = 10;
  tetra.elementType = "TETRA";
  tetra.nodesPerElement = 4;
  tetra.connectivity = { 1, 2, 3, 4, 2, 3, 4, 5 };
  ExodusBlockToWrite triangle;
  triangle.id = 20;
  triangle.elementType = "TRI3";
  triangle.nodesPerElement = 3;
  triangle.connectivity = { 5, 1, 3 };
  mesh.blocks = { tetra, triangle };
  return mesh;
}

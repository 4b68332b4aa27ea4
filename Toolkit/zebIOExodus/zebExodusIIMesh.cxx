// Reading the mesh of an Exodus II file with the Exodus II library, checking
// that what the file says fits together.
#include "zebExodusIIMesh.h"
#include "zebExodusIILibrary.h"
#include "zebExodusIIShapes.h"
#include "zebNetCDFHeader.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <set>

static bool ReadCoordinates(const zebExodusIIFunctions& ex,
                            int exoid, int64_t dimensions, zebExodusIIMesh& mesh)
{
  if (!zebExodusIICoordinatesFit(ex, exoid, dimensions, mesh.NumberOfNodes))
  {
    return false;
  }
  size_t nodes = static_cast<size_t>(mesh.NumberOfNodes);
  mesh.X.assign(nodes, 0.0);
  mesh.Y.assign(nodes, 0.0);
  mesh.Z.assign(nodes, 0.0);
  if (nodes == 0)
  {
    return true;
  }
  return ex.GetCoord(exoid,
                     mesh.X.data(),
                     dimensions > 1 ? mesh.Y.data() : nullptr,
                     dimensions > 2 ? mesh.Z.data() : nullptr) >= 0;
}

// Reads the block at the given position in file order.
static bool ReadBlock(const zebExodusIIFunctions& ex,
                      int exoid,
                      int64_t nodes,
                      int64_t position,
                      zebExodusIIElementBlock& block,
                      std::string& reason)
{
  // Zeroed, so that the type text ends within its buffer whatever the file
  // holds.
  ex_block sizes;
  memset(&sizes, 0, sizeof(sizes));
  sizes.id = block.Id;
  sizes.type = EX_ELEM_BLOCK;
  std::string name = "element block " + std::to_string(block.Id);
  if (ex.GetBlockParam(exoid, &sizes) < 0 || sizes.num_entry < 0 ||
      sizes.num_nodes_per_entry < 0 ||
      (sizes.num_nodes_per_entry > 0 && sizes.num_entry > INT64_MAX / sizes.num_nodes_per_entry))
  {
    reason = "cannot read the sizes of " + name;
    return false;
  }
  block.NumberOfElements = sizes.num_entry;
  block.NodesPerElement = sizes.num_nodes_per_entry;
  sizes.topology[MAX_STR_LENGTH] = '\0';
  block.ElementType = sizes.topology;
  if (block.NumberOfElements * block.NodesPerElement > 0 &&
      !zebExodusIIConnectivityFits(ex, exoid, position, block.NumberOfElements, block.NodesPerElement))
  {
    reason = "the connectivity of " + name + " does not match its sizes";
    return false;
  }
  block.Connectivity.resize(static_cast<size_t>(block.NumberOfElements * block.NodesPerElement));
  if (block.Connectivity.empty())
  {
    return true;
  }
  if (ex.GetConn(exoid, EX_ELEM_BLOCK, block.Id, block.Connectivity.data(), nullptr, nullptr) < 0)
  {
    reason = "cannot read the connectivity of " + name;
    return false;
  }
  for (int64_t node : block.Connectivity)
  {
    if (node < 1 || node > nodes)
    {
      reason = name + " uses node " + std::to_string(node) + ", outside the node list 1.." +
               std::to_string(nodes);
      return false;
    }
  }
  return true;
}

static bool ReadMesh(const zebExodusIIFunctions& ex, int exoid, zebExodusIIMesh& mesh, std::string& reason)
{
  ex.SetInt64Status(exoid, EX_ALL_INT64_API);
  char title[MAX_LINE_LENGTH + 1] = "";
  int64_t dimensions = 0, elements = 0, blocks = 0, nodeSets = 0, sideSets = 0;
  if (ex.GetInit(
        exoid, title, &dimensions, &mesh.NumberOfNodes, &elements, &blocks, &nodeSets, &sideSets) <
        0 ||
      mesh.NumberOfNodes < 0 || blocks < 0)
  {
    reason = "cannot read the mesh sizes";
    return false;
  }
  if (!ReadCoordinates(ex, exoid, dimensions, mesh))
  {
    reason = "cannot read the node coordinates";
    return false;
  }
  if (!zebExodusIIBlockIdsFit(ex, exoid, blocks))
  {
    reason = "cannot read the element block ids";
    return false;
  }
  std::vector<int64_t> ids(static_cast<size_t>(blocks));
  if (blocks > 0 && ex.GetIds(exoid, EX_ELEM_BLOCK, ids.data()) < 0)
  {
    reason = "cannot read the element block ids";
    return false;
  }
  // The library finds a block by its id, so a repeated id would read the
  // first such block twice.
  if (std::set<int64_t>(ids.begin(), ids.end()).size() != ids.size())
  {
    reason = "the element block ids repeat";
    return false;
  }
  mesh.Blocks.resize(ids.size());
  for (size_t b = 0; b < ids.size(); ++b)
  {
    mesh.Blocks[b].Id = ids[b];
    if (!ReadBlock(ex, exoid, mesh.NumberOfNodes, static_cast<int64_t>(b), mesh.Blocks[b], reason))
    {
      return false;
    }
  }
  return true;
}

// Whether the library may be given the file: its netCDF header, if it has
// one, fits in it. The first mebibyte holds the header of every mesh file.
static bool HeaderFits(FILE* file)
{
  std::string start(1 << 20, '\0');
  start.resize(fread(&start[0], 1, start.size(), file));
  if (ferror(file) || fseeko(file, 0, SEEK_END) != 0)
  {
    return true;
  }
  off_t size = ftello(file);
  return size < 0 || zebNetCDFHeaderFits(start, static_cast<uint64_t>(size));
}

bool zebReadExodusIIMesh(const char* path, zebExodusIIMesh& mesh, std::string& reason)
{
  FILE* file = fopen(path, "rb");
  if (!file)
  {
    reason = strerror(errno);
    return false;
  }
  bool headerFits = HeaderFits(file);
  fclose(file);
  if (!headerFits)
  {
    reason = "not an Exodus II file: its netCDF header needs more than the file holds";
    return false;
  }
  const zebExodusIIFunctions* ex = zebLoadExodusIILibrary(reason);
  if (!ex)
  {
    return false;
  }

  // The reader reports failures itself, in one line.
  ex->Opts(EX_DEFAULT);
  int computeWordSize = sizeof(double);
  int fileWordSize = 0;
  float version = 0;
  int exoid =
    ex->OpenInt(path, EX_READ, &computeWordSize, &fileWordSize, &version, EX_API_VERS_NODOT);
  if (exoid < 0)
  {
    reason = "not an Exodus II file";
    return false;
  }
  bool read = ReadMesh(*ex, exoid, mesh, reason);
  ex->Close(exoid);
  return read;
}

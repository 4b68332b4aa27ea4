// Reading the mesh of an Exodus II file with the Exodus II library, checking
// that what the file says fits together.
#include "zebExodusIIMesh.h"
#include "zebExodusIILibrary.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>

static bool ReadCoordinates(const zebExodusIIFunctions& ex,
                            int exoid, int64_t dimensions, zebExodusIIMesh& mesh)
{
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

static bool ReadBlock(const zebExodusIIFunctions& ex,
                      int exoid,
                      int64_t nodes, zebExodusIIElementBlock& block, std::string& reason)
{
  char type[MAX_STR_LENGTH + 1] = "";
  int64_t edges = 0, faces = 0, attributes = 0;
  std::string name = "element block " + std::to_string(block.Id);
  if (ex.GetBlock(exoid,
                  EX_ELEM_BLOCK,
                  block.Id,
                  type,
                  &block.NumberOfElements,
                  &block.NodesPerElement,
                  &edges,
                  &faces,
                  &attributes) < 0 ||
      block.NumberOfElements < 0 || block.NodesPerElement < 0 ||
      (block.NodesPerElement > 0 && block.NumberOfElements > INT64_MAX / block.NodesPerElement))
  {
    reason = "cannot read the sizes of " + name;
    return false;
  }
  block.ElementType = type;
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
  std::vector<int64_t> ids(static_cast<size_t>(blocks));
  if (blocks > 0 && ex.GetIds(exoid, EX_ELEM_BLOCK, ids.data()) < 0)
  {
    reason = "cannot read the element block ids";
    return false;
  }
  mesh.Blocks.resize(ids.size());
  for (size_t b = 0; b < ids.size(); ++b)
  {
    mesh.Blocks[b].Id = ids[b];
    if (!ReadBlock(ex, exoid, mesh.NumberOfNodes, mesh.Blocks[b], reason))
    {
      return false;
    }
  }
  return true;
}

bool zebReadExodusIIMesh(const char* path, zebExodusIIMesh& mesh, std::string& reason)
{
  FILE* file = fopen(path, "rb");
  if (!file)
  {
    reason = strerror(errno);
    return false;
  }
  fclose(file);
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

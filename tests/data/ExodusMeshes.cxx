// Small Exodus II meshes for the reader and program tests.
#include "ExodusMeshes.h"

#include <gtest/gtest.h>

static void AddNodes(ExodusMeshToWrite& mesh, int nodes)
{
  for (int node = 1; node <= nodes; ++node)
  {
    mesh.x.push_back(node);
    mesh.y.push_back(10.0 * node);
    mesh.z.push_back(100.0 * node);
  }
}

static ExodusBlockToWrite Block(long long id,
                                const std::string& type,
                                int nodesPerElement,
                                const std::vector<int>& connectivity)
{
  ExodusBlockToWrite block;
  block.id = id;
  block.elementType = type;
  block.nodesPerElement = nodesPerElement;
  block.connectivity = connectivity;
  return block;
}

ExodusMeshToWrite HandCheckedMesh()
{
  ExodusMeshToWrite mesh;
  AddNodes(mesh, 9);
  mesh.blocks.push_back(Block(20, "QUAD4", 4, { 4, 2, 5, 7, 2, 3, 6, 5 }));
  mesh.blocks.push_back(Block(30, "QUAD4", 4, {}));
  mesh.blocks.push_back(Block(10, "TRI3", 3, { 5, 8, 1, 8, 5, 6 }));
  return mesh;
}

ExodusMeshToWrite OneBlockMesh(int nodes,
                               const std::string& type,
                               int nodesPerElement,
                               const std::vector<int>& connectivity)
{
  ExodusMeshToWrite mesh;
  AddNodes(mesh, nodes);
  mesh.blocks.push_back(Block(1, type, nodesPerElement, connectivity));
  return mesh;
}

void WriteMesh(const std::string& path, const ExodusMeshToWrite& mesh, ExodusFileFormat format)
{
  std::string reason;
  ASSERT_TRUE(WriteExodusMesh(path, mesh, format, reason)) << reason;
}

// Writes Data/disk_out_ref.ex2 of the bundled data: an annular disk of
// hexahedra in three element blocks, in netCDF classic form.
//
//   MakeDiskOutRef <output file>
//
// Geometry: inner radius 2, outer radius 10, height 2; 8 rings of elements
// (radial node index r = 0..8 at radius 2 + r), 36 sectors of 10 degrees
// (angular index t = 0..35, angle 10 t degrees), 10 layers (axial index
// z = 0..10 at height 0.2 z). 3564 nodes, 2880 elements.
//
// Element blocks, in file order: block 1 holds rings 0-2, block 2 rings 3-5,
// block 3 rings 6-7; neighbouring blocks share the nodes of the ring between
// them. Within a block the elements run sector by sector (t), ring by ring
// (r) inside a sector, layer by layer (z) outermost. The element of ring r,
// sector t, layer z has the nodes (r,t,z) (r+1,t,z) (r+1,t+1,z) (r,t+1,z),
// then the same four at z+1, with t+1 taken modulo 36.
//
// Node numbering: node (r,t,z) has the natural index k = (z*9 + r)*36 + t and
// the 1-based position k + 1 in the file's node list, except for three
// exchanged pairs that put the first three nodes of the first element of
// block 1, natural indices 0, 36 and 37, at the positions 143, 706 and 3173:
// 0 <-> 142, 36 <-> 705, 37 <-> 3172.
//
// Number maps: like a piece written by a split parallel run, the file gives
// its nodes and elements global ids that differ from their positions. Node
// (r,t,z) has the id 100001 + k (k its natural index); the element of ring
// r, sector t, layer z has the id 50001 + (z*8 + r)*36 + t. So the first
// element of block 1, which is element 1 with the nodes 143, 706 and 3173 by
// position, is element 50001 with the nodes 100001, 100037 and 100038 by map.
#include "ExodusMeshWriter.h"

#include <cmath>
#include <cstdio>
#include <utility>

static const int radialNodes = 9;
static const int sectors = 36;
static const int axialNodes = 11;
static const int rings = radialNodes - 1;
static const int firstNodeId = 100001;
static const int firstElementId = 50001;

static int NaturalIndex(int r, int t, int z)
{
  return (z * radialNodes + r) * sectors + t % sectors;
}

// The 1-based position of each natural index in the node list.
static std::vector<int> NodePositions()
{
  std::vector<int> position(radialNodes * sectors * axialNodes);
  for (size_t k = 0; k < position.size(); ++k)
  {
    position[k] = static_cast<int>(k) + 1;
  }
  const int exchanged[][2] = { { 0, 142 }, { 36, 705 }, { 37, 3172 } };
  for (const auto& pair : exchanged)
  {
    std::swap(position[pair[0]], position[pair[1]]);
  }
  return position;
}

static void AddCoordinates(ExodusMeshToWrite& mesh, const std::vector<int>& position)
{
  size_t nodes = position.size();
  mesh.x.resize(nodes);
  mesh.y.resize(nodes);
  mesh.z.resize(nodes);
  const double pi = std::acos(-1.0);
  for (int z = 0; z < axialNodes; ++z)
  {
    for (int r = 0; r < radialNodes; ++r)
    {
      for (int t = 0; t < sectors; ++t)
      {
        size_t at = static_cast<size_t>(position[NaturalIndex(r, t, z)] - 1);
        double radius = 2.0 + r;
        double angle = 2.0 * pi * t / sectors;
        mesh.x[at] = radius * std::cos(angle);
        mesh.y[at] = radius * std::sin(angle);
        mesh.z[at] = 0.2 * z;
      }
    }
  }
}

// The node ids by position.
static std::vector<int> NodeNumberMap(const std::vector<int>& position)
{
  std::vector<int> ids(position.size());
  for (size_t k = 0; k < position.size(); ++k)
  {
    ids[static_cast<size_t>(position[k] - 1)] = firstNodeId + static_cast<int>(k);
  }
  return ids;
}

// Adds the block's elements, appending their ids to elementIds.
static ExodusBlockToWrite MakeBlock(long long id,
                                    int firstRing,
                                    int lastRing,
                                    const std::vector<int>& position,
                                    std::vector<int>& elementIds)
{
  ExodusBlockToWrite block;
  block.id = id;
  for (int z = 0; z + 1 < axialNodes; ++z)
  {
    for (int t = 0; t < sectors; ++t)
    {
      for (int r = firstRing; r <= lastRing; ++r)
      {
        const int corners[8][3] = {
          { r, t, z },     { r + 1, t, z },     { r + 1, t + 1, z },     { r, t + 1, z },
          { r, t, z + 1 }, { r + 1, t, z + 1 }, { r + 1, t + 1, z + 1 }, { r, t + 1, z + 1 }
        };
        for (const auto& corner : corners)
        {
          block.connectivity.push_back(position[NaturalIndex(corner[0], corner[1], corner[2])]);
        }
        elementIds.push_back(firstElementId + (z * rings + r) * sectors + t);
      }
    }
  }
  return block;
}

int main(int argc, char* argv[])
{
  if (argc != 2)
  {
    fprintf(stderr, "usage: MakeDiskOutRef <output file>\n");
    return 1;
  }
  std::vector<int> position = NodePositions();
  ExodusMeshToWrite mesh;
  mesh.title = "disk_out_ref: annular disk of hexahedra in three element blocks";
  AddCoordinates(mesh, position);
  mesh.blocks.push_back(MakeBlock(1, 0, 2, position, mesh.elementNumberMap));
  mesh.blocks.push_back(MakeBlock(2, 3, 5, position, mesh.elementNumberMap));
  mesh.blocks.push_back(MakeBlock(3, 6, 7, position, mesh.elementNumberMap));
  mesh.nodeNumberMap = NodeNumberMap(position);
  std::string reason;
  if (!WriteExodusMesh(argv[1], mesh, ExodusFileFormat::NetCDFClassic, reason))
  {
    fprintf(stderr, "MakeDiskOutRef: %s\n", reason.c_str());
    return 1;
  }
  return 0;
}

// The mesh of an Exodus II file as the file holds it: the node coordinates and
// the element blocks in file order, read with the Exodus II library.
#ifndef ZEB_EXODUS_II_MESH_H
#define ZEB_EXODUS_II_MESH_H

#include <cstdint>
#include <string>
#include <vector>

struct zebExodusIIElementBlock
{
  int64_t Id = 0;
  std::string ElementType;
  int64_t NumberOfElements = 0;
  int64_t NodesPerElement = 0;
  // The grid cell type of ElementType (zebUnstructuredGrid.h).
  int CellType = 0;
  // Elements of a kind the reader does not read (NSIDED, NFACED or an
  // unknown type, whose CellType is ZEB_EMPTY_CELL), or whose nodes per
  // element do not fit their type (TETRA4 with 8 nodes each, TETRA with 3):
  // the block is left out, and its connectivity is not read.
  bool Skipped = false;
  // NodesPerElement entries per element: 1-based positions in the node list.
  std::vector<int64_t> Connectivity;
};

struct zebExodusIIMesh
{
  int64_t NumberOfNodes = 0;
  // One entry per node each; coordinates a file does not have are 0.
  std::vector<double> X, Y, Z;
  std::vector<zebExodusIIElementBlock> Blocks;
};

// Reads the mesh of the Exodus II file at path (netCDF classic, 64-bit offset
// or netCDF-4). On failure gives false and a one-line reason, and the library
// prints nothing. Sizes a file declares beyond what it or memory can hold
// are refused before anything is allocated for them, and an allocation
// failure is a failure like any other, with the reason below.
extern const char* const zebExodusIINotEnoughMemory;

// The grid cell type of an Exodus element type name such as "HEX8" or
// "tetra"; ZEB_EMPTY_CELL for a kind the reader does not read.
int zebExodusIICellType(const std::string& elementType);

bool zebReadExodusIIMesh(const char* path, zebExodusIIMesh& mesh, std::string& reason);

#endif

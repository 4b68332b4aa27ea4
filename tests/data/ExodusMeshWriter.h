// Writes small Exodus II files with the Exodus II library's own writing
// calls: node coordinates, element blocks and optionally the node and element
// number maps, nothing else; and reads the number maps back. Used by the data
// generators and by the tests that craft their own files.
#ifndef ZEB_EXODUS_MESH_WRITER_H
#define ZEB_EXODUS_MESH_WRITER_H

#include <string>
#include <vector>

struct ExodusBlockToWrite
{
  long long id = 1;
  std::string elementType = "HEX8";
  int nodesPerElement = 8;
  // nodesPerElement entries per element: 1-based positions in the node list.
  std::vector<int> connectivity;
  // For an "NSIDED" block, the number of nodes of each element, whose
  // entries follow one another in connectivity (nodesPerElement is unused).
  std::vector<int> nodesOfEachElement;
};

struct ExodusMeshToWrite
{
  std::string title = "zeb test mesh";
  std::vector<double> x, y, z;  // one entry per node each
  std::vector<ExodusBlockToWrite> blocks;
  // The ids of the nodes and of the elements (all blocks in file order), one
  // per node or element; left empty, the file has no such map.
  std::vector<int> nodeNumberMap;
  std::vector<int> elementNumberMap;
};

enum class ExodusFileFormat
{
  NetCDFClassic,
  NetCDF64BitOffset,
  NetCDF4
};

// Two tetrahedra sharing a face, in block 10, and one triangle on the same
// points in block 20: the fuzz targets' seed mesh.
ExodusMeshToWrite TwoBlockMesh();

// Writes mesh to path, replacing a file there. On failure gives false and a
// one-line reason.
bool WriteExodusMesh(const std::string& path,
                     const ExodusMeshToWrite& mesh,
                     ExodusFileFormat format,
                     std::string& reason);

// Reads the node and element number maps of the file at path. A file without
// a map gives the positions 1, 2, 3, ... as the library does. On failure
// gives false and a one-line reason.
bool ReadExodusNumberMaps(const std::string& path,
                          std::vector<int>& nodeNumberMap,
                          std::vector<int>& elementNumberMap,
                          std::string& reason);

#endif

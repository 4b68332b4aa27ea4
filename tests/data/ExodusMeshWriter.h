// Writes small Exodus II files with the Exodus II library's own writing
// calls: node coordinates and element blocks, nothing else. Used by the data
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
};

struct ExodusMeshToWrite
{
  std::string title = "zeb test mesh";
  std::vector<double> x, y, z;  // one entry per node each
  std::vector<ExodusBlockToWrite> blocks;
};

enum class ExodusFileFormat
{
  NetCDFClassic,
  NetCDF64BitOffset,
  NetCDF4
};

// Writes mesh to path, replacing a file there. On failure gives false and a
// one-line reason.
bool WriteExodusMesh(const std::string& path,
                     const ExodusMeshToWrite& mesh,
                     ExodusFileFormat format,
                     std::string& reason);

#endif

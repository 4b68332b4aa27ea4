// Small Exodus II meshes for the reader and program tests, and reading a file
// back through the reader.
#ifndef ZEB_TESTS_EXODUS_MESHES_H
#define ZEB_TESTS_EXODUS_MESHES_H

#include <ExodusMeshWriter.h>

#include <string>

// Nine nodes at x = node number, y = 10 x, z = 100 x, and the blocks, in this
// file order: id 20, QUAD4 [4 2 5 7] [2 3 6 5]; id 30, no elements; id 10, TRI3
// [5 8 1] [8 5 6]. Node 9 is used by no element.
ExodusMeshToWrite HandCheckedMesh();

// nodes nodes along the x axis and one block of the given type and
// connectivity.
ExodusMeshToWrite OneBlockMesh(int nodes,
                               const std::string& type,
                               int nodesPerElement,
                               const std::vector<int>& connectivity);

// Writes mesh at path in the given form; fails the calling test on error.
void WriteMesh(const std::string& path,
               const ExodusMeshToWrite& mesh,
               ExodusFileFormat format = ExodusFileFormat::NetCDFClassic);

#endif

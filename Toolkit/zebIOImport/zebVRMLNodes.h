// The nodes of a parsed VRML scene that the reader understands, before their
// transforms are applied. Internal to the VRML reader.
#ifndef ZEB_VRML_NODES_H
#define ZEB_VRML_NODES_H

#include <memory>
#include <string>
#include <vector>

class zebVRMLInput;
struct zebVRMLNode;

// Bounds of a scene the reader takes on: points of the shapes it builds, all
// shapes together (one per face corner, each use of a shape counted), steps
// of work in building them (every coordIndex entry read, dropped polygons
// included, every face normal compared in making normals from the crease
// angle, and every point built), coordinates or normals of one node, index
// entries of one list, and nodes and DEF names of the whole file.
const size_t zebVRMLMaximumPoints = 6000000;
const size_t zebVRMLMaximumSteps = 100000000;
const size_t zebVRMLMaximumVectors = 4000000;
const size_t zebVRMLMaximumIndices = 8000000;
const size_t zebVRMLMaximumNodes = 1000000;
typedef std::shared_ptr<zebVRMLNode> zebVRMLNodePointer;

// One node; only the fields of its type are used. A node named by DEF and
// reached again by USE is shared, so the nodes form a graph without cycles.
struct zebVRMLNode
{
  std::string Type;
  int Line = 0;

  // Transform and Group
  double Translation[3] = { 0, 0, 0 };
  double Rotation[4] = { 0, 0, 1, 0 };  // axis, angle in radians
  double Scale[3] = { 1, 1, 1 };
  double ScaleOrientation[4] = { 0, 0, 1, 0 };
  double Center[3] = { 0, 0, 0 };
  std::vector<zebVRMLNodePointer> Children;

  // Shape and Appearance
  zebVRMLNodePointer Appearance;
  zebVRMLNodePointer Geometry;
  zebVRMLNodePointer Material;

  // Material
  double DiffuseColor[3] = { 0.8, 0.8, 0.8 };
  double SpecularColor[3] = { 0, 0, 0 };
  double Shininess = 0.2;
  double Transparency = 0;

  // IndexedFaceSet
  zebVRMLNodePointer Coord;
  zebVRMLNodePointer Normal;
  std::vector<int> CoordIndex;
  std::vector<int> NormalIndex;
  bool NormalPerVertex = true;
  bool Ccw = true;
  bool Solid = true;
  double CreaseAngle = 0;

  // Coordinate (point) and Normal (vector)
  std::vector<double> Vectors;
};

// Parses the input, which must start with the VRML 2.0 header, into the
// scene's root nodes. On failure returns false and sets error to one line,
// "line N: ..." when the fault lies on a line.
bool zebParseVRMLNodes(zebVRMLInput& input,
                       std::vector<zebVRMLNodePointer>& roots,
                       std::string& error);

#endif

// The nodes of a parsed VRML scene that the reader understands, before their
// transforms are applied. Internal to the VRML reader.
#ifndef ZEB_VRML_NODES_H
#define ZEB_VRML_NODES_H

#include <memory>
#include <string>
#include <vector>

struct zebVRMLNode;
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

// Parses the text into the scene's root nodes. On failure returns false and
// sets error to "line N: ...".
bool zebParseVRMLNodes(const std::string& text,
                       std::vector<zebVRMLNodePointer>& roots,
                       std::string& error);

#endif

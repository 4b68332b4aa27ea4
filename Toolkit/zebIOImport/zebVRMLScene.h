// The VRML scene reader: turns the text of a VRML 2.0 file into a plain
// description of its shapes, with every transform applied and every polygon
// split into triangles. It touches no renderer, so it can be run on any input
// on its own.
#ifndef ZEB_VRML_SCENE_H
#define ZEB_VRML_SCENE_H

#include <string>
#include <vector>

// One shape of the scene: a face set with its material, and every place the
// scene puts it. Its triangles and unit normals are in the face set's own
// coordinates; each use adds a placement that takes them into the world's,
// so that a shape used many times is held once.
struct zebVRMLShape
{
  double DiffuseColor[3] = { 0.8, 0.8, 0.8 };
  double SpecularColor[3] = { 0.0, 0.0, 0.0 };
  double Shininess = 0.2;
  double Transparency = 0.0;
  bool Solid = true;            // only the front faces need be drawn
  std::vector<double> Points;   // 3 per point
  std::vector<double> Normals;  // 3 per point
  std::vector<int> Triangles;   // 3 per triangle, counter-clockwise seen from the front
  // 12 per use: the rows of the 3 by 4 affine map from the face set's
  // coordinates to the world's, in the order the scene uses the shape.
  std::vector<double> Placements;
};

class zebVRMLInput;

struct zebVRMLScene
{
  std::vector<zebVRMLShape> Shapes;
};

// Reads a whole VRML 2.0 file held in text. On success fills scene and
// returns true. On failure returns false, leaves scene empty and sets error
// to one line saying what is wrong, starting with "line N: " when the fault
// lies on a line of the text.
bool zebReadVRMLScene(const std::string& text, zebVRMLScene& scene, std::string& error);

// The same for text read from input (see zebVRMLInput.h); the input's read
// error, if any, is the caller's to check.
bool zebReadVRMLScene(zebVRMLInput& input, zebVRMLScene& scene, std::string& error);

#endif

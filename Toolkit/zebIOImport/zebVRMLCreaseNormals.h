// Normals made from the crease angle of an IndexedFaceSet: at each corner, its
// face's normal plus the normals of the other faces at that point within the
// crease angle. Internal to the VRML reader.
#ifndef ZEB_VRML_CREASE_NORMALS_H
#define ZEB_VRML_CREASE_NORMALS_H

#include "zebVRMLNodes.h"

#include <cstddef>
#include <vector>

// One polygon of a face set: a run of coordIndex entries and its number
// among the polygons, dropped ones included.
struct zebVRMLFace
{
  size_t Start;
  size_t Count;
  int Number;
};

// Steps of work a scene may still take; Spend fails once they run out.
struct zebVRMLBudget
{
  size_t Left;

  bool Spend(size_t steps)
  {
    if (steps > this->Left)
    {
      this->Left = 0;
      return false;
    }
    this->Left -= steps;
    return true;
  }
};

// Sets corners to the summed normal of each corner of faces, 3 per corner in
// face order (not yet of unit length), given the unit normal of each face (0
// for a face without area). Every face normal compared spends a step of
// budget; returns false when the budget runs out. pointSlots is scratch
// space kept by the caller between face sets: SIZE_MAX entries, as many as
// the largest Coordinate's points, and left so.
bool zebVRMLCreaseNormals(const zebVRMLNode& set,
                          const std::vector<zebVRMLFace>& faces,
                          const std::vector<double>& faceNormals,
                          std::vector<size_t>& pointSlots,
                          zebVRMLBudget& budget,
                          std::vector<double>& corners);

#endif

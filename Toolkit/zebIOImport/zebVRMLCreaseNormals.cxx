// Crease-angle normals. The corners of a face set are listed by point; at
// each point the faces are taken in groups of equal normals, and the groups
// are sorted into a tree of boxes around their normals, each box with the
// sum of its normals. The sum at a corner adds whole the boxes that lie
// within the crease angle, leaves whole those beyond it, and compares one by
// one only the normals of the boxes the limit cuts: a point shared by very
// many faces, such as the apex of a cone or the pole of a sphere, costs
// little more per corner than any other. Normals spread all over the sphere
// at one point cost more, and the budget bounds them.
#include "zebVRMLCreaseNormals.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numeric>

namespace
{
const double Pi = 3.14159265358979323846;
// Groups in a box that is not split further.
const size_t LeafSize = 16;
// Far above the rounding of a dot product of unit vectors: a box is taken or
// left whole only when its bound clears the limit by this much.
const double Margin = 1e-12;

// The corners listed by point: the corners at the n-th point met are the
// entries First[n] to First[n + 1] - 1, in face order, each with its face's
// position in faces and its own position among all corners.
struct CornersAtPoints
{
  std::vector<size_t> First, Faces, Corners;
};

// Numbers the points in the order the corners meet them, through slots, so
// that the cost follows the corners, not the points of the Coordinate.
CornersAtPoints ListCorners(const zebVRMLNode& set,
                            const std::vector<zebVRMLFace>& faces,
                            std::vector<size_t>& slots)
{
  const std::vector<int>& index = set.CoordIndex;
  slots.resize(std::max(slots.size(), set.Coord->Vectors.size() / 3), SIZE_MAX);
  CornersAtPoints at;
  std::vector<size_t> met;
  at.First.push_back(0);
  for (const zebVRMLFace& face : faces)
  {
    for (size_t k = 0; k < face.Count; ++k)
    {
      size_t& slot = slots[static_cast<size_t>(index[face.Start + k])];
      if (slot == SIZE_MAX)
      {
        slot = met.size();
        met.push_back(static_cast<size_t>(index[face.Start + k]));
        at.First.push_back(0);
      }
      ++at.First[slot + 1];
    }
  }
  std::partial_sum(at.First.begin(), at.First.end(), at.First.begin());
  at.Faces.resize(at.First.back());
  at.Corners.resize(at.First.back());
  std::vector<size_t> next(at.First.begin(), at.First.end() - 1);
  size_t corner = 0;
  for (size_t f = 0; f < faces.size(); ++f)
  {
    for (size_t k = 0; k < faces[f].Count; ++k, ++corner)
    {
      size_t& to = next[slots[static_cast<size_t>(index[faces[f].Start + k])]];
      at.Faces[to] = f;
      at.Corners[to] = corner;
      ++to;
    }
  }
  for (size_t point : met)
  {
    slots[point] = SIZE_MAX;
  }
  return at;
}

// For each face, a number shared by the faces whose normals are equal.
std::vector<size_t> NormalNumbers(const std::vector<double>& faceNormals, size_t count)
{
  std::vector<size_t> order(count);
  std::iota(order.begin(), order.end(), size_t(0));
  auto less = [&](size_t a, size_t b)
  {
    return std::lexicographical_compare(
      &faceNormals[3 * a], &faceNormals[3 * a] + 3, &faceNormals[3 * b], &faceNormals[3 * b] + 3);
  };
  std::sort(order.begin(), order.end(), less);
  std::vector<size_t> numbers(count, 0);
  for (size_t i = 1; i < count; ++i)
  {
    numbers[order[i]] = numbers[order[i - 1]] + (less(order[i - 1], order[i]) ? 1 : 0);
  }
  return numbers;
}

// The faces at one point whose normals are equal: that normal, how many
// corners of such faces the point has, and the sum made for a face listed
// once in the group, once it is made.
struct NormalGroup
{
  const double* Normal;
  size_t Count;
  bool SumMade;
  double Sum[3];
};

// A group's normal and corner count, copied into the tree's own order so
// that a box's groups lie side by side.
struct TreeEntry
{
  double Normal[3];
  size_t Count;
  size_t Group;
};

// A box around the normals of entries Begin to End - 1, with the sum of
// those normals, each as many times as its group has corners; its two
// halves are the boxes Left and Right, 0 for a box not split.
struct NormalBox
{
  double Low[3], High[3], Sum[3];
  size_t Begin, End, Left, Right;
};

struct NormalTree
{
  std::vector<TreeEntry> Entries;
  std::vector<size_t> PositionOf, Stack;
  std::vector<NormalBox> Boxes;
};

// Adds the box of entries begin to end - 1, split in halves along its
// longest side while it holds more than LeafSize entries.
size_t AddBox(NormalTree& tree, size_t begin, size_t end)
{
  NormalBox box;
  box.Begin = begin;
  box.End = end;
  box.Left = box.Right = 0;
  for (int i = 0; i < 3; ++i)
  {
    box.Low[i] = std::numeric_limits<double>::infinity();
    box.High[i] = -box.Low[i];
    box.Sum[i] = 0;
  }
  for (size_t e = begin; e < end; ++e)
  {
    const TreeEntry& entry = tree.Entries[e];
    for (int i = 0; i < 3; ++i)
    {
      box.Low[i] = std::min(box.Low[i], entry.Normal[i]);
      box.High[i] = std::max(box.High[i], entry.Normal[i]);
      box.Sum[i] += static_cast<double>(entry.Count) * entry.Normal[i];
    }
  }
  size_t at = tree.Boxes.size();
  tree.Boxes.push_back(box);
  if (end - begin > LeafSize)
  {
    int axis = 0;
    for (int i = 1; i < 3; ++i)
    {
      axis = box.High[i] - box.Low[i] > box.High[axis] - box.Low[axis] ? i : axis;
    }
    size_t middle = begin + (end - begin) / 2;
    std::nth_element(tree.Entries.begin() + static_cast<std::ptrdiff_t>(begin),
                     tree.Entries.begin() + static_cast<std::ptrdiff_t>(middle),
                     tree.Entries.begin() + static_cast<std::ptrdiff_t>(end),
                     [axis](const TreeEntry& a, const TreeEntry& b)
                     { return a.Normal[axis] < b.Normal[axis]; });
    size_t left = AddBox(tree, begin, middle);
    size_t right = AddBox(tree, middle, end);
    tree.Boxes[at].Left = left;
    tree.Boxes[at].Right = right;
  }
  return at;
}

void BuildTree(NormalTree& tree, const std::vector<NormalGroup>& groups)
{
  tree.Entries.resize(groups.size());
  for (size_t g = 0; g < groups.size(); ++g)
  {
    TreeEntry& entry = tree.Entries[g];
    std::copy(groups[g].Normal, groups[g].Normal + 3, entry.Normal);
    entry.Count = groups[g].Count;
    entry.Group = g;
  }
  tree.Boxes.clear();
  AddBox(tree, 0, groups.size());
  tree.PositionOf.resize(groups.size());
  for (size_t e = 0; e < groups.size(); ++e)
  {
    tree.PositionOf[tree.Entries[e].Group] = e;
  }
}

// The sum at a corner of a face of group own that is listed `listed` times
// at the point: its normal plus the normals of the point's other corners
// within the crease angle (a dot product above limit). Returns false when
// the budget runs out.
bool SumAround(NormalTree& tree,
               const std::vector<NormalGroup>& groups,
               size_t own,
               size_t listed,
               double limit,
               zebVRMLBudget& budget,
               double sum[3])
{
  const double* n = groups[own].Normal;
  std::copy(n, n + 3, sum);
  tree.Stack.assign(1, 0);
  while (!tree.Stack.empty())
  {
    const NormalBox& box = tree.Boxes[tree.Stack.back()];
    tree.Stack.pop_back();
    if (!budget.Spend(box.Left == 0 ? box.End - box.Begin : 1))
    {
      return false;
    }
    if (box.Left == 0)
    {
      for (size_t e = box.Begin; e < box.End; ++e)
      {
        const TreeEntry& entry = tree.Entries[e];
        const double* other = entry.Normal;
        size_t count = entry.Group == own ? entry.Count - listed : entry.Count;
        if (count > 0 && n[0] * other[0] + n[1] * other[1] + n[2] * other[2] > limit)
        {
          for (int i = 0; i < 3; ++i)
          {
            sum[i] += static_cast<double>(count) * other[i];
          }
        }
      }
      continue;
    }
    double low = 0, high = 0;
    for (int i = 0; i < 3; ++i)
    {
      low += n[i] * (n[i] < 0 ? box.High[i] : box.Low[i]);
      high += n[i] * (n[i] < 0 ? box.Low[i] : box.High[i]);
    }
    if (low > limit + Margin)
    {
      size_t position = tree.PositionOf[own];
      double mine = position >= box.Begin && position < box.End ? static_cast<double>(listed) : 0;
      for (int i = 0; i < 3; ++i)
      {
        sum[i] += box.Sum[i] - mine * n[i];
      }
    }
    else if (high > limit - Margin)
    {
      tree.Stack.push_back(box.Right);
      tree.Stack.push_back(box.Left);
    }
  }
  return true;
}
}

bool zebVRMLCreaseNormals(const zebVRMLNode& set,
                          const std::vector<zebVRMLFace>& faces,
                          const std::vector<double>& faceNormals,
                          std::vector<size_t>& pointSlots,
                          zebVRMLBudget& budget,
                          std::vector<double>& corners)
{
  CornersAtPoints at = ListCorners(set, faces, pointSlots);
  std::vector<size_t> normalOfFace = NormalNumbers(faceNormals, faces.size());
  corners.resize(3 * at.Faces.size());
  double limit = std::cos(std::min(set.CreaseAngle, Pi));
  // For each normal number, its group at the point in hand, found by stamp.
  std::vector<size_t> stamp(faces.size(), SIZE_MAX), groupOf(faces.size(), 0);
  std::vector<NormalGroup> groups;
  NormalTree tree;
  for (size_t point = 0; point + 1 < at.First.size(); ++point)
  {
    groups.clear();
    for (size_t e = at.First[point]; e < at.First[point + 1]; ++e)
    {
      size_t number = normalOfFace[at.Faces[e]];
      if (stamp[number] != point)
      {
        stamp[number] = point;
        groupOf[number] = groups.size();
        groups.push_back(NormalGroup{ &faceNormals[3 * at.Faces[e]], 0, false, { 0, 0, 0 } });
      }
      ++groups[groupOf[number]].Count;
    }
    BuildTree(tree, groups);
    // A face listed k times at the point has k corners there, each of which
    // leaves out the face's k entries.
    for (size_t e = at.First[point], run = 0; e < at.First[point + 1]; e += run)
    {
      size_t face = at.Faces[e];
      for (run = 1; e + run < at.First[point + 1] && at.Faces[e + run] == face; ++run)
      {
      }
      size_t own = groupOf[normalOfFace[face]];
      NormalGroup& group = groups[own];
      double sum[3];
      if (run == 1 && group.SumMade)
      {
        std::copy(group.Sum, group.Sum + 3, sum);
      }
      else
      {
        if (!SumAround(tree, groups, own, run, limit, budget, sum))
        {
          return false;
        }
        if (run == 1)
        {
          std::copy(sum, sum + 3, group.Sum);
          group.SumMade = true;
        }
      }
      for (size_t r = 0; r < run; ++r)
      {
        std::copy(sum, sum + 3, &corners[3 * at.Corners[e + r]]);
      }
    }
  }
  return true;
}

// A data set of points and cells of any type: each cell lists the ids of its
// points. Points carry point data, cells carry cell data.
#ifndef ZEB_UNSTRUCTURED_GRID_H
#define ZEB_UNSTRUCTURED_GRID_H

#include "zebDataObject.h"
#include "zebDoubleArray.h"

#include <vector>

// Cell types.
enum zebCellType
{
  ZEB_EMPTY_CELL = 0,  // a cell of a type the grid does not know
  ZEB_VERTEX = 1,
  ZEB_LINE = 3,
  ZEB_TRIANGLE = 5,
  ZEB_QUAD = 9,
  ZEB_TETRA = 10,
  ZEB_HEXAHEDRON = 12,
  ZEB_WEDGE = 13,
  ZEB_PYRAMID = 14
};

class zebUnstructuredGrid : public zebDataObject
{
  zebTypeMacro(zebUnstructuredGrid, zebDataObject);
  static zebUnstructuredGrid* New();

  // Point coordinates, three components per point.
  zebDoubleArray* GetPoints() const
  {
    return this->Points;
  }
  void InsertNextPoint(double x, double y, double z);
  zebIdType GetNumberOfPoints() const
  {
    return this->Points->GetNumberOfTuples();
  }

  // Adds a cell and gives its id.
  zebIdType InsertNextCell(int type, int size, const zebIdType* pointIds);
  zebIdType GetNumberOfCells() const
  {
    return static_cast<zebIdType>(this->CellTypes.size());
  }
  int GetCellType(zebIdType cellId) const
  {
    return this->CellTypes.at(static_cast<size_t>(cellId));
  }
  // The point ids of a cell, in the cell's order.
  std::vector<zebIdType> GetCellPoints(zebIdType cellId) const;

  zebFieldData* GetPointData() const
  {
    return this->PointData;
  }
  zebFieldData* GetCellData() const
  {
    return this->CellData;
  }
  zebFieldData* GetAttributes(int kind) override;

  void PrintSelf(std::ostream& os, zebIndent indent) override;

protected:
  zebUnstructuredGrid();
  ~zebUnstructuredGrid() override;

private:
  zebDoubleArray* Points;
  std::vector<int> CellTypes;
  std::vector<size_t> CellStarts;  // one more than the cells: the end of the last
  std::vector<zebIdType> Connectivity;
  zebFieldData* PointData;
  zebFieldData* CellData;
};

#endif

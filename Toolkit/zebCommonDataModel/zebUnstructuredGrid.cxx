// A data set of points and cells of any type.
#include "zebUnstructuredGrid.h"

#include <zebObjectFactory.h>

zebStandardNewMacro(zebUnstructuredGrid);

zebUnstructuredGrid::zebUnstructuredGrid()
  : Points(zebDoubleArray::New())
  , CellStarts(1, 0)
  , PointData(zebFieldData::New())
  , CellData(zebFieldData::New())
{
  this->Points->SetName("Points");
  this->Points->SetNumberOfComponents(3);
}

zebUnstructuredGrid::~zebUnstructuredGrid()
{
  this->Points->Delete();
  this->PointData->Delete();
  this->CellData->Delete();
}

void zebUnstructuredGrid::InsertNextPoint(double x, double y, double z)
{
  this->Points->InsertNextValue(x);
  this->Points->InsertNextValue(y);
  this->Points->InsertNextValue(z);
}

zebIdType zebUnstructuredGrid::InsertNextCell(int type, int size, const zebIdType* pointIds)
{
  this->CellTypes.push_back(type);
  this->Connectivity.insert(this->Connectivity.end(), pointIds, pointIds + size);
  this->CellStarts.push_back(this->Connectivity.size());
  return this->GetNumberOfCells() - 1;
}

std::vector<zebIdType> zebUnstructuredGrid::GetCellPoints(zebIdType cellId) const
{
  size_t cell = static_cast<size_t>(cellId);
  auto begin = this->Connectivity.begin();
  return std::vector<zebIdType>(begin + static_cast<std::ptrdiff_t>(this->CellStarts.at(cell)),
                                begin + static_cast<std::ptrdiff_t>(this->CellStarts.at(cell + 1)));
}

zebFieldData* zebUnstructuredGrid::GetAttributes(int kind)
{
  switch (kind)
  {
    case POINT:
      return this->PointData;
    case CELL:
      return this->CellData;
    default:
      return nullptr;
  }
}

void zebUnstructuredGrid::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Number Of Points: " << this->GetNumberOfPoints() << "\n";
  os << indent << "Number Of Cells: " << this->GetNumberOfCells() << "\n";
  os << indent << "Point Data:\n";
  this->PointData->PrintSelf(os, indent.GetNextIndent());
  os << indent << "Cell Data:\n";
  this->CellData->PrintSelf(os, indent.GetNextIndent());
}

// Reader of Exodus II files: turns each element block of the file into an
// unstructured grid with its own points, made from the nodes it uses.
#include "zebExodusIIReader.h"

#include "zebExodusIIMesh.h"

#include <zebIdTypeArray.h>
#include <zebObjectFactory.h>
#include <zebSmartPointerBase.h>
#include <zebUnstructuredGrid.h>

#include <cctype>
#include <cstdio>
#include <new>

zebStandardNewMacro(zebExodusIIReader);

zebExodusIIReader::zebExodusIIReader()
  : HasFileName(false)
  , GenerateImplicitElementIdArray(false)
  , GenerateImplicitNodeIdArray(false)
{
}

void zebExodusIIReader::SetFileName(const char* name)
{
  this->HasFileName = name != nullptr;
  this->FileName = name ? name : "";
  this->Modified();
}

const char* zebExodusIIReader::GetFileName() const
{
  return this->HasFileName ? this->FileName.c_str() : nullptr;
}

void zebExodusIIReader::SetGenerateImplicitElementIdArray(bool generate)
{
  this->GenerateImplicitElementIdArray = generate;
  this->Modified();
}

void zebExodusIIReader::SetGenerateImplicitNodeIdArray(bool generate)
{
  this->GenerateImplicitNodeIdArray = generate;
  this->Modified();
}

static zebSmartPointer<zebIdTypeArray> NewIdArray(const char* name, zebIdType size)
{
  zebSmartPointer<zebIdTypeArray> array = zebSmartPointer<zebIdTypeArray>::New();
  array->SetName(name);
  array->Allocate(size);
  return array;
}

// The grid of one element block. Its points are the nodes the block uses, in
// order of first use; nodeOfPoint gets each point's 1-based node number.
// pointOfNode, one entry per node of the file, is -1 for every node on entry
// and on return, so that the blocks share it and each block's work is bounded
// by its own connectivity.
static zebSmartPointer<zebUnstructuredGrid> MakeGrid(const zebExodusIIMesh& mesh,
                                                     const zebExodusIIElementBlock& block,
                                                     std::vector<zebIdType>& pointOfNode,
                                                     std::vector<int64_t>& nodeOfPoint)
{
  zebSmartPointer<zebUnstructuredGrid> grid = zebSmartPointer<zebUnstructuredGrid>::New();
  std::vector<zebIdType> cell(static_cast<size_t>(block.NodesPerElement));
  size_t next = 0;
  for (int64_t element = 0; element < block.NumberOfElements; ++element)
  {
    for (zebIdType& point : cell)
    {
      size_t node = static_cast<size_t>(block.Connectivity[next++] - 1);
      if (pointOfNode[node] < 0)
      {
        pointOfNode[node] = static_cast<zebIdType>(nodeOfPoint.size());
        nodeOfPoint.push_back(static_cast<int64_t>(node) + 1);
        grid->InsertNextPoint(mesh.X[node], mesh.Y[node], mesh.Z[node]);
      }
      point = pointOfNode[node];
    }
    grid->InsertNextCell(block.CellType, static_cast<int>(cell.size()), cell.data());
  }
  for (int64_t node : nodeOfPoint)
  {
    pointOfNode[static_cast<size_t>(node - 1)] = -1;
  }
  return grid;
}

// The element type as printable text on one line.
static std::string Printable(const std::string& text)
{
  std::string printable;
  for (char c : text)
  {
    printable += isprint(static_cast<unsigned char>(c)) ? c : '?';
  }
  return printable;
}

void zebExodusIIReader::RequestData(zebMultiBlockDataSet* output)
{
  if (!this->HasFileName)
  {
    fprintf(stderr, "zebExodusIIReader: no file name is set\n");
    return;
  }
  zebExodusIIMesh mesh;
  std::string reason;
  bool read = zebReadExodusIIMesh(this->FileName.c_str(), mesh, reason);
  if (read)
  {
    try
    {
      this->MakeBlocks(mesh, output);
    }
    catch (const std::bad_alloc&)
    {
      output->SetNumberOfBlocks(0);
      read = false;
      reason = zebExodusIINotEnoughMemory;
    }
  }
  if (!read)
  {
    fprintf(stderr,
            "zebExodusIIReader: cannot read \"%s\": %s\n",
            this->FileName.c_str(),
            reason.c_str());
  }
}

void zebExodusIIReader::MakeBlocks(const zebExodusIIMesh& mesh, zebMultiBlockDataSet* output)
{
  zebSmartPointer<zebMultiBlockDataSet> elementBlocks =
    zebSmartPointer<zebMultiBlockDataSet>::New();
  std::vector<zebIdType> pointOfNode(static_cast<size_t>(mesh.NumberOfNodes), -1);
  zebIdType elementsBefore = 0;
  for (const zebExodusIIElementBlock& block : mesh.Blocks)
  {
    if (block.Skipped)
    {
      this->ReportSkipped(block);
      elementsBefore += block.NumberOfElements;
      continue;
    }
    std::vector<int64_t> nodeOfPoint;
    zebSmartPointer<zebUnstructuredGrid> grid = MakeGrid(mesh, block, pointOfNode, nodeOfPoint);
    if (this->GenerateImplicitElementIdArray)
    {
      zebSmartPointer<zebIdTypeArray> ids = NewIdArray("ImplicitElementId", block.NumberOfElements);
      for (int64_t element = 1; element <= block.NumberOfElements; ++element)
      {
        ids->InsertNextValue(elementsBefore + element);
      }
      grid->GetCellData()->AddArray(ids);
    }
    if (this->GenerateImplicitNodeIdArray)
    {
      zebSmartPointer<zebIdTypeArray> ids =
        NewIdArray("ImplicitNodeId", static_cast<zebIdType>(nodeOfPoint.size()));
      for (int64_t node : nodeOfPoint)
      {
        ids->InsertNextValue(node);
      }
      grid->GetPointData()->AddArray(ids);
    }
    elementsBefore += block.NumberOfElements;
    elementBlocks->SetBlock(elementBlocks->GetNumberOfBlocks(), grid);
  }
  output->SetBlock(0, elementBlocks);
}

void zebExodusIIReader::ReportSkipped(const zebExodusIIElementBlock& block) const
{
  std::string type = Printable(block.ElementType);
  if (block.CellType == ZEB_EMPTY_CELL)
  {
    fprintf(stderr,
            "zebExodusIIReader: \"%s\": element block %lld skipped: its elements are of type "
            "\"%s\", which the reader does not read\n",
            this->FileName.c_str(),
            static_cast<long long>(block.Id),
            type.c_str());
    return;
  }
  fprintf(stderr,
          "zebExodusIIReader: \"%s\": element block %lld skipped: its elements of type \"%s\" "
          "have %lld nodes each, which does not fit that type\n",
          this->FileName.c_str(),
          static_cast<long long>(block.Id),
          type.c_str(),
          static_cast<long long>(block.NodesPerElement));
}

void zebExodusIIReader::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "File Name: " << (this->HasFileName ? this->FileName : "(none)") << "\n";
  os << indent << "Generate Implicit Element Id Array: "
     << (this->GenerateImplicitElementIdArray ? "On" : "Off") << "\n";
  os << indent
     << "Generate Implicit Node Id Array: " << (this->GenerateImplicitNodeIdArray ? "On" : "Off")
     << "\n";
}

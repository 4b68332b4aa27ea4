// The reader seam of exodus_program_probe, a build of exodus_tests for outputs that no
// Exodus II file gives. It replaces the parallel module's reader: a file whose
// first line is "crafted" describes the output to produce, one line each:
//
//   layout nested | flat | inner-block-set
//   cell|point <array name> id|double <value>...
//
// "nested" (the default) puts one grid carrying the arrays at block 0 of a
// block set at block 0 of the output, as the reader does; "flat" puts the grid
// itself at block 0 of the output; "inner-block-set" puts a block set in the
// grid's place. Any other file is read as an Exodus II file; with
// ZEB_EXODUS_PROBE_IDS=maps set, the probe then stands for a reader that
// takes the implicit ids from the file's node and element number maps
// instead of from positions.
#include <ExodusMeshWriter.h>

#include <zebDoubleArray.h>
#include <zebIdTypeArray.h>
#include <zebObjectFactory.h>
#include <zebPExodusIIReader.h>
#include <zebUnstructuredGrid.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

class CraftedExodusReader : public zebPExodusIIReader
{
  zebTypeMacro(CraftedExodusReader, zebPExodusIIReader);
  static CraftedExodusReader* New();

protected:
  CraftedExodusReader() = default;
  void RequestData(zebMultiBlockDataSet* output) override;
};

zebStandardNewMacro(CraftedExodusReader);

static zebAbstractArray* NewArray(const std::string& type, std::istringstream& values)
{
  if (type == "double")
  {
    zebDoubleArray* array = zebDoubleArray::New();
    for (double value; values >> value;)
    {
      array->InsertNextValue(value);
    }
    return array;
  }
  zebIdTypeArray* array = zebIdTypeArray::New();
  for (zebIdType value; values >> value;)
  {
    array->InsertNextValue(value);
  }
  return array;
}

static void AddArray(zebUnstructuredGrid* grid, std::istringstream& line)
{
  std::string kind, name, type;
  line >> kind >> name >> type;
  zebAbstractArray* array = NewArray(type, line);
  array->SetName(name.c_str());
  (kind == "cell" ? grid->GetCellData() : grid->GetPointData())->AddArray(array);
  array->Delete();
}

static void PlaceInBlockSet(zebMultiBlockDataSet* parent, zebDataObject* block)
{
  zebMultiBlockDataSet* blockSet = zebMultiBlockDataSet::New();
  blockSet->SetBlock(0, block);
  parent->SetBlock(0, blockSet);
  blockSet->Delete();
}

// Replaces the id array name of data, which holds positions, by the ids the
// map gives those positions.
static void MapIds(zebFieldData* data, const char* name, const std::vector<int>& map)
{
  int index = -1;
  zebIdTypeArray* positions = zebIdTypeArray::SafeDownCast(data->GetAbstractArray(name, index));
  if (!positions)
  {
    return;
  }
  zebIdTypeArray* ids = zebIdTypeArray::New();
  ids->SetName(name);
  for (zebIdType i = 0; i < positions->GetNumberOfValues(); ++i)
  {
    ids->InsertNextValue(map.at(static_cast<size_t>(positions->GetValue(i) - 1)));
  }
  data->AddArray(ids);
  ids->Delete();
}

static void TakeIdsFromMaps(zebMultiBlockDataSet* output, const char* path)
{
  std::vector<int> nodeIds, elementIds;
  std::string reason;
  if (!ReadExodusNumberMaps(path, nodeIds, elementIds, reason))
  {
    return;
  }
  zebMultiBlockDataSet* blocks = zebMultiBlockDataSet::SafeDownCast(output->GetBlock(0));
  for (unsigned int b = 0; blocks && b < blocks->GetNumberOfBlocks(); ++b)
  {
    zebUnstructuredGrid* grid = zebUnstructuredGrid::SafeDownCast(blocks->GetBlock(b));
    if (grid)
    {
      MapIds(grid->GetCellData(), "ImplicitElementId", elementIds);
      MapIds(grid->GetPointData(), "ImplicitNodeId", nodeIds);
    }
  }
}

void CraftedExodusReader::RequestData(zebMultiBlockDataSet* output)
{
  std::ifstream file(this->GetFileName() ? this->GetFileName() : "");
  std::string text;
  if (!std::getline(file, text) || text != "crafted")
  {
    this->Superclass::RequestData(output);
    const char* ids = getenv("ZEB_EXODUS_PROBE_IDS");
    if (ids && strcmp(ids, "maps") == 0)
    {
      TakeIdsFromMaps(output, this->GetFileName());
    }
    return;
  }
  zebUnstructuredGrid* grid = zebUnstructuredGrid::New();
  std::string layout = "nested";
  while (std::getline(file, text))
  {
    std::istringstream line(text);
    if (text.rfind("layout ", 0) == 0)
    {
      line >> layout >> layout;
      continue;
    }
    AddArray(grid, line);
  }
  if (layout == "flat")
  {
    output->SetBlock(0, grid);
  }
  else if (layout == "inner-block-set")
  {
    zebMultiBlockDataSet* inner = zebMultiBlockDataSet::New();
    inner->SetBlock(0, grid);
    PlaceInBlockSet(output, inner);
    inner->Delete();
  }
  else
  {
    PlaceInBlockSet(output, grid);
  }
  grid->Delete();
}

static zebObjectBase* CreateCraftedExodusReader()
{
  return CraftedExodusReader::New();
}

namespace
{
struct Registration
{
  Registration()
  {
    zebObjectFactory::RegisterOverride(
      "zebPExodusIIReader", CreateCraftedExodusReader, "exodus_program_probe");
  }
} const registration;
}

// Reads the bundled Exodus II file with both implicit id arrays switched on
// and checks the ids of the first element block: its element ids count 1, 2,
// 3, ... and its first three node ids are 143, 706 and 3173.
#include <TestDataFile.h>

#include <zebExodusIIReader.h>
#include <zebIdTypeArray.h>
#include <zebMultiBlockDataSet.h>
#include <zebSmartPointerBase.h>

// This program's start-up registrations, made before main runs.
#include "TestStartup.h"

// The id array called name in the block's attribute data of the given kind,
// or null when the block has no such data or the array is missing or holds
// something other than ids.
static zebIdTypeArray* FindIdArray(zebDataObject* block, int kind, const char* name)
{
  zebFieldData* fieldData = block->GetAttributes(kind);
  if (!fieldData)
  {
    return nullptr;
  }
  int index = -1;
  return zebIdTypeArray::SafeDownCast(fieldData->GetAbstractArray(name, index));
}

int TestExodusImplicitArrays(int argc, char* argv[])
{
  char* fileName = ComposeDataFilePath(argc, argv, "Data/disk_out_ref.ex2");
  zebSmartPointer<zebExodusIIReader> reader(zebExodusIIReader::New(),
                                            zebSmartPointerBase::NoReference());
  reader->SetFileName(fileName);
  reader->GenerateImplicitElementIdArrayOn();
  reader->GenerateImplicitNodeIdArrayOn();
  reader->Update();
  delete[] fileName;

  zebMultiBlockDataSet* output = reader->GetOutput();
  if (!output)
  {
    return 1;
  }
  zebMultiBlockDataSet* elementBlocks = zebMultiBlockDataSet::SafeDownCast(output->GetBlock(0));
  if (!elementBlocks)
  {
    return 1;
  }
  zebDataObject* block = elementBlocks->GetBlock(0);
  if (!block)
  {
    return 1;
  }
  zebIdTypeArray* elementIds = FindIdArray(block, zebDataObject::CELL, "ImplicitElementId");
  zebIdTypeArray* nodeIds = FindIdArray(block, zebDataObject::POINT, "ImplicitNodeId");
  if (!elementIds || !nodeIds)
  {
    return 1;
  }
  for (int i = 0; i < elementIds->GetNumberOfTuples(); ++i)
  {
    if (elementIds->GetValue(i) != i + 1)
    {
      return 1;
    }
  }
  const zebIdType expectedNodeIds[3] = { 143, 706, 3173 };
  if (nodeIds->GetNumberOfValues() < 3)
  {
    return 1;
  }
  for (int i = 0; i < 3; ++i)
  {
    if (nodeIds->GetValue(i) != expectedNodeIds[i])
    {
      return 1;
    }
  }
  return 0;
}

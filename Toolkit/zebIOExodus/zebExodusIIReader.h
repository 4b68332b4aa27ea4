// Reader of Exodus II files. Its output's block 0 is a block set holding one
// unstructured grid per element block of the file, in file order; a block of
// elements of a kind the reader does not read (NSIDED, NFACED, an unknown
// type), or whose nodes per element do not fit their type, is left out with
// a one-line message on standard error. A grid's
// points are the nodes its elements use, in order of first use. On request
// each grid carries the cell array "ImplicitElementId" (each element's 1-based
// position among all elements of the file) and the point array
// "ImplicitNodeId" (each point's 1-based position in the file's node list).
// A file that cannot be read gives one message on standard error and an
// output without blocks.
#ifndef ZEB_EXODUS_II_READER_H
#define ZEB_EXODUS_II_READER_H

#include <zebMultiBlockDataSetAlgorithm.h>

#include <string>

struct zebExodusIIElementBlock;
struct zebExodusIIMesh;

class zebExodusIIReader : public zebMultiBlockDataSetAlgorithm
{
  zebTypeMacro(zebExodusIIReader, zebMultiBlockDataSetAlgorithm);
  static zebExodusIIReader* New();

  // The reader keeps its own copy of the name; null clears it.
  void SetFileName(const char* name);
  // The file name, or null when none is set.
  const char* GetFileName() const;

  void SetGenerateImplicitElementIdArray(bool generate);
  bool GetGenerateImplicitElementIdArray() const
  {
    return this->GenerateImplicitElementIdArray;
  }
  void GenerateImplicitElementIdArrayOn()
  {
    this->SetGenerateImplicitElementIdArray(true);
  }
  void GenerateImplicitElementIdArrayOff()
  {
    this->SetGenerateImplicitElementIdArray(false);
  }

  void SetGenerateImplicitNodeIdArray(bool generate);
  bool GetGenerateImplicitNodeIdArray() const
  {
    return this->GenerateImplicitNodeIdArray;
  }
  void GenerateImplicitNodeIdArrayOn()
  {
    this->SetGenerateImplicitNodeIdArray(true);
  }
  void GenerateImplicitNodeIdArrayOff()
  {
    this->SetGenerateImplicitNodeIdArray(false);
  }

  void PrintSelf(std::ostream& os, zebIndent indent) override;

protected:
  zebExodusIIReader();
  void RequestData(zebMultiBlockDataSet* output) override;

private:
  // Puts the block set of mesh into block 0 of output.
  void MakeBlocks(const zebExodusIIMesh& mesh, zebMultiBlockDataSet* output);
  // One line on standard error for a block the reader leaves out.
  void ReportSkipped(const zebExodusIIElementBlock& block) const;

  std::string FileName;
  bool HasFileName;
  bool GenerateImplicitElementIdArray;
  bool GenerateImplicitNodeIdArray;
};

#endif

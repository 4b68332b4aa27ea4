// A data object made of numbered blocks, each a data object of its own (or
// empty). The set holds a reference to each of its blocks.
#ifndef ZEB_MULTI_BLOCK_DATA_SET_H
#define ZEB_MULTI_BLOCK_DATA_SET_H

#include "zebDataObject.h"

#include <vector>

class zebMultiBlockDataSet : public zebDataObject
{
  zebTypeMacro(zebMultiBlockDataSet, zebDataObject);
  static zebMultiBlockDataSet* New();

  unsigned int GetNumberOfBlocks() const
  {
    return static_cast<unsigned int>(this->Blocks.size());
  }
  // Grows the set with empty blocks or drops the blocks past the new end.
  void SetNumberOfBlocks(unsigned int blocks);
  // Puts block (may be null) at index, growing the set when needed.
  void SetBlock(unsigned int index, zebDataObject* block);
  // The block at index, or null when it is empty or past the end.
  zebDataObject* GetBlock(unsigned int index) const;
  // Drops every block.
  void Initialize()
  {
    this->SetNumberOfBlocks(0);
  }

  void PrintSelf(std::ostream& os, zebIndent indent) override;

protected:
  zebMultiBlockDataSet() = default;
  ~zebMultiBlockDataSet() override;

private:
  std::vector<zebDataObject*> Blocks;
};

#endif

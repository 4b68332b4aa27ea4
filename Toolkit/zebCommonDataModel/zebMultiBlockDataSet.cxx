// A data object made of numbered blocks.
#include "zebMultiBlockDataSet.h"

#include <zebObjectFactory.h>

zebStandardNewMacro(zebMultiBlockDataSet);

zebMultiBlockDataSet::~zebMultiBlockDataSet()
{
  this->Initialize();
}

void zebMultiBlockDataSet::SetNumberOfBlocks(unsigned int blocks)
{
  for (size_t i = blocks; i < this->Blocks.size(); ++i)
  {
    if (this->Blocks[i])
    {
      this->Blocks[i]->UnRegister(this);
    }
  }
  this->Blocks.resize(blocks, nullptr);
}

void zebMultiBlockDataSet::SetBlock(unsigned int index, zebDataObject* block)
{
  if (index >= this->Blocks.size())
  {
    this->SetNumberOfBlocks(index + 1);
  }
  if (block)
  {
    block->Register(this);
  }
  if (this->Blocks[index])
  {
    this->Blocks[index]->UnRegister(this);
  }
  this->Blocks[index] = block;
}

zebDataObject* zebMultiBlockDataSet::GetBlock(unsigned int index) const
{
  return index < this->Blocks.size() ? this->Blocks[index] : nullptr;
}

void zebMultiBlockDataSet::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Number Of Blocks: " << this->Blocks.size() << "\n";
  for (size_t i = 0; i < this->Blocks.size(); ++i)
  {
    os << indent << "Block " << i << ": "
       << (this->Blocks[i] ? this->Blocks[i]->GetClassName() : "(empty)") << "\n";
  }
}

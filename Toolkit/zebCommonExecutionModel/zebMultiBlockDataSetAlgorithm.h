// Base of the algorithms whose output is a multi-block data set. The output
// object lives as long as the algorithm; Update refills it when a setting has
// changed since the last update.
#ifndef ZEB_MULTI_BLOCK_DATA_SET_ALGORITHM_H
#define ZEB_MULTI_BLOCK_DATA_SET_ALGORITHM_H

#include <zebMultiBlockDataSet.h>

class zebMultiBlockDataSetAlgorithm : public zebObjectBase
{
  zebTypeMacro(zebMultiBlockDataSetAlgorithm, zebObjectBase);

  // The output; never null. Owned by the algorithm.
  zebMultiBlockDataSet* GetOutput() const
  {
    return this->Output;
  }

  // Empties the output and produces it afresh, unless nothing has changed
  // since the last update.
  void Update();

  // Marks the settings as changed, so that the next Update runs.
  void Modified()
  {
    this->UpToDate = false;
  }

  void PrintSelf(std::ostream& os, zebIndent indent) override;

protected:
  zebMultiBlockDataSetAlgorithm();
  ~zebMultiBlockDataSetAlgorithm() override;

  // Fills the empty output.
  virtual void RequestData(zebMultiBlockDataSet* output) = 0;

private:
  zebMultiBlockDataSet* Output;
  bool UpToDate;
};

#endif

// Base of the algorithms whose output is a multi-block data set.
#include "zebMultiBlockDataSetAlgorithm.h"

zebMultiBlockDataSetAlgorithm::zebMultiBlockDataSetAlgorithm()
  : Output(zebMultiBlockDataSet::New())
  , UpToDate(false)
{
}

zebMultiBlockDataSetAlgorithm::~zebMultiBlockDataSetAlgorithm()
{
  this->Output->Delete();
}

void zebMultiBlockDataSetAlgorithm::Update()
{
  if (this->UpToDate)
  {
    return;
  }
  this->Output->Initialize();
  this->RequestData(this->Output);
  this->UpToDate = true;
}

void zebMultiBlockDataSetAlgorithm::PrintSelf(std::ostream& os, zebIndent indent)
{
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Up To Date: " << (this->UpToDate ? "Yes" : "No") << "\n";
  os << indent << "Output: " << this->Output->GetClassName() << " ("
     << static_cast<const void*>(this->Output) << ")\n";
}

// Runs TestTransferFunctionManager in-process, with the misbehaving manager
// linked in, and reports what it returned or threw and how many managers
// are still alive afterwards.
#include "zebSMFaultyTransferFunctionManager.h"

#include <cstdio>
#include <stdexcept>

int TestTransferFunctionManager(int argc, char* argv[]);

int main(int argc, char* argv[])
{
  try
  {
    printf("returned %d\n", TestTransferFunctionManager(argc, argv));
  }
  catch (const std::exception& error)
  {
    printf("caught: %s\n", error.what());
  }
  printf("live managers: %d\n", zebSMFaultyTransferFunctionManager::GetNumberOfLiveManagers());
  return 0;
}

// Process-wide set-up state of the server manager.
#include "zebInitializationHelper.h"

#include <string>

namespace
{
struct ProcessState
{
  bool initialized = false;
  std::string executablePath;
  int processType = 0;
};

ProcessState& State()
{
  static ProcessState state;
  return state;
}
}

void zebInitializationHelper::Initialize(const char* executablePath, int processType)
{
  ProcessState& state = State();
  if (state.initialized)
  {
    return;
  }
  state.initialized = true;
  state.executablePath = executablePath ? executablePath : "";
  state.processType = processType;
}

void zebInitializationHelper::Finalize()
{
  State() = ProcessState();
}

bool zebInitializationHelper::IsInitialized()
{
  return State().initialized;
}

const char* zebInitializationHelper::GetExecutablePath()
{
  return State().executablePath.c_str();
}

int zebInitializationHelper::GetProcessType()
{
  return State().processType;
}

// Fatal signals on Windows, through the C runtime's signal handlers: the
// runtime also calls them for a hardware fault (an access violation calls the
// SIGSEGV handler). Each frame of the trace is written as its module's file
// and the offset in it.
#include "zebFatalSignals.h"

#include <windows.h>

#include <io.h>
#include <signal.h>
#include <stdio.h>
#include <string.h>

const int zebsys::fatalSignals[] = { SIGSEGV, SIGFPE, SIGILL, SIGABRT, 0 };

void zebsys::SetFatalSignalHandler(int signal, void (*handler)(int))
{
  ::signal(signal, handler ? handler : SIG_DFL);
}

void zebsys::WriteError(const char* text)
{
  _write(2, text, static_cast<unsigned int>(strlen(text)));
}

void zebsys::WriteStackTrace()
{
  void* frames[62];
  USHORT count = CaptureStackBackTrace(0, 62, frames, nullptr);
  for (USHORT i = 0; i < count && frames[i]; ++i)
  {
    HMODULE module = nullptr;
    char file[MAX_PATH];
    char line[MAX_PATH + 64];
    if (GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                             GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           static_cast<LPCSTR>(frames[i]),
                           &module) &&
        GetModuleFileNameA(module, file, MAX_PATH) > 0)
    {
      unsigned long long offset = static_cast<unsigned long long>(static_cast<char*>(frames[i]) -
                                                                  reinterpret_cast<char*>(module));
      snprintf(line, sizeof(line), "%s(+0x%llx) [%p]\n", file, offset, frames[i]);
    }
    else
    {
      snprintf(line, sizeof(line), "[%p]\n", frames[i]);
    }
    WriteError(line);
  }
}

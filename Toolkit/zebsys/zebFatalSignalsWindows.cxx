// Fatal signals and exceptions on Windows. A fault (an access violation, a
// division by zero) is an exception, which reaches the process's unhandled
// exception filter: the report names it, and the process ends with its
// code, as an unhandled exception ends a Windows program. A signal handler
// remains for what the C runtime raises itself (abort). Each frame of the
// trace is written as its module's file and the offset in it.
#include "zebFatalSignals.h"

#include <windows.h>

#include <io.h>
#include <signal.h>
#include <stdio.h>
#include <string.h>

namespace
{
struct ExceptionName
{
  DWORD code;
  const char* name;
};

const ExceptionName exceptionNames[] = {
  { EXCEPTION_ACCESS_VIOLATION, "access violation" },
  { EXCEPTION_ARRAY_BOUNDS_EXCEEDED, "array bounds exceeded" },
  { EXCEPTION_DATATYPE_MISALIGNMENT, "datatype misalignment" },
  { EXCEPTION_FLT_DIVIDE_BY_ZERO, "floating-point division by zero" },
  { EXCEPTION_FLT_INVALID_OPERATION, "floating-point invalid operation" },
  { EXCEPTION_FLT_OVERFLOW, "floating-point overflow" },
  { EXCEPTION_ILLEGAL_INSTRUCTION, "illegal instruction" },
  { EXCEPTION_IN_PAGE_ERROR, "in-page error" },
  { EXCEPTION_INT_DIVIDE_BY_ZERO, "integer division by zero" },
  { EXCEPTION_INT_OVERFLOW, "integer overflow" },
  { EXCEPTION_PRIV_INSTRUCTION, "privileged instruction" },
  { EXCEPTION_STACK_OVERFLOW, "stack overflow" },
};

// GCC's C++ exceptions pass through the filter on their way to
// std::terminate when nothing catches them: they go on to the runtime's own
// filter, which lets them continue there.
bool IsGccException(DWORD code)
{
  return (code & 0x20FFFFFFu) == 0x20474343u;
}

void (*exceptionReport)(const char*) = nullptr;
LPTOP_LEVEL_EXCEPTION_FILTER runtimeFilter = nullptr;

LONG WINAPI ReportAndEnd(EXCEPTION_POINTERS* pointers)
{
  DWORD code = pointers->ExceptionRecord->ExceptionCode;
  if (IsGccException(code))
  {
    return runtimeFilter ? runtimeFilter(pointers) : EXCEPTION_CONTINUE_SEARCH;
  }
  const char* name = "unknown exception";
  for (const ExceptionName& known : exceptionNames)
  {
    if (known.code == code)
    {
      name = known.name;
    }
  }
  char text[96];
  snprintf(text, sizeof(text), "exception 0x%08lX (%s)", static_cast<unsigned long>(code), name);
  exceptionReport(text);
  TerminateProcess(GetCurrentProcess(), code);
  return EXCEPTION_EXECUTE_HANDLER;
}
}

// The runtime turns a fault into its signal when the program has a handler
// for that signal: without one the fault goes on as an exception, to the
// filter. abort raises its signal itself.
const int zebsys::fatalSignals[] = { SIGABRT, 0 };

void zebsys::SetFatalSignalHandler(int signal, void (*handler)(int))
{
  ::signal(signal, handler ? handler : SIG_DFL);
}

void zebsys::SetFatalExceptionHandler(void (*report)(const char*))
{
  if (report && !exceptionReport)
  {
    runtimeFilter = SetUnhandledExceptionFilter(ReportAndEnd);
  }
  else if (!report && exceptionReport)
  {
    SetUnhandledExceptionFilter(runtimeFilter);
  }
  exceptionReport = report;
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

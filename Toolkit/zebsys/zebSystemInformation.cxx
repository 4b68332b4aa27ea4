// Stack traces on fatal signals and exceptions: the report, written through
// the system's side in zebFatalSignals.h.
#include "zebSystemInformation.h"

#include "zebFatalSignals.h"

#include <signal.h>

namespace
{
const char* SignalName(int signal)
{
  switch (signal)
  {
    case SIGSEGV:
      return "Segmentation fault";
    case SIGFPE:
      return "Floating point exception";
    case SIGILL:
      return "Illegal instruction";
    case SIGABRT:
      return "Aborted";
#ifdef SIGBUS
    case SIGBUS:
      return "Bus error";
#endif
    default:
      return "unknown";
  }
}

void WriteNumber(int value)
{
  char digits[16];
  int length = 0;
  do
  {
    digits[length++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value > 0 && length < 15);
  char text[16];
  for (int i = 0; i < length; ++i)
  {
    text[i] = digits[length - 1 - i];
  }
  text[length] = '\0';
  zebsys::WriteError(text);
}

void WriteReportStart()
{
  zebsys::WriteError("\n========================================================\n");
  zebsys::WriteError("Process received ");
}

void WriteReportEnd()
{
  zebsys::WriteError("\nStack trace:\n");
  zebsys::WriteStackTrace();
  zebsys::WriteError("========================================================\n");
}

// Prints the report, then restores the default action and raises the signal
// again, so that the process ends as the signal would have ended it.
void PrintStackTrace(int signal)
{
  WriteReportStart();
  zebsys::WriteError("signal ");
  WriteNumber(signal);
  zebsys::WriteError(" (");
  zebsys::WriteError(SignalName(signal));
  zebsys::WriteError(")");
  WriteReportEnd();
  zebsys::SetFatalSignalHandler(signal, nullptr);
  raise(signal);
}

void PrintExceptionStackTrace(const char* exception)
{
  WriteReportStart();
  zebsys::WriteError(exception);
  WriteReportEnd();
}
}

void zebsys::SystemInformation::SetStackTraceOnError(int enable)
{
  for (const int* signal = fatalSignals; *signal; ++signal)
  {
    SetFatalSignalHandler(*signal, enable ? PrintStackTrace : nullptr);
  }
  SetFatalExceptionHandler(enable ? PrintExceptionStackTrace : nullptr);
}

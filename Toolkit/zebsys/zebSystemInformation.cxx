// Stack traces on fatal signals.
#include "zebSystemInformation.h"

#include <execinfo.h>
#include <signal.h>
#include <string.h>
#include <unistd.h>

namespace
{
const int fatalSignals[] = { SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT };

void WriteText(const char* text)
{
  ssize_t ignored = write(STDERR_FILENO, text, strlen(text));
  (void)ignored;
}

// Runs inside the signal handler, so it uses only async-signal-safe calls.
// The handler is installed with SA_RESETHAND: raising the signal again once
// the trace is out ends the process by that signal with the default action.
void PrintStackTrace(int signal)
{
  WriteText("\n========================================================\n");
  WriteText("Process received signal ");
  char number[16];
  int length = 0;
  for (int value = signal; value > 0 && length < 15; value /= 10)
  {
    number[length++] = static_cast<char>('0' + value % 10);
  }
  while (length > 0)
  {
    char digit[2] = { number[--length], '\0' };
    WriteText(digit);
  }
  WriteText(" (");
  WriteText(sigdescr_np(signal) ? sigdescr_np(signal) : "unknown");
  WriteText(")\nStack trace:\n");
  void* frames[128];
  int count = backtrace(frames, 128);
  backtrace_symbols_fd(frames, count, STDERR_FILENO);
  WriteText("========================================================\n");
  raise(signal);
}
}

void zebsys::SystemInformation::SetStackTraceOnError(int enable)
{
  struct sigaction action;
  memset(&action, 0, sizeof(action));
  sigemptyset(&action.sa_mask);
  if (enable)
  {
    // The first backtrace call may load the unwinder, which allocates; do it
    // here rather than inside a handler.
    void* frame;
    backtrace(&frame, 1);
    action.sa_handler = PrintStackTrace;
    action.sa_flags = SA_RESETHAND | SA_NODEFER;
  }
  else
  {
    action.sa_handler = SIG_DFL;
  }
  for (int signal : fatalSignals)
  {
    sigaction(signal, &action, nullptr);
  }
}

// Fatal signals on POSIX systems: sigaction, write and the C library's
// backtrace. Everything here is async-signal-safe once
// SetFatalSignalHandler has loaded the unwinder.
#include "zebFatalSignals.h"

#include <execinfo.h>
#include <signal.h>
#include <string.h>
#include <unistd.h>

const int zebsys::fatalSignals[] = { SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, 0 };

void zebsys::SetFatalSignalHandler(int signal, void (*handler)(int))
{
  struct sigaction action;
  memset(&action, 0, sizeof(action));
  sigemptyset(&action.sa_mask);
  if (handler)
  {
    // The first backtrace call may load the unwinder, which allocates; do it
    // here rather than inside a handler.
    void* frame;
    backtrace(&frame, 1);
    action.sa_handler = handler;
    action.sa_flags = SA_NODEFER;
  }
  else
  {
    action.sa_handler = SIG_DFL;
  }
  sigaction(signal, &action, nullptr);
}

void zebsys::SetFatalExceptionHandler(void (*)(const char*)) {}

void zebsys::WriteError(const char* text)
{
  ssize_t ignored = write(STDERR_FILENO, text, strlen(text));
  (void)ignored;
}

void zebsys::WriteStackTrace()
{
  void* frames[128];
  int count = backtrace(frames, 128);
  backtrace_symbols_fd(frames, count, STDERR_FILENO);
}

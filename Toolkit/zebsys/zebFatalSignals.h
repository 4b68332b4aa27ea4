// The operating system's side of the stack trace on a fatal signal or
// exception: one
// implementation per system (zebFatalSignalsPosix.cxx,
// zebFatalSignalsWindows.cxx). zebSystemInformation.cxx prints the report
// through it.
#ifndef ZEB_FATAL_SIGNALS_H
#define ZEB_FATAL_SIGNALS_H

namespace zebsys
{
// The fatal signals the system delivers to a process, ended by 0.
extern const int fatalSignals[];

// Makes handler the handler of signal, or restores the default action when
// handler is null. A handler stays in place while it runs, so that it can
// restore the default and raise the signal again.
void SetFatalSignalHandler(int signal, void (*handler)(int));

// Makes report the handler of the faults that the system reports as
// exceptions rather than signals (on Windows: an access violation, a
// division by zero...), or removes it when report is null. report gets the
// exception's code and name ("exception 0xC0000005 (access violation)");
// once it returns, the process ends with the exception's own code. Where
// faults arrive as signals, there is nothing to handle.
void SetFatalExceptionHandler(void (*report)(const char* exception));

// Writes text to standard error at once, unbuffered; usable in a handler.
void WriteError(const char* text);

// Writes the frames of the calling thread to standard error, one per line,
// each naming its program or library file.
void WriteStackTrace();
}

#endif

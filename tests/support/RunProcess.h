// Runs a program as a child process, feeding its standard input and
// collecting its standard output, standard error and how it ended; and the
// tests' files. Every path, argument and variable is UTF-8, on Windows too.
#ifndef ZEB_TESTS_RUN_PROCESS_H
#define ZEB_TESTS_RUN_PROCESS_H

#include <string>
#include <vector>

struct ProcessResult
{
  std::string out;
  std::string err;
  int exitStatus = -1;  // 0-255 when the process exited, else -1
  int signal = 0;       // the signal (on Windows the exception code) that ended it, else 0
  long peakKiB = 0;     // the most memory it had resident, in KiB
};

struct ProcessOptions
{
  std::string input;                         // written to standard input, then closed
  std::vector<std::string> setEnv;           // "NAME=value" entries added to the environment
  std::vector<std::string> unsetEnv;         // names removed from the environment
  std::string workingDirectory;              // empty: the caller's
  unsigned long long addressSpaceLimit = 0;  // bytes of address space (RLIMIT_AS); 0: none
  unsigned long long fileSizeLimit = 0;      // bytes a file may grow to (RLIMIT_FSIZE); 0: none
  std::vector<int> closedStreams;            // of 0, 1 and 2, those the program starts without
};

// The limits and closed streams exist on POSIX systems only; on Windows a
// run that asks for them fails with a message in `err`. Under an emulator
// (cross builds) the address-space limit would apply to the emulator too.
// args[0] is the program path; it is also passed as argument 0.
ProcessResult RunProcess(const std::vector<std::string>& args,
                         const ProcessOptions& options = ProcessOptions());

// Reads a whole file; an unreadable file gives the empty string and sets
// *found (when given) to false.
std::string ReadFile(const std::string& path, bool* found = nullptr);

// Writes a whole file; returns false on failure.
bool WriteFile(const std::string& path, const std::string& text);

// The text with every "\n" written as the platform's line end, as a program
// writes a text file: CR LF on Windows.
std::string WithPlatformLineEnds(const std::string& text);

// ASCII text as editors on Windows save it in UTF-16 ("Unicode"): the
// byte-order mark, then every character in two bytes, little-endian or
// big-endian.
std::string AsUtf16(const std::string& ascii, bool bigEndian = false);

// A new, empty directory below the system's temporary directory, removed
// with everything in it when the test process exits.
std::string MakeTempDirectory();

#endif

// Child-process runner for the tests that drive the programs from outside,
// on Windows: CreateProcess with three pipes, each pumped by a thread of its
// own. The command line, the environment and the paths are given to Windows
// in UTF-16, converted from the tests' UTF-8, so that the child gets them
// whole whatever the code page of either process.
#include "RunProcess.h"

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstring>
#include <thread>

namespace
{
// One argument quoted so that the C runtime's parser gives it back as it
// was: backslashes double only before a quote or the closing quote.
std::string QuoteArgument(const std::string& arg)
{
  if (!arg.empty() && arg.find_first_of(" \t\n\v\"") == std::string::npos)
    return arg;
  std::string quoted = "\"";
  size_t backslashes = 0;
  for (char c : arg)
  {
    if (c == '\\')
    {
      ++backslashes;
      continue;
    }
    quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(2 * backslashes, '\\');
  return quoted + "\"";
}

std::string CommandLine(const std::vector<std::string>& args)
{
  std::string line;
  for (const std::string& arg : args)
    line += (line.empty() ? "" : " ") + QuoteArgument(arg);
  return line;
}

std::wstring Wide(const std::string& text)
{
  std::wstring wide(text.size(), L'\0');
  int n = MultiByteToWideChar(CP_UTF8,
                              0,
                              text.data(),
                              static_cast<int>(text.size()),
                              &wide[0],
                              static_cast<int>(wide.size()));
  wide.resize(n > 0 ? static_cast<size_t>(n) : 0);
  return wide;
}

bool SameName(const std::wstring& entry, const std::wstring& name)
{
  return entry.size() > name.size() && entry[name.size()] == L'=' &&
         _wcsnicmp(entry.c_str(), name.c_str(), name.size()) == 0;
}

// The caller's environment with the options' changes, as the block
// CreateProcess takes: "NAME=value" strings, each ended by a NUL, then a NUL.
std::wstring EnvironmentBlock(const ProcessOptions& options)
{
  std::vector<std::wstring> entries;
  wchar_t* strings = GetEnvironmentStringsW();
  for (const wchar_t* p = strings; *p; p += wcslen(p) + 1)
    entries.push_back(p);
  FreeEnvironmentStringsW(strings);
  std::vector<std::wstring> removed;
  for (const std::string& name : options.unsetEnv)
    removed.push_back(Wide(name));
  for (const std::string& entry : options.setEnv)
    removed.push_back(Wide(entry.substr(0, entry.find('='))));
  for (const std::wstring& name : removed)
    entries.erase(std::remove_if(entries.begin(),
                                 entries.end(),
                                 [&](const std::wstring& entry) { return SameName(entry, name); }),
                  entries.end());
  for (const std::string& entry : options.setEnv)
    entries.push_back(Wide(entry));
  std::wstring block;
  for (const std::wstring& entry : entries)
    block += entry + L'\0';
  return block + L'\0';
}

void ReadAll(HANDLE pipe, std::string* text)
{
  char buffer[65536];
  DWORD got = 0;
  while (ReadFile(pipe, buffer, sizeof(buffer), &got, nullptr) && got > 0)
    text->append(buffer, got);
  CloseHandle(pipe);
}

void WriteAll(HANDLE pipe, const std::string& input)
{
  size_t written = 0;
  DWORD n = 0;
  while (written < input.size() &&
         WriteFile(
           pipe, input.data() + written, static_cast<DWORD>(input.size() - written), &n, nullptr))
    written += n;
  CloseHandle(pipe);
}

// A pipe whose end for the child is inherited and whose end for the test is
// not.
bool MakePipe(HANDLE* read, HANDLE* write, bool childReads)
{
  SECURITY_ATTRIBUTES inherit = { sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE };
  if (!CreatePipe(read, write, &inherit, 0))
    return false;
  return SetHandleInformation(childReads ? *write : *read, HANDLE_FLAG_INHERIT, 0) != 0;
}
}

ProcessResult RunProcess(const std::vector<std::string>& args, const ProcessOptions& options)
{
  ProcessResult result;
  if (options.addressSpaceLimit > 0 || options.fileSizeLimit > 0 || !options.closedStreams.empty())
  {
    result.err = "limits and closed streams are POSIX only";
    return result;
  }
  HANDLE inRead, inWrite, outRead, outWrite, errRead, errWrite;
  if (!MakePipe(&inRead, &inWrite, true) || !MakePipe(&outRead, &outWrite, false) ||
      !MakePipe(&errRead, &errWrite, false))
  {
    result.err = "pipe failed";
    return result;
  }
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = inRead;
  startup.hStdOutput = outWrite;
  startup.hStdError = errWrite;
  PROCESS_INFORMATION process = {};
  std::wstring program = Wide(args[0]);
  std::wstring command = Wide(CommandLine(args));
  std::wstring environment = EnvironmentBlock(options);
  std::wstring directory = Wide(options.workingDirectory);
  BOOL started = CreateProcessW(program.c_str(),
                                &command[0],
                                nullptr,
                                nullptr,
                                TRUE,
                                CREATE_UNICODE_ENVIRONMENT,
                                &environment[0],
                                directory.empty() ? nullptr : directory.c_str(),
                                &startup,
                                &process);
  CloseHandle(inRead);
  CloseHandle(outWrite);
  CloseHandle(errWrite);
  if (!started)
  {
    CloseHandle(inWrite);
    CloseHandle(outRead);
    CloseHandle(errRead);
    result.err = "CreateProcess failed";
    return result;
  }
  std::thread input(WriteAll, inWrite, std::cref(options.input));
  std::thread output(ReadAll, outRead, &result.out);
  ReadAll(errRead, &result.err);
  output.join();
  input.join();
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  PROCESS_MEMORY_COUNTERS memory = {};
  if (GetProcessMemoryInfo(process.hProcess, &memory, sizeof(memory)))
    result.peakKiB = static_cast<long>(memory.PeakWorkingSetSize / 1024);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  if (code <= 255)
    result.exitStatus = static_cast<int>(code);
  else
    result.signal = static_cast<int>(code);
  return result;
}

// Child-process runner for the tests that drive the programs from outside,
// on POSIX systems: fork and exec, with poll on the three pipes.
#include "RunProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>

namespace
{
#ifdef ZEB_TEST_EMULATOR
// The machine an ELF file is for, or -1 for any other file.
int ElfMachine(const char* path)
{
  const char magic[] = "\x7f"
                       "ELF";
  unsigned char header[20] = {};
  std::ifstream file(path, std::ios::binary);
  if (!file.read(reinterpret_cast<char*>(header), sizeof(header)) || memcmp(header, magic, 4) != 0)
    return -1;
  return header[18] | header[19] << 8;
}
#endif

// The command as it is started. In a cross build the tests run under the
// build's emulator (ZEB_TEST_EMULATOR, its words separated by '|'), and so
// must every program of their own machine that they start; the system's
// programs (the shell, interpreters) run as they are. The dynamic loader's
// settings (LD_*) are the program's, not the emulator's, which is a program
// of this machine: they move from the environment to the emulator's command
// line (qemu-user's -E and -U).
std::vector<std::string> CommandToStart(const std::vector<std::string>& args,
                                        ProcessOptions& options)
{
#ifdef ZEB_TEST_EMULATOR
  static const int ownMachine = ElfMachine("/proc/self/exe");
  if (ElfMachine(args[0].c_str()) == ownMachine)
  {
    std::vector<std::string> command;
    std::string emulator = ZEB_TEST_EMULATOR;
    for (size_t start = 0, end; start <= emulator.size(); start = end + 1)
    {
      end = std::min(emulator.find('|', start), emulator.size());
      command.push_back(emulator.substr(start, end - start));
    }
    const struct
    {
      std::vector<std::string>& Entries;
      const char* Option;
    } moved[] = { { options.setEnv, "-E" }, { options.unsetEnv, "-U" } };
    for (const auto& m : moved)
    {
      for (auto entry = m.Entries.begin(); entry != m.Entries.end();)
      {
        if (entry->compare(0, 3, "LD_") != 0)
        {
          ++entry;
          continue;
        }
        command.insert(command.end(), { m.Option, *entry });
        entry = m.Entries.erase(entry);
      }
    }
    command.insert(command.end(), args.begin(), args.end());
    return command;
  }
#else
  (void)options;
#endif
  return args;
}

void SetLimit(int resource, unsigned long long bytes)
{
  struct rlimit limit;
  limit.rlim_cur = limit.rlim_max = static_cast<rlim_t>(bytes);
  if (bytes > 0 && setrlimit(resource, &limit) != 0)
  {
    _exit(127);
  }
}

void ExecChild(const std::vector<std::string>& args,
               const ProcessOptions& options,
               int inFd,
               int outFd,
               int errFd)
{
  dup2(inFd, STDIN_FILENO);
  dup2(outFd, STDOUT_FILENO);
  dup2(errFd, STDERR_FILENO);
  for (int fd : options.closedStreams)
  {
    close(fd);
  }
  for (const std::string& name : options.unsetEnv)
  {
    unsetenv(name.c_str());
  }
  for (const std::string& entry : options.setEnv)
  {
    size_t equals = entry.find('=');
    setenv(entry.substr(0, equals).c_str(), entry.substr(equals + 1).c_str(), 1);
  }
  if (!options.workingDirectory.empty() && chdir(options.workingDirectory.c_str()) != 0)
  {
    _exit(127);
  }
  SetLimit(RLIMIT_AS, options.addressSpaceLimit);
  SetLimit(RLIMIT_FSIZE, options.fileSizeLimit);
  std::vector<char*> argv;
  for (const std::string& arg : args)
  {
    argv.push_back(const_cast<char*>(arg.c_str()));
  }
  argv.push_back(nullptr);
  execv(argv[0], argv.data());
  _exit(127);
}

// Pumps the child's three pipes until its output pipes close.
void Pump(int inFd, int outFd, int errFd, const std::string& input, ProcessResult& result)
{
  size_t written = 0;
  if (input.empty())
  {
    close(inFd);
    inFd = -1;
  }
  char buffer[65536];
  while (outFd >= 0 || errFd >= 0)
  {
    pollfd fds[3] = { { inFd, POLLOUT, 0 }, { outFd, POLLIN, 0 }, { errFd, POLLIN, 0 } };
    if (poll(fds, 3, -1) < 0)
    {
      if (errno == EINTR)
        continue;
      break;
    }
    if (inFd >= 0 && (fds[0].revents & (POLLOUT | POLLERR | POLLHUP)))
    {
      ssize_t n = write(inFd, input.data() + written, input.size() - written);
      if (n > 0)
        written += static_cast<size_t>(n);
      if (n < 0 || written == input.size())
      {
        close(inFd);
        inFd = -1;
      }
    }
    int* fdOf[2] = { &outFd, &errFd };
    std::string* textOf[2] = { &result.out, &result.err };
    for (int i = 0; i < 2; ++i)
    {
      if (*fdOf[i] >= 0 && (fds[i + 1].revents & (POLLIN | POLLERR | POLLHUP)))
      {
        ssize_t n = read(*fdOf[i], buffer, sizeof(buffer));
        if (n > 0)
        {
          textOf[i]->append(buffer, static_cast<size_t>(n));
        }
        else
        {
          close(*fdOf[i]);
          *fdOf[i] = -1;
        }
      }
    }
  }
  if (inFd >= 0)
    close(inFd);
}
}

ProcessResult RunProcess(const std::vector<std::string>& args, const ProcessOptions& options)
{
  ProcessResult result;
  int in[2], out[2], err[2];
  if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0)
  {
    result.err = "pipe failed";
    return result;
  }
  // A child that stops reading its input must not kill the test with SIGPIPE.
  signal(SIGPIPE, SIG_IGN);
  ProcessOptions started = options;
  std::vector<std::string> command = CommandToStart(args, started);
  pid_t pid = fork();
  if (pid == 0)
  {
    ExecChild(command, started, in[0], out[1], err[1]);
  }
  close(in[0]);
  close(out[1]);
  close(err[1]);
  Pump(in[1], out[0], err[0], options.input, result);
  int status = 0;
  struct rusage usage = {};
  while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR)
  {
  }
  result.peakKiB = usage.ru_maxrss;
  if (WIFEXITED(status))
    result.exitStatus = WEXITSTATUS(status);
  if (WIFSIGNALED(status))
    result.signal = WTERMSIG(status);
  return result;
}

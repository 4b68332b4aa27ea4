// The generators' operating-system layer on POSIX systems.
#include "zebWrapSystem.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

namespace
{
// The path a chain of symbolic links starting at path ends in; path itself
// when it is no link. A relative link is read from the link's directory.
std::string linkTarget(const char* path)
{
  std::string current = path;
  for (int hop = 0; hop < 40; ++hop)
  {
    std::string target(4096, '\0');
    ssize_t length = readlink(current.c_str(), &target[0], target.size());
    if (length <= 0 || static_cast<size_t>(length) == target.size())
    {
      break;
    }
    target.resize(static_cast<size_t>(length));
    size_t slash = current.rfind('/');
    if (target[0] != '/' && slash != std::string::npos)
    {
      target.insert(0, current, 0, slash + 1);
    }
    current = target;
  }
  return current;
}
}

void prepareProcess()
{
  for (int fd = 0; fd <= 2; ++fd)
  {
    if (fcntl(fd, F_GETFD) == -1 && errno == EBADF)
    {
      int null = open("/dev/null", O_RDWR);
      if (null >= 0 && null != fd)
      {
        dup2(null, fd);
        close(null);
      }
    }
  }
  signal(SIGXFSZ, SIG_IGN);
}

int openForReading(const char* path)
{
  return open(path, O_RDONLY | O_CLOEXEC);
}

int openForWriting(const char* path, bool* created)
{
  int fd = open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  *created = fd >= 0;
  if (fd < 0 && errno == EEXIST)
  {
    // An existing file, or a link whose target is still to be made: that
    // target is made here, and so counts as made by this call.
    fd = open(path, O_WRONLY | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT)
    {
      fd = open(linkTarget(path).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      *created = fd >= 0;
    }
  }
  return fd;
}

long long readSome(int fd, char* buffer, size_t n)
{
  ssize_t got;
  do
  {
    got = read(fd, buffer, n);
  } while (got < 0 && errno == EINTR);
  return got;
}

long long writeSome(int fd, const char* buffer, size_t n)
{
  ssize_t written;
  do
  {
    written = write(fd, buffer, n);
  } while (written < 0 && errno == EINTR);
  return written;
}

bool inspectFile(int fd, FileInfo* info)
{
  struct stat status;
  if (fstat(fd, &status) != 0)
  {
    return false;
  }
  info->regular = S_ISREG(status.st_mode);
  info->size = static_cast<unsigned long long>(status.st_size);
  info->volume = static_cast<unsigned long long>(status.st_dev);
  info->index = static_cast<unsigned long long>(status.st_ino);
  return true;
}

bool truncateFile(int fd)
{
  return ftruncate(fd, 0) == 0;
}

bool closeFile(int fd)
{
  return close(fd) == 0;
}

void removeFile(const char* path)
{
  unlink(linkTarget(path).c_str());
}

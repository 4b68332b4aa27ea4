// The generators' operating-system layer on Windows: the C runtime's
// descriptors in binary mode, and the file's own handle where the runtime
// tells too little.
#include "zebWrapSystem.h"

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

namespace
{
// The runtime's read and write take an unsigned int count.
const size_t largestTransfer = size_t(1) << 30;
}

void prepareProcess()
{
  for (int fd = 0; fd <= 2; ++fd)
  {
    intptr_t handle = _get_osfhandle(fd);
    if (handle == -1 || handle == -2)
    {
      int null = _open("NUL", _O_RDWR | _O_BINARY | _O_NOINHERIT);
      if (null >= 0 && null != fd)
      {
        _dup2(null, fd);
        _close(null);
      }
    }
  }
}

int openForReading(const char* path)
{
  return _open(path, _O_RDONLY | _O_BINARY | _O_NOINHERIT);
}

int openForWriting(const char* path, bool* created)
{
  const int flags = _O_WRONLY | _O_CREAT | _O_BINARY | _O_NOINHERIT;
  int fd = _open(path, flags | _O_EXCL, _S_IREAD | _S_IWRITE);
  *created = fd >= 0;
  if (fd < 0 && errno == EEXIST)
  {
    fd = _open(path, flags, _S_IREAD | _S_IWRITE);
  }
  return fd;
}

long long readSome(int fd, char* buffer, size_t n)
{
  return _read(fd, buffer, static_cast<unsigned>(n < largestTransfer ? n : largestTransfer));
}

long long writeSome(int fd, const char* buffer, size_t n)
{
  return _write(fd, buffer, static_cast<unsigned>(n < largestTransfer ? n : largestTransfer));
}

bool inspectFile(int fd, FileInfo* info)
{
  HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
  if (handle == INVALID_HANDLE_VALUE)
  {
    return false;
  }
  *info = FileInfo();
  if (GetFileType(handle) != FILE_TYPE_DISK)
  {
    return true;
  }
  BY_HANDLE_FILE_INFORMATION file;
  if (!GetFileInformationByHandle(handle, &file))
  {
    return false;
  }
  info->regular = (file.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
  info->size = (static_cast<unsigned long long>(file.nFileSizeHigh) << 32) | file.nFileSizeLow;
  info->volume = file.dwVolumeSerialNumber;
  info->index = (static_cast<unsigned long long>(file.nFileIndexHigh) << 32) | file.nFileIndexLow;
  return true;
}

bool truncateFile(int fd)
{
  return _chsize_s(fd, 0) == 0;
}

bool closeFile(int fd)
{
  return _close(fd) == 0;
}

void removeFile(const char* path)
{
  _unlink(path);
}

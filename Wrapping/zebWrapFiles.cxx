// Reading list files and writing generated sources with POSIX calls, so that
// an output can be compared with the input and emptied after a failure.
#include "zebWrapFiles.h"

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
// Reads straight into the text's own memory: a regular file's size is known,
// so its bytes are copied once, without a buffer in between.
bool readRest(int fd, std::string* text)
{
  size_t chunk = 65536;
  struct stat info;
  if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode))
  {
    // The whole file in one read, with room left for the read that finds
    // its end.
    chunk = static_cast<size_t>(info.st_size) + 1;
    text->reserve(text->size() + chunk + 65536);
    adviseHugePages(text->data(), text->capacity());
  }
  for (;;)
  {
    size_t had = text->size();
    text->resize(had + chunk);
    ssize_t got = read(fd, &(*text)[had], chunk);
    text->resize(had + (got > 0 ? static_cast<size_t>(got) : 0));
    if (got == 0)
    {
      return true;
    }
    if (got < 0 && errno != EINTR)
    {
      return false;
    }
    chunk = 65536;
  }
}
}

bool readWholeFile(int fd, std::string* text)
{
  bool read = false;
  try
  {
    read = readRest(fd, text);
  }
  catch (...)
  {
    close(fd);
    throw;
  }
  close(fd);
  return read;
}

void adviseHugePages(const void* buffer, size_t size)
{
#ifdef MADV_HUGEPAGE
  // Only whole huge pages inside the buffer can be advised.
  const uintptr_t hugePage = uintptr_t(2) << 20;
  uintptr_t begin = (reinterpret_cast<uintptr_t>(buffer) + hugePage - 1) & ~(hugePage - 1);
  uintptr_t end = (reinterpret_cast<uintptr_t>(buffer) + size) & ~(hugePage - 1);
  if (begin < end)
  {
    madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
  }
#else
  (void)buffer;
  (void)size;
#endif
}

int openOutputFile(const char* path, bool* created)
{
  int fd = open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  bool made = fd >= 0;
  if (!made && errno == EEXIST)
  {
    // An existing file, or a link whose target is still to be made.
    fd = open(path, O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
  }
  if (created)
  {
    *created = made;
  }
  return fd;
}

bool isSameRegularFile(int a, int b)
{
  struct stat infoA, infoB;
  return fstat(a, &infoA) == 0 && fstat(b, &infoB) == 0 && S_ISREG(infoA.st_mode) &&
         infoA.st_dev == infoB.st_dev && infoA.st_ino == infoB.st_ino;
}

bool emptyFile(int fd)
{
  struct stat info;
  if (fstat(fd, &info) != 0)
  {
    return false;
  }
  return !S_ISREG(info.st_mode) || ftruncate(fd, 0) == 0;
}

bool writeWholeFile(int fd, std::string_view text)
{
  const char* p = text.data();
  size_t left = text.size();
  while (left > 0)
  {
    ssize_t written = write(fd, p, left);
    if (written < 0 && errno == EINTR)
    {
      continue;
    }
    if (written <= 0)
    {
      emptyFile(fd);
      return false;
    }
    p += written;
    left -= static_cast<size_t>(written);
  }
  return true;
}

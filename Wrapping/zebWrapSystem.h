// The operating-system calls of the generators, behind one small layer with
// a POSIX and a Windows branch: opening, reading, writing, emptying and
// closing files by descriptor, telling two open files apart, and the few
// things a process sets up for itself at start.
#ifndef ZEB_WRAP_SYSTEM_H
#define ZEB_WRAP_SYSTEM_H

#include <cstddef>

// The line end of a text file on this platform, and whether the C runtime's
// text mode ends a file at its first Ctrl-Z, as it does on Windows.
#ifdef _WIN32
constexpr char systemLineEnd[] = "\r\n";
constexpr bool ctrlZEndsText = true;
#else
constexpr char systemLineEnd[] = "\n";
constexpr bool ctrlZEndsText = false;
#endif

// Makes descriptors 0, 1 and 2 open (on the null device where they were
// closed), so that no file the program opens lands on a standard stream, and
// turns a file-size limit into a write error instead of a signal. Called
// first thing in main.
void prepareProcess();

// Opens a file for reading in binary; -1 when it cannot be opened. The
// descriptor is not inherited by child processes.
int openForReading(const char* path);

// Opens a file for writing in binary, creating it when missing but not
// truncating it; -1 when it cannot be opened. *created tells whether this
// call made the file (also the missing target of a symbolic link).
int openForWriting(const char* path, bool* created);

// One read or write of up to n bytes, retried when interrupted: the count
// moved, 0 at the end of a file, -1 on an error.
long long readSome(int fd, char* buffer, size_t n);
long long writeSome(int fd, const char* buffer, size_t n);

// What the generators need to know of an open file. Two regular files with
// the same volume and index are one file, however their paths were spelled
// (device and inode on POSIX, volume serial and file index on Windows).
struct FileInfo
{
  bool regular = false;  // a regular file, not a device, pipe or directory
  unsigned long long size = 0;
  unsigned long long volume = 0;
  unsigned long long index = 0;
};

// False when nothing can be learnt of the descriptor.
bool inspectFile(int fd, FileInfo* info);

inline bool isSameRegularFile(const FileInfo& a, const FileInfo& b)
{
  return a.regular && b.regular && a.volume == b.volume && a.index == b.index;
}

// Cuts an open regular file to length 0; false on failure.
bool truncateFile(int fd);

// False when closing reported an error (the data may not have reached the
// file).
bool closeFile(int fd);

// Removes the file that path names: the target of a symbolic link, not the
// link.
void removeFile(const char* path);

#endif

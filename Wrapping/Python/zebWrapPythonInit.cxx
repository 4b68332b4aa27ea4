// zebWrapPythonInit: reads a wrapped library's list file (the library name,
// then the names of its wrapped files) and writes the two sources of the
// library's Python module: the entry point and the module builder.
//
//   zebWrapPythonInit input_file init_file impl_file
#include "zebWrapFiles.h"
#include "zebWrapPythonInitText.h"

#include <cstdio>
#include <fcntl.h>
#include <new>
#include <string>
#include <unistd.h>

// Reads the list file whole into *text and takes it apart into *list;
// returns the exit status so far.
static int readList(const char* inputName, std::string* text, PythonInitList* list)
{
  int in = open(inputName, O_RDONLY | O_CLOEXEC);
  if (in < 0)
  {
    fprintf(stderr, "Input file %s could not be opened\n", inputName);
    return 1;
  }
  try
  {
    if (!readWholeFile(in, text))
    {
      fprintf(stderr, "Input file %s could not be read\n", inputName);
      return 1;
    }
    if (const char* error = readInitList(*text, list))
    {
      fputs(error, stderr);
      return 1;
    }
  }
  catch (const std::bad_alloc&)
  {
    fprintf(stderr, "Out of memory reading input file %s\n", inputName);
    return 1;
  }
  return 0;
}

// Writes one source made by `writer` and closes its file; false, after
// naming the file, when it could not be written whole (the file is then
// left empty).
static bool writeOutput(int fd,
                        const char* path,
                        const PythonInitList& list,
                        void (*writer)(const PythonInitList&, GeneratedOutput*))
{
  bool written = false;
  try
  {
    GeneratedOutput output;
    output.fd = fd;
    writer(list, &output);
    written = finishOutput(&output);
    if (!written)
    {
      fprintf(stderr, "Output file %s could not be written\n", path);
    }
  }
  catch (const std::bad_alloc&)
  {
    fprintf(stderr, "Out of memory while generating %s\n", path);
    emptyFile(fd);
  }
  if (close(fd) != 0 && written)
  {
    fprintf(stderr, "Output file %s could not be written\n", path);
    written = false;
  }
  return written;
}

// Opens both outputs, refusing one file named twice, and writes them;
// returns the exit status. An output that cannot be opened fails silently.
static int writeOutputs(const char* initPath, const char* implPath, const PythonInitList& list)
{
  bool initCreated = false;
  int init = openOutputFile(initPath, &initCreated);
  if (init < 0)
  {
    return 1;
  }
  int impl = openOutputFile(implPath);
  if (impl < 0)
  {
    emptyFile(init);
    close(init);
    return 1;
  }
  if (isSameRegularFile(init, impl))
  {
    fprintf(stderr, "Init file %s is also the implementation file %s\n", initPath, implPath);
    close(impl);
    close(init);
    if (initCreated)
    {
      unlink(initPath);
    }
    return 1;
  }
  if (!emptyFile(init) || !emptyFile(impl))
  {
    close(impl);
    close(init);
    return 1;
  }
  bool initWritten = writeOutput(init, initPath, list, writeInitFile);
  bool implWritten = writeOutput(impl, implPath, list, writeImplFile);
  return initWritten && implWritten ? 0 : 1;
}

int main(int argc, char* argv[])
{
  if (argc < 4)
  {
    fprintf(stderr,
            "Usage: %s input_file init_file impl_file\n",
            argc > 0 ? argv[0] : "zebWrapPythonInit");
    return 1;
  }
  std::string text;
  PythonInitList list;
  if (readList(argv[1], &text, &list) != 0)
  {
    return 1;
  }
  return writeOutputs(argv[2], argv[3], list);
}

// zebWrapTclInit: reads the list file of a Tcl-wrapped library and writes
// the source of that library's Tcl package initialisation.
//   zebWrapTclInit <input_file> <output_file>
#include "zebWrapFiles.h"
#include "zebWrapTclInitText.h"

#include <cstdio>
#include <fcntl.h>
#include <new>
#include <string>
#include <unistd.h>

// Opens the output and empties it, unless it is the input; returns the file
// or -1 after printing why not.
static int openOutput(int in, const char* inputName, const char* outputName)
{
  int out = openOutputFile(outputName);
  if (out < 0)
  {
    fprintf(stderr, "Error opening output file\n");
    return -1;
  }
  if (isSameRegularFile(in, out))
  {
    fprintf(stderr, "Input file %s is also the output file %s\n", inputName, outputName);
    close(out);
    return -1;
  }
  if (!emptyFile(out))
  {
    fprintf(stderr, "Error opening output file\n");
    close(out);
    return -1;
  }
  return out;
}

// Reads the list file whole into *text, closes it and takes the text apart
// into *list; returns the exit status so far.
static int readList(int in, const char* inputName, std::string* text, TclInitList* list)
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
  return 0;
}

// Writes the source; false, after naming the file, when it could not be
// written whole (the file is then left empty).
static bool writeOutput(int out, const char* outputName, const TclInitList& list)
{
  GeneratedOutput output;
  output.fd = out;
  writeInitSource(list, &output);
  if (!finishOutput(&output))
  {
    fprintf(stderr, "Error writing output file %s\n", outputName);
    return false;
  }
  return true;
}

int main(int argc, char* argv[])
{
  if (argc < 3)
  {
    // A program started without even argument 0 still gets a usage line.
    fprintf(stderr, "Usage: %s input_file output_file\n", argc > 0 ? argv[0] : "zebWrapTclInit");
    return 1;
  }
  int in = open(argv[1], O_RDONLY | O_CLOEXEC);
  if (in < 0)
  {
    fprintf(stderr, "Input file %s could not be opened\n", argv[1]);
    return 1;
  }
  int out = openOutput(in, argv[1], argv[2]);
  if (out < 0)
  {
    close(in);
    return 1;
  }
  int status = 1;
  try
  {
    std::string text;
    TclInitList list;
    status = readList(in, argv[1], &text, &list);
    if (status == 0 && !writeOutput(out, argv[2], list))
    {
      status = 1;
    }
  }
  catch (const std::bad_alloc&)
  {
    fprintf(stderr, "Out of memory while generating %s\n", argv[2]);
    emptyFile(out);
  }
  if (close(out) != 0 && status == 0)
  {
    fprintf(stderr, "Error writing output file %s\n", argv[2]);
    status = 1;
  }
  return status;
}

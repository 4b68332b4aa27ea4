// zebWrapTclInit: reads the list file of a Tcl-wrapped library and writes
// the source of that library's Tcl package initialisation.
//   zebWrapTclInit <input_file> <output_file>
#include "zebWrapListFile.h"
#include "zebWrapRunErrors.h"
#include "zebWrapTclInitText.h"

#include <cstdio>
#include <string>

// Opens the output and empties it, unless it is the input; false after
// printing why not.
static bool openOutput(int in, const char* inputName, const char* outputName, OutputFile* out)
{
  FileInfo input;
  if (!inspectFile(in, &input) || !openOutputFile(out, outputName))
  {
    fprintf(stderr, "Error opening output file\n");
    return false;
  }
  if (isSameRegularFile(input, out->info))
  {
    reportListIsOutput(inputName, out->path);
    discardOutputFile(out);
    return false;
  }
  if (!emptyOutputFile(out))
  {
    fprintf(stderr, "Error opening output file\n");
    discardOutputFile(out);
    return false;
  }
  return true;
}

// Reads the list file whole into *text, closes it and takes the text apart
// into *list; returns the exit status so far.
static int readList(int in, const char* inputName, std::string* text, TclInitList* list)
{
  ListReading reading = readWholeFile(in, text);
  if (reading != ListReading::read)
  {
    reportListReading(reading, inputName);
    return 1;
  }
  if (const char* error = readInitList(*text, list))
  {
    fputs(error, stderr);
    return 1;
  }
  return 0;
}

// Reads the list and writes the source; returns the exit status. A failed
// write has named the file and left it empty.
static int generate(int in, const char* inputName, OutputFile* out)
{
  std::string text;
  TclInitList list;
  if (readList(in, inputName, &text, &list) != 0)
  {
    return 1;
  }
  GeneratedOutput output;
  output.file = out;
  writeInitSource(list, &output);
  if (!finishOutput(&output))
  {
    reportOutputNotWritten(out->path);
    return 1;
  }
  return 0;
}

int main(int argc, char* argv[])
{
  prepareProcess();
  if (argc < 3)
  {
    // A program started without even argument 0 still gets a usage line.
    fprintf(stderr, "Usage: %s input_file output_file\n", argc > 0 ? argv[0] : "zebWrapTclInit");
    return 1;
  }
  int in = openForReading(argv[1]);
  if (in < 0)
  {
    reportListNotOpened(argv[1]);
    return 1;
  }
  OutputFile out;
  if (!openOutput(in, argv[1], argv[2], &out))
  {
    closeFile(in);
    return 1;
  }
  int status = 1;
  try
  {
    status = generate(in, argv[1], &out);
  }
  catch (...)
  {
    reportException("while generating", argv[2]);
  }
  if (status != 0)
  {
    failOutputFile(&out);
  }
  if (!closeOutputFile(&out) && status == 0)
  {
    reportOutputNotWritten(argv[2]);
    status = 1;
  }
  return status;
}

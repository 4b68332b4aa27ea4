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

// Reads the list and writes the source; false after printing why the list
// gives none. A failed write is the output file's to tell.
static bool generate(int in, const char* inputName, OutputFile* out)
{
  std::string text;
  TclInitList list;
  if (!readList(in, inputName, &text, &list))
  {
    return false;
  }
  GeneratedOutput output;
  output.file = out;
  writeInitSource(list, &output);
  finishOutput(&output);
  return true;
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
  bool generated = false;
  try
  {
    generated = generate(in, argv[1], &out);
  }
  catch (...)
  {
    reportException("while generating", argv[2]);
  }
  if (!generated)
  {
    failOutputFile(&out);
  }
  if (!closeOutputFile(&out) && generated)
  {
    reportOutputNotWritten(argv[2]);
    return 1;
  }
  return generated ? 0 : 1;
}

// zebWrapTclInit: reads the list file of a Tcl-wrapped library and writes
// the source of that library's Tcl package initialisation.
//   zebWrapTclInit <input_file> <output_file>
#include "zebWrapTclInitSource.h"

#include <cstdio>
#include <new>
#include <string>

static int outOfMemory(const char* outputName)
{
  fprintf(stderr, "Out of memory while generating %s\n", outputName);
  return 1;
}

// Reads the whole list file into *text and closes it; returns the exit
// status so far.
static int readListFile(FILE* in, const char* inputName, const char* outputName, std::string* text)
{
  char chunk[65536];
  size_t got;
  try
  {
    while ((got = fread(chunk, 1, sizeof(chunk), in)) > 0)
    {
      text->append(chunk, got);
    }
  }
  catch (const std::bad_alloc&)
  {
    fclose(in);
    return outOfMemory(outputName);
  }
  bool readError = ferror(in);
  fclose(in);
  if (readError)
  {
    fprintf(stderr, "Input file %s could not be read\n", inputName);
    return 1;
  }
  return 0;
}

// Takes the list from the file's text and writes the source; returns the
// exit status.
static int generate(const std::string& text, FILE* out, const char* outputName)
{
  try
  {
    TclInitList list;
    if (const char* error = readInitList(text, &list))
    {
      fputs(error, stderr);
      return 1;
    }
    writeInitSource(list, out);
  }
  catch (const std::bad_alloc&)
  {
    return outOfMemory(outputName);
  }
  return 0;
}

// Closes the output; a failed write or close turns a success into status 1.
static int closeOutput(FILE* out, const char* outputName, int status)
{
  bool written = fflush(out) == 0 && !ferror(out);
  if (fclose(out) != 0)
  {
    written = false;
  }
  if (status == 0 && !written)
  {
    fprintf(stderr, "Error writing output file %s\n", outputName);
    return 1;
  }
  return status;
}

int main(int argc, char* argv[])
{
  if (argc < 3)
  {
    // A program started without even argument 0 still gets a usage line.
    fprintf(stderr, "Usage: %s input_file output_file\n", argc > 0 ? argv[0] : "zebWrapTclInit");
    return 1;
  }
  FILE* in = fopen(argv[1], "r");
  if (!in)
  {
    fprintf(stderr, "Input file %s could not be opened\n", argv[1]);
    return 1;
  }
  FILE* out = fopen(argv[2], "w");
  if (!out)
  {
    fprintf(stderr, "Error opening output file\n");
    fclose(in);
    return 1;
  }
  std::string text;
  int status = readListFile(in, argv[1], argv[2], &text);
  if (status == 0)
  {
    status = generate(text, out, argv[2]);
  }
  return closeOutput(out, argv[2], status);
}

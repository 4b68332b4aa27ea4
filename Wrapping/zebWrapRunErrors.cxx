// The generators' shared failure messages.
#include "zebWrapRunErrors.h"

#include <cstdio>
#include <exception>
#include <new>

void reportListNotOpened(const char* listName)
{
  fprintf(stderr, "Input file %s could not be opened\n", listName);
}

void reportListReading(ListReading reading, const char* listName)
{
  if (reading == ListReading::tooLarge)
  {
    fprintf(stderr, "Input file %s is too large to be read\n", listName);
  }
  else if (reading == ListReading::badUtf16)
  {
    fprintf(stderr, "Input file %s is not valid UTF-16 text\n", listName);
  }
  else
  {
    fprintf(stderr, "Input file %s could not be read\n", listName);
  }
}

void reportListIsOutput(const char* listName, const char* outputName)
{
  fprintf(stderr, "Input file %s is also the output file %s\n", listName, outputName);
}

void reportOutputNotWritten(const char* outputName)
{
  fprintf(stderr, "Output file %s could not be written\n", outputName);
}

void reportException(const char* doing, const char* path)
{
  try
  {
    throw;
  }
  catch (const std::bad_alloc&)
  {
    fprintf(stderr, "Out of memory %s %s\n", doing, path);
  }
  catch (const std::exception& e)
  {
    fprintf(stderr, "Error %s %s: %s\n", doing, path, e.what());
  }
  catch (...)
  {
    fprintf(stderr, "Error %s %s\n", doing, path);
  }
}

// A generator run's messages for an unreadable list and for exceptions.
#include "zebWrapRunErrors.h"

#include <cstdio>
#include <exception>
#include <new>

void reportListReading(ListReading reading, const char* inputName)
{
  if (reading == ListReading::tooLarge)
  {
    fprintf(stderr, "Input file %s is too large to be read\n", inputName);
  }
  else if (reading == ListReading::badUtf16)
  {
    fprintf(stderr, "Input file %s is not valid UTF-16 text\n", inputName);
  }
  else
  {
    fprintf(stderr, "Input file %s could not be read\n", inputName);
  }
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

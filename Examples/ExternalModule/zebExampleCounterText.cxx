// The printed counter handed to the wrappers.
#include "zebExampleCounterText.h"

#include "zebExampleCounter.h"

#include <sstream>

std::string zebExampleCounterText(int increments)
{
  zebExampleCounter* counter = zebExampleCounter::New();
  for (int i = 0; i < increments; ++i)
  {
    counter->Increment();
  }
  std::ostringstream text;
  counter->Print(text);
  counter->Delete();
  return text.str();
}

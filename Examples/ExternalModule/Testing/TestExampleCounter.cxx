// The tests of example_tests: each creates a counter, prints it to standard
// output and releases it. Leak tracking reports a counter left behind.
#include <zebExampleCounter.h>
#include <zebPrintSelf.h>

#include <iostream>
#include <sstream>

// This program's start-up registrations, made before main runs.
#include "TestStartup.h"

int TestExampleCounterPrint(int, char*[])
{
  static const zebPrintSelfClass classes[] = { ZEB_PRINT_SELF_CLASS(zebExampleCounter),
                                               { nullptr, nullptr } };
  return zebPrintEachClass(classes);
}

// Counts as many times as there are arguments after the test name and checks
// the count in the printout.
int TestExampleCounterIncrement(int argc, char* argv[])
{
  zebExampleCounter* counter = zebExampleCounter::New();
  for (int i = 1; i < argc; ++i)
  {
    counter->Increment();
  }
  std::ostringstream text;
  counter->Print(text);
  counter->Delete();
  std::cout << text.str();
  std::string expected = "Count: " + std::to_string(argc - 1) + "\n";
  if (text.str().find(expected) == std::string::npos)
  {
    std::cerr << argv[0] << ": the printout lacks " << expected;
    return 1;
  }
  return 0;
}

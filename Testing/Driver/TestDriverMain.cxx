// The main of every test program: the common test driver.
#include "TestDriver.h"

int main(int argc, char* argv[])
{
  return TestDriverMain(argc, argv);
}

// The main of every test program: the common test driver. Its result also
// goes to the toolkit's leak tracking, whose report at exit shows it.
#include "TestDriver.h"

#include <zebDebugLeaks.h>

int main(int argc, char* argv[])
{
  int status = TestDriverMain(argc, argv);
  zebDebugLeaks::SetExitStatus(status);
  return status;
}

// The common test driver: the whole work of a test program's main, run on
// the registry the program defines (TestRegistry.h).
#ifndef ZEB_TEST_DRIVER_H
#define ZEB_TEST_DRIVER_H

// Selects one test of testRegistry from the command line, calls it with the
// arguments left and returns its result, or -1 on a selection error.
int TestDriverMain(int argc, char* argv[]);

#endif

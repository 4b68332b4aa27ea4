// A second test source of the leak probe with its own leak-tracking holder,
// as a program with several test sources has.

// This program's start-up registrations, made before main runs.
#include "TestStartup.h"

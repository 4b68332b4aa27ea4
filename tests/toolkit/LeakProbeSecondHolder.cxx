// A second test source of the leak probe with its own leak-tracking holder,
// as a program with several test sources has.
#include <zebTestStartup.h>

ZEB_LEAK_TRACKING_HOLDER()

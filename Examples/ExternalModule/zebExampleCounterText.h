// What the Tcl and Python wrappers of the counter give their callers: a new
// counter, incremented the given number of times, printed, and released.
#ifndef ZEB_EXAMPLE_COUNTER_TEXT_H
#define ZEB_EXAMPLE_COUNTER_TEXT_H

#include <string>

std::string zebExampleCounterText(int increments);

#endif

// Small helpers for the state lines that PrintSelf writes.
#ifndef ZEB_PRINT_TEXT_H
#define ZEB_PRINT_TEXT_H

#include <string>

// The text itself, or "(none)" when it is empty.
inline const char* zebPrintText(const std::string& text)
{
  return text.empty() ? "(none)" : text.c_str();
}

inline const char* zebPrintOnOff(bool value)
{
  return value ? "On" : "Off";
}

#endif

// What the fuzz targets share: checks that stop the run with a message, and
// the in-order search for the fixed pieces of a generated text.
#ifndef ZEB_FUZZ_CHECKS_H
#define ZEB_FUZZ_CHECKS_H

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// Ends the run so that libFuzzer records the input as a finding.
[[noreturn]] inline void fuzzFailure(const char* what, const std::string& detail)
{
  fprintf(stderr, "fuzz check failed: %s\n%s\n", what, detail.c_str());
  abort();
}

inline void fuzzCheck(bool holds, const char* what, const std::string& detail = std::string())
{
  if (!holds)
  {
    fuzzFailure(what, detail);
  }
}

// Checks that every piece occurs in text, each one after the end of the one
// before it. Taking the leftmost occurrence each time finds such a sequence
// whenever one exists, even where inserted names repeat a piece.
inline void checkPiecesInOrder(const std::string& text,
                               const std::vector<std::string>& pieces,
                               const char* what)
{
  size_t from = 0;
  for (const std::string& piece : pieces)
  {
    size_t at = text.find(piece, from);
    if (at == std::string::npos)
    {
      fuzzFailure(what, "missing, or out of order: \"" + piece + "\"\nin:\n" + text);
    }
    from = at + piece.size();
  }
}

#endif

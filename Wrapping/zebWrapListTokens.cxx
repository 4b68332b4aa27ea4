// Finding the tokens of list-file text, a byte at a time, with a table of
// the list's whitespace.
#include "zebWrapListTokens.h"

namespace
{
// The whitespace of a list: blank, tab, line feed, vertical tab, form feed
// and carriage return.
struct ListSpace
{
  bool is[256];
};

constexpr ListSpace makeListSpace()
{
  ListSpace space = {};
  for (unsigned char c : { ' ', '\t', '\n', '\v', '\f', '\r' })
  {
    space.is[c] = true;
  }
  return space;
}

constexpr ListSpace listSpace = makeListSpace();

bool isListSpace(char c)
{
  return listSpace.is[static_cast<unsigned char>(c)];
}
}

bool nextListToken(const std::string& text, size_t* pos, std::string_view* token)
{
  const char* p = text.data() + *pos;
  const char* end = text.data() + text.size();
  while (p != end && isListSpace(*p))
  {
    ++p;
  }
  if (p == end)
  {
    *pos = text.size();
    return false;
  }
  const char* start = p;
  while (p != end && *p != '\0' && !isListSpace(*p))
  {
    ++p;
  }
  *token = std::string_view(start, static_cast<size_t>(p - start));
  // A NUL ends the token; the rest of its run goes with it.
  while (p != end && !isListSpace(*p))
  {
    ++p;
  }
  *pos = static_cast<size_t>(p - text.data());
  return true;
}

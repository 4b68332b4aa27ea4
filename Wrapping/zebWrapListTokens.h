// The tokens of a generator's list file: maximal runs of bytes other than
// the whitespace that isspace (and so scanf's %s) skips in the C locale. A
// token holds its bytes up to its first NUL, as the C string that %s reads
// it into would.
#ifndef ZEB_WRAP_LIST_TOKENS_H
#define ZEB_WRAP_LIST_TOKENS_H

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Blank, tab, line feed, vertical tab, form feed and carriage return.
constexpr bool isListSpace(char c)
{
  return c == ' ' || (c >= '\t' && c <= '\r');
}

// Reserves room in a list for the text's tokens: enough for a token per 8
// bytes, so that a list of names is allocated once, while a list of shorter
// tokens grows as usual. Pages of the room that stay unused are never
// touched and cost nothing.
void reserveListTokens(const std::string& text, std::vector<std::string_view>* tokens);

// Where the run of non-whitespace, non-NUL bytes that starts at `p` ends,
// at `end` at the latest.
const char* findTokenEnd(const char* p, const char* end);

// Moves *pos past the next token of the text and points *token at what it
// holds; false at the end of the text.
inline bool nextListToken(const std::string& text, size_t* pos, std::string_view* token)
{
  const char* p = text.c_str() + *pos;
  const char* end = text.c_str() + text.size();
  while (p != end && isListSpace(*p))
  {
    ++p;
  }
  if (p == end)
  {
    *pos = text.size();
    return false;
  }
  const char* tokenEnd = findTokenEnd(p, end);
  *token = std::string_view(p, static_cast<size_t>(tokenEnd - p));
  p = tokenEnd;
  while (p != end && !isListSpace(*p))
  {
    ++p;
  }
  *pos = static_cast<size_t>(p - text.c_str());
  return true;
}

#endif

// The tokens of a generator's list file: maximal runs of bytes other than
// the whitespace that isspace (and so scanf's %s) skips in the C locale. A
// token holds its bytes up to its first NUL, as the C string that %s reads
// it into would.
#ifndef ZEB_WRAP_LIST_TOKENS_H
#define ZEB_WRAP_LIST_TOKENS_H

#include <cstddef>
#include <string>
#include <string_view>

// Moves *pos past the next token of the text and points *token at what it
// holds; false at the end of the text.
bool nextListToken(const std::string& text, size_t* pos, std::string_view* token);

#endif

// Splits VRML 2.0 text into tokens: words (names, numbers, keywords), quoted
// strings and the brackets { } [ ]. Commas count as white space and '#'
// starts a comment to the end of the line; a line ends in a line feed, a
// carriage return, or both. Internal to the VRML reader.
#ifndef ZEB_VRML_LEXER_H
#define ZEB_VRML_LEXER_H

#include "zebVRMLInput.h"

#include <string>

enum class zebVRMLTokenKind
{
  Word,
  String,
  OpenBrace,
  CloseBrace,
  OpenBracket,
  CloseBracket,
  End,
  Invalid  // a character that cannot start a token, an unterminated string, a token too long
};

struct zebVRMLToken
{
  zebVRMLTokenKind Kind = zebVRMLTokenKind::End;
  std::string Text;  // the word, the string's contents, or a description of the fault
  int Line = 1;
};

class zebVRMLLexer
{
public:
  // Words and strings longer than this are refused as invalid tokens.
  static const size_t MaximumTokenLength = 1 << 20;

  explicit zebVRMLLexer(zebVRMLInput& input);

  const zebVRMLToken& Peek() const
  {
    return this->Next;
  }
  zebVRMLToken Take();

private:
  void CountLine(int c);
  void SkipSpaceAndComments();
  void Scan();
  void ScanWord();
  void ScanString();
  void TooLong();

  zebVRMLInput& Input;
  int Line;
  zebVRMLToken Next;
};

// How a token reads in a message: the word itself, or a name for the others.
std::string zebDescribeVRMLToken(const zebVRMLToken& token);

#endif

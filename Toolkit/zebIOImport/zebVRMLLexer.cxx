// Tokens of VRML 2.0 text.
#include "zebVRMLLexer.h"

#include <cstdio>

static bool IsSpace(unsigned char c)
{
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == ',';
}

static bool EndsWord(unsigned char c)
{
  return IsSpace(c) || c == '{' || c == '}' || c == '[' || c == ']' || c == '"' || c == '#' ||
         c < 0x20 || c == 0x7f;
}

zebVRMLLexer::zebVRMLLexer(zebVRMLInput& input)
  : Input(input)
  , Line(1)
{
  this->Scan();
}

zebVRMLToken zebVRMLLexer::Take()
{
  zebVRMLToken taken = this->Next;
  if (taken.Kind != zebVRMLTokenKind::End && taken.Kind != zebVRMLTokenKind::Invalid)
  {
    this->Scan();
  }
  return taken;
}

// Counts a line end: a line feed, a carriage return, or the two together.
// Called with the byte just moved past.
void zebVRMLLexer::CountLine(int c)
{
  if (c == '\n' || (c == '\r' && this->Input.Peek() != '\n'))
  {
    ++this->Line;
  }
}

void zebVRMLLexer::SkipSpaceAndComments()
{
  for (int c = this->Input.Peek(); c >= 0; c = this->Input.Peek())
  {
    if (c == '#')
    {
      this->Input.SkipToLineEnd();
    }
    else if (IsSpace(static_cast<unsigned char>(c)))
    {
      this->Input.Skip();
      this->CountLine(c);
    }
    else
    {
      return;
    }
  }
}

void zebVRMLLexer::Scan()
{
  this->SkipSpaceAndComments();
  this->Next = zebVRMLToken();
  this->Next.Line = this->Line;
  int c = this->Input.Peek();
  switch (c)
  {
    case -1:
      return;
    case '{':
      this->Next.Kind = zebVRMLTokenKind::OpenBrace;
      break;
    case '}':
      this->Next.Kind = zebVRMLTokenKind::CloseBrace;
      break;
    case '[':
      this->Next.Kind = zebVRMLTokenKind::OpenBracket;
      break;
    case ']':
      this->Next.Kind = zebVRMLTokenKind::CloseBracket;
      break;
    case '"':
      this->ScanString();
      return;
    default:
      if (EndsWord(static_cast<unsigned char>(c)))
      {
        char description[64];
        snprintf(description, sizeof(description), "unexpected character 0x%02x", c);
        this->Next.Kind = zebVRMLTokenKind::Invalid;
        this->Next.Text = description;
        return;
      }
      this->ScanWord();
      return;
  }
  this->Input.Skip();
}

void zebVRMLLexer::ScanWord()
{
  std::string& word = this->Next.Text;
  for (int c = this->Input.Peek(); c >= 0 && !EndsWord(static_cast<unsigned char>(c));
       c = this->Input.Peek())
  {
    if (word.size() == MaximumTokenLength)
    {
      this->TooLong();
      return;
    }
    word += static_cast<char>(c);
    this->Input.Skip();
  }
  this->Next.Kind = zebVRMLTokenKind::Word;
}

void zebVRMLLexer::ScanString()
{
  this->Input.Skip();
  std::string& contents = this->Next.Text;
  for (int c = this->Input.Peek(); c >= 0; c = this->Input.Peek())
  {
    this->Input.Skip();
    if (c == '"')
    {
      this->Next.Kind = zebVRMLTokenKind::String;
      return;
    }
    if (c == '\\' && this->Input.Peek() >= 0)
    {
      c = this->Input.Peek();
      this->Input.Skip();
    }
    if (contents.size() == MaximumTokenLength)
    {
      this->TooLong();
      return;
    }
    this->CountLine(c);
    contents += static_cast<char>(c);
  }
  this->Next.Kind = zebVRMLTokenKind::Invalid;
  this->Next.Text = "unterminated string";
}

void zebVRMLLexer::TooLong()
{
  this->Next.Kind = zebVRMLTokenKind::Invalid;
  this->Next.Text = "a word or string longer than " + std::to_string(MaximumTokenLength) + " bytes";
}

std::string zebDescribeVRMLToken(const zebVRMLToken& token)
{
  switch (token.Kind)
  {
    case zebVRMLTokenKind::Word:
      return "'" + token.Text + "'";
    case zebVRMLTokenKind::String:
      return "a string";
    case zebVRMLTokenKind::OpenBrace:
      return "'{'";
    case zebVRMLTokenKind::CloseBrace:
      return "'}'";
    case zebVRMLTokenKind::OpenBracket:
      return "'['";
    case zebVRMLTokenKind::CloseBracket:
      return "']'";
    case zebVRMLTokenKind::End:
      return "the end of the file";
    case zebVRMLTokenKind::Invalid:
      return token.Text;
  }
  return token.Text;
}

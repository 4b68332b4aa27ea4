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

zebVRMLLexer::zebVRMLLexer(const std::string& text, size_t start, int line)
  : Text(text)
  , Position(start)
  , Line(line)
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

void zebVRMLLexer::SkipSpaceAndComments()
{
  while (this->Position < this->Text.size())
  {
    unsigned char c = this->Text[this->Position];
    if (c == '#')
    {
      while (this->Position < this->Text.size() && this->Text[this->Position] != '\n')
      {
        ++this->Position;
      }
    }
    else if (IsSpace(c))
    {
      this->Line += c == '\n';
      ++this->Position;
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
  if (this->Position >= this->Text.size())
  {
    return;
  }
  unsigned char c = this->Text[this->Position];
  switch (c)
  {
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
      if (EndsWord(c))
      {
        char description[64];
        snprintf(description, sizeof(description), "unexpected character 0x%02x", c);
        this->Next.Kind = zebVRMLTokenKind::Invalid;
        this->Next.Text = description;
        return;
      }
      size_t start = this->Position;
      while (this->Position < this->Text.size() && !EndsWord(this->Text[this->Position]))
      {
        ++this->Position;
      }
      this->Next.Kind = zebVRMLTokenKind::Word;
      this->Next.Text = this->Text.substr(start, this->Position - start);
      return;
  }
  ++this->Position;
}

void zebVRMLLexer::ScanString()
{
  ++this->Position;
  std::string contents;
  while (this->Position < this->Text.size())
  {
    char c = this->Text[this->Position++];
    if (c == '"')
    {
      this->Next.Kind = zebVRMLTokenKind::String;
      this->Next.Text = contents;
      return;
    }
    if (c == '\\' && this->Position < this->Text.size())
    {
      c = this->Text[this->Position++];
    }
    this->Line += c == '\n';
    contents += c;
  }
  this->Next.Kind = zebVRMLTokenKind::Invalid;
  this->Next.Text = "unterminated string";
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

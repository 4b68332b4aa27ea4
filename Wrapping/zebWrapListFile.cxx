// Reading a list file whole and making its text plain: UTF-8 without a
// byte-order mark, ending where the platform's text mode ends a file.
#include "zebWrapListFile.h"

#include "zebWrapRunErrors.h"
#include "zebWrapSystem.h"

#include <algorithm>

namespace
{
// Reads the rest of the file; a regular file larger than a string can hold
// is refused by its size, before anything is read.
ListReading readRest(int fd, std::string* text)
{
  FileInfo info;
  if (inspectFile(fd, &info) && info.regular)
  {
    if (info.size >= text->max_size())
    {
      return ListReading::tooLarge;
    }
    text->reserve(static_cast<size_t>(info.size));
  }
  char buffer[65536];
  for (;;)
  {
    long long got = readSome(fd, buffer, sizeof(buffer));
    if (got == 0)
    {
      return ListReading::read;
    }
    if (got < 0)
    {
      return ListReading::failed;
    }
    text->append(buffer, static_cast<size_t>(got));
  }
}

unsigned utf16Unit(const std::string& text, size_t at, bool bigEndian)
{
  unsigned first = static_cast<unsigned char>(text[at]);
  unsigned second = static_cast<unsigned char>(text[at + 1]);
  return bigEndian ? first << 8 | second : second << 8 | first;
}

// One code point in UTF-8: a lead byte that tells how many bytes of six
// bits each follow, then those.
void appendUtf8(unsigned long c, std::string* out)
{
  if (c < 0x80)
  {
    *out += static_cast<char>(c);
    return;
  }
  int continuations = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
  static const unsigned char lead[] = { 0, 0xC0, 0xE0, 0xF0 };
  *out += static_cast<char>(lead[continuations] | c >> (6 * continuations));
  for (int i = continuations - 1; i >= 0; --i)
  {
    *out += static_cast<char>(0x80 | ((c >> (6 * i)) & 0x3F));
  }
}

// The UTF-16 text after its two-byte mark, as UTF-8; false for an odd byte
// or a surrogate without its other half.
bool utf16ToUtf8(const std::string& text, bool bigEndian, std::string* out)
{
  if (text.size() % 2 != 0)
  {
    return false;
  }
  for (size_t at = 2; at < text.size(); at += 2)
  {
    unsigned long c = utf16Unit(text, at, bigEndian);
    if (c >= 0xDC00 && c <= 0xDFFF)
    {
      return false;
    }
    if (c >= 0xD800 && c <= 0xDBFF)
    {
      at += 2;
      unsigned long low = at < text.size() ? utf16Unit(text, at, bigEndian) : 0;
      if (low < 0xDC00 || low > 0xDFFF)
      {
        return false;
      }
      c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
    }
    appendUtf8(c, out);
  }
  return true;
}

ListReading makePlain(std::string* text)
{
  if (text->compare(0, 3, "\xEF\xBB\xBF") == 0)
  {
    text->erase(0, 3);
  }
  else if (text->compare(0, 2, "\xFF\xFE") == 0 || text->compare(0, 2, "\xFE\xFF") == 0)
  {
    std::string utf8;
    if (!utf16ToUtf8(*text, (*text)[0] == '\xFE', &utf8))
    {
      return ListReading::badUtf16;
    }
    text->swap(utf8);
  }
  if (ctrlZEndsText)
  {
    text->resize(std::min(text->find('\x1A'), text->size()));
  }
  return ListReading::read;
}
}

bool readListFile(int fd, const char* name, std::string* text)
{
  ListReading reading = ListReading::failed;
  try
  {
    reading = readRest(fd, text);
  }
  catch (...)
  {
    closeFile(fd);
    throw;
  }
  closeFile(fd);
  if (reading == ListReading::read)
  {
    reading = makePlain(text);
  }
  if (reading != ListReading::read)
  {
    reportListReading(reading, name);
  }
  return reading == ListReading::read;
}

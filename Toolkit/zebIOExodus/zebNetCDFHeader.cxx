// Walks a netCDF classic-family header: the record count, then the lists of
// dimensions, global attributes and variables, each a tag and a count.
#include "zebNetCDFHeader.h"

namespace
{
const uint64_t tagDimension = 0x0A;
const uint64_t tagVariable = 0x0B;
const uint64_t tagAttribute = 0x0C;

struct HeaderWalk
{
  const std::string& bytes;
  uint64_t fileSize;
  size_t at;
  bool cdf5;        // counts and sizes are 8 bytes wide
  bool wideOffset;  // variable offsets are 8 bytes wide
  bool pastStart;   // the header runs on past the bytes at hand
};

// Moves past length bytes of the header; false when the file or the bytes at
// hand end first.
bool advance(HeaderWalk& walk, uint64_t length)
{
  if (length > walk.fileSize - walk.at)
  {
    return false;
  }
  if (length > walk.bytes.size() - walk.at)
  {
    walk.pastStart = true;
    return false;
  }
  walk.at += static_cast<size_t>(length);
  return true;
}

bool readWord(HeaderWalk& walk, size_t width, uint64_t* value)
{
  size_t from = walk.at;
  if (!advance(walk, width))
  {
    return false;
  }
  *value = 0;
  for (size_t i = from; i < walk.at; ++i)
  {
    *value = *value << 8 | static_cast<unsigned char>(walk.bytes[i]);
  }
  return true;
}

size_t countWidth(const HeaderWalk& walk)
{
  return walk.cdf5 ? 8 : 4;
}

// A count of things that each take at least `least` bytes of what follows.
bool readCount(HeaderWalk& walk, uint64_t least, uint64_t* count)
{
  return readWord(walk, countWidth(walk), count) && *count <= (walk.fileSize - walk.at) / least;
}

bool skipPadded(HeaderWalk& walk, uint64_t length)
{
  return length <= walk.fileSize && advance(walk, (length + 3) / 4 * 4);
}

bool skipName(HeaderWalk& walk)
{
  uint64_t length = 0;
  return readCount(walk, 1, &length) && skipPadded(walk, length);
}

uint64_t typeSize(uint64_t type)
{
  static const uint64_t sizes[] = { 0, 1, 1, 2, 4, 4, 8, 1, 2, 4, 8, 8 };
  return type < sizeof(sizes) / sizeof(sizes[0]) ? sizes[type] : 0;
}

// One of the header's lists: absent (two zero words) or the tag and its items.
template<typename SkipItem>
bool skipList(HeaderWalk& walk, uint64_t expectedTag, uint64_t least, SkipItem skipItem)
{
  uint64_t tag = 0, count = 0;
  if (!readWord(walk, 4, &tag) || !readCount(walk, least, &count) ||
      (tag != expectedTag && (tag != 0 || count != 0)))
  {
    return false;
  }
  for (uint64_t i = 0; i < count; ++i)
  {
    if (!skipItem(walk))
    {
      return false;
    }
  }
  return true;
}

bool skipDimension(HeaderWalk& walk)
{
  uint64_t length = 0;
  return skipName(walk) && readWord(walk, countWidth(walk), &length);
}

bool skipAttribute(HeaderWalk& walk)
{
  uint64_t type = 0, values = 0;
  return skipName(walk) && readWord(walk, 4, &type) && typeSize(type) != 0 &&
         readCount(walk, typeSize(type), &values) && skipPadded(walk, values * typeSize(type));
}

// Name, dimension ids, attributes, type, size and data offset.
bool skipVariable(HeaderWalk& walk)
{
  uint64_t dimensions = 0, type = 0, unused = 0;
  return skipName(walk) && readCount(walk, countWidth(walk), &dimensions) &&
         advance(walk, dimensions * countWidth(walk)) &&
         skipList(walk, tagAttribute, 12, skipAttribute) && readWord(walk, 4, &type) &&
         typeSize(type) != 0 && readWord(walk, countWidth(walk), &unused) &&
         readWord(walk, walk.wideOffset ? 8 : 4, &unused);
}
}

bool zebNetCDFHeaderFits(const std::string& start, uint64_t fileSize)
{
  if (start.size() < 4 || start.compare(0, 3, "CDF") != 0 ||
      (start[3] != 1 && start[3] != 2 && start[3] != 5))
  {
    return true;
  }
  HeaderWalk walk = { start, fileSize, 4, start[3] == 5, start[3] != 1, false };
  uint64_t records = 0;
  bool fits = start.size() <= fileSize && readWord(walk, countWidth(walk), &records) &&
              skipList(walk, tagDimension, 8, skipDimension) &&
              skipList(walk, tagAttribute, 12, skipAttribute) &&
              skipList(walk, tagVariable, 16, skipVariable);
  return fits || walk.pastStart;
}

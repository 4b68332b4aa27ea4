// Scanning list-file text sixteen bytes at a time where SSE2 is there, a
// byte at a time elsewhere and at the ends. List files of a million names
// spend most of their reading time here.
#include "zebWrapListTokens.h"

#include "zebWrapSystem.h"

#include <cstdint>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace
{
#ifdef __SSE2__
// One bit per byte of the block: set for list whitespace.
unsigned spaceMask(__m128i block)
{
  __m128i blank = _mm_cmpeq_epi8(block, _mm_set1_epi8(' '));
  // Tab to carriage return are 9 to 13: moved down by 9 they are 0 to 4.
  __m128i moved = _mm_sub_epi8(block, _mm_set1_epi8('\t'));
  __m128i control = _mm_cmpeq_epi8(_mm_min_epu8(moved, _mm_set1_epi8(4)), moved);
  return static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(blank, control)));
}

unsigned nulMask(__m128i block)
{
  return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, _mm_setzero_si128())));
}

__m128i load(const char* p)
{
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

// The position of the lowest set bit of a non-zero mask, by de Bruijn
// multiplication: the lowest bit alone, times the sequence, puts a
// different 5-bit pattern at the top for each position.
unsigned lowestSetBit(unsigned mask)
{
  static const unsigned char position[32] = { 0,  1,  28, 2,  29, 14, 24, 3,  30, 22, 20,
                                              15, 25, 17, 4,  8,  31, 27, 13, 23, 21, 19,
                                              16, 7,  26, 12, 18, 6,  11, 5,  10, 9 };
  uint32_t lowest = static_cast<uint32_t>(mask) & (0u - static_cast<uint32_t>(mask));
  return position[static_cast<uint32_t>(lowest * 0x077CB531u) >> 27];
}
#endif
}

const char* findTokenEnd(const char* p, const char* end)
{
#ifdef __SSE2__
  for (; end - p >= 16; p += 16)
  {
    __m128i block = load(p);
    unsigned stops = spaceMask(block) | nulMask(block);
    if (stops != 0)
    {
      return p + lowestSetBit(stops);
    }
  }
#endif
  while (p != end && *p != '\0' && !isListSpace(*p))
  {
    ++p;
  }
  return p;
}

void reserveListTokens(const std::string& text, std::vector<std::string_view>* tokens)
{
  tokens->reserve(text.size() / 8 + 1);
  adviseHugePages(tokens->data(), tokens->capacity() * sizeof(std::string_view));
}

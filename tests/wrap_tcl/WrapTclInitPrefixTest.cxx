// The init-prefix rule byte by byte, and list-file tokens: where they end,
// and that they are C strings.
#include "zebWrapListTokens.h"
#include "zebWrapTclInitText.h"

#include <gtest/gtest.h>

TEST(WrapTclInitPrefix, FirstByteRaisedRestLowered)
{
  EXPECT_EQ(toInitPrefix("zebCommonCoreTcl"), "Zebcommoncoretcl");
  EXPECT_EQ(toInitPrefix("ZEBCOMMONCORETCL"), "Zebcommoncoretcl");
  EXPECT_EQ(toInitPrefix(""), "");
  EXPECT_EQ(toInitPrefix("z"), "Z");
  EXPECT_EQ(toInitPrefix("Z"), "Z");
  // Bytes 0x5B to 0x7F move down by 32 in first place only; later bytes
  // other than A-Z stay.
  EXPECT_EQ(toInitPrefix("_A_"), "?a_");
  EXPECT_EQ(toInitPrefix("{X[~"), "[x[~");
  EXPECT_EQ(toInitPrefix("\x7f"), "\x5f");
  EXPECT_EQ(toInitPrefix("@AZ"), "@az");
  // Bytes from 0x80 are negative as signed bytes and stay, first or later.
  EXPECT_EQ(toInitPrefix("\xc3\xa9T"), "\xc3\xa9t");
  EXPECT_EQ(toInitPrefix("a\xc3\x89Q"), "A\xc3\x89q");
}

TEST(WrapTclInitPrefix, TokensEndAtTheirFirstNul)
{
  TclInitList list;
  std::string text("zebLib\0ignored a\0b COMMAND\0x m VERSION 1.0\0z", 44);
  EXPECT_EQ(readInitList(text, &list), nullptr);
  EXPECT_EQ(list.libName, "zebLib");
  EXPECT_EQ(list.creators, std::vector<std::string_view>{ "a" });
  EXPECT_EQ(list.commands, std::vector<std::string_view>{ "m" });
  EXPECT_EQ(list.version, "1.0");
}

TEST(WrapTclInitPrefix, TokensStopAtWhitespaceNulOrTheEnd)
{
  // Bytes next to the whitespace range and above 0x7f belong to a token,
  // whether char is signed or not; a token stops at whitespace, at a NUL
  // (the rest of its run goes with it) or at the end of the text.
  const std::string inToken = "\x08\x0e\x1f!\x7f\x80\xa0\xff"
                              "aZ~_";
  const std::vector<std::string> stops = { " ", "\t", "\n", "\v", "\f", "\r", std::string(1, '\0'),
                                           "" };
  for (const std::string& stop : stops)
  {
    for (size_t length = 1; length < 40; ++length)
    {
      std::string text;
      for (size_t i = 0; i < length; ++i)
        text += inToken[i % inToken.size()];
      text += stop.empty() ? "" : stop + std::string(16, 't');
      const bool whitespace = !stop.empty() && stop[0] != '\0';
      size_t pos = 0;
      std::string_view token;
      ASSERT_TRUE(nextListToken(text, &pos, &token));
      EXPECT_EQ(token, text.substr(0, length))
        << "stop " << static_cast<int>(stop.empty() ? -1 : stop[0]) << ", length " << length;
      EXPECT_EQ(nextListToken(text, &pos, &token), whitespace);
      if (whitespace)
      {
        EXPECT_EQ(token, std::string(16, 't'));
      }
      EXPECT_EQ(pos, text.size());
    }
  }
}

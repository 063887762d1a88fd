#include "platform/text_encoding.h"

#include <gtest/gtest.h>

namespace {

TEST(TextEncodingTest, Latin1AndUtf8ConvertBothWays) {
  std::string all;
  for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
  const std::string utf8 = platform::Latin1ToUtf8(all);
  EXPECT_EQ(platform::CharCount(utf8), 255);
  EXPECT_EQ(platform::Utf8ToLatin1(utf8), all);
  EXPECT_EQ(platform::Utf8ToLatin1("\xE2\x82\xAC"), "\xAC");  // the euro sign keeps its low byte
}

TEST(TextEncodingTest, MalformedUtf8BytesCountAsLatin1Characters) {
  EXPECT_EQ(platform::CodePoints("a\xE9z"), (std::vector<char32_t>{'a', 0xE9, 'z'}));
  EXPECT_EQ(platform::CodePoints("\xC3"), std::vector<char32_t>{0xC3});  // cut short at the end
  EXPECT_EQ(platform::CodePoints("\xC0\xAF"), (std::vector<char32_t>{0xC0, 0xAF}));  // overlong
  EXPECT_EQ(platform::CharCount("\xE2\x82\xAC\xF0\x9F\x98\x80"), 2);
}

TEST(TextEncodingTest, Utf16WithSurrogates) {
  const std::string text = "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80";
  const std::u16string wide = platform::Utf8ToUtf16(text);
  EXPECT_EQ(wide, (std::u16string{u'A', 0xE9, 0x20AC, 0xD83D, 0xDE00}));
  EXPECT_EQ(platform::Utf16ToUtf8(wide), text);
  EXPECT_EQ(platform::Utf16ToUtf8(std::u16string{0xD800, u'x'}), "\xEF\xBF\xBDx");  // lone surrogate
  EXPECT_EQ(platform::FromCodePoint(0x20AC), "\xE2\x82\xAC");
}

}  // namespace

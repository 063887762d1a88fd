#include "util/word_wrap.h"

#include <gtest/gtest.h>

#include "util_test_support.h"

using Lines = std::vector<std::string>;

TEST(WordWrap, SplittingIntoLines) {
  const struct {
    const char* text;
    Lines lines;
  } cases[] = {
      {"", {}},
      {"one line", {"one line"}},
      {"\n", {""}},
      {"a\r\nb", {"a", "b"}},
      {"a\nb\n", {"a", "b"}},
      {"a\n\nb", {"a", "", "b"}},
      {"a\rb\n", {"a\rb"}},
  };
  for (const auto& c : cases) EXPECT_EQ(ccSplitStringIntoLines(c.text), c.lines) << c.text;
}

TEST(WordWrap, GreedyWrapWithAFixedWidthMeasure) {
  const auto font = std::make_shared<util_test::FixedFont>(10, 16);
  const struct {
    Lines in;
    int width;
    Lines out;
  } cases[] = {
      {{}, 50, {}},
      {{"", "word"}, 50, {"", "word"}},
      {{"aaa bb cc"}, 50, {"aaa", "bb cc"}},      // 60 px too wide, 50 px fits exactly
      {{"abcdefgh"}, 50, {"abcdefgh"}},           // a long word stands alone, unbroken
      {{"aa  bb"}, 50, {"aa bb"}},                // two spaces wrap as one
      {{"aa   bb    cc"}, 80, {"aa bb cc"}},      // longer runs lose no words
      {{"aa bb "}, 80, {"aa bb"}},                // a final space is dropped
      {{" abcdef"}, 50, {"", "abcdef"}},          // a too-wide first word after a leading space
      {{"a b", "c d"}, 100, {"a b", "c d"}},      // input lines are never joined
  };
  for (const auto& c : cases) EXPECT_EQ(ccWordWrapArray(c.in, c.width, font), c.out) << c.in.size();
}

TEST(WordWrap, CurrentFontMeasuresWhenNoneIsGiven) {
  ccSetImageFont(std::make_shared<util_test::FixedFont>(10, 16));
  EXPECT_EQ(ccWordWrapArray({"aaa bb cc"}, 50), (Lines{"aaa", "bb cc"}));
  ccSetImageFont(nullptr);
}

TEST(WordWrap, SecondWidthFromTheSwitchLine) {
  const auto font = std::make_shared<util_test::FixedFont>(10, 16);
  const Lines text{"aaaa bbbb cccc dddd eeee ffff gggg"};
  const Lines wrapped = ccWordWrapArraySpecial(text, 100, 40, 3, font);
  EXPECT_EQ(wrapped, (Lines{"aaaa bbbb", "cccc dddd", "eeee", "ffff", "gggg"}));
  EXPECT_EQ(ccWordWrapArraySpecial(text, 100, 40, 1, font), ccWordWrapArray(text, 100, font));
}

TEST(WordWrap, WrappedLinesAreDrawnOneUnderAnother) {
  auto font = std::make_shared<util_test::FixedFont>(10, 16);
  ccSetImageFont(font);
  ccShadowTextWrapped(100, 50, {"ab", "abcd"}, 1, 0);
  ccSetImageFont(nullptr);
  ASSERT_EQ(font->draws.size(), 4u);  // shadow then text, per line
  EXPECT_FLOAT_EQ(font->draws[0].x, 91);  // 100 - 10 + shadow offset 1
  EXPECT_FLOAT_EQ(font->draws[1].x, 90);
  EXPECT_FLOAT_EQ(font->draws[1].y, 50);
  EXPECT_FLOAT_EQ(font->draws[3].x, 80);  // each line centred separately
  EXPECT_FLOAT_EQ(font->draws[3].y, 66);  // height of "ABCXYZ" in the font
}

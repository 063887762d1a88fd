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

// The strict wrap keeps every line within the width: a word wider than it (a path in a message
// box) is broken, after a folder's "/" where one falls on the line, else between characters.
TEST(WordWrap, StrictWrapBreaksAWordWiderThanTheWidth) {
  const auto font = std::make_shared<util_test::FixedFont>(10, 16);
  const struct {
    Lines in;
    int width;
    Lines out;
  } cases[] = {
      {{"aaa bb cc"}, 50, {"aaa", "bb cc"}},                    // words that fit wrap as before
      {{"abcdefgh"}, 50, {"abcde", "fgh"}},                     // the most characters that fit
      {{"abcdefgh ij"}, 60, {"abcdef", "gh ij"}},               // the rest goes on as a word
      {{"see /aa/bbb/cc/d end"}, 60, {"see", "/aa/", "bbb/", "cc/d", "end"}},  // at folders
      {{"ééééé"}, 30, {"ééé", "éé"}},                 // whole characters, not bytes
      {{"abc"}, 5, {"a", "b", "c"}},                            // at least one character a line
      {{"", "abcdefghijkl", "x"}, 50, {"", "abcde", "fghij", "kl", "x"}},  // lines stay apart
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ccWordWrapArrayStrict(c.in, c.width, font), c.out) << c.in.back();
  }
  // The plain wrap still leaves a long word whole.
  EXPECT_EQ(ccWordWrapArray({"abcdefgh"}, 50, font), (Lines{"abcdefgh"}));
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

namespace {

// A fixed-width font that counts the bytes it is asked to measure: the wrap's work, without a
// clock.
class CountingFont : public util_test::FixedFont {
 public:
  using FixedFont::FixedFont;
  double TextWidth(const std::string& text) const override {
    measured += text.size();
    return FixedFont::TextWidth(text);
  }
  mutable std::size_t measured = 0;
};

std::string Words(std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) text += i == 0 ? "word" : " word";
  return text;
}

}  // namespace

// A long text value is wrapped measuring each word against its line only: the bytes measured grow
// with the text, and a font whose glyphs measure nothing does not keep the whole text on one line.
TEST(WordWrap, ALongTextIsMeasuredInLinearWork) {
  constexpr std::size_t kWords = 20000;  // 100 KB
  const std::string text = Words(kWords);

  const auto font = std::make_shared<CountingFont>(10, 16);
  const Lines wrapped = ccWordWrapArray({text}, 200, font);
  // 200 px holds four words of 4 letters and their spaces (190 px); a fifth makes 240.
  ASSERT_EQ(wrapped.size(), kWords / 4);
  EXPECT_EQ(wrapped.front(), "word word word word");
  // Every candidate line is at most five words: 24 bytes measured for each word.
  EXPECT_LE(font->measured, kWords * 24);

  const auto nothing = std::make_shared<CountingFont>(0, 16);
  const Lines long_lines = ccWordWrapArray({text}, 200, nothing);
  // Lines end at 1024 bytes: 205 words make 1024 bytes ("word" and 204 " word").
  ASSERT_FALSE(long_lines.empty());
  EXPECT_EQ(long_lines.front().size(), 1024u);
  for (const std::string& line : long_lines) EXPECT_LE(line.size(), 1024u);
  EXPECT_EQ(long_lines.size(), (kWords + 204) / 205);
  EXPECT_LE(nothing->measured, kWords * 1029);
}

// A long word broken by the strict wrap is measured in work linear in its length, also with a
// font whose glyphs measure nothing (its lines then end at 1024 bytes).
TEST(WordWrap, AStrictWrapOfALongWordIsMeasuredInLinearWork) {
  const std::string word(200000, 'a');
  const auto font = std::make_shared<CountingFont>(10, 16);
  const Lines wrapped = ccWordWrapArrayStrict({word}, 200, font);
  ASSERT_EQ(wrapped.size(), word.size() / 20);
  EXPECT_EQ(wrapped.front(), std::string(20, 'a'));
  // Each line halves its way to 20 characters: a dozen measures of at most 1024 bytes.
  EXPECT_LE(font->measured, wrapped.size() * 12 * 1024);

  const auto nothing = std::make_shared<CountingFont>(0, 16);
  const Lines long_lines = ccWordWrapArrayStrict({word}, 200, nothing);
  ASSERT_EQ(long_lines.size(), (word.size() + 1023) / 1024);
  for (const std::string& line : long_lines) EXPECT_LE(line.size(), 1024u);
  EXPECT_LE(nothing->measured, long_lines.size() * 12 * 1024);
}

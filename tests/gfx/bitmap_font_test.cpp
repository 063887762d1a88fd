#include "gfx/bitmap_font.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "gfx/font.h"
#include "platform/files.h"
#include "platform/system.h"
#include "gfx/shadow.h"
#include "gfx_test_support.h"
#include "util/error.h"
#include "util/globals.h"
#include "util/types.h"
#include "util/word_wrap.h"

namespace {

const std::string kEuro = "\xE2\x82\xAC";

class BitmapFontTest : public gfx_test::DrawTest {
 protected:
  void SetUp() override {
    DrawTest::SetUp();
    font_ = TBitmapFont::Create(gfx_test::Fixture("fonts/testfont"), -1);
  }
  TBitmapFontRef font_;
};

TEST_F(BitmapFontTest, ReadsTheDescriptorIntoItsSlots) {
  EXPECT_DOUBLE_EQ(font_->ScaleFactor, 1.0);
  EXPECT_DOUBLE_EQ(font_->TextureW, 64);
  EXPECT_DOUBLE_EQ(font_->TextureH, 32);
  EXPECT_EQ(font_->ID[65], 65);
  EXPECT_DOUBLE_EQ(font_->width[65], 8.0 / 64);
  EXPECT_DOUBLE_EQ(font_->height[66], 12.0 / 32);
  EXPECT_DOUBLE_EQ(font_->xOffset[65], 1);
  EXPECT_DOUBLE_EQ(font_->yOffset[65], 2);
  EXPECT_DOUBLE_EQ(font_->xAdvance[89], 9);  // keys in any order on the line
  // The first code of 256 or more takes slot 256; its negative offset reads as a number.
  EXPECT_EQ(font_->ID[256], 8364);
  EXPECT_DOUBLE_EQ(font_->xOffset[256], -1);
  EXPECT_EQ(font_->NumExtraChars, 1);
  EXPECT_EQ(font_->FindChar(kEuro), 256);
  EXPECT_EQ(font_->FindChar("A"), 0);
  EXPECT_EQ(font_->SlotOf(0x263A), 0);  // not in the table: slot 0
  // Seven glyphs, the blank last line (slot 0, zeros); the line with a negative code is skipped.
  EXPECT_EQ(font_->NumChars, 8);
  EXPECT_DOUBLE_EQ(font_->xAdvance[0], 0);
}

TEST_F(BitmapFontTest, DescriptorsCannotWriteOutsideTheTable) {
  TBitmapFont font;
  std::vector<std::string> lines = {"scaleF=2.00", "scaleW=64 scaleH=64",
                                    "id=-300 x=1 xadvance=5"};
  for (int i = 0; i < 150; ++i)
    lines.push_back("id=" + std::to_string(1000 + i) + " xadvance=" + std::to_string(i % 10));
  font.ParseDescriptor(lines);
  EXPECT_EQ(font.NumExtraChars, TBitmapFont::MAX_EXTRA_CHARS);
  EXPECT_EQ(font.ID[355], 1099);
  EXPECT_EQ(font.SlotOf(1100), 0);
  EXPECT_DOUBLE_EQ(font.ScaleFactor, 2.0);
}

TEST_F(BitmapFontTest, NegativeCodesAreSkippedWithoutTouchingTheTable) {
  for (const char* line : {"id=-300 x=1 xadvance=5", "id=-1 x=2 y=3 width=4 height=5 xadvance=6",
                           "id=-9999 xadvance=7"}) {
    TBitmapFont font;
    font.ParseDescriptor({"scaleF=1.00", "scaleW=64 scaleH=64", line});
    EXPECT_EQ(font.NumChars, 0) << line;
    EXPECT_EQ(font.NumExtraChars, 0) << line;
    for (int slot = 0; slot < TBitmapFont::SLOTS; ++slot) {
      EXPECT_EQ(font.ID[static_cast<std::size_t>(slot)], 0) << line << " slot " << slot;
      EXPECT_DOUBLE_EQ(font.xAdvance[static_cast<std::size_t>(slot)], 0) << line << " slot " << slot;
    }
  }
}

// Descriptors that would draw every text as nothing, or read glyphs from outside the page, are
// refused by name and line before the font is made. The page is the 64 x 32 test page.
TEST_F(BitmapFontTest, BrokenDescriptorsAreRefusedNamingTheFileAndLine) {
  const std::string folder = platform::UserDataFolder() + "fnt_refused/";
  ASSERT_TRUE(platform::CreateFolder(folder));
  ASSERT_TRUE(platform::CopyFile(gfx_test::Fixture("fonts/testfont.png"), folder + "cut.png"));
  const std::string head = "info scaleF=1.00\ncommon scaleW=64   scaleH=32   pages=1\n";
  const std::string glyph = "char id=65   x=0    y=0    width=8    height=10   xadvance=9\n";
  const struct {
    const char* label;
    std::string text;
    std::string fault;
  } cases[] = {
      {"empty", "", "line 2: the page size 0 x 0 is empty"},
      {"cut after line 1", "info scaleF=1.00\n", "line 2: the page size 0 x 0 is empty"},
      {"random bytes", "\x93\x01\xFFsc\x7F=\n\x02\x88\n id=\x10\n", "line 2: the page size 0 x 0 is empty"},
      {"scaleW=0", "info scaleF=1.00\ncommon scaleW=0    scaleH=32   pages=1\n" + glyph,
       "line 2: the page size 0 x 32 is empty"},
      {"page not the stated size", "info scaleF=1.00\ncommon scaleW=1    scaleH=1    pages=1\n" + glyph,
       "line 2: the page size 1 x 1 is not the page's 64 x 32"},
      {"no glyph", head, "lines 3 on: no glyph has a picture"},
      {"negative codes only", head + "char id=-300 x=0 y=0 width=8 height=8 xadvance=5\n",
       "lines 3 on: no glyph has a picture"},
      {"empty glyphs only", head + "char id=65 x=0 y=0 width=0 height=10 xadvance=9\nchar id=66 xadvance=9\n",
       "lines 3 on: no glyph has a picture"},
      {"glyph past the right edge", head + glyph + "char id=66   x=60   y=0    width=8    height=10\n",
       "line 4: glyph 66 (x 60, y 0, 8 x 10) lies outside the 64 x 32 page"},
      {"glyph past the bottom", head + "char id=67   x=0    y=30   width=8    height=10\n" + glyph,
       "line 3: glyph 67 (x 0, y 30, 8 x 10) lies outside the 64 x 32 page"},
      {"glyph at a negative place", head + glyph + glyph + "char id=68   x=-4   y=0    width=8    height=10\n",
       "line 5: glyph 68 (x -4, y 0, 8 x 10) lies outside the 64 x 32 page"},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(platform::WriteFileAtomic(folder + "cut.fnt", c.text));
    try {
      TBitmapFont::Create(folder + "cut", -1);
      ADD_FAILURE() << "accepted: " << c.label;
    } catch (const ccFatalError& error) {
      EXPECT_EQ(std::string(error.what()), "The font descriptor '" + folder + "cut.fnt', " + c.fault) << c.label;
    }
  }
  // The glyph on the page's last column and row, and glyphs the parser skips, are sound.
  ASSERT_TRUE(platform::WriteFileAtomic(
      folder + "cut.fnt", head + "char id=65 x=56 y=22 width=8 height=10 xadvance=9\nchar id=-1 x=99 width=99\n"));
  EXPECT_EQ(TBitmapFont::Create(folder + "cut", -1)->NumChars, 1);
}

TEST_F(BitmapFontTest, WidthCountsTheGapBetweenGlyphsOnly) {
  EXPECT_DOUBLE_EQ(font_->StringWidth(""), 0);
  EXPECT_DOUBLE_EQ(font_->StringWidth("A"), 9);
  EXPECT_DOUBLE_EQ(font_->StringWidth("AB"), 19);
  EXPECT_DOUBLE_EQ(font_->StringWidth("A" + kEuro), 16);
  font_->CharGap = 1.0;
  EXPECT_DOUBLE_EQ(font_->StringWidth("A"), 9);
  EXPECT_DOUBLE_EQ(font_->StringWidth("AB"), 20);
  EXPECT_DOUBLE_EQ(font_->StringWidth("\x01"), 0);  // an empty slot moves by the gap, less one gap
  font_->ScaleFactor = 2.0;
  EXPECT_DOUBLE_EQ(font_->StringWidth("AB"), 40);
  EXPECT_EQ(font_->TruncateString("ABAB", 20), "AB");
}

TEST_F(BitmapFontTest, HeightDividesByOneLessThanTheLength) {
  // (10 + 12 + 10 + 10 + 10 + 10) / 5
  EXPECT_DOUBLE_EQ(font_->StringHeight("ABCXYZ"), 62.0 / 5);
  EXPECT_DOUBLE_EQ(font_->StringHeight("B"), 12);  // one character: no division by zero
  EXPECT_DOUBLE_EQ(font_->StringHeight(""), 0);
  EXPECT_EQ(font_->TextHeight("anything"), 12);
}

TEST_F(BitmapFontTest, DrawsGlyphsWithOffsetsAndAlignment) {
  font_->Draw("AB", 100, 100, 0, 0, 0, 0, 0);
  EXPECT_EQ(Pixel(101, 102), 0xFFFF0000u);  // A: offset (1, 2)
  EXPECT_EQ(Pixel(100, 102) & 0xFFFFFF, 0u);
  EXPECT_EQ(Pixel(109, 100), 0xFF00FF00u);  // B after A's advance of 9

  platform::Cls();
  font_->DrawAligned("A", 400, 100, 2, 1, 1, 0);  // right-aligned: ends at 400
  EXPECT_EQ(Pixel(392, 105), 0xFFFF0000u);
  EXPECT_EQ(Pixel(400, 105) & 0xFFFFFF, 0u);

  platform::Cls();
  font_->DrawAligned("A", 400, 100, 3, 0, 0, 0);  // no such alignment: nothing
  EXPECT_EQ(Pixel(392, 105) & 0xFFFFFF, 0u);
}

TEST_F(BitmapFontTest, CharGapShiftsEachGlyphByTheScaledGap) {
  font_->ScaleFactor = 2;
  font_->Draw("BBB", 0, 200, 0, 0, 0, 0, 0);
  EXPECT_EQ(Pixel(40, 200), 0xFF00FF00u);  // third glyph starts at 2 * 10 * 2 = 40
  platform::Cls();
  font_->CharGap = 1.0;
  font_->Draw("BBB", 0, 200, 0, 0, 0, 0, 0);
  EXPECT_EQ(Pixel(40, 200) & 0xFFFFFF, 0u);
  EXPECT_EQ(Pixel(44, 200), 0xFF00FF00u);  // 2 * 2 pixels further right
}

TEST_F(BitmapFontTest, LongTextsAreDrawnWhole) {
  std::string text(300, 'B');
  text += "A";
  font_->Draw(text, 0, 300, 0, 0, 0, 0, 0);
  // Every glyph advances 10; the 301st (an A) starts at 3000 + 1, far off screen, so look at the
  // 280th instead: it lies at 2790 with a scale of 1/4.
  platform::Cls();
  platform::SetScale(0.25f, 0.25f);
  font_->Draw(text, 0, 300, 0, 0, 0, 0, 0);
  platform::SetScale(1, 1);
  EXPECT_EQ(Pixel(750, 301), 0xFFFF0000u);  // the A at (3000 + 1) / 4
}

TEST_F(BitmapFontTest, ShadowPassIsBlackAndRestoresColourAndAlpha) {
  platform::SetClsColor(255, 255, 255);
  platform::Cls();
  ccShadowTextSet(2, 2, 1.0f);
  ccTextAlpha = 1.0f;
  platform::SetColor(10, 20, 30);
  font_->DrawAlignedWithShadow("C", 500, 500, 0, 1, 1);
  EXPECT_EQ(Pixel(509, 511) & 0xFFFFFF, 0u);  // the shadow's corner, right of and below C
  int r, g, b;
  platform::GetColor(&r, &g, &b);
  EXPECT_EQ(r, 10);
  EXPECT_EQ(g, 20);
  EXPECT_EQ(b, 30);
  ccShadowTextSet(1, 1, 0.5f);
}

TEST_F(BitmapFontTest, StringArraysStackLinesAndCentreVertically) {
  font_->DrawStringArray({"A", "B"}, 100, 400, 0, 0, 0, 0, 0, 20, 0);
  EXPECT_EQ(Pixel(101, 402), 0xFFFF0000u);  // line 0 at y 400
  EXPECT_EQ(Pixel(100, 420), 0xFF00FF00u);  // line 1 at y 420
  platform::Cls();
  // Line height 0: the whole part of the height of "ABCXYZ" (12); two lines centred on y.
  font_->DrawStringArray({"B", "B"}, 100, 400, 0, 0, 0, 0, 0, 0, 1);
  EXPECT_EQ(Pixel(100, 388), 0xFF00FF00u);
  EXPECT_EQ(Pixel(100, 387) & 0xFFFFFF, 0u);
}

TEST_F(BitmapFontTest, HandleModeDrawsAboutTheHandleAndLeavesThePageAsItWas) {
  font_->ChangeHandle = 1;
  font_->HandleX = 0;
  font_->HandleY = 0;
  font_->Draw("B", 200, 200, 0, 0, 0, 0, 0);
  EXPECT_EQ(Pixel(201, 201), 0xFF00FF00u);
  EXPECT_DOUBLE_EQ(font_->HandleX, -10);  // the pen stays, the handle moves
  EXPECT_FLOAT_EQ(font_->Image->HandleX(), 0);
  font_->HandleX = 0;
  font_->Draw("B", 300, 200, 1, 0, 0, 0, 0);  // centred: the handle moves by half the width
  EXPECT_DOUBLE_EQ(font_->HandleX, -5);
}

TEST_F(BitmapFontTest, WordWrapMeasuresWithTheBitmapFont) {
  font_->CharGap = 1;
  // "AB AB" is 9 + 10 + advance of " " (0) + 9 + 10 with four gaps = 42 > 41.
  const auto wrapped = ccWordWrapArray({"AB AB"}, 41, font_);
  EXPECT_EQ(wrapped, (std::vector<std::string>{"AB", "AB"}));
  EXPECT_EQ(ccWordWrapArray({"AB AB"}, 42, font_), (std::vector<std::string>{"AB AB"}));
}

TEST_F(BitmapFontTest, ReadsTheGamesOwnFonts) {
  const char* data = std::getenv("QUILLBROOK_DATA");
  const std::string path = std::string(data ? data : "") + "Data/fonts/arialbold18";
  if (!platform::FileExists(path + ".fnt")) GTEST_SKIP() << "the data folder is not staged";
  auto font = TBitmapFont::Create(path, -1);
  EXPECT_GT(font->NumChars, 190);
  EXPECT_EQ(font->ID[font->FindChar(kEuro)], 8364);
  EXPECT_GT(font->xAdvance[165], 0);  // the yen sign
  EXPECT_GT(font->StringWidth("Hello"), 20);
  EXPECT_GT(font->StringHeight("ABCXYZ"), 8);
  font->Draw("W", 10, 550, 0, 0, 1, 1, 0);
  bool inked = false;
  for (int y = 545; y < 575 && !inked; ++y)
    for (int x = 8; x < 30 && !inked; ++x) inked = (Pixel(x, y) & 0xFFFFFF) != 0;
  EXPECT_TRUE(inked);
}

TEST_F(BitmapFontTest, MissingFilesAreFatalWithTheirNames) {
  EXPECT_THROW(TBitmapFont::Create(gfx_test::Fixture("fonts/nothere"), -1), ccFatalError);
}

TEST_F(BitmapFontTest, FontMeasuresWithItsBitmapFontAndAppliesItsStyle) {
  auto colour = TColor::Create(255, 0, 0, 0.25f);
  auto shadow = TShadow::Create(3, 4, 0.75f);
  auto font = TFont::Create(nullptr, colour, shadow, 0, font_, nullptr);
  EXPECT_FLOAT_EQ(font->H, 62.0f / 5);
  font->Apply();
  EXPECT_FLOAT_EQ(ccShadowTextDepthX, 3);
  EXPECT_FLOAT_EQ(ccShadowTextDepthY, 4);
  EXPECT_FLOAT_EQ(ccShadowTextAlpha, 0.75f);
  EXPECT_FLOAT_EQ(ccTextAlpha, 0.25f);
  EXPECT_FLOAT_EQ(platform::GetAlpha(), 0.25f);
  ccShadowTextSet(1, 1, 0.5f);
  ccTextAlpha = 1.0f;
  colour->Restore();
  font->Kill();
  EXPECT_EQ(font->BitmapFont, nullptr);
}

}  // namespace

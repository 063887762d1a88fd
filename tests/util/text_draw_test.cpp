#include "util/text_draw.h"

#include <gtest/gtest.h>

#include "util/globals.h"
#include "util_test_support.h"

using util_test::FixedFont;

namespace {

class TextDraw : public util_test::ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    font_ = std::make_shared<FixedFont>(10.1, 15);
    ccSetImageFont(font_);
  }
  // Where the text (not its shadow) was drawn last.
  FixedFont::Draw Last() const { return font_->draws.empty() ? FixedFont::Draw{"", -1, -1} : font_->draws.back(); }
  std::shared_ptr<FixedFont> font_;
};

}  // namespace

TEST_F(TextDraw, PlacementRules) {
  const std::string text = "0123456789";  // 101 pixels wide, 15 high
  ccDrawTextCentred(text, 400, 100, 0, 1);
  EXPECT_FLOAT_EQ(Last().x, 350);
  ccDrawTextCentreAll(text, 0, 0);
  EXPECT_FLOAT_EQ(Last().x, 349);
  EXPECT_FLOAT_EQ(Last().y, 292);
  ccDrawTextRight(text, 500, 10, 0, 0);
  EXPECT_FLOAT_EQ(Last().x, 399);
  ccDrawTextRight("", 500, 10, 0, 0);
  EXPECT_FLOAT_EQ(Last().x, 500);
  ccDrawText(text, 10.5f, 20.4f, 0, 1);
  EXPECT_FLOAT_EQ(Last().x, 11);
  EXPECT_FLOAT_EQ(Last().y, 20);
  ccDrawTextCentre(text, 30, 0, 0);
  EXPECT_FLOAT_EQ(Last().x, 349.5f);

  const std::size_t before = font_->draws.size();
  ccDrawTextAligned(text, 10, 10, 0, 3, 0);
  ccDrawTextAligned(text, 10, 10, 0, -1, 0);
  EXPECT_EQ(font_->draws.size(), before);
}

TEST_F(TextDraw, CentringCompensatesTheScale) {
  auto font = std::make_shared<FixedFont>(10, 20);
  ccSetImageFont(font);
  platform::SetScale(0.5f, 0.5f);
  ccDrawTextCentred("0123456789", 400, 100, 0, 0);  // 100 x 20 pixels
  platform::SetScale(1, 1);
  EXPECT_FLOAT_EQ(font->draws.back().x, 375);
  EXPECT_FLOAT_EQ(font->draws.back().y, 105);
}

TEST_F(TextDraw, ShadowSettingsAndAlpha) {
  ccShadowTextSet(2, 3, 0.25f);
  ccTextAlpha = 0.8f;
  platform::SetAlpha(0.3f);
  ccDrawText("ab", 10, 20, 1, 0);
  EXPECT_FLOAT_EQ(platform::GetAlpha(), 0.8f);  // left at the text alpha
  ASSERT_EQ(font_->draws.size(), 2u);
  EXPECT_FLOAT_EQ(font_->draws[0].x, 12);
  EXPECT_FLOAT_EQ(font_->draws[0].y, 23);
  ccShadowTextSet(1, 1, 0.5f);
  ccTextAlpha = 1.0f;
}

TEST_F(TextDraw, LetterSpacing) {
  auto font = std::make_shared<FixedFont>(10, 16);
  ccSetImageFont(font);
  ccDrawTextSpaced("abcde", 100, 50, 2);
  ASSERT_EQ(font->draws.size(), 5u);
  EXPECT_FLOAT_EQ(font->draws[4].x, 100 + 40 + 8);  // the fifth character 8 pixels further
  font->draws.clear();
  ccDrawTextSpacedRounded("a#b", 100.7f, 50, 0);  // a character without a glyph is skipped
  ASSERT_EQ(font->draws.size(), 2u);
  EXPECT_FLOAT_EQ(font->draws[1].x, 110);
}

TEST_F(TextDraw, DefaultFontDrawsWhereItIsTold) {
  ccSetImageFont(nullptr);
  platform::SetColor(255, 255, 255);
  ccDrawText("\xE2\x96\x88", 0, 0, 0, 0);  // not Latin-1: drawn as a replacement character
  platform::Cls();
  ccDrawText("MMMM", 100, 200, 0, 0);
  bool inside = false;
  for (int y = 200; y < 216 && !inside; ++y)
    for (int x = 100; x < 132 && !inside; ++x) inside = Pixel(x, y) != 0;
  EXPECT_TRUE(inside);
  for (int x = 90; x < 140; ++x) EXPECT_EQ(Pixel(x, 198), 0u) << x;  // nothing above the top
  EXPECT_EQ(Pixel(133, 205), 0u);  // nothing right of four 8-pixel cells
  // Spacing 0 draws exactly as plain text.
  platform::PixmapRef plain = platform::GrabPixmap(100, 200, 40, 16);
  platform::Cls();
  ccDrawTextSpaced("MMMM", 100, 200, 0);
  platform::PixmapRef spaced = platform::GrabPixmap(100, 200, 40, 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 40; ++x) ASSERT_EQ(plain->ReadPixel(x, y), spaced->ReadPixel(x, y)) << x << "," << y;
}

TEST_F(TextDraw, DigitStrings) {
  platform::ImageRef digits = platform::CreateImage(20, 10, 10);
  ASSERT_NE(digits, nullptr);
  digits->SetHandle(0, 0);
  for (int k = 0; k < 10; ++k) {
    digits->LockFrame(k)->Fill(0xFF000000u | static_cast<platform::Argb>(k * 20 + 10) << 16);
    digits->UnlockFrame(k);
  }
  ccDrawNumbers("9058", 100, 0, digits, 20, 1, 0);  // starts at 100 - 20 * 4 / 2
  EXPECT_EQ(Pixel(59, 5), 0u);
  EXPECT_EQ(Pixel(60, 5) >> 16, 190u);
  EXPECT_EQ(Pixel(80, 5) >> 16, 10u);
  EXPECT_EQ(Pixel(139, 5) >> 16, 170u);
  EXPECT_EQ(Pixel(140, 5), 0u);
  const int widths[10] = {10, 10, 10, 10, 10, 10, 10, 10, 10, 10};
  const int offsets[10] = {};
  EXPECT_FLOAT_EQ(ccDrawNumbersVariableWidthCalcWidth("", widths, offsets, 3, 1), -3);
  EXPECT_FLOAT_EQ(ccDrawNumbersVariableWidthCalcWidth("7", widths, offsets, 3, 2), 20);
  EXPECT_EQ(ccDrawNumbersVariableWidth("12", 0, 0, digits, widths, offsets, 3, 0, 0, 2), 46);
  const int short_table[2] = {5, 5};  // digits past the table count as 0 wide
  EXPECT_FLOAT_EQ(ccDrawNumbersVariableWidthCalcWidth("19", short_table, offsets, 0, 1), 5);
}

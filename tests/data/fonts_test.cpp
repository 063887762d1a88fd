// The ten bitmap fonts of the data folder, read and drawn by the game's own bitmap font: every
// glyph the texts need is there, and a drawn line covers exactly the width its descriptor gives.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/game.h"
#include "core/globals.h"
#include "gfx/bitmap_font.h"
#include "manifest_reader.h"
#include "platform/graphics.h"

namespace {

const std::string kLine = "Hole 1 \xE2\x82\xAC" "250 \xC2\xA5";  // Hole 1 €250 ¥

class DataFontTest : public ::testing::TestWithParam<std::string> {
 protected:
  void SetUp() override {
    saved_ = Game;
    Game = std::make_shared<TGame>();
    if (!platform::GraphicsIsOpen()) {
      std::string error;
      platform::GraphicsOptions options;
      ASSERT_TRUE(platform::GraphicsOpen(options, &error)) << error;
    }
    platform::ResetDrawState();
    platform::SetClsColor(0, 0, 0);
    platform::Cls();
    font_ = TBitmapFont::Create(data_test::DataDir() + "fonts/" + GetParam(), -1);
    ASSERT_TRUE(font_);
  }
  void TearDown() override { Game = saved_; }

  std::shared_ptr<TGame> saved_;
  TBitmapFontRef font_;
};

TEST_P(DataFontTest, HoldsLatin1EuroAndYenInsideItsPage) {
  EXPECT_DOUBLE_EQ(font_->ScaleFactor, 1.0);
  for (int c = 33; c <= 255; ++c) {
    if (c > 126 && c < 161) continue;
    ASSERT_EQ(font_->ID[c], c) << "missing glyph " << c;
    EXPECT_GT(font_->xAdvance[c], 0) << "glyph " << c;
    EXPECT_LE(font_->xPos[c] + font_->width[c], 1.0) << "glyph " << c;
    EXPECT_LE(font_->yPos[c] + font_->height[c], 1.0) << "glyph " << c;
  }
  EXPECT_GT(font_->xAdvance[' '], 0);
  const int euro = font_->FindChar("\xE2\x82\xAC");
  ASSERT_GE(euro, 256);
  EXPECT_GT(font_->width[euro], 0);
  EXPECT_GT(font_->width[0xA5], 0);  // yen
}

TEST_P(DataFontTest, DrawnLineIsAsWideAsTheDescriptorSays) {
  const double x0 = 20, y0 = 100;
  platform::SetColor(255, 255, 255);
  font_->Draw(kLine, x0, y0, 0, 0, 1, 1, 0);
  const platform::PixmapRef shot = platform::GrabPixmap(0, 0, 800, 600);
  ASSERT_TRUE(shot);
  int left = 800, right = -1;
  for (int y = 0; y < 600; ++y)
    for (int x = 0; x < 800; ++x)
      if ((shot->ReadPixel(x, y) & 0x00FFFFFF) != 0) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
  ASSERT_GE(right, 0) << "nothing was drawn";

  // What the descriptor promises: the ink of the first glyph starts at its x offset, the last
  // glyph's ends at the pen plus its offset and width.
  const std::u32string codes = U"Hole 1 \u20AC250 \u00A5";
  double pen = x0, first = -1, last = 0;
  for (char32_t c : codes) {
    const int slot = font_->SlotOf(c);
    const double w = font_->width[slot] * font_->TextureW;
    if (w > 0) {
      if (first < 0) first = pen + font_->xOffset[slot];
      last = pen + font_->xOffset[slot] + w;
    }
    pen += font_->xAdvance[slot];
  }
  EXPECT_NEAR(left, first, 2.0);
  EXPECT_NEAR(right + 1, last, 2.0);
  EXPECT_NEAR(font_->StringWidth(kLine), pen - x0, 0.001);
  // A line of text reaches a sensible size for the font's name (between 0.3 and 1.5 em per glyph).
  EXPECT_GT(font_->StringHeight("ABCXYZ"), 5.0);
}

INSTANTIATE_TEST_SUITE_P(TenFonts, DataFontTest,
                         ::testing::Values("Voodoo35", "Voodoo21", "ballfont", "arialbold18",
                                           "arialbold21", "dialogfont30", "Voodoo58", "Voodoo25",
                                           "Franklin50", "arialbold25"));

}  // namespace

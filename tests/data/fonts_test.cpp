// The ten bitmap fonts of the data folder, read and drawn by the game's own bitmap font: every
// glyph the texts need is there, and a drawn line covers exactly the width its descriptor gives;
// every page is packed to the smallest power-of-two size.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "drawing_test.h"
#include "gfx/bitmap_font.h"
#include "manifest_reader.h"
#include "platform/graphics.h"

namespace {

const std::string kLine = "Hole 1 \xE2\x82\xAC" "250 \xC2\xA5";  // Hole 1 €250 ¥

class DataFontTest : public data_test::DrawingTest<testing::TestWithParam<std::string>> {
 protected:
  void SetUp() override {
    DrawingTest::SetUp();
    if (HasFatalFailure()) return;
    platform::ResetDrawState();
    platform::SetClsColor(0, 0, 0);
    platform::Cls();
    font_ = TBitmapFont::Create(data_test::DataDir() + "fonts/" + GetParam(), -1);
    ASSERT_TRUE(font_);
  }
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

// The number in "key=123" on a descriptor line, or -1.
int KeyValue(const std::string& line, const std::string& key) {
  const size_t at = line.find(" " + key + "=");
  return at == std::string::npos ? -1 : std::atoi(line.c_str() + at + key.size() + 2);
}

bool PowerOfTwo(int v) { return v > 0 && (v & (v - 1)) == 0; }

// A page wastes no rows: at most a quarter of its rows hold no ink, unless the glyphs (with their
// padding) need more than half the page, so that no smaller power-of-two page could hold them.
TEST(DataFontPages, ArePackedToTheSmallestPowerOfTwoPage) {
  const auto fonts = data_test::ReadManifest("fonts.txt");
  ASSERT_FALSE(fonts.empty());
  for (const auto& font : fonts) {
    SCOPED_TRACE(font.path);
    std::ifstream fnt(data_test::DataDir() + font.path + ".fnt");
    ASSERT_TRUE(fnt);
    int page_w = 0, page_h = 0;
    long glyph_area = 0;
    for (std::string line; std::getline(fnt, line);) {
      if (line.rfind("common ", 0) == 0) {
        page_w = KeyValue(line, "scaleW");
        page_h = KeyValue(line, "scaleH");
      } else if (line.rfind("char ", 0) == 0) {
        const int w = KeyValue(line, "width"), h = KeyValue(line, "height");
        if (w > 0 && h > 0) glyph_area += long(w + 1) * (h + 1);
      }
    }
    const platform::PixmapRef page =
        platform::LoadPixmap(data_test::DataDir() + font.path + ".png");
    ASSERT_TRUE(page);
    ASSERT_EQ(page->Width(), page_w);
    ASSERT_EQ(page->Height(), page_h);
    EXPECT_TRUE(PowerOfTwo(page_w) && PowerOfTwo(page_h)) << page_w << " x " << page_h;
    int empty_rows = 0;
    for (int y = 0; y < page_h; ++y) {
      bool ink = false;
      for (int x = 0; x < page_w && !ink; ++x) ink = (page->ReadPixel(x, y) >> 24) != 0;
      if (!ink) ++empty_rows;
    }
    const bool half_page_too_small = 2 * glyph_area > long(page_w) * page_h;
    EXPECT_TRUE(4 * empty_rows <= page_h || half_page_too_small)
        << empty_rows << " of " << page_h << " rows are empty, and the glyphs fill "
        << glyph_area << " of the page's " << page_w * page_h << " pixels";
  }
}

}  // namespace

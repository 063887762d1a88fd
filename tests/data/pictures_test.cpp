// Pictures whose faults a player would see at once: the iron cards must differ in their club, not
// only in their digit; the loading screen's flagstick stands in its hole; the newspaper prints
// words, not filler bars; the score card's handwriting fills the places its tables give it.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>

#include "manifest_reader.h"
#include "platform/graphics.h"
#include "screens/score_card_screen.h"

using data_test::DataDir;

namespace {

int Channel(platform::Argb p, int shift) { return static_cast<int>((p >> shift) & 0xFF); }

// Pixels of two equal-sized windows that differ clearly in some colour channel.
int DifferingPixels(const platform::Pixmap& p, int ax, int bx, int y0, int w, int h) {
  int n = 0;
  for (int y = y0; y < y0 + h; ++y)
    for (int x = 0; x < w; ++x) {
      const platform::Argb a = p.ReadPixel(ax + x, y), b = p.ReadPixel(bx + x, y);
      for (int shift = 0; shift < 32; shift += 8)
        if (std::abs(Channel(a, shift) - Channel(b, shift)) > 40) {
          ++n;
          break;
        }
    }
  return n;
}

TEST(DataPictures, IronCardsDifferInTheirClubNotOnlyInTheirDigit) {
  const platform::PixmapRef irons = platform::LoadPixmap(DataDir() + "graphics/cards/irons.png");
  ASSERT_TRUE(irons);
  ASSERT_EQ(irons->Width(), 8 * 68);
  // The right half of each card, below the label, holds the club; the digit stays on the left.
  constexpr int kX = 36, kY = 24, kW = 30, kH = 72;
  for (int a = 0; a < 8; ++a)
    for (int b = a + 1; b < 8; ++b)
      EXPECT_GE(DifferingPixels(*irons, a * 68 + kX, b * 68 + kX, kY, kW, kH), 35)
          << (a + 2) << "-iron and " << (b + 2) << "-iron";
}

int Brightness(platform::Argb p) { return (Channel(p, 16) + Channel(p, 8) + Channel(p, 0)) / 3; }

TEST(DataPictures, TheLoadingScreensFlagstickStandsInTheHole) {
  const platform::PixmapRef pic =
      platform::LoadPixmap(DataDir() + "graphics/Loading/loadingscreen.jpg");
  ASSERT_TRUE(pic);
  // The hole is centred on (568, 380). Find the flagstick near it (the column with the longest
  // run of near-white pixels above the hole); the run must end in the hole's dark cup.
  constexpr int kHoleX = 568, kHoleY = 380;
  int best_x = -1, best_len = 0, best_end = 0;
  for (int x = kHoleX - 60; x <= kHoleX + 60; ++x) {
    int run = 0;
    for (int y = 240; y <= kHoleY + 4; ++y) {
      run = Brightness(pic->ReadPixel(x, y)) > 200 ? run + 1 : 0;
      if (run > best_len) {
        best_len = run;
        best_x = x;
        best_end = y;
      }
    }
  }
  ASSERT_GE(best_len, 40) << "no flagstick near the hole";
  bool meets = false;
  for (int y = best_end + 1; y <= best_end + 3; ++y)
    if (Brightness(pic->ReadPixel(best_x, y)) < 60) meets = true;
  EXPECT_TRUE(meets) << "the flagstick at x " << best_x << " ends at y " << best_end
                     << " without meeting the hole";
}

// A filler bar: a flat grey block 8 or more pixels long and 3 to 7 high, lighter paper above and
// below it, the way a mock-up stands in for a word of print. Real print is darker than such grey
// and never flat over a whole block. Returns the first one's top-left corner, or (-1, -1).
std::pair<int, int> FillerBar(const platform::Pixmap& p, int x0, int y0, int x1, int y1) {
  constexpr int kLong = 8;
  for (int y = y0 + 1; y < y1 - 3; ++y)
    for (int x = x0; x + kLong <= x1; ++x) {
      const int grey = Brightness(p.ReadPixel(x, y));
      if (grey < 90 || grey > 185) continue;
      auto flat = [&](int px, int py) { return std::abs(Brightness(p.ReadPixel(px, py)) - grey) <= 8; };
      int h = 0;
      while (y + h < y1 && h <= 7) {
        bool solid = true;
        for (int k = 0; k < kLong && solid; ++k) solid = flat(x + k, y + h);
        if (!solid) break;
        ++h;
      }
      if (h < 3 || h > 7) continue;
      int above = 0, below = 0;
      for (int k = 0; k < kLong; ++k) {
        above += Brightness(p.ReadPixel(x + k, y - 1)) > grey + 40;
        below += Brightness(p.ReadPixel(x + k, y + h)) > grey + 40;
      }
      if (above >= kLong * 3 / 4 && below >= kLong * 3 / 4) return {x, y};
    }
  return {-1, -1};
}

TEST(DataPictures, TheNewspaperPrintsWordsNotFillerBars) {
  struct Area {
    const char* file;
    int x0, y0, x1, y1;
  };
  // The page around its picture window (the small print of the captions and the side column), and
  // the picture that most courses show.
  const Area areas[] = {{"graphics/newspaper/newspaper.png", 14, 420, 520, 458},
                        {"graphics/newspaper/newspaper.png", 530, 150, 630, 458},
                        {"graphics/newspaper/stats.jpg", 0, 0, 500, 260}};
  for (const Area& a : areas) {
    const platform::PixmapRef pic = platform::LoadPixmap(DataDir() + a.file);
    ASSERT_TRUE(pic) << a.file;
    const auto [x, y] = FillerBar(*pic, a.x0, a.y0, a.x1, a.y1);
    EXPECT_EQ(x, -1) << a.file << ": a filler bar at " << x << ", " << y;
  }
}

// The score card writes a handwritten glyph at the pen minus its offset and moves the pen on by
// its width and a gap of 2, so each glyph's ink must start at its offset in its cell and be as wide
// as its width: then every gap between two glyphs is the same 2 pixels.
TEST(DataPictures, HandwrittenGlyphsFillTheWidthsTheScoreCardSpacesThemBy) {
  const auto& widths = TScoreCardScreen::HandwritingCharWidths;
  const auto& offsets = TScoreCardScreen::HandwritingOffsets;
  for (const char* file : {"graphics/fonts/handwriting_gray.png", "graphics/fonts/handwriting_red.png"}) {
    const platform::PixmapRef strip = platform::LoadPixmap(DataDir() + file);
    ASSERT_TRUE(strip) << file;
    const int cells = strip->Width() / 20;
    for (int g = 0; g < cells; ++g) {
      int left = 20, right = -1;
      for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 20; ++x)
          if ((strip->ReadPixel(g * 20 + x, y) >> 24) > 60) {
            left = std::min(left, x);
            right = std::max(right, x);
          }
      ASSERT_GE(right, 0) << file << " glyph " << g << " is empty";
      const auto i = static_cast<std::size_t>(g);
      EXPECT_NEAR(left, offsets[i], 1) << file << " glyph " << g;
      EXPECT_NEAR(right + 1 - left, widths[i], 1) << file << " glyph " << g;
    }
  }
}

// "Longest drive (" ends its picture where the number begins (its width less 2), and the number's
// first glyph starts its ink at the pen: the bracket's ink keeps 3 pixels clear of it.
TEST(DataPictures, TheLongestDriveBracketKeepsClearOfTheNumber) {
  const platform::PixmapRef label = platform::LoadPixmap(DataDir() + "graphics/fonts/longest_drive.png");
  ASSERT_TRUE(label);
  int right = -1;
  for (int y = 0; y < label->Height(); ++y)
    for (int x = 0; x < label->Width(); ++x)
      if ((label->ReadPixel(x, y) >> 24) > 60) right = std::max(right, x);
  const int pen = label->Width() - 2;
  EXPECT_LE(right, pen - 4);
}

}  // namespace

// Pictures whose faults a player would see at once: the iron cards must differ in their club, not
// only in their digit; the loading screen's flagstick stands in its hole.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "manifest_reader.h"
#include "platform/graphics.h"

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

}  // namespace

// Pictures whose faults a player would see at once: the iron cards must differ in their club, not
// only in their digit.

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

}  // namespace

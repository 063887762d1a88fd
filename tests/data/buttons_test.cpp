// Button pictures as the game shows them. A hovered button is its mouse-over picture with up to
// half of that picture again added on top (the fixed glow of a hovered button, drawn additively);
// a disabled button is its disabled picture over the scene. Either way the label must stand out
// from its board, and a disabled board must look plainly unlike the enabled one.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/game.h"
#include "core/globals.h"
#include "manifest_reader.h"
#include "platform/graphics.h"

namespace {

// The fairway green the play screen and most menus show round their buttons.
constexpr int kSceneR = 0x3F, kSceneG = 0x8F, kSceneB = 0x3A;
constexpr float kGlowMax = 0.5f;  // the strongest fixed glow any button is given

double Linear(int c8) {
  const double c = c8 / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(platform::Argb p) {
  return 0.2126 * Linear((p >> 16) & 255) + 0.7152 * Linear((p >> 8) & 255) + 0.0722 * Linear(p & 255);
}

double Saturation(platform::Argb p) {
  const int r = (p >> 16) & 255, g = (p >> 8) & 255, b = p & 255;
  const int hi = std::max({r, g, b}), lo = std::min({r, g, b});
  return hi == 0 ? 0.0 : static_cast<double>(hi - lo) / hi;
}

class DataButtons : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = Game;
    Game = std::make_shared<TGame>();
    if (!platform::GraphicsIsOpen()) {
      std::string error;
      platform::GraphicsOptions options;
      ASSERT_TRUE(platform::GraphicsOpen(options, &error)) << error;
    }
  }
  void TearDown() override {
    platform::ResetDrawState();
    Game = saved_;
  }

  // The picture drawn at (10, 10) over the scene colour, with `glow` of itself added on top, read
  // back; empty when the file cannot be loaded.
  static platform::PixmapRef Shown(const std::string& path, float glow, int* w, int* h) {
    platform::ResetDrawState();
    platform::SetClsColor(kSceneR, kSceneG, kSceneB);
    platform::Cls();
    const platform::ImageRef image = platform::LoadImage(data_test::DataDir() + path);
    if (!image) return nullptr;
    *w = image->Width();
    *h = image->Height();
    platform::SetBlend(platform::BLEND_ALPHA);
    platform::DrawImage(image, 10, 10);
    if (glow > 0) {
      const int k = static_cast<int>(glow * 255.0f);
      platform::SetBlend(platform::BLEND_LIGHT);
      platform::SetColor(k, k, k);
      platform::DrawImage(image, 10, 10);
    }
    return platform::GrabPixmap(10, 10, *w, *h);
  }

  // How the label stands out: the contrast ratio between the brightest tenth of the pixels in the
  // middle of the button (the label's letters) and their median (the board between them).
  static double LabelContrast(const platform::Pixmap& p, int w, int h) {
    std::vector<double> lum;
    for (int y = h / 4; y < h - h / 4; ++y)
      for (int x = w / 8; x < w - w / 8; ++x) lum.push_back(Luminance(p.ReadPixel(x, y)));
    std::sort(lum.begin(), lum.end());
    const std::size_t tenth = std::max<std::size_t>(1, lum.size() / 10);
    double top = 0;
    for (std::size_t i = lum.size() - tenth; i < lum.size(); ++i) top += lum[i];
    top /= static_cast<double>(tenth);
    const double board = lum[lum.size() / 2];
    return (std::max(top, board) + 0.05) / (std::min(top, board) + 0.05);
  }

  static double MeanSaturation(const platform::Pixmap& p, int w, int h) {
    double sum = 0;
    for (int y = h / 4; y < h - h / 4; ++y)
      for (int x = w / 8; x < w - w / 8; ++x) sum += Saturation(p.ReadPixel(x, y));
    return sum / ((h - 2 * (h / 4)) * (w - 2 * (w / 8)));
  }

  std::shared_ptr<TGame> saved_;
};

bool EndsWith(const std::string& s, const std::string& end) {
  return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

// Labels as readable as large text must be (a contrast ratio of 3 or more).
constexpr double kReadable = 3.0;

TEST_F(DataButtons, AHoveredButtonKeepsItsLabelReadableUnderItsGlow) {
  int checked = 0;
  for (const auto& e : data_test::ReadManifest("images.txt")) {
    if (!EndsWith(e.path, "MO.png")) continue;
    // A button whose plain picture shows no label (an icon) has none to keep readable.
    int pw = 0, ph = 0;
    const std::string plain = e.path.substr(0, e.path.size() - 6) + ".png";
    const platform::PixmapRef normal = Shown(plain, 0, &pw, &ph);
    ASSERT_TRUE(normal) << plain;
    if (LabelContrast(*normal, pw, ph) < kReadable) continue;
    // Some hovered buttons glow, others only swap their picture.
    for (const float glow : {0.0f, kGlowMax}) {
      int w = 0, h = 0;
      const platform::PixmapRef shown = Shown(e.path, glow, &w, &h);
      ASSERT_TRUE(shown) << e.path;
      EXPECT_GE(LabelContrast(*shown, w, h), kReadable) << e.path << " with a glow of " << glow;
    }
    ++checked;
  }
  EXPECT_GT(checked, 40);
}

TEST_F(DataButtons, ADisabledButtonKeepsItsLabelReadableAndLooksOff) {
  int checked = 0;
  for (const auto& e : data_test::ReadManifest("images.txt")) {
    const std::string lower = data_test::Lower(e.path);
    const auto at = lower.find("_disabled.png");
    if (at == std::string::npos || e.path.find("menus/") != 0) continue;
    int w = 0, h = 0;
    const platform::PixmapRef off = Shown(e.path, 0, &w, &h);
    ASSERT_TRUE(off) << e.path;
    EXPECT_GE(LabelContrast(*off, w, h), kReadable) << e.path;
    ++checked;
  }
  EXPECT_GT(checked, 3);
}

// The Mulligan plaque of a hole with mulligans left and of one without: the spent plaque is grey
// and darker where the live one is coloured, so a glance tells them apart.
TEST_F(DataButtons, TheSpentMulliganPlaqueIsPlainlyUnlikeTheLiveOne) {
  int w = 0, h = 0;
  const platform::PixmapRef live = Shown("menus/Mulligan_x1.png", 0, &w, &h);
  const platform::PixmapRef spent = Shown("menus/Mulligan_x0_Disabled.png", 0, &w, &h);
  ASSERT_TRUE(live && spent);
  EXPECT_LT(MeanSaturation(*spent, w, h), 0.5 * MeanSaturation(*live, w, h));
  double difference = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) difference += std::abs(Luminance(live->ReadPixel(x, y)) - Luminance(spent->ReadPixel(x, y)));
  EXPECT_GT(difference / (w * h), 0.08);
}

}  // namespace

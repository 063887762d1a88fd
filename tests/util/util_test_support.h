#pragma once
// Helpers shared by the utility library's tests: a temporary folder, fixture paths, the moment the
// clock is pinned to, a font with fixed metrics that records where text is drawn, and an open
// headless screen.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/graphics.h"
#include "platform/system.h"
#include "platform/text_encoding.h"
#include "util/text_draw.h"

namespace util_test {

inline std::string Fixture(const std::string& name) {
  const char* root = std::getenv("QUILL_FIXTURES");
  return std::string(root != nullptr ? root : UTIL_FIXTURES_DIR) + "util/" + name;
}

// A fresh folder under the per-user folder of the test process, ending in "/".
inline std::string TempFolder(const std::string& name) {
  const std::filesystem::path folder = std::filesystem::path(platform::UserDataFolder()) / ("util-" + name);
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder.string() + "/";
}

// The moment tests pin the clock to: 7 December 2026, 21:05:09.
inline platform::LocalDateTime PinnedMoment() {
  platform::LocalDateTime when;
  when.year = 2026;
  when.month = 12;
  when.day = 7;
  when.hour = 21;
  when.minute = 5;
  when.second = 9;
  return when;
}

inline std::string ReadAll(const std::string& path) {
  const auto bytes = platform::ReadFileBytes(path);
  return bytes ? std::string(bytes->begin(), bytes->end()) : std::string("<missing>");
}

inline void WriteAll(const std::string& path, const std::string& bytes) {
  ASSERT_TRUE(platform::WriteFileAtomic(path, bytes));
}

// Every character is `advance` pixels wide and the font `height` pixels high; draws record their
// text and position.
class FixedFont : public ccImageFont {
 public:
  struct Draw {
    std::string text;
    float x, y;
  };
  FixedFont(double advance, int height) : advance_(advance), height_(height) {}
  double TextWidth(const std::string& text) const override {
    return advance_ * platform::CharCount(text);
  }
  int TextHeight(const std::string&) const override { return height_; }
  void DrawText(const std::string& text, float x, float y) const override {
    draws.push_back({text, x, y});
  }
  int GlyphIndex(char32_t c) const override { return c == U'#' ? -1 : static_cast<int>(c); }
  float GlyphAdvance(int) const override { return static_cast<float>(advance_); }
  int GlyphOffsetX(int) const override { return 0; }
  int GlyphOffsetY(int) const override { return 0; }
  void DrawGlyph(int glyph, float x, float y) const override {
    draws.push_back({platform::FromCodePoint(static_cast<char32_t>(glyph)), x, y});
  }
  mutable std::vector<Draw> draws;

 private:
  double advance_;
  int height_;
};

// Opens the headless 800 x 600 screen for a test and closes it afterwards.
class ScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(platform::GraphicsOpen(platform::GraphicsOptions{}, &error)) << error;
    platform::ResetDrawState();
    platform::SetClsColor(0, 0, 0);
    platform::Cls();
  }
  void TearDown() override {
    ccSetImageFont(nullptr);
    platform::GraphicsClose();
  }
  static platform::Argb Pixel(int x, int y) {
    platform::PixmapRef grab = platform::GrabPixmap(x, y, 1, 1);
    return grab ? grab->ReadPixel(0, 0) & 0xFFFFFFu : 0xDEADu;
  }
};

}  // namespace util_test

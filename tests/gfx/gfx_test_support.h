#pragma once
// Shared set-up of the sprite and asset layer's tests: a fresh application object at the nominal
// 200 ticks per second, Delta 1, the headless drawing target, and small files made on the fly
// (pictures and sounds) in a scratch folder.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/game.h"
#include "core/globals.h"
#include "gfx/image_bank.h"
#include "platform/audio.h"
#include "platform/files.h"
#include "platform/graphics.h"
#include "platform/system.h"
#include "util/globals.h"

namespace gfx_test {

// Installs a fresh Game and Delta 1 for each test, and puts the previous ones back afterwards.
class GameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_game_ = Game;
    saved_delta_ = Delta;
    Game = std::make_shared<TGame>();
    Delta = 1.0f;
    // Fatal errors go to the (headless) system alert, never to a box that waits for a key.
    ccGraphicalErrors = 0;
  }
  void TearDown() override {
    Game = saved_game_;
    Delta = saved_delta_;
  }
  // Runs `ticks` whole logic ticks of `step`.
  template <class F>
  static void Ticks(int ticks, F&& step) {
    for (int i = 0; i < ticks; ++i) step();
  }

 private:
  std::shared_ptr<TGame> saved_game_;
  float saved_delta_ = 1.0f;
};

// As GameTest, with the headless 800 x 600 drawing target open and cleared to black.
class DrawTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    if (!platform::GraphicsIsOpen()) {
      std::string error;
      platform::GraphicsOptions options;
      ASSERT_TRUE(platform::GraphicsOpen(options, &error)) << error;
    }
    platform::ResetDrawState();
    platform::SetClsColor(0, 0, 0);
    platform::Cls();
    platform::SetBlend(platform::BLEND_ALPHA);
  }
  // The back buffer's pixel at (x, y) as 0xAARRGGBB.
  static platform::Argb Pixel(int x, int y) {
    auto pixmap = platform::GrabPixmap(x, y, 1, 1);
    return pixmap ? pixmap->ReadPixel(0, 0) : 0;
  }
  static int Red(platform::Argb p) { return static_cast<int>((p >> 16) & 0xFF); }
  static int Green(platform::Argb p) { return static_cast<int>((p >> 8) & 0xFF); }
  static int Blue(platform::Argb p) { return static_cast<int>(p & 0xFF); }
};

// An image of `frames` frames of w x h, every pixel of frame f opaque in colour[f].
inline platform::ImageRef SolidImage(int w, int h, const std::vector<platform::Argb>& colours) {
  auto image = platform::CreateImage(w, h, static_cast<int>(colours.size()), 0);
  for (int f = 0; f < static_cast<int>(colours.size()); ++f) {
    auto pixmap = image->LockFrame(f);
    pixmap->Fill(colours[f]);
    image->UnlockFrame(f);
  }
  image->SetHandle(0, 0);
  return image;
}

// A TGameImage around SolidImage, handle at the top-left corner.
inline std::shared_ptr<TGameImage> SolidGameImage(int w, int h,
                                                  const std::vector<platform::Argb>& colours) {
  auto img = std::make_shared<TGameImage>();
  img->image = SolidImage(w, h, colours);
  img->GetSize();
  img->MidHandle(0);
  return img;
}

// A scratch folder, emptied for each caller that asks for a new one.
inline std::string ScratchFolder(const std::string& name) {
  const char* base = std::getenv("XDG_DATA_HOME");
  std::filesystem::path dir =
      std::filesystem::path(base ? base : std::filesystem::temp_directory_path().string()) /
      ("gfx-" + name);
  std::error_code ignored;
  std::filesystem::remove_all(dir, ignored);
  std::filesystem::create_directories(dir);
  return dir.string() + "/";
}

// Writes a w x h PNG filled with one colour.
inline void WritePng(const std::string& path, int w, int h, platform::Argb colour) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  auto pixmap = platform::CreatePixmap(w, h);
  pixmap->Fill(colour);
  ASSERT_TRUE(platform::SavePixmapPNG(*pixmap, path, 1)) << path;
}

// Writes a silent mono 8-bit PCM WAV of `ms` milliseconds at 8000 Hz.
inline void WriteWav(const std::string& path, int ms) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  const std::uint32_t rate = 8000;
  const std::uint32_t samples = rate * static_cast<std::uint32_t>(ms) / 1000;
  std::vector<unsigned char> b;
  auto put32 = [&b](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<unsigned char>(v >> (8 * i)));
  };
  auto put16 = [&b](std::uint16_t v) {
    b.push_back(static_cast<unsigned char>(v & 0xFF));
    b.push_back(static_cast<unsigned char>(v >> 8));
  };
  b.reserve(44 + samples);
  auto tag = [&b](const char* t) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<unsigned char>(t[i]));
  };
  tag("RIFF");
  put32(36 + samples);
  tag("WAVE");
  tag("fmt ");
  put32(16);
  put16(1);  // PCM
  put16(1);  // mono
  put32(rate);
  put32(rate);  // bytes per second
  put16(1);     // block align
  put16(8);     // bits per sample
  tag("data");
  put32(samples);
  b.insert(b.end(), samples, 128);
  ASSERT_TRUE(platform::WriteFileAtomic(path, b)) << path;
}

inline std::string Fixture(const std::string& relative) {
  const char* base = std::getenv("QUILL_FIXTURES");
  return std::string(base ? base : "tests/fixtures/") + "gfx/" + relative;
}

}  // namespace gfx_test

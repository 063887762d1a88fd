// Runs the real window back-end (SDL renderer on OpenGL) on whatever display there is, normally
// Xvfb with Mesa's software OpenGL, and reads a frame back. Skips when no OpenGL window can be made.
#include <SDL.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <string>

#include <unistd.h>

#include "platform/graphics.h"
#include "platform/graphics_internal.h"
#include "platform/image_internal.h"
#include "platform/input.h"
#include "platform/leak_check.h"
#include "platform/system.h"

namespace {

TEST(GlSmokeTest, RealWindowDrawsAFrame) {
  platform::SetHeadless(false);
  platform::GraphicsOptions options;
  options.vsync = false;
  options.keep_software_gl = true;
  std::string error;
  if (!platform::GraphicsOpen(options, &error)) GTEST_SKIP() << "no window: " << error;
  if (platform::GraphicsDriverName() != "opengl") {
    const std::string name = platform::GraphicsDriverName();
    platform::GraphicsClose();
    GTEST_SKIP() << "no OpenGL renderer (got \"" << name << "\")";
  }
  EXPECT_EQ(platform::GraphicsWidth(), 800);

  auto image = platform::CreateImage(10, 10, 1, 0);
  image->LockFrame(0)->Fill(0xFF00FF00u);
  image->UnlockFrame(0);
  for (int frame = 0; frame < 3; ++frame) {
    platform::ResetDrawState();
    platform::SetClsColor(0, 0, 80);
    platform::Cls();
    platform::SetColor(255, 0, 0);
    platform::DrawRect(100, 100, 50, 40);
    platform::SetColor(255, 255, 255);
    platform::SetBlend(platform::BLEND_ALPHA);
    platform::SetScale(2, 2);
    platform::DrawImage(image, 300, 200);
    platform::SetScale(1, 1);
    platform::DrawText("Quillbrook", 10, 10);
    if (frame < 2) platform::Flip(0);
    platform::Event e;
    while (platform::PollEvent(&e)) {
    }
  }
  auto shot = platform::GrabPixmap(0, 0, 800, 600);
  EXPECT_EQ(shot->ReadPixel(120, 120), 0xFFFF0000u);
  EXPECT_EQ(shot->ReadPixel(310, 210), 0xFF00FF00u);
  EXPECT_EQ(shot->ReadPixel(321, 210), 0xFF000050u);
  EXPECT_EQ(shot->ReadPixel(5, 590), 0xFF000050u);
  int lit = 0;  // the text left white pixels in its cells
  for (int x = 10; x < 90; ++x) {
    for (int y = 10; y < 26; ++y) lit += (shot->ReadPixel(x, y) & 0xFF0000u) > 0x800000u ? 1 : 0;
  }
  EXPECT_GT(lit, 50);
  platform::GraphicsClose();
}

// A click the window system reports at a window position, as the game sees it.
platform::Event ClickAt(int wx, int wy) {
  SDL_Event click{};
  click.type = SDL_MOUSEBUTTONDOWN;
  click.button.windowID = SDL_GetWindowID(platform::detail::GfxWindow());
  click.button.button = SDL_BUTTON_LEFT;
  click.button.state = SDL_PRESSED;
  click.button.x = wx;
  click.button.y = wy;
  platform::FlushEvents();
  SDL_PushEvent(&click);
  platform::Event e;
  while (platform::PollEvent(&e)) {
    if (e.kind == platform::EVENT_MOUSE_DOWN) return e;
  }
  return platform::Event{};
}

// Waits (a little) for the window system to give the window its new size.
void WaitForWindowSize(int w, int h) {
  for (int i = 0; i < 100; ++i) {
    int ww = 0, wh = 0;
    SDL_GetWindowSize(platform::detail::GfxWindow(), &ww, &wh);
    if (ww == w && wh == h) return;
    platform::Flip(0);
    SDL_Delay(10);
  }
}

TEST(GlSmokeTest, MousePositionsMapToLogicalPixelsInAWindowAndFullScreen) {
  platform::SetHeadless(false);
  platform::GraphicsOptions options;
  options.vsync = false;
  std::string error;
  if (!platform::GraphicsOpen(options, &error)) GTEST_SKIP() << "no window: " << error;
  platform::Flip(0);

  platform::Event e = ClickAt(123, 45);
  EXPECT_EQ(e.kind, platform::EVENT_MOUSE_DOWN);
  EXPECT_EQ(e.x, 123);
  EXPECT_EQ(e.y, 45);

  // The virtual display is 1280 x 720: full screen shows the logical screen 960 x 720 (1.2 window
  // pixels to one logical pixel) between two bars 160 pixels wide.
  int desktop_w = 0, desktop_h = 0;
  platform::DesktopSize(&desktop_w, &desktop_h);
  platform::GraphicsSetFullScreen(true);
  WaitForWindowSize(desktop_w, desktop_h);
  int ww = 0, wh = 0;
  SDL_GetWindowSize(platform::detail::GfxWindow(), &ww, &wh);
  EXPECT_EQ(ww, desktop_w);
  EXPECT_EQ(wh, desktop_h);
  e = ClickAt(ww / 2, wh / 2);
  EXPECT_EQ(e.x, 400);
  EXPECT_EQ(e.y, 300);
  if (desktop_w == 1280 && desktop_h == 720) {
    e = ClickAt(160, 0);
    EXPECT_EQ(e.x, 0);
    EXPECT_EQ(e.y, 0);
    e = ClickAt(1119, 719);
    EXPECT_EQ(e.x, 799);
    EXPECT_EQ(e.y, 599);
    e = ClickAt(40, 360);  // on the left bar: left of the logical screen, not clamped
    EXPECT_EQ(e.x, -100);
    EXPECT_EQ(e.y, 300);
    // The window system itself reports the pointer set at the logical screen's far corner, which
    // only happens when the window really covers the desktop (not only in SDL's own bookkeeping).
    platform::FlushEvents();
    platform::MoveMouse(790, 590);
    platform::Event moved;
    for (int i = 0; i < 100 && moved.kind != platform::EVENT_MOUSE_MOVE; ++i) {
      platform::Event got;
      while (platform::PollEvent(&got)) {
        if (got.kind == platform::EVENT_MOUSE_MOVE) moved = got;
      }
      SDL_Delay(10);
    }
    EXPECT_EQ(moved.kind, platform::EVENT_MOUSE_MOVE);
    EXPECT_EQ(moved.x, 790);
    EXPECT_EQ(moved.y, 590);
  } else {
    std::cout << "the desktop is " << desktop_w << "x" << desktop_h << "; checked its centre only" << std::endl;
  }
  // The picture is still read back in logical pixels.
  platform::ResetDrawState();
  platform::SetClsColor(0, 0, 0);
  platform::Cls();
  platform::SetColor(0, 0, 255);
  platform::DrawRect(790, 590, 10, 10);
  EXPECT_EQ(platform::GrabPixmap(795, 595, 1, 1)->ReadPixel(0, 0), 0xFF0000FFu);
  platform::Flip(0);

  platform::GraphicsSetFullScreen(false);
  WaitForWindowSize(800, 600);
  e = ClickAt(700, 500);
  EXPECT_EQ(e.x, 700);
  EXPECT_EQ(e.y, 500);
  platform::GraphicsClose();
}

// A picture read from a file lets go of its own pixels once its texture holds them; switching to
// full screen and back keeps the renderer, so the picture is shown the same throughout.
TEST(GlSmokeTest, PicturesFromFilesShowTheSameThroughFullScreenSwitches) {
  platform::SetHeadless(false);
  platform::Pixmap pattern(8, 8);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) pattern.WritePixel(x, y, 0xFF000000u | static_cast<platform::Argb>(x * 30 << 16 | y * 30 << 8 | 0x40));
  }
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("quill-smoke-" + std::to_string(::getpid()) + ".png")).string();
  ASSERT_TRUE(platform::SavePixmapPNG(pattern, path, 6));
  for (const bool keep_gl : {false, true}) {
    platform::GraphicsOptions options;
    options.vsync = false;
    options.keep_software_gl = keep_gl;
    std::string error;
    if (!platform::GraphicsOpen(options, &error)) {
      std::filesystem::remove(path);
      GTEST_SKIP() << "no window: " << error;
    }
    SCOPED_TRACE(platform::GraphicsDriverName());
    auto image = platform::LoadImage(path, 0);
    ASSERT_NE(image, nullptr);
    int desktop_w = 0, desktop_h = 0;
    platform::DesktopSize(&desktop_w, &desktop_h);
    for (const bool full : {false, true, false}) {
      platform::GraphicsSetFullScreen(full);
      WaitForWindowSize(full ? desktop_w : 800, full ? desktop_h : 600);
      platform::ResetDrawState();
      platform::SetClsColor(0, 0, 0);
      platform::Cls();
      platform::DrawImage(image, 50, 60);
      platform::Flip(0);
      platform::Cls();
      platform::DrawImage(image, 50, 60);
      auto shot = platform::GrabPixmap(50, 60, 8, 8);
      for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
          EXPECT_EQ(shot->ReadPixel(x, y), pattern.ReadPixel(x, y)) << (full ? "full screen " : "window ") << x << "," << y;
        }
      }
      EXPECT_FALSE(platform::detail::Impl(image)->HoldsPixels(0));
    }
    platform::GraphicsClose();
  }
  std::filesystem::remove(path);
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

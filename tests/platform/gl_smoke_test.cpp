// Runs the real window back-end (SDL renderer on OpenGL) on whatever display there is, normally
// Xvfb with Mesa's software OpenGL, and reads a frame back. Skips when no OpenGL window can be made.
#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

#include "platform/gl_probe.h"
#include "platform/graphics.h"
#include "platform/graphics_internal.h"
#include "platform/image_internal.h"
#include "platform/input.h"
#include "platform/leak_check.h"
#include "platform/system.h"
#include "tests/platform/screen_compare.h"

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

// Where OpenGL would be drawn by the processor (as on this virtual display), the window is drawn by
// SDL's software renderer and the OpenGL driver never enters the program: only a child process it
// forks makes an OpenGL window to ask. Run in a fresh process, as the game starts.
TEST(GlSmokeTest, ASoftwareOpenGLDriverIsNeverLoadedIntoTheProgram) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        platform::SetHeadless(false);
        platform::GraphicsOptions options;
        options.vsync = false;
        std::string error;
        if (!platform::GraphicsOpen(options, &error)) {
          std::cerr << "no window: " << error << std::endl;
          std::_Exit(2);
        }
        std::string loaded;
        std::ifstream maps("/proc/self/maps");
        for (std::string line; std::getline(maps, line);) {
          if (line.find("/dri/") != std::string::npos || line.find("libLLVM") != std::string::npos ||
              line.find("libGLX_mesa") != std::string::npos) {
            loaded += line.substr(line.rfind(' ') + 1) + " ";
          }
        }
        const bool software = platform::detail::ProbeOpenGl() == platform::detail::GlKind::kSoftware;
        std::cerr << "probe " << (software ? "software" : "not software") << ", renderer "
                  << platform::GraphicsDriverName() << ", loaded: " << loaded << std::endl;
        std::_Exit(software && loaded.empty() && platform::GraphicsDriverName() == "software" ? 0 : 1);
      },
      testing::ExitedWithCode(0), "");
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

// The window picture SDL's renderer gave for a screen: the screen copied, or stretched linearly,
// onto the letterbox of a black window (its own pixel format, colour only).
std::vector<Uint32> WholePicture(int ww, int wh) {
  auto screen = platform::GrabPixmap(0, 0, 800, 600);
  SDL_Surface* logical = SDL_CreateRGBSurfaceWithFormatFrom(screen->Pixels(), 800, 600, 32, 800 * 4,
                                                            SDL_PIXELFORMAT_ARGB8888);
  SDL_Surface* out = SDL_CreateRGBSurfaceWithFormat(0, ww, wh, 32, SDL_PIXELFORMAT_ARGB8888);
  SDL_FillRect(out, nullptr, 0xFF000000u);
  SDL_Rect box = platform::detail::LetterboxRect(ww, wh, 800, 600);
  if (box.w == 800 && box.h == 600) {
    SDL_BlitSurface(logical, nullptr, out, &box);
  } else {
    SDL_SoftStretchLinear(logical, nullptr, out, &box);
  }
  std::vector<Uint32> pixels(static_cast<std::size_t>(ww) * wh);
  for (int y = 0; y < wh; ++y) {
    const auto* row = reinterpret_cast<const Uint32*>(static_cast<Uint8*>(out->pixels) + y * out->pitch);
    for (int x = 0; x < ww; ++x) pixels[static_cast<std::size_t>(y) * ww + x] = row[x] & 0xFFFFFFu;
  }
  SDL_FreeSurface(out);
  SDL_FreeSurface(logical);
  return pixels;
}

// Window pixels that differ from the picture a whole copy or stretch of the screen gives.
int WrongWindowPixels() {
  SDL_Surface* window = SDL_GetWindowSurface(platform::detail::GfxWindow());
  if (window == nullptr) return -1;
  const std::vector<Uint32> expected = WholePicture(window->w, window->h);
  SDL_Surface* shown = SDL_ConvertSurfaceFormat(window, SDL_PIXELFORMAT_ARGB8888, 0);
  int wrong = 0;
  for (int y = 0; y < window->h; ++y) {
    const auto* row = reinterpret_cast<const Uint32*>(static_cast<Uint8*>(shown->pixels) + y * shown->pitch);
    for (int x = 0; x < window->w; ++x) {
      wrong += (row[x] & 0xFFFFFFu) != expected[static_cast<std::size_t>(y) * window->w + x] ? 1 : 0;
    }
  }
  SDL_FreeSurface(shown);
  return wrong;
}

// Opens a window (in the options' default mode) and checks it is drawn by the processor; the
// reason to skip when not ("" when it is open and drawn so).
std::string OpenWindowDrawnByTheProcessor() {
  platform::SetHeadless(false);
  platform::GraphicsOptions options;
  options.vsync = false;
  std::string error;
  if (!platform::GraphicsOpen(options, &error)) return "no window: " + error;
  if (platform::GraphicsDriverName() != "software") {
    platform::GraphicsClose();
    return "the window is not drawn by the processor";
  }
  return "";
}

// Drawn by the processor, a window shows each frame by putting only its changed parts on the
// window's picture: in a window and at full screen (stretched), the picture after every frame is
// the one showing the whole screen gives.
TEST(GlSmokeTest, AWindowShownInPartsHoldsTheWholeScreensPicture) {
  const std::string why = OpenWindowDrawnByTheProcessor();
  if (!why.empty()) GTEST_SKIP() << why;
  auto sprite = platform::CreateImage(6, 5, 1, platform::IMAGE_FILTERED);
  for (int i = 0; i < 30; ++i) {
    sprite->LockFrame(0)->WritePixel(i % 6, i / 6, 0xFF000000u | static_cast<Uint32>(i * 0x081F3B));
  }
  sprite->UnlockFrame(0);
  auto frame = [&](int step) {
    platform::ResetDrawState();
    platform::SetClsColor(10, 60, 20);
    platform::Cls();
    platform::SetColor(200, 100, 0);
    platform::DrawRect(100, 100, 300, 200);
    platform::SetBlend(platform::BLEND_ALPHA);
    platform::SetColor(255, 255, 255);
    platform::DrawText("Still words", 120, 120);
    platform::SetScale(3.0f, 3.0f);
    platform::SetRotation(static_cast<float>(step) * 23.0f);
    platform::DrawImage(sprite, 200.0f + static_cast<float>(step) * 37.0f, 150.0f + static_cast<float>(step) * 11.0f);
    platform::SetRotation(0.0f);
    platform::SetScale(1.0f, 1.0f);
    platform::DrawRect(static_cast<float>(step * 61 % 800), static_cast<float>(step * 47 % 600), 3, 2);
    platform::DrawImage(sprite, 0, static_cast<float>(step));
    platform::DrawImage(sprite, 794, 595);
  };
  for (const bool full_screen : {false, true}) {
    if (full_screen) {
      platform::GraphicsSetFullScreen(true);
      int dw = 0, dh = 0;
      platform::DesktopSize(&dw, &dh);
      WaitForWindowSize(dw, dh);
    }
    const long partly = platform::detail::FramesPartlyDrawn();
    for (int step = 0; step < 12; ++step) {
      // (The window system's news first: a new size gives the window a new picture to fill.)
      platform::Event e;
      while (platform::PollEvent(&e)) {
      }
      frame(step);
      platform::Flip(0);
      EXPECT_EQ(WrongWindowPixels(), 0) << (full_screen ? "full screen" : "window") << ", step " << step;
    }
    EXPECT_GE(platform::detail::FramesPartlyDrawn() - partly, 8);
  }
  platform::GraphicsClose();
}

// Drawn by the processor in the window's own pixel format, turned particles blended by our own loop
// give the window SDL's pixels: every blend mode, coloured and faded, scaled, across the edges.
TEST(GlSmokeTest, ParticlesBlendedByOurLoopInAWindowGiveSdlsPixels) {
  const std::string why = OpenWindowDrawnByTheProcessor();
  if (!why.empty()) GTEST_SKIP() << why;
  auto spark = platform::CreateImage(12, 12, 1, 0);
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 12; ++x) {
      const int d = (2 * x - 11) * (2 * x - 11) + (2 * y - 11) * (2 * y - 11);
      const Uint32 a = d < 144 ? static_cast<Uint32>(255 - d) : 0u;
      spark->LockFrame(0)->WritePixel(x, y, (a << 24) | static_cast<Uint32>(x * 0x150B00 + y * 0x13 + 0x40));
    }
  }
  spark->UnlockFrame(0);
  spark->MidHandle();
  auto draw = [&] {
    platform::detail::TextureChanging();  // drawn whole
    platform::ResetDrawState();
    platform::SetClsColor(30, 90, 140);
    platform::Cls();
    platform::DrawRect(0, 0, 400, 600);
    const int blends[] = {platform::BLEND_ALPHA, platform::BLEND_LIGHT, platform::BLEND_SHADE};
    for (int i = 0; i < 200; ++i) {
      platform::SetBlend(blends[i % 3]);
      platform::SetColor(90 + i % 160, 255 - i % 70, i % 5 == 0 ? 255 : 40 + i % 200);
      platform::SetAlpha(i % 4 == 0 ? 1.0f : static_cast<float>(i % 10) / 10.0f);
      platform::SetScale(0.5f + static_cast<float>(i % 7) * 0.3f, 0.5f + static_cast<float>(i % 7) * 0.3f);
      platform::SetRotation(static_cast<float>(i) * 11.3f + 2.0f);
      platform::DrawImage(spark, static_cast<float>((i * 89) % 830 - 15), static_cast<float>((i * 53) % 630 - 15));
    }
  };
  auto screen = [&](bool ours) { return quill_test::ScreenBlendedBy(ours, draw); };
  const auto by_sdl = screen(false);
  const auto ours = screen(true);
  EXPECT_EQ(quill_test::DifferingPixels(*ours, *by_sdl), 0);
  EXPECT_EQ(WrongWindowPixels(), 0);
  platform::GraphicsClose();
}

// A window paces its frames: no frame is due sooner than a frame time after a flip, and one is
// before long. The process may be stopped for any time between two calls on a loaded machine, so
// each answer is judged by the time taken since the flip began.
TEST(GlSmokeTest, AFrameIsDueOnlyAFrameTimeAfterTheLast) {
  platform::SetHeadless(false);
  platform::GraphicsOptions options;
  std::string error;
  if (!platform::GraphicsOpen(options, &error)) GTEST_SKIP() << "no window: " << error;
  // The shortest frame time the display's rate gives (60 Hz where it names none), a little shorter
  // for vsync.
  int hertz = 60;
  SDL_DisplayMode mode;
  if (SDL_GetCurrentDisplayMode(SDL_GetWindowDisplayIndex(platform::detail::GfxWindow()), &mode) == 0 &&
      mode.refresh_rate >= 30 && mode.refresh_rate <= 500) {
    hertz = mode.refresh_rate;
  }
  using Clock = std::chrono::steady_clock;
  const auto shortest = std::chrono::microseconds(1000000 / hertz * 95 / 100);
  platform::Flip(0);
  // Once the frame time has passed (a thirtieth of a second at most), a flip with nothing new to
  // show neither draws nor waits: it only starts the next frame time.
  std::this_thread::sleep_until(Clock::now() + std::chrono::microseconds(1000000 / 30 + 1000));
  const auto flipped = Clock::now();
  platform::Flip(0);
  const bool due_at_once = platform::FrameDue();
  const auto since_at_once = Clock::now() - flipped;
  EXPECT_TRUE(!due_at_once || since_at_once >= shortest)
      << "due " << std::chrono::duration<double>(since_at_once).count() << " s after the flip";
  bool due = due_at_once;
  for (int i = 0; i < 5000 && !due; ++i) {
    SDL_Delay(1);
    due = platform::FrameDue();
  }
  const auto since = Clock::now() - flipped;
  ASSERT_TRUE(due);
  EXPECT_GE(since, shortest);
  platform::GraphicsClose();
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  // The tests wait for the OpenGL probe's answer: on a loaded machine the child's OpenGL window
  // can take longer than the game's own limit.
  platform::detail::SetProbeLimitMs(-1);
  return RUN_ALL_TESTS();
}

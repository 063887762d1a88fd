// Runs the real window back-end (SDL renderer on OpenGL) on whatever display there is, normally
// Xvfb with Mesa's software OpenGL, and reads a frame back. Skips when no OpenGL window can be made.
#include <gtest/gtest.h>

#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/system.h"

namespace {

TEST(GlSmokeTest, RealWindowDrawsAFrame) {
  platform::SetHeadless(false);
  platform::GraphicsOptions options;
  options.vsync = false;
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
  platform::Flip(0);
  platform::GraphicsSetFullScreen(true);
  platform::Flip(0);
  platform::GraphicsSetFullScreen(false);
  platform::Flip(0);
  platform::GraphicsClose();
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

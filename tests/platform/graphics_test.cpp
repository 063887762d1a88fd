#include "platform/graphics.h"

#include <gtest/gtest.h>

namespace {

class GraphicsTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(platform::GraphicsOpen(platform::GraphicsOptions{}, &error)) << error;
    platform::ResetDrawState();
    platform::SetClsColor(0, 0, 0);
    platform::Cls();
  }
  void TearDown() override { platform::GraphicsClose(); }
  static platform::Argb Pixel(int x, int y) { return platform::GrabPixmap(x, y, 1, 1)->ReadPixel(0, 0); }
};

TEST_F(GraphicsTest, SolidRectangleLandsOnItsPixels) {
  platform::SetColor(255, 0, 0);
  platform::DrawRect(10, 20, 5, 3);
  EXPECT_EQ(Pixel(10, 20), 0xFFFF0000u);
  EXPECT_EQ(Pixel(14, 22), 0xFFFF0000u);
  EXPECT_EQ(Pixel(15, 22), 0xFF000000u);
  EXPECT_EQ(Pixel(14, 23), 0xFF000000u);
}

}  // namespace

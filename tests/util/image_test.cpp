#include "util/image.h"

#include <gtest/gtest.h>

#include "platform/input.h"
#include "util/animation.h"
#include "util/error.h"
#include "util/globals.h"
#include "util/input.h"
#include "util/types.h"
#include "util_test_support.h"

namespace {

class Image : public util_test::ScreenTest {};

platform::ImageRef Pattern(int w, int h) {
  platform::ImageRef image = platform::CreateImage(w, h, 1);
  platform::PixmapRef pixels = image->LockFrame(0);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) pixels->WritePixel(x, y, ARGB_Color(255, x, y, 7));
  image->UnlockFrame(0);
  image->SetHandle(0, 0);
  return image;
}

platform::Argb At(const platform::ImageRef& image, int x, int y) {
  platform::PixmapRef pixels = image->LockFrame(0);
  const platform::Argb value = pixels->ReadPixel(x, y);
  image->UnlockFrame(0);
  return value;
}

class BlackShadow : public ccDropShadow {
 public:
  float ShadowX() const override { return 3; }
  float ShadowY() const override { return 3; }
  int Apply() override {
    platform::SetColor(0, 0, 0);
    platform::SetAlpha(0.5f);
    return 0;
  }
  int Restore() override {
    platform::SetColor(255, 255, 255);
    platform::SetAlpha(1);
    return 0;
  }
};

}  // namespace

TEST(PackedColours, PackAndUnpack) {
  EXPECT_EQ(ARGB_Color(255, 16, 32, 64), 0xFF102040u);
  EXPECT_EQ(ARGB_Red(0xFF102040u), 16);
  EXPECT_EQ(ARGB_Blue(0xFF102040u), 64);
  EXPECT_EQ(ARGB_Alpha(0xFF102040u), 255);
}

TEST_F(Image, RectangleCopiesClipToBothImages) {
  platform::ImageRef source = Pattern(10, 10);
  platform::ImageRef target = platform::CreateImage(8, 8, 1);
  ccCopyImageRect(source, 4, 4, 20, 20, target, 2, 2);  // overruns both
  EXPECT_EQ(At(target, 2, 2), ARGB_Color(255, 4, 4, 7));
  EXPECT_EQ(At(target, 7, 7), ARGB_Color(255, 9, 9, 7));
  EXPECT_EQ(At(target, 1, 1), 0u);
  platform::ImageRef untouched = platform::CreateImage(8, 8, 1);
  ccCopyImageRect(source, 10, 0, 5, 5, untouched, 0, 0);  // starts at the source's width
  EXPECT_EQ(At(untouched, 0, 0), 0u);
  ccCopyImageRect(source, -3, 0, 5, 1, untouched, 0, 0);  // a negative start is cut, not read
  EXPECT_EQ(At(untouched, 3, 0), ARGB_Color(255, 0, 0, 7));
  EXPECT_EQ(At(untouched, 2, 0), 0u);
}

TEST_F(Image, MirroredCopies) {
  platform::ImageRef source = Pattern(4, 3);
  platform::ImageRef target = platform::CreateImage(4, 3, 1);
  ccCopyImageToImage(source, 0, 0, 4, 3, target, 0, 0, 1);
  EXPECT_EQ(At(target, 3, 0), At(source, 0, 0));  // first column becomes the last
  ccCopyImageToImage(source, 0, 0, 4, 3, target, 0, 0, 2);
  EXPECT_EQ(At(target, 0, 2), At(source, 0, 0));
  ccCopyImageToImage(source, 0, 0, 4, 3, target, 0, 0, 3);
  EXPECT_EQ(At(target, 3, 2), At(source, 0, 0));
  platform::ImageRef blank = platform::CreateImage(4, 3, 1);
  ccCopyImageToImage(source, 0, 0, 4, 3, blank, 0, 0, 4);
  EXPECT_EQ(At(blank, 0, 0), 0u);
}

TEST_F(Image, CompositingOntoAPixmap) {
  platform::ImageRef image = platform::CreateImage(2, 1, 1);
  platform::PixmapRef pixels = image->LockFrame(0);
  pixels->WritePixel(0, 0, ARGB_Color(128, 200, 0, 0));
  pixels->WritePixel(1, 0, ARGB_Color(255, 10, 20, 30));
  image->UnlockFrame(0);
  platform::Pixmap target(3, 1);
  target.Fill(ARGB_Color(128, 100, 0, 0));
  ccDrawOnPixmap(image, 0, target, 0, 0, 1.0f, 1.0f);
  EXPECT_EQ(target.ReadPixel(0, 0), ARGB_Color(255, 125, 0, 0));
  EXPECT_EQ(target.ReadPixel(1, 0), ARGB_Color(255, 10, 20, 30));
  EXPECT_EQ(target.ReadPixel(2, 0), ARGB_Color(128, 100, 0, 0));
  platform::Pixmap small(1, 1);
  ccDrawOnPixmap(image, 0, small, 0, 0, 0.001f, 1.0f);  // fractions of alpha over nothing: unchanged
  EXPECT_EQ(small.ReadPixel(0, 0), 0u);
  ccDrawOnPixmap(image, 0, small, -1, 0, 1.0f, 3.0f);  // clipped, components clamped
  EXPECT_EQ(small.ReadPixel(0, 0), ARGB_Color(255, 30, 60, 90));
  EXPECT_THROW(ccDrawOnPixmap(nullptr, 0, small, 0, 0, 1, 1), ccFatalError);
}

TEST_F(Image, OutlineCentringAndClipping) {
  platform::SetColor(255, 255, 255);
  ccDrawRectOutline(10, 20, 5, 3);
  EXPECT_NE(Pixel(10, 20), 0u);
  EXPECT_NE(Pixel(14, 22), 0u);
  EXPECT_EQ(Pixel(15, 20), 0u);
  EXPECT_EQ(Pixel(12, 21), 0u);
  EXPECT_EQ(Pixel(10, 23), 0u);

  platform::Cls();
  platform::ImageRef image = Pattern(101, 51);
  ccDrawImageCentred(image);
  EXPECT_EQ(Pixel(349, 274), 0x000007u);
  EXPECT_EQ(Pixel(348, 274), 0u);

  platform::Cls();
  platform::ImageRef square = Pattern(100, 100);
  ccClipImageToViewport(square, 50, 50, 100, 100, 200, 200, 0, 0);
  EXPECT_EQ(Pixel(100, 100), ARGB_Color(0, 50, 50, 7));  // the image's (50, 50) lands at (100, 100)
  EXPECT_EQ(Pixel(99, 100), 0u);
  EXPECT_EQ(Pixel(149, 149), ARGB_Color(0, 99, 99, 7));
  platform::Cls();
  ccClipImageToViewport(square, -60, 150, 100, 100, 200, 200, 0, 0);  // wholly to the left
  ccClipImageToViewport(square, 300, 150, 100, 100, 200, 200, 0, 0);  // just past the right edge
  for (int x = 95; x < 320; x += 5) EXPECT_EQ(Pixel(x, 160), 0u) << x;
}

TEST_F(Image, ShadowedRectangleAndDimming) {
  BlackShadow shadow;
  platform::SetBlend(platform::BLEND_ALPHA);
  platform::SetColor(0, 200, 0);
  ccDrawRect(10, 10, 10, 10, &shadow);
  EXPECT_FLOAT_EQ(platform::GetAlpha(), 1.0f);
  int r = 0, g = 0, b = 0;
  platform::GetColor(&r, &g, &b);
  EXPECT_EQ(g, 200);
  EXPECT_EQ(Pixel(15, 15), 0x00C800u);
  ccDimScreen(0.5f);
  EXPECT_EQ(platform::GetBlend(), platform::BLEND_ALPHA);
  platform::GetColor(&r, &g, &b);
  EXPECT_EQ(r, 255);
}

TEST_F(Image, LoadingMissingImagesIsFatal) {
  ccWriteErrors = 0;
  ccGraphicalErrors = 0;  // the system alert, not the box that waits for a key
  try {
    ccLoadBitmap("no/such.png", -1);
    ADD_FAILURE();
  } catch (const ccFatalError& error) {
    EXPECT_STREQ(error.what(), "Error loading bitmap no/such.png");
  }
  try {
    ccLoadAnimBitmap("no/anim.png", 8, 8, 0, 2, -1);
    ADD_FAILURE();
  } catch (const ccFatalError& error) {
    EXPECT_STREQ(error.what(), "Error loading anim bitmap no/anim.png");
  }
  ccWriteErrors = 1;
  ccGraphicalErrors = 1;
}

TEST_F(Image, PartOfAFrameAndCollisions) {
  platform::ImageRef image = Pattern(40, 10);
  ccDrawImageArea(image, 100, 100, 30, 0, 30, 10, 0);  // 20 pixels wider than what is left
  EXPECT_EQ(Pixel(100, 100), ARGB_Color(0, 30, 0, 7));
  EXPECT_EQ(Pixel(109, 100), ARGB_Color(0, 39, 0, 7));
  EXPECT_EQ(Pixel(110, 100), 0u);

  platform::ImageRef dot = platform::CreateImage(10, 10, 1);  // transparent but one pixel
  dot->SetHandle(0, 0);
  dot->LockFrame(0)->WritePixel(5, 5, 0xFFFFFFFFu);
  dot->UnlockFrame(0);
  EXPECT_EQ(ccImageRectCollide(dot, 50, 50, 0, 50, 50, 4, 4), 0);
  EXPECT_EQ(ccImageRectCollide(dot, 50, 50, 0, 54, 54, 3, 3), 1);
}

TEST_F(Image, CrossFadeEndsOnTheSecondImage) {
  auto red = platform::CreateImage(4, 4, 1);
  red->LockFrame(0)->Fill(0xFFFF0000u);
  red->UnlockFrame(0);
  auto blue = platform::CreateImage(4, 4, 1);
  blue->LockFrame(0)->Fill(0xFF0000FFu);
  blue->UnlockFrame(0);
  red->SetHandle(0, 0);
  blue->SetHandle(0, 0);
  auto fade = TCrossFade::Create(red, blue, 10);  // two ticks of 5 ms
  fade->Draw();
  EXPECT_EQ(Pixel(1, 1), 0xFF0000u);  // starts on the first image
  fade->Manage();
  fade->Manage();
  fade->Draw();
  EXPECT_EQ(Pixel(1, 1), 0x0000FFu);
  EXPECT_EQ(platform::GetBlend(), platform::BLEND_ALPHA);
}

TEST_F(Image, ScreenFadeOutEndsBlackAndQuiet) {
  platform::SetColor(255, 255, 255);
  platform::DrawRect(0, 0, 800, 600);
  platform::ChannelRef channel = platform::AllocChannel();
  ASSERT_NE(channel, nullptr);
  channel->SetVolume(0.8f);
  ccFadeScreen(20, 1, channel);
  EXPECT_EQ(Pixel(400, 300), 0u);
  EXPECT_FLOAT_EQ(channel->Volume(), 0.0f);
  EXPECT_EQ(platform::GetBlend(), platform::BLEND_SOLID);
}

TEST_F(Image, ScreenFadeIgnoresWaitingInputAndStopsOnANewKey) {
  ccEnablePolledInput();
  platform::Event key;
  key.kind = platform::EVENT_KEY_DOWN;
  key.data = platform::KEY_SPACE;
  platform::PushEvent(key);  // waiting before the fade: dropped, the fade runs on
  static int passes;
  passes = 0;
  ccModalLoopHook = [] {
    if (++passes == 5) {
      platform::Event late;
      late.kind = platform::EVENT_KEY_DOWN;
      late.data = platform::KEY_ENTER;
      platform::PushEvent(late);
    }
  };
  const std::int64_t start = platform::Millisecs();
  ccFadeScreen(1000, 1, nullptr);
  const std::int64_t took = platform::Millisecs() - start;
  ccModalLoopHook = nullptr;
  EXPECT_EQ(passes, 5);
  EXPECT_LT(took, 100);
  EXPECT_EQ(KeyHit(platform::KEY_ENTER), 0);  // the key that cut it short is consumed
  EXPECT_EQ(Pixel(400, 300), 0u);             // the end state is still drawn
  ccDisablePolledInput();
}

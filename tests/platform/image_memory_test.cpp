// Pictures read from files hold one copy of their pixels: the renderer's. Their own copy is let go
// once the texture holds it and read from the file again when the game reads the picture back or a
// new renderer needs it; pictures made in memory, or read back, keep theirs.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/graphics.h"
#include "platform/image_internal.h"
#include "tests/platform/test_media.h"

namespace {

using platform::Argb;

constexpr int kW = 6, kH = 4;  // a 3 x 2 sheet of 2 x 2 cells

std::string TempPath(const std::string& name) {
  return (std::filesystem::path(std::getenv("XDG_DATA_HOME")) / name).string();
}

// Pixel (x, y) of the sheet: every pixel its own colour, and cell 4's top-left pixel the mask colour
// (pure magenta).
std::uint32_t SheetRgb(int x, int y) {
  if (x == 2 && y == 2) return 0xFF00FFu;
  return (static_cast<std::uint32_t>(x * 40 + 10) << 16) | (static_cast<std::uint32_t>(y * 50 + 20) << 8) | 0x33u;
}

std::string WriteSheet(const std::string& name) {
  std::vector<std::uint32_t> rgb;
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) rgb.push_back(SheetRgb(x, y));
  }
  const std::string path = TempPath(name);
  EXPECT_TRUE(test_media::WriteRgbPng(path, kW, kH, rgb));
  return path;
}

bool HoldsAnyPixels(const platform::ImageRef& image) {
  auto* impl = platform::detail::Impl(image);
  for (int f = 0; f < image->Frames(); ++f) {
    if (impl->HoldsPixels(f)) return true;
  }
  return false;
}

class ImageMemoryTest : public testing::Test {
 protected:
  void SetUp() override { Reopen(); }
  void TearDown() override {
    platform::SetMaskColor(0, 0, 0);
    platform::GraphicsClose();
  }

  // A new renderer: every texture of the old one is gone.
  static void Reopen() {
    std::string error;
    ASSERT_TRUE(platform::GraphicsOpen(platform::GraphicsOptions{}, &error)) << error;
    platform::ResetDrawState();
    platform::SetClsColor(0, 0, 0);
    platform::Cls();
  }

  // Frame `frame` drawn at (100, 100) over a dark blue screen and read back.
  static platform::PixmapRef Shown(const platform::ImageRef& image, int frame) {
    platform::SetClsColor(1, 2, 3);
    platform::Cls();
    platform::SetBlend(platform::BLEND_ALPHA);
    platform::DrawImage(image, 100, 100, frame);
    return platform::GrabPixmap(100, 100, image->Width(), image->Height());
  }
};

struct Loaded {
  const char* what;
  int cell;   // 0: the whole sheet as one frame; else cells of this size from cell 1
  int flags;
};

class PictureFromFileTest : public ImageMemoryTest, public testing::WithParamInterface<Loaded> {
 protected:
  platform::ImageRef Load(const std::string& path) const {
    const Loaded& p = GetParam();
    return p.cell == 0 ? platform::LoadImage(path, p.flags)
                       : platform::LoadAnimImage(path, p.cell, p.cell, 1, 5, p.flags);
  }
  // Frame f's pixel (x, y) as the file gives it (alpha 0 on the mask colour when masked).
  static Argb Expected(int frame, int x, int y) {
    const Loaded& p = GetParam();
    int sx = x, sy = y;
    if (p.cell != 0) {
      const int cell = 1 + frame;
      sx += (cell % (kW / p.cell)) * p.cell;
      sy += (cell / (kW / p.cell)) * p.cell;
    }
    const std::uint32_t rgb = SheetRgb(sx, sy);
    const bool masked = (p.flags & platform::IMAGE_MASKED) != 0 && rgb == 0xFF00FFu;
    return masked ? rgb : 0xFF000000u | rgb;
  }
};

TEST_P(PictureFromFileTest, LetsGoOfItsPixelsOnceDrawnAndShowsThemAgainOnANewRenderer) {
  platform::SetMaskColor(255, 0, 255);
  auto image = Load(WriteSheet("sheet.png"));
  ASSERT_NE(image, nullptr);
  // A mask colour changed later does not change what the file gives back.
  platform::SetMaskColor(0, 0, 0);
  EXPECT_TRUE(HoldsAnyPixels(image));  // not drawn yet
  // Let go before any frame is drawn, and again after the first: the frames drawn afterwards are
  // read from the file again.
  platform::ReleaseUndrawnPixels();
  EXPECT_FALSE(HoldsAnyPixels(image));
  Shown(image, 0);
  platform::ReleaseUndrawnPixels();
  EXPECT_FALSE(HoldsAnyPixels(image));
  for (int f = 0; f < image->Frames(); ++f) Shown(image, f);
  EXPECT_FALSE(HoldsAnyPixels(image));

  for (int renderer = 0; renderer < 2; ++renderer) {
    SCOPED_TRACE(renderer == 0 ? "first renderer" : "new renderer");
    for (int f = 0; f < image->Frames(); ++f) {
      auto shown = Shown(image, f);
      for (int y = 0; y < image->Height(); ++y) {
        for (int x = 0; x < image->Width(); ++x) {
          const Argb want = Expected(f, x, y);
          // A transparent pixel lets the background through.
          EXPECT_EQ(shown->ReadPixel(x, y), want >> 24 == 0 ? 0xFF010203u : want) << f << " " << x << "," << y;
        }
      }
    }
    EXPECT_FALSE(HoldsAnyPixels(image));
    platform::GraphicsClose();
    Reopen();
  }

  // Read back, the frames are the file's pixels, and they are kept from then on.
  for (int f = 0; f < image->Frames(); ++f) {
    auto pixels = image->LockFrame(f);
    for (int y = 0; y < image->Height(); ++y) {
      for (int x = 0; x < image->Width(); ++x) EXPECT_EQ(pixels->ReadPixel(x, y), Expected(f, x, y));
    }
    image->UnlockFrame(f);
  }
  Shown(image, 0);
  EXPECT_TRUE(HoldsAnyPixels(image));
}

INSTANTIATE_TEST_SUITE_P(Pictures, PictureFromFileTest,
                         testing::Values(Loaded{"whole", 0, 0}, Loaded{"whole_masked", 0, platform::IMAGE_MASKED},
                                         Loaded{"cells_masked", 2, platform::IMAGE_MASKED | platform::IMAGE_FILTERED}),
                         [](const testing::TestParamInfo<Loaded>& info) { return std::string(info.param.what); });

TEST_F(ImageMemoryTest, ReadBackPicturesKeepTheirPixelsAndTheirChanges) {
  const std::string path = WriteSheet("edited.png");
  // Changed through a lock after its texture was made: the change survives a new renderer.
  auto edited = platform::LoadImage(path, 0);
  Shown(edited, 0);
  auto pixels = edited->LockFrame(0);
  EXPECT_EQ(pixels->ReadPixel(5, 3), 0xFF000000u | SheetRgb(5, 3));
  pixels->WritePixel(1, 1, 0xFF00FF00u);
  edited->UnlockFrame(0);
  platform::GraphicsClose();
  Reopen();
  EXPECT_EQ(Shown(edited, 0)->ReadPixel(1, 1), 0xFF00FF00u);
  EXPECT_EQ(Shown(edited, 0)->ReadPixel(0, 0), 0xFF000000u | SheetRgb(0, 0));
  EXPECT_TRUE(HoldsAnyPixels(edited));
  platform::ReleaseUndrawnPixels();
  EXPECT_TRUE(HoldsAnyPixels(edited));

  // Collided with after its pixels were let go: the collision sees the file's pixels.
  auto solid = platform::LoadImage(path, 0);
  Shown(solid, 0);
  ASSERT_FALSE(HoldsAnyPixels(solid));
  int tag = 0;
  platform::ResetCollisions(0);
  platform::CollideImage(solid, 10, 10, 0, 0, 1, &tag);
  EXPECT_EQ(platform::CollideRect(15, 13, 1, 1, 1, 0, nullptr), std::vector<void*>{&tag});
  EXPECT_EQ(platform::CollideRect(16, 13, 1, 1, 1, 0, nullptr), std::vector<void*>{});
  platform::ResetCollisions(0);
  Shown(solid, 0);
  EXPECT_TRUE(HoldsAnyPixels(solid));

  // Made in memory: there is no file to read it again from.
  auto made = platform::CreateImage(2, 2, 1, 0);
  made->LockFrame(0)->Fill(0xFF123456u);
  made->UnlockFrame(0);
  auto copied = platform::LoadImageFromPixmap(made->LockFrame(0), 0);
  made->UnlockFrame(0);
  Shown(made, 0);
  Shown(copied, 0);
  platform::ReleaseUndrawnPixels();
  platform::GraphicsClose();
  Reopen();
  EXPECT_EQ(Shown(made, 0)->ReadPixel(1, 1), 0xFF123456u);
  EXPECT_EQ(Shown(copied, 0)->ReadPixel(1, 1), 0xFF123456u);
}

TEST_F(ImageMemoryTest, APictureWhoseFileIsGoneComesBackTransparentWithAMessage) {
  const std::string path = WriteSheet("gone.png");
  auto image = platform::LoadImage(path, 0);
  Shown(image, 0);
  ASSERT_FALSE(HoldsAnyPixels(image));
  std::filesystem::remove(path);
  platform::GraphicsClose();
  Reopen();
  testing::internal::CaptureStderr();
  auto shown = Shown(image, 0);
  const std::string message = testing::internal::GetCapturedStderr();
  EXPECT_NE(message.find("gone.png"), std::string::npos) << message;
  EXPECT_EQ(shown->ReadPixel(0, 0), 0xFF010203u);
  EXPECT_EQ(image->LockFrame(0)->ReadPixel(0, 0), 0u);
}

TEST_F(ImageMemoryTest, MeasuredHoldingsFollowTheTexturesAndPixels) {
  const auto before = platform::detail::HeldByImages();
  auto image = platform::LoadAnimImage(WriteSheet("measured.png"), 2, 2, 0, 6, 0);
  auto held = platform::detail::HeldByImages();
  EXPECT_EQ(held.images, before.images + 1);
  EXPECT_EQ(held.pixel_bytes - before.pixel_bytes, 6 * 2 * 2 * 4);
  EXPECT_EQ(held.texture_bytes - before.texture_bytes, 0);
  for (int f = 0; f < 6; ++f) image->Precache(f);
  held = platform::detail::HeldByImages();
  EXPECT_EQ(held.pixel_bytes - before.pixel_bytes, 0);
  EXPECT_EQ(held.texture_bytes - before.texture_bytes, 6 * 2 * 2 * 4);
}

}  // namespace

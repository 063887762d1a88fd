#include "platform/graphics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "platform/graphics_internal.h"
#include "platform/system.h"
#include "tests/platform/screen_compare.h"
#include "tests/platform/test_media.h"

namespace {

using platform::Argb;

constexpr Argb kBlack = 0xFF000000u;
constexpr Argb kRed = 0xFFFF0000u;
constexpr Argb kGreen = 0xFF00FF00u;
constexpr Argb kBlue = 0xFF0000FFu;
constexpr Argb kWhite = 0xFFFFFFFFu;

class GraphicsTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(platform::GraphicsOpen(platform::GraphicsOptions{}, &error)) << error;
    platform::ResetDrawState();
    platform::SetAutoMidHandle(false);
    platform::SetMaskColor(0, 0, 0);
    platform::SetClsColor(0, 0, 0);
    platform::Cls();
  }
  void TearDown() override { platform::GraphicsClose(); }

  static Argb Pixel(int x, int y) { return platform::GrabPixmap(x, y, 1, 1)->ReadPixel(0, 0); }

  // An unfiltered image whose pixels are given row by row.
  static platform::ImageRef MakeImage(int w, int h, const std::vector<Argb>& pixels) {
    auto image = platform::CreateImage(w, h, 1, 0);
    auto frame = image->LockFrame(0);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) frame->WritePixel(x, y, pixels[static_cast<std::size_t>(y * w + x)]);
    }
    image->UnlockFrame(0);
    return image;
  }

  static platform::ImageRef Solid(int w, int h, Argb colour) {
    return MakeImage(w, h, std::vector<Argb>(static_cast<std::size_t>(w * h), colour));
  }

  static std::string TempPath(const std::string& name) {
    return (std::filesystem::path(std::getenv("XDG_DATA_HOME")) / name).string();
  }
};

// The box [x0, x1) x [y0, y1) is filled with `inside`, and the ring of pixels around it is black.
void ExpectBox(int x0, int y0, int x1, int y1, Argb inside) {
  auto shot = platform::GrabPixmap(x0 - 1, y0 - 1, x1 - x0 + 2, y1 - y0 + 2);
  for (int y = y0 - 1; y <= y1; ++y) {
    for (int x = x0 - 1; x <= x1; ++x) {
      const bool in = x >= x0 && x < x1 && y >= y0 && y < y1;
      ASSERT_EQ(shot->ReadPixel(x - x0 + 1, y - y0 + 1), in ? inside : kBlack) << "at " << x << "," << y;
    }
  }
}

TEST_F(GraphicsTest, HandleAndScalePlaceTheImageAboutItsHandle) {
  auto image = Solid(4, 4, kRed);
  image->SetHandle(2, 2);
  platform::DrawImage(image, 20, 20);
  ExpectBox(18, 18, 22, 22, kRed);

  platform::Cls();
  image->SetHandle(1, 1);
  platform::SetScale(2, 3);
  platform::DrawImage(image, 50, 50);
  ExpectBox(48, 47, 56, 59, kRed);
}

TEST_F(GraphicsTest, NegativeScaleMirrorsAboutTheHandle) {
  auto image = MakeImage(4, 1, {kRed, kGreen, kBlue, kWhite});
  platform::SetScale(-1, 1);
  platform::DrawImage(image, 100, 10);
  EXPECT_EQ(Pixel(99, 10), kRed);
  EXPECT_EQ(Pixel(98, 10), kGreen);
  EXPECT_EQ(Pixel(97, 10), kBlue);
  EXPECT_EQ(Pixel(96, 10), kWhite);
  EXPECT_EQ(Pixel(100, 10), kBlack);

  platform::Cls();
  platform::SetScale(1, -2);
  platform::DrawImage(image, 100, 10);  // upside down: rows 8 and 9 above the handle
  EXPECT_EQ(Pixel(100, 9), kRed);
  EXPECT_EQ(Pixel(103, 8), kWhite);
  EXPECT_EQ(Pixel(100, 10), kBlack);
}

TEST_F(GraphicsTest, RotationTurnsClockwiseAboutTheHandle) {
  // Top row red, bottom row blue. A quarter turn clockwise about the top-left corner maps the
  // local point (x, y) to (-y, x): the top row becomes the column just left of the drawing point,
  // running down from it, and the bottom row the column left of that.
  auto image = MakeImage(4, 2, {kRed, kRed, kRed, kRed, kBlue, kBlue, kBlue, kBlue});
  platform::SetRotation(90);
  platform::DrawImage(image, 200, 200);
  for (int y = 200; y < 204; ++y) {
    EXPECT_EQ(Pixel(199, y), kRed) << y;
    EXPECT_EQ(Pixel(198, y), kBlue) << y;
    EXPECT_EQ(Pixel(200, y), kBlack) << y;
  }
  EXPECT_EQ(Pixel(199, 199), kBlack);
  EXPECT_EQ(Pixel(199, 204), kBlack);

  // A half turn about the centre handle lands on the same box, upside down.
  platform::Cls();
  image->SetHandle(2, 1);
  platform::SetRotation(180);
  platform::DrawImage(image, 300, 300);
  for (int x = 298; x < 302; ++x) {
    EXPECT_EQ(Pixel(x, 299), kBlue) << x;
    EXPECT_EQ(Pixel(x, 300), kRed) << x;
  }
  EXPECT_EQ(Pixel(302, 300), kBlack);

  // An eighth of a turn about the centre: the square stands on its corner.
  platform::Cls();
  auto square = Solid(20, 20, kRed);
  square->MidHandle();
  platform::SetRotation(45);
  platform::DrawImage(square, 500, 300);
  EXPECT_EQ(Pixel(500, 300), kRed);
  EXPECT_EQ(Pixel(512, 300), kRed);   // beyond the unturned square's side
  EXPECT_EQ(Pixel(500, 287), kRed);
  EXPECT_EQ(Pixel(509, 309), kBlack);  // where its corner was
  EXPECT_EQ(Pixel(491, 291), kBlack);
}

TEST_F(GraphicsTest, ScaleAndRotationTogetherTurnAboutTheHandle) {
  // Stretched twice as wide, then a quarter turn about the top-left handle: the top row becomes
  // the column just left of the point, twice as long.
  auto image = MakeImage(4, 2, {kRed, kRed, kRed, kRed, kBlue, kBlue, kBlue, kBlue});
  platform::SetScale(2, 1);
  platform::SetRotation(90);
  platform::DrawImage(image, 200, 200);
  for (int y = 200; y < 208; ++y) {
    EXPECT_EQ(Pixel(199, y), kRed) << y;
    EXPECT_EQ(Pixel(198, y), kBlue) << y;
  }
  EXPECT_EQ(Pixel(199, 208), kBlack);

  // A bar 20 long held at the middle of its left end, mirrored: turned a quarter it points up
  // from the handle instead of down; turned 30 degrees it points up and to the left.
  platform::Cls();
  auto bar = Solid(20, 4, kRed);
  bar->SetHandle(0, 2);
  platform::SetScale(-1, 1);
  platform::DrawImage(bar, 300, 300);  // still turned 90 degrees
  EXPECT_EQ(Pixel(300, 290), kRed);
  EXPECT_EQ(Pixel(300, 282), kRed);
  EXPECT_EQ(Pixel(300, 305), kBlack);
  EXPECT_EQ(Pixel(305, 300), kBlack);

  platform::Cls();
  platform::SetRotation(30);
  platform::DrawImage(bar, 500, 300);
  EXPECT_EQ(Pixel(491, 294), kRed);  // 10 along the turned bar: (-8.7, -5)
  EXPECT_EQ(Pixel(483, 290), kRed);  // 17 along: (-14.7, -8.5)
  EXPECT_EQ(Pixel(508, 304), kBlack);  // where the bar lies unmirrored
  EXPECT_EQ(Pixel(491, 304), kBlack);
}

TEST_F(GraphicsTest, AlphaColourAndBlendModesMixAsExpected) {
  auto white = Solid(2, 2, kWhite);
  platform::SetClsColor(100, 0, 0);
  platform::Cls();

  platform::SetBlend(platform::BLEND_ALPHA);
  platform::SetAlpha(0.5f);
  platform::DrawImage(white, 10, 10);
  const Argb half = Pixel(10, 10);
  EXPECT_NEAR(static_cast<int>((half >> 16) & 0xFF), 177, 2);
  EXPECT_NEAR(static_cast<int>((half >> 8) & 0xFF), 127, 2);

  platform::SetBlend(platform::BLEND_LIGHT);
  platform::SetAlpha(1.0f);
  platform::SetColor(50, 60, 70);
  platform::DrawImage(white, 20, 10);
  EXPECT_EQ(Pixel(20, 10), 0xFF963C46u);  // (100 + 50, 60, 70)

  platform::SetBlend(platform::BLEND_SOLID);
  platform::SetAlpha(0.1f);  // ignored when solid
  platform::SetColor(255, 0, 255);
  platform::DrawImage(white, 30, 10);
  EXPECT_EQ(Pixel(30, 10), 0xFFFF00FFu);
}

TEST_F(GraphicsTest, AlphaIsClampedAndStateReadsBack) {
  platform::SetAlpha(3.0f);
  EXPECT_EQ(platform::GetAlpha(), 1.0f);
  platform::SetColor(300, -4, 12);
  int r, g, b;
  platform::GetColor(&r, &g, &b);
  EXPECT_EQ(r, 255);
  EXPECT_EQ(g, 0);
  EXPECT_EQ(b, 12);
  platform::SetRotation(30);
  EXPECT_EQ(platform::GetRotation(), 30.0f);
}

TEST_F(GraphicsTest, MaskedPictureWithoutAlphaHasTransparentMaskPixels) {
  const std::string png = TempPath("masked.png");
  const std::string jpg = TempPath("masked.jpg");
  // Black left half, red right half.
  const std::vector<std::uint32_t> rgb = {0x000000, 0x000000, 0xFF0000, 0xFF0000,
                                          0x000000, 0x000000, 0xFF0000, 0xFF0000};
  ASSERT_TRUE(test_media::WriteRgbPng(png, 4, 2, rgb));
  ASSERT_TRUE(test_media::WriteJpeg(jpg, 4, 2, rgb));

  platform::SetClsColor(0, 0, 255);
  platform::Cls();
  platform::SetBlend(platform::BLEND_ALPHA);
  auto masked = platform::LoadImage(png, platform::IMAGE_MASKED);
  ASSERT_NE(masked, nullptr);
  EXPECT_EQ(masked->LockFrame(0)->ReadPixel(0, 0) >> 24, 0u);
  platform::DrawImage(masked, 10, 10);
  EXPECT_EQ(Pixel(10, 10), kBlue);  // the black pixel let the background through
  EXPECT_EQ(Pixel(12, 10), kRed);

  auto plain = platform::LoadImage(png, 0);
  platform::DrawImage(plain, 10, 20);
  EXPECT_EQ(Pixel(10, 20), kBlack);

  auto jpeg = platform::LoadImage(jpg, platform::IMAGE_MASKED);
  ASSERT_NE(jpeg, nullptr);
  EXPECT_EQ(jpeg->Width(), 4);
  EXPECT_EQ(jpeg->LockFrame(0)->ReadPixel(0, 0) >> 24, 0u);
}

TEST_F(GraphicsTest, GlyphRectangleDrawsThatPartOfThePage) {
  // A page of two 4 x 4 glyphs: red on the left, green on the right.
  std::vector<Argb> page(8 * 4);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 8; ++x) page[static_cast<std::size_t>(y * 8 + x)] = x < 4 ? kRed : kGreen;
  }
  auto image = MakeImage(8, 4, page);
  platform::DrawSubImageRect(image, 300, 300, 4, 4, 4, 0, 4, 4);
  ExpectBox(300, 300, 304, 304, kGreen);

  platform::Cls();
  platform::DrawSubImageRect(image, 300, 300, 8, 12, 0, 0, 4, 4);  // stretched to 8 x 12
  ExpectBox(300, 300, 308, 312, kRed);

  platform::Cls();
  image->SetHandle(2, 1);  // the rectangle's corner goes where the page's corner would
  platform::DrawSubImageRect(image, 300, 300, 4, 4, 4, 0, 4, 4);
  ExpectBox(298, 299, 302, 303, kGreen);
}

TEST_F(GraphicsTest, FrameRectangleAndImageRect) {
  std::vector<Argb> page(8 * 4);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 8; ++x) page[static_cast<std::size_t>(y * 8 + x)] = x < 4 ? kRed : kGreen;
  }
  auto image = MakeImage(8, 4, page);
  image->SetFrameRect(0, 0.5f, 0, 1, 1);
  platform::DrawImageRect(image, 40, 40, 4, 4);
  ExpectBox(40, 40, 44, 44, kGreen);
}

TEST_F(GraphicsTest, ImageQuadCoversItsCorners) {
  auto image = Solid(4, 4, kRed);
  const platform::FPoint corners[4] = {{0, 0}, {10, 0}, {10, 6}, {0, 6}};
  platform::DrawImageQuad(image, 400, 100, corners);
  EXPECT_EQ(Pixel(401, 101), kRed);
  EXPECT_EQ(Pixel(408, 104), kRed);
  EXPECT_EQ(Pixel(412, 104), kBlack);
  EXPECT_EQ(Pixel(405, 108), kBlack);
}

TEST_F(GraphicsTest, ViewportClipsAndOriginShifts) {
  platform::SetViewport(10, 10, 5, 5);
  platform::SetColor(255, 0, 0);
  platform::DrawRect(0, 0, 100, 100);
  platform::SetViewport(0, 0, 800, 600);
  ExpectBox(10, 10, 15, 15, kRed);

  platform::Cls();
  platform::SetOrigin(3, 4);
  platform::DrawRect(10, 10, 2, 2);
  ExpectBox(13, 14, 15, 16, kRed);
}

TEST_F(GraphicsTest, LinesWithAndWithoutTheirLastPixel) {
  platform::SetColor(255, 255, 255);
  platform::DrawLine(10, 50, 14, 50, true);
  EXPECT_EQ(Pixel(14, 50), kWhite);
  platform::DrawLine(10, 60, 14, 60, false);
  EXPECT_EQ(Pixel(10, 60), kWhite);
  EXPECT_EQ(Pixel(13, 60), kWhite);
  EXPECT_EQ(Pixel(14, 60), kBlack);
}

TEST_F(GraphicsTest, OvalsPolygonsAndTurnedRectangles) {
  platform::SetColor(0, 255, 0);
  platform::DrawOval(100, 100, 40, 20);
  EXPECT_EQ(Pixel(120, 110), kGreen);
  EXPECT_EQ(Pixel(101, 110), kGreen);
  EXPECT_EQ(Pixel(101, 101), kBlack);  // the bounding box's corner is outside the oval
  EXPECT_EQ(Pixel(141, 110), kBlack);

  platform::DrawPoly({{200, 100}, {240, 100}, {240, 120}, {200, 120}});
  EXPECT_EQ(Pixel(220, 110), kGreen);
  EXPECT_EQ(Pixel(245, 110), kBlack);

  platform::SetHandle(10, 10);
  platform::SetRotation(45);
  platform::DrawRect(400, 400, 20, 20);  // a diamond about (400, 400)
  EXPECT_EQ(Pixel(400, 400), kGreen);
  EXPECT_EQ(Pixel(412, 400), kGreen);
  EXPECT_EQ(Pixel(409, 409), kBlack);
}

TEST_F(GraphicsTest, AnimStripIsCutIntoFramesRowByRow) {
  // Three 2 x 2 cells per row, two rows: cell i is coloured (i + 1) * 40 in red.
  std::vector<std::uint32_t> rgb(6 * 4);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 6; ++x) rgb[static_cast<std::size_t>(y * 6 + x)] = static_cast<std::uint32_t>(((y / 2) * 3 + x / 2 + 1) * 40) << 16;
  }
  const std::string path = TempPath("strip.png");
  ASSERT_TRUE(test_media::WriteRgbPng(path, 6, 4, rgb));
  auto strip = platform::LoadAnimImage(path, 2, 2, 1, 4, 0);
  ASSERT_NE(strip, nullptr);
  EXPECT_EQ(strip->Frames(), 4);
  EXPECT_EQ(strip->Width(), 2);
  for (int f = 0; f < 4; ++f) {
    EXPECT_EQ(strip->LockFrame(f)->ReadPixel(1, 1), 0xFF000000u | (static_cast<Argb>((f + 2) * 40) << 16)) << f;
  }
  EXPECT_EQ(strip->LockFrame(4), nullptr);
  EXPECT_EQ(platform::LoadAnimImage(path, 2, 2, 4, 3, 0), nullptr);  // more cells than the picture has
  platform::DrawImage(strip, 0, 0, 7);  // out of range frames draw nothing
  EXPECT_EQ(Pixel(0, 0), kBlack);
}

TEST_F(GraphicsTest, AutoMidHandleCentresNewImages) {
  platform::SetAutoMidHandle(true);
  auto image = platform::CreateImage(10, 6);
  EXPECT_EQ(image->HandleX(), 5.0f);
  EXPECT_EQ(image->HandleY(), 3.0f);
  platform::SetAutoMidHandle(false);
  EXPECT_EQ(platform::CreateImage(10, 6)->HandleX(), 0.0f);
  EXPECT_EQ(platform::GetDefaultImageFlags(), platform::IMAGE_MASKED | platform::IMAGE_FILTERED);
}

TEST_F(GraphicsTest, DefaultFontDrawsInItsCells) {
  platform::SetColor(255, 255, 255);
  platform::DrawText("H", 100, 100);
  auto cell = platform::GrabPixmap(100, 100, 8, 16);
  int lit = 0;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 8; ++x) lit += (cell->ReadPixel(x, y) & 0xFFFFFF) != 0 ? 1 : 0;
  }
  EXPECT_GT(lit, 10);
  EXPECT_EQ(Pixel(108, 105), kBlack);
  EXPECT_EQ(platform::TextWidth("h\xC3\xA9llo"), 40);  // five characters, one of them two bytes
  EXPECT_EQ(platform::TextHeight("x"), 16);
}

TEST_F(GraphicsTest, GrabbedImageAndPngRoundTrip) {
  platform::SetColor(0, 255, 0);
  platform::DrawRect(5, 5, 3, 3);
  auto image = platform::CreateImage(3, 3);
  platform::GrabImage(image, 5, 5);
  EXPECT_EQ(image->LockFrame(0)->ReadPixel(2, 2), kGreen);

  auto pixmap = platform::CreatePixmap(2, 1);
  pixmap->WritePixel(0, 0, 0x80112233u);
  pixmap->WritePixel(1, 0, kBlue);
  const std::string path = TempPath("shot.png");
  ASSERT_TRUE(platform::SavePixmapPNG(*pixmap, path, 9));
  auto back = platform::LoadPixmap(path);
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->ReadPixel(0, 0), 0x80112233u);
  EXPECT_EQ(back->ReadPixel(1, 0), kBlue);
  EXPECT_EQ(back->ReadPixel(5, 5), 0u);  // out of range reads give 0
  EXPECT_EQ(platform::LoadPixmap(TempPath("missing.png")), nullptr);
}

TEST_F(GraphicsTest, CollisionLayersReportTheTagsTheyOverlap) {
  // A 4 x 4 image with a transparent centre column.
  std::vector<Argb> ring(16, kRed);
  for (int y = 0; y < 4; ++y) ring[static_cast<std::size_t>(y * 4 + 2)] = 0;
  auto image = MakeImage(4, 4, ring);
  int a = 0, b = 0;
  platform::ResetCollisions(0);
  platform::CollideImage(image, 10, 10, 0, 0, 1, &a);
  platform::CollideRect(100, 100, 5, 5, 0, 2, &b);
  EXPECT_EQ(platform::CollideRect(12, 11, 1, 1, 1, 0, nullptr), std::vector<void*>{});  // the hole
  EXPECT_EQ(platform::CollideRect(11, 11, 1, 1, 1, 0, nullptr), std::vector<void*>{&a});
  EXPECT_EQ(platform::CollideRect(11, 11, 100, 100, 3, 0, nullptr), (std::vector<void*>{&a, &b}));
  platform::ResetCollisions(1);
  EXPECT_EQ(platform::CollideRect(11, 11, 100, 100, 3, 0, nullptr), std::vector<void*>{&b});
}

TEST_F(GraphicsTest, ModesAlwaysOfferTheLogicalScreen) {
  bool found = false;
  for (const auto& m : platform::GraphicsModes()) {
    found = found || (m.width == 800 && m.height == 600 && m.depth == 32);
  }
  EXPECT_TRUE(found);
  EXPECT_EQ(platform::GraphicsWidth(), 800);
}

}  // namespace

namespace {

// Flip leaves the target as it is only for a frame that would not change it.
TEST_F(GraphicsTest, FlipDrawsChangedFramesAndLeavesUnchangedOnesAsTheyAre) {
  auto image = Solid(4, 4, kGreen);
  auto frame = [&](float x) {
    platform::ResetDrawState();
    platform::Cls();
    platform::SetColor(255, 0, 0);
    platform::DrawRect(x, 10, 5, 5);
    platform::SetColor(255, 255, 255);
    platform::DrawImage(image, 40, 40);
  };
  platform::Flip(0);
  long drawn = platform::detail::FramesDrawn();
  long skipped = platform::detail::FramesSkipped();
  auto expect_flip = [&](bool draws) {
    platform::Flip(0);
    drawn += draws ? 1 : 0;
    skipped += draws ? 0 : 1;
    EXPECT_EQ(platform::detail::FramesDrawn(), drawn);
    EXPECT_EQ(platform::detail::FramesSkipped(), skipped);
  };

  frame(10);
  expect_flip(true);
  frame(10);
  expect_flip(false);
  ExpectBox(10, 10, 15, 15, kRed);
  EXPECT_EQ(Pixel(41, 41), kGreen);

  // A moved rectangle after an unchanged frame is drawn, and the next unchanged frame keeps it.
  frame(20);
  expect_flip(true);
  ExpectBox(20, 10, 25, 15, kRed);
  frame(20);
  expect_flip(false);
  ExpectBox(20, 10, 25, 15, kRed);

  // New pixels in an image: the same draws give a new picture.
  image->LockFrame(0)->Fill(kBlue);
  image->UnlockFrame(0);
  frame(20);
  expect_flip(true);
  EXPECT_EQ(Pixel(41, 41), kBlue);

  // A frame read back before its flip is finished at the flip.
  frame(20);
  EXPECT_EQ(Pixel(12, 12), kBlack);
  expect_flip(true);
  ExpectBox(20, 10, 25, 15, kRed);

  // A frame that does not clear the screen first builds on the one before: always drawn.
  for (Argb expected : {0xFF280000u, 0xFF500000u}) {
    platform::SetBlend(platform::BLEND_LIGHT);
    platform::SetColor(40, 0, 0);
    platform::DrawRect(60, 60, 2, 2);
    expect_flip(true);
    EXPECT_EQ(Pixel(60, 60), expected);
  }
  // Nothing drawn: nothing changes.
  expect_flip(false);
  EXPECT_EQ(Pixel(60, 60), 0xFF500000u);

  // An unblended picture over the whole screen covers it as a clear does.
  auto backdrop = Solid(800, 600, kBlue);
  for (bool draws : {true, false}) {
    platform::ResetDrawState();
    platform::DrawImage(backdrop, 0, 0);
    platform::SetColor(255, 0, 0);
    platform::DrawRect(5, 5, 2, 2);
    expect_flip(draws);
    EXPECT_EQ(Pixel(60, 60), kBlue);
    EXPECT_EQ(Pixel(5, 5), kRed);
  }
}

}  // namespace

namespace {

// Drawing a frame only where it differs from the frame on the target gives the picture that
// drawing all of it gives: moving, turned, scaled and blended draws, text, a draw whose count
// changes, over a dimmed screen, on a cleared screen or a backdrop picture.
TEST_F(GraphicsTest, AFrameDrawnOnlyWhereItChangedIsTheWholeFramesPicture) {
  std::vector<Argb> pixels;
  for (int i = 0; i < 64; ++i) pixels.push_back(0x80000000u | (static_cast<Argb>(i * 4) << 16) | 0x40FFu);
  auto page = platform::CreateImage(8, 8, 1, platform::IMAGE_FILTERED);
  std::copy(pixels.begin(), pixels.end(), page->LockFrame(0)->Pixels());
  page->UnlockFrame(0);
  auto sprite = MakeImage(3, 2, {kRed, kGreen, kBlue, kWhite, 0x80FF8000u, kGreen});
  auto backdrop = Solid(800, 600, 0xFF102030u);
  bool with_backdrop = false;
  auto frame = [&](int step) {
    platform::ResetDrawState();
    platform::SetClsColor(0, 0, 40);
    if (with_backdrop) {
      platform::DrawImage(backdrop, 0, 0);
    } else {
      platform::Cls();
    }
    platform::SetColor(200, 100, 0);
    platform::DrawRect(100, 100, 300, 200);
    platform::SetBlend(platform::BLEND_ALPHA);
    platform::SetColor(255, 255, 255);
    platform::DrawText("Words that stay", 120, 120);
    platform::SetScale(5.5f, 4.25f);
    platform::DrawImage(page, 210.5f, 150.25f);
    platform::SetScale(1.0f, 1.0f);
    platform::SetColor(0, 0, 0);
    platform::SetAlpha(0.5f);
    platform::DrawRect(0, 0, 800, 600);
    platform::SetAlpha(1.0f);
    platform::SetColor(255, 255, 255);
    platform::SetScale(4.0f, 4.0f);
    platform::SetRotation(static_cast<float>(step) * 17.0f);
    platform::DrawImage(sprite, 190.0f + static_cast<float>(step) * 9.5f, 140.0f + static_cast<float>(step));
    platform::SetRotation(0.0f);
    platform::SetScale(1.0f, 1.0f);
    platform::DrawText(step % 2 != 0 ? "|" : " ", 200, 300);
    platform::DrawLine(600, 500, 600 + static_cast<float>(step) * 5, 550);
    for (int i = 0; i < step % 3; ++i) platform::DrawRect(500.0f + static_cast<float>(i) * 10, 400, 4, 4);
    platform::DrawImage(sprite, 700, 40 + static_cast<float>(step));
  };
  const long partly = platform::detail::FramesPartlyDrawn();
  for (int step = 0; step < 12; ++step) {
    with_backdrop = step >= 6;
    frame(step);
    platform::Flip(0);
    const auto drawn = platform::GrabPixmap(0, 0, 800, 600);
    platform::detail::TextureChanging();  // the same frame again, drawn whole
    frame(step);
    platform::Flip(0);
    const auto whole = platform::GrabPixmap(0, 0, 800, 600);
    EXPECT_EQ(quill_test::DifferingPixels(*drawn, *whole), 0) << "step " << step;
  }
  // Every frame after the first of each kind (cleared screen, then a backdrop).
  EXPECT_EQ(platform::detail::FramesPartlyDrawn() - partly, 10);
}

}  // namespace

namespace {

// An 800 x 600 screen in the window's pixel format with a fixed pattern of noise.
SDL_Surface* NoiseScreen(unsigned seed) {
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, 800, 600, 32, SDL_PIXELFORMAT_RGB888);
  auto* p = static_cast<Uint32*>(s->pixels);
  for (int i = 0; i < 800 * 600; ++i) {
    seed = seed * 1664525u + 1013904223u;
    p[i] = (seed >> 8) & 0xFFFFFFu;
  }
  return s;
}

// The window picture SDL gives by stretching the whole screen linearly onto the letterbox.
SDL_Surface* WholeStretch(SDL_Surface* screen, int ww, int wh) {
  SDL_Surface* out = SDL_CreateRGBSurfaceWithFormat(0, ww, wh, 32, SDL_PIXELFORMAT_RGB888);
  SDL_Rect box = platform::detail::LetterboxRect(ww, wh, 800, 600);
  SDL_SoftStretchLinear(screen, nullptr, out, &box);
  return out;
}

// A window updated only where the screen changed, through the area each change reaches, holds the
// picture a stretch of the whole screen gives: for full screens larger and smaller than the
// screen, of other proportions, and for changes at the screen's edges and corners.
TEST(StretchedScreenTest, PartsStretchedWhereTheScreenChangedGiveTheWholeStretch) {
  const std::pair<int, int> windows[] = {{1280, 720}, {1024, 768}, {1920, 1080}, {1366, 768}, {640, 480}, {801, 601}};
  const SDL_Rect changes[] = {{0, 0, 1, 1}, {799, 599, 1, 1}, {0, 300, 3, 50}, {797, 0, 3, 600},
                              {100, 100, 1, 1}, {333, 222, 71, 96}, {0, 598, 800, 2}, {401, 17, 5, 200}};
  for (const auto& [ww, wh] : windows) {
    SDL_Surface* screen = NoiseScreen(7);
    SDL_Surface* window = WholeStretch(screen, ww, wh);
    const SDL_Rect box = platform::detail::LetterboxRect(ww, wh, 800, 600);
    const platform::detail::LinearAxis columns(800, box.w), rows(600, box.h);
    SDL_Surface* other = NoiseScreen(99);
    for (const SDL_Rect& change : changes) {
      SDL_Rect r = change;
      SDL_BlitSurface(other, &r, screen, &r);
      platform::detail::ScaleLinearArea(screen, window, box, columns, rows,
                                        platform::detail::WindowAreaOf(box, 800, 600, change));
      SDL_Surface* expected = WholeStretch(screen, ww, wh);
      int wrong = 0;
      for (int y = 0; y < wh; ++y) {
        const auto* a = reinterpret_cast<const Uint32*>(static_cast<Uint8*>(window->pixels) + y * window->pitch);
        const auto* b = reinterpret_cast<const Uint32*>(static_cast<Uint8*>(expected->pixels) + y * expected->pitch);
        for (int x = 0; x < ww; ++x) wrong += (a[x] & 0xFFFFFFu) != (b[x] & 0xFFFFFFu) ? 1 : 0;
      }
      EXPECT_EQ(wrong, 0) << ww << "x" << wh << " after a change at " << change.x << "," << change.y << " "
                          << change.w << "x" << change.h;
      SDL_FreeSurface(expected);
    }
    SDL_FreeSurface(other);
    SDL_FreeSurface(window);
    SDL_FreeSurface(screen);
  }
}

// A loop that draws and never flips keeps a bounded list of draws, and its flip still shows all it
// drew.
TEST_F(GraphicsTest, DrawsNeverFlippedKeepABoundedListAndAllReachTheScreen) {
  platform::SetColor(255, 0, 0);
  platform::DrawRect(0, 0, 2, 2);
  platform::SetColor(0, 0, 255);
  std::size_t most = 0;
  for (int i = 0; i < 200000; ++i) {
    platform::DrawRect(static_cast<float>(10 + i % 500), 10, 1, 1);
    most = std::max(most, platform::detail::FrameDrawsListed());
  }
  platform::SetColor(0, 255, 0);
  platform::DrawRect(700, 500, 2, 2);
  EXPECT_LE(most, std::size_t{1} << 16);
  platform::Flip(0);
  EXPECT_EQ(Pixel(1, 1), kRed);
  EXPECT_EQ(Pixel(300, 10), kBlue);
  EXPECT_EQ(Pixel(701, 501), kGreen);
  // The next frame, the same as one never listed whole, is drawn again rather than skipped.
  const long drawn = platform::detail::FramesDrawn();
  platform::Cls();
  platform::Flip(0);
  EXPECT_EQ(platform::detail::FramesDrawn(), drawn + 1);
  EXPECT_EQ(Pixel(1, 1), kBlack);
}

// Images kept by statics that outlive the drawing layer's own state free their textures safely
// when the program ends, with their draws still waiting.
platform::ImageRef kept_until_exit;

TEST(GraphicsExitTest, ImagesFreedAfterTheDrawingStateAtExitEndCleanly) {
  EXPECT_EXIT(
      {
        std::string error;
        if (!platform::GraphicsOpen(platform::GraphicsOptions{}, &error)) std::exit(3);
        kept_until_exit = platform::CreateImage(8, 8, 1, 0);
        kept_until_exit->LockFrame(0)->Fill(kWhite);
        kept_until_exit->UnlockFrame(0);
        for (int i = 0; i < 1000; ++i) platform::DrawImage(kept_until_exit, static_cast<float>(i % 700), 5);
        std::exit(0);
      },
      testing::ExitedWithCode(0), "");
}

}  // namespace

namespace {

// A 16 x 16 spark with a bright tail on its right, drawn turned and blended over a backdrop: the
// copy of its turned frame and the exact turn differ by little more than rounding at its edges,
// and put the tail in the same place, at every angle, scale and blend a particle is drawn with.
TEST_F(GraphicsTest, TurnedParticlesLookAsTheExactTurnDoes) {
  auto spark = platform::CreateImage(16, 16, 1, platform::IMAGE_FILTERED);
  auto pixels = spark->LockFrame(0);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const int d = (2 * x - 15) * (2 * x - 15) + (2 * y - 15) * (2 * y - 15);
      const Argb a = d < 256 ? static_cast<Argb>(255 - d) : 0u;
      const bool tail = x >= 11 && y >= 6 && y <= 9;
      pixels->WritePixel(x, y, tail ? 0xFFFFFF00u : (a << 24) | 0x40A0FFu);
    }
  }
  spark->UnlockFrame(0);
  spark->MidHandle();
  auto draw = [&](bool turned, float angle, float scale, int blend) {
    platform::detail::UseTurnedFrames(turned);
    platform::ResetDrawState();
    platform::SetClsColor(30, 60, 30);
    platform::Cls();
    platform::SetBlend(blend);
    platform::SetColor(255, 220, 200);
    platform::SetAlpha(0.8f);
    platform::SetScale(scale, scale);
    platform::SetRotation(angle);
    platform::DrawImage(spark, 100.3f, 100.6f);
    platform::Flip(0);
    platform::detail::UseTurnedFrames(true);
    return platform::GrabPixmap(60, 60, 80, 80);
  };
  // The brightness-weighted centre of the tail's yellow (red + green over blue).
  auto tail_centre = [](const platform::PixmapRef& p, double* cx, double* cy) {
    double sum = 0, sx = 0, sy = 0;
    for (int y = 0; y < p->Height(); ++y) {
      for (int x = 0; x < p->Width(); ++x) {
        const Argb c = p->ReadPixel(x, y);
        const double w = std::max(0.0, static_cast<double>((c >> 8) & 0xFF) - static_cast<double>(c & 0xFF) - 60.0);
        sum += w;
        sx += w * x;
        sy += w * y;
      }
    }
    *cx = sum > 0 ? sx / sum : -1;
    *cy = sum > 0 ? sy / sum : -1;
  };
  for (const int blend : {platform::BLEND_ALPHA, platform::BLEND_LIGHT}) {
    for (const float scale : {0.5f, 1.0f, 1.7f}) {
      for (float angle = 3.0f; angle < 360.0f; angle += 29.3f) {
        const auto exact = draw(false, angle, scale, blend);
        const auto copy = draw(true, angle, scale, blend);
        long difference = 0;
        int far_off = 0;
        for (int y = 0; y < 80; ++y) {
          for (int x = 0; x < 80; ++x) {
            const Argb a = exact->ReadPixel(x, y), b = copy->ReadPixel(x, y);
            for (int shift : {0, 8, 16}) {
              const int d = std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF));
              difference += d;
              far_off += d > 160 ? 1 : 0;
            }
          }
        }
        double ex = 0, ey = 0, cx = 0, cy = 0;
        tail_centre(exact, &ex, &ey);
        tail_centre(copy, &cx, &cy);
        const std::string at = "angle " + std::to_string(angle) + ", scale " + std::to_string(scale);
        // Over the sprite's (16 * scale)^2 pixels: on average some levels a channel, a few pixels
        // of its sharp tail's edge a pixel away, and the tail within about a pixel of the screen
        // and one of the frame (the copy lands on whole pixels, the exact turn between them, and
        // both pick the frame's pixels without filtering).
        const double near = 1.0 + 0.5 / std::min(scale, 1.0f);
        EXPECT_LT(static_cast<double>(difference) / (256.0 * scale * scale * 3.0), 32.0) << at;
        EXPECT_LT(far_off, static_cast<int>(16 * scale * scale) + 4) << at;
        EXPECT_NEAR(cx, ex, near) << at;
        EXPECT_NEAR(cy, ey, near) << at;
      }
    }
  }
}

// New pixels in a frame are what its turned copies show next.
TEST_F(GraphicsTest, ATurnedFrameFollowsItsImagesNewPixels) {
  auto spark = Solid(8, 8, kRed);
  spark->MidHandle();
  for (const Argb colour : {kRed, kBlue, kGreen}) {
    spark->LockFrame(0)->Fill(colour);
    spark->UnlockFrame(0);
    platform::ResetDrawState();
    platform::Cls();
    platform::SetBlend(platform::BLEND_ALPHA);
    platform::SetRotation(30);
    platform::DrawImage(spark, 50, 50);
    platform::Flip(0);
    EXPECT_EQ(Pixel(50, 50), colour);
  }
}

}  // namespace

namespace {

// Turned particles blended by our own loop leave the screen exactly as SDL's renderer does: every
// blend mode, coloured and faded, scaled, across the screen's edges, inside a viewport, and in
// frames drawn only where they changed.
TEST_F(GraphicsTest, ParticlesBlendedByOurLoopGiveSdlsPixels) {
  auto spark = platform::CreateImage(16, 16, 1, 0);
  auto pixels = spark->LockFrame(0);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const int d = (2 * x - 15) * (2 * x - 15) + (2 * y - 15) * (2 * y - 15);
      const Argb a = d < 256 ? static_cast<Argb>(255 - d) : 0u;
      pixels->WritePixel(x, y, (a << 24) | (static_cast<Argb>(x * 16) << 16) | (static_cast<Argb>(y * 16) << 8) | 0x80u);
    }
  }
  spark->UnlockFrame(0);
  spark->MidHandle();
  std::vector<Argb> stripes;
  for (int i = 0; i < 64 * 64; ++i) stripes.push_back(0xFF000000u | static_cast<Argb>(i * 2654435761u >> 8));
  auto backdrop = MakeImage(64, 64, stripes);
  auto frame = [&](int step) {
    platform::ResetDrawState();
    platform::Cls();
    for (int y = 0; y < 600; y += 64) {
      for (int x = 0; x < 800; x += 64) platform::DrawImage(backdrop, static_cast<float>(x), static_cast<float>(y));
    }
    const int blends[] = {platform::BLEND_ALPHA, platform::BLEND_LIGHT, platform::BLEND_SHADE};
    for (int i = 0; i < 300; ++i) {
      // One particle in twenty moves from frame to frame.
      const float moved = i % 20 == 0 ? static_cast<float>(step) * 3.0f : 0.0f;
      if (i == 150) platform::SetViewport(200, 150, 300, 200);
      platform::SetBlend(blends[i % 3]);
      platform::SetColor(i % 4 == 0 ? 255 : 90 + i % 160, 255 - i % 70, i % 5 == 0 ? 255 : 40 + i % 200);
      platform::SetAlpha(i % 3 == 0 ? 1.0f : static_cast<float>(i % 10) / 10.0f);
      const float scale = 0.4f + static_cast<float>(i % 9) * 0.25f;
      platform::SetScale(scale, scale);
      platform::SetRotation(static_cast<float>(i) * 13.7f + 1.0f);
      platform::DrawImage(spark, static_cast<float>((i * 97) % 840 - 20) + moved, static_cast<float>((i * 61) % 640 - 20));
    }
    platform::SetViewport(0, 0, 800, 600);
  };
  auto screen = [&](bool ours, int step) { return quill_test::ScreenBlendedBy(ours, [&] { frame(step); }); };
  platform::Flip(0);  // the set-up's clear, on its own
  const long partly = platform::detail::FramesPartlyDrawn();
  for (int step = 0; step < 3; ++step) {
    // Each way, a frame drawn whole (after a texture change) and then the next one in parts.
    platform::detail::TextureChanging();
    const auto by_sdl = screen(false, step);
    const auto by_sdl_next = screen(false, step + 1);
    platform::detail::TextureChanging();
    const auto ours = screen(true, step);
    const auto ours_next = screen(true, step + 1);
    EXPECT_EQ(quill_test::DifferingPixels(*ours, *by_sdl), 0) << "step " << step;
    EXPECT_EQ(quill_test::DifferingPixels(*ours_next, *by_sdl_next), 0) << "step " << step << ", drawn in parts";
  }
  EXPECT_EQ(platform::detail::FramesPartlyDrawn() - partly, 6);
}


// A stretched picture that overhangs the screen, drawn through the kept overhang picture, leaves
// the screen exactly as SDL's renderer does with a new picture for every draw: filtered or not,
// enlarged or shrunk, over every edge and corner, in every blend, coloured and faded, and cut by
// a viewport.
TEST_F(GraphicsTest, StretchedCopiesOverTheScreensEdgeGiveSdlsPixels) {
  std::vector<Argb> texels;
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 48; ++x) {
      const Argb a = static_cast<Argb>((x * 5 + y * 3) % 256);
      texels.push_back((a << 24) | (static_cast<Argb>(x * 5) << 16) | (static_cast<Argb>(y * 6) << 8) | 0x40u);
    }
  }
  auto sharp = MakeImage(48, 40, texels);
  platform::SetDefaultImageFlags(platform::IMAGE_FILTERED);
  auto smooth = MakeImage(48, 40, texels);
  platform::SetDefaultImageFlags(platform::IMAGE_MASKED | platform::IMAGE_FILTERED);
  const std::vector<Argb> stripes(64 * 64, 0xFF336699u);
  auto backdrop = MakeImage(64, 64, stripes);
  auto frame = [&] {
    platform::ResetDrawState();
    platform::Cls();
    for (int y = 0; y < 600; y += 64) {
      for (int x = 0; x < 800; x += 64) platform::DrawImage(backdrop, static_cast<float>(x), static_cast<float>(y));
    }
    const int blends[] = {platform::BLEND_ALPHA, platform::BLEND_LIGHT, platform::BLEND_SHADE, platform::BLEND_SOLID};
    const float places[][2] = {{-30, 200}, {770, 300}, {300, -25}, {400, 585}, {-20, -20}, {780, 580}, {-500, 100}};
    int i = 0;
    for (const auto& place : places) {
      for (const float scale : {1.5f, 2.25f, 0.7f, 12.0f}) {
        for (const int blend : blends) {
          if (i == 40) platform::SetViewport(10, 10, 760, 560);
          platform::SetBlend(blend);
          platform::SetColor(i % 3 == 0 ? 255 : 90 + i % 160, 255 - i % 70, 200);
          platform::SetAlpha(i % 4 == 0 ? 1.0f : static_cast<float>(i % 10) / 10.0f);
          platform::SetScale(scale, scale * (i % 2 == 0 ? 1.0f : 0.8f));
          platform::DrawImage(i % 2 == 0 ? smooth : sharp, place[0] + static_cast<float>(i % 3) * 0.4f, place[1]);
          ++i;
        }
      }
    }
    platform::SetViewport(0, 0, 800, 600);
  };
  auto screen = [&](bool ours) {
    return quill_test::ScreenBlendedBy(ours, [&] {
      platform::detail::TextureChanging();  // drawn whole
      frame();
    });
  };
  const auto by_sdl = screen(false);
  const auto ours = screen(true);
  EXPECT_EQ(quill_test::DifferingPixels(*ours, *by_sdl), 0);
  // Drawn again, the kept picture serves once more; the picture is the same.
  const auto again = screen(true);
  EXPECT_EQ(quill_test::DifferingPixels(*again, *by_sdl), 0);
}

}  // namespace

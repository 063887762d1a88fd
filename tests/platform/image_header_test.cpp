// Pictures whose header claims more than the game ever draws are refused from the header alone,
// before a pixel is allocated; the largest pictures of the data folder still load.

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/graphics.h"
#include "platform/image_codec.h"
#include "platform/system.h"
#include "tests/platform/test_media.h"

namespace {

std::vector<unsigned char> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct SizeCase {
  const char* label;
  bool jpeg;
  int w, h;
  bool loads;
};

class ImageSizeTest : public testing::TestWithParam<SizeCase> {};

TEST_P(ImageSizeTest, WholePicturesAreBoundedBySideAndPixelCount) {
  const SizeCase& c = GetParam();
  const std::string path = platform::UserDataFolder() + c.label + (c.jpeg ? ".jpg" : ".png");
  const std::vector<std::uint32_t> rgb(static_cast<std::size_t>(c.w) * c.h, 0x336699);
  ASSERT_TRUE(c.jpeg ? test_media::WriteJpeg(path, c.w, c.h, rgb) : test_media::WriteRgbPng(path, c.w, c.h, rgb));
  std::string error;
  const auto decoded = platform::detail::DecodeImage(ReadBytes(path), &error);
  if (c.loads) {
    ASSERT_NE(decoded.pixmap, nullptr) << error;
    EXPECT_EQ(decoded.pixmap->Width(), c.w);
    EXPECT_EQ(decoded.pixmap->Height(), c.h);
  } else {
    EXPECT_EQ(decoded.pixmap, nullptr);
    EXPECT_EQ(error, c.jpeg ? "bad JPEG: JPEG size out of range" : "PNG size out of range");
    EXPECT_EQ(platform::LoadImage(path, 0), nullptr);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, ImageSizeTest,
    testing::Values(SizeCase{"LargestDataPictureJpeg", true, 2140, 1075, true},
                    SizeCase{"LargestDataPicturePng", false, 2140, 1075, true},
                    SizeCase{"FullSidePng", false, 4096, 1024, true},
                    SizeCase{"SideOverPng", false, 4097, 8, false},
                    SizeCase{"SideOverJpeg", true, 8, 4097, false},
                    SizeCase{"PixelsOverPng", false, 2048, 2049, false},
                    SizeCase{"PixelsOverJpeg", true, 2049, 2048, false}),
    [](const testing::TestParamInfo<SizeCase>& info) { return std::string(info.param.label); });

// A header alone, claiming a huge picture with almost no data behind it: refused as too large,
// not found short of data after the pixels were allocated.
TEST(ImageHeaderTest, HugeClaimsAreRefusedFromTheHeader) {
  const std::string path = platform::UserDataFolder() + "small.jpg";
  ASSERT_TRUE(test_media::WriteJpeg(path, 16, 8, std::vector<std::uint32_t>(16 * 8, 0x808080)));
  const std::vector<unsigned char> small = ReadBytes(path);
  // The frame header (SOF0): height then width, each two bytes, five bytes after the marker.
  std::size_t sof = 0;
  for (std::size_t i = 2; i + 1 < small.size(); ++i)
    if (small[i] == 0xFF && small[i + 1] == 0xC0) {
      sof = i;
      break;
    }
  ASSERT_GT(sof, 0u);
  for (const unsigned side : {16000u, 65500u}) {
    std::vector<unsigned char> huge = small;
    for (const std::size_t at : {sof + 5, sof + 7}) {
      huge[at] = static_cast<unsigned char>(side >> 8);
      huge[at + 1] = static_cast<unsigned char>(side & 0xFF);
    }
    std::string error;
    EXPECT_EQ(platform::detail::DecodeImage(huge, &error).pixmap, nullptr) << side;
    EXPECT_EQ(error, "bad JPEG: JPEG size out of range") << side;
  }

  // A PNG of 68 bytes: the header chunk for 16000 x 16000, one row's worth of image data, the end.
  const std::vector<unsigned char> png = {
      0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44, 0x52, 0x00,
      0x00, 0x3E, 0x80, 0x00, 0x00, 0x3E, 0x80, 0x08, 0x06, 0x00, 0x00, 0x00, 0x41, 0x7E, 0xDF, 0xDE, 0x00,
      0x00, 0x00, 0x0B, 0x49, 0x44, 0x41, 0x54, 0x78, 0x9C, 0x63, 0x60, 0x80, 0x02, 0x00, 0x00, 0x09, 0x00,
      0x01, 0xFB, 0x52, 0xB8, 0xA9, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};
  std::string error;
  EXPECT_EQ(platform::detail::DecodeImage(png, &error).pixmap, nullptr);
  EXPECT_EQ(error, "PNG size out of range");
}

}  // namespace

#pragma once
// Private to the platform library: PNG and JPEG decoding into pixmaps, PNG encoding.

#include <string>
#include <vector>

#include "platform/graphics.h"

namespace platform::detail {

struct DecodedImage {
  PixmapRef pixmap;        // nullptr when the bytes could not be decoded
  bool has_alpha = false;  // the file carried alpha (an alpha channel or a transparent colour)
};

// Decodes PNG or JPEG bytes (told apart by their signature). `error` gets the reason on failure.
DecodedImage DecodeImage(const std::vector<unsigned char>& bytes, std::string* error);
bool EncodePng(const Pixmap& pixmap, int compression, std::vector<unsigned char>* out);

// The most bytes a picture file may hold (the bound ReadBoundedFile reads it within): the largest
// picture the decoder takes (4096 x 1024) held as uncompressed RGBA PNG takes about 17 MB, and the
// data folder's pictures are far smaller.
constexpr long long kImageFileMaxBytes = 64ll << 20;

}  // namespace platform::detail

#include <algorithm>

#include "platform/files.h"
#include "platform/graphics.h"
#include "platform/image_codec.h"

namespace platform {

Pixmap::Pixmap(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0) {}

Argb Pixmap::ReadPixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  return pixels_[static_cast<std::size_t>(y) * width_ + x];
}

void Pixmap::WritePixel(int x, int y, Argb argb) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[static_cast<std::size_t>(y) * width_ + x] = argb;
}

void Pixmap::Fill(Argb argb) { std::fill(pixels_.begin(), pixels_.end(), argb); }

PixmapRef Pixmap::Window(int x, int y, int w, int h) const {
  const int x0 = std::clamp(x, 0, width_), y0 = std::clamp(y, 0, height_);
  const int x1 = std::clamp(x + std::max(w, 0), 0, width_), y1 = std::clamp(y + std::max(h, 0), 0, height_);
  auto out = std::make_shared<Pixmap>(x1 - x0, y1 - y0);
  for (int row = y0; row < y1; ++row) {
    std::copy_n(pixels_.data() + static_cast<std::size_t>(row) * width_ + x0, x1 - x0,
                out->Pixels() + static_cast<std::size_t>(row - y0) * out->Width());
  }
  return out;
}

PixmapRef CreatePixmap(int width, int height) { return std::make_shared<Pixmap>(width, height); }

PixmapRef LoadPixmap(const std::string& path) {
  const BoundedRead file = ReadBoundedFile(path, detail::kImageFileMaxBytes);
  if (!file.Read()) return nullptr;
  std::string error;
  return detail::DecodeImage(file.bytes, &error).pixmap;
}

bool SavePixmapPNG(const Pixmap& pixmap, const std::string& path, int compression) {
  std::vector<unsigned char> bytes;
  if (!detail::EncodePng(pixmap, compression, &bytes)) return false;
  return WriteFileAtomic(path, bytes);
}

}  // namespace platform

#include <algorithm>
#include <array>
#include <cmath>

#include "platform/graphics.h"
#include "platform/image_internal.h"

namespace platform {

namespace {

// One shape written into a layer: a frame's pixels (opaque where alpha is not 0) or a solid
// rectangle, at a whole-pixel position.
struct Shape {
  int x = 0, y = 0, w = 0, h = 0;
  PixmapRef pixels;  // nullptr: a solid rectangle
  void* tag = nullptr;
  bool Solid(int px, int py) const {
    return pixels == nullptr || (pixels->ReadPixel(px - x, py - y) >> 24) != 0;
  }
};

constexpr int kLayers = 32;

std::array<std::vector<Shape>, kLayers>& Layers() {
  static std::array<std::vector<Shape>, kLayers> layers;
  return layers;
}

bool Overlaps(const Shape& a, const Shape& b) {
  const int x0 = std::max(a.x, b.x), y0 = std::max(a.y, b.y);
  const int x1 = std::min(a.x + a.w, b.x + b.w), y1 = std::min(a.y + a.h, b.y + b.h);
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      if (a.Solid(x, y) && b.Solid(x, y)) return true;
    }
  }
  return false;
}

std::vector<void*> Collide(const Shape& shape, unsigned test_mask, unsigned write_mask) {
  std::vector<void*> hits;
  for (int layer = 0; layer < kLayers; ++layer) {
    if ((test_mask & (1u << layer)) == 0) continue;
    for (const Shape& other : Layers()[static_cast<std::size_t>(layer)]) {
      if (std::find(hits.begin(), hits.end(), other.tag) != hits.end()) continue;
      if (Overlaps(shape, other)) hits.push_back(other.tag);
    }
  }
  for (int layer = 0; layer < kLayers; ++layer) {
    if ((write_mask & (1u << layer)) != 0) Layers()[static_cast<std::size_t>(layer)].push_back(shape);
  }
  return hits;
}

}  // namespace

void ResetCollisions(unsigned mask) {
  if (mask == 0) mask = 0xFFFFFFFFu;  // 0 clears every layer
  for (int layer = 0; layer < kLayers; ++layer) {
    if ((mask & (1u << layer)) != 0) Layers()[static_cast<std::size_t>(layer)].clear();
  }
}

std::vector<void*> CollideImage(const ImageRef& image, int x, int y, int frame, unsigned test_mask,
                                unsigned write_mask, void* tag) {
  auto* impl = detail::Impl(image);
  if (impl == nullptr || !impl->ValidFrame(frame)) return {};
  Shape shape;
  shape.x = static_cast<int>(std::floor(static_cast<float>(x) - impl->HandleX()));
  shape.y = static_cast<int>(std::floor(static_cast<float>(y) - impl->HandleY()));
  shape.w = impl->Width();
  shape.h = impl->Height();
  // A copy, so later writes to the frame do not move what the layer holds.
  shape.pixels = std::make_shared<Pixmap>(impl->FramePixels(frame));
  shape.tag = tag;
  return Collide(shape, test_mask, write_mask);
}

std::vector<void*> CollideRect(int x, int y, int w, int h, unsigned test_mask, unsigned write_mask,
                               void* tag) {
  if (w <= 0 || h <= 0) return {};
  Shape shape;
  shape.x = x;
  shape.y = y;
  shape.w = w;
  shape.h = h;
  shape.tag = tag;
  return Collide(shape, test_mask, write_mask);
}

}  // namespace platform

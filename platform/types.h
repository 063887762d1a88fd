#pragma once
// Small value types shared by every part of the platform layer. Nothing here knows SDL or OpenAL.

#include <cstdint>

namespace platform {

// An 8-bit-per-channel colour; the drawing colour ignores `a` (alpha is a separate state).
struct Rgb {
  int r = 255, g = 255, b = 255;
};

// A rectangle in logical screen pixels (or pixmap pixels), x/y at the top-left corner.
struct IRect {
  int x = 0, y = 0, w = 0, h = 0;
};

struct FPoint {
  float x = 0, y = 0;
};

// A packed pixel 0xAARRGGBB, as pixmaps read and write it whatever the stored format.
using Argb = std::uint32_t;

// Blend modes, numbered as the game's drawing code uses them.
enum Blend : int {
  BLEND_MASK = 1,   // drawn like alpha (images are masked to alpha 0 or 255)
  BLEND_SOLID = 2,  // no blending: the colour modulates, alpha is ignored
  BLEND_ALPHA = 3,  // source-alpha mixing
  BLEND_LIGHT = 4,  // additive
  BLEND_SHADE = 5,  // multiplicative
};

// Image load flags.
enum ImageFlags : int {
  IMAGE_MASKED = 1,     // pixels of the mask colour become transparent (only for images without alpha)
  IMAGE_FILTERED = 2,   // linear filtering when scaled
  IMAGE_MIPMAPPED = 4,  // treated as filtered
  IMAGE_DEFAULT_FLAGS = -1,  // use the current default flags (see SetDefaultImageFlags)
};

}  // namespace platform

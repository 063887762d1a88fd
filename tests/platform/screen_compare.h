#pragma once
// How many pixels two pictures of the same size differ in (every pixel of the larger counts where
// the sizes differ), for tests that draw one screen two ways.

#include <algorithm>

#include "platform/graphics.h"

namespace quill_test {

inline int DifferingPixels(const platform::Pixmap& a, const platform::Pixmap& b) {
  int wrong = 0;
  const int w = std::max(a.Width(), b.Width()), h = std::max(a.Height(), b.Height());
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) wrong += a.ReadPixel(x, y) != b.ReadPixel(x, y) ? 1 : 0;
  }
  return wrong;
}

}  // namespace quill_test

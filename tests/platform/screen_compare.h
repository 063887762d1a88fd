#pragma once
// For tests that draw one screen two ways: the screen drawn either way, and how many pixels two
// pictures differ in (every pixel of the larger counts where the sizes differ).

#include <algorithm>

#include "platform/graphics.h"
#include "platform/graphics_internal.h"

namespace quill_test {

inline int DifferingPixels(const platform::Pixmap& a, const platform::Pixmap& b) {
  int wrong = 0;
  const int w = std::max(a.Width(), b.Width()), h = std::max(a.Height(), b.Height());
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) wrong += a.ReadPixel(x, y) != b.ReadPixel(x, y) ? 1 : 0;
  }
  return wrong;
}

// The whole screen after `draw` is drawn and shown, with the copies our own loop can blend blended
// by it (`ours`) or all left to SDL.
template <typename Draw>
platform::PixmapRef ScreenBlendedBy(bool ours, Draw draw) {
  platform::detail::BlendCopiesOurselves(ours);
  draw();
  platform::Flip(0);
  platform::detail::BlendCopiesOurselves(true);
  return platform::GrabPixmap(0, 0, 800, 600);
}

}  // namespace quill_test

// Showing the logical screen in a window drawn by the processor: the parts of the window a frame
// changed, scaled with exactly the arithmetic of SDL's linear stretch of the whole screen (so a
// window updated in parts holds the picture a whole stretch gives).

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "platform/graphics_internal.h"

namespace platform::detail {

namespace {

// SDL's linear stretch works in 16.16 fixed point with 7-bit weights; these follow it.
constexpr int kFracBits = 7;
constexpr int kFracOne = 1 << kFracBits;

}  // namespace

LinearAxis::LinearAxis(int src, int dst) : src_n(src), dst_n(dst) {
  first.resize(static_cast<std::size_t>(std::max(dst, 0)));
  second.resize(first.size());
  weight.resize(first.size());
  if (src <= 0 || dst <= 0) return;
  // The source step and the first pixel centre as SDL computes them (rounded to match pixman),
  // less half a pixel to come back to the pixel origin.
  const int step = static_cast<int>((static_cast<std::uint32_t>(src) << 16) / static_cast<std::uint32_t>(dst));
  const std::int64_t half = std::int64_t{step} * (0x8000 & 0xFFFF);
  const int x0 = static_cast<int>((half + 0x8000) >> 16) - 0x8000;
  int left = 0, right = 0;
  for (int i = 0, sum = x0; i < dst; ++i, sum += step) {
    if (sum < 0) {
      ++left;
    } else if (static_cast<int>(static_cast<std::uint32_t>(sum) >> 16) > src - 2) {
      ++right;
    }
  }
  for (int i = 0, sum = x0; i < dst; ++i, sum += step) {
    const auto k = static_cast<std::size_t>(i);
    if (i < left) {
      first[k] = 0;
      weight[k] = 0;
    } else if (i > dst - 1 - right) {
      // Past the last pair of source pixels: all of the last one (columns and rows differ in how
      // SDL writes it, not in the value).
      first[k] = std::max(src - 2, 0);
      weight[k] = src >= 2 ? kFracOne : 0;
    } else {
      first[k] = static_cast<int>(static_cast<std::uint32_t>(sum) >> 16);
      weight[k] = static_cast<int>((static_cast<std::uint32_t>(sum) >> (16 - kFracBits)) & (kFracOne - 1));
    }
    second[k] = std::min(first[k] + 1, src - 1);
  }
}

void ScaleLinearArea(const SDL_Surface* src, SDL_Surface* dst, const SDL_Rect& box, const LinearAxis& columns,
                     const LinearAxis& rows, const SDL_Rect& area) {
  SDL_Rect part;
  if (SDL_IntersectRect(&box, &area, &part) == SDL_FALSE) return;
  SDL_Rect whole{0, 0, dst->w, dst->h};
  if (SDL_IntersectRect(&whole, &part, &part) == SDL_FALSE) return;
  const auto* pixels = static_cast<const std::uint8_t*>(src->pixels);
  for (int y = part.y; y < part.y + part.h; ++y) {
    const auto j = static_cast<std::size_t>(y - box.y);
    const int fh = rows.weight[j];
    const int gh = kFracOne - fh;
    const std::uint8_t* row0 = pixels + static_cast<std::ptrdiff_t>(rows.first[j]) * src->pitch;
    // A padded row (above the first centre or below the last) reads one source row only.
    const std::uint8_t* row1 = fh == 0 ? row0 : pixels + static_cast<std::ptrdiff_t>(rows.second[j]) * src->pitch;
    auto* out = static_cast<std::uint8_t*>(dst->pixels) + static_cast<std::ptrdiff_t>(y) * dst->pitch + part.x * 4;
    for (int x = part.x; x < part.x + part.w; ++x, out += 4) {
      const auto i = static_cast<std::size_t>(x - box.x);
      const int fw = columns.weight[i];
      const int gw = kFracOne - fw;
      const std::uint8_t* a = row0 + columns.first[i] * 4;
      const std::uint8_t* b = row1 + columns.first[i] * 4;
      const std::uint8_t* c = row0 + columns.second[i] * 4;
      const std::uint8_t* d = row1 + columns.second[i] * 4;
      for (int ch = 0; ch < 4; ++ch) {
        // Rows first at full precision, then columns, one shift at the end (SDL's SSE2 path).
        const int left = a[ch] * gh + b[ch] * fh;
        const int right = c[ch] * gh + d[ch] * fh;
        out[ch] = static_cast<std::uint8_t>((left * gw + right * fw) >> (2 * kFracBits));
      }
    }
  }
}

SDL_Rect WindowAreaOf(const SDL_Rect& box, int logical_w, int logical_h, const SDL_Rect& area) {
  // A window pixel mixes the two source pixels about its centre: a margin of a source pixel on
  // each side, and one window pixel more for rounding, holds every window pixel the area reaches.
  const double sx = static_cast<double>(box.w) / logical_w, sy = static_cast<double>(box.h) / logical_h;
  const int x0 = box.x + static_cast<int>(std::floor((area.x - 1) * sx)) - 1;
  const int y0 = box.y + static_cast<int>(std::floor((area.y - 1) * sy)) - 1;
  const int x1 = box.x + static_cast<int>(std::ceil((area.x + area.w + 1) * sx)) + 1;
  const int y1 = box.y + static_cast<int>(std::ceil((area.y + area.h + 1) * sy)) + 1;
  SDL_Rect out{x0, y0, x1 - x0, y1 - y0};
  SDL_Rect clipped;
  if (SDL_IntersectRect(&box, &out, &clipped) == SDL_FALSE) return SDL_Rect{0, 0, 0, 0};
  return clipped;
}

}  // namespace platform::detail

// Blended copies of pictures whose pixels the processor holds, drawn onto a screen the processor
// draws (headless, or a window without a graphics card) by our own loop instead of SDL's.
//
// SDL's software renderer blends a copy with its fast vector blender only when the copy is unscaled
// and neither coloured nor faded; any colour or alpha modulation, any scaling, and the additive and
// modulating modes send it to its generic blitter, which works pixel by pixel with divisions by 255.
// Particles are nearly all such copies. The loop here takes exactly that generic blitter's steps
// (its integer formulas, its nearest-pixel scaling, its clipping), four pixels at a time, so the
// screen holds the very same pixels. Copies that SDL sends elsewhere are left to SDL.

#include <algorithm>
#include <cmath>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "platform/graphics_internal.h"

namespace platform::detail {

namespace {

// What a row of the copy does to each pixel, with the target's format.
struct Mix {
  std::uint32_t mod_r = 255, mod_g = 255, mod_b = 255, mod_a = 255;
  bool modulate = false;  // colour or alpha modulation (a modulation of 255 changes nothing)
  SDL_BlendMode blend = SDL_BLENDMODE_BLEND;
  bool keeps_alpha = true;  // ARGB8888 target; an XRGB8888 target gets 0 in its unused byte
};

// floor(x / 255) for 0 <= x <= 255 * 255, the generic blitter's division.
inline std::uint32_t Div255(std::uint32_t x) { return x / 255; }

// One pixel, as the generic blitter mixes it.
inline std::uint32_t MixPixel(std::uint32_t src, std::uint32_t dst, const Mix& m) {
  std::uint32_t sr = (src >> 16) & 0xFF, sg = (src >> 8) & 0xFF, sb = src & 0xFF, sa = src >> 24;
  std::uint32_t dr = (dst >> 16) & 0xFF, dg = (dst >> 8) & 0xFF, db = dst & 0xFF, da = dst >> 24;
  if (m.modulate) {
    sr = Div255(sr * m.mod_r);
    sg = Div255(sg * m.mod_g);
    sb = Div255(sb * m.mod_b);
    sa = Div255(sa * m.mod_a);
  }
  switch (m.blend) {
    case SDL_BLENDMODE_BLEND:
      // The colour is weighted by its alpha first (a whole alpha leaves it as it is).
      sr = Div255(sr * sa);
      sg = Div255(sg * sa);
      sb = Div255(sb * sa);
      dr = sr + Div255((255 - sa) * dr);
      dg = sg + Div255((255 - sa) * dg);
      db = sb + Div255((255 - sa) * db);
      da = sa + Div255((255 - sa) * da);
      break;
    case SDL_BLENDMODE_ADD:
      dr = std::min<std::uint32_t>(Div255(sr * sa) + dr, 255);
      dg = std::min<std::uint32_t>(Div255(sg * sa) + dg, 255);
      db = std::min<std::uint32_t>(Div255(sb * sa) + db, 255);
      break;
    default:  // SDL_BLENDMODE_MOD: the colour alone, its alpha unused
      dr = Div255(sr * dr);
      dg = Div255(sg * dg);
      db = Div255(sb * db);
      break;
  }
  return (m.keeps_alpha ? da << 24 : 0u) | (dr << 16) | (dg << 8) | db;
}

#if defined(__SSE2__)

// Per 16-bit lane: floor(x / 255), as (x * 0x8081) >> 23 (exact for every 16-bit x).
inline __m128i Div255x8(__m128i x) {
  return _mm_srli_epi16(_mm_mulhi_epu16(x, _mm_set1_epi16(static_cast<short>(0x8081))), 7);
}

// Two pixels (lanes B, G, R, A each) of source and target mixed as MixPixel does.
struct MixLanes {
  __m128i mod;         // the modulation per lane
  __m128i colour;      // 0xFFFF in colour lanes, 0 in alpha lanes
  __m128i alpha_full;  // 255 in alpha lanes
  bool modulate;
  SDL_BlendMode blend;

  explicit MixLanes(const Mix& m)
      : mod(_mm_set_epi16(static_cast<short>(m.mod_a), static_cast<short>(m.mod_r), static_cast<short>(m.mod_g),
                          static_cast<short>(m.mod_b), static_cast<short>(m.mod_a), static_cast<short>(m.mod_r),
                          static_cast<short>(m.mod_g), static_cast<short>(m.mod_b))),
        colour(_mm_set_epi16(0, -1, -1, -1, 0, -1, -1, -1)),
        alpha_full(_mm_set_epi16(255, 0, 0, 0, 255, 0, 0, 0)),
        modulate(m.modulate),
        blend(m.blend) {}

  // The source after modulation and, where the mode asks, weighted by its alpha.
  __m128i Source(__m128i s) const {
    if (modulate) s = Div255x8(_mm_mullo_epi16(s, mod));
    if (blend == SDL_BLENDMODE_MOD) return s;
    const __m128i alpha = _mm_shufflehi_epi16(_mm_shufflelo_epi16(s, 0xFF), 0xFF);
    return Div255x8(_mm_mullo_epi16(s, _mm_or_si128(_mm_and_si128(alpha, colour), alpha_full)));
  }

  // Blend and modulate modes: the mixed lanes (the alpha lane as the blend mode gives it).
  __m128i Mixed(__m128i s, __m128i d) const {
    if (blend == SDL_BLENDMODE_BLEND) {
      const __m128i alpha = _mm_shufflehi_epi16(_mm_shufflelo_epi16(s, 0xFF), 0xFF);
      return _mm_add_epi16(s, Div255x8(_mm_mullo_epi16(_mm_sub_epi16(_mm_set1_epi16(255), alpha), d)));
    }
    return Div255x8(_mm_mullo_epi16(s, d));
  }
};

#endif

// Mixes n source pixels onto n target pixels.
void MixRow(const std::uint32_t* src, std::uint32_t* dst, int n, const Mix& m) {
  int i = 0;
#if defined(__SSE2__)
  const MixLanes lanes(m);
  const __m128i zero = _mm_setzero_si128();
  const __m128i colour_bytes = _mm_set1_epi32(0x00FFFFFF);
  const __m128i alpha_bytes = _mm_set1_epi32(static_cast<int>(0xFF000000u));
  // Clear source pixels leave blended and added target pixels as they are (but for the unused
  // byte of an XRGB8888 target, which SDL writes as 0).
  const bool clear_leaves = m.blend != SDL_BLENDMODE_MOD;
  for (; i + 4 <= n; i += 4) {
    const __m128i s8 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
    const __m128i d8 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + i));
    if (clear_leaves) {
      const __m128i kept = m.keeps_alpha ? s8 : _mm_or_si128(s8, d8);
      if (_mm_movemask_epi8(_mm_cmpeq_epi32(_mm_and_si128(kept, alpha_bytes), zero)) == 0xFFFF) continue;
    }
    const __m128i s_lo = lanes.Source(_mm_unpacklo_epi8(s8, zero));
    const __m128i s_hi = lanes.Source(_mm_unpackhi_epi8(s8, zero));
    __m128i out;
    if (m.blend == SDL_BLENDMODE_ADD) {
      // Added with saturation; the target's alpha stays.
      out = _mm_adds_epu8(d8, _mm_and_si128(_mm_packus_epi16(s_lo, s_hi), colour_bytes));
    } else {
      const __m128i lo = lanes.Mixed(s_lo, _mm_unpacklo_epi8(d8, zero));
      const __m128i hi = lanes.Mixed(s_hi, _mm_unpackhi_epi8(d8, zero));
      out = _mm_packus_epi16(lo, hi);
      // Modulating leaves the target's alpha as it was.
      if (m.blend == SDL_BLENDMODE_MOD) out = _mm_or_si128(_mm_and_si128(out, colour_bytes), _mm_and_si128(d8, alpha_bytes));
    }
    if (!m.keeps_alpha) out = _mm_and_si128(out, colour_bytes);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), out);
  }
#endif
  for (; i < n; ++i) dst[i] = MixPixel(src[i], dst[i], m);
}

// Draws the target rectangle `out` (inside the target) as part of a copy of the source rectangle
// `from` (in texel coordinates) stretched onto the target rectangle `onto`, which holds `out`. A
// stretch takes, for each target pixel, the source pixel found by 16.16 steps of from / onto
// pixels starting half a step in (the nearest-pixel stretch of SDL's blitters).
void MixArea(SDL_Surface* target, const Texels& texels, const SDL_Rect& from, const SDL_Rect& onto,
             const SDL_Rect& out, const Mix& m) {
  const bool scaled = from.w != onto.w || from.h != onto.h;
  const auto step_x = static_cast<std::uint32_t>((from.w << 16) / onto.w);
  const auto step_y = static_cast<std::uint32_t>((from.h << 16) / onto.h);
  const int skip_x = out.x - onto.x, skip_y = out.y - onto.y;
  std::uint32_t pos_y = step_y / 2 + static_cast<std::uint32_t>(skip_y) * step_y;
  constexpr int kChunk = 64;
  std::uint32_t chunk[kChunk];
  for (int y = out.y; y < out.y + out.h; ++y, pos_y += step_y) {
    const int sy = scaled ? static_cast<int>(pos_y >> 16) : y - onto.y;
    const std::uint32_t* line = texels.pixels + static_cast<std::ptrdiff_t>(from.y - texels.area.y + sy) * texels.pitch +
                                (from.x - texels.area.x);
    auto* dst = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(target->pixels) +
                                                 static_cast<std::ptrdiff_t>(y) * target->pitch) + out.x;
    if (!scaled) {
      MixRow(line + skip_x, dst, out.w, m);
      continue;
    }
    // The row's source pixels gathered a chunk at a time.
    std::uint32_t pos_x = step_x / 2 + static_cast<std::uint32_t>(skip_x) * step_x;
    for (int done = 0; done < out.w; done += kChunk) {
      const int n = std::min(kChunk, out.w - done);
      for (int i = 0; i < n; ++i, pos_x += step_x) chunk[i] = line[pos_x >> 16];
      MixRow(chunk, dst + done, n, m);
    }
  }
}

// The part of `r` inside `clip` (empty when none).
SDL_Rect Cut(const SDL_Rect& r, const SDL_Rect& clip) {
  SDL_Rect cut;
  if (SDL_IntersectRect(&r, &clip, &cut) == SDL_FALSE) return SDL_Rect{0, 0, 0, 0};
  return cut;
}

}  // namespace

bool BlendCopy(SDL_Surface* target, const Texels& texels, const SDL_Rect& src, const SDL_FRect& dst,
               const SDL_Rect* clip, const CopyStyle& style) {
  const Uint32 format = target->format->format;
  if (format != SDL_PIXELFORMAT_ARGB8888 && format != SDL_PIXELFORMAT_XRGB8888) return false;
  if (style.blend != SDL_BLENDMODE_BLEND && style.blend != SDL_BLENDMODE_ADD && style.blend != SDL_BLENDMODE_MOD) {
    return false;
  }
  SDL_Rect inside;
  if (src.w <= 0 || src.h <= 0 || SDL_IntersectRect(&src, &texels.area, &inside) == SDL_FALSE ||
      inside.w != src.w || inside.h != src.h) {
    return false;
  }
  Mix m;
  m.mod_r = style.r;
  m.mod_g = style.g;
  m.mod_b = style.b;
  m.mod_a = style.a;
  m.modulate = (style.r & style.g & style.b & style.a) != 255;
  m.blend = style.blend;
  m.keeps_alpha = format == SDL_PIXELFORMAT_ARGB8888;
  // Unscaled, unmodulated alpha blending is SDL's fast blender's, with its own rounding.
  const bool fast_blender = style.blend == SDL_BLENDMODE_BLEND && !m.modulate;

  // The renderer drops a copy that misses the target, then cuts its position and size to whole
  // pixels toward zero.
  const SDL_Rect whole{0, 0, target->w, target->h};
  const SDL_FRect whole_f{0.0f, 0.0f, static_cast<float>(target->w), static_cast<float>(target->h)};
  if (SDL_HasIntersectionF(&dst, &whole_f) == SDL_FALSE) return true;
  const SDL_Rect onto{static_cast<int>(dst.x), static_cast<int>(dst.y), static_cast<int>(dst.w), static_cast<int>(dst.h)};
  const SDL_Rect limit = clip != nullptr ? Cut(*clip, whole) : whole;
  if (limit.w <= 0 || limit.h <= 0) return true;

  if (onto.w == src.w && onto.h == src.h) {
    if (fast_blender) return false;
    const SDL_Rect out = Cut(onto, limit);
    if (out.w > 0 && out.h > 0) MixArea(target, texels, src, onto, out, m);
    return true;
  }
  // Scaled copies: only nearest-pixel ones.
  if (!style.nearest) return false;
  if (onto.w <= 0 || onto.h <= 0) return true;
  if (onto.x < 0 || onto.y < 0 || onto.x + onto.w > target->w || onto.y + onto.h > target->h) {
    // Across the target's edge the renderer stretches the whole copy apart, then blends that
    // unscaled: the whole stretch, cut to the clip. Its blend is the fast blender's where that
    // applies.
    if (fast_blender) return false;
    const SDL_Rect out = Cut(onto, limit);
    if (out.w > 0 && out.h > 0) MixArea(target, texels, src, onto, out, m);
    return true;
  }
  // Inside the target, a clip that cuts the copy moves its source edges by the scale, in doubles,
  // then rounds both rectangles: the stretch is then of the rounded parts.
  const double scale_w = static_cast<double>(onto.w) / src.w, scale_h = static_cast<double>(onto.h) / src.h;
  double sx0 = src.x, sy0 = src.y, sx1 = sx0 + src.w, sy1 = sy0 + src.h;
  double dx0 = onto.x - limit.x, dy0 = onto.y - limit.y;
  double dx1 = dx0 + onto.w, dy1 = dy0 + onto.h;
  if (dx0 < 0) {
    sx0 -= dx0 / scale_w;
    dx0 = 0;
  }
  if (dx1 > limit.w) {
    sx1 -= (dx1 - limit.w) / scale_w;
    dx1 = limit.w;
  }
  if (dy0 < 0) {
    sy0 -= dy0 / scale_h;
    dy0 = 0;
  }
  if (dy1 > limit.h) {
    sy1 -= (dy1 - limit.h) / scale_h;
    dy1 = limit.h;
  }
  dx0 += limit.x;
  dx1 += limit.x;
  dy0 += limit.y;
  dy1 += limit.y;
  SDL_Rect from{static_cast<int>(std::round(sx0)), static_cast<int>(std::round(sy0)),
                static_cast<int>(std::round(sx1 - sx0)), static_cast<int>(std::round(sy1 - sy0))};
  SDL_Rect to{static_cast<int>(std::round(dx0)), static_cast<int>(std::round(dy0)),
              static_cast<int>(std::round(dx1 - dx0)), static_cast<int>(std::round(dy1 - dy0))};
  // Both cut again, to the texture and to the clip.
  from = Cut(from, SDL_Rect{0, 0, texels.texture_w, texels.texture_h});
  to = Cut(to, limit);
  if (to.w == 0 || to.h == 0 || from.w <= 0 || from.h <= 0) return true;
  // The rounded source must still be among the pixels held.
  if (SDL_IntersectRect(&from, &texels.area, &inside) == SDL_FALSE || inside.w != from.w || inside.h != from.h) {
    return false;
  }
  MixArea(target, texels, from, to, to, m);
  return true;
}

}  // namespace platform::detail

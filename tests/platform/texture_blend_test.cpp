// Copies blended by our own loop give, pixel for pixel, what SDL's software renderer gives for the
// same copy: drawn both ways onto the same background and compared whole.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/graphics_internal.h"

namespace {

constexpr int kScreenW = 64, kScreenH = 48;
constexpr int kTextureW = 20, kTextureH = 14;

std::uint32_t Hash(std::uint32_t x) {
  x ^= x >> 16;
  x *= 0x7FEB352Du;
  x ^= x >> 15;
  x *= 0x846CA68Bu;
  x ^= x >> 16;
  return x;
}

// Partly transparent texels: clear, opaque and every kind of alpha between, in varied colours, and
// a clear corner (its colours still varied).
std::vector<std::uint32_t> TexturePixels() {
  std::vector<std::uint32_t> pixels(kTextureW * kTextureH);
  const std::uint32_t alphas[] = {0, 255, 1, 128, 254, 37, 200, 255, 90};
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    const bool corner = i % kTextureW < 9 && i / kTextureW < 5;
    pixels[i] = (corner ? 0u : alphas[i % 9] << 24) | (Hash(static_cast<std::uint32_t>(i) + 7u) & 0xFFFFFFu);
  }
  return pixels;
}

// A target of the given format holding a background of varied colours (and alphas).
SDL_Surface* Background(Uint32 format) {
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, kScreenW, kScreenH, 32, format);
  auto* p = static_cast<std::uint32_t*>(s->pixels);
  for (int i = 0; i < kScreenW * kScreenH; ++i) p[i] = Hash(static_cast<std::uint32_t>(i) * 31u + 5u);
  return s;
}

struct Copy {
  const char* what;
  SDL_Rect src;
  SDL_FRect dst;
  bool clipped;
  SDL_Rect clip;
  Uint8 r, g, b, a;
  SDL_BlendMode blend;
  bool ours;  // drawn by our loop (else left to SDL's fast blender)
};

// Draws `c` through SDL's software renderer onto `target`.
void DrawBySdl(SDL_Surface* target, const std::vector<std::uint32_t>& texels, const Copy& c) {
  SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(target);
  SDL_Texture* texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, kTextureW, kTextureH);
  SDL_UpdateTexture(texture, nullptr, texels.data(), kTextureW * 4);
  SDL_SetTextureScaleMode(texture, SDL_ScaleModeNearest);
  SDL_SetTextureColorMod(texture, c.r, c.g, c.b);
  SDL_SetTextureAlphaMod(texture, c.a);
  SDL_SetTextureBlendMode(texture, c.blend);
  SDL_RenderSetClipRect(renderer, c.clipped ? &c.clip : nullptr);
  SDL_RenderCopyF(renderer, texture, &c.src, &c.dst);
  SDL_RenderFlush(renderer);
  SDL_DestroyTexture(texture);
  SDL_DestroyRenderer(renderer);
}

// Draws `c` through SDL's renderer, and through BlendCopy (given the part `held` of the texture's
// pixels; SDL draws what it leaves, as the drawing layer does), onto the same background in
// `format`: the number of pixels that differ. `taken`: whether BlendCopy drew it; `changed`, when
// given: the number of pixels the copy changed.
int DifferingPixels(Uint32 format, const Copy& c, const SDL_Rect& held, bool* taken, int* changed = nullptr) {
  const std::vector<std::uint32_t> texels = TexturePixels();
  SDL_Surface* by_sdl = Background(format);
  SDL_Surface* by_us = Background(format);
  DrawBySdl(by_sdl, texels, c);

  platform::detail::Texels held_texels;
  held_texels.pixels = texels.data() + held.y * kTextureW + held.x;
  held_texels.pitch = kTextureW;
  held_texels.area = held;
  held_texels.texture_w = kTextureW;
  held_texels.texture_h = kTextureH;
  platform::detail::CopyStyle style;
  style.r = c.r;
  style.g = c.g;
  style.b = c.b;
  style.a = c.a;
  style.blend = c.blend;
  *taken = platform::detail::BlendCopy(by_us, held_texels, c.src, c.dst, c.clipped ? &c.clip : nullptr, style);
  if (!*taken) DrawBySdl(by_us, texels, c);

  SDL_Surface* before = Background(format);
  int differing = 0;
  if (changed != nullptr) *changed = 0;
  for (int y = 0; y < kScreenH; ++y) {
    const auto* o = reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(before->pixels) + y * before->pitch);
    const auto* a = reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(by_sdl->pixels) + y * by_sdl->pitch);
    const auto* b = reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(by_us->pixels) + y * by_us->pitch);
    for (int x = 0; x < kScreenW; ++x) {
      differing += a[x] != b[x] ? 1 : 0;
      if (changed != nullptr) *changed += a[x] != o[x] ? 1 : 0;
    }
  }
  SDL_FreeSurface(before);
  SDL_FreeSurface(by_sdl);
  SDL_FreeSurface(by_us);
  return differing;
}

const SDL_Rect kWhole{0, 0, kTextureW, kTextureH};
const SDL_Rect kPart{3, 2, 11, 9};
const SDL_Rect kNoClip{0, 0, 0, 0};
constexpr SDL_BlendMode kBlend = SDL_BLENDMODE_BLEND, kAdd = SDL_BLENDMODE_ADD, kMod = SDL_BLENDMODE_MOD;

const Copy kCopies[] = {
    {"coloured", kWhole, {10, 8, 20, 14}, false, kNoClip, 200, 100, 50, 255, kBlend, true},
    {"faded", kWhole, {10, 8, 20, 14}, false, kNoClip, 255, 255, 255, 128, kBlend, true},
    {"coloured and faded, part", kPart, {30, 20, 11, 9}, false, kNoClip, 90, 255, 180, 77, kBlend, true},
    {"plain alpha (SDL's fast blender)", kWhole, {10, 8, 20, 14}, false, kNoClip, 255, 255, 255, 255, kBlend, false},
    {"added", kWhole, {10, 8, 20, 14}, false, kNoClip, 255, 255, 255, 255, kAdd, true},
    {"added, coloured and faded", kWhole, {10, 8, 20, 14}, false, kNoClip, 250, 10, 128, 3, kAdd, true},
    {"modulated", kWhole, {10, 8, 20, 14}, false, kNoClip, 255, 255, 255, 255, kMod, true},
    {"modulated, coloured and faded", kWhole, {10, 8, 20, 14}, false, kNoClip, 10, 200, 99, 60, kMod, true},
    {"cut by the left and top edges", kWhole, {-7, -5, 20, 14}, false, kNoClip, 200, 100, 50, 255, kBlend, true},
    {"cut by the right and bottom edges", kWhole, {55, 40, 20, 14}, false, kNoClip, 255, 255, 255, 100, kAdd, true},
    {"between pixels (cut toward zero)", kWhole, {10.7f, 5.2f, 20.9f, 14.5f}, false, kNoClip, 200, 100, 50, 200, kBlend, true},
    {"between pixels left of the edge", kWhole, {-3.5f, -0.75f, 20, 14}, false, kNoClip, 200, 100, 50, 200, kBlend, true},
    {"cut by a clip", kWhole, {10, 8, 20, 14}, true, {15, 11, 9, 7}, 200, 100, 50, 140, kBlend, true},
    {"outside the screen", kWhole, {70, 8, 20, 14}, false, kNoClip, 200, 100, 50, 140, kBlend, true},
    {"outside its clip", kWhole, {10, 8, 20, 14}, true, {40, 30, 5, 5}, 200, 100, 50, 140, kBlend, true},
    {"enlarged", kWhole, {5, 4, 34, 24}, false, kNoClip, 255, 255, 255, 255, kBlend, true},
    {"enlarged, added", kWhole, {5, 4, 37, 29}, false, kNoClip, 255, 200, 255, 180, kAdd, true},
    {"shrunk, coloured", kPart, {20, 10, 7, 5}, false, kNoClip, 30, 255, 255, 255, kBlend, true},
    {"shrunk, modulated", kWhole, {20, 10, 12, 9}, false, kNoClip, 30, 255, 128, 40, kMod, true},
    {"stretched one way only", kWhole, {8, 8, 20, 31}, false, kNoClip, 200, 100, 50, 128, kBlend, true},
    {"enlarged across the left edge", kWhole, {-9, 6, 31, 22}, false, kNoClip, 200, 100, 50, 128, kBlend, true},
    {"enlarged across the bottom right corner", kWhole, {50, 37, 31, 22}, false, kNoClip, 255, 255, 255, 255, kAdd, true},
    {"shrunk across the top edge", kPart, {20, -2, 7, 5}, false, kNoClip, 255, 255, 255, 255, kMod, true},
    {"enlarged across an edge, plain alpha (SDL's fast blender)", kWhole, {-9, 6, 31, 22}, false, kNoClip, 255, 255, 255, 255, kBlend, false},
    {"enlarged across an edge and clipped", kWhole, {-9, 6, 31, 22}, true, {0, 10, 12, 40}, 200, 100, 50, 128, kBlend, true},
    {"enlarged and cut on the left by a clip", kWhole, {5, 4, 37, 29}, true, {11, 0, 64, 48}, 255, 255, 255, 255, kBlend, true},
    {"enlarged and cut on the right by a clip", kWhole, {5, 4, 37, 29}, true, {0, 0, 23, 48}, 200, 100, 50, 128, kAdd, true},
    {"shrunk and cut on all sides by a clip", kWhole, {10, 8, 13, 9}, true, {12, 9, 7, 5}, 200, 100, 50, 128, kBlend, true},
    {"enlarged, clip reaching past the screen", kWhole, {30, 20, 30, 21}, true, {33, 25, 100, 100}, 200, 100, 50, 128, kMod, true},
};

TEST(TextureBlendTest, EachKindOfCopyGivesSdlsPixelsOnBothTargetFormats) {
  for (const Uint32 format : {SDL_PIXELFORMAT_ARGB8888, SDL_PIXELFORMAT_XRGB8888}) {
    for (const Copy& c : kCopies) {
      bool taken = false;
      int changed = 0;
      const int differing = DifferingPixels(format, c, c.src, &taken, &changed);
      const std::string at = std::string(c.what) + " on " + SDL_GetPixelFormatName(format);
      EXPECT_EQ(taken, c.ours) << at;
      EXPECT_EQ(differing, 0) << at;
      // (Only the copies that miss the screen or their clip leave the background as it was.)
      if (std::string(c.what).rfind("outside", 0) != 0) {
        EXPECT_GT(changed, 0) << at;
      }
    }
  }
}

// Many copies of every kind at random (fixed seed): sizes, positions, clips, modulation and modes.
TEST(TextureBlendTest, CopiesAtRandomGiveSdlsPixels) {
  std::uint32_t seed = 12345;
  auto next = [&](int n) {
    seed = Hash(seed + 0x9E3779B9u);
    return static_cast<int>(seed % static_cast<std::uint32_t>(n));
  };
  const SDL_BlendMode modes[] = {kBlend, kAdd, kMod};
  int taken_count = 0;
  for (int i = 0; i < 600; ++i) {
    Copy c{"random", {}, {}, false, kNoClip, 255, 255, 255, 255, kBlend, true};
    c.src.x = next(kTextureW - 1);
    c.src.y = next(kTextureH - 1);
    c.src.w = 1 + next(kTextureW - c.src.x);
    c.src.h = 1 + next(kTextureH - c.src.y);
    const bool scaled = next(3) != 0;
    c.dst.w = scaled ? static_cast<float>(1 + next(45)) + static_cast<float>(next(4)) / 4.0f : static_cast<float>(c.src.w);
    c.dst.h = scaled ? static_cast<float>(1 + next(45)) + static_cast<float>(next(4)) / 4.0f : static_cast<float>(c.src.h);
    c.dst.x = static_cast<float>(next(kScreenW + 40) - 30) + static_cast<float>(next(4)) / 4.0f;
    c.dst.y = static_cast<float>(next(kScreenH + 40) - 30) + static_cast<float>(next(4)) / 4.0f;
    c.clipped = next(2) == 0;
    c.clip = SDL_Rect{next(kScreenW) - 4, next(kScreenH) - 4, next(kScreenW), next(kScreenH)};
    if (next(2) == 0) {
      c.r = static_cast<Uint8>(next(256));
      c.g = static_cast<Uint8>(next(256));
      c.b = static_cast<Uint8>(next(256));
    }
    if (next(2) == 0) c.a = static_cast<Uint8>(next(256));
    c.blend = modes[next(3)];
    const Uint32 format = next(2) == 0 ? SDL_PIXELFORMAT_ARGB8888 : SDL_PIXELFORMAT_XRGB8888;
    bool taken = false;
    const int differing = DifferingPixels(format, c, kWhole, &taken);
    taken_count += taken ? 1 : 0;
    ASSERT_EQ(differing, 0) << "copy " << i << ": src " << c.src.x << "," << c.src.y << " " << c.src.w << "x" << c.src.h
                            << ", dst " << c.dst.x << "," << c.dst.y << " " << c.dst.w << "x" << c.dst.h << ", clip "
                            << (c.clipped ? "" : "(off) ") << c.clip.x << "," << c.clip.y << " " << c.clip.w << "x"
                            << c.clip.h << ", mod " << int{c.r} << "," << int{c.g} << "," << int{c.b} << "," << int{c.a}
                            << ", blend " << c.blend << ", " << SDL_GetPixelFormatName(format);
  }
  // Nearly all of them are ours: only unmodulated alpha blending is left to SDL.
  EXPECT_GT(taken_count, 450);
}

// Pixels the loop is not given are never read: a copy reaching past them is left to SDL.
TEST(TextureBlendTest, ACopyOfPixelsNotHeldIsLeftToSdl) {
  bool taken = true;
  const Copy inside{"held", {4, 3, 8, 6}, {10, 8, 8, 6}, false, kNoClip, 200, 100, 50, 128, kBlend, true};
  EXPECT_EQ(DifferingPixels(SDL_PIXELFORMAT_ARGB8888, inside, kPart, &taken), 0);
  EXPECT_TRUE(taken);
  const Copy past{"past", {1, 1, 8, 6}, {10, 8, 8, 6}, false, kNoClip, 200, 100, 50, 128, kBlend, true};
  DifferingPixels(SDL_PIXELFORMAT_ARGB8888, past, kPart, &taken);
  EXPECT_FALSE(taken);
}

}  // namespace

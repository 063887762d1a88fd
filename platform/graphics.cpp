#include "platform/graphics.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <new>
#include <thread>
#include <unordered_map>

#include "platform/display.h"
#include "platform/gl_probe.h"
#include "platform/graphics_internal.h"
#include "platform/input.h"
#include "platform/input_internal.h"
#include "platform/system.h"
#include "platform/text_encoding.h"

namespace platform {

namespace {

constexpr float kPi = 3.14159265358979323846f;

// ---- Turned frames ----
// Drawn by the processor, a small frame turned by any angle costs two textured triangles, filled
// pixel by pixel through SDL's slowest path. Small blended frames are instead drawn as copies of
// the frame turned beforehand to the nearest of kTurns steps (under a degree away: the same picture
// to the eye at their size), each made once on first use.
constexpr int kTurns = 128;
constexpr int kTurnedLargestSide = 32;               // frames larger than this are drawn exactly
constexpr std::size_t kTurnedMostBytes = 8u << 20;  // pixels kept for turned frames at most

struct TurnedKey {
  SDL_Texture* texture;
  int x, y, w, h, turn;
  bool operator==(const TurnedKey&) const = default;
};

struct TurnedKeyHash {
  std::size_t operator()(const TurnedKey& k) const {
    std::size_t h = std::hash<const void*>()(k.texture);
    for (int v : {k.x, k.y, k.w, k.h, k.turn}) h = h * 1000003u ^ static_cast<std::size_t>(v);
    return h;
  }
};

// The side of the square a w x h frame turned about its centre fits in at any angle.
int TurnedSide(int w, int h) {
  return static_cast<int>(std::ceil(std::sqrt(static_cast<float>(w * w + h * h)))) + 1;
}

// A turned frame: the square it is drawn on, and the part of it that is not transparent.
struct Turned {
  SDL_Texture* texture = nullptr;
  SDL_Rect shown{0, 0, 0, 0};
};

// The pixels of a turned frame's shown part, kept where the processor draws the screen so that
// copies of it are blended by our own loop (see detail::BlendCopy).
struct HeldTexels {
  std::vector<std::uint32_t> pixels;
  SDL_Rect area{0, 0, 0, 0};
  int side = 0;
};

struct TurnedFrames {
  std::unordered_map<TurnedKey, Turned, TurnedKeyHash> made;
  std::unordered_map<SDL_Texture*, HeldTexels> texels;  // by the turned frame's texture
  std::size_t bytes = 0;  // the turned frames' textures (their held pixels are at most as many)

  // Frees every turned frame of `texture` (all of them for nullptr).
  void Forget(SDL_Texture* texture) {
    for (auto it = made.begin(); it != made.end();) {
      if (texture == nullptr || it->first.texture == texture) {
        texels.erase(it->second.texture);
        detail::FreeTexture(it->second.texture);
        const int side = TurnedSide(it->first.w, it->first.h);
        bytes -= static_cast<std::size_t>(side) * side * 4;
        it = made.erase(it);
      } else {
        ++it;
      }
    }
  }
};

struct Gfx {
  SDL_Window* window = nullptr;
  SDL_Renderer* renderer = nullptr;
  SDL_Surface* surface = nullptr;  // headless target, or the logical screen of a window drawn by
                                   // the processor (in the window's pixel format, see Present)
  SDL_Texture* canvas = nullptr;   // the logical screen in a real window, copied out at Flip
  SDL_Texture* font = nullptr;     // default font atlas, made on first text draw
  int font_generation = -1;
  int width = 800, height = 600;
  bool full_screen = false;
  bool vsync = true;
  int generation = 0;
  Rgb cls{0, 0, 0};
  std::string title = "Quillbrook";
  bool cursor_visible = true;
  std::chrono::steady_clock::time_point next_frame{};  // when the next frame may be shown
  bool software = false;  // every pixel is drawn by the processor (no graphics card behind it)
  bool keep_software_gl = false;  // see GraphicsOptions
  bool canvas_nearest = false;     // the canvas is shown pixel for pixel, without filtering
  // A window drawn by the processor: the logical screen is `surface`, and Flip itself puts the
  // changed parts of it on the window's own picture.
  bool direct = false;
  SDL_Surface* presented = nullptr;  // the window picture the screen was last put on
  SDL_Surface* stretched = nullptr;  // the stretched screen, where the window's format differs
  int presented_w = 0, presented_h = 0;
  detail::LinearAxis columns, rows;  // the stretch of the logical screen onto that picture
  TurnedFrames turned;
  bool use_turned = true;  // see detail::UseTurnedFrames
  bool own_blend = true;   // see detail::BlendCopiesOurselves
  // The kept picture a stretched copy that overhangs the screen is stretched into first (see
  // StretchAcrossEdge), and whether a frame used it since the last Flip.
  SDL_Texture* overhang = nullptr;
  int overhang_w = 0, overhang_h = 0;
  bool overhang_used = false;
};

// ---- The frame's draw list ----
// Draw calls are kept as a list and sent to the renderer when the frame is shown. A frame whose
// list is the same as the frame shown before it, and that begins by covering the whole screen (so
// it does not build on what was there), would give the same picture: it is neither drawn nor
// shown again. Readers of the target (GrabPixmap) send the list so far first, and a texture is
// never changed or freed while a draw of it waits.

enum class OpKind : std::uint32_t { kClear, kFillRect, kPoint, kLine, kCopy, kGeometry };

// Every field 4 or 8 bytes and no padding, so two draws compare byte for byte.
struct DrawOp {
  SDL_Texture* texture = nullptr;
  OpKind kind = OpKind::kClear;
  std::uint32_t rgba = 0;  // draw colour, or a texture's colour and alpha modulation
  std::int32_t blend = SDL_BLENDMODE_NONE;
  std::int32_t clipped = 0;
  SDL_Rect clip{0, 0, 0, 0};
  SDL_Rect src{0, 0, 0, 0};
  SDL_FRect dst{0, 0, 0, 0};  // a line's ends are (x, y) and (w, h); a point is (x, y)
  float angle = 0.0f;
  SDL_FPoint centre{0, 0};
  std::int32_t flip = 0;
  std::uint32_t first = 0;  // geometry: its first vertex in the frame's vertices; a copy: 1 when
  std::uint32_t count = 0;  // it turns about `centre`. Geometry: its number of vertices (a fan).
};
static_assert(sizeof(DrawOp) == 96, "a draw must have no padding to compare byte for byte");

struct FrameList {
  std::vector<DrawOp> ops;
  std::vector<SDL_Vertex> vertices;

  // Whether draw i of this list and draw j of `o` are the same (geometry by its vertices, wherever
  // they are kept).
  bool SameOp(std::size_t i, const FrameList& o, std::size_t j) const {
    const DrawOp& a = ops[i];
    const DrawOp& b = o.ops[j];
    if (a.kind != OpKind::kGeometry) return std::memcmp(&a, &b, sizeof(DrawOp)) == 0;
    if (b.kind != OpKind::kGeometry || a.count != b.count) return false;
    if (std::memcmp(&a, &b, offsetof(DrawOp, first)) != 0) return false;
    return std::memcmp(vertices.data() + a.first, o.vertices.data() + b.first,
                       a.count * sizeof(SDL_Vertex)) == 0;
  }
  bool operator==(const FrameList& o) const {
    if (ops.size() != o.ops.size()) return false;
    for (std::size_t i = 0; i < ops.size(); ++i) {
      if (!SameOp(i, o, i)) return false;
    }
    return true;
  }
  // Starts by covering the whole screen (a clear, or an unblended picture shown pixel for pixel
  // over all of it): its picture does not depend on what was there before.
  bool StandsAlone(int width, int height) const {
    if (ops.empty()) return false;
    const DrawOp& op = ops.front();
    if (op.kind == OpKind::kClear) return true;
    const bool whole_pixels = op.dst.x == std::floor(op.dst.x) && op.dst.y == std::floor(op.dst.y);
    const bool unscaled = op.dst.w == static_cast<float>(op.src.w) && op.dst.h == static_cast<float>(op.src.h);
    return op.kind == OpKind::kCopy && op.blend == SDL_BLENDMODE_NONE && op.angle == 0.0f &&
           op.clipped == 0 && whole_pixels && unscaled && op.dst.x <= 0.0f && op.dst.y <= 0.0f &&
           op.dst.x + op.dst.w >= static_cast<float>(width) &&
           op.dst.y + op.dst.h >= static_cast<float>(height);
  }
};

struct Recorder {
  FrameList frame;  // this frame's draws
  FrameList shown;  // the draws of the frame on the target now
  std::size_t sent = 0;       // draws of this frame already sent to the renderer
  bool must_draw = true;      // this frame is drawn whatever its list (a texture changed, ...)
  bool must_show = false;     // the window needs its picture again (uncovered, resized)
  bool clipped = false;       // the clip in force for the next draw
  SDL_Rect clip{0, 0, 0, 0};
  bool sent_clip_known = false;  // the renderer's clip as last set
  bool sent_clipped = false;
  SDL_Rect sent_clip{0, 0, 0, 0};
  std::vector<int> fan;       // scratch indices
  std::vector<SDL_Rect> areas;  // scratch: the areas a frame changes
  std::vector<SDL_Rect> window_areas;  // scratch: the parts of the window they are shown in
  bool overflowed = false;    // draws of this frame were sent and dropped to bound the list
  long drawn = 0, skipped = 0, partly = 0;
};

// A frame never keeps more draws or vertices than these: past them the draws so far are sent to
// the renderer and dropped, and the frame is drawn whole (a loop that draws without flipping keeps
// its memory bounded).
constexpr std::size_t kMaxFrameOps = 1 << 16;
constexpr std::size_t kMaxFrameVertices = 1 << 18;

// A value made on first use and never destroyed: images held by the program's globals free their
// textures through the drawing state while statics are destroyed at exit, in whatever order.
template <typename T>
class Lasting {
 public:
  Lasting() { ::new (static_cast<void*>(storage_)) T(); }
  T& Get() { return *std::launder(reinterpret_cast<T*>(storage_)); }

 private:
  alignas(T) unsigned char storage_[sizeof(T)];
};

Recorder& Rec() {
  static Lasting<Recorder> recorder;
  return recorder.Get();
}

Gfx& G() {
  static Lasting<Gfx> gfx;
  return gfx.Get();
}

detail::DrawState& PenMut() {
  static Lasting<detail::DrawState> pen;
  return pen.Get();
}

Uint8 ClampByte(int v) { return static_cast<Uint8>(std::clamp(v, 0, 255)); }

void ApplyClip() {
  auto& g = G();
  auto& rec = Rec();
  const IRect& v = PenMut().viewport;
  rec.clipped = !(v.x <= 0 && v.y <= 0 && v.x + v.w >= g.width && v.y + v.h >= g.height);
  rec.clip = rec.clipped ? SDL_Rect{v.x, v.y, std::max(v.w, 0), std::max(v.h, 0)} : SDL_Rect{0, 0, 0, 0};
}

std::uint32_t PackRgba(int r, int g, int b, int a) {
  return (std::uint32_t(ClampByte(r)) << 24) | (std::uint32_t(ClampByte(g)) << 16) |
         (std::uint32_t(ClampByte(b)) << 8) | std::uint32_t(ClampByte(a));
}

// A draw of the given kind under the clip in force.
DrawOp NewOp(OpKind kind) {
  DrawOp op;
  op.kind = kind;
  op.clipped = Rec().clipped ? 1 : 0;
  op.clip = Rec().clip;
  return op;
}

// A draw in the pen's colour, alpha and blend.
DrawOp PenOp(OpKind kind) {
  const auto& pen = PenMut();
  DrawOp op = NewOp(kind);
  op.rgba = PackRgba(pen.r, pen.g, pen.b, detail::PenAlpha8());
  op.blend = detail::SdlBlend(pen.blend);
  return op;
}

void SendPending();

void Record(const DrawOp& op) {
  auto& g = G();
  auto& rec = Rec();
  if (g.renderer == nullptr) return;
  rec.frame.ops.push_back(op);
  if (rec.frame.ops.size() >= kMaxFrameOps || rec.frame.vertices.size() >= kMaxFrameVertices) {
    SendPending();
    SDL_RenderFlush(g.renderer);
    rec.frame.ops.clear();
    rec.frame.vertices.clear();
    rec.sent = 0;
    rec.overflowed = true;
  }
}

// Sets the draw's clip on the renderer unless it is the one already set.
void SendClip(SDL_Renderer* renderer, const DrawOp& op) {
  auto& rec = Rec();
  const bool clipped = op.clipped != 0;
  if (!rec.sent_clip_known || clipped != rec.sent_clipped ||
      (clipped && std::memcmp(&op.clip, &rec.sent_clip, sizeof(SDL_Rect)) != 0)) {
    SDL_RenderSetClipRect(renderer, clipped ? &op.clip : nullptr);
    rec.sent_clip_known = true;
    rec.sent_clipped = clipped;
    rec.sent_clip = op.clip;
  }
}

// Whether the renderer draws the game's own surface (headless, or a window drawn by the
// processor) one to one: no target texture, no scale, the whole surface as its viewport.
bool DrawsOwnSurfaceOneToOne(SDL_Renderer* renderer) {
  const auto& g = G();
  if (g.surface == nullptr || SDL_GetRenderTarget(renderer) != nullptr) return false;
  float sx = 0.0f, sy = 0.0f;
  SDL_RenderGetScale(renderer, &sx, &sy);
  SDL_Rect view;
  SDL_RenderGetViewport(renderer, &view);
  return sx == 1.0f && sy == 1.0f && view.x == 0 && view.y == 0 && view.w == g.surface->w &&
         view.h == g.surface->h;
}

// SDL's software renderer draws a stretched copy that overhangs its target by stretching the whole
// copy into a new picture of the copy's size and then copying that picture unstretched: for a
// large picture, a few megabytes made, cleared and given back for every draw. The same two steps
// through one kept picture give the same pixels. False (nothing drawn) where SDL would not take
// those steps, or the kept picture cannot be had.
bool StretchAcrossEdge(SDL_Renderer* renderer, const DrawOp& op, Uint8 r, Uint8 gr, Uint8 b, Uint8 a,
                       SDL_BlendMode blend) {
  auto& g = G();
  if (!g.own_blend || op.angle != 0.0f || op.flip != 0 || !DrawsOwnSurfaceOneToOne(renderer)) return false;
  // The copy's rectangle as SDL makes it whole pixels.
  const SDL_Rect dst{static_cast<int>(op.dst.x), static_cast<int>(op.dst.y), static_cast<int>(op.dst.w),
                     static_cast<int>(op.dst.h)};
  if (dst.w <= 0 || dst.h <= 0 || (op.src.w == dst.w && op.src.h == dst.h)) return false;
  const bool overhangs = dst.x < 0 || dst.y < 0 || dst.x + dst.w > g.surface->w || dst.y + dst.h > g.surface->h;
  const SDL_Rect screen{0, 0, g.surface->w, g.surface->h};
  if (!overhangs || !SDL_HasIntersection(&dst, &screen)) return false;
  // Every pixel of the kept picture's part is then written by the stretch: the source lies inside
  // its texture.
  Uint32 format = 0;
  int tw = 0, th = 0;
  if (SDL_QueryTexture(op.texture, &format, nullptr, &tw, &th) != 0 || format != SDL_PIXELFORMAT_ARGB8888 ||
      op.src.x < 0 || op.src.y < 0 || op.src.w <= 0 || op.src.h <= 0 || op.src.x + op.src.w > tw ||
      op.src.y + op.src.h > th) {
    return false;
  }
  if (g.overhang == nullptr || g.overhang_w < dst.w || g.overhang_h < dst.h) {
    detail::FreeTexture(g.overhang);
    g.overhang_w = std::max(g.overhang_w, dst.w);
    g.overhang_h = std::max(g.overhang_h, dst.h);
    g.overhang = detail::MakeTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, g.overhang_w,
                                     g.overhang_h, "the stretch of a copy overhanging the screen");
    if (g.overhang == nullptr) {
      g.overhang_w = g.overhang_h = 0;
      return false;
    }
  }
  g.overhang_used = true;
  SDL_ScaleMode scale = SDL_ScaleModeNearest;
  SDL_GetTextureScaleMode(op.texture, &scale);
  // The stretch, unblended and unmodulated, into the top-left of the kept picture.
  SDL_SetRenderTarget(renderer, g.overhang);
  SDL_SetTextureColorMod(op.texture, 255, 255, 255);
  SDL_SetTextureAlphaMod(op.texture, 255);
  SDL_SetTextureBlendMode(op.texture, SDL_BLENDMODE_NONE);
  const SDL_Rect part{0, 0, dst.w, dst.h};
  SDL_RenderCopy(renderer, op.texture, &op.src, &part);
  SDL_SetRenderTarget(renderer, nullptr);
  // Then the copy of that part onto the screen (a new target drops the clip), with the draw's own
  // colour, alpha and blend.
  Rec().sent_clip_known = false;
  SendClip(renderer, op);
  SDL_SetTextureScaleMode(g.overhang, scale);
  SDL_SetTextureColorMod(g.overhang, r, gr, b);
  SDL_SetTextureAlphaMod(g.overhang, a);
  SDL_SetTextureBlendMode(g.overhang, blend);
  SDL_RenderCopyF(renderer, g.overhang, &part, &op.dst);
  return true;
}

// Draws a copy by our own blending loop where the screen is a surface the processor draws, the
// copy's pixels are held and the loop gives SDL's pixels; false where SDL must draw it.
bool BlendOwnCopy(SDL_Renderer* renderer, const DrawOp& op) {
  auto& g = G();
  if (!g.own_blend || op.angle != 0.0f || op.flip != 0) return false;
  const auto held = g.turned.texels.find(op.texture);
  if (held == g.turned.texels.end() || !DrawsOwnSurfaceOneToOne(renderer)) return false;
  detail::Texels texels;
  texels.pixels = held->second.pixels.data();
  texels.pitch = held->second.area.w;
  texels.area = held->second.area;
  texels.texture_w = texels.texture_h = held->second.side;
  detail::CopyStyle style;
  style.r = static_cast<Uint8>(op.rgba >> 24);
  style.g = static_cast<Uint8>(op.rgba >> 16);
  style.b = static_cast<Uint8>(op.rgba >> 8);
  style.a = static_cast<Uint8>(op.rgba);
  style.blend = static_cast<SDL_BlendMode>(op.blend);
  SDL_ScaleMode scale = SDL_ScaleModeNearest;
  SDL_GetTextureScaleMode(op.texture, &scale);
  style.nearest = scale == SDL_ScaleModeNearest;
  // What SDL still holds to draw goes first.
  SDL_RenderFlush(renderer);
  return detail::BlendCopy(g.surface, texels, op.src, op.dst, op.clipped != 0 ? &op.clip : nullptr, style);
}

void SendOp(SDL_Renderer* renderer, const DrawOp& op, const SDL_Vertex* vertices) {
  auto& rec = Rec();
  SendClip(renderer, op);
  const Uint8 r = static_cast<Uint8>(op.rgba >> 24), g = static_cast<Uint8>(op.rgba >> 16);
  const Uint8 b = static_cast<Uint8>(op.rgba >> 8), a = static_cast<Uint8>(op.rgba);
  const auto blend = static_cast<SDL_BlendMode>(op.blend);
  switch (op.kind) {
    case OpKind::kClear:
      SDL_SetRenderDrawColor(renderer, r, g, b, a);
      SDL_RenderClear(renderer);
      break;
    case OpKind::kFillRect:
      SDL_SetRenderDrawColor(renderer, r, g, b, a);
      SDL_SetRenderDrawBlendMode(renderer, blend);
      SDL_RenderFillRectF(renderer, &op.dst);
      break;
    case OpKind::kPoint:
      SDL_SetRenderDrawColor(renderer, r, g, b, a);
      SDL_SetRenderDrawBlendMode(renderer, blend);
      SDL_RenderDrawPointF(renderer, op.dst.x, op.dst.y);
      break;
    case OpKind::kLine:
      SDL_SetRenderDrawColor(renderer, r, g, b, a);
      SDL_SetRenderDrawBlendMode(renderer, blend);
      SDL_RenderDrawLineF(renderer, op.dst.x, op.dst.y, op.dst.w, op.dst.h);
      break;
    case OpKind::kCopy:
      if (BlendOwnCopy(renderer, op)) break;
      if (StretchAcrossEdge(renderer, op, r, g, b, a, blend)) break;
      SDL_SetTextureColorMod(op.texture, r, g, b);
      SDL_SetTextureAlphaMod(op.texture, a);
      SDL_SetTextureBlendMode(op.texture, blend);
      SDL_RenderCopyExF(renderer, op.texture, &op.src, &op.dst, op.angle,
                        op.first != 0 ? &op.centre : nullptr, static_cast<SDL_RendererFlip>(op.flip));
      break;
    case OpKind::kGeometry: {
      if (op.texture != nullptr) {
        // Geometry carries the colour in its vertices; the texture itself stays unmodulated.
        SDL_SetTextureColorMod(op.texture, 255, 255, 255);
        SDL_SetTextureAlphaMod(op.texture, 255);
        SDL_SetTextureBlendMode(op.texture, blend);
      } else {
        SDL_SetRenderDrawColor(renderer, r, g, b, a);
        SDL_SetRenderDrawBlendMode(renderer, blend);
      }
      auto& fan = rec.fan;
      fan.clear();
      for (std::uint32_t i = 1; i + 1 < op.count; ++i) {
        fan.push_back(0);
        fan.push_back(static_cast<int>(i));
        fan.push_back(static_cast<int>(i + 1));
      }
      SDL_RenderGeometry(renderer, op.texture, vertices + op.first, static_cast<int>(op.count),
                         fan.data(), static_cast<int>(fan.size()));
      break;
    }
  }
}

// Sends the draws of this frame not sent yet.
void SendPending() {
  auto& g = G();
  auto& rec = Rec();
  if (g.renderer == nullptr) return;
  for (; rec.sent < rec.frame.ops.size(); ++rec.sent) {
    SendOp(g.renderer, rec.frame.ops[rec.sent], rec.frame.vertices.data());
  }
}

// ---- Drawing only what changed ----
// When a frame and the frame on the target both stand alone, the pixels outside every draw that
// differs between them (old and new place) are the same in both: only the areas those draws
// cover are drawn again, each with every draw that reaches it clipped to it.

SDL_Rect Intersect(const SDL_Rect& a, const SDL_Rect& b) {
  SDL_Rect r;
  if (SDL_IntersectRect(&a, &b, &r) == SDL_FALSE) return SDL_Rect{0, 0, 0, 0};
  return r;
}

SDL_Rect Union(const SDL_Rect& a, const SDL_Rect& b) {
  if (a.w <= 0 || a.h <= 0) return b;
  if (b.w <= 0 || b.h <= 0) return a;
  SDL_Rect r;
  SDL_UnionRect(&a, &b, &r);
  return r;
}

bool Overlap(const SDL_Rect& a, const SDL_Rect& b) { return SDL_HasIntersection(&a, &b) == SDL_TRUE; }

// The pixels a draw can touch: its box grown by a pixel (filtering, rounding), inside its clip
// and the screen.
SDL_Rect OpBounds(const DrawOp& op, const SDL_Vertex* vertices) {
  const auto& g = G();
  float x0 = 0, y0 = 0, x1 = static_cast<float>(g.width), y1 = static_cast<float>(g.height);
  auto grow = [&](float x, float y, bool first) {
    if (first) {
      x0 = x1 = x;
      y0 = y1 = y;
    } else {
      x0 = std::min(x0, x);
      x1 = std::max(x1, x);
      y0 = std::min(y0, y);
      y1 = std::max(y1, y);
    }
  };
  switch (op.kind) {
    case OpKind::kClear:
      break;
    case OpKind::kFillRect:
      grow(op.dst.x, op.dst.y, true);
      grow(op.dst.x + op.dst.w, op.dst.y + op.dst.h, false);
      break;
    case OpKind::kPoint:
      grow(op.dst.x, op.dst.y, true);
      grow(op.dst.x + 1, op.dst.y + 1, false);
      break;
    case OpKind::kLine:
      grow(op.dst.x, op.dst.y, true);
      grow(op.dst.w, op.dst.h, false);
      x1 += 1;
      y1 += 1;
      break;
    case OpKind::kCopy: {
      if (op.angle == 0.0f) {
        grow(op.dst.x, op.dst.y, true);
        grow(op.dst.x + op.dst.w, op.dst.y + op.dst.h, false);
        break;
      }
      const float cx = op.dst.x + op.centre.x, cy = op.dst.y + op.centre.y;
      const float rad = op.angle * kPi / 180.0f, c = std::cos(rad), s = std::sin(rad);
      const float xs[2] = {op.dst.x - cx, op.dst.x + op.dst.w - cx};
      const float ys[2] = {op.dst.y - cy, op.dst.y + op.dst.h - cy};
      bool first = true;
      for (float x : xs) {
        for (float y : ys) {
          grow(cx + x * c - y * s, cy + x * s + y * c, first);
          first = false;
        }
      }
      break;
    }
    case OpKind::kGeometry:
      for (std::uint32_t i = 0; i < op.count; ++i) {
        const SDL_FPoint& p = vertices[op.first + i].position;
        grow(p.x, p.y, i == 0);
      }
      break;
  }
  SDL_Rect box{static_cast<int>(std::floor(x0)) - 1, static_cast<int>(std::floor(y0)) - 1, 0, 0};
  box.w = static_cast<int>(std::ceil(x1)) + 1 - box.x;
  box.h = static_cast<int>(std::ceil(y1)) + 1 - box.y;
  if (op.kind == OpKind::kClear) box = SDL_Rect{0, 0, g.width, g.height};
  box = Intersect(box, SDL_Rect{0, 0, g.width, g.height});
  if (op.clipped != 0) box = Intersect(box, op.clip);
  return box;
}

// Whether a draw cut by a clip gives, inside it, exactly the pixels of the whole draw: fills,
// points and unscaled copies at whole pixels. Lines, scaled or turned copies and geometry are
// drawn whole instead (an area that reaches them grows to hold them).
bool ClipsExactly(const DrawOp& op) {
  switch (op.kind) {
    case OpKind::kClear:
    case OpKind::kFillRect:
    case OpKind::kPoint:
      return true;
    case OpKind::kCopy:
      return op.angle == 0.0f && op.dst.w == static_cast<float>(op.src.w) &&
             op.dst.h == static_cast<float>(op.src.h) && op.dst.x == std::floor(op.dst.x) &&
             op.dst.y == std::floor(op.dst.y);
    default:
      return false;
  }
}

// The areas to draw again so that the target, holding `shown`, holds `frame`; false when that is
// most of the screen (drawing it all is then as cheap).
bool ChangedAreas(const FrameList& frame, const FrameList& shown, std::vector<SDL_Rect>* areas) {
  const auto& g = G();
  const std::size_t n = frame.ops.size(), m = shown.ops.size();
  std::size_t head = 0;
  while (head < n && head < m && frame.SameOp(head, shown, head)) ++head;
  std::size_t tail = 0;
  while (tail < n - head && tail < m - head && frame.SameOp(n - 1 - tail, shown, m - 1 - tail)) ++tail;
  areas->clear();
  // The areas never overlap, and a merge's box holds the areas it replaces: the pixels they cover
  // only grow, so once they reach half the screen the answer is known.
  long covered = 0;
  const long most = static_cast<long>(g.width) * g.height;
  auto add = [&](SDL_Rect r) {
    if (r.w <= 0 || r.h <= 0) return;
    // Overlapping areas become one.
    for (bool merged = true; merged;) {
      merged = false;
      for (std::size_t i = 0; i < areas->size(); ++i) {
        if (Overlap((*areas)[i], r)) {
          r = Union(r, (*areas)[i]);
          covered -= static_cast<long>((*areas)[i].w) * (*areas)[i].h;
          areas->erase(areas->begin() + static_cast<std::ptrdiff_t>(i));
          merged = true;
          break;
        }
      }
    }
    areas->push_back(r);
    covered += static_cast<long>(r.w) * r.h;
  };
  const bool paired = n - head - tail == m - head - tail;
  for (std::size_t i = head; i < n - tail; ++i) {
    if (paired && frame.SameOp(i, shown, i)) continue;
    add(OpBounds(frame.ops[i], frame.vertices.data()));
    if (covered * 2 >= most) return false;
  }
  for (std::size_t j = head; j < m - tail; ++j) {
    if (paired && frame.SameOp(j, shown, j)) continue;
    add(OpBounds(shown.ops[j], shown.vertices.data()));
    if (covered * 2 >= most) return false;
  }
  // An area that reaches a draw that cannot be cut grows to hold it, in the old frame and the new.
  for (int pass = 0;; ++pass) {
    if (pass == 16) return false;
    bool grew = false;
    for (const FrameList* list : {&frame, &shown}) {
      for (const DrawOp& op : list->ops) {
        if (ClipsExactly(op)) continue;
        const SDL_Rect box = OpBounds(op, list->vertices.data());
        for (const SDL_Rect& area : *areas) {
          if (!Overlap(area, box)) continue;
          const SDL_Rect whole = Union(area, box);
          if (std::memcmp(&whole, &area, sizeof(SDL_Rect)) != 0) {
            add(whole);
            grew = true;
          }
          break;
        }
      }
    }
    if (!grew) break;
  }
  return covered * 2 < most;
}

// Draws the frame again inside `area` only.
void SendInside(const FrameList& frame, const SDL_Rect& area) {
  SDL_Renderer* renderer = G().renderer;
  for (const DrawOp& source : frame.ops) {
    if (!Overlap(OpBounds(source, frame.vertices.data()), area)) continue;
    DrawOp op = source;
    op.clip = op.clipped != 0 ? Intersect(op.clip, area) : area;
    op.clipped = 1;
    if (op.clip.w <= 0 || op.clip.h <= 0) continue;
    if (op.kind == OpKind::kClear) {
      // A clear ignores the clip: inside the area it is a solid fill of it.
      op.kind = OpKind::kFillRect;
      op.dst = SDL_FRect{static_cast<float>(area.x), static_cast<float>(area.y),
                         static_cast<float>(area.w), static_cast<float>(area.h)};
    }
    SendOp(renderer, op, frame.vertices.data());
  }
}

void ResetRecorder() {
  auto& rec = Rec();
  rec.frame.ops.clear();
  rec.frame.vertices.clear();
  rec.shown.ops.clear();
  rec.shown.vertices.clear();
  rec.sent = 0;
  rec.must_draw = true;
  rec.must_show = false;
  rec.overflowed = false;
  rec.sent_clip_known = false;
}

SDL_Rect LetterboxRect(int out_w, int out_h);

// Puts the logical screen on the window's picture: all of it (with the bars beside it) when
// `whole`, else the parts the frame changed (Recorder::areas), and shows those parts. The picture
// is the one SDL's renderer gave by copying the whole screen, or stretching it linearly, onto the
// letterbox of a cleared window.
void Present(bool whole) {
  auto& g = G();
  SDL_Surface* window = SDL_GetWindowSurface(g.window);
  if (window == nullptr) return;
  const SDL_Rect box = LetterboxRect(window->w, window->h);
  const bool same_size = box.w == g.width && box.h == g.height;
  if (window != g.presented || window->w != g.presented_w || window->h != g.presented_h) {
    whole = true;
    g.presented = window;
    g.presented_w = window->w;
    g.presented_h = window->h;
    g.columns = detail::LinearAxis(g.width, box.w);
    g.rows = detail::LinearAxis(g.height, box.h);
    detail::FreeSurface(g.stretched);
    g.stretched = nullptr;
  }
  // Stretched in the screen's own format: on the window's picture itself, or (a window whose
  // picture has another format) on a picture of the letterbox's size then copied across.
  SDL_Surface* target = window;
  SDL_Rect target_box = box;
  if (!same_size && window->format->format != g.surface->format->format) {
    if (g.stretched == nullptr) {
      g.stretched = detail::MakeSurface(box.w, box.h, g.surface->format->format, "the stretched screen");
      if (g.stretched == nullptr) return;
      SDL_SetSurfaceBlendMode(g.stretched, SDL_BLENDMODE_NONE);
    }
    target = g.stretched;
    target_box = SDL_Rect{0, 0, box.w, box.h};
  }
  auto& shown = Rec().window_areas;
  shown.clear();
  if (whole) {
    // The bars beside the letterbox, then the screen.
    const SDL_Rect bars[4] = {{0, 0, window->w, box.y},
                              {0, box.y + box.h, window->w, window->h - box.y - box.h},
                              {0, box.y, box.x, box.h},
                              {box.x + box.w, box.y, window->w - box.x - box.w, box.h}};
    for (const SDL_Rect& bar : bars) {
      if (bar.w > 0 && bar.h > 0) SDL_FillRect(window, &bar, SDL_MapRGB(window->format, 0, 0, 0));
    }
    if (!same_size) {
      SDL_Rect dst = target_box;
      SDL_SoftStretchLinear(g.surface, nullptr, target, &dst);
    }
    shown.push_back(same_size ? SDL_Rect{0, 0, g.width, g.height} : target_box);
  } else {
    for (const SDL_Rect& area : Rec().areas) {
      if (same_size) {
        shown.push_back(area);
        continue;
      }
      const SDL_Rect part = detail::WindowAreaOf(target_box, g.width, g.height, area);
      if (part.w <= 0 || part.h <= 0) continue;
      detail::ScaleLinearArea(g.surface, target, target_box, g.columns, g.rows, part);
      shown.push_back(part);
    }
  }
  // The parts (in logical pixels at the same size, else in the stretched picture) to the window.
  for (SDL_Rect& part : shown) {
    SDL_Rect src = part, dst{box.x + part.x, box.y + part.y, part.w, part.h};
    if (same_size) {
      SDL_BlitSurface(g.surface, &src, window, &dst);
    } else if (target != window) {
      SDL_BlitSurface(target, &src, window, &dst);
    } else {
      dst = part;
    }
    part = dst;
  }
  if (whole) {
    SDL_UpdateWindowSurface(g.window);
  } else if (!shown.empty()) {
    SDL_UpdateWindowSurfaceRects(g.window, shown.data(), static_cast<int>(shown.size()));
  }
}

// Vsync does not hold every driver (a virtual display, a driver that ignores it, the option off):
// a frame that comes back from the present early waits out the rest of its frame time here, so
// no loop that flips runs faster than the display. With vsync on, the wait is a little shorter
// than the display's frame, so it never makes a frame miss its refresh.
void PaceFrame(Gfx& g) {
  using Clock = std::chrono::steady_clock;
  int hertz = 0;
  SDL_DisplayMode mode;
  const int display = SDL_GetWindowDisplayIndex(g.window);
  if (display >= 0 && SDL_GetCurrentDisplayMode(display, &mode) == 0) hertz = mode.refresh_rate;
  if (hertz < 30 || hertz > 500) hertz = 60;
  // Drawn by the processor, a frame of the whole screen costs milliseconds of it: half the display
  // rate keeps an idle page from taking a large share of a core.
  if (g.software) hertz = std::min(hertz, 30);
  auto period = std::chrono::microseconds(1000000 / hertz);
  if (g.vsync) period = period * 95 / 100;
  const auto now = Clock::now();
  Clock::time_point shown = now;
  if (g.next_frame > now && g.next_frame - now <= period) {
    std::this_thread::sleep_until(g.next_frame);
    shown = g.next_frame;
  }
  g.next_frame = shown + period;
}

SDL_Rect LetterboxRect(int out_w, int out_h) { return detail::LetterboxRect(out_w, out_h, G().width, G().height); }

SDL_Vertex Vertex(SDL_FPoint p, float u = 0, float v = 0) {
  const auto& pen = PenMut();
  SDL_Vertex vert;
  vert.position = p;
  vert.color = SDL_Color{ClampByte(pen.r), ClampByte(pen.g), ClampByte(pen.b), detail::PenAlpha8()};
  vert.tex_coord = SDL_FPoint{u, v};
  return vert;
}

// A filled convex polygon in the pen colour (screen-space corners).
void FillConvex(const std::vector<SDL_FPoint>& points) {
  if (points.size() < 3 || G().renderer == nullptr) return;
  auto& vertices = Rec().frame.vertices;
  DrawOp op = PenOp(OpKind::kGeometry);
  op.first = static_cast<std::uint32_t>(vertices.size());
  op.count = static_cast<std::uint32_t>(points.size());
  for (const auto& p : points) vertices.push_back(Vertex(p));
  Record(op);
}

void DestroyTarget() {
  auto& g = G();
  detail::CloseRenderer(g.renderer);  // frees every texture made on it
  g.overhang = nullptr;
  g.overhang_w = g.overhang_h = 0;
  g.turned.made.clear();
  g.turned.texels.clear();
  g.turned.bytes = 0;
  g.renderer = nullptr;
  g.canvas = nullptr;
  g.font = nullptr;
  g.direct = false;
  g.presented = nullptr;
  detail::FreeSurface(g.stretched);
  g.stretched = nullptr;
  detail::FreeSurface(g.surface);
  g.surface = nullptr;
  if (g.window != nullptr) SDL_DestroyWindow(g.window);
  g.window = nullptr;
  ResetRecorder();
}

bool OpenHeadless(std::string* error) {
  auto& g = G();
  g.surface = detail::MakeSurface(g.width, g.height, SDL_PIXELFORMAT_ARGB8888, "the screen");
  if (g.surface != nullptr) g.renderer = SDL_CreateSoftwareRenderer(g.surface);
  if (g.renderer == nullptr) {
    if (error) *error = std::string("Cannot create the off-screen target: ") + SDL_GetError();
    DestroyTarget();
    return false;
  }
  return true;
}

// The video drivers that make no window on any screen: SDL falls back on "offscreen" when no
// display answers (SDL_VIDEODRIVER unset from a text console or over ssh, an X server resetting);
// "dummy" and "evdev" start only when asked for.
bool ShowsNothing(const char* driver) {
  if (driver == nullptr) return true;
  for (const char* blind : {"offscreen", "dummy", "evdev"}) {
    if (SDL_strcasecmp(driver, blind) == 0) return true;
  }
  return false;
}

bool DriverAskedByName() {
  const char* asked = std::getenv("SDL_VIDEODRIVER");
  return asked != nullptr && *asked != '\0';
}

// Why no display was found, in the player's terms: which display variables are set, and the one
// driver that started.
std::string NoDisplayReason(const char* driver) {
  const char* x11 = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  std::string reason = x11 != nullptr && *x11 != '\0'
                           ? std::string("the X display \"") + x11 + "\" cannot be opened"
                           : std::string("DISPLAY is not set");
  reason += wayland != nullptr && *wayland != '\0'
                ? std::string(", the Wayland display \"") + wayland + "\" cannot be opened"
                : std::string(", no Wayland display was found");
  reason += std::string(", and the only video driver that started (") + (driver ? driver : "none") +
            ") shows no window";
  return reason;
}

// Starts the video system. A driver that shows nothing is refused (and the video system closed
// again) unless the player asked for drivers by name (SDL_VIDEODRIVER): a game nobody can see
// would hold the per-user folder with no way to end it. False with the reason in `refused`.
bool StartVideo(std::string* refused = nullptr) {
  if (SDL_WasInit(SDL_INIT_VIDEO) != 0) return true;
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    if (refused) *refused = SDL_GetError();
    return false;
  }
  const char* driver = SDL_GetCurrentVideoDriver();
  if (DriverAskedByName() || !ShowsNothing(driver)) return true;
  if (refused) *refused = NoDisplayReason(driver);
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
  return false;
}

// The logical screen of a window drawn by the processor: SDL's software renderer drawing in the
// window's own pixel format, so showing it is a copy (or a stretch) of the parts that changed
// with no conversion; or, where that format cannot be drawn in, SDL's software renderer of the
// window. False when neither can be made.
bool OpenSoftwareTarget() {
  auto& g = G();
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  const Uint32 format = SDL_GetWindowPixelFormat(g.window);
  if (SDL_BYTESPERPIXEL(format) == 4 && !SDL_ISPIXELFORMAT_INDEXED(format) &&
      !SDL_ISPIXELFORMAT_ALPHA(format)) {
    g.surface = detail::MakeSurface(g.width, g.height, format, "the screen");
    if (g.surface != nullptr) g.renderer = SDL_CreateSoftwareRenderer(g.surface);
    if (g.renderer != nullptr) {
      SDL_SetSurfaceBlendMode(g.surface, SDL_BLENDMODE_NONE);
      g.direct = true;
      return true;
    }
    detail::FreeSurface(g.surface);
    g.surface = nullptr;
  }
  SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
  g.renderer = SDL_CreateRenderer(g.window, -1, SDL_RENDERER_SOFTWARE);
  return g.renderer != nullptr;
}

// The renderer of an OpenGL window (or whatever SDL gives where it has none). OpenGL drawn by the
// processor (Mesa's rasterisers) costs several times what SDL's own software renderer does for the
// same 2D picture, most of it in showing the frame, so there the software target replaces it
// unless the options keep it.
bool OpenGlRenderer(Uint32 flags) {
  auto& g = G();
  g.renderer = SDL_CreateRenderer(g.window, -1, flags);
  if (g.renderer == nullptr) {
    std::cerr << "Warning: no accelerated renderer (" << SDL_GetError()
              << "), using the software renderer" << std::endl;
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
    g.renderer = SDL_CreateRenderer(g.window, -1, SDL_RENDERER_SOFTWARE);
  }
  if (g.renderer == nullptr) return false;
  g.software = detail::DrawsInSoftware(g.renderer);
  if (!g.software || g.keep_software_gl) return true;
  detail::CloseRenderer(g.renderer);
  g.renderer = nullptr;
  if (OpenSoftwareTarget()) return true;
  SDL_SetHint(SDL_HINT_RENDER_DRIVER, "opengl");
  g.renderer = SDL_CreateRenderer(g.window, -1, flags);
  return g.renderer != nullptr;
}

bool OpenWindow(std::string* error) {
  auto& g = G();
  std::string refused;
  if (!StartVideo(&refused) || SDL_InitSubSystem(SDL_INIT_EVENTS) != 0) {
    if (refused.empty()) refused = SDL_GetError();
    if (error) *error = "Cannot start the video system: " + refused;
    return false;
  }
  detail::WatchDisplay();
  // Where OpenGL would be drawn by the processor anyway, the window is made without it, so its
  // driver is never loaded (see gl_probe.h).
  const bool software_gl = !g.keep_software_gl && detail::ProbeOpenGl() == detail::GlKind::kSoftware;
  SDL_SetHint(SDL_HINT_RENDER_DRIVER, "opengl");
  SDL_SetHint(SDL_HINT_RENDER_BATCHING, "1");
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
  const Uint32 mode_flag = g.full_screen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0;
  // Full screen is asked of the window manager; a window that already covers the desktop is full
  // screen too where no window manager answers (a bare X server), instead of a small window whose
  // picture is drawn for the whole desktop.
  int x = SDL_WINDOWPOS_CENTERED, y = SDL_WINDOWPOS_CENTERED, w = g.width, h = g.height;
  SDL_DisplayMode desktop;
  if (g.full_screen && SDL_GetDesktopDisplayMode(0, &desktop) == 0) {
    x = y = 0;
    w = desktop.w;
    h = desktop.h;
  }
  const Uint32 gl_flag = software_gl ? 0 : SDL_WINDOW_OPENGL;
  g.window = SDL_CreateWindow(g.title.c_str(), x, y, w, h, gl_flag | mode_flag);
  if (g.window == nullptr && gl_flag != 0) {
    // No OpenGL at all: a plain window with whatever renderer SDL can give.
    std::cerr << "Warning: no OpenGL window (" << SDL_GetError() << "), trying without OpenGL"
              << std::endl;
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "");
    g.window = SDL_CreateWindow(g.title.c_str(), x, y, w, h, mode_flag);
  }
  if (g.window == nullptr) {
    if (error) *error = std::string("Cannot open the window: ") + SDL_GetError();
    return false;
  }
  Uint32 flags = SDL_RENDERER_ACCELERATED | SDL_RENDERER_TARGETTEXTURE;
  if (g.vsync) flags |= SDL_RENDERER_PRESENTVSYNC;
  g.software = software_gl;
  const bool made = software_gl ? OpenSoftwareTarget() : OpenGlRenderer(flags);
  if (!made) {
    if (error) *error = std::string("Cannot create a renderer: ") + SDL_GetError();
    DestroyTarget();
    return false;
  }
  // (Drawn directly, the renderer's own surface is the logical screen.)
  if (!g.direct) {
    g.canvas = detail::MakeTexture(g.renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, g.width,
                                   g.height, "the screen in a window");
    if (g.canvas != nullptr) {
      SDL_SetTextureBlendMode(g.canvas, SDL_BLENDMODE_NONE);
      SDL_SetTextureScaleMode(g.canvas, SDL_ScaleModeLinear);
      SDL_SetRenderTarget(g.renderer, g.canvas);
    } else {
      SDL_RenderSetLogicalSize(g.renderer, g.width, g.height);
    }
  }
  SDL_ShowCursor(g.cursor_visible ? SDL_ENABLE : SDL_DISABLE);
  EnableTextInput(detail::TextInputWanted());
  return true;
}

// The turned copy of part `src` of a texture, `turn` steps of kTurns clockwise about its centre,
// on a square (transparent around it) whose side holds it at any angle. Made on first use; a
// texture of nullptr when it cannot be made.
Turned TurnedFrame(SDL_Texture* texture, const SDL_Rect& src, int turn) {
  auto& g = G();
  const TurnedKey key{texture, src.x, src.y, src.w, src.h, turn};
  if (auto it = g.turned.made.find(key); it != g.turned.made.end()) return it->second;
  const int side = TurnedSide(src.w, src.h);
  const std::size_t bytes = static_cast<std::size_t>(side) * side * 4;
  if (g.turned.bytes + bytes > kTurnedMostBytes) g.turned.Forget(nullptr);
  int tw = 0, th = 0;
  SDL_QueryTexture(texture, nullptr, nullptr, &tw, &th);
  SDL_Texture* turned =
      detail::MakeTexture(g.renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, side, side, "a turned frame");
  if (turned == nullptr || tw <= 0 || th <= 0) {
    detail::FreeTexture(turned);
    return Turned{};
  }
  // SDL's software renderer samples triangles' texels without filtering: the turned copy is
  // scaled the same way (and in one pass, where filtering would stretch it into a picture of its
  // own first). OpenGL filters as the frame asks.
  SDL_ScaleMode scale = SDL_ScaleModeNearest;
  SDL_RendererInfo info;
  if (SDL_GetRendererInfo(g.renderer, &info) == 0 && (info.flags & SDL_RENDERER_SOFTWARE) == 0) {
    SDL_GetTextureScaleMode(texture, &scale);
  }
  SDL_SetTextureScaleMode(turned, scale);
  // Drawn with the triangles of the exact path, at the snapped angle, copying the texels as they
  // are (alpha included) onto a transparent square.
  const float rad = static_cast<float>(turn) * 2.0f * kPi / static_cast<float>(kTurns);
  const float c = std::cos(rad), s = std::sin(rad);
  const float hw = static_cast<float>(src.w) / 2.0f, hh = static_cast<float>(src.h) / 2.0f;
  const float mid = static_cast<float>(side) / 2.0f;
  const float u0 = static_cast<float>(src.x) / static_cast<float>(tw), v0 = static_cast<float>(src.y) / static_cast<float>(th);
  const float u1 = static_cast<float>(src.x + src.w) / static_cast<float>(tw);
  const float v1 = static_cast<float>(src.y + src.h) / static_cast<float>(th);
  const float local[4][4] = {{-hw, -hh, u0, v0}, {hw, -hh, u1, v0}, {hw, hh, u1, v1}, {-hw, hh, u0, v1}};
  SDL_Vertex corners[4];
  for (int i = 0; i < 4; ++i) {
    corners[i].position = SDL_FPoint{mid + local[i][0] * c - local[i][1] * s, mid + local[i][0] * s + local[i][1] * c};
    corners[i].color = SDL_Color{255, 255, 255, 255};
    corners[i].tex_coord = SDL_FPoint{local[i][2], local[i][3]};
  }
  const int indices[6] = {0, 1, 2, 0, 2, 3};
  SDL_Texture* target = SDL_GetRenderTarget(g.renderer);
  SDL_SetRenderTarget(g.renderer, turned);
  SDL_SetRenderDrawColor(g.renderer, 0, 0, 0, 0);
  SDL_RenderClear(g.renderer);
  SDL_SetTextureColorMod(texture, 255, 255, 255);
  SDL_SetTextureAlphaMod(texture, 255);
  SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_NONE);
  SDL_RenderGeometry(g.renderer, texture, corners, 4, indices, 6);
  // Only the part with any colour is drawn: the transparent rest would cost as much to blend.
  std::vector<Uint32> pixels(static_cast<std::size_t>(side) * side);
  Turned made{turned, SDL_Rect{0, 0, side, side}};
  if (SDL_RenderReadPixels(g.renderer, nullptr, SDL_PIXELFORMAT_ARGB8888, pixels.data(), side * 4) == 0) {
    int x0 = side, y0 = side, x1 = -1, y1 = -1;
    for (int y = 0; y < side; ++y) {
      for (int x = 0; x < side; ++x) {
        if ((pixels[static_cast<std::size_t>(y) * side + x] >> 24) == 0) continue;
        x0 = std::min(x0, x);
        y0 = std::min(y0, y);
        x1 = std::max(x1, x);
        y1 = std::max(y1, y);
      }
    }
    made.shown = x1 < 0 ? SDL_Rect{0, 0, 0, 0} : SDL_Rect{x0, y0, x1 - x0 + 1, y1 - y0 + 1};
    if (g.surface != nullptr && made.shown.w > 0) {
      HeldTexels held;
      held.area = made.shown;
      held.side = side;
      held.pixels.reserve(static_cast<std::size_t>(made.shown.w) * made.shown.h);
      for (int y = made.shown.y; y < made.shown.y + made.shown.h; ++y) {
        const auto begin = pixels.begin() + static_cast<std::ptrdiff_t>(y) * side + made.shown.x;
        held.pixels.insert(held.pixels.end(), begin, begin + made.shown.w);
      }
      g.turned.texels[turned] = std::move(held);
    }
  }
  SDL_SetRenderTarget(g.renderer, target);
  Rec().sent_clip_known = false;  // a new target drops the clip
  g.turned.made.emplace(key, made);
  g.turned.bytes += bytes;
  return made;
}

// Draws part `src` of a texture as DrawTexturedQuad does, turned by the pen's rotation, as a
// copy of its turned frame; false (nothing drawn) where that does not give the same picture to the
// eye: on a graphics card (triangles cost nothing there), a frame that is large, stretched, mirrored
// or scaled unevenly, or a solid draw (the turned frame's transparent corners would show).
bool DrawTurnedFrame(SDL_Texture* texture, const SDL_Rect& src, float x0, float y0, float x1, float y1,
                     float tx, float ty) {
  const auto& g = G();
  const auto& pen = PenMut();
  if (!g.use_turned || !(g.window == nullptr || g.software)) return false;
  if (detail::SdlBlend(pen.blend) == SDL_BLENDMODE_NONE) return false;
  if (src.w > kTurnedLargestSide || src.h > kTurnedLargestSide) return false;
  if (x1 - x0 != static_cast<float>(src.w) || y1 - y0 != static_cast<float>(src.h)) return false;
  if (pen.scale_x != pen.scale_y || pen.scale_x <= 0.0f) return false;
  const float steps = pen.rotation / 360.0f * static_cast<float>(kTurns);
  if (!std::isfinite(steps)) return false;
  int turn = static_cast<int>(std::lround(std::fmod(steps, static_cast<float>(kTurns))));
  turn = ((turn % kTurns) + kTurns) % kTurns;
  const Turned turned = TurnedFrame(texture, src, turn);
  if (turned.texture == nullptr) return false;
  if (turned.shown.w <= 0 || turned.shown.h <= 0) return true;  // nothing to see
  // The frame's centre goes where the exact turn puts it; the turned square is centred there.
  const SDL_FPoint centre = detail::TransformPoint((x0 + x1) / 2.0f, (y0 + y1) / 2.0f, tx, ty);
  const int side = TurnedSide(src.w, src.h);
  // Copies land on whole pixels with a whole size (the renderer would cut the fractions off):
  // the nearest ones.
  const float size = std::max(1.0f, std::round(static_cast<float>(side) * pen.scale_x));
  const float left = std::round(centre.x - size / 2.0f), top = std::round(centre.y - size / 2.0f);
  const float k = size / static_cast<float>(side);
  const SDL_Rect& part = turned.shown;
  const float x = std::round(static_cast<float>(part.x) * k), y = std::round(static_cast<float>(part.y) * k);
  const float w = std::round(static_cast<float>(part.x + part.w) * k) - x;
  const float h = std::round(static_cast<float>(part.y + part.h) * k) - y;
  if (w <= 0.0f || h <= 0.0f) return true;
  DrawOp op = PenOp(OpKind::kCopy);
  op.texture = turned.texture;
  op.src = part;
  op.dst = SDL_FRect{left + x, top + y, w, h};
  Record(op);
  return true;
}

}  // namespace

// ---- detail ---------------------------------------------------------------------------------

namespace detail {

const DrawState& Pen() { return PenMut(); }
SDL_Window* GfxWindow() { return G().window; }
SDL_Renderer* GfxRenderer() { return G().renderer; }
int GfxGeneration() { return G().generation; }

SDL_Rect LetterboxRect(int out_w, int out_h, int logical_w, int logical_h) {
  const float scale = std::min(static_cast<float>(out_w) / static_cast<float>(logical_w),
                               static_cast<float>(out_h) / static_cast<float>(logical_h));
  SDL_Rect box;
  box.w = static_cast<int>(std::lround(static_cast<float>(logical_w) * scale));
  box.h = static_cast<int>(std::lround(static_cast<float>(logical_h) * scale));
  box.x = (out_w - box.w) / 2;
  box.y = (out_h - box.h) / 2;
  return box;
}

void LetterboxToLogical(const SDL_Rect& box, int logical_w, int logical_h, float wx, float wy, int* lx,
                        int* ly) {
  if (box.w <= 0 || box.h <= 0) {
    *lx = static_cast<int>(std::floor(wx));
    *ly = static_cast<int>(std::floor(wy));
    return;
  }
  // Multiplied before dividing, so a window pixel on a logical pixel's edge (a scale of 1.2 has
  // no exact float) lands in that pixel rather than the one before.
  *lx = static_cast<int>(std::floor((static_cast<double>(wx) - box.x) * logical_w / box.w));
  *ly = static_cast<int>(std::floor((static_cast<double>(wy) - box.y) * logical_h / box.h));
}

void WindowToLogical(float wx, float wy, int* lx, int* ly) {
  const auto& g = G();
  int ww = 0, wh = 0;
  // Without an off-screen screen the renderer's own logical size is in force, and SDL has
  // already turned the event's position into logical pixels.
  if (g.window != nullptr && (g.canvas != nullptr || g.direct)) SDL_GetWindowSize(g.window, &ww, &wh);
  if (ww <= 0 || wh <= 0) {
    *lx = static_cast<int>(std::floor(wx));
    *ly = static_cast<int>(std::floor(wy));
    return;
  }
  LetterboxToLogical(LetterboxRect(ww, wh, g.width, g.height), g.width, g.height, wx, wy, lx, ly);
}

SDL_BlendMode SdlBlend(int blend) {
  switch (blend) {
    case BLEND_ALPHA:
    case BLEND_MASK:  // no alpha test here: mask drawing is alpha drawing of 0/255 alpha pixels
      return SDL_BLENDMODE_BLEND;
    case BLEND_LIGHT:
      return SDL_BLENDMODE_ADD;
    case BLEND_SHADE:
      return SDL_BLENDMODE_MOD;
    default:
      return SDL_BLENDMODE_NONE;
  }
}

Uint8 PenAlpha8() {
  const auto& pen = PenMut();
  if (SdlBlend(pen.blend) == SDL_BLENDMODE_NONE) return 255;
  return static_cast<Uint8>(std::lround(std::clamp(pen.alpha, 0.0f, 1.0f) * 255.0f));
}

SDL_FPoint TransformPoint(float lx, float ly, float tx, float ty) {
  const auto& pen = PenMut();
  const float x = lx * pen.scale_x;
  const float y = ly * pen.scale_y;
  return SDL_FPoint{x * pen.cos_r - y * pen.sin_r + tx + pen.origin_x,
                    x * pen.sin_r + y * pen.cos_r + ty + pen.origin_y};
}

void DrawTexturedQuad(SDL_Texture* texture, const SDL_Rect& src, float x0, float y0, float x1,
                      float y1, float tx, float ty) {
  SDL_Renderer* renderer = G().renderer;
  if (renderer == nullptr || texture == nullptr || src.w <= 0 || src.h <= 0) return;
  const auto& pen = PenMut();
  // Scale (with mirroring) about the drawing point, then rotation about it: exactly what a copy
  // with a flip, an angle and a centre does.
  const float ax = x0 * pen.scale_x, bx = x1 * pen.scale_x;
  const float ay = y0 * pen.scale_y, by = y1 * pen.scale_y;
  int flip = SDL_FLIP_NONE;
  if (bx < ax) flip |= SDL_FLIP_HORIZONTAL;
  if (by < ay) flip |= SDL_FLIP_VERTICAL;
  const float px = tx + pen.origin_x, py = ty + pen.origin_y;
  SDL_FRect dst{px + std::min(ax, bx), py + std::min(ay, by), std::fabs(bx - ax),
                std::fabs(by - ay)};
  if (dst.w <= 0 || dst.h <= 0) return;
  if (pen.rotation == 0.0f || std::fmod(pen.rotation, 90.0f) == 0.0f) {
    DrawOp op = PenOp(OpKind::kCopy);
    op.texture = texture;
    op.src = src;
    op.dst = dst;
    op.flip = flip;
    if (pen.rotation != 0.0f) {
      // Quarter turns: a turned copy, pixel-exact on the software renderer.
      op.angle = pen.rotation;
      op.centre = SDL_FPoint{px - dst.x, py - dst.y};
      op.first = 1;
    }
    Record(op);
  } else if (!DrawTurnedFrame(texture, src, x0, y0, x1, y1, tx, ty)) {
    // A turned quad is two textured triangles: exact for any angle, and on the software renderer
    // much cheaper than turning a copy of the texture for every draw.
    int tw = 0, th = 0;
    SDL_QueryTexture(texture, nullptr, nullptr, &tw, &th);
    if (tw <= 0 || th <= 0) return;
    const SDL_FPoint corners[4] = {TransformPoint(x0, y0, tx, ty), TransformPoint(x1, y0, tx, ty),
                                   TransformPoint(x1, y1, tx, ty), TransformPoint(x0, y1, tx, ty)};
    const float u0 = static_cast<float>(src.x) / static_cast<float>(tw);
    const float v0 = static_cast<float>(src.y) / static_cast<float>(th);
    const float u1 = static_cast<float>(src.x + src.w) / static_cast<float>(tw);
    const float v1 = static_cast<float>(src.y + src.h) / static_cast<float>(th);
    DrawTexturedCorners(texture, corners, u0, v0, u1, v1);
  }
}

void DrawTexturedCorners(SDL_Texture* texture, const SDL_FPoint corners[4], float u0, float v0,
                         float u1, float v1) {
  if (G().renderer == nullptr || texture == nullptr) return;
  auto& vertices = Rec().frame.vertices;
  DrawOp op = NewOp(OpKind::kGeometry);
  op.texture = texture;
  op.blend = SdlBlend(PenMut().blend);
  op.first = static_cast<std::uint32_t>(vertices.size());
  op.count = 4;
  vertices.push_back(Vertex(corners[0], u0, v0));
  vertices.push_back(Vertex(corners[1], u1, v0));
  vertices.push_back(Vertex(corners[2], u1, v1));
  vertices.push_back(Vertex(corners[3], u0, v1));
  Record(op);
}

void SendDrawing() { SendPending(); }

void AddDrawingPictures(std::unordered_set<const void*>* held) {
  const auto& g = G();
  for (const void* own : {static_cast<const void*>(g.surface), static_cast<const void*>(g.stretched),
                          static_cast<const void*>(g.canvas), static_cast<const void*>(g.font),
                          static_cast<const void*>(g.overhang)}) {
    if (own != nullptr) held->insert(own);
  }
  for (const auto& [key, turned] : g.turned.made) held->insert(turned.texture);
}

void TextureChanging(SDL_Texture* texture) {
  SendPending();
  Rec().must_draw = true;
  if (texture != nullptr) G().turned.Forget(texture);
}

void WindowNeedsPicture() { Rec().must_show = true; }

long FramesDrawn() { return Rec().drawn; }
long FramesSkipped() { return Rec().skipped; }
long FramesPartlyDrawn() { return Rec().partly; }
std::size_t FrameDrawsListed() { return Rec().frame.ops.size(); }
void UseTurnedFrames(bool on) { G().use_turned = on; }
void BlendCopiesOurselves(bool on) { G().own_blend = on; }

}  // namespace detail

// ---- Graphics mode --------------------------------------------------------------------------

bool GraphicsOpen(const GraphicsOptions& options, std::string* error) {
  GraphicsClose();
  auto& g = G();
  g.width = std::max(options.logical_width, 1);
  g.height = std::max(options.logical_height, 1);
  g.full_screen = options.full_screen;
  g.vsync = options.vsync;
  g.keep_software_gl = options.keep_software_gl;
  g.title = options.title;
  ++g.generation;
  ResetRecorder();
  const bool ok = IsHeadless() ? OpenHeadless(error) : OpenWindow(error);
  if (!ok) return false;
  PenMut().viewport = IRect{0, 0, g.width, g.height};
  ApplyClip();
  Cls();
  return true;
}

void GraphicsClose() {
  auto& g = G();
  if (g.renderer == nullptr && g.window == nullptr) return;
  DestroyTarget();
  ++g.generation;
}

// (A window whose display was lost is closed: nothing may be drawn into it.)
bool GraphicsIsOpen() { return G().renderer != nullptr && !DisplayLost(); }

bool FindDisplay(std::string* reason) {
  // (A video system already started has had its look.)
  if (IsHeadless() || SDL_WasInit(SDL_INIT_VIDEO) != 0) return true;
  // The video system is started for the look and closed again, so the start-up goes on as it
  // would without it. Meanwhile SDL must not take the quit signals: a SIGTERM it turned into a
  // quit event would be lost as the system closes, and the program is seen to handle SIGTERM
  // only once its window is open.
  const char* hint = SDL_GetHint(SDL_HINT_NO_SIGNAL_HANDLERS);
  const bool was_set = hint != nullptr;
  const std::string before = was_set ? hint : "";
  SDL_SetHintWithPriority(SDL_HINT_NO_SIGNAL_HANDLERS, "1", SDL_HINT_OVERRIDE);
  const bool found = StartVideo(reason);
  if (found) SDL_QuitSubSystem(SDL_INIT_VIDEO);
  SDL_SetHintWithPriority(SDL_HINT_NO_SIGNAL_HANDLERS, was_set ? before.c_str() : nullptr,
                          SDL_HINT_OVERRIDE);
  return found;
}

std::string GraphicsDriverName() {
  SDL_RendererInfo info;
  if (G().renderer == nullptr || SDL_GetRendererInfo(G().renderer, &info) != 0) return "";
  return info.name != nullptr ? info.name : "";
}

void GraphicsSetFullScreen(bool full_screen) {
  auto& g = G();
  g.full_screen = full_screen;
  if (g.window == nullptr) return;
  SDL_DisplayMode desktop;
  if (full_screen && SDL_GetDesktopDisplayMode(SDL_GetWindowDisplayIndex(g.window), &desktop) == 0) {
    // Covers the desktop first, for a bare X server where no window manager answers (see OpenWindow).
    SDL_SetWindowPosition(g.window, 0, 0);
    SDL_SetWindowSize(g.window, desktop.w, desktop.h);
  }
  SDL_SetWindowFullscreen(g.window, full_screen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
  Rec().must_show = true;
  if (!full_screen) {
    SDL_SetWindowSize(g.window, g.width, g.height);
    SDL_SetWindowPosition(g.window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
  }
}

bool GraphicsIsFullScreen() { return G().full_screen; }

void GraphicsSetTitle(const std::string& title) {
  G().title = title;
  if (G().window != nullptr) SDL_SetWindowTitle(G().window, title.c_str());
}

int GraphicsWidth() { return G().width; }
int GraphicsHeight() { return G().height; }

std::vector<GraphicsMode> GraphicsModes() {
  std::vector<GraphicsMode> modes;
  const auto& g = G();
  if (!IsHeadless() && StartVideo()) {
    SDL_DisplayMode desktop;
    if (SDL_GetDesktopDisplayMode(0, &desktop) == 0) {
      modes.push_back({desktop.w, desktop.h, 32, desktop.refresh_rate > 0 ? desktop.refresh_rate : 60});
    }
    const int count = SDL_GetNumDisplayModes(0);
    for (int i = 0; i < count; ++i) {
      SDL_DisplayMode mode;
      if (SDL_GetDisplayMode(0, i, &mode) != 0) continue;
      const GraphicsMode m{mode.w, mode.h, SDL_BITSPERPIXEL(mode.format) >= 24 ? 32 : 16,
                           mode.refresh_rate > 0 ? mode.refresh_rate : 60};
      const bool seen = std::any_of(modes.begin(), modes.end(), [&](const GraphicsMode& o) {
        return o.width == m.width && o.height == m.height && o.depth == m.depth && o.hertz == m.hertz;
      });
      if (!seen) modes.push_back(m);
    }
  }
  // Full screen is the desktop with the logical screen letterboxed on it, so the logical size is
  // always available, whatever modes the display lists.
  const int hertz = modes.empty() ? 60 : modes.front().hertz;
  for (const int rate : {hertz, 60}) {
    const bool seen = std::any_of(modes.begin(), modes.end(), [&](const GraphicsMode& o) {
      return o.width == g.width && o.height == g.height && o.depth == 32 && o.hertz == rate;
    });
    if (!seen) modes.push_back({g.width, g.height, 32, rate});
  }
  return modes;
}

void DesktopSize(int* width, int* height) {
  int w = 1024, h = 768;
  if (!IsHeadless() && StartVideo()) {
    SDL_DisplayMode desktop;
    if (SDL_GetDesktopDisplayMode(0, &desktop) == 0) {
      w = desktop.w;
      h = desktop.h;
    }
  }
  if (width) *width = w;
  if (height) *height = h;
}

void Flip(int sync) {
  auto& g = G();
  auto& rec = Rec();
  if (g.renderer == nullptr) return;
  // The frame is drawn unless it is sure to leave the target as it is: nothing drawn, or the same
  // draws as the frame on the target, starting by covering the whole screen, with no texture
  // changed since and nothing of it sent yet.
  const bool same = rec.frame.ops.empty() ||
                    (rec.frame.StandsAlone(g.width, g.height) && rec.frame == rec.shown);
  const bool draw = rec.must_draw || rec.sent > 0 || rec.overflowed || !same;
  bool partly = false;
  if (draw) {
    std::vector<SDL_Rect>& areas = rec.areas;
    if (!rec.must_draw && rec.sent == 0 && !rec.overflowed && rec.frame.StandsAlone(g.width, g.height) &&
        rec.shown.StandsAlone(g.width, g.height) && ChangedAreas(rec.frame, rec.shown, &areas)) {
      for (const SDL_Rect& area : areas) SendInside(rec.frame, area);
      ++rec.partly;
      partly = true;
    } else {
      SendPending();
    }
    if (rec.overflowed) {
      // Part of the frame is no longer listed: the next frame cannot be compared with it.
      rec.shown.ops.clear();
      rec.shown.vertices.clear();
    } else if (!rec.frame.ops.empty()) {
      std::swap(rec.frame, rec.shown);
    }
    ++rec.drawn;
  } else {
    ++rec.skipped;
  }
  rec.frame.ops.clear();
  rec.frame.vertices.clear();
  rec.sent = 0;
  rec.must_draw = false;
  rec.overflowed = false;
  // The kept overhang picture lives while frames use it.
  if (draw && !g.overhang_used && g.overhang != nullptr) {
    detail::FreeTexture(g.overhang);
    g.overhang = nullptr;
    g.overhang_w = g.overhang_h = 0;
  }
  g.overhang_used = false;
  if (g.window == nullptr) {
    SDL_RenderFlush(g.renderer);
    return;
  }
  const bool want_vsync = sync < 0 ? g.vsync : sync != 0;
  if (want_vsync != g.vsync) {
    SDL_RenderSetVSync(g.renderer, want_vsync ? 1 : 0);
    g.vsync = want_vsync;
  }
  if (g.direct) {
    if (draw || rec.must_show) {
      SDL_RenderFlush(g.renderer);
      Present(rec.must_show || !partly);
      rec.must_show = false;
    }
    PaceFrame(g);
    return;
  }
  // Without the canvas the window's own buffer is drawn into, and it does not keep its picture.
  if (g.canvas == nullptr && rec.must_show && !draw) {
    rec.must_draw = true;
    PaceFrame(g);
    return;
  }
  if (draw || rec.must_show) {
    rec.must_show = false;
    if (g.canvas != nullptr) {
      SDL_SetRenderTarget(g.renderer, nullptr);
      SDL_RenderSetClipRect(g.renderer, nullptr);
      SDL_SetRenderDrawColor(g.renderer, 0, 0, 0, 255);
      SDL_RenderClear(g.renderer);
      int out_w = 0, out_h = 0;
      SDL_GetRendererOutputSize(g.renderer, &out_w, &out_h);
      const SDL_Rect dst = LetterboxRect(out_w, out_h);
      // Shown pixel for pixel, filtering only costs time (much of it where OpenGL is drawn by
      // the processor) and changes nothing.
      const bool nearest = dst.w == g.width && dst.h == g.height;
      if (nearest != g.canvas_nearest) {
        SDL_SetTextureScaleMode(g.canvas, nearest ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
        g.canvas_nearest = nearest;
      }
      SDL_RenderCopy(g.renderer, g.canvas, nullptr, &dst);
      SDL_RenderPresent(g.renderer);
      SDL_SetRenderTarget(g.renderer, g.canvas);
      rec.sent_clip_known = false;
    } else {
      SDL_RenderPresent(g.renderer);
    }
  }
  PaceFrame(g);
}

bool FrameDue() {
  const auto& g = G();
  return g.window == nullptr || std::chrono::steady_clock::now() >= g.next_frame;
}

void SetClsColor(int r, int g, int b) { G().cls = Rgb{r, g, b}; }

void Cls() {
  auto& g = G();
  if (g.renderer == nullptr) return;
  const IRect& v = PenMut().viewport;
  const bool whole = v.x <= 0 && v.y <= 0 && v.x + v.w >= g.width && v.y + v.h >= g.height;
  DrawOp op = NewOp(whole ? OpKind::kClear : OpKind::kFillRect);
  op.rgba = PackRgba(g.cls.r, g.cls.g, g.cls.b, 255);
  op.blend = SDL_BLENDMODE_NONE;
  if (!whole) {
    op.dst = SDL_FRect{static_cast<float>(v.x), static_cast<float>(v.y), static_cast<float>(v.w),
                       static_cast<float>(v.h)};
  }
  Record(op);
}

void ShowMouse() {
  G().cursor_visible = true;
  if (SDL_WasInit(SDL_INIT_VIDEO) != 0) SDL_ShowCursor(SDL_ENABLE);
}

void HideMouse() {
  G().cursor_visible = false;
  if (SDL_WasInit(SDL_INIT_VIDEO) != 0) SDL_ShowCursor(SDL_DISABLE);
}

void MoveMouse(int x, int y) {
  auto& g = G();
  detail::NoteMousePosition(x, y);
  if (g.window == nullptr) return;
  int ww = 0, wh = 0;
  SDL_GetWindowSize(g.window, &ww, &wh);
  const SDL_Rect box = LetterboxRect(ww, wh);
  const float sx = static_cast<float>(box.w) / static_cast<float>(g.width);
  const float sy = static_cast<float>(box.h) / static_cast<float>(g.height);
  SDL_WarpMouseInWindow(g.window, box.x + static_cast<int>(std::lround(static_cast<float>(x) * sx)),
                        box.y + static_cast<int>(std::lround(static_cast<float>(y) * sy)));
}

// ---- Drawing state --------------------------------------------------------------------------

void SetColor(int r, int g, int b) {
  auto& pen = PenMut();
  pen.r = std::clamp(r, 0, 255);
  pen.g = std::clamp(g, 0, 255);
  pen.b = std::clamp(b, 0, 255);
}

void GetColor(int* r, int* g, int* b) {
  const auto& pen = PenMut();
  if (r) *r = pen.r;
  if (g) *g = pen.g;
  if (b) *b = pen.b;
}

void SetAlpha(float alpha) { PenMut().alpha = std::isnan(alpha) ? 0.0f : std::clamp(alpha, 0.0f, 1.0f); }
float GetAlpha() { return PenMut().alpha; }
void SetBlend(int blend) { PenMut().blend = blend; }
int GetBlend() { return PenMut().blend; }

void SetScale(float sx, float sy) {
  PenMut().scale_x = sx;
  PenMut().scale_y = sy;
}

void GetScale(float* sx, float* sy) {
  if (sx) *sx = PenMut().scale_x;
  if (sy) *sy = PenMut().scale_y;
}

void SetRotation(float degrees) {
  auto& pen = PenMut();
  pen.rotation = degrees;
  const float rad = degrees * kPi / 180.0f;
  pen.cos_r = std::cos(rad);
  pen.sin_r = std::sin(rad);
}

float GetRotation() { return PenMut().rotation; }

void SetOrigin(float x, float y) {
  PenMut().origin_x = x;
  PenMut().origin_y = y;
}

void GetOrigin(float* x, float* y) {
  if (x) *x = PenMut().origin_x;
  if (y) *y = PenMut().origin_y;
}

void SetHandle(float x, float y) {
  PenMut().handle_x = x;
  PenMut().handle_y = y;
}

void GetHandle(float* x, float* y) {
  if (x) *x = PenMut().handle_x;
  if (y) *y = PenMut().handle_y;
}

void SetViewport(int x, int y, int w, int h) {
  PenMut().viewport = IRect{x, y, w, h};
  ApplyClip();
}

void GetViewport(int* x, int* y, int* w, int* h) {
  const IRect& v = PenMut().viewport;
  if (x) *x = v.x;
  if (y) *y = v.y;
  if (w) *w = v.w;
  if (h) *h = v.h;
}

void SetLineWidth(float width) { PenMut().line_width = std::max(width, 0.0f); }

void ResetDrawState() {
  SetColor(255, 255, 255);
  SetAlpha(1.0f);
  SetBlend(BLEND_SOLID);
  SetScale(1.0f, 1.0f);
  SetRotation(0.0f);
  SetOrigin(0.0f, 0.0f);
  SetHandle(0.0f, 0.0f);
  SetLineWidth(1.0f);
  SetViewport(0, 0, G().width, G().height);
}

// ---- Primitives -----------------------------------------------------------------------------

void DrawRect(float x, float y, float w, float h) {
  auto& g = G();
  if (g.renderer == nullptr) return;
  const auto& pen = PenMut();
  const float x0 = -pen.handle_x, y0 = -pen.handle_y;
  const float x1 = x0 + w, y1 = y0 + h;
  if (pen.rotation == 0.0f) {
    const SDL_FPoint a = detail::TransformPoint(x0, y0, x, y);
    const SDL_FPoint b = detail::TransformPoint(x1, y1, x, y);
    const SDL_FRect rect{std::min(a.x, b.x), std::min(a.y, b.y), std::fabs(b.x - a.x),
                         std::fabs(b.y - a.y)};
    if (rect.w <= 0 || rect.h <= 0) return;
    DrawOp op = PenOp(OpKind::kFillRect);
    op.dst = rect;
    Record(op);
    return;
  }
  FillConvex({detail::TransformPoint(x0, y0, x, y), detail::TransformPoint(x1, y0, x, y),
              detail::TransformPoint(x1, y1, x, y), detail::TransformPoint(x0, y1, x, y)});
}

void DrawLine(float x1, float y1, float x2, float y2, bool draw_last_pixel) {
  auto& g = G();
  if (g.renderer == nullptr) return;
  const auto& pen = PenMut();
  const SDL_FPoint a = detail::TransformPoint(-pen.handle_x, -pen.handle_y, x1, y1);
  const SDL_FPoint b = detail::TransformPoint(x2 - x1 - pen.handle_x, y2 - y1 - pen.handle_y, x1, y1);
  if (pen.line_width > 1.5f) {
    // A thick line is a quad around the centre line.
    const float dx = b.x - a.x, dy = b.y - a.y;
    const float len = std::sqrt(dx * dx + dy * dy);
    if (len <= 0.0f) return;
    const float nx = -dy / len * pen.line_width * 0.5f, ny = dx / len * pen.line_width * 0.5f;
    FillConvex({{a.x + nx, a.y + ny}, {b.x + nx, b.y + ny}, {b.x - nx, b.y - ny}, {a.x - nx, a.y - ny}});
    return;
  }
  const float ax = std::floor(a.x), ay = std::floor(a.y);
  float bx = std::floor(b.x), by = std::floor(b.y);
  if (!draw_last_pixel) {
    const float dx = bx - ax, dy = by - ay;
    const float steps = std::max(std::fabs(dx), std::fabs(dy));
    if (steps < 1.0f) return;
    bx -= dx / steps;
    by -= dy / steps;
    if (steps < 1.5f) {
      DrawOp op = PenOp(OpKind::kPoint);
      op.dst = SDL_FRect{ax, ay, 0, 0};
      Record(op);
      return;
    }
    bx = std::round(bx);
    by = std::round(by);
  }
  DrawOp op = PenOp(OpKind::kLine);
  op.dst = SDL_FRect{ax, ay, bx, by};
  Record(op);
}

void DrawOval(float x, float y, float w, float h) {
  if (G().renderer == nullptr || w == 0.0f || h == 0.0f) return;
  const auto& pen = PenMut();
  const float rx = w / 2.0f, ry = h / 2.0f;
  const float cx = rx - pen.handle_x, cy = ry - pen.handle_y;
  const int segments = std::clamp(static_cast<int>(std::fabs(rx) + std::fabs(ry)), 12, 128);
  std::vector<SDL_FPoint> points;
  points.reserve(static_cast<std::size_t>(segments));
  for (int i = 0; i < segments; ++i) {
    const float t = 2.0f * kPi * static_cast<float>(i) / static_cast<float>(segments);
    points.push_back(detail::TransformPoint(cx + rx * std::cos(t), cy + ry * std::sin(t), x, y));
  }
  FillConvex(points);
}

void Plot(float x, float y) {
  auto& g = G();
  if (g.renderer == nullptr) return;
  DrawOp op = PenOp(OpKind::kPoint);
  op.dst = SDL_FRect{std::floor(x + PenMut().origin_x), std::floor(y + PenMut().origin_y), 0, 0};
  Record(op);
}

void DrawPoly(const std::vector<FPoint>& corners) {
  const auto& pen = PenMut();
  std::vector<SDL_FPoint> points;
  points.reserve(corners.size());
  for (const auto& c : corners) {
    points.push_back(detail::TransformPoint(c.x - pen.handle_x, c.y - pen.handle_y, 0.0f, 0.0f));
  }
  FillConvex(points);
}

// ---- Default font ---------------------------------------------------------------------------

namespace {

SDL_Texture* FontTexture() {
  auto& g = G();
  if (g.renderer == nullptr) return nullptr;
  if (g.font != nullptr && g.font_generation == g.generation) return g.font;
  constexpr int kCols = 16;
  const int tw = kCols * detail::kFontCellW, th = 16 * detail::kFontCellH;
  std::vector<Uint32> pixels(static_cast<std::size_t>(tw * th), 0);
  for (int ch = 0; ch < 256; ++ch) {
    const int ox = (ch % kCols) * detail::kFontCellW, oy = (ch / kCols) * detail::kFontCellH;
    for (int y = 0; y < detail::kFontCellH; ++y) {
      for (int x = 0; x < detail::kFontCellW; ++x) {
        const Uint32 a = detail::kDefaultFontCoverage[(ch * detail::kFontCellH + y) * detail::kFontCellW + x];
        pixels[static_cast<std::size_t>((oy + y) * tw + ox + x)] = (a << 24) | 0x00FFFFFFu;
      }
    }
  }
  detail::TextureChanging();
  g.font = detail::MakeTexture(g.renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, tw, th, "the font");
  if (g.font == nullptr) return nullptr;
  SDL_UpdateTexture(g.font, nullptr, pixels.data(), tw * 4);
  SDL_SetTextureScaleMode(g.font, SDL_ScaleModeLinear);
  g.font_generation = g.generation;
  return g.font;
}

}  // namespace

void DrawText(const std::string& text, float x, float y) {
  SDL_Texture* font = FontTexture();
  if (font == nullptr) return;
  auto& pen = PenMut();
  // Glyphs are coverage masks: in solid modes they are still drawn through their coverage, at
  // full strength, rather than as filled cells.
  const int saved_blend = pen.blend;
  const float saved_alpha = pen.alpha;
  if (detail::SdlBlend(pen.blend) == SDL_BLENDMODE_NONE) {
    pen.blend = BLEND_ALPHA;
    pen.alpha = 1.0f;
  }
  float pen_x = 0.0f;
  for (char32_t cp : CodePoints(text)) {
    if (cp > 255) cp = '?';
    const int col = static_cast<int>(cp) % 16, row = static_cast<int>(cp) / 16;
    const SDL_Rect src{col * detail::kFontCellW, row * detail::kFontCellH, detail::kFontCellW,
                       detail::kFontCellH};
    const float x0 = pen_x - pen.handle_x, y0 = -pen.handle_y;
    detail::DrawTexturedQuad(font, src, x0, y0, x0 + detail::kFontCellW, y0 + detail::kFontCellH, x, y);
    pen_x += detail::kFontCellW;
  }
  pen.blend = saved_blend;
  pen.alpha = saved_alpha;
}

int TextWidth(const std::string& text) { return CharCount(text) * detail::kFontCellW; }
int TextHeight(const std::string& /*text*/) { return detail::kFontCellH; }

}  // namespace platform

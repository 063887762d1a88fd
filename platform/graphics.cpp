#include "platform/graphics.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <iostream>
#include <thread>

#include "platform/graphics_internal.h"
#include "platform/input.h"
#include "platform/input_internal.h"
#include "platform/system.h"
#include "platform/text_encoding.h"

namespace platform {

namespace {

constexpr float kPi = 3.14159265358979323846f;

struct Gfx {
  SDL_Window* window = nullptr;
  SDL_Renderer* renderer = nullptr;
  SDL_Surface* surface = nullptr;  // headless target
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
};

Gfx& G() {
  static Gfx gfx;
  return gfx;
}

detail::DrawState& PenMut() {
  static detail::DrawState pen;
  return pen;
}

Uint8 ClampByte(int v) { return static_cast<Uint8>(std::clamp(v, 0, 255)); }

void ApplyClip() {
  auto& g = G();
  if (g.renderer == nullptr) return;
  const IRect& v = PenMut().viewport;
  if (v.x <= 0 && v.y <= 0 && v.x + v.w >= g.width && v.y + v.h >= g.height) {
    SDL_RenderSetClipRect(g.renderer, nullptr);
  } else {
    SDL_Rect clip{v.x, v.y, std::max(v.w, 0), std::max(v.h, 0)};
    SDL_RenderSetClipRect(g.renderer, &clip);
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

void SetDrawColorFromPen() {
  const auto& pen = PenMut();
  SDL_SetRenderDrawColor(G().renderer, ClampByte(pen.r), ClampByte(pen.g), ClampByte(pen.b),
                         detail::PenAlpha8());
  SDL_SetRenderDrawBlendMode(G().renderer, detail::SdlBlend(pen.blend));
}

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
  SetDrawColorFromPen();
  std::vector<SDL_Vertex> verts;
  verts.reserve(points.size());
  for (const auto& p : points) verts.push_back(Vertex(p));
  std::vector<int> indices;
  for (std::size_t i = 1; i + 1 < points.size(); ++i) {
    indices.push_back(0);
    indices.push_back(static_cast<int>(i));
    indices.push_back(static_cast<int>(i + 1));
  }
  SDL_RenderGeometry(G().renderer, nullptr, verts.data(), static_cast<int>(verts.size()),
                     indices.data(), static_cast<int>(indices.size()));
}

void DestroyTarget() {
  auto& g = G();
  if (g.renderer != nullptr) SDL_DestroyRenderer(g.renderer);  // frees every texture made on it
  g.renderer = nullptr;
  g.canvas = nullptr;
  g.font = nullptr;
  if (g.surface != nullptr) SDL_FreeSurface(g.surface);
  g.surface = nullptr;
  if (g.window != nullptr) SDL_DestroyWindow(g.window);
  g.window = nullptr;
}

bool OpenHeadless(std::string* error) {
  auto& g = G();
  g.surface = SDL_CreateRGBSurfaceWithFormat(0, g.width, g.height, 32, SDL_PIXELFORMAT_ARGB8888);
  if (g.surface != nullptr) g.renderer = SDL_CreateSoftwareRenderer(g.surface);
  if (g.renderer == nullptr) {
    if (error) *error = std::string("Cannot create the off-screen target: ") + SDL_GetError();
    DestroyTarget();
    return false;
  }
  return true;
}

// Whether the renderer's pixels are drawn by the processor: SDL's software renderer, or OpenGL
// served by Mesa's software rasterisers (a virtual display, a machine without a driver).
bool DrawsInSoftware(SDL_Renderer* renderer) {
  SDL_RendererInfo info;
  if (SDL_GetRendererInfo(renderer, &info) != 0) return false;
  if ((info.flags & SDL_RENDERER_SOFTWARE) != 0) return true;
  if (info.name == nullptr || std::strcmp(info.name, "opengl") != 0) return false;
  using GetString = const unsigned char* (*)(unsigned);
  const auto get_string = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
  if (get_string == nullptr) return false;
  constexpr unsigned kGlRenderer = 0x1F01;
  const auto* name = reinterpret_cast<const char*>(get_string(kGlRenderer));
  if (name == nullptr) return false;
  return std::strstr(name, "llvmpipe") != nullptr || std::strstr(name, "softpipe") != nullptr ||
         std::strstr(name, "Software Rasterizer") != nullptr;
}

bool OpenWindow(std::string* error) {
  auto& g = G();
  if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
    if (error) *error = std::string("Cannot start the video system: ") + SDL_GetError();
    return false;
  }
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
  g.window = SDL_CreateWindow(g.title.c_str(), x, y, w, h, SDL_WINDOW_OPENGL | mode_flag);
  if (g.window == nullptr) {
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
  g.renderer = SDL_CreateRenderer(g.window, -1, flags);
  if (g.renderer == nullptr) {
    std::cerr << "Warning: no accelerated renderer (" << SDL_GetError()
              << "), using the software renderer" << std::endl;
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
    g.renderer = SDL_CreateRenderer(g.window, -1, SDL_RENDERER_SOFTWARE);
  }
  if (g.renderer == nullptr) {
    if (error) *error = std::string("Cannot create a renderer: ") + SDL_GetError();
    DestroyTarget();
    return false;
  }
  g.software = DrawsInSoftware(g.renderer);
  g.canvas = SDL_CreateTexture(g.renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET,
                               g.width, g.height);
  if (g.canvas != nullptr) {
    SDL_SetTextureBlendMode(g.canvas, SDL_BLENDMODE_NONE);
    SDL_SetTextureScaleMode(g.canvas, SDL_ScaleModeLinear);
    SDL_SetRenderTarget(g.renderer, g.canvas);
  } else {
    SDL_RenderSetLogicalSize(g.renderer, g.width, g.height);
  }
  SDL_ShowCursor(g.cursor_visible ? SDL_ENABLE : SDL_DISABLE);
  EnableTextInput(detail::TextInputWanted());
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
  // Without the off-screen canvas the renderer's own logical size is in force, and SDL has
  // already turned the event's position into logical pixels.
  if (g.window != nullptr && g.canvas != nullptr) SDL_GetWindowSize(g.window, &ww, &wh);
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
  SDL_SetTextureColorMod(texture, ClampByte(pen.r), ClampByte(pen.g), ClampByte(pen.b));
  SDL_SetTextureAlphaMod(texture, PenAlpha8());
  SDL_SetTextureBlendMode(texture, SdlBlend(pen.blend));
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
  if (pen.rotation == 0.0f) {
    SDL_RenderCopyExF(renderer, texture, &src, &dst, 0.0, nullptr,
                      static_cast<SDL_RendererFlip>(flip));
  } else if (std::fmod(pen.rotation, 90.0f) == 0.0f) {
    // Quarter turns: a turned copy, pixel-exact on the software renderer.
    const SDL_FPoint centre{px - dst.x, py - dst.y};
    SDL_RenderCopyExF(renderer, texture, &src, &dst, pen.rotation, &centre,
                      static_cast<SDL_RendererFlip>(flip));
  } else {
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
  SDL_Renderer* renderer = G().renderer;
  if (renderer == nullptr || texture == nullptr) return;
  // Geometry carries the colour in its vertices; the texture itself stays unmodulated.
  SDL_SetTextureColorMod(texture, 255, 255, 255);
  SDL_SetTextureAlphaMod(texture, 255);
  SDL_SetTextureBlendMode(texture, SdlBlend(PenMut().blend));
  const SDL_Vertex verts[4] = {Vertex(corners[0], u0, v0), Vertex(corners[1], u1, v0),
                               Vertex(corners[2], u1, v1), Vertex(corners[3], u0, v1)};
  const int indices[6] = {0, 1, 2, 0, 2, 3};
  SDL_RenderGeometry(renderer, texture, verts, 4, indices, 6);
}

}  // namespace detail

// ---- Graphics mode --------------------------------------------------------------------------

bool GraphicsOpen(const GraphicsOptions& options, std::string* error) {
  GraphicsClose();
  auto& g = G();
  g.width = std::max(options.logical_width, 1);
  g.height = std::max(options.logical_height, 1);
  g.full_screen = options.full_screen;
  g.vsync = options.vsync;
  g.title = options.title;
  ++g.generation;
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

bool GraphicsIsOpen() { return G().renderer != nullptr; }

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
  if (!IsHeadless() && (SDL_WasInit(SDL_INIT_VIDEO) != 0 || SDL_InitSubSystem(SDL_INIT_VIDEO) == 0)) {
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
  if (!IsHeadless() && (SDL_WasInit(SDL_INIT_VIDEO) != 0 || SDL_InitSubSystem(SDL_INIT_VIDEO) == 0)) {
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
  if (g.renderer == nullptr) return;
  if (g.window == nullptr) {
    SDL_RenderFlush(g.renderer);
    return;
  }
  const bool want_vsync = sync < 0 ? g.vsync : sync != 0;
  if (want_vsync != g.vsync) {
    SDL_RenderSetVSync(g.renderer, want_vsync ? 1 : 0);
    g.vsync = want_vsync;
  }
  if (g.canvas != nullptr) {
    SDL_SetRenderTarget(g.renderer, nullptr);
    SDL_RenderSetClipRect(g.renderer, nullptr);
    SDL_SetRenderDrawColor(g.renderer, 0, 0, 0, 255);
    SDL_RenderClear(g.renderer);
    int out_w = 0, out_h = 0;
    SDL_GetRendererOutputSize(g.renderer, &out_w, &out_h);
    const SDL_Rect dst = LetterboxRect(out_w, out_h);
    SDL_RenderCopy(g.renderer, g.canvas, nullptr, &dst);
    SDL_RenderPresent(g.renderer);
    SDL_SetRenderTarget(g.renderer, g.canvas);
    ApplyClip();
  } else {
    SDL_RenderPresent(g.renderer);
  }
  PaceFrame(g);
}

void SetClsColor(int r, int g, int b) { G().cls = Rgb{r, g, b}; }

void Cls() {
  auto& g = G();
  if (g.renderer == nullptr) return;
  SDL_SetRenderDrawColor(g.renderer, ClampByte(g.cls.r), ClampByte(g.cls.g), ClampByte(g.cls.b), 255);
  const IRect& v = PenMut().viewport;
  if (v.x <= 0 && v.y <= 0 && v.x + v.w >= g.width && v.y + v.h >= g.height) {
    SDL_RenderClear(g.renderer);
  } else {
    SDL_SetRenderDrawBlendMode(g.renderer, SDL_BLENDMODE_NONE);
    const SDL_Rect area{v.x, v.y, v.w, v.h};
    SDL_RenderFillRect(g.renderer, &area);
  }
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
    SetDrawColorFromPen();
    SDL_RenderFillRectF(g.renderer, &rect);
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
  SetDrawColorFromPen();
  if (!draw_last_pixel) {
    const float dx = bx - ax, dy = by - ay;
    const float steps = std::max(std::fabs(dx), std::fabs(dy));
    if (steps < 1.0f) return;
    bx -= dx / steps;
    by -= dy / steps;
    if (steps < 1.5f) {
      SDL_RenderDrawPointF(g.renderer, ax, ay);
      return;
    }
    bx = std::round(bx);
    by = std::round(by);
  }
  SDL_RenderDrawLineF(g.renderer, ax, ay, bx, by);
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
  SetDrawColorFromPen();
  SDL_RenderDrawPointF(g.renderer, std::floor(x + PenMut().origin_x), std::floor(y + PenMut().origin_y));
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
  g.font = SDL_CreateTexture(g.renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, tw, th);
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

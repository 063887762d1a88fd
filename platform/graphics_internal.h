#pragma once
// Private to the platform library: the SDL side of the drawing layer shared by its source files.
// Nothing outside platform/ includes this header.

#include <SDL.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

#include "platform/types.h"

namespace platform::detail {

// The current drawing state (the pen), with the rotation's sine and cosine cached.
struct DrawState {
  int r = 255, g = 255, b = 255;
  float alpha = 1.0f;
  int blend = BLEND_SOLID;
  float scale_x = 1.0f, scale_y = 1.0f;
  float rotation = 0.0f;
  float cos_r = 1.0f, sin_r = 0.0f;
  float origin_x = 0.0f, origin_y = 0.0f;
  float handle_x = 0.0f, handle_y = 0.0f;
  IRect viewport{0, 0, 800, 600};
  float line_width = 1.0f;
};

const DrawState& Pen();

SDL_Window* GfxWindow();      // the game window, nullptr when none (always nullptr headless)
SDL_Renderer* GfxRenderer();  // the renderer drawing into the logical screen, nullptr when closed
// Grows each time a renderer is made, so textures made for an earlier one are known to be stale.
int GfxGeneration();

// ---- The window's display lost (display_lost.cpp) ----
// Watches the connection of a window just made: on X, a connection that breaks ends the program
// through OnDisplayLost's handler instead of Xlib's own end.
void WatchDisplay();
// Looks whether the window's Wayland connection has failed (SDL reads the compositor's events and
// keeps the failure); if so, ends the program through OnDisplayLost's handler. Called after each
// pass over the system's events.
void CheckDisplay();

// ---- Pictures alive (picture_count.cpp) ----
// Every surface and texture the drawing layer makes is made and freed through these, so that it is
// counted while it lives (see picture_count.h). `what` names what it is made for ("the font", "a
// frame of gfx/title.png"). The makers give nullptr as SDL does when the picture cannot be made.
SDL_Texture* MakeTexture(SDL_Renderer* renderer, Uint32 format, int access, int w, int h, std::string what);
// Releases the texture and destroys it: TextureReleased, then SDL_DestroyTexture.
void FreeTexture(SDL_Texture* texture);
// What a release does to the count, without destroying the texture. Only FreeTexture calls it in
// the game; a test calls it alone to stand for a release whose SDL_DestroyTexture never happens.
void TextureReleased(SDL_Texture* texture);
// Whether SDL took the count's memory functions: a texture then counts until SDL frees it, else
// until it is released (see picture_count.h).
bool TexturesCountUntilSdlFreesThem();
SDL_Surface* MakeSurface(int w, int h, Uint32 format, std::string what);
void FreeSurface(SDL_Surface* surface);
// Closes a renderer, which frees every texture made on it: first looks for textures of it that
// nothing holds (a lost texture is found here at the latest), then forgets them all.
void CloseRenderer(SDL_Renderer* renderer);
// Adds the pictures that the drawing layer holds itself (graphics.cpp: the screen, the canvas, the
// font, turned frames, the kept overhang picture) and those that images hold (image.cpp: each
// frame's texture of the current renderer).
void AddDrawingPictures(std::unordered_set<const void*>* held);
void AddImagePictures(std::unordered_set<const void*>* held);

// Window pixel position to logical screen position (not clamped: outside the letterbox gives
// coordinates outside the logical screen).
void WindowToLogical(float wx, float wy, int* lx, int* ly);
// The part of an out_w x out_h window the logical screen is shown in: as large as fits with its
// proportions kept, centred, with bars on the other sides.
SDL_Rect LetterboxRect(int out_w, int out_h, int logical_w, int logical_h);
// A window position mapped through that part to logical pixels (rounded down, not clamped).
void LetterboxToLogical(const SDL_Rect& box, int logical_w, int logical_h, float wx, float wy, int* lx,
                        int* ly);

SDL_BlendMode SdlBlend(int blend);
// The alpha modulation a draw in the current pen uses (solid drawing ignores alpha).
Uint8 PenAlpha8();

// Applies the pen's scale and rotation to a point relative to the drawing position, then adds the
// drawing position (tx, ty) and the origin.
SDL_FPoint TransformPoint(float lx, float ly, float tx, float ty);

// Draws part `src` of a texture as the local quad (x0, y0)-(x1, y1) (relative to the drawing
// position, before scale and rotation) placed at (tx, ty), in the pen's colour, alpha and blend.
void DrawTexturedQuad(SDL_Texture* texture, const SDL_Rect& src, float x0, float y0, float x1,
                      float y1, float tx, float ty);
// Same with explicit corner positions already in screen space (clockwise from top-left) and
// texture coordinates as fractions.
void DrawTexturedCorners(SDL_Texture* texture, const SDL_FPoint corners[4], float u0, float v0,
                         float u1, float v1);

// Draws are kept in a list until the frame is shown (see Flip). SendDrawing sends those waiting
// to the renderer: call it before reading the target. TextureChanging does that too and makes the
// frame be drawn in full: call it before a texture is made, filled or freed.
void SendDrawing();
// `texture`, when given, is the texture about to be filled or freed.
void TextureChanging(SDL_Texture* texture = nullptr);
// The window lost its picture (uncovered, resized): the next flip shows the frame again.
void WindowNeedsPicture();
// Frames drawn and frames left as they were (the same draws as the frame before) by Flip.
long FramesDrawn();
long FramesSkipped();
// Frames drawn only where they differ from the frame before (counted among those drawn).
long FramesPartlyDrawn();
// Draws of the frame being made still kept in its list (bounded, see Flip).
std::size_t FrameDrawsListed();
// Small turned frames drawn by the processor are copies of frames turned beforehand (on, the
// default) or exact triangles (off: for comparing the two).
void UseTurnedFrames(bool on);

// ---- Copies blended by our own loop (texture_blend.cpp) ----

// Pixels of a texture that the processor holds too: ARGB8888 rows of `pitch` pixels, covering the
// part `area` of a texture_w x texture_h texture.
struct Texels {
  const std::uint32_t* pixels = nullptr;
  int pitch = 0;
  SDL_Rect area{0, 0, 0, 0};
  int texture_w = 0, texture_h = 0;
};
// How a copy is drawn: the texture's colour and alpha modulation, blend mode and scale mode.
struct CopyStyle {
  Uint8 r = 255, g = 255, b = 255, a = 255;
  SDL_BlendMode blend = SDL_BLENDMODE_BLEND;
  bool nearest = true;
};
// Draws what SDL's software renderer draws for SDL_RenderCopyF of part `src` of the texture whose
// pixels `texels` hold to `dst`, on its target surface `target` (ARGB8888 or XRGB8888) clipped to
// `clip` (nullptr: none), pixel for pixel the same. False, having drawn nothing, for a copy SDL
// draws otherwise (its fast blender's unscaled unmodulated alpha blending, a filtered stretch,
// other blend modes or formats, source pixels not held): send that one to SDL.
bool BlendCopy(SDL_Surface* target, const Texels& texels, const SDL_Rect& src, const SDL_FRect& dst,
               const SDL_Rect* clip, const CopyStyle& style);
// Copies that BlendCopy can draw are drawn by it, and stretched copies overhanging the screen go
// through one kept picture (on, the default); or SDL draws them all its own way (off: for
// comparing the two).
void BlendCopiesOurselves(bool on);

// ---- Showing the screen in a window drawn by the processor (graphics_present.cpp) ----

// Where each of `dst` pixels along one axis takes its colour in a linear stretch of `src` pixels
// onto them, as SDL's linear stretch computes it: the pixels `first` and `second` mixed with
// `weight` (0..128) on the second.
struct LinearAxis {
  LinearAxis() = default;
  LinearAxis(int src, int dst);
  int src_n = 0, dst_n = 0;
  std::vector<int> first, second, weight;
};
// Writes the pixels of `area` (window pixels, clipped to `box` and `dst`) that a linear stretch of
// all of `src` onto `box` of `dst` gives, exactly as SDL_SoftStretchLinear does for the whole.
// Both surfaces hold 32-bit pixels of one format; `columns` and `rows` are the axes of src onto box.
void ScaleLinearArea(const SDL_Surface* src, SDL_Surface* dst, const SDL_Rect& box, const LinearAxis& columns,
                     const LinearAxis& rows, const SDL_Rect& area);
// The window pixels inside `box` whose colour a change of the logical rectangle `area` can reach
// when the logical screen is stretched onto `box`.
SDL_Rect WindowAreaOf(const SDL_Rect& box, int logical_w, int logical_h, const SDL_Rect& area);

// Default font: the glyph atlas (16 x 16 cells of 8 x 16 coverage bytes, Latin-1 order).
constexpr int kFontCellW = 8;
constexpr int kFontCellH = 16;
extern const unsigned char kDefaultFontCoverage[256 * kFontCellW * kFontCellH];

}  // namespace platform::detail

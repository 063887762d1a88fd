#pragma once
// The 2D drawing layer: one game window (or a headless software target) with a logical screen of
// fixed size, a global drawing state (colour, alpha, blend, scale, rotation, origin, handle,
// viewport) and images cut into frames. All coordinates are logical screen pixels (floats), y down.
//
// The state works like a pen: each setter stays in force until changed, and every draw call uses
// the state as it is at that moment. Two back-ends: the real one (SDL renderer on its OpenGL
// driver, in a window) and the headless one (SDL software renderer on a surface, no display).

#include <memory>
#include <string>
#include <vector>

#include "platform/types.h"

namespace platform {

class Image;
class Pixmap;
using ImageRef = std::shared_ptr<Image>;
using PixmapRef = std::shared_ptr<Pixmap>;

// ---- Graphics mode -------------------------------------------------------------------------

struct GraphicsMode {
  int width = 0, height = 0, depth = 0, hertz = 0;
};

struct GraphicsOptions {
  int logical_width = 800;   // the logical screen; the window is letterboxed onto it
  int logical_height = 600;
  bool full_screen = false;  // desktop full screen with letterbox
  bool vsync = true;
  std::string title = "Quillbrook";
  // Where OpenGL itself is drawn by the processor, the window is drawn by SDL's software renderer
  // instead (the same picture for a fraction of the processor time); true keeps OpenGL there
  // (for checking the OpenGL path on a machine without a graphics card).
  bool keep_software_gl = false;
};

// Opens the game window (or the headless target, see SetHeadless in system.h). The real window
// draws into an off-screen logical screen that Flip shows letterboxed, so GrabPixmap reads
// logical pixels in both back-ends. Returns false with
// a message in `error` when no window could be made. Closing is GraphicsClose; opening again
// replaces the window (images stay valid: they are re-uploaded as needed).
bool GraphicsOpen(const GraphicsOptions& options, std::string* error);
void GraphicsClose();
bool GraphicsIsOpen();
// Whether a display that shows windows can be reached, before anything else starts: false, with
// the reason in `reason`, when the only video driver that starts shows nothing ("offscreen", as
// SDL picks without DISPLAY or a Wayland display) and the player did not ask for drivers by name
// (SDL_VIDEODRIVER). Leaves the video system as it found it. Headless: always true.
bool FindDisplay(std::string* reason);
// The renderer in use: "opengl" in a normal window, "software" headless, where OpenGL is drawn by
// the processor, or as the last fall-back; "" when closed.
std::string GraphicsDriverName();
// Switches between window and full screen without losing images.
void GraphicsSetFullScreen(bool full_screen);
bool GraphicsIsFullScreen();
void GraphicsSetTitle(const std::string& title);
int GraphicsWidth();   // logical width (800)
int GraphicsHeight();  // logical height (600)
// The modes the display offers (the desktop mode first); a headless target lists 800x600x32x60.
std::vector<GraphicsMode> GraphicsModes();
// The desktop's size in pixels (headless: 1024 x 768).
void DesktopSize(int* width, int* height);

// Presents the back buffer; sync 1 waits for the vertical blank (when the driver allows), 0 not,
// -1 keeps the setting of the previous flip (at first the window's `vsync` option). In a window a
// flip comes back no sooner than one display frame after the previous one: where vsync does not
// hold it, it sleeps the rest of the frame, so a loop that flips never spins. Headless: no wait.
void Flip(int sync);
// Whether a frame is due: a flip now would not wait for the display (always true headless). Work
// that shows its progress between steps (loading) shows a frame only when one is due, so the
// display's pace never holds the work back.
bool FrameDue();
void SetClsColor(int r, int g, int b);
void Cls();  // clears the whole back buffer (inside the viewport) with the clear colour

// The system mouse pointer over the window.
void ShowMouse();
void HideMouse();
void MoveMouse(int x, int y);  // logical coordinates

// ---- Drawing state --------------------------------------------------------------------------

void SetColor(int r, int g, int b);  // components clamped to 0..255
void GetColor(int* r, int* g, int* b);
void SetAlpha(float alpha);  // clamped to 0..1
float GetAlpha();
void SetBlend(int blend);  // one of Blend
int GetBlend();
void SetScale(float sx, float sy);  // negative mirrors
void GetScale(float* sx, float* sy);
void SetRotation(float degrees);  // clockwise, about the image handle
float GetRotation();
void SetOrigin(float x, float y);  // added to every drawing position (screen shake)
void GetOrigin(float* x, float* y);
void SetHandle(float x, float y);  // extra handle for primitives (rects, lines, ovals, text)
void GetHandle(float* x, float* y);
void SetViewport(int x, int y, int w, int h);  // clip rectangle in logical pixels
void GetViewport(int* x, int* y, int* w, int* h);
void SetLineWidth(float width);
// Resets colour white, alpha 1, blend solid, scale 1, rotation 0, origin and handle 0, full viewport.
void ResetDrawState();

// ---- Primitives (use colour, alpha, blend, scale, rotation, origin, handle, viewport) --------

void DrawRect(float x, float y, float w, float h);
void DrawLine(float x1, float y1, float x2, float y2, bool draw_last_pixel = true);
void DrawOval(float x, float y, float w, float h);
void Plot(float x, float y);
// A quad given by four corners (clockwise from top-left), filled in the current colour.
void DrawPoly(const std::vector<FPoint>& corners);

// The built-in default text font (used when no bitmap font is set): a fixed 8 x 16 cell font
// covering Latin-1. Text is UTF-8.
void DrawText(const std::string& text, float x, float y);
int TextWidth(const std::string& text);
int TextHeight(const std::string& text);

// ---- Images ---------------------------------------------------------------------------------

void SetMaskColor(int r, int g, int b);
void GetMaskColor(int* r, int* g, int* b);
void SetDefaultImageFlags(int flags);  // starts at IMAGE_MASKED | IMAGE_FILTERED
int GetDefaultImageFlags();
// When on, every image loaded or created afterwards gets its handle at its centre.
void SetAutoMidHandle(bool on);
bool GetAutoMidHandle();

// An image with one or more frames of equal size, each with its pixels kept in memory (so they can
// be locked and read) and a texture made on first draw. Owned by shared references.
class Image {
 public:
  virtual ~Image() = default;
  virtual int Width() const = 0;   // of one frame
  virtual int Height() const = 0;
  virtual int Frames() const = 0;
  virtual void SetHandle(float x, float y) = 0;
  virtual float HandleX() const = 0;
  virtual float HandleY() const = 0;
  void MidHandle() { SetHandle(Width() / 2.0f, Height() / 2.0f); }
  virtual int Flags() const = 0;
  // Locks a frame's pixels for reading and writing; call UnlockFrame when done so the texture is
  // refreshed. Out-of-range frames give nullptr.
  virtual PixmapRef LockFrame(int frame) = 0;
  virtual void UnlockFrame(int frame) = 0;
  // Makes the frame's texture now rather than at first draw.
  virtual void Precache(int frame) = 0;
  // The part of a frame that DrawImage shows, as fractions of the frame (0..1): left, top, right,
  // bottom. Default (0, 0, 1, 1).
  virtual void SetFrameRect(int frame, float left, float top, float right, float bottom) = 0;
};

// Loads a PNG or JPEG file (path resolved without regard to letter case). nullptr on failure; when
// the file is there but refused unread (not a plain file, or past the bound of a picture file: see
// ReadBoundedFile), `refused` gets the reason.
ImageRef LoadImage(const std::string& path, int flags = IMAGE_DEFAULT_FLAGS,
                   std::string* refused = nullptr);
// Loads an image and cuts it into frames of cell_w x cell_h, row by row, starting at cell `first`.
ImageRef LoadAnimImage(const std::string& path, int cell_w, int cell_h, int first, int count,
                       int flags = IMAGE_DEFAULT_FLAGS, std::string* refused = nullptr);
// Same from bytes already in memory (PNG or JPEG).
ImageRef LoadImageFromMemory(const std::vector<unsigned char>& bytes, int flags = IMAGE_DEFAULT_FLAGS);
ImageRef CreateImage(int width, int height, int frames = 1, int flags = IMAGE_DEFAULT_FLAGS);
ImageRef LoadImageFromPixmap(const PixmapRef& pixmap, int flags = IMAGE_DEFAULT_FLAGS);
// Lets go of the pixels that pictures read from files still hold for frames not drawn yet (a
// picture the game reads back keeps them): such a frame is read from its file again when it is
// first drawn. For a moment when the pictures a screen needs are already drawn or precached.
void ReleaseUndrawnPixels();
// Copies a rectangle of the back buffer (logical pixels) into frame `frame` of an image.
void GrabImage(const ImageRef& image, int x, int y, int frame = 0);
PixmapRef GrabPixmap(int x, int y, int w, int h);

// Draws a frame with its handle at (x, y) under the current state. Frames out of range are ignored.
void DrawImage(const ImageRef& image, float x, float y, int frame = 0);
// Draws a frame stretched to w x h; the handle is not stretched (it stays in image pixels), then
// scale and rotation apply as for DrawImage.
void DrawImageRect(const ImageRef& image, float x, float y, float w, float h, int frame = 0);
// Draws the source rectangle (sx, sy, sw, sh) of a frame into the destination rectangle at (x, y)
// of size (w, h). As for DrawImageRect the image handle is not stretched: the destination
// rectangle's top-left corner goes where the image's top-left corner would go, then scale and
// rotation apply as for DrawImage (used for bitmap-font glyphs). Source rectangles are whole pixels.
void DrawSubImageRect(const ImageRef& image, float x, float y, float w, float h, float sx, float sy,
                      float sw, float sh, int frame = 0);
// Draws a frame mapped onto a quad: corners relative to (x, y), clockwise from top-left; the
// current scale and rotation apply to the corners, then the origin is added. The frame rectangle
// (SetFrameRect) chooses the part of the frame shown.
void DrawImageQuad(const ImageRef& image, float x, float y, const FPoint corners[4], int frame = 0);

// ---- Pixmaps --------------------------------------------------------------------------------

// 32-bit pixels in memory, read and written as 0xAARRGGBB.
class Pixmap {
 public:
  Pixmap(int width, int height);
  int Width() const { return width_; }
  int Height() const { return height_; }
  int Pitch() const { return width_ * 4; }
  // Out-of-range reads give 0; out-of-range writes are ignored.
  Argb ReadPixel(int x, int y) const;
  void WritePixel(int x, int y, Argb argb);
  void Fill(Argb argb);
  Argb* Pixels() { return pixels_.data(); }
  const Argb* Pixels() const { return pixels_.data(); }
  // A copy of a window of this pixmap, clipped to it.
  PixmapRef Window(int x, int y, int w, int h) const;

 private:
  int width_, height_;
  std::vector<Argb> pixels_;
};

PixmapRef CreatePixmap(int width, int height);
// Reads a PNG or JPEG into a pixmap (nullptr on failure).
PixmapRef LoadPixmap(const std::string& path);
// Writes a PNG (compression 0..9) through the atomic file writer. False on failure.
bool SavePixmapPNG(const Pixmap& pixmap, const std::string& path, int compression = 6);

// ---- Collision layers ----------------------------------------------------------------------
// 32 layers chosen by bit masks. Writing records the opaque pixels of a frame drawn at a whole-
// pixel position (with the image handle, no scale or rotation) tagged by `tag`; testing returns the
// tags whose pixels overlap. Tags are opaque pointers owned by the caller.

// Clears the layers in `mask`; a mask of 0 clears every layer.
void ResetCollisions(unsigned mask = 0xFFFFFFFFu);
// Tests the image frame at (x, y) against `test_mask`, then writes it into `write_mask` layers.
std::vector<void*> CollideImage(const ImageRef& image, int x, int y, int frame, unsigned test_mask,
                                unsigned write_mask, void* tag);
std::vector<void*> CollideRect(int x, int y, int w, int h, unsigned test_mask, unsigned write_mask,
                               void* tag);

}  // namespace platform

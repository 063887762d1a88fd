#pragma once
// Image drawing and pixel helpers over the drawing layer: images with a drop shadow, centred, in
// light blending or in part; clipping to a window; dimming; clearing and flipping; loading with
// the fatal-error convention; and pixel work (rectangle copies, mirrored copies, compositing onto
// a pixmap, packing 32-bit colours). Coordinates are logical screen pixels.

#include <cstdint>
#include <string>

#include "platform/audio.h"
#include "platform/graphics.h"

class ccDropShadow;

// Packed colours 0xAARRGGBB. ARGB_Color adds the shifted components (a component above 255
// spills into the next byte); the readers mask to 0..255.
int ARGB_Alpha(std::uint32_t argb);
int ARGB_Red(std::uint32_t argb);
int ARGB_Green(std::uint32_t argb);
int ARGB_Blue(std::uint32_t argb);
std::uint32_t ARGB_Color(int alpha, int red, int green, int blue);

// Frame 0 at (x, y); with a shadow, first a copy at the shadow's offset between its Apply and
// Restore. All drawing functions return 0.
int ccDrawImage(const platform::ImageRef& image, float x, float y, ccDropShadow* shadow = nullptr);
// ccDrawImage centred on the logical screen (integer halves).
int ccDrawImageCentred(const platform::ImageRef& image, ccDropShadow* shadow = nullptr);
// Additive blending in colour glow * 255 * (red, green, blue); afterwards alpha blending and white.
int ccDrawImageLight(const platform::ImageRef& image, float x, float y, float glow, float red,
                     float green, float blue, int frame);
// Draws the source rectangle (sx, sy, sw, sh) of a frame with its top-left corner where the
// image's top-left corner would be drawn; a rectangle past the right or bottom edge is cut there.
int ccDrawImageArea(const platform::ImageRef& image, float x, float y, float sx, float sy, float sw,
                    float sh, int frame);
// Makes a new image of that window of frame 0 and draws it at (x, y) (one-off use).
int ccDrawImageRect(const platform::ImageRef& image, float x, float y, int sx, int sy, int width,
                    int height);
// Draws the part of frame 0 placed at (x, y) that lies inside the viewport (vx, vy, vw, vh),
// shifted by (off_x, off_y); nothing when no part lies inside.
int ccClipImageToViewport(const platform::ImageRef& image, float x, float y, float vx, float vy,
                          float vw, float vh, int off_x, int off_y);
// Viewport (x, y, width, height), frame at (x, y), viewport back to the whole screen.
int ccCopyRect(const platform::ImageRef& image, int x, int y, int width, int height, int frame);
// Raw copy of a rectangle of frame 0's pixels (alpha included), clipped to both images.
int ccCopyImageRect(const platform::ImageRef& source, int x, int y, int width, int height,
                    const platform::ImageRef& target, int tx, int ty);
// Pixel copy with mirroring: flip 0 none, 1 left-right, 2 upside down, 3 both, other: nothing.
int ccCopyImageToImage(const platform::ImageRef& source, int x, int y, int width, int height,
                       const platform::ImageRef& target, int tx, int ty, int flip);
// Composites a frame onto a pixmap at (x, y) with alpha scaled by `alpha_scale` and colours by
// `brightness`, clipped to the pixmap; components are clamped to 0..255. A null image throws
// ccFatalError("image doesnt exist").
int ccDrawOnPixmap(const platform::ImageRef& image, int frame, platform::Pixmap& pixmap, int x, int y,
                   float alpha_scale, float brightness);
// Filled rectangle in the current colour; with a shadow first a copy at the shadow's offset
// (the alpha is 1.0 after a shadowed call).
int ccDrawRect(float x, float y, float width, float height, ccDropShadow* shadow = nullptr);
// One-pixel outline of the pixels x .. x + width - 1, y .. y + height - 1.
int ccDrawRectOutline(int x, int y, int width, int height);
// Black rectangle at `alpha` with alpha blending, then white at alpha 1.0 (blend stays alpha).
int ccDimArea(float alpha, int x, int y, int width, int height);
int ccDimScreen(float alpha);
// Blocking fade of a snapshot of the screen over `length` ms (out: from full to nothing), setting
// the channel's volume along (when given); ends early on a key or click.
int ccFadeScreen(int length, int out, const platform::ChannelRef& channel);
// Clear colour + clear + ccFlip / no flip / flip with sync 1.
int ccCls(int red, int green, int blue);
int ccClsNoFlip(int red, int green, int blue);
int ccClsVSync(int red, int green, int blue);
// Flips with ccFlipSync.
int ccFlip();
// Does nothing on this platform.
int ccVWait();
// on: the handle becomes the image's centre; off: (0, 0).
int ccMidhandle(const platform::ImageRef& image, int on);
// Solid blending, alpha 1.0, colour white.
int ccRestoreSolidMode();
// Builds every frame's texture now rather than at first draw.
int ccCreateFrames(const platform::ImageRef& image);
// 1 when the rectangle touches an opaque pixel of the frame drawn at (x, y), else 0.
int ccImageRectCollide(const platform::ImageRef& image, float x, float y, int frame, float rx,
                       float ry, float rw, float rh);
// Loads an image; never null: the fatal error "Error loading bitmap " + path (as
// ccDataFileName gives it).
platform::ImageRef ccLoadBitmap(const std::string& path, int flags);
// Loads an image cut into `count` cells from cell `first`; never null: the fatal error
// "Error loading anim bitmap " + path.
platform::ImageRef ccLoadAnimBitmap(const std::string& path, int cell_width, int cell_height,
                                    int first, int count, int flags);

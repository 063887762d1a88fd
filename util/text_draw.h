#pragma once
// Text drawing with drop shadows, in the current image font: left-aligned, centred on a point or
// the screen, right-aligned, letter-spaced, and digit strings drawn from frames of a digit image.
//
// The image font. The library sits below the sprite library, so it does not know TBitmapFont;
// it draws through the abstract ccImageFont below. The sprite library's bitmap font implements
// it, and `ccSetImageFont` makes a font current ("the drawing layer's current image font");
// with none set, the drawing layer's built-in default font is used. Everything here uses the
// drawing layer's current colour, alpha, blend mode, scale, rotation and origin.

#include <memory>
#include <span>
#include <string>

#include "platform/graphics.h"

// A font that text can be drawn in. Glyphs are numbered by the font (GlyphIndex); text is UTF-8.
class ccImageFont {
 public:
  virtual ~ccImageFont() = default;
  // Width in pixels of `text` drawn at scale 1 (may be fractional; the library truncates it
  // toward zero where it needs whole pixels).
  virtual double TextWidth(const std::string& text) const = 0;
  // Height in whole pixels of a line of `text` at scale 1.
  virtual int TextHeight(const std::string& text) const = 0;
  // Draws `text` with its top-left corner at (x, y) under the current drawing state.
  virtual void DrawText(const std::string& text, float x, float y) const = 0;
  // Glyph of a character (a code point), negative when the font has none.
  virtual int GlyphIndex(char32_t character) const = 0;
  // Pen advance after the glyph, and where its picture is drawn relative to the pen, in font
  // pixels at scale 1.
  virtual float GlyphAdvance(int glyph) const = 0;
  virtual int GlyphOffsetX(int glyph) const = 0;
  virtual int GlyphOffsetY(int glyph) const = 0;
  // Draws the glyph's picture with its top-left corner at (x, y) (offsets already applied by the
  // caller) under the current colour, alpha, blend, scale and rotation; nothing when the glyph
  // has no picture.
  virtual void DrawGlyph(int glyph, float x, float y) const = 0;
};

// Makes `font` the current image font; nullptr selects the built-in default font. Returns 0.
int ccSetImageFont(std::shared_ptr<ccImageFont> font);
// The current image font (the built-in default font when none is set); never null.
std::shared_ptr<ccImageFont> ccGetImageFont();
// The built-in default font of the drawing layer as a ccImageFont.
std::shared_ptr<ccImageFont> ccDefaultImageFont();
// Width (truncated toward zero to whole pixels) and height of text in the current image font.
int ccTextWidth(const std::string& text);
int ccTextHeight(const std::string& text);

// Text with its top-left corner at (x, y); snap: x and y become Floor(v + 0.5); shadow: drawn
// through ccShadowText. All of this family return 0.
int ccDrawText(const std::string& text, float x, float y, int shadow, int snap);
// align 0: ccDrawText; 1: ccDrawTextCentred; 2: ccDrawTextRight; any other value draws nothing.
int ccDrawTextAligned(const std::string& text, float x, float y, int shadow, int align, int snap);
// Centred horizontally on x, top at y, compensating the current scale.
int ccDrawTextCentred(const std::string& text, float x, float y, int shadow, int snap);
// As ccDrawTextCentred, then x alone snapped.
int ccDrawTextCentredRoundX(const std::string& text, float x, float y, int shadow);
// Centred horizontally on the screen, top at y, compensating the current scale.
int ccDrawTextCentre(const std::string& text, float y, int shadow, int snap);
// Centred on the screen both ways, in whole pixels, without scale compensation.
int ccDrawTextCentreAll(const std::string& text, int shadow, int snap);
// Text ending at x.
int ccDrawTextRight(const std::string& text, float x, float y, int shadow, int snap);
// Text with `spacing` extra screen pixels between characters; the Rounded form floors each
// glyph's x.
int ccDrawTextSpaced(const std::string& text, float x, float y, int spacing);
int ccDrawTextSpacedRounded(const std::string& text, float x, float y, int spacing);
// Text with its drop shadow (black at ccShadowTextAlpha * ccTextAlpha, offset by
// ccShadowTextDepthX/Y), then the text at ccTextAlpha in the current colour; centre: centred on
// x. The blend mode and colour are restored; the alpha is left at ccTextAlpha.
int ccShadowText(float x, float y, const std::string& text, int centre);
// Sets ccShadowTextDepthX, ccShadowTextDepthY and ccShadowTextAlpha. Returns 0.
int ccShadowTextSet(float depth_x, float depth_y, float alpha);

// Digits drawn as frames of a digit image (frame k shows digit k; a non-digit counts as 0), each
// `spacing` pixels after the previous (0: the image's width); centre: centred on x (snapX then
// rounds x). Returns 0.
int ccDrawNumbers(const std::string& digits, float x, float y, const platform::ImageRef& image,
                  float spacing, int centre, int snap_x);
// Digits with per-digit advances and x offsets (tables indexed by digit 0..9; a missing entry
// counts as 0); advances, offsets and gap are multiplied by `scale`. Returns the width, rounded.
int ccDrawNumbersVariableWidth(const std::string& digits, float x, float y,
                               const platform::ImageRef& image, std::span<const int> widths,
                               std::span<const int> offsets, float gap, int centre, int snap_x,
                               float scale);
// The drawn width of such a digit string: sum of (width + gap) * scale less one gap * scale.
float ccDrawNumbersVariableWidthCalcWidth(const std::string& digits, std::span<const int> widths,
                                          std::span<const int> offsets, float gap, float scale);

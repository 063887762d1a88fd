#pragma once
// Drawing surface of the picture generator: a Cairo surface drawn at twice the logical size and
// box-filtered down when saved, so every edge is anti-aliased the same way. Colours, fonts and the
// shapes that many pictures share (rounded boards, suits, golf balls, outlined text) live here too.

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace art {

struct Rgb {
  double r = 0, g = 0, b = 0, a = 1;
};

// "#RRGGBB" as 0xRRGGBB.
Rgb Hex(std::uint32_t rgb, double alpha = 1.0);
Rgb Mix(const Rgb& a, const Rgb& b, double t);
Rgb Lighter(const Rgb& c, double t);  // towards white
Rgb Darker(const Rgb& c, double t);   // towards black
Rgb WithAlpha(const Rgb& c, double a);

// The art direction's palette.
namespace pal {
inline const Rgb Fairway = Hex(0x3F8F3A);
inline const Rgb LightGrass = Hex(0x7CC26A);
inline const Rgb DeepGreen = Hex(0x23562A);
inline const Rgb SkyTop = Hex(0x8ECAF0);
inline const Rgb SkyLow = Hex(0xD9F0FF);
inline const Rgb Cloud = Hex(0xFFFFFF, 0.85);
inline const Rgb Sand = Hex(0xE9D59C);
inline const Rgb Water = Hex(0x3C8DD6);
inline const Rgb WaterLight = Hex(0x9FD3FF);
inline const Rgb Wood = Hex(0x8B5A2B);
inline const Rgb DarkWood = Hex(0x5A3A1C);
inline const Rgb Brass = Hex(0xC9A227);
inline const Rgb BrassLight = Hex(0xF3D77A);
inline const Rgb CardWhite = Hex(0xFBFBF6);
inline const Rgb CardEdge = Hex(0x3A3A3A);
inline const Rgb Red = Hex(0xC62828);
inline const Rgb Black = Hex(0x1C1C1C);
inline const Rgb WaterTint = Hex(0xD8E9FA);
inline const Rgb Cream = Hex(0xFFF6DC);
inline const Rgb Warning = Hex(0xD84315);
}  // namespace pal

// Font faces the pictures use (files of Debian's font packages).
enum class Face { SansBold, SansNarrowBold, Bookman, Gothic, Serif, SansCondBold, Script };

class Canvas {
 public:
  // A picture of w x h logical pixels, drawn at `scale` times that size.
  Canvas(int w, int h, int scale = 2);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  cairo_t* cr() const { return cr_; }
  int w() const { return w_; }
  int h() const { return h_; }

  // Box-filters to the logical size and writes the file; false (with errno-style message in
  // `error`) when the file cannot be written.
  bool SavePng(const std::string& path, std::string& error) const;
  bool SaveJpeg(const std::string& path, int quality, std::string& error) const;
  // The logical-size pixels, premultiplied ARGB32 rows (used by the saves and the contact sheet).
  std::vector<std::uint32_t> Downsampled() const;

 private:
  int w_, h_, scale_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

// --- drawing helpers (all in logical pixels) ---
void SetColor(cairo_t* cr, const Rgb& c);
void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
void FillRoundedRect(cairo_t* cr, double x, double y, double w, double h, double r, const Rgb& c);
// Soft drop shadow of a rounded rectangle: several widening translucent layers.
void SoftShadow(cairo_t* cr, double x, double y, double w, double h, double r, double alpha,
                double spread);
// A shadow inside the rounded window (x, y, w, h, r) along its top and left edges: `layers` thin
// black strokes of `alpha`, each a pixel further in.
void InnerShadow(cairo_t* cr, double x, double y, double w, double h, double r, int layers,
                 double alpha);
void VerticalGradient(cairo_t* cr, double x, double y, double w, double h, const Rgb& top,
                      const Rgb& bottom);
// Fills the current path with `fill`, then strokes it `width` wide in `line`.
void FillAndStroke(cairo_t* cr, const Rgb& fill, const Rgb& line, double width);
// Strokes the current path dashed (`on` drawn, `off` left out), then returns to solid lines.
void DashedStroke(cairo_t* cr, double on, double off);
void Circle(cairo_t* cr, double x, double y, double r);
void FillCircle(cairo_t* cr, double x, double y, double r, const Rgb& c);
// An ellipse centred on (cx, cy) added to the current path (joined to its current point, if any).
void EllipsePath(cairo_t* cr, double cx, double cy, double rx, double ry);
void FillEllipse(cairo_t* cr, double cx, double cy, double rx, double ry, const Rgb& c);
// A circle of radius r on (cx, cy) squashed vertically to `squash` of its height (a patch of
// ground seen at a slant).
void FillSquashedCircle(cairo_t* cr, double cx, double cy, double r, double squash, const Rgb& c);
// A soft round glow: colour at the centre fading to transparent at radius r.
void RadialGlow(cairo_t* cr, double x, double y, double r, const Rgb& c);

// Suits: 0 clubs, 1 diamonds, 2 hearts, 3 spades, centred on (cx, cy), `size` high.
void SuitPath(cairo_t* cr, int suit, double cx, double cy, double size);
void FillSuit(cairo_t* cr, int suit, double cx, double cy, double size, const Rgb& c);
Rgb SuitColor(int suit);

// A white golf ball with dimples, lit from the top left.
void GolfBall(cairo_t* cr, double cx, double cy, double r);
// A gold coin with a rim and an embossed mark.
void GoldCoin(cairo_t* cr, double cx, double cy, double r);
// A wooden board with a brass rim (signs, buttons, dialogs). `bright` > 0 lightens it (mouse-over).
void WoodBoard(cairo_t* cr, double x, double y, double w, double h, double r, double bright,
               bool brass_rim = true);
// A brass rim stroked `lw` wide along the rounded rectangle, light on the upper left, its far
// end `shade` times the brass.
void BrassRing(cairo_t* cr, double x, double y, double w, double h, double r, double lw,
               double shade = 0.75);
// How much a mouse-over button's board is lightened (WoodBoard's `bright`). The game adds up to
// half of a hovered button's picture again on top of it as its glow, which brightens the board by
// about half; drawn a shade darker than a plain board, it shows a little brighter than one and its
// pale label keeps standing out.
constexpr double MOUSE_OVER_BRIGHT = -0.1;
// A disabled button's board is drawn this much darker (WoodBoard's `bright`) and its label in
// DISABLED_INK, so once greyed and half see-through the label still reads against the board.
constexpr double DISABLED_BRIGHT = -0.5;
inline const Rgb DISABLED_INK = Hex(0xEDEDED);
// Runs `draw`, turns what it drew grey, and lays that down at `alpha`: a disabled button's look.
void Greyed(cairo_t* cr, double alpha, const std::function<void()>& draw);
// The brass glow round a mouse-over button whose board is (3, 3, w - 6, h - 6) with corner radius
// r: three widening translucent rings.
void ButtonGlow(cairo_t* cr, double w, double h, double r);

// Text. `align`: 0 left, 1 centre, 2 right of x; y is the baseline.
void SetFont(cairo_t* cr, Face face, double size);
double TextWidth(cairo_t* cr, const std::string& utf8);
void FillText(cairo_t* cr, const std::string& utf8, double x, double y, int align, const Rgb& c);
// Text with an outline of `outline` pixels drawn beneath the fill.
void OutlinedText(cairo_t* cr, const std::string& utf8, double x, double y, int align,
                  const Rgb& fill, const Rgb& outline_color, double outline);
// Sets the face at `size`, then shrinks it by `step` while the text is wider than `max_w` and the
// size is still above `min_size`; returns the size it settled on.
double FitFont(cairo_t* cr, Face face, double size, const std::string& utf8, double max_w,
               double min_size = 7, double step = 0.5);
// Centre of text's ink box on (cx, cy) (for digits in cells).
void CentredText(cairo_t* cr, const std::string& utf8, double cx, double cy, const Rgb& fill,
                 const Rgb* outline_color = nullptr, double outline = 0);

// Deterministic noise for textures.
class Rng {
 public:
  explicit Rng(std::uint32_t seed) : s_(seed ? seed : 1) {}
  std::uint32_t Next();
  double Uniform();  // [0, 1)
  double Range(double lo, double hi) { return lo + (hi - lo) * Uniform(); }

 private:
  std::uint32_t s_;
};

// Releases the font faces (at exit).
void ShutdownFonts();

}  // namespace art

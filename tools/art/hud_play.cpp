// The pictures of the play screen's HUD: the golf cart with the bag and its irons, the hole
// marker, the run indicator, the score sign, the hole-cash sign, the stopwatch and the long-drive
// club strip. Sizes and the places of the numbers drawn over them follow the HUD's layout.

#include <cmath>
#include <string>

#include "tools/art/registry.h"

namespace art {

namespace {

constexpr double kPi = 3.14159265358979323846;
const Rgb kBagGreen = Hex(0x2F6B35);
const Rgb kSteel = Hex(0xC8CDD3);
const Rgb kSteelDark = Hex(0x7A828C);
const Rgb kInk = Hex(0x2A1A0C);

void Shadowed(cairo_t* cr, const std::function<void()>& path, double dx, double dy, double alpha) {
  cairo_save(cr);
  cairo_translate(cr, dx, dy);
  path();
  SetColor(cr, Hex(0x000000, alpha));
  cairo_fill(cr);
  cairo_restore(cr);
}

// A dark inset plate where the HUD draws numbers.
void Plate(cairo_t* cr, double x, double y, double w, double h) {
  RoundedRect(cr, x, y, w, h, 5);
  SetColor(cr, Hex(0x2E1D0E, 0.85));
  cairo_fill(cr);
  RoundedRect(cr, x + 0.5, y + 0.5, w - 1, h - 1, 4.5);
  SetColor(cr, WithAlpha(pal::BrassLight, 0.55));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

void Label(cairo_t* cr, const std::string& text, double cx, double baseline, double size) {
  SetFont(cr, Face::SansBold, size);
  const Rgb out = pal::DarkWood;
  OutlinedText(cr, text, cx, baseline, 1, pal::Cream, out, 1.2);
}

void Rope(cairo_t* cr, double x0, double y0, double x1, double y1) {
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  cairo_set_line_width(cr, 3);
  SetColor(cr, Hex(0x8C7350));
  cairo_stroke(cr);
  cairo_move_to(cr, x0 - 0.6, y0);
  cairo_line_to(cr, x1 - 0.6, y1);
  cairo_set_line_width(cr, 1);
  SetColor(cr, Hex(0xC9B48A));
  cairo_stroke(cr);
}

// The golf cart, side on, facing right; its back carries the bag.
void Cart(Canvas& c) {
  cairo_t* cr = c.cr();
  // ground shadow
  FillSquashedCircle(cr, 132, 163, 118, 0.12, Hex(0x000000, 0.28));
  // canopy posts
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cr, 5);
  SetColor(cr, Hex(0x3A3F44));
  cairo_move_to(cr, 44, 22);
  cairo_line_to(cr, 44, 96);
  cairo_move_to(cr, 214, 22);
  cairo_line_to(cr, 232, 92);
  cairo_stroke(cr);
  // windscreen
  cairo_move_to(cr, 214, 24);
  cairo_line_to(cr, 231, 90);
  cairo_line_to(cr, 214, 90);
  cairo_line_to(cr, 200, 26);
  cairo_close_path(cr);
  SetColor(cr, WithAlpha(pal::WaterLight, 0.45));
  cairo_fill(cr);
  // canopy
  RoundedRect(cr, 24, 8, 216, 16, 6);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 8, 0, 24);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.36, 0.66, 0.34);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.14, 0.34, 0.16);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  RoundedRect(cr, 24, 20, 216, 5, 2);
  SetColor(cr, pal::Cream);
  cairo_fill(cr);
  // seat
  RoundedRect(cr, 100, 56, 22, 44, 6);
  SetColor(cr, pal::DeepGreen);
  cairo_fill(cr);
  RoundedRect(cr, 100, 90, 66, 12, 5);
  SetColor(cr, Lighter(pal::DeepGreen, 0.12));
  cairo_fill(cr);
  // steering column and wheel
  cairo_set_line_width(cr, 4);
  SetColor(cr, Hex(0x2B2B2B));
  cairo_move_to(cr, 196, 104);
  cairo_line_to(cr, 184, 70);
  cairo_stroke(cr);
  cairo_save(cr);
  cairo_translate(cr, 184, 68);
  cairo_rotate(cr, -0.35);
  cairo_scale(cr, 0.35, 1);
  Circle(cr, 0, 0, 13);
  cairo_restore(cr);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  // body
  auto body = [cr] {
    cairo_move_to(cr, 8, 98);
    cairo_line_to(cr, 238, 98);
    cairo_curve_to(cr, 250, 100, 254, 116, 252, 136);
    cairo_line_to(cr, 6, 136);
    cairo_curve_to(cr, 2, 120, 3, 104, 8, 98);
    cairo_close_path(cr);
  };
  Shadowed(cr, body, 2, 3, 0.25);
  body();
  cairo_pattern_t* b = cairo_pattern_create_linear(0, 98, 0, 136);
  cairo_pattern_add_color_stop_rgb(b, 0, 1.0, 1.0, 0.98);
  cairo_pattern_add_color_stop_rgb(b, 1, 0.80, 0.80, 0.76);
  cairo_set_source(cr, b);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(b);
  SetColor(cr, Hex(0x6B6B66));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_rectangle(cr, 6, 118, 246, 6);
  SetColor(cr, pal::Fairway);
  cairo_fill(cr);
  // wheels
  for (double wx : {58.0, 206.0}) {
    cairo_arc(cr, wx, 132, 30, kPi, 2 * kPi);
    SetColor(cr, Hex(0xB9B9B2));
    cairo_fill(cr);
    FillCircle(cr, wx, 140, 22, Hex(0x1E1E1E));
    FillCircle(cr, wx, 140, 11, Hex(0x8E949A));
    FillCircle(cr, wx - 2, 138, 7, pal::BrassLight);
    FillCircle(cr, wx, 140, 3, pal::DarkWood);
  }
  // head light
  FillCircle(cr, 247, 108, 3.5, Hex(0xFFF3B0));
}

// The back of the golf bag: the back wall of its opening, seen over the front.
void BagBack(Canvas& c) {
  cairo_t* cr = c.cr();
  const double cx = 52, cy = 16, rx = 50, ry = 12;
  // the body behind the front
  cairo_rectangle(cr, cx - rx, cy, 2 * rx, c.h() - cy);
  SetColor(cr, Darker(kBagGreen, 0.3));
  cairo_fill(cr);
  // opening: dark inside, back lip on top
  FillEllipse(cr, cx, cy, rx, ry, Hex(0x140D06));
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_arc(cr, 0, 0, 1, kPi, 2 * kPi);
  cairo_restore(cr);
  cairo_set_line_width(cr, 4);
  SetColor(cr, pal::Brass);
  cairo_stroke(cr);
  // dividers for the clubs
  cairo_set_line_width(cr, 1.5);
  SetColor(cr, Hex(0x3A2A18));
  for (double x : {24.0, 52.0, 80.0}) {
    cairo_move_to(cr, x, cy - ry * std::sqrt(1 - std::pow((x - cx) / rx, 2)) + 1);
    cairo_line_to(cr, x, cy + ry * std::sqrt(1 - std::pow((x - cx) / rx, 2)) - 1);
  }
  cairo_stroke(cr);
}

// The front of the bag, in front of the irons: the lower lip of the opening and the body.
void BagFront(Canvas& c) {
  cairo_t* cr = c.cr();
  const double cx = 51, cy = 2, rx = 50, ry = 12;
  auto shape = [&] {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_arc_negative(cr, 0, 0, 1, kPi, 0);
    cairo_restore(cr);
    cairo_line_to(cr, cx + rx - 3, c.h());
    cairo_line_to(cr, cx - rx + 3, c.h());
    cairo_close_path(cr);
  };
  shape();
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, c.w(), 0);
  const Rgb l = Lighter(kBagGreen, 0.25), d = Darker(kBagGreen, 0.35);
  cairo_pattern_add_color_stop_rgb(g, 0, d.r, d.g, d.b);
  cairo_pattern_add_color_stop_rgb(g, 0.3, l.r, l.g, l.b);
  cairo_pattern_add_color_stop_rgb(g, 1, d.r, d.g, d.b);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // cream band and brass lip
  cairo_save(cr);
  shape();
  cairo_clip(cr);
  cairo_rectangle(cr, 0, 24, c.w(), 5);
  SetColor(cr, pal::Cream);
  cairo_fill(cr);
  // pocket
  RoundedRect(cr, 58, 31, 30, 16, 4);
  FillAndStroke(cr, Darker(kBagGreen, 0.2), Hex(0x000000, 0.35), 1);
  cairo_restore(cr);
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_arc_negative(cr, 0, 0, 1, kPi, 0);
  cairo_restore(cr);
  cairo_set_line_width(cr, 4);
  SetColor(cr, pal::Brass);
  cairo_stroke(cr);
  // strap ring
  FillCircle(cr, 88, 20, 3, pal::BrassLight);
}

// The hole marker: a board with a round plate for the hole number, "/9" or "/18" beside it, a par
// plate and a ribbon for the hole's name.
void HoleMarker(Canvas& c) {
  cairo_t* cr = c.cr();
  SoftShadow(cr, 4, 4, 182, 120, 12, 0.3, 4);
  WoodBoard(cr, 2, -10, 182, 132, 12, 0.05);
  // hole number plate: units digit drawn at local x 30..54, tens at 14..38, rows 9..47
  FillCircle(cr, 35, 28, 25, Hex(0x2E1D0E, 0.85));
  Circle(cr, 35, 28, 25);
  SetColor(cr, WithAlpha(pal::BrassLight, 0.7));
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  SetFont(cr, Face::SansBold, 11);
  FillText(cr, "HOLE", 122, 40, 1, WithAlpha(pal::Cream, 0.9));
  // par plate behind the digit at local (74, 68), wide enough for a two-digit par
  Label(cr, "PAR", 30, 92, 17);
  Plate(cr, 54, 64, 48, 40);
  // name ribbon (the name is centred on local x 92 from y 99)
  RoundedRect(cr, 10, 106, 166, 22, 6);
  SetColor(cr, Hex(0x2E1D0E, 0.55));
  cairo_fill(cr);
}

// The run indicator: a fairway from the tee to the flag, with the ball's flight path dotted over it.
void RunIndicator(Canvas& c) {
  cairo_t* cr = c.cr();
  SoftShadow(cr, 4, 0, c.w() - 6, 104, 14, 0.3, 4);
  WoodBoard(cr, 0, -14, c.w() - 2, 118, 14, 0.05);
  const double wx = 10, wy = 0, ww = c.w() - 22, wh = 94;
  cairo_save(cr);
  RoundedRect(cr, wx, wy - 10, ww, wh + 10, 9);
  cairo_clip(cr);
  VerticalGradient(cr, wx, wy, ww, wh, pal::SkyTop, pal::SkyLow);
  // rolling fairway
  cairo_move_to(cr, wx, 80);
  cairo_curve_to(cr, 110, 68, 220, 86, wx + ww, 72);
  cairo_line_to(cr, wx + ww, wh);
  cairo_line_to(cr, wx, wh);
  cairo_close_path(cr);
  SetColor(cr, pal::LightGrass);
  cairo_fill(cr);
  cairo_move_to(cr, wx, 88);
  cairo_curve_to(cr, 120, 80, 230, 94, wx + ww, 84);
  cairo_line_to(cr, wx + ww, wh);
  cairo_line_to(cr, wx, wh);
  cairo_close_path(cr);
  SetColor(cr, pal::Fairway);
  cairo_fill(cr);
  // green and hole at the end of the path
  FillSquashedCircle(cr, 346, 84, 24, 0.3, Lighter(pal::LightGrass, 0.2));
  FillSquashedCircle(cr, 349, 84, 5, 0.4, Hex(0x14210F));
  cairo_restore(cr);
  // flagstick (the HUD draws the 5x flag at its top)
  cairo_set_line_width(cr, 2);
  SetColor(cr, Hex(0xEDEDED));
  cairo_move_to(cr, 349, 40);
  cairo_line_to(cr, 349, 84);
  cairo_stroke(cr);
  // tee
  cairo_move_to(cr, 55, 98);
  cairo_line_to(cr, 60, 86);
  cairo_line_to(cr, 65, 98);
  cairo_close_path(cr);
  SetColor(cr, pal::Cream);
  cairo_fill(cr);
  // the ball's path: the HUD's curve from (60, 76) to (349, 74), lifted to the ball's centre
  cairo_set_line_width(cr, 1.6);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  const double dash[] = {0.1, 6};
  cairo_set_dash(cr, dash, 2, 0);
  cairo_move_to(cr, 82, 84);
  cairo_curve_to(cr, 188, 35.5, 273, 29, 371 - 22, 82);
  SetColor(cr, WithAlpha(pal::Cream, 0.9));
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
}

// The score sign: a recess at the top in which the play screen's Menu button sits (the button is
// 90 x 40 at local 36, 6), hole and course score plates and the cash plate.
void ScoreSign(Canvas& c) {
  cairo_t* cr = c.cr();
  SoftShadow(cr, 4, 6, 144, 162, 12, 0.3, 4);
  WoodBoard(cr, 2, 4, 144, 170, 12, 0.05);
  RoundedRect(cr, 31, 2, 100, 49, 7);
  SetColor(cr, Hex(0x2E1D0E, 0.92));
  cairo_fill(cr);
  RoundedRect(cr, 31.5, 2.5, 99, 48, 6.5);
  SetColor(cr, WithAlpha(pal::BrassLight, 0.6));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  // brass screws either side of the recess
  for (const double x : {17.0, 139.0}) {
    FillCircle(cr, x, 27, 3, pal::BrassLight);
    FillCircle(cr, x - 0.6, 26.4, 1.2, WithAlpha(pal::Cream, 0.8));
  }
  Label(cr, "HOLE", 44, 61, 11);
  Label(cr, "COURSE", 114, 61, 11);
  Plate(cr, 18, 65, 52, 28);
  Plate(cr, 88, 65, 52, 28);
  Label(cr, "CASH", 78, 109, 11);
  Plate(cr, 16, 113, 124, 28);
}

// The hole-cash sign, hanging on two ropes; the amount stands on its plate from local y 71.
void HoleCashSign(Canvas& c) {
  cairo_t* cr = c.cr();
  Rope(cr, 22, 0, 26, 30);
  Rope(cr, 96, 0, 92, 30);
  SoftShadow(cr, 4, 26, 112, 80, 10, 0.3, 4);
  WoodBoard(cr, 3, 24, 112, 82, 10, 0.08);
  FillCircle(cr, 26, 31, 2.5, pal::BrassLight);
  FillCircle(cr, 92, 31, 2.5, pal::BrassLight);
  Label(cr, "HOLE CASH", 59, 57, 12);
  Plate(cr, 12, 66, 94, 34);
}

// The stopwatch: a brass case, a cream face with ticks, and the readout window at local x 26..74,
// y 65..85; it swells about the face's centre (50, 75) by up to 1.25 and then still ends above the
// layout's top row (y 128).
void StopWatch(Canvas& c) {
  cairo_t* cr = c.cr();
  const double cx = 50, cy = 75, r = 41;
  // crown and ring
  Circle(cr, cx, 13, 8);
  cairo_set_line_width(cr, 3);
  SetColor(cr, pal::Brass);
  cairo_stroke(cr);
  RoundedRect(cr, cx - 7, 18, 14, 14, 3);
  SetColor(cr, pal::BrassLight);
  cairo_fill(cr);
  RoundedRect(cr, cx - 4, 27, 8, 6, 1);
  SetColor(cr, pal::Brass);
  cairo_fill(cr);
  // side button
  cairo_save(cr);
  cairo_translate(cr, cx + 30, cy - 33);
  cairo_rotate(cr, 0.75);
  RoundedRect(cr, -4, -6, 8, 10, 2);
  cairo_restore(cr);
  SetColor(cr, pal::Brass);
  cairo_fill(cr);
  // case
  FillCircle(cr, cx + 2, cy + 1, r, Hex(0x000000, 0.3));
  cairo_pattern_t* g = cairo_pattern_create_linear(cx - r, cy - r, cx + r, cy + r);
  cairo_pattern_add_color_stop_rgb(g, 0, pal::BrassLight.r, pal::BrassLight.g, pal::BrassLight.b);
  cairo_pattern_add_color_stop_rgb(g, 1, pal::Brass.r * 0.7, pal::Brass.g * 0.7, pal::Brass.b * 0.7);
  Circle(cr, cx, cy, r);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // face
  FillCircle(cr, cx, cy, r - 5, pal::Cream);
  for (int i = 0; i < 60; ++i) {
    const double a = i * 2 * kPi / 60;
    const double r0 = (i % 5 == 0) ? r - 13 : r - 9;
    cairo_move_to(cr, cx + std::sin(a) * r0, cy - std::cos(a) * r0);
    cairo_line_to(cr, cx + std::sin(a) * (r - 7), cy - std::cos(a) * (r - 7));
    cairo_set_line_width(cr, i % 5 == 0 ? 1.6 : 0.7);
    SetColor(cr, kInk);
    cairo_stroke(cr);
  }
  // hand pointing to twelve, behind the readout
  cairo_move_to(cr, cx, cy);
  cairo_line_to(cr, cx, cy - 28);
  cairo_set_line_width(cr, 2);
  SetColor(cr, pal::Red);
  cairo_stroke(cr);
  FillCircle(cr, cx, cy - 6, 3, pal::Red);
  // readout window
  RoundedRect(cr, 23, 62, 54, 26, 4);
  FillAndStroke(cr, Hex(0xC9D8B4), Hex(0x5E6B52), 1.2);
}

// The long-drive club: frame 26 rests with its head by the ball; frames 0..25 swing back up to
// the left, frames 27..52 follow through up to the right. It turns about the grip at (100, 40).
void ClubStrip(Canvas& c, const PictureFile& s) {
  ForEachCell(c, s, [&](cairo_t* cr, int i) {
    const double rest = -25.0;
    const double deg = i <= 26 ? rest - (26 - i) / 26.0 * 95.0 : rest + (i - 26) / 26.0 * 140.0;
    const double a = deg * kPi / 180.0;
    const double px = 100, py = 40, len = 66;
    // head position along the shaft: (sin a, cos a) from the grip
    const double hx = px + std::sin(a) * len, hy = py + std::cos(a) * len;
    // shaft
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, px, py);
    cairo_line_to(cr, hx, hy);
    cairo_set_line_width(cr, 2.6);
    SetColor(cr, kSteelDark);
    cairo_stroke(cr);
    cairo_move_to(cr, px, py);
    cairo_line_to(cr, hx, hy);
    cairo_set_line_width(cr, 1.1);
    SetColor(cr, kSteel);
    cairo_stroke(cr);
    // grip
    cairo_move_to(cr, px - std::sin(a) * 6, py - std::cos(a) * 6);
    cairo_line_to(cr, px + std::sin(a) * 14, py + std::cos(a) * 14);
    cairo_set_line_width(cr, 5);
    SetColor(cr, Hex(0x2B2B2B));
    cairo_stroke(cr);
    // glove
    FillCircle(cr, px + std::sin(a) * 3, py + std::cos(a) * 3, 6, pal::CardWhite);
    // head: a blade across the shaft's end, toe forward
    cairo_save(cr);
    cairo_translate(cr, hx, hy);
    cairo_rotate(cr, -a);
    cairo_move_to(cr, -2, -4);
    cairo_line_to(cr, 15, -2);
    cairo_curve_to(cr, 19, -1, 19, 6, 15, 7);
    cairo_line_to(cr, -2, 5);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, -4, 0, 7);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.93, 0.94, 0.96);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.48, 0.51, 0.55);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    SetColor(cr, Hex(0x3A3F44));
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    cairo_restore(cr);
  });
}

// One iron standing in the bag, head up: irons 2..5 turn their heads to the left, 6..9 to the
// right; the loft grows with the number. `glow` > 0 brightens it with a brass halo (mouse-over);
// `mask` paints the clickable shape opaque white.
void BagIron(Canvas& c, int n, double glow, bool mask) {
  cairo_t* cr = c.cr();
  const bool left = n < 6;
  const double w = c.w();
  const double sx = left ? w - 9 : 9;  // shaft x
  const double dir = left ? -1 : 1;     // towards the toe
  const double loft = (n - 2) * 0.055;
  auto head = [&] {
    cairo_save(cr);
    cairo_translate(cr, sx, 20);
    cairo_scale(cr, dir, 1);
    cairo_rotate(cr, loft);
    cairo_move_to(cr, -3, -14);
    cairo_line_to(cr, 4, -16);
    cairo_line_to(cr, 25, -12);
    cairo_curve_to(cr, 30, -11, 30, 2, 26, 4);
    cairo_line_to(cr, 2, 6);
    cairo_line_to(cr, -3, 4);
    cairo_close_path(cr);
    cairo_restore(cr);
  };
  if (mask) {
    // The head with its outline, so the mask takes every pixel the picture draws.
    head();
    SetColor(cr, Hex(0xFFFFFF));
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_rectangle(cr, sx - 4, 10, 8, c.h() - 10);
    cairo_fill(cr);
    return;
  }
  if (glow > 0) {
    cairo_save(cr);
    head();
    cairo_set_line_width(cr, 6);
    SetColor(cr, WithAlpha(pal::BrassLight, 0.55));
    cairo_stroke(cr);
    cairo_move_to(cr, sx, 18);
    cairo_line_to(cr, sx, c.h());
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    cairo_restore(cr);
  }
  // shaft down into the bag, with its brass ferrule under the head
  cairo_move_to(cr, sx, 22);
  cairo_line_to(cr, sx, c.h());
  cairo_set_line_width(cr, 3);
  SetColor(cr, Lighter(kSteelDark, glow));
  cairo_stroke(cr);
  cairo_move_to(cr, sx - 0.6, 22);
  cairo_line_to(cr, sx - 0.6, c.h());
  cairo_set_line_width(cr, 1);
  SetColor(cr, Lighter(kSteel, glow));
  cairo_stroke(cr);
  RoundedRect(cr, sx - 2.5, 22, 5, 7, 1.5);
  SetColor(cr, Lighter(pal::Brass, glow));
  cairo_fill(cr);
  // head
  head();
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 4, 0, 26);
  const Rgb top = Lighter(Hex(0xEEF0F3), glow), bottom = Lighter(Hex(0x7F868F), glow);
  cairo_pattern_add_color_stop_rgb(g, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(g, 1, bottom.r, bottom.g, bottom.b);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  SetColor(cr, Hex(0x3A3F44));
  cairo_set_line_width(cr, 0.9);
  cairo_stroke(cr);
  // the number on the back of the head
  SetFont(cr, Face::SansBold, 11);
  const Rgb ink = glow > 0 ? pal::Warning : Hex(0x23303A);
  CentredText(cr, std::to_string(n), sx + dir * 15, 12 + loft * 8, ink);
}

}  // namespace

void AddHudPlay(Registry& r) {
  r["graphics/gamescreen/cart.png"] = [](Canvas& c, const PictureFile&) { Cart(c); };
  r["graphics/gamescreen/GolfBag_back.png"] = [](Canvas& c, const PictureFile&) { BagBack(c); };
  r["graphics/gamescreen/GolfBag.png"] = [](Canvas& c, const PictureFile&) { BagFront(c); };
  r["graphics/gamescreen/Hole_Marker.png"] = [](Canvas& c, const PictureFile&) { HoleMarker(c); };
  r["graphics/gamescreen/Run_Indicator.png"] = [](Canvas& c, const PictureFile&) { RunIndicator(c); };
  r["graphics/gamescreen/Score_Sign.png"] = [](Canvas& c, const PictureFile&) { ScoreSign(c); };
  r["graphics/gamescreen/Hole_Cash_Sign.png"] = [](Canvas& c, const PictureFile&) { HoleCashSign(c); };
  r["graphics/gamescreen/stopwatch.png"] = [](Canvas& c, const PictureFile&) { StopWatch(c); };
  r["graphics/gamescreen/strip_clubs.png"] = [](Canvas& c, const PictureFile& s) { ClubStrip(c, s); };
  for (int n = 2; n <= 9; ++n) {
    const std::string base = "graphics/gamescreen/irons/" + std::to_string(n);
    r[base + "_iron.png"] = [n](Canvas& c, const PictureFile&) { BagIron(c, n, 0, false); };
    r[base + "_iron_over.png"] = [n](Canvas& c, const PictureFile&) { BagIron(c, n, 0.25, false); };
    r[base + "_iron_area.png"] = [n](Canvas& c, const PictureFile&) { BagIron(c, n, 0, true); };
  }
}

}  // namespace art

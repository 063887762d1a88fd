// Pictures of the play screen's overlays: the score card with its printed pieces, the standard
// dialog frames and headers, the in-game menu board, the hint scroll with its hint pictures, and
// the buttons of these overlays (normal, mouse-over and pressed).

#include <cmath>
#include <string>
#include <vector>

#include "tools/art/registry.h"

namespace art {

namespace {

const Rgb kPaper = Hex(0xFBF6E4);
const Rgb kPaperEdge = Hex(0xD9CFAE);
const Rgb kRule = Hex(0x8FB39A);     // printed green rules of the card
const Rgb kPrint = Hex(0x2F5E3A);    // printed green words
const Rgb kInk = Hex(0x4A4F57);      // the gray handwriting
const Rgb kRedInk = Hex(0xC62828);
const Rgb kParchment = Hex(0xF1E2BC);
const Rgb kParchmentDark = Hex(0xC9AD72);

// A brass rim stroked just inside a rounded rectangle.
void BrassRim(cairo_t* cr, double x, double y, double w, double h, double r, double lw) {
  RoundedRect(cr, x + lw / 2, y + lw / 2, w - lw, h - lw, std::max(0.0, r - lw / 2));
  cairo_pattern_t* b = cairo_pattern_create_linear(x, y, x + w * 0.3, y + h);
  cairo_pattern_add_color_stop_rgb(b, 0, pal::BrassLight.r, pal::BrassLight.g, pal::BrassLight.b);
  cairo_pattern_add_color_stop_rgb(b, 1, pal::Brass.r * 0.75, pal::Brass.g * 0.75, pal::Brass.b * 0.75);
  cairo_set_source(cr, b);
  cairo_set_line_width(cr, lw);
  cairo_stroke(cr);
  cairo_pattern_destroy(b);
}

// A polished brass disc, lit from the top left: its highlight sits `light` radii up and left of
// the centre.
void BrassDisc(cairo_t* cr, double x, double y, double r, double light) {
  cairo_pattern_t* p = cairo_pattern_create_radial(x - r * light, y - r * light, 0, x, y, r);
  cairo_pattern_add_color_stop_rgb(p, 0, pal::BrassLight.r, pal::BrassLight.g, pal::BrassLight.b);
  cairo_pattern_add_color_stop_rgb(p, 1, pal::Brass.r * 0.7, pal::Brass.g * 0.7, pal::Brass.b * 0.7);
  Circle(cr, x, y, r);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

// A brass nail head.
void Nail(cairo_t* cr, double x, double y, double r) {
  FillCircle(cr, x + 0.6, y + 0.8, r, WithAlpha(pal::Black, 0.35));
  BrassDisc(cr, x, y, r, 0.35);
}

// The overlays' buttons: a wooden board with a brass rim; the mouse-over picture is brighter with a
// thin brass glow, the pressed one a pixel lower and darker.
enum class ButtonState { Normal, Over, Down };

void OverlayButton(Canvas& c, const std::string& text, ButtonState state) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  const double dy = state == ButtonState::Down ? 1 : 0;
  if (state == ButtonState::Over) {
    ButtonGlow(cr, w, h, 9);
  } else {
    SoftShadow(cr, 4, 5 + dy, w - 7, h - 7 - dy, 9, state == ButtonState::Down ? 0.18 : 0.3, 3);
  }
  const double bright = state == ButtonState::Over ? MOUSE_OVER_BRIGHT : 0.0;
  WoodBoard(cr, 3, 3 + dy, w - 6, h - 6 - dy, 9, bright);
  if (state == ButtonState::Down) {
    RoundedRect(cr, 3, 3 + dy, w - 6, h - 6 - dy, 9);
    SetColor(cr, WithAlpha(pal::Black, 0.22));
    cairo_fill(cr);
  }
  FitFont(cr, Face::Bookman, h * 0.42, text, w - 24);
  const Rgb out = pal::DarkWood;
  const Rgb fill = state == ButtonState::Over ? Hex(0xFFFFFF) : (state == ButtonState::Down ? Darker(pal::Cream, 0.12) : pal::Cream);
  CentredText(cr, text, w / 2, h / 2 + dy, fill, &out, 1.3);
}

// A header: a brass-rimmed wooden plaque with its words in cream, outlined in dark wood.
void HeaderPlaque(Canvas& c, const std::string& text) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  SoftShadow(cr, 6, 6, w - 10, h - 10, h * 0.3, 0.35, 3);
  // ribbon ends behind the plaque
  for (int side = 0; side < 2; ++side) {
    const double x0 = side == 0 ? 2 : w - 2;
    const double dir = side == 0 ? 1 : -1;
    cairo_move_to(cr, x0, h * 0.3);
    cairo_line_to(cr, x0 + dir * 26, h * 0.3);
    cairo_line_to(cr, x0 + dir * 26, h * 0.85);
    cairo_line_to(cr, x0, h * 0.85);
    cairo_line_to(cr, x0 + dir * 9, h * 0.575);
    cairo_close_path(cr);
    SetColor(cr, Darker(pal::DeepGreen, 0.1));
    cairo_fill(cr);
  }
  WoodBoard(cr, 16, 3, w - 32, h - 8, h * 0.28, 0.08, false);
  BrassRim(cr, 16, 3, w - 32, h - 8, h * 0.28, 3);
  FitFont(cr, Face::Bookman, h * 0.5, text, w - 70);
  const Rgb out = pal::DarkWood;
  CentredText(cr, text, w / 2, h / 2 - 1, pal::Cream, &out, 1.6);
  Nail(cr, 30, h / 2 - 1, 3);
  Nail(cr, w - 30, h / 2 - 1, 3);
}

// A dialog frame: a wooden board with a brass rim around a darker inset panel on which the caption
// reads well, in cream, white or warning red.
void DialogFrame(Canvas& c) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  SoftShadow(cr, 5, 6, w - 8, h - 8, 16, 0.35, 4);
  WoodBoard(cr, 2, 2, w - 8, h - 8, 16, 0.04, false);
  BrassRim(cr, 2, 2, w - 8, h - 8, 16, 5);
  // the inset panel
  const double m = 18;
  RoundedRect(cr, m, m + 10, w - 8 - 2 * m + 4, h - 8 - 2 * m - 6, 10);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, m, 0, h - m);
  const Rgb top = Darker(pal::DarkWood, 0.25);
  const Rgb low = Darker(pal::DarkWood, 0.05);
  cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(p, 1, low.r, low.g, low.b);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  SetColor(cr, WithAlpha(pal::BrassLight, 0.35));
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  // inner shadow along the panel's top and left edge
  RoundedRect(cr, m + 1.5, m + 11.5, w - 8 - 2 * m + 1, h - 8 - 2 * m - 9, 9);
  SetColor(cr, WithAlpha(pal::Black, 0.25));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  for (const auto& [nx, ny] : {std::pair{10.0, 10.0}, {w - 16, 10.0}, {10.0, h - 16}, {w - 16, h - 16}}) Nail(cr, nx, ny, 3);
}

// ---- the score card ---------------------------------------------------------------------------

// Positions on the card are screen positions; the card picture's top-left corner lies at (20, 12).
constexpr double kCardX = 20, kCardY = 12;

void ScoreCardPaper(Canvas& c) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  SoftShadow(cr, 4, 6, w - 8, h - 8, 10, 0.4, 4);
  FillRoundedRect(cr, 2, 2, w - 8, h - 8, 10, kPaper);
  // paper fibres
  Rng rng(4242);
  cairo_save(cr);
  RoundedRect(cr, 2, 2, w - 8, h - 8, 10);
  cairo_clip(cr);
  for (int i = 0; i < 900; ++i) {
    const double x = rng.Range(0, w), y = rng.Range(0, h), l = rng.Range(2, 7), a = rng.Range(0, M_PI);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + l * std::cos(a), y + l * std::sin(a));
    SetColor(cr, WithAlpha(kPaperEdge, rng.Range(0.08, 0.22)));
    cairo_set_line_width(cr, 0.5);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
  RoundedRect(cr, 2.5, 2.5, w - 9, h - 9, 10);
  SetColor(cr, kPaperEdge);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  // the green band that carries the course name (written at (67, 52) in white)
  const double bx = 34 - kCardX, by = 26 - kCardY, bw = 732, bh = 66;
  cairo_pattern_t* g = cairo_pattern_create_linear(0, by, 0, by + bh);
  cairo_pattern_add_color_stop_rgb(g, 0, pal::Fairway.r, pal::Fairway.g, pal::Fairway.b);
  cairo_pattern_add_color_stop_rgb(g, 1, pal::DeepGreen.r, pal::DeepGreen.g, pal::DeepGreen.b);
  RoundedRect(cr, bx, by, bw, bh, 8);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // a flag on the band's left end
  const double fx = bx + 14, fy = by + 12;
  cairo_move_to(cr, fx, fy);
  cairo_line_to(cr, fx, fy + 42);
  SetColor(cr, pal::Cream);
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
  cairo_move_to(cr, fx, fy);
  cairo_line_to(cr, fx + 14, fy + 6);
  cairo_line_to(cr, fx, fy + 12);
  cairo_close_path(cr);
  SetColor(cr, kRedInk);
  cairo_fill(cr);
  // the goal box, right of the statistics
  cairo_set_dash(cr, std::vector<double>{5, 3}.data(), 2, 0);
  RoundedRect(cr, 538 - kCardX, 346 - kCardY, 204, 154, 8);
  SetColor(cr, kRule);
  cairo_set_line_width(cr, 1.4);
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
  // ruled lines under the statistics rows
  for (double y : {361.0, 389.0, 417.0, 447.0, 478.0, 509.0}) {
    cairo_move_to(cr, 66 - kCardX, y - kCardY);
    cairo_line_to(cr, 520 - kCardX, y - kCardY);
    SetColor(cr, WithAlpha(kRule, 0.7));
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
  }
  // the printed foot line
  SetFont(cr, Face::Serif, 10);
  FillText(cr, "Quillbrook Golf Club  \u2022  Official score card  \u2022  Please play on promptly",
           w / 2, h - 16, 1, WithAlpha(kPrint, 0.75));
}

// The nine-hole page: a numbered flag for each hole and the grid of par, cards and score.
// Column k is 40 pixels wide from x 3 + 40k of the picture; the rows lie at the card's
// y 232 (par), 259 (cards) and 292 (score) to 326.
void NinePage(Canvas& c, int first_hole) {
  cairo_t* cr = c.cr();
  const double top = 98;
  auto Y = [&](double screen_y) { return screen_y - top; };
  // hole flags
  for (int k = 0; k < 9; ++k) {
    const double cx = 3 + 40 * k + 20;
    const double pole_top = Y(140), pole_bottom = Y(196);
    FillCircle(cr, cx, pole_bottom, 10, WithAlpha(pal::LightGrass, 0.55));
    FillEllipse(cr, cx, pole_bottom, 4, 1.6, Hex(0x1B2A17));
    cairo_move_to(cr, cx, pole_top);
    cairo_line_to(cr, cx, pole_bottom);
    SetColor(cr, Hex(0x6B6B6B));
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    cairo_move_to(cr, cx, pole_top);
    cairo_line_to(cr, cx + 17, pole_top + 8);
    cairo_line_to(cr, cx, pole_top + 16);
    cairo_close_path(cr);
    SetColor(cr, k % 2 == 0 ? kRedInk : Hex(0xE0A81E));
    cairo_fill(cr);
  }
  // the grid
  const double gx = 3, gw = 360;
  const double rows[] = {Y(202), Y(232), Y(259), Y(292), Y(326)};
  FillRoundedRect(cr, gx, rows[0], gw, rows[1] - rows[0], 3, WithAlpha(kRule, 0.35));
  FillRoundedRect(cr, gx, rows[1], gw, rows[2] - rows[1], 0, WithAlpha(pal::LightGrass, 0.12));
  for (double ry : rows) {
    cairo_move_to(cr, gx, ry);
    cairo_line_to(cr, gx + gw, ry);
  }
  for (int k = 0; k <= 9; ++k) {
    cairo_move_to(cr, gx + 40 * k, rows[0]);
    cairo_line_to(cr, gx + 40 * k, rows[4]);
  }
  SetColor(cr, kRule);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  SetFont(cr, Face::SansBold, 14);
  for (int k = 0; k < 9; ++k) {
    CentredText(cr, std::to_string(first_hole + k), gx + 40 * k + 20, (rows[0] + rows[1]) / 2, kPrint);
  }
}

void OutInTotal(Canvas& c) {
  cairo_t* cr = c.cr();
  const double top = 202, left = 518;
  const double rows[] = {0, 232 - top, 259 - top, 292 - top, 326 - top};
  const double cols[] = {508 - left, 570 - left, 656 - left, 736 - left};
  FillRoundedRect(cr, 0, 0, c.w(), rows[1], 3, WithAlpha(kRule, 0.35));
  FillRoundedRect(cr, 0, rows[1], c.w(), rows[2] - rows[1], 0, WithAlpha(pal::LightGrass, 0.12));
  for (double ry : rows) {
    cairo_move_to(cr, 0, ry);
    cairo_line_to(cr, cols[3], ry);
  }
  for (double cx : cols) {
    cairo_move_to(cr, cx, 0);
    cairo_line_to(cr, cx, rows[4]);
  }
  SetColor(cr, kRule);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  SetFont(cr, Face::SansBold, 13);
  const char* names[] = {"OUT", "IN", "TOTAL"};
  for (int i = 0; i < 3; ++i) CentredText(cr, names[i], (std::max(0.0, cols[i]) + cols[i + 1]) / 2, rows[1] / 2, kPrint);
}

// Printed row labels, right-aligned against the grid or the value column.
void TextColumn(Canvas& c, const std::vector<std::pair<std::string, double>>& rows, double top) {
  cairo_t* cr = c.cr();
  SetFont(cr, Face::SansBold, 13);
  for (const auto& [text, screen_y] : rows) {
    const double y = screen_y - top;
    const bool grid = screen_y < 330;
    FillText(cr, text, grid ? 64 : 4, y + 5, grid ? 2 : 0, kPrint);
  }
}

void RedNote(Canvas& c) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  cairo_save(cr);
  cairo_translate(cr, w / 2, h / 2);
  cairo_rotate(cr, 0.035);
  SoftShadow(cr, -w / 2 + 8, -h / 2 + 8, w - 14, h - 14, 3, 0.25, 3);
  FillRoundedRect(cr, -w / 2 + 5, -h / 2 + 5, w - 14, h - 14, 3, Hex(0xFFF1D6));
  RoundedRect(cr, -w / 2 + 9, -h / 2 + 9, w - 22, h - 22, 3);
  SetColor(cr, WithAlpha(kRedInk, 0.85));
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
  SetFont(cr, Face::Script, 19);
  CentredText(cr, "Play well, write it down,", 0, -14, kRedInk);
  CentredText(cr, "and keep your card clean!", 0, 10, kRedInk);
  cairo_restore(cr);
  // a brass pin
  Nail(cr, w / 2, 12, 4.5);
}

void RedCircle(Canvas& c) {
  cairo_t* cr = c.cr();
  cairo_save(cr);
  cairo_translate(cr, c.w() / 2.0, c.h() / 2.0);
  cairo_scale(cr, c.w() / 2.0 - 3, c.h() / 2.0 - 3);
  cairo_arc(cr, 0, 0, 1, -2.6, 3.9);
  cairo_restore(cr);
  SetColor(cr, WithAlpha(kRedInk, 0.9));
  cairo_set_line_width(cr, 2.2);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
}

void HandWord(Canvas& c, const std::string& text, const Rgb& ink) {
  FitFont(c.cr(), Face::Script, c.h() * 0.8, text, c.w() - 4);
  FillText(c.cr(), text, 2, c.h() * 0.74, 0, ink);
}

void Stopwatch(cairo_t* cr, double cx, double cy, double r) {
  // crown and button
  FillRoundedRect(cr, cx - r * 0.16, cy - r * 1.32, r * 0.32, r * 0.28, 2, pal::Brass);
  FillRoundedRect(cr, cx - r * 0.28, cy - r * 1.45, r * 0.56, r * 0.16, 2, pal::BrassLight);
  FillCircle(cr, cx + 2, cy + 3, r, WithAlpha(pal::Black, 0.3));
  BrassDisc(cr, cx, cy, r, 0.3);
  FillCircle(cr, cx, cy, r * 0.82, pal::CardWhite);
  for (int i = 0; i < 12; ++i) {
    const double a = i * M_PI / 6;
    cairo_move_to(cr, cx + std::cos(a) * r * 0.66, cy + std::sin(a) * r * 0.66);
    cairo_line_to(cr, cx + std::cos(a) * r * 0.76, cy + std::sin(a) * r * 0.76);
  }
  SetColor(cr, pal::Black);
  cairo_set_line_width(cr, r * 0.05);
  cairo_stroke(cr);
  // the sweep of time gained
  cairo_move_to(cr, cx, cy);
  cairo_arc(cr, cx, cy, r * 0.6, -M_PI / 2, -M_PI / 2 + 1.9);
  cairo_close_path(cr);
  SetColor(cr, WithAlpha(pal::LightGrass, 0.6));
  cairo_fill(cr);
  cairo_move_to(cr, cx, cy);
  cairo_line_to(cr, cx + std::cos(-M_PI / 2 + 1.9) * r * 0.62, cy + std::sin(-M_PI / 2 + 1.9) * r * 0.62);
  SetColor(cr, kRedInk);
  cairo_set_line_width(cr, r * 0.07);
  cairo_stroke(cr);
  FillCircle(cr, cx, cy, r * 0.07, pal::Black);
}

// ---- dialog pictures ------------------------------------------------------------------------

void Newspaper(Canvas& c) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  cairo_save(cr);
  cairo_translate(cr, w / 2, h / 2);
  cairo_rotate(cr, -0.12);
  const double pw = w * 0.8, ph = h * 0.78;
  SoftShadow(cr, -pw / 2 + 3, -ph / 2 + 3, pw, ph, 2, 0.3, 2);
  FillRoundedRect(cr, -pw / 2, -ph / 2, pw, ph, 2, Hex(0xF4F0E4));
  SetFont(cr, Face::Serif, ph * 0.16);
  CentredText(cr, "RECORD!", 0, -ph / 2 + ph * 0.14, pal::Black);
  cairo_rectangle(cr, -pw / 2 + 4, -ph / 2 + ph * 0.26, pw - 8, 1.2);
  SetColor(cr, pal::Black);
  cairo_fill(cr);
  // a photo of a flag and columns of text
  FillRoundedRect(cr, -pw / 2 + 5, -ph / 2 + ph * 0.33, pw * 0.42, ph * 0.4, 1, Hex(0x9CC58F));
  cairo_move_to(cr, -pw / 2 + 5 + pw * 0.21, -ph / 2 + ph * 0.38);
  cairo_line_to(cr, -pw / 2 + 5 + pw * 0.21, -ph / 2 + ph * 0.68);
  SetColor(cr, pal::Black);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_move_to(cr, -pw / 2 + 5 + pw * 0.21, -ph / 2 + ph * 0.38);
  cairo_line_to(cr, -pw / 2 + 5 + pw * 0.32, -ph / 2 + ph * 0.43);
  cairo_line_to(cr, -pw / 2 + 5 + pw * 0.21, -ph / 2 + ph * 0.48);
  SetColor(cr, kRedInk);
  cairo_fill(cr);
  for (int i = 0; i < 7; ++i) {
    const double ly = -ph / 2 + ph * 0.35 + i * ph * 0.085;
    const double lx = i < 5 ? 2 : -pw / 2 + 5;
    cairo_rectangle(cr, lx, ly, (i < 5 ? pw / 2 - 8 : pw - 12), 1.3);
  }
  SetColor(cr, WithAlpha(pal::Black, 0.5));
  cairo_fill(cr);
  cairo_restore(cr);
}

void OpenPadlock(Canvas& c) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  const double bw = w * 0.72, bh = h * 0.48, bx = (w - bw) / 2, by = h - bh - 4;
  // the shackle, swung open
  cairo_save(cr);
  cairo_translate(cr, bx + bw * 0.78, by + 2);
  cairo_rotate(cr, -0.5);
  cairo_move_to(cr, 0, 0);
  cairo_line_to(cr, 0, -bh * 0.55);
  cairo_arc_negative(cr, -bw * 0.28, -bh * 0.55, bw * 0.28, 0, M_PI);
  cairo_line_to(cr, -bw * 0.56, -bh * 0.3);
  cairo_restore(cr);
  SetColor(cr, Hex(0x9AA0A6));
  cairo_set_line_width(cr, w * 0.1);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
  SoftShadow(cr, bx + 2, by + 3, bw, bh, 6, 0.3, 2);
  cairo_pattern_t* p = cairo_pattern_create_linear(bx, by, bx + bw, by + bh);
  cairo_pattern_add_color_stop_rgb(p, 0, pal::BrassLight.r, pal::BrassLight.g, pal::BrassLight.b);
  cairo_pattern_add_color_stop_rgb(p, 1, pal::Brass.r * 0.75, pal::Brass.g * 0.75, pal::Brass.b * 0.75);
  RoundedRect(cr, bx, by, bw, bh, 6);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  FillCircle(cr, w / 2, by + bh * 0.42, bw * 0.09, pal::DarkWood);
  cairo_rectangle(cr, w / 2 - bw * 0.035, by + bh * 0.45, bw * 0.07, bh * 0.3);
  SetColor(cr, pal::DarkWood);
  cairo_fill(cr);
}

// A gopher popping out of its hole and waving the winner's flag.
void Gopher(Canvas& c) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  const Rgb fur = Hex(0x9C6B3F), furDark = Hex(0x6E4526), belly = Hex(0xE3C79C);
  // the mound and hole
  FillEllipse(cr, w * 0.45, h - 14, w * 0.42, 12, Hex(0x7A5A32));
  FillEllipse(cr, w * 0.45, h - 14, w * 0.3, 7, Hex(0x2A1C0E));
  // body
  const double bx = w * 0.45, by = h * 0.62;
  FillEllipse(cr, bx, by, w * 0.24, h * 0.3, fur);
  FillEllipse(cr, bx, by + h * 0.06, w * 0.14, h * 0.2, belly);
  // the mound's front edge over the body
  cairo_save(cr);
  cairo_translate(cr, w * 0.45, h - 8);
  cairo_scale(cr, w * 0.4, 9);
  cairo_arc(cr, 0, 0, 1, 0, M_PI);
  cairo_restore(cr);
  SetColor(cr, Hex(0x7A5A32));
  cairo_fill(cr);
  // head
  const double hx = bx, hy = h * 0.3, hr = w * 0.2;
  FillCircle(cr, hx - hr * 0.75, hy - hr * 0.7, hr * 0.28, furDark);
  FillCircle(cr, hx + hr * 0.75, hy - hr * 0.7, hr * 0.28, furDark);
  FillCircle(cr, hx, hy, hr, fur);
  FillCircle(cr, hx, hy + hr * 0.38, hr * 0.5, belly);
  FillCircle(cr, hx - hr * 0.38, hy - hr * 0.15, hr * 0.14, pal::Black);
  FillCircle(cr, hx + hr * 0.38, hy - hr * 0.15, hr * 0.14, pal::Black);
  FillCircle(cr, hx - hr * 0.34, hy - hr * 0.2, hr * 0.05, Hex(0xFFFFFF));
  FillCircle(cr, hx + hr * 0.42, hy - hr * 0.2, hr * 0.05, Hex(0xFFFFFF));
  FillCircle(cr, hx, hy + hr * 0.22, hr * 0.12, Hex(0x3B2412));
  // grin and teeth
  cairo_arc(cr, hx, hy + hr * 0.28, hr * 0.28, 0.3, M_PI - 0.3);
  SetColor(cr, Hex(0x3B2412));
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  FillRoundedRect(cr, hx - hr * 0.12, hy + hr * 0.5, hr * 0.24, hr * 0.2, 1, Hex(0xFFFFFF));
  // the raised arm with the flag
  const double ax = bx + w * 0.2, ay = by - h * 0.12;
  cairo_move_to(cr, bx + w * 0.14, by - h * 0.02);
  cairo_line_to(cr, ax, ay);
  SetColor(cr, fur);
  cairo_set_line_width(cr, w * 0.08);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
  cairo_move_to(cr, ax, ay + h * 0.08);
  cairo_line_to(cr, ax, h * 0.05);
  SetColor(cr, Hex(0x6B6B6B));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  cairo_move_to(cr, ax, h * 0.05);
  cairo_line_to(cr, ax + w * 0.2, h * 0.1);
  cairo_line_to(cr, ax, h * 0.15);
  cairo_close_path(cr);
  SetColor(cr, kRedInk);
  cairo_fill(cr);
}

// ---- the in-game menu board ----------------------------------------------------------------

void InGameMenuBoard(Canvas& c) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  // two ropes from above the screen to the board's top corners
  for (double rx : {70.0, w - 70}) {
    cairo_move_to(cr, rx, 0);
    cairo_line_to(cr, rx, 130);
    SetColor(cr, Hex(0xA88B5A));
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    for (double y = 4; y < 130; y += 7) {
      cairo_move_to(cr, rx - 2.5, y);
      cairo_line_to(cr, rx + 2.5, y + 4);
    }
    SetColor(cr, WithAlpha(pal::DarkWood, 0.6));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
  const double bx = 14, by = 118, bw = w - 28, bh = h - by - 12;
  SoftShadow(cr, bx + 4, by + 6, bw, bh, 18, 0.4, 5);
  WoodBoard(cr, bx, by, bw, bh, 18, 0.05, false);
  BrassRim(cr, bx, by, bw, bh, 18, 6);
  for (double rx : {70.0, w - 70}) Nail(cr, rx, by + 14, 5);
  // the carved title and a golf ball emblem above the buttons (column from y 342)
  SetFont(cr, Face::Bookman, 34);
  const Rgb out = pal::DarkWood;
  CentredText(cr, "Game Menu", w / 2, 196, pal::Cream, &out, 2);
  GolfBall(cr, w / 2, 262, 22);
  cairo_move_to(cr, w / 2 - 110, 303);
  cairo_line_to(cr, w / 2 + 110, 303);
  SetColor(cr, WithAlpha(pal::BrassLight, 0.6));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
}

// ---- the hint scroll -------------------------------------------------------------------------

void HintScrollPaper(Canvas& c) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  const double px = 30, pw = w - 60, top = 40, bottom = h - 40;
  SoftShadow(cr, px + 4, top, pw, bottom - top, 4, 0.35, 5);
  cairo_pattern_t* p = cairo_pattern_create_linear(px, 0, px + pw, 0);
  cairo_pattern_add_color_stop_rgb(p, 0, kParchmentDark.r, kParchmentDark.g, kParchmentDark.b);
  cairo_pattern_add_color_stop_rgb(p, 0.12, kParchment.r, kParchment.g, kParchment.b);
  cairo_pattern_add_color_stop_rgb(p, 0.88, kParchment.r, kParchment.g, kParchment.b);
  cairo_pattern_add_color_stop_rgb(p, 1, kParchmentDark.r, kParchmentDark.g, kParchmentDark.b);
  cairo_rectangle(cr, px, top, pw, bottom - top);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  // stains and fibres
  Rng rng(77);
  for (int i = 0; i < 40; ++i) {
    FillCircle(cr, rng.Range(px + 10, px + pw - 10), rng.Range(top, bottom), rng.Range(4, 20),
               WithAlpha(kParchmentDark, rng.Range(0.03, 0.08)));
  }
  // the text page: a dark leather inlay with a brass edge under the heading and the body lines,
  // which are drawn in white and pale cream
  const double pageX = (w - 340) / 2, pageY = 386, pageW = 340, pageH = 234;
  SoftShadow(cr, pageX, pageY, pageW, pageH, 3, 0.3, 10);
  cairo_pattern_t* leather = cairo_pattern_create_linear(0, pageY, 0, pageY + pageH);
  const Rgb upper = Hex(0x4A3322), lower = Hex(0x352417);
  cairo_pattern_add_color_stop_rgb(leather, 0, upper.r, upper.g, upper.b);
  cairo_pattern_add_color_stop_rgb(leather, 1, lower.r, lower.g, lower.b);
  RoundedRect(cr, pageX, pageY, pageW, pageH, 10);
  cairo_set_source(cr, leather);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(leather);
  cairo_set_line_width(cr, 2.5);
  SetColor(cr, pal::Brass);
  cairo_stroke(cr);
  RoundedRect(cr, pageX + 6, pageY + 6, pageW - 12, pageH - 12, 7);
  cairo_set_line_width(cr, 1);
  SetColor(cr, WithAlpha(pal::BrassLight, 0.35));
  cairo_stroke(cr);
  // the two rollers, wooden rods with brass caps
  for (double ry : {top - 6.0, bottom + 6.0}) {
    cairo_pattern_t* rod = cairo_pattern_create_linear(0, ry - 18, 0, ry + 18);
    const Rgb l = Lighter(pal::Wood, 0.25), d = Darker(pal::DarkWood, 0.2);
    cairo_pattern_add_color_stop_rgb(rod, 0, l.r, l.g, l.b);
    cairo_pattern_add_color_stop_rgb(rod, 0.45, pal::Wood.r, pal::Wood.g, pal::Wood.b);
    cairo_pattern_add_color_stop_rgb(rod, 1, d.r, d.g, d.b);
    RoundedRect(cr, 14, ry - 18, w - 28, 36, 16);
    cairo_set_source(cr, rod);
    cairo_fill(cr);
    cairo_pattern_destroy(rod);
    for (double cx : {10.0, w - 10}) {
      FillRoundedRect(cr, cx - 10, ry - 14, 20, 28, 6, pal::Brass);
      FillRoundedRect(cr, cx - 7, ry - 11, 8, 22, 4, WithAlpha(pal::BrassLight, 0.8));
    }
  }
}

void HeadlineLearn(Canvas& c) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  // a green ribbon banner
  cairo_move_to(cr, 0, h * 0.25);
  cairo_line_to(cr, 34, h * 0.25);
  cairo_line_to(cr, 34, h * 0.95);
  cairo_line_to(cr, 0, h * 0.95);
  cairo_line_to(cr, 12, h * 0.6);
  cairo_close_path(cr);
  cairo_move_to(cr, w, h * 0.25);
  cairo_line_to(cr, w - 34, h * 0.25);
  cairo_line_to(cr, w - 34, h * 0.95);
  cairo_line_to(cr, w, h * 0.95);
  cairo_line_to(cr, w - 12, h * 0.6);
  cairo_close_path(cr);
  SetColor(cr, pal::DeepGreen);
  cairo_fill(cr);
  SoftShadow(cr, 26, 6, w - 50, h - 14, 6, 0.3, 2);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 4, 0, h - 8);
  cairo_pattern_add_color_stop_rgb(g, 0, pal::LightGrass.r, pal::LightGrass.g, pal::LightGrass.b);
  cairo_pattern_add_color_stop_rgb(g, 1, pal::Fairway.r, pal::Fairway.g, pal::Fairway.b);
  RoundedRect(cr, 24, 4, w - 48, h - 14, 6);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  FitFont(cr, Face::Bookman, h * 0.5, "Learn to Play", w - 80);
  const Rgb out = pal::DeepGreen;
  CentredText(cr, "Learn to Play", w / 2, h / 2 - 3, pal::Cream, &out, 1.6);
}

void HintOverlay(Canvas& c) {
  // a wooden picture frame around the hint's picture (200 x 120 inside)
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h(), b = 12;
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_rectangle(cr, b, b, w - 2 * b, h - 2 * b);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_clip(cr);
  WoodBoard(cr, 1, 1, w - 2, h - 2, 4, 0.1, false);
  cairo_restore(cr);
  BrassRim(cr, b - 2, b - 2, w - 2 * b + 4, h - 2 * b + 4, 2, 2);
  RoundedRect(cr, 1, 1, w - 2, h - 2, 4);
  SetColor(cr, WithAlpha(pal::DarkWood, 0.8));
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  // inner shadow on the picture's top and left edges
  cairo_rectangle(cr, b, b, w - 2 * b, 4);
  cairo_rectangle(cr, b, b, 4, h - 2 * b);
  SetColor(cr, WithAlpha(pal::Black, 0.2));
  cairo_fill(cr);
}

// A small playing card for the hint pictures: a rank and suit on card white, or its back.
void MiniCard(cairo_t* cr, double x, double y, double w, double h, const std::string& rank, int suit,
              double angle = 0, bool back = false, const Rgb& face = pal::CardWhite) {
  cairo_save(cr);
  cairo_translate(cr, x + w / 2, y + h / 2);
  cairo_rotate(cr, angle);
  SoftShadow(cr, -w / 2 + 2, -h / 2 + 2, w, h, 4, 0.3, 2);
  FillRoundedRect(cr, -w / 2, -h / 2, w, h, 4, back ? pal::DeepGreen : face);
  RoundedRect(cr, -w / 2 + 0.5, -h / 2 + 0.5, w - 1, h - 1, 4);
  SetColor(cr, pal::CardEdge);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  if (back) {
    cairo_save(cr);
    RoundedRect(cr, -w / 2 + 3, -h / 2 + 3, w - 6, h - 6, 3);
    cairo_clip(cr);
    for (double d = -h; d < h + w; d += 6) {
      cairo_move_to(cr, -w / 2 + d, -h / 2);
      cairo_line_to(cr, -w / 2 + d - h, h / 2);
      cairo_move_to(cr, -w / 2 + d - h, -h / 2);
      cairo_line_to(cr, -w / 2 + d, h / 2);
    }
    SetColor(cr, WithAlpha(pal::LightGrass, 0.35));
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    cairo_restore(cr);
    FillCircle(cr, 0, 0, w * 0.16, pal::Brass);
  } else if (!rank.empty()) {
    SetFont(cr, Face::SansBold, h * 0.22);
    FillText(cr, rank, -w / 2 + 4, -h / 2 + h * 0.24, 0, SuitColor(suit));
    FillSuit(cr, suit, 0, h * 0.06, h * 0.4, SuitColor(suit));
  }
  cairo_restore(cr);
}

void Arrow(cairo_t* cr, double x1, double y1, double x2, double y2, const Rgb& c) {
  const double a = std::atan2(y2 - y1, x2 - x1);
  cairo_move_to(cr, x1, y1);
  cairo_curve_to(cr, (x1 + x2) / 2, y1 - 18, (x1 + x2) / 2, y2 - 18, x2, y2);
  SetColor(cr, c);
  cairo_set_line_width(cr, 3.5);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
  cairo_move_to(cr, x2 + 9 * std::cos(a), y2 + 9 * std::sin(a));
  cairo_line_to(cr, x2 + 8 * std::cos(a + 2.3), y2 + 8 * std::sin(a + 2.3));
  cairo_line_to(cr, x2 + 8 * std::cos(a - 2.3), y2 + 8 * std::sin(a - 2.3));
  cairo_close_path(cr);
  cairo_fill(cr);
}

void GolfClub(cairo_t* cr, double x, double y, double len, double angle, const Rgb& head) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  FillRoundedRect(cr, -3, 0, 6, len * 0.25, 2, Hex(0x2B2B2B));
  cairo_move_to(cr, 0, len * 0.25);
  cairo_line_to(cr, 0, len);
  SetColor(cr, Hex(0xB8BEC6));
  cairo_set_line_width(cr, 2.2);
  cairo_stroke(cr);
  cairo_move_to(cr, -2, len - 2);
  cairo_line_to(cr, 14, len + 2);
  cairo_line_to(cr, 14, len + 9);
  cairo_line_to(cr, -3, len + 6);
  cairo_close_path(cr);
  SetColor(cr, head);
  cairo_fill(cr);
  cairo_restore(cr);
}

// The picture of hint n (200 x 120): a little scene on grass showing what the hint teaches.
void HintPicture(Canvas& c, int n) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  VerticalGradient(cr, 0, 0, w, h * 0.4, pal::SkyTop, pal::SkyLow);
  VerticalGradient(cr, 0, h * 0.4, w, h * 0.6, pal::LightGrass, pal::Fairway);
  for (int i = 0; i < 8; ++i) {
    cairo_rectangle(cr, i * 25, h * 0.4, 12.5, h * 0.6);
    SetColor(cr, WithAlpha(pal::LightGrass, 0.12));
    cairo_fill(cr);
  }
  const double cw = 38, ch = 56;
  switch (n) {
    case 1:
      MiniCard(cr, 36, 40, cw, ch, "7", 2);
      MiniCard(cr, 122, 34, cw, ch, "8", 3, 0.1);
      Arrow(cr, 128, 40, 82, 40, pal::Brass);
      break;
    case 2: {
      MiniCard(cr, 40, 44, cw, ch, "", 0, 0, true);
      MiniCard(cr, 110, 36, cw + 4, ch + 4, "", 0, -0.08);
      cairo_save(cr);
      cairo_translate(cr, 132, 66);
      for (double a = 0; a < 12; a += 0.25) {
        const double r = 2 + a * 1.4;
        cairo_line_to(cr, r * std::cos(a), r * std::sin(a));
      }
      SetColor(cr, Hex(0x7B3FA0));
      cairo_set_line_width(cr, 2);
      cairo_stroke(cr);
      cairo_restore(cr);
      FillSuit(cr, 1, 145, 48, 12, pal::Brass);
      break;
    }
    case 3: {
      // a golf bag with three irons
      FillRoundedRect(cr, 84, 42, 40, 66, 8, Hex(0x8E2B2B));
      FillRoundedRect(cr, 84, 42, 40, 10, 4, pal::Brass);
      FillRoundedRect(cr, 90, 70, 28, 16, 3, Darker(Hex(0x8E2B2B), 0.25));
      GolfClub(cr, 92, 8, 40, -0.15, Hex(0xB8BEC6));
      GolfClub(cr, 104, 4, 44, 0.0, Hex(0xB8BEC6));
      GolfClub(cr, 116, 10, 38, 0.18, Hex(0xB8BEC6));
      MiniCard(cr, 140, 48, cw * 0.9, ch * 0.9, "5", 0, 0.12);
      break;
    }
    case 4:
      MiniCard(cr, 50, 36, cw + 6, ch + 6, "9", 1, -0.05, false, pal::WaterTint);
      for (int i = 0; i < 3; ++i) {
        cairo_move_to(cr, 110, 60 + i * 12);
        for (double x = 110; x <= 170; x += 10) cairo_curve_to(cr, x + 2.5, 56 + i * 12, x + 7.5, 64 + i * 12, x + 10, 60 + i * 12);
        SetColor(cr, i == 1 ? pal::WaterLight : pal::Water);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
      }
      break;
    case 5:
      FillEllipse(cr, 70, 88, 50, 16, pal::Sand);
      MiniCard(cr, 48, 34, cw, ch, "4", 3, 0.06, false, Hex(0xF6EBC8));
      GolfClub(cr, 140, 14, 64, 0.35, Hex(0xC9CFD6));
      break;
    case 6:
      MiniCard(cr, 60, 54, cw, ch, "", 0, 0, true);
      MiniCard(cr, 100, 54, cw, ch, "", 0, 0, true);
      MiniCard(cr, 80, 26, cw, ch, "Q", 1);
      Arrow(cr, 120, 30, 168, 24, pal::Brass);
      break;
    case 7:
      MiniCard(cr, 36, 40, cw, ch, "J", 0);
      for (int i = 0; i < 4; ++i) GoldCoin(cr, 96 + i * 22, 70 - i * 12, 9);
      break;
    case 8:
      for (int i = 0; i < 5; ++i) {
        static const char* ranks[] = {"3", "4", "5", "6", "7"};
        MiniCard(cr, 20 + i * 24, 40 - i * 3, cw * 0.9, ch * 0.9, ranks[i], i % 4, -0.2 + i * 0.1);
      }
      SetFont(cr, Face::Bookman, 26);
      {
        const Rgb out = pal::DarkWood;
        CentredText(cr, "x2", 170, 40, pal::BrassLight, &out, 1.5);
      }
      break;
    case 9: {
      FillEllipse(cr, 100, 90, 80, 22, Hex(0x5FAE55));
      FillEllipse(cr, 120, 92, 8, 3, Hex(0x1B2A17));
      cairo_move_to(cr, 120, 92);
      cairo_line_to(cr, 120, 28);
      SetColor(cr, Hex(0x6B6B6B));
      cairo_set_line_width(cr, 2);
      cairo_stroke(cr);
      cairo_move_to(cr, 120, 28);
      cairo_line_to(cr, 146, 38);
      cairo_line_to(cr, 120, 48);
      cairo_close_path(cr);
      SetColor(cr, kRedInk);
      cairo_fill(cr);
      GolfBall(cr, 82, 92, 5);
      break;
    }
    default:
      Stopwatch(cr, 100, 64, 38);
      break;
  }
}

}  // namespace

void AddOverlays(Registry& r) {
  // The score card and its printed pieces.
  r["graphics/scorecard/Scorecard_bg.png"] = [](Canvas& c, const PictureFile&) { ScoreCardPaper(c); };
  r["graphics/scorecard/front_9.png"] = [](Canvas& c, const PictureFile&) { NinePage(c, 1); };
  r["graphics/scorecard/back_9.png"] = [](Canvas& c, const PictureFile&) { NinePage(c, 10); };
  r["graphics/scorecard/outintotal.png"] = [](Canvas& c, const PictureFile&) { OutInTotal(c); };
  r["graphics/scorecard/RedNote.png"] = [](Canvas& c, const PictureFile&) { RedNote(c); };
  r["graphics/scorecard/TextColumn1.png"] = [](Canvas& c, const PictureFile&) {
    TextColumn(c, {{"HOLE", 217}, {"PAR", 245}, {"CARDS", 275}, {"SCORE", 309}, {"Time taken", 348},
                   {"Hole cash", 376}},
               203);
  };
  r["graphics/scorecard/TextColumn2.png"] = [](Canvas& c, const PictureFile&) {
    TextColumn(c, {{"Multiplier", 434}, {"Winnings", 465}, {"Course cash", 496}}, 403);
  };
  r["graphics/scorecard/red_circle.png"] = [](Canvas& c, const PictureFile&) { RedCircle(c); };
  for (const auto& [file, word] : std::vector<std::pair<std::string, std::string>>{
           {"bonus", "bonus"}, {"par", "Par"}, {"birdie", "Birdie"}, {"eagle", "Eagle"},
           {"double_eagle", "Double eagle"}, {"triple_eagle", "Triple eagle"}, {"perfect", "Perfect"}}) {
    const std::string text = word;
    const bool red = file != "bonus";
    r["graphics/scorecard/" + file + ".png"] = [text, red](Canvas& c, const PictureFile&) {
      HandWord(c, text, red ? kRedInk : kInk);
    };
  }
  r["graphics/scorecard/stopwatch_bonus.png"] = [](Canvas& c, const PictureFile&) {
    Stopwatch(c.cr(), c.w() / 2.0, c.h() / 2.0 + 8, c.w() * 0.38);
  };

  // Dialog frames, headers and pictures.
  for (const char* frame : {"dialog_rect", "dialog_square", "dialog_enter_name", "dialog_largerect"}) {
    r["graphics/dialogs/" + std::string(frame) + ".png"] = [](Canvas& c, const PictureFile&) { DialogFrame(c); };
  }
  for (const auto& [file, text] : std::vector<std::pair<std::string, std::string>>{
           {"error", "Oops!"}, {"confirm", "Are you sure?"}, {"enter_your_name", "Enter your name"},
           {"tip", "Golf tip"}, {"new_record", "New record!"}, {"course_unlocked", "Course unlocked!"},
           {"rank_unlocked", "New rank!"}, {"item_unlocked", "New item!"}, {"trophy_awarded", "Trophy won!"},
           {"time_bonus", "Time bonus"}, {"purse_won", "Purse won!"}}) {
    const std::string words = text;
    r["graphics/dialogs/" + file + ".png"] = [words](Canvas& c, const PictureFile&) { HeaderPlaque(c, words); };
  }
  r["graphics/dialogs/newspaper.png"] = [](Canvas& c, const PictureFile&) { Newspaper(c); };
  r["graphics/dialogs/unlocked.png"] = [](Canvas& c, const PictureFile&) { OpenPadlock(c); };
  r["graphics/dialogs/course_end_good.png"] = [](Canvas& c, const PictureFile&) { Gopher(c); };

  // The in-game menu and the hint scroll.
  r["graphics/gamescreen/ingamemenu_bg.png"] = [](Canvas& c, const PictureFile&) { InGameMenuBoard(c); };
  r["graphics/hints/hint_bg.png"] = [](Canvas& c, const PictureFile&) { HintScrollPaper(c); };
  r["graphics/hints/headline_learn.png"] = [](Canvas& c, const PictureFile&) { HeadlineLearn(c); };
  r["graphics/hints/hint_overlay.png"] = [](Canvas& c, const PictureFile&) { HintOverlay(c); };
  for (int n = 1; n <= 10; ++n) {
    r["graphics/hints/Hint" + std::to_string(n) + ".png"] = [n](Canvas& c, const PictureFile&) { HintPicture(c, n); };
  }

  // The overlays' buttons.
  for (const auto& [name, text] : std::vector<std::pair<std::string, std::string>>{
           {"saveandexit", "Save & Exit"}, {"continue", "Continue"}, {"back", "Back"},
           {"front9", "Front 9"}, {"back9", "Back 9"}, {"InGameMenu_resume", "Resume"},
           {"InGameMenu_options", "Options"}, {"InGameMenu_save", "Save & Quit"},
           {"continue_round", "Continue round"}, {"new_round", "New round"}}) {
    const std::string words = text;
    r["menus/" + name + ".png"] = [words](Canvas& c, const PictureFile&) { OverlayButton(c, words, ButtonState::Normal); };
    r["menus/" + name + "MO.png"] = [words](Canvas& c, const PictureFile&) { OverlayButton(c, words, ButtonState::Over); };
    r["menus/" + name + "_down.png"] = [words](Canvas& c, const PictureFile&) { OverlayButton(c, words, ButtonState::Down); };
  }
}

}  // namespace art

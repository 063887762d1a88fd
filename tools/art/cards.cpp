// Card pictures: the two face sheets, the backs, the iron strip and the special cards. Every card
// cell is 68 x 102: the body fills 68 x 100 at the top and the last two rows hold its soft shadow.

#include <cmath>
#include <string>
#include <vector>

#include "tools/art/registry.h"

namespace art {

namespace {

constexpr double kW = 68, kH = 100, kR = 5;

void CardShadow(cairo_t* cr, double w = kW, double h = kH) {
  RoundedRect(cr, 1.5, 2, w - 1.5, h, kR);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.18);
  cairo_fill(cr);
  RoundedRect(cr, 0.8, 1.2, w - 0.8, h, kR);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.14);
  cairo_fill(cr);
}

void CardEdge(cairo_t* cr, double w = kW, double h = kH) {
  RoundedRect(cr, 0.5, 0.5, w - 1, h - 1, kR - 0.5);
  SetColor(cr, pal::CardEdge);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

// Shadow, body in `fill` with a faint top-left sheen, and the edge; leaves a clip on the body.
void CardBody(cairo_t* cr, const Rgb& fill, double w = kW, double h = kH) {
  CardShadow(cr, w, h);
  FillRoundedRect(cr, 0, 0, w, h, kR, fill);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, w, h);
  cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 0.35);
  cairo_pattern_add_color_stop_rgba(p, 0.5, 1, 1, 1, 0);
  cairo_pattern_add_color_stop_rgba(p, 1, 0, 0, 0, 0.05);
  RoundedRect(cr, 0, 0, w, h, kR);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

const char* RankText(int value) {
  static const char* ranks[] = {"", "A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
  return ranks[value];
}

void Corner(cairo_t* cr, int value, int suit) {
  const Rgb c = SuitColor(suit);
  const std::string r = RankText(value);
  if (r == "10") {
    SetFont(cr, Face::SansNarrowBold, 18);
    cairo_save(cr);
    cairo_translate(cr, 9.2, 0);
    cairo_scale(cr, 0.8, 1);
    FillText(cr, r, 0, 17, 1, c);
    cairo_restore(cr);
  } else {
    SetFont(cr, Face::SansBold, 18);
    FillText(cr, r, 9.2, 17, 1, c);
  }
  FillSuit(cr, suit, 9.2, 25.5, 9, c);
}

// A pip centred on (x, y); pips in the lower half of the card stand on their heads, as on a
// printed deck, so the card reads the same either way up.
void Pip(cairo_t* cr, int suit, double x, double y, double size, bool flipped) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  if (flipped) cairo_rotate(cr, M_PI);
  FillSuit(cr, suit, 0, 0, size, SuitColor(suit));
  cairo_restore(cr);
}

// The standard pip layouts of the 2 to the 10: columns left, middle and right, rows as fractions of
// the pip field from top (0) to bottom (1).
void Pips(cairo_t* cr, int value, int suit) {
  constexpr double kLeft = 23.5, kMid = 34, kRight = 44.5, kTop = 19, kBottom = 81;
  struct P { double col, row; };
  std::vector<P> ps;
  const auto pair = [&](double row) { ps.push_back({kLeft, row}); ps.push_back({kRight, row}); };
  switch (value) {
    case 2: ps = {{kMid, 0}, {kMid, 1}}; break;
    case 3: ps = {{kMid, 0}, {kMid, 0.5}, {kMid, 1}}; break;
    case 4: pair(0); pair(1); break;
    case 5: pair(0); pair(1); ps.push_back({kMid, 0.5}); break;
    case 6: pair(0); pair(0.5); pair(1); break;
    case 7: pair(0); pair(0.5); pair(1); ps.push_back({kMid, 0.25}); break;
    case 8: pair(0); pair(0.5); pair(1); ps.push_back({kMid, 0.25}); ps.push_back({kMid, 0.75}); break;
    case 9: pair(0); pair(1.0 / 3); pair(2.0 / 3); pair(1); ps.push_back({kMid, 0.5}); break;
    default: pair(0); pair(1.0 / 3); pair(2.0 / 3); pair(1); ps.push_back({kMid, 1.0 / 6});
      ps.push_back({kMid, 5.0 / 6}); break;
  }
  const double size = value >= 9 ? 11 : 12.5;
  for (const P& p : ps) {
    const double y = kTop + p.row * (kBottom - kTop);
    Pip(cr, suit, p.col, y, size, p.row > 0.55);
  }
}

const Rgb kSkin = Hex(0xF1C8A0);
const Rgb kSkinShade = Hex(0xD9A57C);

void Crown(cairo_t* cr, double cx, double base, double w, double h, const Rgb& jewel) {
  cairo_move_to(cr, cx - w / 2, base);
  cairo_line_to(cr, cx - w / 2 - 0.8, base - h);
  cairo_line_to(cr, cx - w / 4, base - h * 0.45);
  cairo_line_to(cr, cx, base - h * 1.15);
  cairo_line_to(cr, cx + w / 4, base - h * 0.45);
  cairo_line_to(cr, cx + w / 2 + 0.8, base - h);
  cairo_line_to(cr, cx + w / 2, base);
  cairo_close_path(cr);
  FillAndStroke(cr, pal::Brass, Darker(pal::Brass, 0.45), 0.6);
  cairo_rectangle(cr, cx - w / 2, base - 2.2, w, 2.2);
  SetColor(cr, pal::BrassLight);
  cairo_fill(cr);
  FillCircle(cr, cx, base - 1.1, 0.9, jewel);
  FillCircle(cr, cx - w / 2 - 0.8, base - h, 0.9, pal::BrassLight);
  FillCircle(cr, cx, base - h * 1.15, 1.0, pal::BrassLight);
  FillCircle(cr, cx + w / 2 + 0.8, base - h, 0.9, pal::BrassLight);
}

// The court figures: a flat-shaded bust in a framed panel. The King wears a crown and a beard,
// the Queen long hair and a tiara, the Jack a feathered cap; each robe in the suit's colour with
// the suit on a medallion at the chest.
void CourtFigure(cairo_t* cr, int value, int suit) {
  const Rgb c = SuitColor(suit);
  const Rgb robe = suit == 1 || suit == 2 ? pal::Red : Hex(0x2A3F66);
  const Rgb trim = value == 13 ? pal::CardWhite : value == 12 ? pal::BrassLight : pal::Fairway;
  constexpr double fx = 17.5, fy = 13, fw = 33, fh = 74;
  cairo_save(cr);
  RoundedRect(cr, fx, fy, fw, fh, 3);
  cairo_clip_preserve(cr);
  cairo_pattern_t* bg = cairo_pattern_create_linear(0, fy, 0, fy + fh);
  const Rgb top = Mix(pal::CardWhite, pal::BrassLight, 0.45), low = Mix(pal::CardWhite, c, 0.08);
  cairo_pattern_add_color_stop_rgb(bg, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(bg, 1, low.r, low.g, low.b);
  cairo_set_source(cr, bg);
  cairo_fill(cr);
  cairo_pattern_destroy(bg);
  const double cx = 34;
  // Queen's hair falls behind the shoulders
  if (value == 12) {
    cairo_move_to(cr, cx - 9, 44);
    cairo_curve_to(cr, cx - 12, 56, cx - 11, 66, cx - 8, 72);
    cairo_line_to(cr, cx + 8, 72);
    cairo_curve_to(cr, cx + 11, 66, cx + 12, 56, cx + 9, 44);
    cairo_curve_to(cr, cx + 9, 30, cx - 9, 30, cx - 9, 44);
    SetColor(cr, Hex(0x8A4B1E));
    cairo_fill(cr);
  }
  // robe and shoulders
  cairo_move_to(cr, fx - 1, fy + fh + 1);
  cairo_curve_to(cr, fx + 1, 70, fx + 4, 63, cx - 5, 61);
  cairo_line_to(cr, cx + 5, 61);
  cairo_curve_to(cr, fx + fw - 4, 63, fx + fw - 1, 70, fx + fw + 1, fy + fh + 1);
  cairo_close_path(cr);
  SetColor(cr, robe);
  cairo_fill_preserve(cr);
  // shade on the right, away from the light
  cairo_save(cr);
  cairo_clip(cr);
  cairo_rectangle(cr, cx + 4, 55, 20, 40);
  SetColor(cr, WithAlpha(pal::Black, 0.22));
  cairo_fill(cr);
  cairo_restore(cr);
  // collar
  cairo_move_to(cr, cx - 9, 62);
  cairo_curve_to(cr, cx - 4, 67, cx + 4, 67, cx + 9, 62);
  cairo_curve_to(cr, cx + 5, 72, cx - 5, 72, cx - 9, 62);
  SetColor(cr, trim);
  cairo_fill(cr);
  if (value == 13)
    for (int i = -2; i <= 2; ++i) FillCircle(cr, cx + i * 3, 67 - std::abs(i) * 0.9, 0.55, pal::Black);
  // neck and head
  cairo_rectangle(cr, cx - 2.6, 53, 5.2, 8);
  SetColor(cr, kSkinShade);
  cairo_fill(cr);
  FillEllipse(cr, cx, 46, 6.6, 8, kSkin);
  FillEllipse(cr, cx + 2.2, 46.5, 4.2, 7.2, WithAlpha(kSkinShade, 0.45));
  // eyes, brows, mouth
  const Rgb ink = Hex(0x3A2A20);
  FillCircle(cr, cx - 2.4, 45.5, 0.75, ink);
  FillCircle(cr, cx + 2.4, 45.5, 0.75, ink);
  cairo_set_line_width(cr, 0.6);
  SetColor(cr, ink);
  cairo_move_to(cr, cx - 3.6, 43.6);
  cairo_line_to(cr, cx - 1.3, 43.3);
  cairo_move_to(cr, cx + 1.3, 43.3);
  cairo_line_to(cr, cx + 3.6, 43.6);
  cairo_stroke(cr);
  FillCircle(cr, cx - 3.8, 48.6, 1.1, WithAlpha(pal::Red, 0.25));
  FillCircle(cr, cx + 3.8, 48.6, 1.1, WithAlpha(pal::Red, 0.25));
  cairo_move_to(cr, cx - 1.6, 50.6);
  cairo_curve_to(cr, cx - 0.5, 51.5, cx + 0.5, 51.5, cx + 1.6, 50.6);
  SetColor(cr, value == 12 ? pal::Red : ink);
  cairo_set_line_width(cr, value == 12 ? 0.9 : 0.6);
  cairo_stroke(cr);
  if (value == 13) {
    // beard and moustache, then the crown
    const Rgb beard = Hex(0x7A5230);
    cairo_move_to(cr, cx - 6.4, 47);
    cairo_curve_to(cr, cx - 6, 55, cx - 3, 59, cx, 59.5);
    cairo_curve_to(cr, cx + 3, 59, cx + 6, 55, cx + 6.4, 47);
    cairo_curve_to(cr, cx + 4, 51, cx + 2, 52.5, cx, 52.5);
    cairo_curve_to(cr, cx - 2, 52.5, cx - 4, 51, cx - 6.4, 47);
    SetColor(cr, beard);
    cairo_fill(cr);
    cairo_move_to(cr, cx - 3.4, 50.2);
    cairo_curve_to(cr, cx - 1.5, 48.6, cx + 1.5, 48.6, cx + 3.4, 50.2);
    cairo_set_line_width(cr, 1.1);
    cairo_stroke(cr);
    cairo_move_to(cr, cx - 6.8, 44);
    cairo_curve_to(cr, cx - 6.5, 38, cx + 6.5, 38, cx + 6.8, 44);
    cairo_line_to(cr, cx + 6.8, 40);
    cairo_line_to(cr, cx - 6.8, 40);
    SetColor(cr, beard);
    cairo_fill(cr);
    Crown(cr, cx, 40, 14, 9, (suit == 1 || suit == 2) ? Hex(0x2E7DD6) : pal::Red);
  } else if (value == 12) {
    // hair parted over the brow, a tiara
    cairo_move_to(cr, cx - 7.2, 47);
    cairo_curve_to(cr, cx - 8, 36, cx + 8, 36, cx + 7.2, 47);
    cairo_curve_to(cr, cx + 5, 41, cx + 1, 40.5, cx, 39.5);
    cairo_curve_to(cr, cx - 1, 40.5, cx - 5, 41, cx - 7.2, 47);
    SetColor(cr, Hex(0x8A4B1E));
    cairo_fill(cr);
    cairo_move_to(cr, cx - 6, 38.6);
    cairo_line_to(cr, cx - 3, 35.8);
    cairo_line_to(cr, cx - 1.5, 37.6);
    cairo_line_to(cr, cx, 34.2);
    cairo_line_to(cr, cx + 1.5, 37.6);
    cairo_line_to(cr, cx + 3, 35.8);
    cairo_line_to(cr, cx + 6, 38.6);
    cairo_close_path(cr);
    SetColor(cr, pal::Brass);
    cairo_fill(cr);
    FillCircle(cr, cx, 36.6, 0.9, (suit == 1 || suit == 2) ? Hex(0x2E7DD6) : pal::Red);
    FillCircle(cr, cx - 6.8, 50, 0.9, pal::BrassLight);
    FillCircle(cr, cx + 6.8, 50, 0.9, pal::BrassLight);
  } else {
    // short hair and a cap with a feather
    cairo_move_to(cr, cx - 7, 46);
    cairo_curve_to(cr, cx - 7.5, 40, cx + 7.5, 40, cx + 7, 46);
    cairo_line_to(cr, cx + 6, 43);
    cairo_line_to(cr, cx - 6, 43);
    cairo_close_path(cr);
    SetColor(cr, Hex(0xC8922E));
    cairo_fill(cr);
    cairo_move_to(cr, cx + 8, 30);
    cairo_curve_to(cr, cx + 14, 26, cx + 16, 22, cx + 15, 19);
    cairo_curve_to(cr, cx + 12, 24, cx + 9, 27, cx + 5, 33);
    cairo_close_path(cr);
    SetColor(cr, pal::Fairway);
    cairo_fill(cr);
    cairo_move_to(cr, cx - 9, 41);
    cairo_curve_to(cr, cx - 9, 31, cx + 9, 29, cx + 10, 38);
    cairo_curve_to(cr, cx + 10, 41, cx + 6, 41.5, cx, 41.5);
    cairo_close_path(cr);
    SetColor(cr, robe);
    cairo_fill(cr);
    cairo_rectangle(cr, cx - 8.5, 39.6, 17.5, 2.2);
    SetColor(cr, pal::Brass);
    cairo_fill(cr);
  }
  // medallion with the suit on the chest
  FillCircle(cr, cx, 78, 5.6, pal::Brass);
  FillCircle(cr, cx, 78, 4.7, pal::CardWhite);
  FillSuit(cr, suit, cx, 78, 6.4, c);
  cairo_restore(cr);
  RoundedRect(cr, fx, fy, fw, fh, 3);
  SetColor(cr, pal::Brass);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  RoundedRect(cr, fx + 1.6, fy + 1.6, fw - 3.2, fh - 3.2, 2);
  SetColor(cr, WithAlpha(c, 0.5));
  cairo_set_line_width(cr, 0.5);
  cairo_stroke(cr);
}

void Face(cairo_t* cr, int value, int suit, bool water) {
  CardBody(cr, water ? pal::WaterTint : pal::CardWhite);
  if (water) {
    // a faint wave band along the bottom of a water card, between the corner indices
    cairo_save(cr);
    cairo_rectangle(cr, 17, 0, kW - 34, kH);
    cairo_clip(cr);
    for (int k = 0; k < 2; ++k) {
      const double y = 92 + k * 3.6;
      cairo_move_to(cr, 10, y);
      for (double x = 10; x < kW; x += 8)
        cairo_curve_to(cr, x + 2, y - 1.8, x + 6, y - 1.8, x + 8, y);
      SetColor(cr, WithAlpha(pal::Water, 0.4 - k * 0.14));
      cairo_set_line_width(cr, 1.1);
      cairo_stroke(cr);
    }
    cairo_restore(cr);
  }
  const Rgb c = SuitColor(suit);
  Corner(cr, value, suit);
  cairo_save(cr);
  cairo_translate(cr, kW, kH);
  cairo_rotate(cr, M_PI);
  Corner(cr, value, suit);
  cairo_restore(cr);
  if (value >= 11) {
    CourtFigure(cr, value, suit);
  } else if (value == 1) {
    FillCircle(cr, 34, 50, 19, WithAlpha(c, 0.08));
    FillSuit(cr, suit, 34, 50, 34, c);
  } else {
    Pips(cr, value, suit);
  }
}

void CardBack(cairo_t* cr) {
  CardBody(cr, pal::DeepGreen);
  cairo_save(cr);
  RoundedRect(cr, 4, 4, kW - 8, kH - 8, 3);
  cairo_clip(cr);
  VerticalGradient(cr, 0, 0, kW, kH, Lighter(pal::DeepGreen, 0.12), Darker(pal::DeepGreen, 0.15));
  // fine diamond lattice
  cairo_set_line_width(cr, 0.6);
  SetColor(cr, WithAlpha(pal::LightGrass, 0.35));
  for (double d = -kH; d < kW + kH; d += 6) {
    cairo_move_to(cr, d, 0);
    cairo_line_to(cr, d + kH, kH);
    cairo_move_to(cr, d, 0);
    cairo_line_to(cr, d - kH, kH);
  }
  cairo_stroke(cr);
  cairo_restore(cr);
  RoundedRect(cr, 4, 4, kW - 8, kH - 8, 3);
  SetColor(cr, pal::Brass);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  RoundedRect(cr, 6.5, 6.5, kW - 13, kH - 13, 2);
  SetColor(cr, WithAlpha(pal::Cream, 0.5));
  cairo_set_line_width(cr, 0.6);
  cairo_stroke(cr);
}

// The brass golf-ball emblem in the middle of the back.
void BackEmblem(cairo_t* cr) {
  FillCircle(cr, 34, 50, 15, Darker(pal::DeepGreen, 0.3));
  FillCircle(cr, 34, 50, 13.5, pal::Brass);
  cairo_pattern_t* p = cairo_pattern_create_radial(29, 45, 1, 34, 50, 13);
  cairo_pattern_add_color_stop_rgba(p, 0, pal::BrassLight.r, pal::BrassLight.g, pal::BrassLight.b, 1);
  cairo_pattern_add_color_stop_rgba(p, 1, pal::Brass.r * 0.7, pal::Brass.g * 0.7, pal::Brass.b * 0.7, 1);
  Circle(cr, 34, 50, 11);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  for (int j = -2; j <= 2; ++j)
    for (int i = -2; i <= 2; ++i) {
      const double x = 34 + i * 4 + ((j & 1) ? 2 : 0), y = 50 + j * 3.6;
      if (std::hypot(x - 34, y - 50) > 9.5) continue;
      FillCircle(cr, x, y, 0.9, WithAlpha(Darker(pal::Brass, 0.5), 0.55));
    }
}

void Pond(cairo_t* cr) {
  FillSquashedCircle(cr, 34, 54, 24, 0.62, Darker(pal::Fairway, 0.1));
  cairo_save(cr);
  cairo_translate(cr, 34, 54);
  cairo_scale(cr, 1, 0.58);
  Circle(cr, 0, 0, 21);
  cairo_restore(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 42, 0, 66);
  cairo_pattern_add_color_stop_rgb(p, 0, pal::WaterLight.r, pal::WaterLight.g, pal::WaterLight.b);
  cairo_pattern_add_color_stop_rgb(p, 1, pal::Water.r * 0.8, pal::Water.g * 0.8, pal::Water.b * 0.9);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  cairo_set_line_width(cr, 0.9);
  SetColor(cr, WithAlpha(pal::CardWhite, 0.75));
  for (int k = 0; k < 3; ++k) {
    const double y = 48 + k * 5, x0 = 22 + k * 3;
    cairo_move_to(cr, x0, y);
    cairo_curve_to(cr, x0 + 3, y - 1.5, x0 + 6, y - 1.5, x0 + 9, y);
    cairo_move_to(cr, x0 + 12, y + 1);
    cairo_curve_to(cr, x0 + 15, y - 0.5, x0 + 18, y - 0.5, x0 + 21, y + 1);
  }
  cairo_stroke(cr);
  // reeds
  cairo_set_line_width(cr, 0.9);
  SetColor(cr, pal::DeepGreen);
  for (int k = 0; k < 4; ++k) {
    cairo_move_to(cr, 13 + k * 1.6, 58);
    cairo_curve_to(cr, 13 + k * 1.6, 52, 12 + k * 2.2, 48, 11 + k * 2.8, 44 + k);
  }
  cairo_stroke(cr);
}

// A bunker seen from above and a little in front: a grass lip round a hollow of raked sand, the
// back wall in shadow, the front lip catching the light.
void Bunker(cairo_t* cr) {
  const auto shape = [&](double grow) {
    cairo_new_path(cr);
    cairo_move_to(cr, 12 - grow, 52);
    cairo_curve_to(cr, 11 - grow, 38 - grow, 34, 36 - grow, 46, 38 - grow);
    cairo_curve_to(cr, 58 + grow, 40, 58 + grow, 60 + grow, 44, 66 + grow);
    cairo_curve_to(cr, 30, 70 + grow, 13 - grow, 66 + grow, 12 - grow, 52);
    cairo_close_path(cr);
  };
  // raised grass lip
  shape(3.5);
  SetColor(cr, Darker(pal::LightGrass, 0.05));
  cairo_fill(cr);
  shape(1.6);
  SetColor(cr, pal::DeepGreen);
  cairo_fill(cr);
  shape(0);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 38, 0, 68);
  cairo_pattern_add_color_stop_rgb(p, 0, pal::Sand.r * 0.8, pal::Sand.g * 0.76, pal::Sand.b * 0.62);
  cairo_pattern_add_color_stop_rgb(p, 0.3, pal::Sand.r, pal::Sand.g, pal::Sand.b);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.99, 0.95, 0.8);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  // rake marks: parallel furrows drawn across the hollow, each a dark groove with a light ridge
  for (double y = 40; y < 70; y += 3.2) {
    for (int pass = 0; pass < 2; ++pass) {
      const double o = pass * 0.8;
      cairo_move_to(cr, 8, y + o);
      cairo_curve_to(cr, 24, y - 2.2 + o, 42, y + 2.2 + o, 62, y + o);
      SetColor(cr, pass == 0 ? WithAlpha(Darker(pal::Sand, 0.4), 0.55) : WithAlpha(pal::CardWhite, 0.6));
      cairo_set_line_width(cr, 0.7);
      cairo_stroke(cr);
    }
  }
  // shadow of the back wall
  shape(0);
  cairo_set_line_width(cr, 9);
  cairo_save(cr);
  cairo_rectangle(cr, 0, 30, kW, 20);
  cairo_clip(cr);
  shape(0);
  SetColor(cr, WithAlpha(Darker(pal::Sand, 0.55), 0.45));
  cairo_stroke(cr);
  cairo_restore(cr);
  cairo_restore(cr);
  // grass tufts on the lip
  cairo_set_line_width(cr, 0.7);
  SetColor(cr, pal::DeepGreen);
  Rng rng(7);
  for (int i = 0; i < 9; ++i) {
    const double x = 15 + i * 4.2 + rng.Range(-1, 1), y = 37.5 - std::sin(i / 8.0 * M_PI) * 1.5;
    cairo_move_to(cr, x, y + 1);
    cairo_line_to(cr, x - 0.8, y - 1.8);
    cairo_move_to(cr, x, y + 1);
    cairo_line_to(cr, x + 0.9, y - 1.5);
  }
  cairo_stroke(cr);
  // a small ball left in the sand
  GolfBall(cr, 42, 58, 2.6);
  // the rake, left lying across the front lip
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, 33, 71.5);
  cairo_line_to(cr, 57, 63.5);
  SetColor(cr, WithAlpha(pal::Black, 0.25));
  cairo_set_line_width(cr, 1.8);
  cairo_stroke(cr);
  cairo_move_to(cr, 32.5, 70.5);
  cairo_line_to(cr, 56.5, 62.5);
  SetColor(cr, pal::Wood);
  cairo_set_line_width(cr, 1.4);
  cairo_stroke(cr);
  // its head: a bar across the handle's end with short tines
  cairo_move_to(cr, 30.2, 66.2);
  cairo_line_to(cr, 34.2, 74.6);
  SetColor(cr, Hex(0x5A5E66));
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
  cairo_set_line_width(cr, 0.6);
  for (int k = 0; k < 5; ++k) {
    const double t = k / 4.0, tx = 30.2 + t * 4.0, ty = 66.2 + t * 8.4;
    cairo_move_to(cr, tx, ty);
    cairo_line_to(cr, tx - 2.2, ty + 0.8);
  }
  cairo_stroke(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

// A whole club seen from its toe, standing on its sole: grip at the top, the shaft down to a head
// whose face leans back by `loft_deg` degrees (the face is on the left). (x, bottom) is the
// leading edge of the sole; `len` the club's height in pixels.
void Club(cairo_t* cr, double x, double bottom, double len, double loft_deg) {
  const double lr = loft_deg * M_PI / 180;
  const double face_h = len * 0.25, sole = len * (0.09 + loft_deg / 700);
  const double tx = x + face_h * std::sin(lr), ty = bottom - face_h * std::cos(lr);
  const double hosel_x = x + sole * 0.8, hosel_y = bottom - face_h * 1.05;
  const double top_x = hosel_x + len * 0.06, top_y = bottom - len;
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  // shaft, steel with a light edge
  cairo_move_to(cr, hosel_x, hosel_y);
  cairo_line_to(cr, top_x, top_y);
  SetColor(cr, Hex(0x7E8A92));
  cairo_set_line_width(cr, 2.2);
  cairo_stroke(cr);
  cairo_move_to(cr, hosel_x - 0.5, hosel_y);
  cairo_line_to(cr, top_x - 0.5, top_y);
  SetColor(cr, Hex(0xDDE4E8));
  cairo_set_line_width(cr, 0.7);
  cairo_stroke(cr);
  // grip: dark rubber with a wrap
  const double gl = len * 0.28, dx = (top_x - hosel_x) / (hosel_y - top_y);
  cairo_move_to(cr, top_x, top_y);
  cairo_line_to(cr, top_x - dx * gl, top_y + gl);
  SetColor(cr, Hex(0x262626));
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
  SetColor(cr, WithAlpha(Hex(0x8A8A8A), 0.7));
  cairo_set_line_width(cr, 0.6);
  for (double k = 2; k < gl - 1; k += 3) {
    const double cx = top_x - dx * k, cy = top_y + k;
    cairo_move_to(cr, cx - 1.8, cy + 0.8);
    cairo_line_to(cr, cx + 1.8, cy - 0.8);
  }
  cairo_stroke(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  // head: face, top line, a rounded back and the sole
  cairo_move_to(cr, x, bottom);
  cairo_line_to(cr, tx, ty);
  cairo_curve_to(cr, tx + 1, ty - 1.2, hosel_x - 1, hosel_y - 0.5, hosel_x + 1.2, hosel_y);
  cairo_curve_to(cr, x + sole * 1.15, bottom - face_h * 0.6, x + sole * 1.2, bottom - face_h * 0.2,
                 x + sole, bottom);
  cairo_close_path(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(x, ty, x + sole, bottom);
  cairo_pattern_add_color_stop_rgb(p, 0, 0.95, 0.97, 0.98);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.52, 0.57, 0.62);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  SetColor(cr, Hex(0x3A4248));
  cairo_set_line_width(cr, 0.7);
  cairo_stroke(cr);
  // the face itself, a bright strip
  cairo_move_to(cr, x + 0.6, bottom - 0.4);
  cairo_line_to(cr, tx + 0.6, ty + 0.4);
  SetColor(cr, Hex(0xFFFFFF, 0.9));
  cairo_set_line_width(cr, 0.9);
  cairo_stroke(cr);
}

constexpr double kIronLoft[] = {18, 21, 24, 27, 31, 35, 39, 43};

void Swirl(cairo_t* cr, double cx, double cy, double r) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  const Rgb cols[] = {Hex(0x7B3FBF), Hex(0x2E7DD6), Hex(0x3F8F3A), Hex(0xE0A000), Hex(0xD84315)};
  for (int k = 0; k < 5; ++k) {
    cairo_new_path(cr);
    for (int i = 0; i <= 40; ++i) {
      const double t = i / 40.0;
      const double a = k * 2 * M_PI / 5 + t * 2.4;
      const double rr = r * (0.25 + 0.75 * t);
      const double x = cx + rr * std::cos(a), y = cy + rr * std::sin(a);
      if (i == 0) cairo_move_to(cr, x, y); else cairo_line_to(cr, x, y);
    }
    SetColor(cr, WithAlpha(cols[k], 0.9));
    cairo_set_line_width(cr, 2.6);
    cairo_stroke(cr);
  }
  // star in the middle
  cairo_new_path(cr);
  for (int i = 0; i < 10; ++i) {
    const double a = -M_PI / 2 + i * M_PI / 5;
    const double rr = (i % 2 == 0) ? r * 0.55 : r * 0.23;
    const double x = cx + rr * std::cos(a), y = cy + rr * std::sin(a);
    if (i == 0) cairo_move_to(cr, x, y); else cairo_line_to(cr, x, y);
  }
  cairo_close_path(cr);
  FillAndStroke(cr, pal::BrassLight, Darker(pal::Brass, 0.35), 0.8);
}

void Label(cairo_t* cr, const std::string& text, double y, const Rgb& c) {
  SetFont(cr, Face::SansNarrowBold, 9.5);
  FillText(cr, text, 34, y, 1, c);
}

void SheetFaces(Canvas& cv, const PictureFile& s, bool water) {
  ForEachCell(cv, s, [&](cairo_t* cr, int frame) {
    const int suit = frame / 13, value = frame % 13 + 1;
    Face(cr, value, suit, water);
  });
}

// A card seen almost edge-on while it spins: narrow and bright.
void SpinCard(Canvas& cv, const Rgb& face, const Rgb& trim) {
  cairo_t* cr = cv.cr();
  const double w = cv.w(), h = cv.h() - 2;
  RoundedRect(cr, 1.5, 2, w - 1.5, h, 3);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.2);
  cairo_fill(cr);
  RoundedRect(cr, 0, 0, w, h, 3);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, w, 0);
  const Rgb hi = Lighter(face, 0.6);
  cairo_pattern_add_color_stop_rgb(p, 0, face.r * 0.9, face.g * 0.9, face.b * 0.9);
  cairo_pattern_add_color_stop_rgb(p, 0.35, hi.r, hi.g, hi.b);
  cairo_pattern_add_color_stop_rgb(p, 1, face.r * 0.85, face.g * 0.85, face.b * 0.88);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  // motion streaks
  cairo_set_line_width(cr, 1);
  for (int k = 0; k < 5; ++k) {
    cairo_move_to(cr, 4, 14 + k * 18);
    cairo_line_to(cr, w - 4, 10 + k * 18);
  }
  SetColor(cr, WithAlpha(trim, 0.35));
  cairo_stroke(cr);
  RoundedRect(cr, 0.5, 0.5, w - 1, h - 1, 3);
  SetColor(cr, pal::CardEdge);
  cairo_stroke(cr);
}

// A club card's face: the body in `body` with the club's name in cream on a `band` strip at the top.
void ClubCardFace(cairo_t* cr, const Rgb& body, const Rgb& band, const char* name) {
  CardBody(cr, body);
  FillRoundedRect(cr, 4, 4, kW - 8, 17, 3, band);
  SetFont(cr, Face::SansBold, 10.5);
  FillText(cr, name, 34, 16.5, 1, pal::Cream);
}

// A hazard card: the card back with a patch of grass holding the hazard's picture, and its word.
void HazardCard(cairo_t* cr, void (*hazard)(cairo_t*), const char* word) {
  CardBack(cr);
  FillRoundedRect(cr, 8, 24, 52, 52, 6, WithAlpha(pal::LightGrass, 0.95));
  hazard(cr);
  Label(cr, word, 86, pal::Cream);
  CardEdge(cr);
}

}  // namespace

void AddCards(Registry& r) {
  r["graphics/cards/52_cards_white.png"] = [](Canvas& c, const PictureFile& s) { SheetFaces(c, s, false); };
  r["graphics/cards/52_cards_blue.png"] = [](Canvas& c, const PictureFile& s) { SheetFaces(c, s, true); };
  r["graphics/cards/card_back.png"] = [](Canvas& c, const PictureFile&) {
    CardBack(c.cr());
    BackEmblem(c.cr());
    CardEdge(c.cr());
  };
  r["graphics/cards/water.png"] = [](Canvas& c, const PictureFile&) { HazardCard(c.cr(), Pond, "WATER"); };
  r["graphics/cards/sand.png"] = [](Canvas& c, const PictureFile&) { HazardCard(c.cr(), Bunker, "SAND"); };
  r["graphics/cards/irons.png"] = [](Canvas& c, const PictureFile& s) {
    ForEachCell(c, s, [](cairo_t* cr, int frame) {
      const int iron = frame + 2;
      const double loft = kIronLoft[frame];
      ClubCardFace(cr, Hex(0xEEF3F6), pal::DeepGreen, "IRON");
      // a patch of turf for the club to stand on
      FillSquashedCircle(cr, 48, 88, 15, 0.28, WithAlpha(pal::LightGrass, 0.8));
      Club(cr, 44, 88, 62, loft);
      // the number, large, on the left; the loft in degrees under it
      SetFont(cr, Face::SansBold, 40);
      OutlinedText(cr, std::to_string(iron), 20, 66, 1, pal::DeepGreen, pal::CardWhite, 1.5);
      SetFont(cr, Face::SansNarrowBold, 10);
      FillText(cr, std::to_string(static_cast<int>(loft)) + "\u00B0", 20, 80, 1, Hex(0x5E6B72));
      CardEdge(cr);
    });
  };
  r["graphics/cards/wedge.png"] = [](Canvas& c, const PictureFile&) {
    cairo_t* cr = c.cr();
    ClubCardFace(cr, Hex(0xF4F0E4), pal::Wood, "WEDGE");
    // the club stands in a splash of sand
    FillSquashedCircle(cr, 34, 80, 22, 0.3, pal::Sand);
    Rng rng(5);
    for (int i = 0; i < 26; ++i) {
      const double a = rng.Range(M_PI * 1.05, M_PI * 1.95), d = rng.Range(6, 20);
      FillCircle(cr, 30 + std::cos(a) * d, 78 + std::sin(a) * d * 0.8, rng.Range(0.5, 1.3),
                 Darker(pal::Sand, rng.Range(0.05, 0.25)));
    }
    Club(cr, 28, 80, 58, 56);
    SetFont(cr, Face::SansNarrowBold, 9.5);
    FillText(cr, "clears sand", 34, 94, 1, pal::DarkWood);
    CardEdge(cr);
  };
  r["graphics/cards/wild_shot.png"] = [](Canvas& c, const PictureFile&) {
    cairo_t* cr = c.cr();
    CardBody(cr, pal::CardWhite);
    RadialGlow(cr, 34, 50, 30, WithAlpha(pal::BrassLight, 0.7));
    Swirl(cr, 34, 50, 22);
    SetFont(cr, Face::SansBold, 10);
    FillText(cr, "WILD", 34, 15, 1, Hex(0x7B3FBF));
    FillText(cr, "SHOT", 34, 93, 1, Hex(0x7B3FBF));
    CardEdge(cr);
  };
  r["graphics/cards/cardblank.png"] = [](Canvas& c, const PictureFile&) {
    CardBody(c.cr(), pal::CardWhite);
    RoundedRect(c.cr(), 6, 6, kW - 12, kH - 12, 3);
    SetColor(c.cr(), WithAlpha(pal::CardEdge, 0.15));
    cairo_set_line_width(c.cr(), 1);
    cairo_stroke(c.cr());
    CardEdge(c.cr());
  };
  r["graphics/cards/cardball.png"] = [](Canvas& c, const PictureFile&) {
    cairo_t* cr = c.cr();
    CardBody(cr, pal::CardWhite);
    FillCircle(cr, 34, 56, 20, WithAlpha(pal::LightGrass, 0.45));
    FillSquashedCircle(cr, 36, 67, 14, 0.3, {0, 0, 0, 0.25});
    GolfBall(cr, 34, 50, 15);
    Label(cr, "FOUND IT!", 92, pal::DeepGreen);
    CardEdge(cr);
  };
  r["graphics/cards/cardcash.png"] = [](Canvas& c, const PictureFile&) {
    cairo_t* cr = c.cr();
    CardBody(cr, pal::CardWhite);
    RadialGlow(cr, 34, 50, 28, WithAlpha(pal::BrassLight, 0.6));
    GoldCoin(cr, 34, 50, 17);
    Label(cr, "CASH", 92, Darker(pal::Brass, 0.3));
    CardEdge(cr);
  };
  r["graphics/cards/glowingcard.png"] = [](Canvas& c, const PictureFile&) {
    // a golden halo 10 px wide round a 68 x 100 card; the card's own place stays clear
    cairo_t* cr = c.cr();
    const Rgb g = pal::BrassLight;
    for (int i = 10; i >= 1; --i) {
      const double t = i / 10.0;
      cairo_new_path(cr);
      RoundedRect(cr, 10 - i, 10 - i, kW + 2 * i, kH + 2 * i, kR + i);
      RoundedRect(cr, 10, 10, kW, kH, kR);
      cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
      SetColor(cr, WithAlpha(g, 0.16 * (1.0 - t) + 0.02));
      cairo_fill(cr);
    }
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    RoundedRect(cr, 9.5, 9.5, kW + 1, kH + 1, kR + 0.5);
    SetColor(cr, WithAlpha(Hex(0xFFE9A0), 0.95));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  };
  r["graphics/cards/spincard.png"] = [](Canvas& c, const PictureFile&) { SpinCard(c, pal::CardWhite, pal::CardEdge); };
  r["graphics/cards/spincard_blue.png"] = [](Canvas& c, const PictureFile&) { SpinCard(c, pal::WaterTint, pal::Water); };
  r["graphics/cards/wildshotspincard.png"] = [](Canvas& c, const PictureFile&) {
    SpinCard(c, Hex(0xEADCF8), Hex(0x7B3FBF));
    Swirl(c.cr(), c.w() / 2.0, 50, 10);
  };
  r["graphics/cards/stockspincard.png"] = [](Canvas& c, const PictureFile&) {
    SpinCard(c, Lighter(pal::DeepGreen, 0.25), pal::Brass);
  };
}

}  // namespace art

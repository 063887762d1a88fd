// Card pictures: the two face sheets, the backs, the iron strip and the special cards. Every card
// cell is 68 x 102: the body fills 68 x 100 at the top and the last two rows hold its soft shadow.

#include <cmath>
#include <string>

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
    SetFont(cr, Face::SansNarrowBold, 15.5);
    cairo_save(cr);
    cairo_translate(cr, 9.5, 0);
    cairo_scale(cr, 0.86, 1);
    FillText(cr, r, 0, 15, 1, c);
    cairo_restore(cr);
  } else {
    SetFont(cr, Face::SansBold, 15.5);
    FillText(cr, r, 9.5, 15, 1, c);
  }
  FillSuit(cr, suit, 9.5, 23.5, 9, c);
}

void Crown(cairo_t* cr, double cx, double cy, double s, const Rgb& c) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, s, s);
  cairo_move_to(cr, -0.5, 0.3);
  cairo_line_to(cr, -0.55, -0.3);
  cairo_line_to(cr, -0.25, 0.0);
  cairo_line_to(cr, 0.0, -0.45);
  cairo_line_to(cr, 0.25, 0.0);
  cairo_line_to(cr, 0.55, -0.3);
  cairo_line_to(cr, 0.5, 0.3);
  cairo_close_path(cr);
  SetColor(cr, pal::Brass);
  cairo_fill_preserve(cr);
  SetColor(cr, Darker(pal::Brass, 0.45));
  cairo_set_line_width(cr, 0.04);
  cairo_stroke(cr);
  cairo_rectangle(cr, -0.5, 0.3, 1.0, 0.14);
  SetColor(cr, c);
  cairo_fill(cr);
  for (int i = -1; i <= 1; ++i) FillCircle(cr, i * 0.28, 0.12, 0.06, c);
  FillCircle(cr, 0, -0.45, 0.07, pal::BrassLight);
  FillCircle(cr, -0.55, -0.3, 0.06, pal::BrassLight);
  FillCircle(cr, 0.55, -0.3, 0.06, pal::BrassLight);
  cairo_restore(cr);
}

void Flag(cairo_t* cr, double cx, double cy, double s, const Rgb& c) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, s, s);
  // green and hole
  cairo_save(cr);
  cairo_scale(cr, 1, 0.3);
  Circle(cr, 0, 1.55, 0.5);
  cairo_restore(cr);
  SetColor(cr, pal::LightGrass);
  cairo_fill(cr);
  cairo_save(cr);
  cairo_scale(cr, 1, 0.35);
  Circle(cr, -0.12, 1.33, 0.09);
  cairo_restore(cr);
  SetColor(cr, pal::DeepGreen);
  cairo_fill(cr);
  // pole
  cairo_rectangle(cr, -0.14, -0.55, 0.045, 1.03);
  SetColor(cr, Hex(0x666666));
  cairo_fill(cr);
  // pennant
  cairo_move_to(cr, -0.095, -0.55);
  cairo_curve_to(cr, 0.12, -0.5, 0.3, -0.42, 0.45, -0.36);
  cairo_curve_to(cr, 0.3, -0.3, 0.12, -0.22, -0.095, -0.17);
  cairo_close_path(cr);
  SetColor(cr, c);
  cairo_fill(cr);
  cairo_restore(cr);
}

void Cap(cairo_t* cr, double cx, double cy, double s, const Rgb& c) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, s, s);
  // crown of the cap
  cairo_move_to(cr, -0.42, 0.12);
  cairo_curve_to(cr, -0.45, -0.38, 0.38, -0.42, 0.4, 0.12);
  cairo_close_path(cr);
  SetColor(cr, c);
  cairo_fill(cr);
  // seam and button
  cairo_move_to(cr, 0, -0.3);
  cairo_curve_to(cr, 0.05, -0.1, 0.05, 0.0, 0.02, 0.12);
  SetColor(cr, Lighter(c, 0.35));
  cairo_set_line_width(cr, 0.03);
  cairo_stroke(cr);
  FillCircle(cr, -0.01, -0.31, 0.05, Lighter(c, 0.3));
  // peak
  cairo_move_to(cr, 0.3, 0.06);
  cairo_curve_to(cr, 0.55, 0.06, 0.68, 0.14, 0.7, 0.22);
  cairo_curve_to(cr, 0.45, 0.22, 0.2, 0.2, -0.42, 0.18);
  cairo_line_to(cr, -0.42, 0.12);
  cairo_close_path(cr);
  SetColor(cr, Darker(c, 0.3));
  cairo_fill(cr);
  cairo_restore(cr);
}

void Face(cairo_t* cr, int value, int suit, bool water) {
  CardBody(cr, water ? pal::WaterTint : pal::CardWhite);
  if (water) {
    // a faint wave line along the bottom of a water card
    cairo_save(cr);
    RoundedRect(cr, 0, 0, kW, kH, kR);
    cairo_clip(cr);
    for (int k = 0; k < 2; ++k) {
      const double y = 88 + k * 5;
      cairo_move_to(cr, -2, y);
      for (double x = -2; x < kW + 4; x += 8)
        cairo_curve_to(cr, x + 2, y - 2.2, x + 6, y - 2.2, x + 8, y);
      SetColor(cr, WithAlpha(pal::Water, 0.35 - k * 0.12));
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
    // court cards: an emblem in a framed panel
    RoundedRect(cr, 17, 22, 34, 56, 3);
    SetColor(cr, WithAlpha(Mix(c, pal::Brass, 0.5), 0.12));
    cairo_fill_preserve(cr);
    SetColor(cr, WithAlpha(pal::Brass, 0.9));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    if (value == 13) Crown(cr, 34, 44, 26, c);
    if (value == 12) Flag(cr, 34, 46, 26, c);
    if (value == 11) Cap(cr, 34, 44, 28, c);
    FillSuit(cr, suit, 34, 67, 12, c);
  } else if (value == 1) {
    FillCircle(cr, 34, 50, 19, WithAlpha(c, 0.08));
    FillSuit(cr, suit, 34, 50, 34, c);
  } else {
    FillSuit(cr, suit, 34, 51, 30, c);
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
  cairo_save(cr);
  cairo_translate(cr, 34, 54);
  cairo_scale(cr, 1, 0.62);
  Circle(cr, 0, 0, 24);
  cairo_restore(cr);
  SetColor(cr, Darker(pal::Fairway, 0.1));
  cairo_fill(cr);
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

void Bunker(cairo_t* cr) {
  cairo_save(cr);
  cairo_translate(cr, 34, 54);
  cairo_scale(cr, 1, 0.6);
  cairo_move_to(cr, -24, 0);
  cairo_curve_to(cr, -24, -22, 10, -26, 22, -10);
  cairo_curve_to(cr, 30, 2, 18, 20, 0, 18);
  cairo_curve_to(cr, -14, 18, -24, 12, -24, 0);
  cairo_close_path(cr);
  cairo_restore(cr);
  SetColor(cr, Darker(pal::Fairway, 0.1));
  cairo_set_line_width(cr, 3);
  cairo_stroke_preserve(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 40, 0, 66);
  cairo_pattern_add_color_stop_rgb(p, 0, 0.98, 0.93, 0.75);
  cairo_pattern_add_color_stop_rgb(p, 1, pal::Sand.r * 0.85, pal::Sand.g * 0.82, pal::Sand.b * 0.7);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  Rng rng(11);
  for (int i = 0; i < 60; ++i) {
    const double x = rng.Range(14, 54), y = rng.Range(44, 64);
    FillCircle(cr, x, y, 0.35, WithAlpha(Darker(pal::Sand, 0.4), 0.5));
  }
  // rake lines
  cairo_set_line_width(cr, 0.6);
  SetColor(cr, WithAlpha(Darker(pal::Sand, 0.3), 0.6));
  for (int k = 0; k < 3; ++k) {
    cairo_move_to(cr, 20, 49 + k * 4);
    cairo_curve_to(cr, 30, 47 + k * 4, 38, 51 + k * 4, 48, 49 + k * 4);
  }
  cairo_stroke(cr);
}

void IronHead(cairo_t* cr, double cx, double cy, double s, double loft) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, s, s);
  // shaft
  cairo_move_to(cr, 0.18, -1.25);
  cairo_line_to(cr, 0.02, 0.05);
  SetColor(cr, Hex(0x9AA3A8));
  cairo_set_line_width(cr, 0.07);
  cairo_stroke(cr);
  // head, a blade whose face leans back with the loft
  cairo_move_to(cr, -0.05, 0.0);
  cairo_line_to(cr, -0.62 - loft * 0.15, 0.08 - loft * 0.1);
  cairo_curve_to(cr, -0.72 - loft * 0.15, 0.2, -0.68, 0.36, -0.55, 0.38);
  cairo_line_to(cr, 0.06, 0.3);
  cairo_curve_to(cr, 0.12, 0.22, 0.1, 0.04, -0.05, 0.0);
  cairo_close_path(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(-0.6, 0, 0.1, 0.4);
  cairo_pattern_add_color_stop_rgb(p, 0, 0.93, 0.95, 0.97);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.5, 0.55, 0.6);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  SetColor(cr, Hex(0x3A4248));
  cairo_set_line_width(cr, 0.03);
  cairo_stroke(cr);
  // grooves
  for (int k = 0; k < 3; ++k) {
    cairo_move_to(cr, -0.52, 0.14 + k * 0.07);
    cairo_line_to(cr, -0.08, 0.1 + k * 0.07);
  }
  SetColor(cr, WithAlpha(Hex(0x3A4248), 0.6));
  cairo_set_line_width(cr, 0.018);
  cairo_stroke(cr);
  cairo_restore(cr);
}

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
  SetColor(cr, pal::BrassLight);
  cairo_fill_preserve(cr);
  SetColor(cr, Darker(pal::Brass, 0.35));
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
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

}  // namespace

void AddCards(Registry& r) {
  r["graphics/cards/52_cards_white.png"] = [](Canvas& c, const PictureFile& s) { SheetFaces(c, s, false); };
  r["graphics/cards/52_cards_blue.png"] = [](Canvas& c, const PictureFile& s) { SheetFaces(c, s, true); };
  r["graphics/cards/card_back.png"] = [](Canvas& c, const PictureFile&) {
    CardBack(c.cr());
    BackEmblem(c.cr());
    CardEdge(c.cr());
  };
  r["graphics/cards/water.png"] = [](Canvas& c, const PictureFile&) {
    CardBack(c.cr());
    FillRoundedRect(c.cr(), 8, 24, 52, 52, 6, WithAlpha(pal::LightGrass, 0.95));
    Pond(c.cr());
    Label(c.cr(), "WATER", 86, pal::Cream);
    CardEdge(c.cr());
  };
  r["graphics/cards/sand.png"] = [](Canvas& c, const PictureFile&) {
    CardBack(c.cr());
    FillRoundedRect(c.cr(), 8, 24, 52, 52, 6, WithAlpha(pal::LightGrass, 0.95));
    Bunker(c.cr());
    Label(c.cr(), "SAND", 86, pal::Cream);
    CardEdge(c.cr());
  };
  r["graphics/cards/irons.png"] = [](Canvas& c, const PictureFile& s) {
    ForEachCell(c, s, [](cairo_t* cr, int frame) {
      const int iron = frame + 2;
      CardBody(cr, Hex(0xEEF3F6));
      FillRoundedRect(cr, 4, 4, kW - 8, 20, 3, pal::DeepGreen);
      SetFont(cr, Face::SansBold, 11);
      FillText(cr, "IRON", 34, 18, 1, pal::Cream);
      IronHead(cr, 38, 48, 24, frame / 7.0);
      SetFont(cr, Face::SansBold, 30);
      const Rgb out = pal::CardWhite;
      OutlinedText(cr, std::to_string(iron), 34, 93, 1, pal::DeepGreen, out, 1.5);
      CardEdge(cr);
    });
  };
  r["graphics/cards/wedge.png"] = [](Canvas& c, const PictureFile&) {
    cairo_t* cr = c.cr();
    CardBody(cr, Hex(0xF4F0E4));
    FillRoundedRect(cr, 4, 4, kW - 8, 20, 3, pal::Wood);
    SetFont(cr, Face::SansBold, 11);
    FillText(cr, "WEDGE", 34, 18, 1, pal::Cream);
    IronHead(cr, 40, 50, 26, 1.6);
    Label(cr, "clears sand", 90, pal::DarkWood);
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
    cairo_save(cr);
    cairo_translate(cr, 36, 67);
    cairo_scale(cr, 1, 0.3);
    FillCircle(cr, 0, 0, 14, {0, 0, 0, 0.25});
    cairo_restore(cr);
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

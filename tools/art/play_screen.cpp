// The play screen's own pictures: its buttons (menu, End Hole, End Drive, scorecard, the
// mulligan counts), the signs that float up during play and at the end of a hole, the card that
// turns into an iron, the ambient animation strips of the course backgrounds, the rank plaque and
// the golf shop's item pictures shown when an item is unlocked.

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "tools/art/registry.h"

namespace art {

namespace {

// --- buttons ---------------------------------------------------------------------------------

enum class State { Normal, Over, Down, Disabled };

// A wooden button board in one of its four states, with the label drawn by `label` (its origin
// already moved down a pixel for the pressed state).
void ButtonBoard(Canvas& c, State st, const Rgb& wood_tint, double tint,
                 const std::function<void(cairo_t*, double, double, const Rgb&)>& label) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  const double r = std::min(9.0, h / 3.5);
  // A disabled plaque lies on the play field as a dark grey slate with a pale label, nearly
  // opaque, so it reads at a glance as spent next to the coloured live one.
  // the shadow is grey already (and greying its see-through edge would tint it)
  if (st != State::Over && st != State::Down) SoftShadow(cr, 4, 5, w - 7, h - 7, r, 0.3, 3);
  auto board = [&] {
    if (st == State::Over) ButtonGlow(cr, w, h, r);
    const double dy = st == State::Down ? 1 : 0;
    const double bright = st == State::Over       ? MOUSE_OVER_BRIGHT
                          : st == State::Down     ? -0.12
                          : st == State::Disabled ? DISABLED_BRIGHT
                                                  : 0.0;
    WoodBoard(cr, 3, 3 + dy, w - 6, h - 7, r, bright);
    // the tint lightens the board: half of it on a hovered board, which its glow lightens too
    const double t = st == State::Disabled ? 0.0 : st == State::Over ? tint * 0.5 : tint;
    if (t > 0) {
      RoundedRect(cr, 5, 5 + dy, w - 10, h - 11, r - 2);
      SetColor(cr, WithAlpha(wood_tint, t));
      cairo_fill(cr);
    }
    const Rgb ink = st == State::Over ? Hex(0xFFFFFF) : st == State::Disabled ? DISABLED_INK : pal::Cream;
    cairo_save(cr);
    cairo_translate(cr, 0, dy);
    label(cr, w, h, ink);
    cairo_restore(cr);
  };
  if (st == State::Disabled) {
    Greyed(cr, 0.85, board);
  } else {
    board();
  }
}

void TextLabel(cairo_t* cr, const std::string& text, double w, double h, const Rgb& ink,
               double size_factor = 0.45) {
  FitFont(cr, Face::Bookman, h * size_factor, text, w - 18);
  const Rgb out = pal::DarkWood;
  CentredText(cr, text, w / 2, h / 2, ink, &out, 1.2);
}

void AddButton(Registry& r, const std::string& base, const std::string& text, const Rgb& tint,
               double amount, bool with_down, bool with_disabled, const std::string& down_name,
               const std::string& disabled_name) {
  auto make = [text, tint, amount](State st) {
    return [text, tint, amount, st](Canvas& c, const PictureFile&) {
      ButtonBoard(c, st, tint, amount, [&](cairo_t* cr, double w, double h, const Rgb& ink) {
        TextLabel(cr, text, w, h, ink);
      });
    };
  };
  r["menus/" + base + ".png"] = make(State::Normal);
  r["menus/" + base + "MO.png"] = make(State::Over);
  if (with_down) r["menus/" + down_name + ".png"] = make(State::Down);
  if (with_disabled) r["menus/" + disabled_name + ".png"] = make(State::Disabled);
}

// The End Hole board lies where the stock was: a card-sized sign with a flag on a green.
void EndHoleBoard(Canvas& c, State st, bool desert) {
  const Rgb tint = desert ? pal::Sand : pal::Fairway;
  ButtonBoard(c, st, tint, desert ? 0.35 : 0.25, [&](cairo_t* cr, double w, double h, const Rgb& ink) {
    // a little green with the hole and its flag
    const double gx = w / 2, gy = h * 0.47;
    FillSquashedCircle(cr, gx, gy, w * 0.3, 0.42, desert ? Hex(0xD9BE78) : pal::LightGrass);
    FillSquashedCircle(cr, gx + 4, gy + 1, 4, 0.5, pal::Black);
    cairo_rectangle(cr, gx + 3, gy - 30, 2, 31);
    SetColor(cr, pal::Cream);
    cairo_fill(cr);
    cairo_move_to(cr, gx + 5, gy - 30);
    cairo_line_to(cr, gx + 22, gy - 24);
    cairo_line_to(cr, gx + 5, gy - 18);
    cairo_close_path(cr);
    SetColor(cr, pal::Red);
    cairo_fill(cr);
    SetFont(cr, Face::Bookman, 13);
    const Rgb out = pal::DarkWood;
    CentredText(cr, "END", w / 2, h * 0.72, ink, &out, 1.2);
    CentredText(cr, "HOLE", w / 2, h * 0.86, ink, &out, 1.2);
    (void)h;
  });
}

// The scorecard button: a small card pad with a pencil.
void ScorecardButton(Canvas& c, bool over) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  if (over) RadialGlow(cr, w / 2, h / 2, w * 0.55, WithAlpha(pal::BrassLight, 0.45));
  SoftShadow(cr, 10, 9, w - 22, h - 18, 5, 0.3, 3);
  cairo_save(cr);
  cairo_translate(cr, w / 2, h / 2);
  cairo_rotate(cr, -0.12);
  const double cw = w - 26, ch = h - 20;
  FillRoundedRect(cr, -cw / 2, -ch / 2, cw, ch, 4, over ? Hex(0xFFFFFF) : pal::Cream);
  RoundedRect(cr, -cw / 2, -ch / 2, cw, ch, 4);
  SetColor(cr, pal::DarkWood);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  cairo_rectangle(cr, -cw / 2, -ch / 2, cw, 12);
  SetColor(cr, pal::Fairway);
  cairo_fill(cr);
  SetColor(cr, WithAlpha(pal::DeepGreen, 0.55));
  cairo_set_line_width(cr, 0.8);
  for (int i = 1; i <= 5; ++i) {
    cairo_move_to(cr, -cw / 2 + 4, -ch / 2 + 12 + i * (ch - 14) / 6.0);
    cairo_line_to(cr, cw / 2 - 4, -ch / 2 + 12 + i * (ch - 14) / 6.0);
  }
  cairo_move_to(cr, -cw / 2 + cw * 0.45, -ch / 2 + 12);
  cairo_line_to(cr, -cw / 2 + cw * 0.45, ch / 2 - 2);
  cairo_stroke(cr);
  SetFont(cr, Face::Script, 10);
  FillText(cr, "3  4  5", -cw / 2 + cw * 0.5, -ch / 2 + 12 + 2 * (ch - 14) / 6.0 - 2, 0,
           Hex(0x1F3A8A));
  cairo_restore(cr);
  // pencil across the corner
  cairo_save(cr);
  cairo_translate(cr, w * 0.7, h * 0.7);
  cairo_rotate(cr, -0.9);
  cairo_rectangle(cr, -18, -3, 30, 6);
  SetColor(cr, Hex(0xE8B830));
  cairo_fill(cr);
  cairo_move_to(cr, 12, -3);
  cairo_line_to(cr, 19, 0);
  cairo_line_to(cr, 12, 3);
  cairo_close_path(cr);
  SetColor(cr, Hex(0xF1D9B0));
  cairo_fill(cr);
  cairo_rectangle(cr, -22, -3, 4, 6);
  SetColor(cr, Hex(0xE57C8A));
  cairo_fill(cr);
  cairo_restore(cr);
  SetFont(cr, Face::SansBold, 10);
  const Rgb out = pal::DarkWood;
  CentredText(cr, "CARD", w / 2, h - 7, pal::Cream, &out, 1.5);
}

// --- signs -----------------------------------------------------------------------------------

// Big lettering with a dark-wood outline and a soft drop shadow, filling the picture.
void Lettering(Canvas& c, const std::string& text, const Rgb& fill, double max_size,
               Face face = Face::Bookman) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  const double size = FitFont(cr, face, max_size, text, w - 16, 8, 1);
  const Rgb out = pal::DarkWood;
  const Rgb shadow = {0, 0, 0, 0.3};
  CentredText(cr, text, w / 2 + 3, h / 2 + 3, shadow, &shadow, size * 0.08);
  CentredText(cr, text, w / 2, h / 2, fill, &out, std::max(1.5, size * 0.07));
}

// A sign: lettering on a wooden board with a brass rim.
void BoardSign(Canvas& c, const std::string& text, const Rgb& fill) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  SoftShadow(cr, 6, 7, w - 10, h - 10, 12, 0.3, 4);
  WoodBoard(cr, 3, 3, w - 9, h - 9, 12, 0.05);
  FitFont(cr, Face::Bookman, h * 0.46, text, w - 30, 8, 1);
  const Rgb out = pal::DarkWood;
  CentredText(cr, text, w / 2 - 1, h / 2 - 1, fill, &out, 1.6);
}

void Star(cairo_t* cr, double cx, double cy, double r_out, double r_in, int points, double turn = 0) {
  cairo_new_path(cr);
  for (int i = 0; i < points * 2; ++i) {
    const double a = -M_PI / 2 + turn + i * M_PI / points;
    const double r = (i % 2 == 0) ? r_out : r_in;
    if (i == 0) cairo_move_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    else cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
  }
  cairo_close_path(cr);
}

void GoldStar(cairo_t* cr, double cx, double cy, double r) {
  Star(cr, cx, cy, r, r * 0.45, 5);
  cairo_pattern_t* p = cairo_pattern_create_linear(cx - r, cy - r, cx + r, cy + r);
  cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 0.93, 0.6);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.78, 0.58, 0.1);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  SetColor(cr, pal::DarkWood);
  cairo_set_line_width(cr, std::max(0.8, r * 0.06));
  cairo_stroke(cr);
}

// A small bird in flight seen from the side, wings at `phase` (0..1 of a beat).
void FlyingBird(cairo_t* cr, double cx, double cy, double s, double phase, const Rgb& body,
                const Rgb& wing, bool gull) {
  const double lift = std::sin(phase * 2 * M_PI);
  // body
  FillSquashedCircle(cr, cx, cy, s * 0.5, 0.45, body);
  // head and beak (facing left: the flocks fly right to left)
  FillCircle(cr, cx - s * 0.5, cy - s * 0.08, s * 0.17, body);
  cairo_move_to(cr, cx - s * 0.64, cy - s * 0.1);
  cairo_line_to(cr, cx - s * 0.8, cy - s * 0.04);
  cairo_line_to(cr, cx - s * 0.62, cy);
  cairo_close_path(cr);
  SetColor(cr, gull ? Hex(0xF2B33D) : Hex(0x6B4A2A));
  cairo_fill(cr);
  // tail
  cairo_move_to(cr, cx + s * 0.4, cy);
  cairo_line_to(cr, cx + s * 0.72, cy - s * 0.12);
  cairo_line_to(cr, cx + s * 0.72, cy + s * 0.1);
  cairo_close_path(cr);
  SetColor(cr, body);
  cairo_fill(cr);
  // the near wing
  const double tip_y = cy - lift * s * 0.85;
  cairo_move_to(cr, cx - s * 0.15, cy - s * 0.05);
  cairo_curve_to(cr, cx - s * 0.05, cy - lift * s * 0.5, cx + s * 0.2, tip_y, cx + s * 0.45, tip_y);
  cairo_curve_to(cr, cx + s * 0.3, cy - lift * s * 0.3, cx + s * 0.2, cy, cx + s * 0.15, cy + s * 0.02);
  cairo_close_path(cr);
  FillAndStroke(cr, wing, WithAlpha(pal::Black, 0.35), 0.6);
  if (gull) {
    cairo_move_to(cr, cx + s * 0.3, tip_y + s * 0.02);
    cairo_line_to(cr, cx + s * 0.45, tip_y);
    SetColor(cr, pal::Black);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
  }
}

// --- the gopher ------------------------------------------------------------------------------

const Rgb kFur = Hex(0x9A6A3C);
const Rgb kFurLight = Hex(0xC89A63);
const Rgb kEarth = Hex(0x6E4A2A);

// A mound of earth with its hole, at the bottom of a cell.
void Mound(cairo_t* cr, double cx, double base, double w) {
  FillSquashedCircle(cr, cx, base, w / 2, 0.35, kEarth);
  FillSquashedCircle(cr, cx, base - 1, w * 0.28, 0.3, Hex(0x2A1B0E));
}

// The front rim of the mound, drawn over whatever stands in the hole.
void MoundLip(cairo_t* cr, double cx, double base, double w) {
  cairo_save(cr);
  cairo_translate(cr, cx, base);
  cairo_scale(cr, 1.0, 0.35);
  cairo_arc(cr, 0, 0, w / 2, 0, M_PI);
  cairo_arc_negative(cr, 0, 0.8 * w * 0.3 / 0.35 * 0.35, w * 0.28, M_PI, 0);
  cairo_close_path(cr);
  cairo_restore(cr);
  SetColor(cr, kEarth);
  cairo_fill(cr);
}

// The gopher risen `rise` (0..1) out of its hole, looking towards `look` (-1 left .. 1 right).
void Gopher(cairo_t* cr, double cx, double base, double size, double rise, double look,
            const Rgb& hat = {0, 0, 0, 0}) {
  if (rise <= 0) return;
  cairo_save(cr);
  cairo_rectangle(cr, cx - size, base - size * 2, size * 2, size * 2);
  cairo_clip(cr);
  const double top = base - rise * size * 1.05;
  // body
  cairo_save(cr);
  cairo_translate(cr, cx, top + size * 0.62);
  cairo_scale(cr, 0.78, 1.0);
  Circle(cr, 0, 0, size * 0.5);
  cairo_restore(cr);
  SetColor(cr, kFur);
  cairo_fill(cr);
  cairo_save(cr);
  cairo_translate(cr, cx, top + size * 0.75);
  cairo_scale(cr, 0.5, 0.7);
  Circle(cr, 0, 0, size * 0.32);
  cairo_restore(cr);
  SetColor(cr, kFurLight);
  cairo_fill(cr);
  // head
  const double hx = cx + look * size * 0.08, hy = top + size * 0.22;
  FillCircle(cr, hx, hy, size * 0.3, kFur);
  FillCircle(cr, hx - size * 0.22, hy - size * 0.2, size * 0.08, kFur);
  FillCircle(cr, hx + size * 0.22, hy - size * 0.2, size * 0.08, kFur);
  FillCircle(cr, hx + look * size * 0.06, hy + size * 0.08, size * 0.14, kFurLight);
  FillCircle(cr, hx - size * 0.1 + look * size * 0.08, hy - size * 0.05, size * 0.05, pal::Black);
  FillCircle(cr, hx + size * 0.1 + look * size * 0.08, hy - size * 0.05, size * 0.05, pal::Black);
  FillCircle(cr, hx - size * 0.085 + look * size * 0.08, hy - size * 0.065, size * 0.015, Hex(0xFFFFFF));
  FillCircle(cr, hx + size * 0.115 + look * size * 0.08, hy - size * 0.065, size * 0.015, Hex(0xFFFFFF));
  FillCircle(cr, hx + look * size * 0.1, hy + size * 0.04, size * 0.045, Hex(0x3B2314));
  cairo_rectangle(cr, hx - size * 0.05 + look * size * 0.1, hy + size * 0.13, size * 0.1, size * 0.07);
  SetColor(cr, Hex(0xFFFFFF));
  cairo_fill(cr);
  if (hat.a > 0) {
    // a battered bowler hat
    FillSquashedCircle(cr, hx, hy - size * 0.22, size * 0.34, 0.25, hat);
    FillSquashedCircle(cr, hx, hy - size * 0.32, size * 0.2, 0.8, hat);
  }
  cairo_restore(cr);
}

// An ease that rises, holds and sinks over the strip: 0..1 for frame i of n.
double RiseHoldSink(int i, int n, double in = 0.2, double out = 0.2) {
  const double t = n > 1 ? static_cast<double>(i) / (n - 1) : 0;
  if (t < in) return std::sin(t / in * M_PI / 2);
  if (t > 1 - out) return std::sin((1 - t) / out * M_PI / 2);
  return 1;
}

// --- the rank plaque --------------------------------------------------------------------------

void Plaque(Canvas& c) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  SoftShadow(cr, 6, 7, w - 12, h - 12, 10, 0.3, 4);
  WoodBoard(cr, 4, 4, w - 12, h - 12, 10, 0.0);
  FillRoundedRect(cr, 16, 16, w - 36, h - 36, 6, pal::Brass);
  RoundedRect(cr, 16, 16, w - 36, h - 36, 6);
  SetColor(cr, pal::BrassLight);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  GoldStar(cr, w / 2 - 2, h / 2 - 8, 20);
  for (int k = 0; k < 3; ++k) {
    cairo_move_to(cr, 30, h / 2 + 18 + k * 6);
    cairo_line_to(cr, w - 34, h / 2 + 18 + k * 6);
  }
  SetColor(cr, WithAlpha(pal::DarkWood, 0.6));
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  for (double sx : {10.0, w - 16.0})
    for (double sy : {10.0, h - 16.0}) FillCircle(cr, sx, sy, 2.5, pal::BrassLight);
}

// --- the card turning into an iron -------------------------------------------------------------

void CardToIron(cairo_t* cr, int frame, int frames, double cw, double ch) {
  const double t = static_cast<double>(frame) / (frames - 1);
  const double cx = cw / 2, cy = ch / 2;
  // first half: the card narrows and brightens; second half: the club unfolds in a glow
  const double glow = std::sin(t * M_PI);
  RadialGlow(cr, cx, cy, 30 + 50 * glow, WithAlpha(pal::BrassLight, 0.5 * glow));
  if (t < 0.5) {
    const double k = t / 0.5;
    const double card_w = 68 * (1 - k * 0.85), card_h = 100 * (1 - k * 0.2);
    FillRoundedRect(cr, cx - card_w / 2, cy - card_h / 2, card_w, card_h, 5,
                    Mix(pal::CardWhite, pal::BrassLight, k));
    RoundedRect(cr, cx - card_w / 2, cy - card_h / 2, card_w, card_h, 5);
    SetColor(cr, WithAlpha(pal::CardEdge, 1 - k));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    if (k < 0.6) {
      SetFont(cr, Face::SansBold, 22);
      CentredText(cr, "IRON", cx, cy, WithAlpha(pal::DeepGreen, 1 - k / 0.6));
    }
  } else {
    const double k = (t - 0.5) / 0.5;
    const double len = 40 + 160 * k;
    const double top = cy - len / 2, bottom = cy + len / 2;
    cairo_rectangle(cr, cx - 3, top, 6, std::min(28.0, len * 0.2));
    SetColor(cr, Hex(0x2B2B2B));
    cairo_fill(cr);
    cairo_move_to(cr, cx, top + std::min(28.0, len * 0.2));
    cairo_line_to(cr, cx, bottom - 12);
    SetColor(cr, Hex(0xA9B2B8));
    cairo_set_line_width(cr, 2.6);
    cairo_stroke(cr);
    cairo_move_to(cr, cx + 1, bottom - 14);
    cairo_line_to(cr, cx + 1, bottom - 3);
    cairo_curve_to(cr, cx - 7, bottom + 1, cx - 18, bottom + 1, cx - 19, bottom - 5);
    cairo_line_to(cr, cx - 15, bottom - 13);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(cx - 19, bottom - 14, cx, bottom);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.95, 0.96, 0.98);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.48, 0.53, 0.58);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
  }
  // sparkles around the change
  for (int s = 0; s < 6; ++s) {
    const double a = s * M_PI / 3 + t * 4;
    const double r = 24 + 30 * glow;
    Star(cr, cx + r * std::cos(a), cy + r * std::sin(a) * 1.6, 5 * glow + 1, 1.2, 4);
    SetColor(cr, WithAlpha(Hex(0xFFFFFF), 0.8 * glow));
    cairo_fill(cr);
  }
}

}  // namespace

void AddPlayScreen(Registry& r) {
  // buttons
  AddButton(r, "Menu", "Menu", pal::Wood, 0, true, false, "menu_down", "");
  for (const bool desert : {false, true}) {
    const std::string base = desert ? "end_hole_desert" : "end_hole";
    r["menus/" + base + ".png"] = [desert](Canvas& c, const PictureFile&) { EndHoleBoard(c, State::Normal, desert); };
    r["menus/" + base + "MO.png"] = [desert](Canvas& c, const PictureFile&) { EndHoleBoard(c, State::Over, desert); };
    r["menus/" + base + "_down.png"] = [desert](Canvas& c, const PictureFile&) { EndHoleBoard(c, State::Down, desert); };
  }
  AddButton(r, "enddrive", "End Drive", pal::Brass, 0.12, true, false, "enddrive_down", "");
  r["menus/scorecard.png"] = [](Canvas& c, const PictureFile&) { ScorecardButton(c, false); };
  r["menus/scorecardMO.png"] = [](Canvas& c, const PictureFile&) { ScorecardButton(c, true); };
  for (int n = 0; n <= 3; ++n) {
    const std::string text = "Mulligan x" + std::to_string(n);
    const std::string base = "Mulligan_x" + std::to_string(n);
    auto make = [text](State st) {
      return [text, st](Canvas& c, const PictureFile&) {
        ButtonBoard(c, st, pal::Fairway, 0.5, [&](cairo_t* cr, double w, double h, const Rgb& ink) {
          TextLabel(cr, text, w, h, ink, 0.55);
        });
      };
    };
    if (n > 0) {
      r["menus/" + base + ".png"] = make(State::Normal);
      r["menus/" + base + "MO.png"] = make(State::Over);
    }
    r["menus/" + base + "_Disabled.png"] = make(State::Disabled);
    r["menus/" + base + "_Down.png"] = make(State::Down);
  }

  // signs of play
  auto board = [](const std::string& text, Rgb fill) {
    return [text, fill](Canvas& c, const PictureFile&) { BoardSign(c, text, fill); };
  };
  auto letters = [](const std::string& text, Rgb fill) {
    return [text, fill](Canvas& c, const PictureFile&) { Lettering(c, text, fill, c.h() * 0.8); };
  };
  const std::string p = "graphics/particles/";
  r[p + "play.png"] = [](Canvas& c, const PictureFile&) {
    cairo_t* cr = c.cr();
    RadialGlow(cr, c.w() / 2, c.h() / 2, c.w() * 0.5, WithAlpha(pal::BrassLight, 0.4));
    Lettering(c, "Tee Off!", pal::Cream, c.h() * 0.62);
  };
  r[p + "invalid.png"] = [](Canvas& c, const PictureFile&) {
    cairo_t* cr = c.cr();
    const double cx = c.w() / 2, cy = c.h() / 2, rad = c.w() * 0.38;
    FillCircle(cr, cx + 1.5, cy + 2, rad, {0, 0, 0, 0.3});
    Circle(cr, cx, cy, rad);
    FillAndStroke(cr, pal::Cream, pal::Warning, rad * 0.28);
    cairo_move_to(cr, cx - rad * 0.66, cy + rad * 0.66);
    cairo_line_to(cr, cx + rad * 0.66, cy - rad * 0.66);
    cairo_stroke(cr);
  };
  r[p + "cleared.png"] = letters("Cleared!", pal::Cream);
  r[p + "wedgefound.png"] = board("Wedge Found!", pal::Cream);
  r[p + "ironfound.png"] = board("Iron Found!", pal::Cream);
  r[p + "WaterHazardCleared.png"] = [](Canvas& c, const PictureFile&) {
    cairo_t* cr = c.cr();
    SoftShadow(cr, 6, 7, c.w() - 10, c.h() - 10, 12, 0.3, 4);
    FillRoundedRect(cr, 3, 3, c.w() - 9, c.h() - 9, 12, pal::Water);
    VerticalGradient(cr, 3, 3, c.w() - 9, c.h() - 9, WithAlpha(pal::WaterLight, 0.6), WithAlpha(pal::Water, 0));
    RoundedRect(cr, 3, 3, c.w() - 9, c.h() - 9, 12);
    SetColor(cr, pal::Brass);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    double size = c.h() * 0.4;
    SetFont(cr, Face::Bookman, size);
    while (TextWidth(cr, "Water Hazard Cleared!") > c.w() - 30) SetFont(cr, Face::Bookman, size -= 1);
    const Rgb out = Hex(0x1B4F80);
    CentredText(cr, "Water Hazard Cleared!", c.w() / 2, c.h() / 2 - 1, Hex(0xFFFFFF), &out, 1.6);
  };
  r[p + "LongDrive.png"] = [](Canvas& c, const PictureFile&) {
    cairo_t* cr = c.cr();
    GolfBall(cr, 26, c.h() / 2, 13);
    for (int k = 0; k < 3; ++k) {
      cairo_move_to(cr, 44 + k * 4, c.h() / 2 - 8 + k * 8);
      cairo_line_to(cr, 60 + k * 4, c.h() / 2 - 8 + k * 8);
    }
    SetColor(cr, WithAlpha(Hex(0xFFFFFF), 0.8));
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    Lettering(c, "    Long Drive!", pal::BrassLight, c.h() * 0.55);
  };
  r[p + "5.png"] = letters("5", pal::BrassLight);
  r[p + "7.png"] = letters("7", pal::BrassLight);
  r[p + "X.png"] = letters("x", pal::Cream);
  r[p + "ClickAPlayableCard.png"] = board("Shoot a playable card!", pal::Cream);
  r[p + "TimeUp.png"] = [](Canvas& c, const PictureFile&) { BoardSign(c, "Time's Up!", pal::Warning); };
  r[p + "Multiplier.png"] = [](Canvas& c, const PictureFile& s) {
    ForEachCell(c, s, [&](cairo_t* cr, int frame) {
      const double cx = s.cell_w / 2.0, cy = s.cell_h / 2.0;
      const double t = static_cast<double>(frame) / (s.frames - 1);
      RadialGlow(cr, cx, cy, 30, WithAlpha(pal::BrassLight, 0.25 + 0.35 * std::sin(t * M_PI)));
      Star(cr, cx, cy, 26, 12, 8, t * M_PI / 4);
      FillAndStroke(cr, WithAlpha(pal::Brass, 0.85), pal::DarkWood, 1.2);
      FillCircle(cr, cx, cy, 15, pal::DeepGreen);
      SetFont(cr, Face::Bookman, 18);
      const Rgb out = pal::DarkWood;
      CentredText(cr, "x", cx, cy, pal::Cream, &out, 1.2);
    });
  };
  r[p + "birdie.png"] = [](Canvas& c, const PictureFile&) {
    cairo_t* cr = c.cr();
    RadialGlow(cr, c.w() / 2, c.h() / 2, c.w() * 0.45, WithAlpha(pal::BrassLight, 0.4));
    FlyingBird(cr, 40, 30, 30, 0.2, Hex(0x3D6FB0), Hex(0x6E9ED6), false);
    Lettering(c, "Birdie!", pal::Cream, c.h() * 0.6);
  };
  r[p + "eagle.png"] = [](Canvas& c, const PictureFile&) {
    cairo_t* cr = c.cr();
    RadialGlow(cr, c.w() / 2, c.h() / 2, c.w() * 0.45, WithAlpha(pal::BrassLight, 0.45));
    FlyingBird(cr, 44, 30, 36, 0.25, Hex(0x5A3A1C), Hex(0x8B5A2B), false);
    Lettering(c, "Eagle!", pal::BrassLight, c.h() * 0.62);
  };
  r[p + "double_eagle.png"] = [](Canvas& c, const PictureFile&) {
    cairo_t* cr = c.cr();
    RadialGlow(cr, c.w() / 2, c.h() / 2, c.w() * 0.45, WithAlpha(pal::BrassLight, 0.5));
    for (int k = 0; k < 2; ++k) GoldStar(cr, 24 + k * (c.w() - 48), 24, 14);
    Lettering(c, "Double Eagle!", pal::BrassLight, c.h() * 0.5);
  };
  r[p + "triple_eagle.png"] = [](Canvas& c, const PictureFile&) {
    cairo_t* cr = c.cr();
    RadialGlow(cr, c.w() / 2, c.h() / 2, c.w() * 0.45, WithAlpha(pal::BrassLight, 0.55));
    for (int k = 0; k < 3; ++k) GoldStar(cr, c.w() / 2 + (k - 1) * 60, 18, 12);
    Lettering(c, "Triple Eagle!", pal::BrassLight, c.h() * 0.5);
  };
  r[p + "card_to_iron.png"] = [](Canvas& c, const PictureFile& s) {
    ForEachCell(c, s, [&](cairo_t* cr, int frame) { CardToIron(cr, frame, s.frames, s.cell_w, s.cell_h); });
  };

  // ambient animation strips
  auto flock = [](bool gull) {
    return [gull](Canvas& c, const PictureFile& s) {
      ForEachCell(c, s, [&](cairo_t* cr, int frame) {
        const double phase = static_cast<double>(frame) / s.frames;
        if (gull)
          FlyingBird(cr, s.cell_w / 2.0, s.cell_h * 0.45, 40, phase, Hex(0xF4F4F0), Hex(0xD8DCDF), true);
        else
          FlyingBird(cr, s.cell_w / 2.0, s.cell_h * 0.45, 36, phase, Hex(0x3A3F4A), Hex(0x4E5664), false);
      });
    };
  };
  r["graphics/gamescreen/anims/gull.png"] = flock(true);
  const std::string a = "graphics/gamescreen/anims/";
  r[a + "gopher_coins.png"] = [](Canvas& c, const PictureFile& s) {
    ForEachCell(c, s, [&](cairo_t* cr, int frame) {
      const double base = s.cell_h * 0.86, cx = s.cell_w / 2.0;
      const double rise = RiseHoldSink(frame, s.frames, 0.2, 0.25);
      Mound(cr, cx, base, 70);
      Gopher(cr, cx, base, 46, rise, 0);
      MoundLip(cr, cx, base, 70);
      // coins thrown up from the hole in the middle of the strip
      const double t = static_cast<double>(frame) / (s.frames - 1);
      if (t > 0.3 && t < 0.8) {
        const double k = (t - 0.3) / 0.5;
        for (int i = 0; i < 3; ++i) {
          const double x = cx + (i - 1) * 22 * k;
          const double y = base - 50 - 30 * std::sin(k * M_PI) + i * 4;
          GoldCoin(cr, x, y, 6);
        }
      }
    });
  };
  r[a + "gopher_look.png"] = [](Canvas& c, const PictureFile& s) {
    ForEachCell(c, s, [&](cairo_t* cr, int frame) {
      const double base = s.cell_h * 0.86, cx = s.cell_w / 2.0;
      const double t = static_cast<double>(frame) / (s.frames - 1);
      Mound(cr, cx, base, 70);
      Gopher(cr, cx, base, 46, RiseHoldSink(frame, s.frames, 0.15, 0.15), std::sin(t * 2 * M_PI * 1.5));
      MoundLip(cr, cx, base, 70);
    });
  };
  r[a + "gopher_moneybags.png"] = [](Canvas& c, const PictureFile& s) {
    ForEachCell(c, s, [&](cairo_t* cr, int frame) {
      const double base = s.cell_h * 0.86, cx = s.cell_w / 2.0;
      const double rise = RiseHoldSink(frame, s.frames, 0.15, 0.2);
      Mound(cr, cx, base, 74);
      Gopher(cr, cx - 8, base, 44, rise, 0.3);
      MoundLip(cr, cx, base, 74);
      if (rise > 0.5) {
        const double bx = cx + 22, by = base - 26 * rise;
        FillSquashedCircle(cr, bx, by, 12, 1.1, Hex(0xC9B48A));
        SetFont(cr, Face::SansBold, 12);
        CentredText(cr, "$", bx, by + 1, pal::DeepGreen);
      }
    });
  };
  r[a + "worm.png"] = [](Canvas& c, const PictureFile& s) {
    ForEachCell(c, s, [&](cairo_t* cr, int frame) {
      const double base = s.cell_h * 0.9, cx = s.cell_w / 2.0;
      const double rise = RiseHoldSink(frame, s.frames, 0.25, 0.25);
      const double t = static_cast<double>(frame) / (s.frames - 1);
      Mound(cr, cx, base, 30);
      if (rise > 0) {
        const double len = 28 * rise;
        cairo_move_to(cr, cx, base - 1);
        cairo_curve_to(cr, cx + 6 * std::sin(t * 9), base - len * 0.4, cx - 6 * std::sin(t * 9),
                       base - len * 0.7, cx + 3 * std::sin(t * 7), base - len);
        SetColor(cr, Hex(0xD98A8A));
        cairo_set_line_width(cr, 6);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
        FillCircle(cr, cx + 3 * std::sin(t * 7) - 1.2, base - len - 0.5, 0.9, pal::Black);
        FillCircle(cr, cx + 3 * std::sin(t * 7) + 1.2, base - len - 0.5, 0.9, pal::Black);
      }
    });
  };
  r[a + "gopher_hobo.png"] = [](Canvas& c, const PictureFile& s) {
    ForEachCell(c, s, [&](cairo_t* cr, int frame) {
      const double base = s.cell_h * 0.9, cx = s.cell_w / 2.0;
      const double t = static_cast<double>(frame) / s.frames;
      // a little camp: a bundle on a stick and the gopher nodding beside his hole
      Mound(cr, cx - 20, base, 64);
      Gopher(cr, cx - 20, base, 40, 0.95, std::sin(t * 2 * M_PI) * 0.6, Hex(0x3B3B3B));
      MoundLip(cr, cx - 20, base, 64);
      cairo_move_to(cr, cx + 20, base);
      cairo_line_to(cr, cx + 52, base - 40);
      SetColor(cr, pal::DarkWood);
      cairo_set_line_width(cr, 2.5);
      cairo_stroke(cr);
      FillCircle(cr, cx + 52, base - 44, 10, Hex(0xC62828));
      for (int k = 0; k < 4; ++k) FillCircle(cr, cx + 48 + (k % 2) * 8, base - 48 + (k / 2) * 7, 1.3, pal::Cream);
    });
  };
  r[a + "shimmer.png"] = [](Canvas& c, const PictureFile& s) {
    ForEachCell(c, s, [&](cairo_t* cr, int frame) {
      const double t = static_cast<double>(frame) / s.frames;
      for (int k = 0; k < 7; ++k) {
        const double x = 10 + k * 16 + 6 * std::sin(t * 2 * M_PI + k);
        const double y = s.cell_h / 2.0 + 3 * std::sin(t * 4 * M_PI + k * 1.7);
        const double bright = 0.5 + 0.5 * std::sin(t * 2 * M_PI + k * 0.9);
        cairo_move_to(cr, x - 5, y);
        cairo_line_to(cr, x + 5, y);
        SetColor(cr, WithAlpha(Hex(0xFFFFFF), 0.3 + 0.6 * bright));
        cairo_set_line_width(cr, 1.6);
        cairo_stroke(cr);
        Star(cr, x, y, 2 + 2 * bright, 0.6, 4);
        SetColor(cr, WithAlpha(pal::WaterLight, 0.8 * bright));
        cairo_fill(cr);
      }
    });
  };

  // rewards
  r["graphics/dialogs/plaque.png"] = [](Canvas& c, const PictureFile&) { Plaque(c); };
  r["graphics/Shop/star.png"] = [](Canvas& c, const PictureFile&) {
    cairo_t* cr = c.cr();
    RadialGlow(cr, c.w() / 2, c.h() / 2, c.w() * 0.5, WithAlpha(pal::BrassLight, 0.6));
    GoldStar(cr, c.w() / 2, c.h() / 2 + 4, c.w() * 0.45);
  };
}

}  // namespace art

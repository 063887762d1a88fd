// The pictures of the rooms outside play: the golf shop (shelves, panes, till, price digits, the
// fitting room), the avatar chooser's frames, the trophy room and the career statistics page.
// Positions in the comments are the screen places the game draws each picture at.

#include <cmath>
#include <string>
#include <vector>

#include "tools/art/registry.h"
#include "tools/art/avatar_heads.h"

namespace art {

namespace {

const Rgb kWall = Hex(0xEFE3C4);
const Rgb kWallShade = Hex(0xD9C79E);
const Rgb kCurtain = Hex(0x8E1F2A);
const Rgb kInk = Hex(0x2E2418);
const Rgb kPanel = Hex(0x1E3A24);

// A vertical run of wooden planks over (x, y, w, h).
void Planks(cairo_t* cr, double x, double y, double w, double h, double plank, const Rgb& base,
            std::uint32_t seed) {
  Rng rng(seed);
  for (double px = x; px < x + w; px += plank) {
    const double t = rng.Range(-0.06, 0.06);
    const Rgb c = t > 0 ? Lighter(base, t) : Darker(base, -t);
    cairo_rectangle(cr, px, y, std::min(plank, x + w - px), h);
    SetColor(cr, c);
    cairo_fill(cr);
    // grain: a few thin darker lines along the plank
    cairo_set_line_width(cr, 0.6);
    for (int g = 0; g < 3; ++g) {
      const double gx = px + rng.Range(3, plank - 3);
      cairo_move_to(cr, gx, y);
      cairo_curve_to(cr, gx + rng.Range(-2, 2), y + h * 0.3, gx + rng.Range(-2, 2), y + h * 0.7, gx, y + h);
      SetColor(cr, WithAlpha(Darker(base, 0.3), 0.25));
      cairo_stroke(cr);
    }
    cairo_move_to(cr, px + 0.5, y);
    cairo_line_to(cr, px + 0.5, y + h);
    SetColor(cr, WithAlpha(Darker(base, 0.45), 0.6));
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
  }
}

// Horizontal floor boards in perspective-free rows.
void FloorBoards(cairo_t* cr, double y, double h, double w, std::uint32_t seed) {
  Rng rng(seed);
  const Rgb base = Hex(0xA8733F);
  for (double by = y; by < y + h; by += 16) {
    double bx = -rng.Range(0, 120);
    while (bx < w) {
      const double len = rng.Range(110, 220);
      const double t = rng.Range(-0.08, 0.08);
      cairo_rectangle(cr, bx, by, len, 16);
      FillAndStroke(cr, t > 0 ? Lighter(base, t) : Darker(base, -t), WithAlpha(Darker(base, 0.5), 0.55), 0.8);
      bx += len;
    }
  }
}

// A wooden shelf board seen slightly from above, its front edge at y.
void ShelfBoard(cairo_t* cr, double x, double y, double w) {
  cairo_rectangle(cr, x, y - 6, w, 6);
  SetColor(cr, Lighter(pal::Wood, 0.15));
  cairo_fill(cr);
  cairo_rectangle(cr, x, y, w, 9);
  SetColor(cr, pal::Wood);
  cairo_fill(cr);
  cairo_rectangle(cr, x, y + 9, w, 5);
  SetColor(cr, WithAlpha(Hex(0x000000), 0.25));
  cairo_fill(cr);
  cairo_move_to(cr, x, y + 0.5);
  cairo_line_to(cr, x + w, y + 0.5);
  SetColor(cr, Lighter(pal::Wood, 0.35));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

// A hanging lamp: cord, brass shade and a warm pool of light.
void Lamp(cairo_t* cr, double x, double len) {
  RadialGlow(cr, x, len + 30, 140, Hex(0xFFF1C0, 0.35));
  cairo_move_to(cr, x, 0);
  cairo_line_to(cr, x, len);
  SetColor(cr, Hex(0x3A2A1A));
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  cairo_move_to(cr, x - 22, len + 20);
  cairo_curve_to(cr, x - 18, len - 2, x + 18, len - 2, x + 22, len + 20);
  cairo_close_path(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(x - 22, 0, x + 22, 0);
  cairo_pattern_add_color_stop_rgb(p, 0, pal::BrassLight.r, pal::BrassLight.g, pal::BrassLight.b);
  cairo_pattern_add_color_stop_rgb(p, 1, pal::Brass.r * 0.8, pal::Brass.g * 0.8, pal::Brass.b * 0.8);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  FillCircle(cr, x, len + 21, 6, Hex(0xFFF6C8));
}

// A golf club leaning at an angle: grip at (x, y), head near (x + dx, y + dy).
void LeaningClub(cairo_t* cr, double x, double y, double dx, double dy, const Rgb& head) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, x, y);
  cairo_line_to(cr, x + dx, y + dy);
  SetColor(cr, Hex(0xB8BEC4));
  cairo_set_line_width(cr, 2.2);
  cairo_stroke(cr);
  cairo_move_to(cr, x, y);
  cairo_line_to(cr, x + dx * 0.22, y + dy * 0.22);
  SetColor(cr, Hex(0x2A2A2A));
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
  cairo_save(cr);
  cairo_translate(cr, x + dx, y + dy);
  RoundedRect(cr, -3, -3, 14, 8, 3);
  SetColor(cr, head);
  cairo_fill(cr);
  cairo_restore(cr);
}

// Text in the shop's sign style: cream with a dark-wood outline.
void SignText(cairo_t* cr, const std::string& s, double cx, double cy, double size, Face face = Face::Bookman) {
  SetFont(cr, face, size);
  const Rgb out = pal::DarkWood;
  CentredText(cr, s, cx, cy, pal::Cream, &out, std::max(1.0, size / 14));
}

// A button board in the shared style: brighter with a brass glow on mouse-over, pressed a pixel
// lower and darker, greyed at half alpha when disabled.
enum class ButtonState { Normal, Over, Down, Disabled };

void ShopButton(Canvas& c, const std::string& text, ButtonState st) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  const double dy = st == ButtonState::Down ? 1 : 0;
  // the shadow is grey already (and greying its see-through edge would tint it)
  if (st != ButtonState::Over && st != ButtonState::Down) SoftShadow(cr, 4, 5, w - 7, h - 7, h / 4, 0.3, 3);
  auto board = [&] {
    if (st == ButtonState::Over) ButtonGlow(cr, w, h, h / 4);
    const double bright = st == ButtonState::Over       ? MOUSE_OVER_BRIGHT
                          : st == ButtonState::Down     ? -0.12
                          : st == ButtonState::Disabled ? DISABLED_BRIGHT
                                                        : 0.0;
    WoodBoard(cr, 3, 3 + dy, w - 6, h - 6, h / 4, bright);
    FitFont(cr, Face::Bookman, h * 0.45, text, w - 20, 8, 1);
    const Rgb out = pal::DarkWood;
    const Rgb ink = st == ButtonState::Over ? Hex(0xFFFFFF) : st == ButtonState::Disabled ? DISABLED_INK : pal::Cream;
    CentredText(cr, text, w / 2, h / 2 + dy, ink, &out, 1.2);
  };
  if (st == ButtonState::Disabled) {
    Greyed(cr, 0.5, board);
  } else {
    board();
  }
}

void AddButtonSet(Registry& r, const std::string& file, const std::string& text, bool down, bool disabled) {
  r["menus/" + file + ".png"] = [text](Canvas& c, const PictureFile&) { ShopButton(c, text, ButtonState::Normal); };
  r["menus/" + file + "MO.png"] = [text](Canvas& c, const PictureFile&) { ShopButton(c, text, ButtonState::Over); };
  if (down) r["menus/" + file + "_down.png"] = [text](Canvas& c, const PictureFile&) { ShopButton(c, text, ButtonState::Down); };
  if (disabled) r["menus/" + file + "_disabled.png"] = [text](Canvas& c, const PictureFile&) { ShopButton(c, text, ButtonState::Disabled); };
}

// Digit strips: cells 0..9 the digits, then the given extras, each centred in its cell, kept
// pixel-sharp (drawn at the logical size).
void GlyphStrip(Canvas& c, const PictureFile& s, const std::vector<std::string>& glyphs, const Rgb& fill,
                const Rgb* outline, double outline_w, double size) {
  ForEachCell(c, s, [&](cairo_t* cr, int i) {
    if (i >= static_cast<int>(glyphs.size()) || glyphs[i].empty()) return;
    SetFont(cr, Face::SansNarrowBold, size);
    CentredText(cr, glyphs[i], s.cell_w / 2.0, s.cell_h / 2.0, fill, outline, outline_w);
  });
}

std::vector<std::string> DigitsThen(std::initializer_list<const char*> more) {
  std::vector<std::string> d;
  for (int i = 0; i < 10; ++i) d.push_back(std::to_string(i));
  for (const char* m : more) d.push_back(m);
  return d;
}

// ---- the golf shop ----

// The shop's room: panelled wall, the shelf cabinet behind the item slots (centres x 389..723,
// y 168..336), the fitting-room alcove on the left, the counter on the right and the floor.
void ShopBackground(cairo_t* cr) {
  // wall: cream plaster over a wooden wainscot
  VerticalGradient(cr, 0, 0, 800, 430, kWall, kWallShade);
  for (int i = 0; i < 40; ++i) {  // faint wallpaper stripes
    cairo_rectangle(cr, i * 20 + 8, 0, 4, 430);
    SetColor(cr, WithAlpha(Hex(0xC9B27E), 0.18));
    cairo_fill(cr);
  }
  Planks(cr, 0, 400, 800, 80, 40, Hex(0x7A4A22), 11);
  cairo_rectangle(cr, 0, 396, 800, 6);
  SetColor(cr, pal::DarkWood);
  cairo_fill(cr);
  FloorBoards(cr, 480, 120, 800, 21);
  VerticalGradient(cr, 0, 480, 800, 30, Hex(0x000000, 0.35), Hex(0x000000, 0.0));

  // the player block's board at the top left (labels at x 10, values from x 88, y 47..117)
  SoftShadow(cr, 4, 40, 262, 86, 8, 0.3, 3);
  WoodBoard(cr, 2, 38, 262, 84, 8, -0.05);
  RoundedRect(cr, 84, 45, 172, 70, 5);
  SetColor(cr, WithAlpha(Hex(0x1A120A), 0.55));
  cairo_fill(cr);

  // the fitting-room alcove: a darker recess with a mirror, framed by the curtains picture
  RoundedRect(cr, 26, 175, 184, 380, 6);
  SetColor(cr, Hex(0x5C4630));
  cairo_fill(cr);
  RoundedRect(cr, 48, 190, 140, 330, 60);
  cairo_pattern_t* m = cairo_pattern_create_linear(48, 190, 188, 520);
  cairo_pattern_add_color_stop_rgb(m, 0, 0.78, 0.86, 0.9);
  cairo_pattern_add_color_stop_rgb(m, 0.5, 0.6, 0.7, 0.76);
  cairo_pattern_add_color_stop_rgb(m, 1, 0.72, 0.8, 0.84);
  cairo_set_source(cr, m);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(m);
  SetColor(cr, pal::Brass);
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
  // a small rug in front of the mirror
  cairo_save(cr);
  cairo_translate(cr, 118, 552);
  cairo_scale(cr, 1, 0.22);
  FillCircle(cr, 0, 0, 88, Hex(0x6E2A2A));
  cairo_set_line_width(cr, 8);
  Circle(cr, 0, 0, 76);
  SetColor(cr, WithAlpha(pal::BrassLight, 0.6));
  cairo_stroke(cr);
  cairo_restore(cr);

  // the shelf cabinet: back panel, sides and three shelves under the rows of slots
  SoftShadow(cr, 322, 112, 466, 290, 6, 0.35, 5);
  cairo_rectangle(cr, 322, 108, 462, 290);
  SetColor(cr, pal::DarkWood);
  cairo_fill(cr);
  cairo_rectangle(cr, 332, 118, 442, 272);
  cairo_pattern_t* back = cairo_pattern_create_linear(0, 118, 0, 390);
  cairo_pattern_add_color_stop_rgb(back, 0, 0.36, 0.52, 0.36);
  cairo_pattern_add_color_stop_rgb(back, 1, 0.2, 0.34, 0.22);
  cairo_set_source(cr, back);
  cairo_fill(cr);
  cairo_pattern_destroy(back);
  for (int row = 0; row < 3; ++row) ShelfBoard(cr, 332, 168 + 84 * row + 41, 442);
  cairo_rectangle(cr, 316, 100, 474, 14);  // cornice
  SetColor(cr, pal::Wood);
  cairo_fill(cr);
  cairo_rectangle(cr, 316, 100, 474, 3);
  SetColor(cr, pal::BrassLight);
  cairo_fill(cr);

  // a rack of clubs between the fitting room and the cabinet
  for (int i = 0; i < 5; ++i)
    LeaningClub(cr, 244 + i * 13, 260 + (i % 2) * 6, 18 - i * 2, 130, i % 2 ? Hex(0x8D949B) : Hex(0x5A3A1C));
  RoundedRect(cr, 232, 382, 80, 26, 5);
  SetColor(cr, pal::Wood);
  cairo_fill(cr);

  // the counter on the right, below the till (till top at 619, 377)
  SoftShadow(cr, 600, 400, 200, 200, 4, 0.35, 5);
  Planks(cr, 604, 398, 196, 202, 28, Hex(0x9A6434), 5);
  cairo_rectangle(cr, 604, 398, 196, 6);
  SetColor(cr, pal::BrassLight);
  cairo_fill(cr);
  // the item card: the item picture stands small in its top right corner (centred on 560, 444),
  // the name (y 465) runs below it and the two description lines below that, the cannot-afford
  // note at y 534 (its glyphs reach 18 px lower, inside the brass rule at 558)
  SoftShadow(cr, 352, 404, 250, 162, 8, 0.3, 4);
  RoundedRect(cr, 348, 400, 250, 162, 8);
  SetColor(cr, Hex(0xF6ECCF));
  cairo_fill(cr);
  RoundedRect(cr, 352, 404, 242, 154, 6);
  SetColor(cr, WithAlpha(pal::Brass, 0.7));
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);

  Lamp(cr, 470, 40);
  Lamp(cr, 680, 30);
}

// The shop's sign: a hanging board reading "Golf Shop", centred on x 556, dropping to the top edge.
void ShopSign(Canvas& c) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  // two short chains from the top edge
  for (double x : {w * 0.2, w * 0.8}) {
    for (double y = 0; y < 18; y += 6) {
      cairo_save(cr);
      cairo_translate(cr, x, y + 3);
      cairo_scale(cr, 1, 1.6);
      Circle(cr, 0, 0, 2.2);
      cairo_restore(cr);
      SetColor(cr, pal::Brass);
      cairo_set_line_width(cr, 1.2);
      cairo_stroke(cr);
    }
  }
  SoftShadow(cr, 6, 20, w - 10, h - 24, 12, 0.35, 4);
  WoodBoard(cr, 3, 16, w - 8, h - 20, 12, 0.08);
  GolfBall(cr, 30, 16 + (h - 20) / 2, 11);
  GolfBall(cr, w - 34, 16 + (h - 20) / 2, 11);
  SignText(cr, "Golf Shop", w / 2, 16 + (h - 20) / 2, 34);
}

// A label board for the player block (top-left handle at 10, 47 / 72 / 97).
void BlockLabel(Canvas& c, const std::string& s) {
  cairo_t* cr = c.cr();
  SetFont(cr, Face::Bookman, 15);
  const Rgb out = pal::DarkWood;
  CentredText(cr, s, c.w() / 2.0, c.h() / 2.0, pal::BrassLight, &out, 1.2);
}

// The curtains of the fitting room, drawn at (13, 163) over the avatar: a pelmet and two drawn-back
// velvet curtains, leaving the middle, where the avatar stands, clear.
void Curtains(Canvas& c) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  auto curtain = [&](double x0, double x1, double tie_x, bool left) {
    cairo_move_to(cr, x0, 20);
    cairo_line_to(cr, x1, 20);
    cairo_curve_to(cr, x1, h * 0.35, tie_x, h * 0.5, tie_x, h * 0.55);
    cairo_curve_to(cr, tie_x, h * 0.62, left ? x0 + 26 : x0 - 6, h * 0.8, left ? x0 + 30 : x0 - 10, h);
    cairo_line_to(cr, left ? x0 : x1, h);
    if (left) cairo_line_to(cr, x0, 20);
    else cairo_line_to(cr, x1, 20);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(x0, 0, x1, 0);
    for (int k = 0; k <= 8; ++k) {
      const double t = k / 8.0;
      const double v = (k % 2) ? 0.75 : 1.0;
      cairo_pattern_add_color_stop_rgb(p, t, kCurtain.r * v, kCurtain.g * v, kCurtain.b * v);
    }
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // the brass tie-back
    FillCircle(cr, tie_x, h * 0.56, 5, pal::Brass);
    FillCircle(cr, tie_x - 1, h * 0.56 - 1, 2, pal::BrassLight);
  };
  curtain(0, 52, 22, true);
  curtain(w - 52, w, w - 22, false);
  // rail and pelmet
  cairo_rectangle(cr, 0, 0, w, 26);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, 26);
  cairo_pattern_add_color_stop_rgb(p, 0, kCurtain.r * 1.1, kCurtain.g * 1.1, kCurtain.b * 1.1);
  cairo_pattern_add_color_stop_rgb(p, 1, kCurtain.r * 0.7, kCurtain.g * 0.7, kCurtain.b * 0.7);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  for (double x = 6; x < w; x += 14) {  // scalloped hem
    cairo_arc(cr, x + 7, 26, 7, 0, M_PI);
    SetColor(cr, Darker(kCurtain, 0.25));
    cairo_fill(cr);
  }
  cairo_rectangle(cr, 0, 0, w, 3);
  SetColor(cr, pal::Brass);
  cairo_fill(cr);
}

// The small sign above the fitting room (centred at 116, 154) and its lettering (116, 152).
void FittingRoomSign(Canvas& c) {
  cairo_t* cr = c.cr();
  SoftShadow(cr, 4, 5, c.w() - 7, c.h() - 7, 8, 0.3, 3);
  WoodBoard(cr, 3, 3, c.w() - 6, c.h() - 6, 8, 0.0);
}

// Slot panes on the shelf (centred on each slot). Each is a glass-fronted box a little smaller
// than the slot pitch (111 x 84), so a strip between two panes answers no click.
void PaneBox(cairo_t* cr, double w, double h, const Rgb& inside, double glow) {
  if (glow > 0) {
    for (int i = 4; i >= 1; --i) {
      RoundedRect(cr, 4 - i, 4 - i, w - 8 + 2 * i, h - 8 + 2 * i, 8 + i);
      SetColor(cr, WithAlpha(pal::BrassLight, 0.12 * glow));
      cairo_fill(cr);
    }
  }
  RoundedRect(cr, 4, 4, w - 8, h - 8, 8);
  FillAndStroke(cr, inside, glow > 0 ? pal::BrassLight : pal::Brass, glow > 0 ? 2.4 : 1.6);
}

void LockedPane(Canvas& c) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  PaneBox(cr, w, h, Hex(0x2A2A26, 0.82), 0);
  // a brass padlock
  const double cx = w / 2, cy = h / 2 + 6;
  cairo_arc(cr, cx, cy - 10, 9, M_PI, 2 * M_PI);
  SetColor(cr, Hex(0xB8BEC4));
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
  RoundedRect(cr, cx - 15, cy - 10, 30, 24, 4);
  cairo_pattern_t* p = cairo_pattern_create_linear(cx - 15, cy - 10, cx + 15, cy + 14);
  cairo_pattern_add_color_stop_rgb(p, 0, pal::BrassLight.r, pal::BrassLight.g, pal::BrassLight.b);
  cairo_pattern_add_color_stop_rgb(p, 1, pal::Brass.r * 0.75, pal::Brass.g * 0.75, pal::Brass.b * 0.75);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  FillCircle(cr, cx, cy, 3, pal::DarkWood);
  cairo_rectangle(cr, cx - 1.2, cy, 2.4, 7);
  SetColor(cr, pal::DarkWood);
  cairo_fill(cr);
}

void SoldOutText(Canvas& c) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  cairo_save(cr);
  cairo_translate(cr, w / 2, h / 2);
  cairo_rotate(cr, -0.32);
  RoundedRect(cr, -44, -12, 88, 24, 4);
  FillAndStroke(cr, Hex(0xFBFBF6, 0.92), pal::Red, 2.4);
  SetFont(cr, Face::SansBold, 14);
  CentredText(cr, "SOLD OUT", 0, 0, pal::Red);
  cairo_restore(cr);
}

// The till's top, drawn over the lower part of the rising price card at (619, 377): a brass
// cash register seen from the front.
void TillTop(Canvas& c) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  // The price card (top 414..444 on screen) shows above y 67 of this picture (444 - 377): its
  // digits stand clear at rest and sink behind the register while it rises.
  const double top = 67;
  SoftShadow(cr, 4, top + 3, w - 8, h - top - 5, 8, 0.35, 4);
  RoundedRect(cr, 2, top, w - 4, h - top - 2, 8);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, top, 0, h);
  cairo_pattern_add_color_stop_rgb(p, 0, pal::BrassLight.r, pal::BrassLight.g, pal::BrassLight.b);
  cairo_pattern_add_color_stop_rgb(p, 0.5, pal::Brass.r, pal::Brass.g, pal::Brass.b);
  cairo_pattern_add_color_stop_rgb(p, 1, pal::Brass.r * 0.7, pal::Brass.g * 0.7, pal::Brass.b * 0.7);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  // keys
  for (int row = 0; row < 2; ++row)
    for (int k = 0; k < 7; ++k) {
      const double kx = 16 + k * 22, ky = top + 16 + row * 17;
      FillCircle(cr, kx + 1, ky + 1, 7, WithAlpha(Hex(0x000000), 0.3));
      FillCircle(cr, kx, ky, 7, Hex(0xF4EEDC));
      SetFont(cr, Face::SansBold, 8);
      CentredText(cr, std::to_string((row * 7 + k) % 10), kx, ky, kInk);
    }
  // the decorative crest on the register's top edge, either side of the card window
  cairo_rectangle(cr, 2, top, w - 4, 3);
  SetColor(cr, pal::BrassLight);
  cairo_fill(cr);
}

// The recess the price card rises out of, at (634, 414).
void PriceBackground(Canvas& c) {
  cairo_t* cr = c.cr();
  RoundedRect(cr, 0, 0, c.w(), c.h(), 5);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, c.h());
  cairo_pattern_add_color_stop_rgb(p, 0, 0.1, 0.07, 0.04);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.25, 0.17, 0.09);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

// The price card at (644, cardY): digits 20 px high from cardY + 7, centred on x 681.
void PriceCard(Canvas& c) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  RoundedRect(cr, 1, 1, w - 2, h - 2, 4);
  FillAndStroke(cr, Hex(0xFBF4DE), pal::CardEdge, 1);
  cairo_move_to(cr, 5, 31.5);
  cairo_line_to(cr, w - 5, 31.5);
  SetColor(cr, WithAlpha(pal::Red, 0.5));
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
}

// ---- avatar chooser ----

void ChooserBackground(cairo_t* cr) {
  VerticalGradient(cr, 0, 0, 800, 600, Hex(0x2F6B33), Hex(0x1C4424));
  Rng rng(77);
  for (int i = 0; i < 900; ++i) {  // soft felt texture
    const double x = rng.Range(0, 800), y = rng.Range(0, 600);
    FillCircle(cr, x, y, rng.Range(0.6, 1.6), WithAlpha(Hex(0xFFFFFF), 0.03));
  }
  // a wooden rail behind each row of portraits
  for (double y : {290.0, 496.0}) {
    cairo_rectangle(cr, 0, y, 800, 14);
    SetColor(cr, pal::Wood);
    cairo_fill(cr);
    cairo_rectangle(cr, 0, y, 800, 2);
    SetColor(cr, pal::BrassLight);
    cairo_fill(cr);
  }
  // header band
  cairo_rectangle(cr, 0, 0, 800, 64);
  SetColor(cr, WithAlpha(Hex(0x000000), 0.25));
  cairo_fill(cr);
  VerticalGradient(cr, 0, 520, 800, 80, Hex(0x000000, 0.0), Hex(0x000000, 0.35));
}

// Cell pictures of the chooser (158 x 200 cells, handle at the top-left): the backing is opaque
// inside its rounded board, so every click on a face counts.
constexpr double kFrameInset = 9;

void FrameBacking(Canvas& c, bool over) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  RoundedRect(cr, kFrameInset, kFrameInset, w - 2 * kFrameInset, h - 2 * kFrameInset, 10);
  cairo_pattern_t* p = cairo_pattern_create_radial(w / 2, h * 0.4, 10, w / 2, h * 0.45, h * 0.6);
  if (over) {
    cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 0.95, 0.78);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.85, 0.66, 0.28);
  } else {
    cairo_pattern_add_color_stop_rgb(p, 0, 0.85, 0.93, 0.98);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.45, 0.66, 0.8);
  }
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void FrameBorder(Canvas& c) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  RoundedRect(cr, 3, 3, w - 6, h - 6, 14);
  RoundedRect(cr, kFrameInset + 2, kFrameInset + 2, w - 2 * kFrameInset - 4, h - 2 * kFrameInset - 4, 9);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, w, h);
  cairo_pattern_add_color_stop_rgb(p, 0, pal::BrassLight.r, pal::BrassLight.g, pal::BrassLight.b);
  cairo_pattern_add_color_stop_rgb(p, 0.5, pal::Brass.r, pal::Brass.g, pal::Brass.b);
  cairo_pattern_add_color_stop_rgb(p, 1, pal::Brass.r * 0.6, pal::Brass.g * 0.6, pal::Brass.b * 0.6);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  RoundedRect(cr, 6.5, 6.5, w - 13, h - 13, 11);
  SetColor(cr, WithAlpha(pal::DarkWood, 0.6));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

void FrameShadow(Canvas& c) {
  // an inner vignette laid over the portrait, darker towards the frame
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  RoundedRect(cr, kFrameInset, kFrameInset, w - 2 * kFrameInset, h - 2 * kFrameInset, 10);
  cairo_pattern_t* p = cairo_pattern_create_radial(w / 2, h / 2, h * 0.3, w / 2, h / 2, h * 0.62);
  cairo_pattern_add_color_stop_rgba(p, 0, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(p, 1, 0, 0, 0, 0.45);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

// ---- trophy room ----

// The room: panelled walls, three glass-fronted shelves either side of a central alcove for the
// large trophy, a carpet. Trophies stand at the top-left corners the room gives (10..784, 58..530).
void TrophyBackground(cairo_t* cr) {
  VerticalGradient(cr, 0, 0, 800, 600, Hex(0x4A2C17), Hex(0x2C190C));
  Planks(cr, 0, 0, 800, 600, 50, Hex(0x5B3519), 31);
  // shelf niches: four columns of three, two each side
  const double cols[4] = {4, 156, 530, 682};
  for (double x : cols) {
    for (int row = 0; row < 3; ++row) {
      const double top = 44 + row * 166, bottom = top + 128;
      RoundedRect(cr, x, top, 114, bottom - top, 6);
      cairo_pattern_t* p = cairo_pattern_create_linear(0, top, 0, bottom);
      cairo_pattern_add_color_stop_rgb(p, 0, 0.16, 0.26, 0.2);
      cairo_pattern_add_color_stop_rgb(p, 1, 0.1, 0.17, 0.13);
      cairo_set_source(cr, p);
      cairo_fill(cr);
      cairo_pattern_destroy(p);
      RadialGlow(cr, x + 57, top + 8, 70, Hex(0xFFF1C0, 0.25));
      ShelfBoard(cr, x, bottom, 114);
    }
  }
  // the central alcove for trophy 0
  RoundedRect(cr, 294, 40, 212, 440, 100);
  cairo_pattern_t* a = cairo_pattern_create_linear(0, 40, 0, 480);
  cairo_pattern_add_color_stop_rgb(a, 0, 0.22, 0.34, 0.24);
  cairo_pattern_add_color_stop_rgb(a, 1, 0.12, 0.2, 0.14);
  cairo_set_source(cr, a);
  cairo_fill(cr);
  cairo_pattern_destroy(a);
  RadialGlow(cr, 400, 120, 180, Hex(0xFFF1C0, 0.3));
  cairo_rectangle(cr, 284, 468, 232, 26);  // plinth
  SetColor(cr, Hex(0x3A2414));
  cairo_fill(cr);
  cairo_rectangle(cr, 284, 468, 232, 4);
  SetColor(cr, pal::Brass);
  cairo_fill(cr);
  // carpet strip at the bottom
  cairo_rectangle(cr, 0, 560, 800, 40);
  SetColor(cr, Hex(0x6E1E24));
  cairo_fill(cr);
  cairo_rectangle(cr, 0, 562, 800, 2);
  SetColor(cr, WithAlpha(pal::BrassLight, 0.6));
  cairo_fill(cr);
}

// The foreground over the trophies: the shelves' side posts and the alcove's arch, clear where the
// trophies stand.
void TrophyForeground(cairo_t* cr) {
  const double posts[5] = {0, 150, 524, 676, 796};
  for (double x : posts) {
    cairo_rectangle(cr, x, 30, 8, 520);
    cairo_pattern_t* p = cairo_pattern_create_linear(x, 0, x + 8, 0);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.5, 0.32, 0.17);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.3, 0.18, 0.09);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
  }
  // cornice along the top
  cairo_rectangle(cr, 0, 26, 800, 14);
  SetColor(cr, pal::DarkWood);
  cairo_fill(cr);
  cairo_rectangle(cr, 0, 38, 800, 2);
  SetColor(cr, pal::Brass);
  cairo_fill(cr);
  // the alcove's brass arch rim
  cairo_new_path(cr);
  cairo_arc(cr, 400, 140, 106, M_PI, 2 * M_PI);
  SetColor(cr, pal::Brass);
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
}

// A plaque for the plaque texts (handle at the centre).
void Plaque(Canvas& c, bool gold) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  SoftShadow(cr, 3, 4, w - 5, h - 5, 6, 0.4, 2);
  RoundedRect(cr, 1, 1, w - 4, h - 4, 6);
  SetColor(cr, pal::DarkWood);
  cairo_fill(cr);
  RoundedRect(cr, 4, 4, w - 10, h - 10, 4);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 4, 0, h - 6);
  if (gold) {
    cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 0.9, 0.6);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.8, 0.62, 0.2);
  } else {
    cairo_pattern_add_color_stop_rgb(p, 0, 0.9, 0.9, 0.88);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.68, 0.68, 0.66);
  }
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  // The screws sit at the very ends of the face, clear of the widest name the plaque takes.
  for (double sx : {7.0, w - 8}) FillCircle(cr, sx, h / 2 - 1.5, 1.6, WithAlpha(pal::DarkWood, 0.7));
}

// The tool tip's card (text wrapped to 220 px, centred on the picture, drawn in dark brown).
void TrophyToolTip(Canvas& c) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  SoftShadow(cr, 4, 5, w - 8, h - 8, 10, 0.35, 3);
  RoundedRect(cr, 2, 2, w - 6, h - 6, 10);
  FillAndStroke(cr, Hex(0xFBF1D6), pal::Brass, 2);
  RoundedRect(cr, 6, 6, w - 14, h - 14, 7);
  SetColor(cr, WithAlpha(pal::Brass, 0.45));
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
}

// ---- career statistics ----

void StatsBackground(cairo_t* cr) {
  // a dark green baize ledger with faint ruled lines behind the rows (79..524, 15 px apart)
  VerticalGradient(cr, 0, 0, 800, 600, Hex(0x24472B), Hex(0x15291A));
  Rng rng(51);
  for (int i = 0; i < 700; ++i)
    FillCircle(cr, rng.Range(0, 800), rng.Range(0, 600), rng.Range(0.5, 1.4), WithAlpha(Hex(0xFFFFFF), 0.025));
  RoundedRect(cr, 4, 50, 792, 490, 8);
  FillAndStroke(cr, WithAlpha(Hex(0x000000), 0.28), WithAlpha(pal::Brass, 0.8), 2);
  const double group_tops[5] = {79, 149, 234, 304, 464};
  const int rows[5] = {4, 5, 4, 10, 5};
  for (int g = 0; g < 5; ++g) {
    for (int r = 0; r < rows[g]; ++r) {
      const double y = group_tops[g] + r * 15;
      if (r % 2 == 0) {
        cairo_rectangle(cr, 10, y - 1, 780, 15);
        SetColor(cr, WithAlpha(Hex(0xFFFFFF), 0.04));
        cairo_fill(cr);
      }
    }
    cairo_move_to(cr, 10, group_tops[g] - 5.5);
    cairo_line_to(cr, 790, group_tops[g] - 5.5);
    SetColor(cr, WithAlpha(pal::BrassLight, g == 0 ? 0.0 : 0.35));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
  // column rules
  for (double x : {213.0, 308.0, 428.0, 631.0, 719.0}) {
    cairo_move_to(cr, x - 0.5, 56);
    cairo_line_to(cr, x - 0.5, 536);
    SetColor(cr, WithAlpha(pal::BrassLight, 0.18));
    cairo_stroke(cr);
  }
}

void Heading(Canvas& c, const std::string& s) {
  cairo_t* cr = c.cr();
  SetFont(cr, Face::Bookman, 15);
  const Rgb out = pal::DarkWood;
  const double tw = TextWidth(cr, s);
  // left-aligned: the heading stands over its column, 10 px left of the column's text
  CentredText(cr, s, 10 + tw / 2, c.h() / 2.0, pal::BrassLight, &out, 1.2);
}

void TitleBoard(Canvas& c, const std::string& s, double size) {
  cairo_t* cr = c.cr();
  SoftShadow(cr, 5, 6, c.w() - 9, c.h() - 9, 12, 0.35, 4);
  WoodBoard(cr, 3, 3, c.w() - 8, c.h() - 8, 12, 0.05);
  SignText(cr, s, c.w() / 2.0, c.h() / 2.0, size);
}

}  // namespace

void AddShopRooms(Registry& r) {
  // golf shop
  r["graphics/Shop/background.jpg"] = [](Canvas& c, const PictureFile&) { ShopBackground(c.cr()); };
  r["graphics/Shop/shop_sign.png"] = [](Canvas& c, const PictureFile&) { ShopSign(c); };
  r["graphics/Shop/player.png"] = [](Canvas& c, const PictureFile&) { BlockLabel(c, "Player"); };
  r["graphics/Shop/rank.png"] = [](Canvas& c, const PictureFile&) { BlockLabel(c, "Rank"); };
  r["graphics/Shop/cash.png"] = [](Canvas& c, const PictureFile&) { BlockLabel(c, "Cash"); };
  r["graphics/Shop/curtains.png"] = [](Canvas& c, const PictureFile&) { Curtains(c); };
  r["graphics/Shop/Fitting_Room_Sign.png"] = [](Canvas& c, const PictureFile&) { FittingRoomSign(c); };
  r["graphics/Shop/fitting_room_label.png"] = [](Canvas& c, const PictureFile&) {
    SignText(c.cr(), "Fitting Room", c.w() / 2.0, c.h() / 2.0, 17);
  };
  r["graphics/Shop/checkout_counter.png"] = [](Canvas& c, const PictureFile&) { TillTop(c); };
  r["graphics/Shop/cash_total_bg.png"] = [](Canvas& c, const PictureFile&) { PriceBackground(c); };
  r["graphics/Shop/cash_total.png"] = [](Canvas& c, const PictureFile&) { PriceCard(c); };
  r["graphics/Shop/locked_box.png"] = [](Canvas& c, const PictureFile&) { LockedPane(c); };
  r["graphics/Shop/sold_out_bg.png"] = [](Canvas& c, const PictureFile&) {
    PaneBox(c.cr(), c.w(), c.h(), Hex(0x4A3A2A, 0.75), 0);
  };
  r["graphics/Shop/sold_out.png"] = [](Canvas& c, const PictureFile&) { SoldOutText(c); };
  r["graphics/Shop/item_over.png"] = [](Canvas& c, const PictureFile&) {
    PaneBox(c.cr(), c.w(), c.h(), Hex(0xFFF3C4, 0.55), 1.0);
  };
  r["graphics/Shop/item_over_dark.png"] = [](Canvas& c, const PictureFile&) {
    PaneBox(c.cr(), c.w(), c.h(), Hex(0x6A5434, 0.8), 1.0);
  };
  static const Rgb beige_out = pal::DarkWood;
  r["graphics/fonts/score_sign_numbers_small_beige.png"] = [](Canvas& c, const PictureFile& s) {
    GlyphStrip(c, s, DigitsThen({"$", "\u20AC", "\u00A5", "+", "-", ".", "x"}), Hex(0xF1E3BE), &beige_out, 1.0, 17);
  };
  r["graphics/fonts/price_font_black.png"] = [](Canvas& c, const PictureFile& s) {
    GlyphStrip(c, s, DigitsThen({"-", "$", "\u20AC", "\u00A5"}), kInk, nullptr, 0, 18);
  };
  r["graphics/fonts/price_font_red.png"] = [](Canvas& c, const PictureFile& s) {
    GlyphStrip(c, s, DigitsThen({"-", "$", "\u20AC", "\u00A5"}), pal::Red, nullptr, 0, 18);
  };
  AddButtonSet(r, "leave_shop", "Leave Shop", true, false);
  AddButtonSet(r, "buy", "Buy", true, true);
  AddButtonSet(r, "sell", "Sell", true, false);

  // avatar chooser
  r["graphics/avatarselection/avatar_bg.jpg"] = [](Canvas& c, const PictureFile&) { ChooserBackground(c.cr()); };
  r["graphics/avatarselection/select_your_look.png"] = [](Canvas& c, const PictureFile&) {
    TitleBoard(c, "Select Your Look", 30);
  };
  r["graphics/avatarselection/gents.png"] = [](Canvas& c, const PictureFile&) { TitleBoard(c, "Gents", 20); };
  r["graphics/avatarselection/ladies.png"] = [](Canvas& c, const PictureFile&) { TitleBoard(c, "Ladies", 20); };
  r["graphics/avatarselection/Picture_Frame.png"] = [](Canvas& c, const PictureFile&) { FrameBorder(c); };
  r["graphics/avatarselection/Picture_Frame_bg.png"] = [](Canvas& c, const PictureFile&) { FrameBacking(c, false); };
  r["graphics/avatarselection/Picture_Frame_bgMO.png"] = [](Canvas& c, const PictureFile&) { FrameBacking(c, true); };
  r["graphics/avatarselection/shadow.png"] = [](Canvas& c, const PictureFile&) { FrameShadow(c); };
  // The portraits: the same faces as everywhere else in the game, head and shoulders inside the
  // frame's window.
  for (int n = 1; n <= 5; ++n) {
    r["graphics/avatarselection/gent_0" + std::to_string(n) + ".png"] = [n](Canvas& c, const PictureFile&) {
      const double inset = kFrameInset + 2;
      DrawAvatarPortrait(c.cr(), true, n, inset, inset + 6, c.w() - 2 * inset, c.h() - 2 * inset - 6);
    };
    r["graphics/avatarselection/lady_0" + std::to_string(n) + ".png"] = [n](Canvas& c, const PictureFile&) {
      const double inset = kFrameInset + 2;
      DrawAvatarPortrait(c.cr(), false, n, inset, inset + 6, c.w() - 2 * inset, c.h() - 2 * inset - 6);
    };
  }
  r["menus/OK_disabled.png"] = [](Canvas& c, const PictureFile&) { ShopButton(c, "OK", ButtonState::Disabled); };

  // trophy room
  r["graphics/TrophyRoom/trophy_bg.jpg"] = [](Canvas& c, const PictureFile&) { TrophyBackground(c.cr()); };
  r["graphics/TrophyRoom/trophy_fg.png"] = [](Canvas& c, const PictureFile&) { TrophyForeground(c.cr()); };
  r["graphics/TrophyRoom/plaque0.png"] = [](Canvas& c, const PictureFile&) { Plaque(c, false); };
  r["graphics/TrophyRoom/plaque1.png"] = [](Canvas& c, const PictureFile&) { Plaque(c, true); };
  r["graphics/TrophyRoom/plaque2.png"] = [](Canvas& c, const PictureFile&) { Plaque(c, true); };
  r["graphics/TrophyRoom/tooltip.png"] = [](Canvas& c, const PictureFile&) { TrophyToolTip(c); };

  // career statistics
  r["graphics/CareerStats/career_stats_bg.jpg"] = [](Canvas& c, const PictureFile&) { StatsBackground(c.cr()); };
  r["graphics/CareerStats/career_stats.png"] = [](Canvas& c, const PictureFile&) { TitleBoard(c, "Career Statistics", 26); };
  const char* headings[5] = {"Statistic", "Value", "Player", "Course", "Date"};
  for (int n = 1; n <= 5; ++n) {
    const std::string text = headings[n - 1];
    r["graphics/CareerStats/label" + std::to_string(n) + ".png"] = [text](Canvas& c, const PictureFile&) { Heading(c, text); };
  }
}

}  // namespace art

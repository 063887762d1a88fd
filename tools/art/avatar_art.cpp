// The avatar's layers and the trophies. Every avatar layer is drawn in avatar space (the figure's
// own coordinates, head at the top-left) and shifted by the layer's offset, so each garment sits
// where the game draws it: a gent's garment id at (MaleClothesX, MaleClothesY), a lady's at
// (FemaleClothesX, FemaleClothesY), the body at (0, 60) or (0, 91), the club at (103, 207) or
// (102, 214).

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "tools/art/avatar_heads.h"
#include "tools/art/registry.h"
#include "tools/art/shop_items.h"

namespace art {

namespace {

using figure::Ellipse;
using figure::Outline;
using figure::PI;
using figure::Shape;

// A fill with a soft light on the upper left and shade on the lower right, inside the path.
void ShadedShape(cairo_t* cr, const Rgb& fill, double x0, double y0, double x1, double y1) {
  cairo_save(cr);
  SetColor(cr, fill);
  cairo_fill_preserve(cr);
  cairo_clip_preserve(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(x0, y0, x1, y1);
  cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, 0.22);
  cairo_pattern_add_color_stop_rgba(g, 0.45, 1, 1, 1, 0);
  cairo_pattern_add_color_stop_rgba(g, 0.6, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(g, 1, 0.15, 0.05, 0, 0.25);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
  SetColor(cr, Outline(fill));
  cairo_set_line_width(cr, 1.3);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

struct Pt {
  double x, y;
};

// A limb along the points: an outlined round-capped stroke.
void Limb(cairo_t* cr, const std::vector<Pt>& pts, double width, const Rgb& c) {
  auto path = [&] {
    cairo_new_path(cr);
    cairo_move_to(cr, pts[0].x, pts[0].y);
    for (std::size_t i = 1; i < pts.size(); ++i) cairo_line_to(cr, pts[i].x, pts[i].y);
  };
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  path();
  SetColor(cr, Outline(c));
  cairo_set_line_width(cr, width + 2.6);
  cairo_stroke(cr);
  path();
  SetColor(cr, c);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
  // a highlight along the upper left edge
  cairo_new_path(cr);
  cairo_move_to(cr, pts[0].x - width * 0.25, pts[0].y);
  for (std::size_t i = 1; i < pts.size(); ++i) cairo_line_to(cr, pts[i].x - width * 0.25, pts[i].y);
  SetColor(cr, WithAlpha(Lighter(c, 0.5), 0.35));
  cairo_set_line_width(cr, width * 0.25);
  cairo_stroke(cr);
}

void Hand(cairo_t* cr, double x, double y, const Rgb& skin) {
  cairo_new_path(cr);
  cairo_arc(cr, x, y, 8, 0, 2 * PI);
  Shape(cr, skin);
  cairo_move_to(cr, x - 4, y + 2);
  cairo_line_to(cr, x + 3, y + 3);
  SetColor(cr, Darker(skin, 0.3));
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
}

// --- the two figures ----------------------------------------------------------------------------

struct Figure {
  bool male;
  double cx;                    // centre line
  double shoulderY, waistY, hemY, ankleY, soleY;
  double shoulderHalf, waistHalf;
  Pt lShoulder, lElbow, lWrist, lHand;
  Pt rShoulder, rElbow, rWrist, rHand;
  double legL, legR, legHalf;   // leg centres and half width
};

const Figure kGent{true, 74, 112, 186, 288, 292, 342, 34, 27,
                   {46, 118}, {33, 170}, {23, 216}, {20, 232},
                   {102, 118}, {118, 168}, {112, 210}, {116, 225},
                   62, 86, 11};
const Figure kLady{false, 81, 128, 174, 244, 300, 352, 28, 23,
                   {58, 134}, {34, 154}, {42, 166}, {44, 168},
                   {104, 134}, {120, 178}, {123, 218}, {124, 231},
                   70, 92, 9};

void DrawBody(cairo_t* cr, const Figure& f, int look) {
  const Rgb skin = AvatarSkin(f.male, look);
  const Rgb vest = Hex(0xF4F1E8);
  // legs and feet
  for (double lx : {f.legL, f.legR}) Limb(cr, {{lx, f.waistY + 6}, {lx, f.soleY - 10}}, f.legHalf * 2, skin);
  // arms behind the torso
  Limb(cr, {f.lShoulder, f.lElbow, f.lWrist}, f.male ? 13 : 10, skin);
  Limb(cr, {f.rShoulder, f.rElbow, f.rWrist}, f.male ? 13 : 10, skin);
  // torso in a plain vest
  cairo_new_path(cr);
  cairo_move_to(cr, f.cx - f.shoulderHalf, f.shoulderY + 4);
  cairo_curve_to(cr, f.cx - f.shoulderHalf + 2, f.shoulderY - 6, f.cx + f.shoulderHalf - 2, f.shoulderY - 6,
                 f.cx + f.shoulderHalf, f.shoulderY + 4);
  cairo_line_to(cr, f.cx + f.waistHalf, f.waistY + 4);
  cairo_line_to(cr, f.cx - f.waistHalf, f.waistY + 4);
  cairo_close_path(cr);
  ShadedShape(cr, vest, f.cx - f.shoulderHalf, f.shoulderY, f.cx + f.shoulderHalf, f.waistY);
  Hand(cr, f.lHand.x, f.lHand.y, skin);
  Hand(cr, f.rHand.x, f.rHand.y, skin);
}

void DrawClub(cairo_t* cr, const Figure& f) {
  const Pt top{f.rHand.x + 1, f.rHand.y - 12};
  const Pt bottom{f.rHand.x + 16, f.soleY - 4};
  // grip, shaft, and an iron head resting on the ground
  Limb(cr, {top, {top.x + 2, top.y + 22}}, 6, Hex(0x2B2B2B));
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, top.x + 2, top.y + 22);
  cairo_line_to(cr, bottom.x, bottom.y - 6);
  SetColor(cr, Hex(0x55585E));
  cairo_set_line_width(cr, 3.4);
  cairo_stroke(cr);
  cairo_move_to(cr, top.x + 2, top.y + 22);
  cairo_line_to(cr, bottom.x, bottom.y - 6);
  SetColor(cr, Hex(0xD7DBE2));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  cairo_new_path(cr);
  cairo_move_to(cr, bottom.x - 3, bottom.y - 10);
  cairo_line_to(cr, bottom.x + 16, bottom.y - 4);
  cairo_curve_to(cr, bottom.x + 19, bottom.y - 3, bottom.x + 19, bottom.y + 3, bottom.x + 15, bottom.y + 3);
  cairo_line_to(cr, bottom.x - 4, bottom.y + 1);
  cairo_close_path(cr);
  ShadedShape(cr, Hex(0xC8CDD6), bottom.x - 4, bottom.y - 10, bottom.x + 19, bottom.y + 3);
}

// --- garments -----------------------------------------------------------------------------------

// Tartan checks over the current clip.
void Tartan(cairo_t* cr, double x, double y, double w, double h, const Rgb& base, const Rgb& a, const Rgb& b) {
  SetColor(cr, base);
  cairo_rectangle(cr, x, y, w, h);
  cairo_fill(cr);
  for (double i = x - 4; i < x + w; i += 14) {
    cairo_rectangle(cr, i, y, 5, h);
    SetColor(cr, WithAlpha(a, 0.55));
    cairo_fill(cr);
    cairo_rectangle(cr, i + 9, y, 1.4, h);
    SetColor(cr, WithAlpha(b, 0.8));
    cairo_fill(cr);
  }
  for (double j = y - 4; j < y + h; j += 14) {
    cairo_rectangle(cr, x, j, w, 5);
    SetColor(cr, WithAlpha(a, 0.45));
    cairo_fill(cr);
    cairo_rectangle(cr, x, j + 9, w, 1.4);
    SetColor(cr, WithAlpha(b, 0.7));
    cairo_fill(cr);
  }
}

// Argyle diamonds over the current clip.
void Argyle(cairo_t* cr, double x, double y, double w, double h, const Rgb& base, const Rgb& a, const Rgb& b,
            double size) {
  SetColor(cr, base);
  cairo_rectangle(cr, x, y, w, h);
  cairo_fill(cr);
  int k = 0;
  for (double j = y; j < y + h + size; j += size, ++k)
    for (double i = x + (k % 2) * size / 2; i < x + w + size; i += size) {
      cairo_move_to(cr, i, j - size / 2);
      cairo_line_to(cr, i + size / 4, j);
      cairo_line_to(cr, i, j + size / 2);
      cairo_line_to(cr, i - size / 4, j);
      cairo_close_path(cr);
      SetColor(cr, ((k + static_cast<int>((i - x) / size)) % 2) ? a : b);
      cairo_fill(cr);
    }
}

// Fills the current path with a pattern painter, then outlines it.
void PatternShape(cairo_t* cr, const Rgb& outline_of, const std::function<void()>& paint) {
  double x0, y0, x1, y1;
  cairo_path_extents(cr, &x0, &y0, &x1, &y1);
  cairo_path_t* path = cairo_copy_path(cr);
  cairo_save(cr);
  cairo_clip(cr);
  paint();
  // shade to the lower right
  cairo_pattern_t* g = cairo_pattern_create_linear(x0, y0, x1, y1);
  cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, 0.15);
  cairo_pattern_add_color_stop_rgba(g, 0.5, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(g, 1, 0, 0, 0, 0.22);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
  cairo_new_path(cr);
  cairo_append_path(cr, path);
  cairo_path_destroy(path);
  SetColor(cr, Outline(outline_of));
  cairo_set_line_width(cr, 1.3);
  cairo_stroke(cr);
}

void TorsoPath(cairo_t* cr, const Figure& f, double bottom, double flare) {
  cairo_new_path(cr);
  cairo_move_to(cr, f.cx - f.shoulderHalf - 3, f.shoulderY + 6);
  cairo_curve_to(cr, f.cx - f.shoulderHalf, f.shoulderY - 8, f.cx + f.shoulderHalf, f.shoulderY - 8,
                 f.cx + f.shoulderHalf + 3, f.shoulderY + 6);
  cairo_line_to(cr, f.cx + f.waistHalf + flare, bottom);
  cairo_line_to(cr, f.cx - f.waistHalf - flare, bottom);
  cairo_close_path(cr);
}

void Sleeves(cairo_t* cr, const Figure& f, double reach, const Rgb& c) {
  auto along = [reach](Pt a, Pt b) { return Pt{a.x + (b.x - a.x) * reach, a.y + (b.y - a.y) * reach}; };
  Limb(cr, {f.lShoulder, along(f.lShoulder, f.lElbow)}, f.male ? 20 : 15, c);
  Limb(cr, {f.rShoulder, along(f.rShoulder, f.rElbow)}, f.male ? 20 : 15, c);
}

void Collar(cairo_t* cr, const Figure& f, const Rgb& c, double y) {
  for (int side = -1; side <= 1; side += 2) {
    cairo_new_path(cr);
    cairo_move_to(cr, f.cx, y + 12);
    cairo_line_to(cr, f.cx + side * 13, y - 2);
    cairo_line_to(cr, f.cx + side * 15, y + 9);
    cairo_close_path(cr);
    Shape(cr, c);
  }
}

void Shirt(cairo_t* cr, const Figure& f, bool owned) {
  const Rgb plain = Hex(0xF6F6F0);
  const Rgb red = Hex(0xC0392B);
  Sleeves(cr, f, 0.55, owned ? red : plain);
  TorsoPath(cr, f, f.waistY + 6, 2);
  if (owned) {
    PatternShape(cr, red, [&] { Tartan(cr, 0, 60, 170, 150, red, Hex(0x1F6B3A), Hex(0xF3D77A)); });
  } else {
    ShadedShape(cr, plain, f.cx - 30, f.shoulderY, f.cx + 30, f.waistY);
  }
  Collar(cr, f, owned ? Hex(0xF3D77A) : plain, f.shoulderY - 12);
  // placket with two buttons
  for (int i = 0; i < 2; ++i) FillCircle(cr, f.cx, f.shoulderY + 4 + i * 9, 1.7, owned ? Hex(0xF3D77A) : Hex(0x9AA3AC));
}

void Blouse(cairo_t* cr, const Figure& f, bool owned) {
  const Rgb plain = Hex(0xF7F3FA);
  const Rgb pink = Hex(0xE45C8B);
  Sleeves(cr, f, 0.4, owned ? pink : plain);
  TorsoPath(cr, f, f.waistY + 4, 1);
  if (owned) {
    PatternShape(cr, pink, [&] {
      SetColor(cr, pink);
      cairo_paint(cr);
      Rng rng(23);
      for (int i = 0; i < 40; ++i) FillCircle(cr, rng.Range(40, 125), rng.Range(110, 185), 2.2, Hex(0xFFFFFF, 0.85));
    });
  } else {
    ShadedShape(cr, plain, f.cx - 28, f.shoulderY, f.cx + 28, f.waistY);
  }
  // a round neckline
  cairo_new_path(cr);
  cairo_arc(cr, f.cx, f.shoulderY - 8, 10, 0.1 * PI, 0.9 * PI);
  SetColor(cr, Outline(owned ? pink : plain));
  cairo_set_line_width(cr, 1.4);
  cairo_stroke(cr);
}

void Trousers(cairo_t* cr, const Figure& f, bool owned) {
  const Rgb grey = Hex(0x6D7480);
  cairo_new_path(cr);
  cairo_move_to(cr, f.cx - f.waistHalf - 1, f.waistY - 3);
  cairo_line_to(cr, f.cx + f.waistHalf + 1, f.waistY - 3);
  cairo_line_to(cr, f.legR + f.legHalf + 3, f.hemY);
  cairo_line_to(cr, f.legR - f.legHalf - 2, f.hemY);
  cairo_line_to(cr, f.cx + 1, f.waistY + 24);
  cairo_line_to(cr, f.cx - 1, f.waistY + 24);
  cairo_line_to(cr, f.legL + f.legHalf + 2, f.hemY);
  cairo_line_to(cr, f.legL - f.legHalf - 3, f.hemY);
  cairo_close_path(cr);
  if (owned) {
    PatternShape(cr, Hex(0x1F4E8C), [&] { Tartan(cr, 0, 170, 170, 130, Hex(0x1F4E8C), Hex(0x2E8B3E), Hex(0xF2C94C)); });
  } else {
    ShadedShape(cr, grey, f.cx - 30, f.waistY, f.cx + 30, f.hemY);
    for (double lx : {f.legL, f.legR}) {  // creases
      cairo_move_to(cr, lx, f.waistY + 14);
      cairo_line_to(cr, lx, f.hemY - 2);
    }
    SetColor(cr, WithAlpha(Darker(grey, 0.3), 0.6));
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
  }
}

void Skirt(cairo_t* cr, const Figure& f, bool owned) {
  const Rgb navy = Hex(0x2F3E63);
  cairo_new_path(cr);
  cairo_move_to(cr, f.cx - f.waistHalf - 1, f.waistY);
  cairo_line_to(cr, f.cx + f.waistHalf + 1, f.waistY);
  cairo_line_to(cr, f.cx + f.waistHalf + 13, f.hemY);
  cairo_curve_to(cr, f.cx + 10, f.hemY + 4, f.cx - 10, f.hemY + 4, f.cx - f.waistHalf - 13, f.hemY);
  cairo_close_path(cr);
  if (owned) {
    PatternShape(cr, Hex(0xB03A48), [&] { Tartan(cr, 0, 160, 170, 100, Hex(0xB03A48), Hex(0x1F3B6B), Hex(0xF5F0E0)); });
  } else {
    ShadedShape(cr, navy, f.cx - 30, f.waistY, f.cx + 30, f.hemY);
  }
  for (int i = -2; i <= 2; ++i) {  // pleats
    cairo_move_to(cr, f.cx + i * 9, f.waistY + 6);
    cairo_line_to(cr, f.cx + i * 13, f.hemY);
  }
  SetColor(cr, WithAlpha(Hex(0x000000), 0.25));
  cairo_set_line_width(cr, 0.9);
  cairo_stroke(cr);
}

void Shoes(cairo_t* cr, const Figure& f, bool owned) {
  for (int side = -1; side <= 1; side += 2) {
    const double lx = side < 0 ? f.legL : f.legR;
    const double top = f.soleY - 16;
    cairo_new_path(cr);
    cairo_move_to(cr, lx - f.legHalf - 1, top);
    cairo_line_to(cr, lx + f.legHalf + 1, top);
    cairo_curve_to(cr, lx + f.legHalf + 2 + side * 8, top + 2, lx + side * 20, top + 8, lx + side * 20, f.soleY - 3);
    cairo_line_to(cr, lx - side * 13, f.soleY - 3);
    cairo_close_path(cr);
    if (owned) {
      ShadedShape(cr, Hex(0xFBFBF6), lx - 14, top, lx + 14, f.soleY);
      // brown saddle and a fringed tongue
      cairo_rectangle(cr, lx - 6, top + 2, 12, 9);
      SetColor(cr, Hex(0x7A4A24));
      cairo_fill(cr);
      for (int k = -2; k <= 2; ++k) {
        cairo_move_to(cr, lx + k * 2.5, top - 1);
        cairo_line_to(cr, lx + k * 2.5, top + 4);
      }
      SetColor(cr, Hex(0x5A3A1C));
      cairo_set_line_width(cr, 1);
      cairo_stroke(cr);
    } else {
      ShadedShape(cr, f.male ? Hex(0x6B3F1F) : Hex(0xF4F4F4), lx - 14, top, lx + 14, f.soleY);
    }
    cairo_rectangle(cr, lx - 13 + std::min(0, side) * 7, f.soleY - 4, 26, 3);
    SetColor(cr, Hex(0x2A2A2A));
    cairo_fill(cr);
  }
}

void Socks(cairo_t* cr, const Figure& f, bool owned, double top) {
  for (double lx : {f.legL, f.legR}) {
    cairo_new_path(cr);
    RoundedRect(cr, lx - f.legHalf - 1, top, 2 * f.legHalf + 2, f.soleY - 12 - top, 3);
    if (owned) {
      PatternShape(cr, Hex(0x3C6FB0), [&] {
        Argyle(cr, lx - 14, top, 28, f.soleY - top, Hex(0xF7F1E1), Hex(0x3C6FB0), Hex(0xE76F94), 10);
      });
    } else {
      ShadedShape(cr, Hex(0xFAFAF6), lx - 10, top, lx + 10, f.soleY);
    }
    cairo_rectangle(cr, lx - f.legHalf, top + 1, 2 * f.legHalf, 3);
    SetColor(cr, WithAlpha(Hex(0x000000), 0.15));
    cairo_fill(cr);
  }
}

void Sunglasses(cairo_t* cr, const Figure& f, double eyeY, double eyeDx) {
  for (int side = -1; side <= 1; side += 2) {
    const double x = f.cx + side * eyeDx;
    cairo_new_path(cr);
    cairo_move_to(cr, x - 11, eyeY - 6);
    cairo_line_to(cr, x + 11, eyeY - 6);
    cairo_curve_to(cr, x + 11, eyeY + 6, x + 5, eyeY + 8, x, eyeY + 8);
    cairo_curve_to(cr, x - 5, eyeY + 8, x - 11, eyeY + 6, x - 11, eyeY - 6);
    cairo_close_path(cr);
    cairo_save(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(x, eyeY - 6, x, eyeY + 8);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.08, 0.1, 0.16);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.2, 0.32, 0.45);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
    SetColor(cr, Hex(0x111111));
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    cairo_move_to(cr, x - 7, eyeY - 3);
    cairo_line_to(cr, x - 2, eyeY - 3);
    SetColor(cr, WithAlpha(Hex(0xFFFFFF), 0.7));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
  }
  cairo_move_to(cr, f.cx - eyeDx + 11, eyeY - 4);
  cairo_line_to(cr, f.cx + eyeDx - 11, eyeY - 4);
  cairo_move_to(cr, f.cx - eyeDx - 11, eyeY - 5);
  cairo_line_to(cr, f.cx - eyeDx - 16, eyeY - 3);
  cairo_move_to(cr, f.cx + eyeDx + 11, eyeY - 5);
  cairo_line_to(cr, f.cx + eyeDx + 16, eyeY - 3);
  SetColor(cr, Hex(0x111111));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
}

void Belt(cairo_t* cr, const Figure& f) {
  RoundedRect(cr, f.cx - f.waistHalf - 2, f.waistY - 2, 2 * f.waistHalf + 4, 8, 2);
  Shape(cr, Hex(0x3B2A1E));
  RoundedRect(cr, f.cx - 8, f.waistY - 4, 16, 12, 2);
  ShadedShape(cr, Hex(0xE0B43A), f.cx - 8, f.waistY - 4, f.cx + 8, f.waistY + 8);
  RoundedRect(cr, f.cx - 4, f.waistY - 1, 8, 6, 1);
  SetColor(cr, Hex(0x8A6A14));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

// A white leather golf glove on a hand hanging at the golfer's side: a blue strap at the cuff, the
// back of the hand, four fingers pointing down and the thumb towards the body.
void Glove(cairo_t* cr, Pt hand) {
  const Rgb leather = Hex(0xFBFBF6);
  const Rgb strap = Hex(0x2E6FB0);
  for (int k = 0; k < 4; ++k) {
    cairo_new_path(cr);
    RoundedRect(cr, hand.x - 8 + k * 3.8, hand.y, 3.8, 11 - std::abs(k - 1.5) * 1.6, 1.9);
    Shape(cr, leather, 0.9);
  }
  cairo_new_path(cr);
  cairo_save(cr);
  cairo_translate(cr, hand.x + 8, hand.y - 2);
  cairo_rotate(cr, -0.5);
  RoundedRect(cr, -2.2, -1, 4.4, 10, 2.2);
  cairo_restore(cr);
  Shape(cr, leather, 0.9);
  cairo_new_path(cr);
  RoundedRect(cr, hand.x - 8.5, hand.y - 12, 16, 15, 4);
  ShadedShape(cr, leather, hand.x - 8, hand.y - 12, hand.x + 8, hand.y + 3);
  for (int k = 1; k <= 3; ++k) {
    cairo_move_to(cr, hand.x - 8 + k * 3.8, hand.y - 6);
    cairo_line_to(cr, hand.x - 8 + k * 3.8, hand.y + 1);
  }
  SetColor(cr, WithAlpha(Hex(0x9AA3AC), 0.8));
  cairo_set_line_width(cr, 0.7);
  cairo_stroke(cr);
  RoundedRect(cr, hand.x - 9, hand.y - 16, 17, 6, 2);
  Shape(cr, strap);
  FillCircle(cr, hand.x + 4, hand.y - 13, 1.5, Hex(0xF3D77A));
}

void TourBag(cairo_t* cr) {
  // Behind the figure on the left: club heads, the bag, a stand.
  for (int i = 0; i < 3; ++i) {
    const double x = 16 + i * 10;
    cairo_move_to(cr, x + 2, 212);
    cairo_line_to(cr, x, 194);
    SetColor(cr, Hex(0x9AA0A8));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    Ellipse(cr, x, 191, 6, 4);
    Shape(cr, i == 1 ? Hex(0x2B2B2B) : Hex(0xC8CDD6));
  }
  RoundedRect(cr, 8, 206, 44, 134, 12);
  ShadedShape(cr, Hex(0x1F6B3A), 8, 206, 52, 340);
  RoundedRect(cr, 6, 204, 48, 12, 5);
  Shape(cr, Hex(0xE0B43A));
  RoundedRect(cr, 14, 250, 32, 36, 5);
  Shape(cr, Hex(0x174F2B));
  cairo_rectangle(cr, 8, 300, 44, 6);
  SetColor(cr, Hex(0xE0B43A));
  cairo_fill(cr);
}

void FlatCap(cairo_t* cr) {
  const Rgb tweed = Hex(0x8A7A5A);
  const double cx = 74, top = 16;
  cairo_new_path(cr);
  cairo_move_to(cr, cx - 34, top + 30);
  cairo_curve_to(cr, cx - 36, top - 2, cx + 36, top - 6, cx + 36, top + 26);
  cairo_curve_to(cr, cx + 20, top + 32, cx - 20, top + 34, cx - 34, top + 30);
  cairo_close_path(cr);
  PatternShape(cr, tweed, [&] {
    SetColor(cr, tweed);
    cairo_paint(cr);
    Rng rng(31);
    for (int i = 0; i < 160; ++i) {
      cairo_rectangle(cr, rng.Range(30, 120), rng.Range(10, 60), 1.4, 1.4);
      SetColor(cr, rng.Uniform() < 0.5 ? Hex(0x5E503A, 0.7) : Hex(0xB8A77E, 0.7));
      cairo_fill(cr);
    }
  });
  // the peak
  cairo_new_path(cr);
  cairo_move_to(cr, cx - 32, top + 28);
  cairo_curve_to(cr, cx - 18, top + 40, cx + 20, top + 40, cx + 34, top + 26);
  cairo_curve_to(cr, cx + 20, top + 33, cx - 18, top + 34, cx - 32, top + 28);
  cairo_close_path(cr);
  Shape(cr, Darker(tweed, 0.25));
  FillCircle(cr, cx + 2, top + 6, 2.5, Darker(tweed, 0.3));
}

void Stopwatch(cairo_t* cr, double cx, double cy, double hookX, double hookY) {
  cairo_move_to(cr, hookX, hookY);
  cairo_curve_to(cr, hookX + 2, cy - 10, cx - 4, cy - 14, cx, cy - 12);
  SetColor(cr, Hex(0xC9CED6));
  cairo_set_line_width(cr, 1.4);
  DashedStroke(cr, 2.0, 1.2);
  cairo_rectangle(cr, cx - 2.5, cy - 15, 5, 5);
  Shape(cr, Hex(0xC9CED6));
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy, 10, 0, 2 * PI);
  ShadedShape(cr, Hex(0xD9DEE6), cx - 10, cy - 10, cx + 10, cy + 10);
  FillCircle(cr, cx, cy, 7.5, Hex(0xFFFDF5));
  for (int i = 0; i < 12; ++i) {
    const double a = i * PI / 6;
    cairo_move_to(cr, cx + std::cos(a) * 6, cy + std::sin(a) * 6);
    cairo_line_to(cr, cx + std::cos(a) * 7.2, cy + std::sin(a) * 7.2);
  }
  SetColor(cr, Hex(0x333333));
  cairo_set_line_width(cr, 0.7);
  cairo_stroke(cr);
  cairo_move_to(cr, cx, cy);
  cairo_line_to(cr, cx + 3, cy - 5);
  SetColor(cr, Hex(0xC62828));
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
}

void Wristband(cairo_t* cr, Pt wrist, bool bracelet) {
  if (bracelet) {
    for (int i = -2; i <= 2; ++i) FillCircle(cr, wrist.x + i * 3.2, wrist.y + std::abs(i) * 0.6, 2.4, Hex(0xE0B43A));
    FillCircle(cr, wrist.x, wrist.y + 3, 2.8, Hex(0x5FC3E4));
    return;
  }
  RoundedRect(cr, wrist.x - 9, wrist.y - 3, 18, 7, 2);
  Shape(cr, Hex(0xC9A227));
  cairo_new_path(cr);
  cairo_arc(cr, wrist.x, wrist.y, 5.5, 0, 2 * PI);
  ShadedShape(cr, Hex(0xF3D77A), wrist.x - 5, wrist.y - 5, wrist.x + 5, wrist.y + 5);
  FillCircle(cr, wrist.x, wrist.y, 3.6, Hex(0xFFFDF5));
  cairo_move_to(cr, wrist.x, wrist.y);
  cairo_line_to(cr, wrist.x + 2, wrist.y - 2);
  SetColor(cr, Hex(0x333333));
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
}

void Cardigan(cairo_t* cr, const Figure& f, bool owned) {
  const Rgb c = owned ? Hex(0x7FB7E6) : Hex(0xEDE3C8);
  // tied round the waist: a band, then the two sleeves knotted in front
  cairo_new_path(cr);
  cairo_move_to(cr, f.cx - f.waistHalf - 4, f.waistY - 6);
  cairo_line_to(cr, f.cx + f.waistHalf + 4, f.waistY - 6);
  cairo_line_to(cr, f.cx + f.waistHalf + 8, f.waistY + 8);
  cairo_line_to(cr, f.cx - f.waistHalf - 8, f.waistY + 8);
  cairo_close_path(cr);
  ShadedShape(cr, c, f.cx - 30, f.waistY - 6, f.cx + 30, f.waistY + 8);
  Limb(cr, {{f.cx - 4, f.waistY + 2}, {f.cx - 10, f.waistY + 18}}, 8, c);
  Limb(cr, {{f.cx + 4, f.waistY + 2}, {f.cx + 12, f.waistY + 17}}, 8, c);
  cairo_new_path(cr);
  cairo_arc(cr, f.cx, f.waistY + 2, 5, 0, 2 * PI);
  Shape(cr, Darker(c, 0.08));
  if (owned) {
    for (int i = 0; i < 6; ++i) FillCircle(cr, f.cx - 22 + i * 9, f.waistY + 1, 1.3, Hex(0xFFFFFF, 0.8));
  }
}

void Necklace(cairo_t* cr, const Figure& f) {
  cairo_new_path(cr);
  cairo_move_to(cr, f.cx - 11, 104);
  cairo_curve_to(cr, f.cx - 8, 116, f.cx + 8, 116, f.cx + 11, 104);
  SetColor(cr, Hex(0xC9A227));
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  for (int i = 0; i <= 8; ++i) {
    const double t = i / 8.0;
    const double x = f.cx - 11 + 22 * t;
    const double y = 104 + 12 * 4 * t * (1 - t) * 0.72;
    FillCircle(cr, x, y, 1.6, Hex(0xFBF7EE));
  }
  cairo_new_path(cr);
  cairo_move_to(cr, f.cx, 115);
  cairo_line_to(cr, f.cx + 4, 120);
  cairo_line_to(cr, f.cx, 125);
  cairo_line_to(cr, f.cx - 4, 120);
  cairo_close_path(cr);
  ShadedShape(cr, Hex(0x5FC3E4), f.cx - 4, 115, f.cx + 4, 125);
}

void HairFlower(cairo_t* cr, double cx, double cy) {
  for (int i = 0; i < 5; ++i) {
    const double a = i * 2 * PI / 5 - PI / 2;
    cairo_new_path(cr);
    cairo_arc(cr, cx + std::cos(a) * 5, cy + std::sin(a) * 5, 4.6, 0, 2 * PI);
    Shape(cr, Hex(0xF06292), 1.0);
  }
  FillCircle(cr, cx, cy, 3, Hex(0xF9D55B));
  cairo_move_to(cr, cx + 4, cy + 8);
  cairo_curve_to(cr, cx + 8, cy + 12, cx + 6, cy + 16, cx + 3, cy + 17);
  SetColor(cr, Hex(0x3F8F3A));
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
}

// Draws in avatar space for a layer placed at (ox, oy).
Drawer AtOffset(double ox, double oy, std::function<void(cairo_t*)> fn) {
  return [ox, oy, fn](Canvas& c, const PictureFile&) {
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_translate(cr, -ox, -oy);
    fn(cr);
    cairo_restore(cr);
  };
}

// A garment on its golfer in avatar space; not `owned`, the plain one worn until it is bought.
void DrawGarment(cairo_t* cr, Garment g, bool male, bool owned) {
  const Figure& f = male ? kGent : kLady;
  switch (g) {
    case Garment::TartanShirt: Shirt(cr, f, owned); break;
    case Garment::PolkaDotBlouse: Blouse(cr, f, owned); break;
    case Garment::TartanTrousers: Trousers(cr, f, owned); break;
    case Garment::TartanSkirt: Skirt(cr, f, owned); break;
    case Garment::SaddleShoes: Shoes(cr, f, owned); break;
    case Garment::XRayShades: male ? Sunglasses(cr, f, 66, 12.2) : Sunglasses(cr, f, 82, 11.3); break;
    case Garment::ArgyleSocks: Socks(cr, f, owned, 280); break;
    case Garment::ArgyleKneeSocks: Socks(cr, f, owned, 264); break;
    case Garment::BuckleBelt: Belt(cr, f); break;
    case Garment::HairFlower: HairFlower(cr, 105, 88); break;
    case Garment::Glove: Glove(cr, f.lHand); break;
    case Garment::TourBag: TourBag(cr); break;
    case Garment::Cardigan: Cardigan(cr, f, owned); break;
    case Garment::FlatCap: FlatCap(cr); break;
    case Garment::SunHat: DrawSunHat(cr); break;
    // Worn, the moustache is part of the head and takes the gent's hair colour; drawn alone (on
    // the shelf) it is the brown of the second look.
    case Garment::Moustache: DrawMoustache(cr, 2); break;
    case Garment::PearlNecklace: Necklace(cr, f); break;
    case Garment::Stopwatch:
      male ? Stopwatch(cr, 118, 206, 104, f.waistY) : Stopwatch(cr, 112, 224, 100, f.waistY + 4);
      break;
    case Garment::Wristwatch: Wristband(cr, f.rWrist, false); break;
    case Garment::Bracelet: Wristband(cr, {f.rWrist.x + 2, f.rWrist.y + 2}, true); break;
  }
}

// The shelf and unlock picture of an item: the very garment the golfer puts on, scaled to fill the
// picture, with a soft shadow on a warm glow.
void ShelfItem(Canvas& c, int id, bool male) {
  cairo_surface_t* garment = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, nullptr);
  cairo_t* g = cairo_create(garment);
  DrawGarment(g, ItemLookOf(id, male).garment, male, true);
  cairo_destroy(g);
  double gx, gy, gw, gh;
  cairo_recording_surface_ink_extents(garment, &gx, &gy, &gw, &gh);
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h(), margin = 6;
  const double s = std::min({(w - 2 * margin) / gw, (h - 2 * margin) / gh, 2.6});
  RadialGlow(cr, w / 2, h / 2, w * 0.5, WithAlpha(pal::BrassLight, 0.35));
  auto place = [&](double dx, double dy) {
    cairo_translate(cr, w / 2 - (gx + gw / 2) * s + dx, h / 2 - (gy + gh / 2) * s + dy);
    cairo_scale(cr, s, s);
  };
  cairo_save(cr);
  place(2, 3);
  SetColor(cr, Hex(0x000000, 0.25));
  cairo_mask_surface(cr, garment, 0, 0);
  cairo_restore(cr);
  cairo_save(cr);
  place(0, 0);
  cairo_set_source_surface(cr, garment, 0, 0);
  cairo_paint(cr);
  cairo_restore(cr);
  cairo_surface_destroy(garment);
}

// --- trophies -----------------------------------------------------------------------------------

struct Metal {
  Rgb base, light, dark;
};
const Metal kGold{Hex(0xE0B43A), Hex(0xFBE9A0), Hex(0x8A6A14)};
const Metal kSilver{Hex(0xC4CAD3), Hex(0xF4F7FB), Hex(0x6E7784)};
const Metal kBronze{Hex(0xC0793A), Hex(0xF0C08E), Hex(0x6E3F18)};

cairo_pattern_t* MetalPattern(const Metal& m, double x0, double x1) {
  cairo_pattern_t* g = cairo_pattern_create_linear(x0, 0, x1, 0);
  cairo_pattern_add_color_stop_rgb(g, 0, m.dark.r, m.dark.g, m.dark.b);
  cairo_pattern_add_color_stop_rgb(g, 0.22, m.light.r, m.light.g, m.light.b);
  cairo_pattern_add_color_stop_rgb(g, 0.5, m.base.r, m.base.g, m.base.b);
  cairo_pattern_add_color_stop_rgb(g, 1, m.dark.r, m.dark.g, m.dark.b);
  return g;
}

void MetalFill(cairo_t* cr, const Metal& m) {
  double x0, y0, x1, y1;
  cairo_path_extents(cr, &x0, &y0, &x1, &y1);
  cairo_pattern_t* g = MetalPattern(m, x0, x1);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  SetColor(cr, Darker(m.dark, 0.3));
  cairo_set_line_width(cr, 1.2);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

void Plinth(cairo_t* cr, double cx, double bottom, double w, double h) {
  SoftShadow(cr, cx - w / 2 + 3, bottom - h + 3, w, h, 3, 0.3, 3);
  RoundedRect(cr, cx - w / 2, bottom - h, w, h, 3);
  ShadedShape(cr, Hex(0x5A3A1C), cx - w / 2, bottom - h, cx + w / 2, bottom);
  RoundedRect(cr, cx - w / 2 + 6, bottom - h + 4, w - 12, h - 8, 2);
  cairo_pattern_t* g = MetalPattern(kGold, cx - w / 2 + 6, cx + w / 2 - 6);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

// A cup with two handles: the bowl from `top` down to `bowlBottom`, a stem and a foot.
void Cup(cairo_t* cr, double cx, double top, double half, double bowlBottom, double footY, const Metal& m,
         bool handles = true) {
  if (handles) {
    for (int side = -1; side <= 1; side += 2) {
      cairo_new_path(cr);
      cairo_move_to(cr, cx + side * half * 0.9, top + 6);
      cairo_curve_to(cr, cx + side * (half + 16), top + 2, cx + side * (half + 16), bowlBottom - 20,
                     cx + side * half * 0.45, bowlBottom - 8);
      SetColor(cr, Darker(m.dark, 0.3));
      cairo_set_line_width(cr, 5.5);
      cairo_stroke_preserve(cr);
      SetColor(cr, m.base);
      cairo_set_line_width(cr, 3.2);
      cairo_stroke(cr);
    }
  }
  cairo_new_path(cr);
  cairo_move_to(cr, cx - half, top);
  cairo_line_to(cr, cx + half, top);
  cairo_curve_to(cr, cx + half, bowlBottom - 10, cx + half * 0.4, bowlBottom, cx + 5, bowlBottom + 4);
  cairo_line_to(cr, cx + 5, footY - 10);
  cairo_curve_to(cr, cx + 8, footY - 6, cx + half * 0.55, footY - 4, cx + half * 0.6, footY);
  cairo_line_to(cr, cx - half * 0.6, footY);
  cairo_curve_to(cr, cx - half * 0.55, footY - 4, cx - 8, footY - 6, cx - 5, footY - 10);
  cairo_line_to(cr, cx - 5, bowlBottom + 4);
  cairo_curve_to(cr, cx - half * 0.4, bowlBottom, cx - half, bowlBottom - 10, cx - half, top);
  cairo_close_path(cr);
  MetalFill(cr, m);
  Ellipse(cr, cx, top, half, 4);
  SetColor(cr, Darker(m.dark, 0.1));
  cairo_fill(cr);
}

void Shield(cairo_t* cr, double cx, double top, double w, double h, const Metal& m) {
  cairo_new_path(cr);
  cairo_move_to(cr, cx - w / 2, top);
  cairo_line_to(cr, cx + w / 2, top);
  cairo_line_to(cr, cx + w / 2, top + h * 0.45);
  cairo_curve_to(cr, cx + w / 2, top + h * 0.8, cx + 10, top + h * 0.92, cx, top + h);
  cairo_curve_to(cr, cx - 10, top + h * 0.92, cx - w / 2, top + h * 0.8, cx - w / 2, top + h * 0.45);
  cairo_close_path(cr);
  MetalFill(cr, m);
  // an inner rim
  cairo_new_path(cr);
  const double in = 5;
  cairo_move_to(cr, cx - w / 2 + in, top + in);
  cairo_line_to(cr, cx + w / 2 - in, top + in);
  cairo_line_to(cr, cx + w / 2 - in, top + h * 0.45);
  cairo_curve_to(cr, cx + w / 2 - in, top + h * 0.78, cx + 8, top + h * 0.88, cx, top + h - in * 1.6);
  cairo_curve_to(cr, cx - 8, top + h * 0.88, cx - w / 2 + in, top + h * 0.78, cx - w / 2 + in, top + h * 0.45);
  cairo_close_path(cr);
  SetColor(cr, WithAlpha(m.dark, 0.6));
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
}

void Engrave(cairo_t* cr, const std::string& text, double cx, double cy, double size, const Metal& m) {
  SetFont(cr, Face::Bookman, size);
  CentredText(cr, text, cx + 0.8, cy + 0.8, WithAlpha(m.light, 0.9));
  CentredText(cr, text, cx, cy, Darker(m.dark, 0.2));
}

void Bird(cairo_t* cr, double cx, double cy, double s, const Rgb& c) {
  cairo_new_path(cr);
  cairo_move_to(cr, cx - 14 * s, cy - 2 * s);
  cairo_curve_to(cr, cx - 8 * s, cy - 10 * s, cx - 3 * s, cy - 6 * s, cx, cy);
  cairo_curve_to(cr, cx + 3 * s, cy - 6 * s, cx + 8 * s, cy - 10 * s, cx + 14 * s, cy - 2 * s);
  cairo_curve_to(cr, cx + 8 * s, cy - 4 * s, cx + 3 * s, cy - 1 * s, cx, cy + 4 * s);
  cairo_curve_to(cr, cx - 3 * s, cy - 1 * s, cx - 8 * s, cy - 4 * s, cx - 14 * s, cy - 2 * s);
  cairo_close_path(cr);
  SetColor(cr, c);
  cairo_fill(cr);
}

void Sparkle(cairo_t* cr, double x, double y, double r) {
  cairo_move_to(cr, x - r, y);
  cairo_line_to(cr, x + r, y);
  cairo_move_to(cr, x, y - r);
  cairo_line_to(cr, x, y + r);
  SetColor(cr, WithAlpha(Hex(0xFFFFFF), 0.9));
  cairo_set_line_width(cr, 1.1);
  cairo_stroke(cr);
  FillCircle(cr, x, y, r * 0.3, Hex(0xFFFFFF));
}

// Trophies 1..12, each on a 100 x 130 picture.
void Trophy(cairo_t* cr, int id) {
  const double cx = 50;
  switch (id) {
    case 1: {  // the wooden spoon
      Plinth(cr, cx, 127, 62, 16);
      cairo_save(cr);
      cairo_translate(cr, cx, 62);
      cairo_rotate(cr, -0.35);
      RoundedRect(cr, -4, -8, 8, 62, 4);
      ShadedShape(cr, Hex(0xC08A4E), -4, -8, 4, 54);
      Ellipse(cr, 0, -26, 14, 22);
      ShadedShape(cr, Hex(0xC99557), -14, -48, 14, -4);
      Ellipse(cr, 0, -24, 8, 15);
      SetColor(cr, WithAlpha(Hex(0x6E4420), 0.4));
      cairo_fill(cr);
      cairo_restore(cr);
      cairo_move_to(cr, cx - 4, 108);
      cairo_line_to(cr, cx + 4, 108);
      SetColor(cr, Hex(0x3A2414));
      cairo_stroke(cr);
      break;
    }
    case 2:  // the birdie bowl
      Plinth(cr, cx, 127, 66, 16);
      Cup(cr, cx, 52, 40, 92, 111, kSilver, false);
      Bird(cr, cx, 74, 0.9, Darker(kSilver.dark, 0.2));
      Sparkle(cr, cx - 24, 62, 5);
      break;
    case 3:  // the eagle shield
      Shield(cr, cx, 6, 80, 112, kSilver);
      Bird(cr, cx, 50, 2.0, Hex(0x4A3A2A));
      FillCircle(cr, cx, 48, 4, Hex(0xFBFBF6));
      Engrave(cr, "EAGLE", cx, 88, 10, kSilver);
      break;
    case 4:  // the triple purse cup
      Plinth(cr, cx, 127, 60, 16);
      Cup(cr, cx, 18, 30, 74, 111, kGold);
      for (int i = -1; i <= 1; ++i) GoldCoin(cr, cx + i * 15, 46 + std::abs(i) * 3, 7);
      break;
    case 5: {  // the long drive trophy: a driver over a ball on a tee
      Plinth(cr, cx, 127, 70, 18);
      cairo_move_to(cr, cx, 109);
      cairo_line_to(cr, cx, 92);
      SetColor(cr, Hex(0xFBFBF6));
      cairo_set_line_width(cr, 3);
      cairo_stroke(cr);
      GolfBall(cr, cx, 84, 9);
      cairo_save(cr);
      cairo_translate(cr, cx - 6, 40);
      cairo_rotate(cr, 0.6);
      RoundedRect(cr, -2.5, -36, 5, 80, 2.5);
      cairo_pattern_t* g = MetalPattern(kSilver, -2.5, 2.5);
      cairo_set_source(cr, g);
      cairo_fill(cr);
      cairo_pattern_destroy(g);
      Ellipse(cr, 8, 46, 15, 9);
      ShadedShape(cr, Hex(0x3A3A3A), -7, 37, 23, 55);
      RoundedRect(cr, -4, -42, 8, 22, 3);
      Shape(cr, Hex(0x2B2B2B));
      cairo_restore(cr);
      break;
    }
    case 6:  // the perfect six plate
      Plinth(cr, cx, 127, 54, 14);
      cairo_rectangle(cr, cx - 3, 96, 6, 18);
      MetalFill(cr, kSilver);
      cairo_new_path(cr);
      cairo_arc(cr, cx, 56, 42, 0, 2 * PI);
      MetalFill(cr, kSilver);
      cairo_new_path(cr);
      cairo_arc(cr, cx, 56, 33, 0, 2 * PI);
      SetColor(cr, WithAlpha(kSilver.dark, 0.6));
      cairo_set_line_width(cr, 1.4);
      cairo_stroke(cr);
      Engrave(cr, "6", cx, 56, 34, kSilver);
      break;
    case 7:  // the stopwatch cup
      Plinth(cr, cx, 127, 60, 16);
      Cup(cr, cx, 20, 30, 76, 111, kSilver);
      cairo_new_path(cr);
      cairo_arc(cr, cx, 48, 15, 0, 2 * PI);
      FillAndStroke(cr, Hex(0xFFFDF5), kSilver.dark, 2);
      cairo_move_to(cr, cx, 48);
      cairo_line_to(cr, cx, 37);
      cairo_move_to(cr, cx, 48);
      cairo_line_to(cr, cx + 8, 52);
      SetColor(cr, Hex(0xC62828));
      cairo_stroke(cr);
      cairo_rectangle(cr, cx - 3, 29, 6, 5);
      SetColor(cr, kSilver.dark);
      cairo_fill(cr);
      break;
    case 8:  // the centurion shield
      Shield(cr, cx, 6, 84, 116, kBronze);
      cairo_move_to(cr, cx - 26, 30);
      for (int i = 0; i < 7; ++i) cairo_line_to(cr, cx - 26 + i * 8.6, 24 + (i % 2) * -6);
      SetColor(cr, Hex(0x2E7D32));
      cairo_set_line_width(cr, 3);
      cairo_stroke(cr);
      Engrave(cr, "100", cx, 62, 26, kBronze);
      break;
    case 9:  // the millionaire's cup
      Plinth(cr, cx, 127, 72, 18);
      Cup(cr, cx, 10, 36, 70, 109, kGold);
      cairo_new_path(cr);
      cairo_move_to(cr, cx, 28);
      cairo_line_to(cr, cx + 12, 42);
      cairo_line_to(cr, cx, 58);
      cairo_line_to(cr, cx - 12, 42);
      cairo_close_path(cr);
      ShadedShape(cr, Hex(0x9FE3F7), cx - 12, 28, cx + 12, 58);
      Sparkle(cr, cx + 20, 22, 6);
      Sparkle(cr, cx - 22, 60, 4);
      break;
    case 10: {  // the pure swing trophy: a crystal with a ball inside
      Plinth(cr, cx, 127, 56, 16);
      cairo_new_path(cr);
      cairo_move_to(cr, cx, 6);
      cairo_line_to(cr, cx + 24, 40);
      cairo_line_to(cr, cx + 16, 111);
      cairo_line_to(cr, cx - 16, 111);
      cairo_line_to(cr, cx - 24, 40);
      cairo_close_path(cr);
      FillAndStroke(cr, WithAlpha(Hex(0xCFEFFF), 0.75), Hex(0x5A8FB8), 1.4);
      cairo_move_to(cr, cx, 6);
      cairo_line_to(cr, cx - 4, 111);
      cairo_move_to(cr, cx - 24, 40);
      cairo_line_to(cr, cx + 24, 40);
      SetColor(cr, WithAlpha(Hex(0xFFFFFF), 0.7));
      cairo_stroke(cr);
      GolfBall(cr, cx, 70, 11);
      Sparkle(cr, cx + 12, 26, 5);
      break;
    }
    case 11:  // the big hitter shield: crossed clubs
      Shield(cr, cx, 6, 84, 116, kGold);
      for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, cx - side * 26, 22);
        cairo_line_to(cr, cx + side * 22, 86);
        SetColor(cr, Hex(0x4A4F57));
        cairo_set_line_width(cr, 4);
        cairo_stroke(cr);
        Ellipse(cr, cx + side * 24, 88, 8, 5);
        SetColor(cr, Hex(0x2B2B2B));
        cairo_fill(cr);
      }
      GolfBall(cr, cx, 58, 8);
      break;
    default: {  // 12: the clean card cup
      Plinth(cr, cx, 127, 60, 16);
      Cup(cr, cx, 18, 32, 74, 111, kGold);
      cairo_save(cr);
      cairo_translate(cr, cx, 46);
      cairo_rotate(cr, -0.12);
      RoundedRect(cr, -11, -15, 22, 30, 3);
      Shape(cr, pal::CardWhite, 1);
      FillSuit(cr, 2, 0, 2, 12, pal::Red);
      SetFont(cr, Face::SansBold, 7);
      FillText(cr, "A", -9, -7, 0, pal::Red);
      cairo_restore(cr);
      break;
    }
  }
}

// The trophy room places trophy id's picture with its top-left corner at y kTrophyTop[id]; the
// shelf boards of its three rows have their top face from 166 px apart, the first at 166..172,
// and each row's plaques hang just below the board.
constexpr double kTrophyTop[13] = {100, 68, 58, 62, 82, 234, 230, 228, 216, 394, 382, 400, 394};
constexpr double kShelfFoot = 169, kShelfStep = 166;

// Trophy id drawn shrunk about the middle of its foot (never enlarged) so that the foot stands on
// its shelf board in the trophy room, clear of the plaque below.
void TrophyOnShelf(cairo_t* cr, int id) {
  const double foot = std::min(128.0, kShelfFoot + kShelfStep * ((id - 1) / 4) - kTrophyTop[id]);
  const double s = foot / 128.0;
  cairo_save(cr);
  cairo_translate(cr, 50 * (1 - s), foot - 128 * s);
  cairo_scale(cr, s, s);
  Trophy(cr, id);
  cairo_restore(cr);
}

// The championship trophy: a tall cup on a tiered base with a golfer on top, 150 x 330.
void Championship(cairo_t* cr, bool lady) {
  const double cx = 75;
  Plinth(cr, cx, 326, 130, 30);
  Plinth(cr, cx, 296, 106, 26);
  Cup(cr, cx, 110, 52, 210, 270, kGold);
  Engrave(cr, "Q", cx, 160, 40, kGold);
  // the little golfer mid-swing on the lid
  Ellipse(cr, cx, 104, 30, 8);
  cairo_pattern_t* g = MetalPattern(kGold, cx - 30, cx + 30);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_save(cr);
  cairo_translate(cr, cx, 0);
  const Rgb figure = kGold.base;
  auto limb = [&](std::vector<Pt> p, double w) { Limb(cr, p, w, figure); };
  limb({{-6, 96}, {-8, 70}}, 7);
  limb({{6, 96}, {8, 70}}, 7);
  if (lady) {
    cairo_new_path(cr);
    cairo_move_to(cr, -9, 60);
    cairo_line_to(cr, 9, 60);
    cairo_line_to(cr, 15, 82);
    cairo_line_to(cr, -15, 82);
    cairo_close_path(cr);
    MetalFill(cr, kGold);
  }
  limb({{0, 68}, {0, 44}}, 12);
  limb({{-2, 48}, {20, 34}, {30, 18}}, 5);
  limb({{2, 48}, {22, 36}, {30, 18}}, 5);
  cairo_move_to(cr, 30, 18);
  cairo_line_to(cr, 44, 2);
  SetColor(cr, Darker(kGold.dark, 0.2));
  cairo_set_line_width(cr, 2.4);
  cairo_stroke(cr);
  cairo_new_path(cr);
  cairo_arc(cr, 0, 32, 9, 0, 2 * PI);
  MetalFill(cr, kGold);
  if (lady) {  // a ponytail
    cairo_new_path(cr);
    cairo_arc(cr, -10, 34, 5, 0, 2 * PI);
    MetalFill(cr, kGold);
  }
  cairo_restore(cr);
  Sparkle(cr, cx + 40, 140, 7);
  Sparkle(cr, cx - 36, 230, 5);
}

}  // namespace

void AddAvatar(Registry& r) {
  const std::string dir = "graphics/Avatar/";
  for (int n = 1; n <= AVATAR_LOOKS; ++n) {
    const std::string s = std::to_string(n);
    r[dir + "avatar_gent_" + s + ".png"] = AtOffset(0, 0, [n](cairo_t* cr) { DrawGentHead(cr, n, false); });
    r[dir + "avatar_gent_" + s + "_stash.png"] = AtOffset(0, 0, [n](cairo_t* cr) { DrawGentHead(cr, n, true); });
    r[dir + "avatar_gent_body" + s + ".png"] = AtOffset(0, 60, [n](cairo_t* cr) { DrawBody(cr, kGent, n); });
    r[dir + "lady_0" + s + "_head.png"] = AtOffset(0, 0, [n](cairo_t* cr) { DrawLadyHead(cr, n, false); });
    r[dir + "lady_0" + s + "_hathead.png"] = AtOffset(0, 0, [n](cairo_t* cr) { DrawLadyHead(cr, n, true); });
    r[dir + "lady_0" + s + "_body.png"] = AtOffset(0, 91, [n](cairo_t* cr) { DrawBody(cr, kLady, n); });
  }
  r[dir + "avatar_gent_1_spectacles.png"] = [](Canvas& c, const PictureFile&) { DrawSpectacles(c.cr(), true, 1); };
  r[dir + "lady_01_spectacles.png"] = [](Canvas& c, const PictureFile&) { DrawSpectacles(c.cr(), false, 1); };
  r[dir + "lady_03_spectacles.png"] = [](Canvas& c, const PictureFile&) { DrawSpectacles(c.cr(), false, 3); };
  r[dir + "Male_club.png"] = AtOffset(103, 207, [](cairo_t* cr) { DrawClub(cr, kGent); });
  r[dir + "Female_club.png"] = AtOffset(102, 214, [](cairo_t* cr) { DrawClub(cr, kLady); });
  for (int id = 0; id < 12; ++id) {
    const std::string i = std::to_string(id);
    const ItemLook& gent = ItemLookOf(id, true);
    const ItemLook& lady = ItemLookOf(id, false);
    // A gent's item 9 and a lady's item 8 change the head layer instead.
    if (id != 9) {
      r[dir + "Male_clothes" + i + ".png"] =
          AtOffset(gent.x, gent.y, [&gent](cairo_t* cr) { DrawGarment(cr, gent.garment, true, true); });
      if (id <= 2 || id == 4)
        r[dir + "Male_clothes" + i + "_standard.png"] =
            AtOffset(gent.x, gent.y, [&gent](cairo_t* cr) { DrawGarment(cr, gent.garment, true, false); });
    }
    if (id != 8) {
      r[dir + "Female_clothes" + i + ".png"] =
          AtOffset(lady.x, lady.y, [&lady](cairo_t* cr) { DrawGarment(cr, lady.garment, false, true); });
      if (id <= 2 || id == 7)
        r[dir + "Female_clothes" + i + "_standard.png"] =
            AtOffset(lady.x, lady.y, [&lady](cairo_t* cr) { DrawGarment(cr, lady.garment, false, false); });
    }
    r["graphics/Shop/MaleItem" + i + ".png"] = [id](Canvas& c, const PictureFile&) { ShelfItem(c, id, true); };
    r["graphics/Shop/FemaleItem" + i + ".png"] = [id](Canvas& c, const PictureFile&) { ShelfItem(c, id, false); };
  }
  r["graphics/TrophyRoom/Trophy0.png"] = [](Canvas& c, const PictureFile&) { Championship(c.cr(), false); };
  r["graphics/TrophyRoom/Trophy0b.png"] = [](Canvas& c, const PictureFile&) { Championship(c.cr(), true); };
  for (int id = 1; id <= 12; ++id)
    r["graphics/TrophyRoom/Trophy" + std::to_string(id) + ".png"] = [id](Canvas& c, const PictureFile&) {
      TrophyOnShelf(c.cr(), id);
    };
}

}  // namespace art

namespace art {

namespace {

// Paints a layer PNG of the data folder at (x, y); missing files are skipped (and counted).
int PaintLayer(cairo_t* cr, const std::string& data_dir, const std::string& file, double x, double y) {
  cairo_surface_t* s = cairo_image_surface_create_from_png((data_dir + "/graphics/" + file).c_str());
  const bool ok = cairo_surface_status(s) == CAIRO_STATUS_SUCCESS;
  if (ok) {
    cairo_set_source_surface(cr, s, x, y);
    cairo_paint(cr);
  }
  cairo_surface_destroy(s);
  return ok ? 0 : 1;
}

// One look as the game draws it (the avatar's drawing order and offsets at scale 1): `owned`
// holds the item ids owned.
int PaintLook(cairo_t* cr, const std::string& dir, bool male, int look, const std::vector<int>& owned, double x,
              double y) {
  auto has = [&owned](int id) { return std::find(owned.begin(), owned.end(), id) != owned.end(); };
  const std::string n = std::to_string(look);
  const std::string sex = male ? "Male" : "Female";
  int missing = 0;
  if (!male) x += 2;
  if (male) {
    missing += PaintLayer(cr, dir, "Avatar/Male_club.png", x + 103, y + 207);
    missing += PaintLayer(cr, dir, "Avatar/avatar_gent_body" + n + ".png", x, y + 60);
    missing += PaintLayer(cr, dir, "Avatar/avatar_gent_" + n + (has(9) ? "_stash" : "") + ".png", x, y);
    if (look == 1 && !has(3)) missing += PaintLayer(cr, dir, "Avatar/avatar_gent_1_spectacles.png", x + 39, y + 52);
  } else {
    missing += PaintLayer(cr, dir, "Avatar/Female_club.png", x + 102, y + 214);
    missing += PaintLayer(cr, dir, "Avatar/lady_0" + n + "_body.png", x, y + 91);
    missing += PaintLayer(cr, dir, "Avatar/lady_0" + n + (has(8) ? "_hathead" : "_head") + ".png", x, y);
    if (look == 1 && !has(3)) missing += PaintLayer(cr, dir, "Avatar/lady_01_spectacles.png", x + 45, y + 65);
    if (look == 3 && !has(3)) missing += PaintLayer(cr, dir, "Avatar/lady_03_spectacles.png", x + 47, y + 62);
  }
  const int maleOrder[12] = {7, 0, 6, 1, 2, 3, 4, 5, 8, 10, 11, 9};
  const int ladyOrder[12] = {0, 1, 2, 6, 7, 5, 9, 10, 11, 4, 8, 3};
  for (int step = 0; step < 12; ++step) {
    const int id = male ? maleOrder[step] : ladyOrder[step];
    if (male ? id == 9 : id == 8) continue;
    const double cx = ItemLookOf(id, male).x;
    const double cy = ItemLookOf(id, male).y;
    const std::string base = "Avatar/" + sex + "_clothes" + std::to_string(id);
    if (has(id)) {
      missing += PaintLayer(cr, dir, base + ".png", x + cx, y + cy);
    } else if (id <= 2 || (male && id == 4) || (!male && id == 7)) {
      missing += PaintLayer(cr, dir, base + "_standard.png", x + cx, y + cy);
    }
  }
  return missing;
}

}  // namespace

bool WriteAvatarLooks(const std::string& data_dir, const std::string& out_png, std::string& error) {
  // Rows: gents, gents with every item, ladies, ladies with every item; five looks a row.
  const int cellW = 190, cellH = 380;
  Canvas c(cellW * 5, cellH * 4, 1);
  cairo_t* cr = c.cr();
  VerticalGradient(cr, 0, 0, c.w(), c.h(), pal::SkyLow, Lighter(pal::LightGrass, 0.5));
  const std::vector<int> all = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
  int missing = 0;
  for (int row = 0; row < 4; ++row)
    for (int look = 1; look <= AVATAR_LOOKS; ++look)
      missing += PaintLook(cr, data_dir, row < 2, look, row % 2 ? all : std::vector<int>{}, (look - 1) * cellW + 10,
                           row * cellH + 10);
  if (missing > 0) {
    error = "quill_art: " + std::to_string(missing) + " avatar layers are missing from " + data_dir;
    return false;
  }
  return c.SavePng(out_png, error);
}

}  // namespace art

// The golfers' faces, drawn as flat shapes with soft shading and a warm dark outline. Every
// position is in avatar space (the head layer's box), so the garments and spectacles that other
// layers draw at their fixed offsets sit on the same face.

#include "tools/art/avatar_heads.h"

#include <cmath>

namespace art {

namespace figure {

Rgb Outline(const Rgb& c) { return Darker(Mix(c, Hex(0x3A2414), 0.5), 0.35); }

void Shape(cairo_t* cr, const Rgb& fill, double width) {
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  FillAndStroke(cr, fill, Outline(fill), width);
}

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * PI);
  cairo_restore(cr);
}

}  // namespace figure

namespace {

using figure::Ellipse;
using figure::Outline;
using figure::PI;
using figure::Shape;

struct Look {
  Rgb skin, hair;
  int style;  // hair style, per sex
};

const Look kGents[AVATAR_LOOKS] = {
    {Hex(0xF2C9A5), Hex(0xB9B6B0), 0},  // 1: grey side parting, spectacles
    {Hex(0xDDA67C), Hex(0x6B4226), 1},  // 2: brown crop
    {Hex(0x8D5A3B), Hex(0x1E1612), 2},  // 3: short black curls
    {Hex(0xF5D3B8), Hex(0xC0602A), 3},  // 4: ginger quiff, freckles
    {Hex(0xC99166), Hex(0x201A18), 4},  // 5: black, combed back
};
const Look kLadies[AVATAR_LOOKS] = {
    {Hex(0xF4CDAE), Hex(0x8E3B1F), 0},  // 1: auburn bob, spectacles
    {Hex(0xEFC3A0), Hex(0xE2B95A), 1},  // 2: blonde ponytail
    {Hex(0xE0B08C), Hex(0xC9C6C2), 2},  // 3: silver curls, spectacles
    {Hex(0x7E4E33), Hex(0x17110E), 3},  // 4: long black hair
    {Hex(0xD19B73), Hex(0x5A3620), 4},  // 5: brown bun
};

// Face geometry in avatar space.
struct Face2 {
  double cx, cy, rx, ry;
};
constexpr Face2 kGentFace{74, 64, 29, 35};
constexpr Face2 kLadyFace{81, 80, 27, 32};

const Look& LookOf(bool male, int look) {
  const int i = std::max(1, std::min(AVATAR_LOOKS, look)) - 1;
  return male ? kGents[i] : kLadies[i];
}

// Draws the current path as a Shape, then saves the state and clips to that path; the caller
// restores when it has drawn what belongs inside.
void ShapeAndClip(cairo_t* cr, const Rgb& fill) {
  cairo_path_t* path = cairo_copy_path(cr);
  Shape(cr, fill);
  cairo_save(cr);
  cairo_append_path(cr, path);
  cairo_clip(cr);
  cairo_path_destroy(path);
}

// Shade on the lower right of the current clip, light from the top left.
void ShadeRight(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha) {
  cairo_pattern_t* g = cairo_pattern_create_linear(cx - rx, cy - ry, cx + rx, cy + ry);
  cairo_pattern_add_color_stop_rgba(g, 0.0, 1, 1, 1, alpha * 0.6);
  cairo_pattern_add_color_stop_rgba(g, 0.45, 1, 1, 1, 0);
  cairo_pattern_add_color_stop_rgba(g, 0.6, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(g, 1.0, 0.2, 0.05, 0, alpha);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
}

void Ear(cairo_t* cr, double x, double y, const Rgb& skin, bool left) {
  Ellipse(cr, x, y, 6, 9);
  Shape(cr, skin);
  cairo_arc(cr, x + (left ? 1.5 : -1.5), y, 3, left ? PI * 0.6 : -PI * 0.4, left ? PI * 1.4 : PI * 0.4);
  SetColor(cr, Darker(skin, 0.25));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

void Neck(cairo_t* cr, double cx, double top, double bottom, double half, const Rgb& skin) {
  cairo_rectangle(cr, cx - half, top, 2 * half, bottom - top);
  Shape(cr, skin);
  cairo_rectangle(cr, cx - half + 1, top, 2 * half - 2, 7);
  SetColor(cr, WithAlpha(Darker(skin, 0.35), 0.55));
  cairo_fill(cr);
}

void FaceShape(cairo_t* cr, const Face2& f, const Rgb& skin, bool lady) {
  // A rounded face narrowing to the chin.
  cairo_new_path(cr);
  cairo_move_to(cr, f.cx - f.rx, f.cy - 4);
  cairo_curve_to(cr, f.cx - f.rx, f.cy - f.ry * 1.25, f.cx + f.rx, f.cy - f.ry * 1.25, f.cx + f.rx, f.cy - 4);
  const double chin = lady ? 0.55 : 0.7;
  cairo_curve_to(cr, f.cx + f.rx, f.cy + f.ry * 0.6, f.cx + f.rx * chin, f.cy + f.ry, f.cx, f.cy + f.ry);
  cairo_curve_to(cr, f.cx - f.rx * chin, f.cy + f.ry, f.cx - f.rx, f.cy + f.ry * 0.6, f.cx - f.rx, f.cy - 4);
  cairo_close_path(cr);
  cairo_save(cr);
  SetColor(cr, skin);
  cairo_fill_preserve(cr);
  cairo_clip_preserve(cr);
  ShadeRight(cr, f.cx, f.cy, f.rx, f.ry, 0.22);
  cairo_restore(cr);
  SetColor(cr, Outline(skin));
  cairo_set_line_width(cr, 1.3);
  cairo_stroke(cr);
}

void Eyes(cairo_t* cr, const Face2& f, double eyeY, bool lady, const Rgb& skin) {
  for (int side = -1; side <= 1; side += 2) {
    const double x = f.cx + side * f.rx * 0.42;
    Ellipse(cr, x, eyeY, 4.6, lady ? 4.2 : 3.6);
    SetColor(cr, Hex(0xFFFFFF));
    cairo_fill(cr);
    FillCircle(cr, x + 0.6, eyeY + 0.3, 2.6, Hex(0x3B5B7A));
    FillCircle(cr, x + 0.6, eyeY + 0.3, 1.3, Hex(0x111111));
    FillCircle(cr, x - 0.6, eyeY - 0.8, 0.8, Hex(0xFFFFFF));
    // lid line, and lashes for the ladies
    cairo_arc(cr, x, eyeY + 1, 5, PI * 1.1, PI * 1.9);
    SetColor(cr, Darker(skin, 0.6));
    cairo_set_line_width(cr, lady ? 1.6 : 1.1);
    cairo_stroke(cr);
  }
}

void Brows(cairo_t* cr, const Face2& f, double y, const Rgb& hair, double lift) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int side = -1; side <= 1; side += 2) {
    const double x = f.cx + side * f.rx * 0.42;
    cairo_move_to(cr, x - 6 * side, y + 1.5);
    cairo_curve_to(cr, x - 2 * side, y - 1.5 - lift, x + 3 * side, y - 1.5 - lift, x + 6.5 * side, y + 0.5);
    SetColor(cr, Darker(hair, 0.25));
    cairo_set_line_width(cr, 2.2);
    cairo_stroke(cr);
  }
}

void NoseAndMouth(cairo_t* cr, const Face2& f, double noseY, double mouthY, const Rgb& skin, bool lady) {
  cairo_move_to(cr, f.cx + 1, noseY - 8);
  cairo_curve_to(cr, f.cx + 4, noseY - 2, f.cx + 5, noseY + 2, f.cx + 1, noseY + 3);
  SetColor(cr, Darker(skin, 0.35));
  cairo_set_line_width(cr, 1.3);
  cairo_stroke(cr);
  // a friendly smile
  cairo_move_to(cr, f.cx - 9, mouthY);
  cairo_curve_to(cr, f.cx - 4, mouthY + 6, f.cx + 4, mouthY + 6, f.cx + 9, mouthY);
  if (lady) {
    cairo_curve_to(cr, f.cx + 4, mouthY + 2, f.cx - 4, mouthY + 2, f.cx - 9, mouthY);
    SetColor(cr, Hex(0xC2454F));
    cairo_fill_preserve(cr);
  }
  SetColor(cr, lady ? Hex(0x8E2A33) : Darker(skin, 0.5));
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  // cheeks
  for (int side = -1; side <= 1; side += 2)
    RadialGlow(cr, f.cx + side * f.rx * 0.55, mouthY - 6, 7, WithAlpha(Hex(0xE8857A), lady ? 0.45 : 0.25));
}

void Freckles(cairo_t* cr, const Face2& f, double y) {
  Rng rng(4);
  for (int i = 0; i < 14; ++i) {
    const double side = i % 2 ? 1 : -1;
    FillCircle(cr, f.cx + side * rng.Range(5, 16), y + rng.Range(-3, 4), 0.7, Hex(0xB06A3A, 0.8));
  }
}

// --- gents ------------------------------------------------------------------------------------

void GentHairBack(cairo_t* cr, const Look& l) {
  const Face2& f = kGentFace;
  if (l.style == 2) return;  // curls sit on top only
  // hair behind the ears and over the nape
  cairo_new_path(cr);
  cairo_move_to(cr, f.cx - f.rx - 2, f.cy + 4);
  cairo_curve_to(cr, f.cx - f.rx - 6, f.cy - 30, f.cx - 10, f.cy - f.ry - 10, f.cx + 4, f.cy - f.ry - 9);
  cairo_curve_to(cr, f.cx + 22, f.cy - f.ry - 8, f.cx + f.rx + 6, f.cy - 28, f.cx + f.rx + 2, f.cy + 4);
  cairo_line_to(cr, f.cx + f.rx - 4, f.cy + 2);
  cairo_line_to(cr, f.cx - f.rx + 4, f.cy + 2);
  cairo_close_path(cr);
  Shape(cr, l.hair);
}

void GentHairFront(cairo_t* cr, const Look& l) {
  const Face2& f = kGentFace;
  const double top = f.cy - f.ry;
  cairo_new_path(cr);
  switch (l.style) {
    case 0:  // side parting, swept to the right
      cairo_move_to(cr, f.cx - f.rx - 1, f.cy - 6);
      cairo_curve_to(cr, f.cx - f.rx - 2, top - 6, f.cx - 6, top - 10, f.cx + 8, top - 8);
      cairo_curve_to(cr, f.cx + 24, top - 6, f.cx + f.rx + 3, top + 2, f.cx + f.rx + 1, f.cy - 6);
      cairo_curve_to(cr, f.cx + 18, top + 8, f.cx - 2, top + 10, f.cx - 12, top + 4);
      cairo_curve_to(cr, f.cx - 18, top + 10, f.cx - f.rx + 4, top + 18, f.cx - f.rx - 1, f.cy - 6);
      break;
    case 1:  // short crop with a small fringe
      cairo_move_to(cr, f.cx - f.rx, f.cy - 8);
      cairo_curve_to(cr, f.cx - f.rx - 1, top - 8, f.cx + f.rx + 1, top - 8, f.cx + f.rx, f.cy - 8);
      for (int i = 0; i < 6; ++i) {
        const double x0 = f.cx + f.rx - i * (2 * f.rx / 6.0);
        cairo_line_to(cr, x0 - f.rx / 6.0, top + 8 + (i % 2) * 3);
        cairo_line_to(cr, x0 - 2 * f.rx / 6.0, top + 5);
      }
      cairo_close_path(cr);
      break;
    case 2: {  // close curls
      for (int row = 0; row < 3; ++row)
        for (int i = 0; i < 7 - row; ++i) {
          const double a = PI * (1.05 + 0.9 * (i + 0.5 * row) / (6.5 - row));
          const double r = f.rx + 2 - row * 6;
          cairo_new_sub_path(cr);
          cairo_arc(cr, f.cx + std::cos(a) * r, f.cy - 6 + std::sin(a) * (f.ry + 3 - row * 5), 7.5, 0, 2 * PI);
        }
      SetColor(cr, l.hair);
      cairo_fill(cr);
      Rng rng(9);
      for (int i = 0; i < 40; ++i) {
        const double a = PI * rng.Range(1.05, 1.95);
        const double r = rng.Range(12, f.rx + 4);
        cairo_arc(cr, f.cx + std::cos(a) * r, f.cy - 6 + std::sin(a) * r * 1.15, 2.2, 0, PI * 1.3);
        SetColor(cr, Lighter(l.hair, 0.25));
        cairo_set_line_width(cr, 0.9);
        cairo_stroke(cr);
      }
      return;
    }
    case 3:  // quiff
      cairo_move_to(cr, f.cx - f.rx - 1, f.cy - 8);
      cairo_curve_to(cr, f.cx - f.rx - 4, top - 10, f.cx - 8, top - 22, f.cx + 10, top - 18);
      cairo_curve_to(cr, f.cx + 26, top - 15, f.cx + f.rx + 4, top - 4, f.cx + f.rx + 1, f.cy - 8);
      cairo_curve_to(cr, f.cx + 20, top + 4, f.cx + 4, top + 2, f.cx - 6, top + 6);
      cairo_curve_to(cr, f.cx - 16, top + 10, f.cx - f.rx + 3, top + 14, f.cx - f.rx - 1, f.cy - 8);
      break;
    default:  // combed straight back, shining
      cairo_move_to(cr, f.cx - f.rx - 1, f.cy - 8);
      cairo_curve_to(cr, f.cx - f.rx - 2, top - 10, f.cx + f.rx + 2, top - 10, f.cx + f.rx + 1, f.cy - 8);
      cairo_curve_to(cr, f.cx + 12, top + 6, f.cx - 12, top + 6, f.cx - f.rx - 1, f.cy - 8);
      break;
  }
  cairo_close_path(cr);
  // a highlight stroke on the upper left, kept inside the hair
  ShapeAndClip(cr, l.hair);
  cairo_arc(cr, f.cx - 4, f.cy - 6, f.ry - 2, PI * 1.18, PI * 1.42);
  SetColor(cr, WithAlpha(Lighter(l.hair, 0.5), 0.8));
  cairo_set_line_width(cr, 2.2);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void Moustache(cairo_t* cr, const Face2& f, const Rgb& hair) {
  const double y = f.cy + 18;
  cairo_new_path(cr);
  cairo_move_to(cr, f.cx, y - 2);
  cairo_curve_to(cr, f.cx + 6, y - 6, f.cx + 14, y - 4, f.cx + 17, y + 2);
  cairo_curve_to(cr, f.cx + 12, y + 1, f.cx + 6, y + 3, f.cx, y + 1);
  cairo_curve_to(cr, f.cx - 6, y + 3, f.cx - 12, y + 1, f.cx - 17, y + 2);
  cairo_curve_to(cr, f.cx - 14, y - 4, f.cx - 6, y - 6, f.cx, y - 2);
  cairo_close_path(cr);
  Shape(cr, hair.r + hair.g + hair.b > 2.0 ? Darker(hair, 0.15) : hair, 1.0);
}

// --- ladies -----------------------------------------------------------------------------------

void LadyHairBack(cairo_t* cr, const Look& l) {
  const Face2& f = kLadyFace;
  cairo_new_path(cr);
  switch (l.style) {
    case 0:  // bob to the jaw
      cairo_move_to(cr, f.cx - f.rx - 9, f.cy + 24);
      cairo_curve_to(cr, f.cx - f.rx - 14, f.cy - 40, f.cx + f.rx + 14, f.cy - 40, f.cx + f.rx + 9, f.cy + 24);
      cairo_curve_to(cr, f.cx + 10, f.cy + 30, f.cx - 10, f.cy + 30, f.cx - f.rx - 9, f.cy + 24);
      break;
    case 1:  // ponytail over the right shoulder
      cairo_move_to(cr, f.cx + f.rx - 2, f.cy - 20);
      cairo_curve_to(cr, f.cx + f.rx + 26, f.cy - 16, f.cx + f.rx + 18, f.cy + 30, f.cx + f.rx + 6, f.cy + 52);
      cairo_curve_to(cr, f.cx + f.rx + 2, f.cy + 30, f.cx + f.rx + 6, f.cy, f.cx + f.rx - 6, f.cy - 10);
      break;
    case 2:  // curls round the head
      for (int i = 0; i < 11; ++i) {
        const double a = PI * (0.85 + 1.3 * i / 10.0);
        cairo_new_sub_path(cr);
        cairo_arc(cr, f.cx + std::cos(a) * (f.rx + 6), f.cy - 6 + std::sin(a) * (f.ry + 6), 10, 0, 2 * PI);
      }
      break;
    case 3:  // long and straight to the shoulders
      cairo_move_to(cr, f.cx - f.rx - 8, f.cy + 46);
      cairo_curve_to(cr, f.cx - f.rx - 16, f.cy - 44, f.cx + f.rx + 16, f.cy - 44, f.cx + f.rx + 8, f.cy + 46);
      cairo_line_to(cr, f.cx + f.rx - 6, f.cy + 40);
      cairo_line_to(cr, f.cx - f.rx + 6, f.cy + 40);
      break;
    default:  // bun on top
      cairo_arc(cr, f.cx + 3, f.cy - f.ry - 12, 13, 0, 2 * PI);
      break;
  }
  cairo_close_path(cr);
  Shape(cr, Darker(l.hair, 0.1));
}

void LadyHairFront(cairo_t* cr, const Look& l) {
  const Face2& f = kLadyFace;
  const double top = f.cy - f.ry;
  cairo_new_path(cr);
  switch (l.style) {
    case 0:  // straight fringe
      cairo_move_to(cr, f.cx - f.rx - 6, f.cy + 10);
      cairo_curve_to(cr, f.cx - f.rx - 8, top - 14, f.cx + f.rx + 8, top - 14, f.cx + f.rx + 6, f.cy + 10);
      cairo_line_to(cr, f.cx + f.rx - 2, f.cy - 6);
      cairo_curve_to(cr, f.cx + 12, top + 12, f.cx - 12, top + 12, f.cx - f.rx + 2, f.cy - 6);
      break;
    case 2:  // curls framing the face
      cairo_move_to(cr, f.cx - f.rx - 4, f.cy);
      cairo_curve_to(cr, f.cx - f.rx - 8, top - 16, f.cx + f.rx + 8, top - 16, f.cx + f.rx + 4, f.cy);
      cairo_curve_to(cr, f.cx + 16, top + 4, f.cx - 16, top + 4, f.cx - f.rx - 4, f.cy);
      break;
    default:  // swept to one side
      cairo_move_to(cr, f.cx - f.rx - 3, f.cy - 2);
      cairo_curve_to(cr, f.cx - f.rx - 6, top - 14, f.cx + f.rx + 6, top - 12, f.cx + f.rx + 3, f.cy - 2);
      cairo_curve_to(cr, f.cx + f.rx - 4, top + 10, f.cx + 4, top + 2, f.cx - 10, top + 14);
      cairo_curve_to(cr, f.cx - 16, top + 18, f.cx - f.rx, top + 20, f.cx - f.rx - 3, f.cy - 2);
      break;
  }
  cairo_close_path(cr);
  ShapeAndClip(cr, l.hair);
  if (l.style == 2) {
    Rng rng(17);
    for (int i = 0; i < 30; ++i) {
      const double a = PI * rng.Range(1.0, 2.0);
      const double r = rng.Range(f.rx - 6, f.rx + 8);
      cairo_arc(cr, f.cx + std::cos(a) * r, f.cy - 4 + std::sin(a) * r * 1.1, 3, 0, PI * 1.4);
      SetColor(cr, Darker(l.hair, 0.2));
      cairo_set_line_width(cr, 0.9);
      cairo_stroke(cr);
    }
  }
  cairo_arc(cr, f.cx - 6, f.cy - 4, f.ry + 2, PI * 1.15, PI * 1.45);
  SetColor(cr, WithAlpha(Lighter(l.hair, 0.5), 0.8));
  cairo_set_line_width(cr, 2.4);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void SunHat(cairo_t* cr, const Face2& f) {
  const Rgb straw = Hex(0xF0D9A0);
  const double y = f.cy - f.ry + 2;
  // brim
  Ellipse(cr, f.cx, y + 4, f.rx + 34, 11);
  Shape(cr, straw);
  // crown
  cairo_new_path(cr);
  cairo_move_to(cr, f.cx - f.rx - 2, y + 4);
  cairo_curve_to(cr, f.cx - f.rx - 2, y - 30, f.cx + f.rx + 2, y - 30, f.cx + f.rx + 2, y + 4);
  cairo_close_path(cr);
  Shape(cr, Lighter(straw, 0.1));
  // band and bow
  cairo_rectangle(cr, f.cx - f.rx - 1, y - 6, 2 * f.rx + 2, 7);
  SetColor(cr, Hex(0xD84B6A));
  cairo_fill(cr);
  FillCircle(cr, f.cx + f.rx - 4, y - 3, 4.5, Hex(0xB83250));
  // weave
  for (int i = -4; i <= 4; ++i) {
    cairo_move_to(cr, f.cx + i * 9, y - 20);
    cairo_line_to(cr, f.cx + i * 8, y - 7);
  }
  SetColor(cr, WithAlpha(Darker(straw, 0.3), 0.5));
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
}

}  // namespace

Rgb AvatarSkin(bool male, int look) { return LookOf(male, look).skin; }

void DrawGentHead(cairo_t* cr, int look, bool stash) {
  const Look& l = LookOf(true, look);
  const Face2& f = kGentFace;
  cairo_save(cr);
  Neck(cr, f.cx, f.cy + f.ry - 10, 128, 12, l.skin);
  GentHairBack(cr, l);
  Ear(cr, f.cx - f.rx, f.cy + 2, l.skin, true);
  Ear(cr, f.cx + f.rx, f.cy + 2, l.skin, false);
  FaceShape(cr, f, l.skin, false);
  if (l.style == 3) Freckles(cr, f, f.cy + 10);
  const double eyeY = f.cy + 2;
  Eyes(cr, f, eyeY, false, l.skin);
  Brows(cr, f, eyeY - 9, l.hair, 1);
  NoseAndMouth(cr, f, f.cy + 13, f.cy + 22, l.skin, false);
  if (stash) Moustache(cr, f, l.hair);
  GentHairFront(cr, l);
  if (look == 1) {  // a few lines of age
    for (int side = -1; side <= 1; side += 2) {
      cairo_move_to(cr, f.cx + side * (f.rx - 3), eyeY - 1);
      cairo_line_to(cr, f.cx + side * (f.rx - 7), eyeY + 3);
    }
    SetColor(cr, WithAlpha(Darker(l.skin, 0.4), 0.6));
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

void DrawLadyHead(cairo_t* cr, int look, bool hat) {
  const Look& l = LookOf(false, look);
  const Face2& f = kLadyFace;
  cairo_save(cr);
  Neck(cr, f.cx, f.cy + f.ry - 10, 148, 10, l.skin);
  LadyHairBack(cr, l);
  Ear(cr, f.cx - f.rx, f.cy + 4, l.skin, true);
  Ear(cr, f.cx + f.rx, f.cy + 4, l.skin, false);
  FaceShape(cr, f, l.skin, true);
  const double eyeY = f.cy + 2;
  Eyes(cr, f, eyeY, true, l.skin);
  Brows(cr, f, eyeY - 9, l.hair, 2);
  NoseAndMouth(cr, f, f.cy + 13, f.cy + 21, l.skin, true);
  LadyHairFront(cr, l);
  if (hat) SunHat(cr, f);
  cairo_restore(cr);
}

void DrawMoustache(cairo_t* cr, int look) { Moustache(cr, kGentFace, LookOf(true, look).hair); }

void DrawSunHat(cairo_t* cr) { SunHat(cr, kLadyFace); }

void DrawSpectacles(cairo_t* cr, bool male, int look) {
  // The spectacles layer is drawn at (39, 52) for gent 1, (45, 65) lady 1, (47, 62) lady 3; the
  // lenses sit on the eyes of the face drawn above.
  const Face2& f = male ? kGentFace : kLadyFace;
  double ox = 39, oy = 52;
  if (!male) {
    ox = look == 3 ? 47 : 45;
    oy = look == 3 ? 62 : 65;
  }
  const double eyeY = f.cy + 2 - oy;
  const Rgb frame = male ? Hex(0x3C2A1E) : (look == 3 ? Hex(0x7A2E5C) : Hex(0x2C4E7A));
  cairo_set_line_width(cr, 1.8);
  for (int side = -1; side <= 1; side += 2) {
    const double x = f.cx + side * f.rx * 0.42 - ox;
    RoundedRect(cr, x - 9, eyeY - 7, 18, 14, 5);
    SetColor(cr, WithAlpha(Hex(0xDDEEFF), 0.25));
    cairo_fill_preserve(cr);
    SetColor(cr, frame);
    cairo_stroke(cr);
    cairo_move_to(cr, x - 6, eyeY - 4);
    cairo_line_to(cr, x - 2, eyeY - 5);
    SetColor(cr, WithAlpha(Hex(0xFFFFFF), 0.8));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 1.8);
  }
  cairo_move_to(cr, f.cx - f.rx * 0.42 + 9 - ox, eyeY - 2);
  cairo_curve_to(cr, f.cx - 3 - ox, eyeY - 5, f.cx + 3 - ox, eyeY - 5, f.cx + f.rx * 0.42 - 9 - ox, eyeY - 2);
  SetColor(cr, frame);
  cairo_stroke(cr);
}

void DrawAvatarPortrait(cairo_t* cr, bool male, int look, double x, double y, double w, double h) {
  const Face2& f = male ? kGentFace : kLadyFace;
  // head and shoulders span about 150 x 150 of avatar space around the face
  const double span = 150;
  const double s = std::min(w, h) / span;
  const Look& l = LookOf(male, look);
  cairo_save(cr);
  cairo_translate(cr, x + w / 2 - f.cx * s, y + h / 2 - (f.cy + 8) * s);
  cairo_scale(cr, s, s);
  // shoulders in a plain golf shirt
  const double sy = f.cy + f.ry + 14;
  cairo_new_path(cr);
  cairo_move_to(cr, f.cx - 58, sy + 70);
  cairo_curve_to(cr, f.cx - 58, sy + 6, f.cx - 30, sy - 4, f.cx, sy - 4);
  cairo_curve_to(cr, f.cx + 30, sy - 4, f.cx + 58, sy + 6, f.cx + 58, sy + 70);
  cairo_close_path(cr);
  Shape(cr, male ? Hex(0x3F8F3A) : Hex(0xE27D9A));
  if (male) {
    DrawGentHead(cr, look, false);
  } else {
    DrawLadyHead(cr, look, false);
  }
  const bool spectacles = male ? look == 1 : (look == 1 || look == 3);
  if (spectacles) {
    const double ox = male ? 39 : (look == 3 ? 47 : 45);
    const double oy = male ? 52 : (look == 3 ? 62 : 65);
    cairo_save(cr);
    cairo_translate(cr, ox, oy);
    DrawSpectacles(cr, male, look);
    cairo_restore(cr);
  }
  (void)l;
  cairo_restore(cr);
}

}  // namespace art

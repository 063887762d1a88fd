// Shapes shared by the intro, ending and newspaper pictures.

#include "tools/art/story_art.h"

#include <algorithm>
#include <cmath>

#include "tools/art/registry.h"

namespace art {

void PaintCourse(cairo_t* cr, const std::string& type, int variant, double x, double y, double w,
                 double h) {
  Canvas scene(800, 600);
  CourseScene(scene, type, variant);
  cairo_surface_t* surface = cairo_get_target(scene.cr());
  cairo_surface_flush(surface);
  const double s = std::max(w / 800.0, h / 600.0);
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  cairo_translate(cr, x + (w - 800 * s) / 2, y + (h - 600 * s) / 2);
  // The scene's surface is drawn at twice its logical size.
  cairo_scale(cr, s / 2, s / 2);
  cairo_set_source_surface(cr, surface, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
  cairo_paint(cr);
  cairo_restore(cr);
}

void Newsprint(cairo_t* cr, double x, double y, double w, double h, double warmth) {
  // The picture's own coverage is the mask, so transparent pixels stay transparent.
  cairo_surface_t* target = cairo_get_target(cr);
  cairo_surface_flush(target);
  cairo_surface_t* coverage = cairo_image_surface_create(
      CAIRO_FORMAT_ARGB32, cairo_image_surface_get_width(target), cairo_image_surface_get_height(target));
  cairo_t* copy = cairo_create(coverage);
  cairo_set_source_surface(copy, target, 0, 0);
  cairo_paint(copy);
  cairo_destroy(copy);
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  cairo_identity_matrix(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_HSL_SATURATION);
  cairo_set_source_rgb(cr, 0.5, 0.5, 0.5);
  cairo_mask_surface(cr, coverage, 0, 0);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  cairo_set_source_rgba(cr, 0.55, 0.45, 0.3, warmth);
  cairo_mask_surface(cr, coverage, 0, 0);
  cairo_restore(cr);
  cairo_surface_destroy(coverage);
}

void Stroke(cairo_t* cr, const Rgb& c, double width) {
  SetColor(cr, c);
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

namespace {

void Limb(cairo_t* cr, double x0, double y0, double x1, double y1, double x2, double y2, double width,
          const Rgb& c) {
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  cairo_line_to(cr, x2, y2);
  Stroke(cr, c, width);
}

}  // namespace

void Golfer(cairo_t* cr, double x, double ground, double h, int pose, const Rgb& shirt,
            const Rgb& trousers, bool lady, bool facing_left) {
  cairo_save(cr);
  cairo_translate(cr, x, ground);
  const double s = h / 100.0;
  cairo_scale(cr, facing_left ? -s : s, s);
  const Rgb skin = Hex(0xE8B48A);
  const Rgb shoe = Hex(0x2B2B2B);
  const Rgb club = Hex(0xB0B4B8);
  // shadow on the grass
  FillEllipse(cr, 0, 0, 22, 4, Hex(0x000000, 0.22));
  const double hip = -48;
  const double shoulder = -78;
  if (pose == 2) {
    Limb(cr, 0, hip, -8, -24, -14, -2, 9, trousers);
    Limb(cr, 0, hip, 9, -24, 14, -2, 9, Darker(trousers, 0.12));
    FillEllipse(cr, -12, -2, 7, 3, shoe);
    FillEllipse(cr, 17, -2, 7, 3, shoe);
  } else {
    Limb(cr, 0, hip, -9, -24, -11, -2, 9, trousers);
    Limb(cr, 0, hip, 8, -24, 11, -2, 9, Darker(trousers, 0.12));
    FillEllipse(cr, -9, -2, 7, 3, shoe);
    FillEllipse(cr, 14, -2, 7, 3, shoe);
  }
  // body
  cairo_move_to(cr, -10, hip);
  cairo_line_to(cr, -12, shoulder + 4);
  cairo_curve_to(cr, -8, shoulder - 4, 8, shoulder - 4, 12, shoulder + 4);
  cairo_line_to(cr, 10, hip);
  cairo_close_path(cr);
  SetColor(cr, shirt);
  cairo_fill(cr);
  cairo_rectangle(cr, -10, hip - 3, 20, 5);
  SetColor(cr, Darker(trousers, 0.3));
  cairo_fill(cr);
  // arms and club
  if (pose == 0) {
    Limb(cr, -6, shoulder + 2, 0, -58, 6, -44, 6, shirt);
    Limb(cr, 6, shoulder + 2, 6, -58, 6, -44, 6, Darker(shirt, 0.1));
    cairo_move_to(cr, 6, -44);
    cairo_line_to(cr, 26, -2);
    Stroke(cr, club, 2.2);
    FillEllipse(cr, 29, -2, 5, 2.2, Darker(club, 0.3));
  } else if (pose == 1) {
    Limb(cr, -6, shoulder + 2, -16, -90, -10, -100, 6, shirt);
    Limb(cr, 6, shoulder + 2, -4, -92, -8, -100, 6, Darker(shirt, 0.1));
    cairo_move_to(cr, -9, -100);
    cairo_line_to(cr, 22, -120);
    Stroke(cr, club, 2.2);
  } else if (pose == 3) {
    Limb(cr, -8, shoulder + 2, -20, -96, -22, -112, 6, shirt);
    Limb(cr, 8, shoulder + 2, 20, -96, 22, -112, 6, Darker(shirt, 0.1));
    FillCircle(cr, -22, -113, 3.5, skin);
    FillCircle(cr, 22, -113, 3.5, skin);
  } else {
    Limb(cr, -8, shoulder + 2, -14, -60, -12, -46, 6, shirt);
    Limb(cr, 8, shoulder + 2, 14, -60, 13, -46, 6, Darker(shirt, 0.1));
  }
  // head, hair and cap
  FillCircle(cr, 0, shoulder - 10, 9, skin);
  if (lady) {
    FillEllipse(cr, -8, shoulder - 8, 5, 8, Hex(0x8A5A2B));
    FillEllipse(cr, 0, shoulder - 16, 9.5, 5, Hex(0x8A5A2B));
  }
  cairo_move_to(cr, -10, shoulder - 13);
  cairo_curve_to(cr, -9, shoulder - 25, 9, shoulder - 25, 10, shoulder - 13);
  cairo_close_path(cr);
  SetColor(cr, Lighter(shirt, 0.5));
  cairo_fill(cr);
  cairo_rectangle(cr, 4, shoulder - 15, 11, 3);
  SetColor(cr, Lighter(shirt, 0.4));
  cairo_fill(cr);
  cairo_restore(cr);
}

void TrophyCup(cairo_t* cr, double cx, double base, double h, int style) {
  cairo_save(cr);
  cairo_translate(cr, cx, base);
  const double s = h / 160.0;
  cairo_scale(cr, s, s);
  const Rgb dark = Darker(pal::Brass, 0.35);
  auto brass = [&](double x0, double x1) {
    cairo_pattern_t* p = cairo_pattern_create_linear(x0, 0, x1, 0);
    cairo_pattern_add_color_stop_rgb(p, 0.0, dark.r, dark.g, dark.b);
    cairo_pattern_add_color_stop_rgb(p, 0.3, pal::BrassLight.r, pal::BrassLight.g, pal::BrassLight.b);
    cairo_pattern_add_color_stop_rgb(p, 0.55, pal::Brass.r, pal::Brass.g, pal::Brass.b);
    cairo_pattern_add_color_stop_rgb(p, 1.0, dark.r, dark.g, dark.b);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
  };
  // plinth of dark wood with a brass plate
  cairo_rectangle(cr, -40, -22, 80, 22);
  SetColor(cr, pal::DarkWood);
  cairo_fill(cr);
  cairo_rectangle(cr, -40, -22, 80, 4);
  SetColor(cr, Lighter(pal::DarkWood, 0.25));
  cairo_fill(cr);
  cairo_rectangle(cr, -18, -15, 36, 9);
  brass(-18, 18);
  // stem
  cairo_move_to(cr, -20, -22);
  cairo_curve_to(cr, -8, -30, -6, -44, -5, -58);
  cairo_line_to(cr, 5, -58);
  cairo_curve_to(cr, 6, -44, 8, -30, 20, -22);
  cairo_close_path(cr);
  brass(-20, 20);
  if (style == 2) {
    // a star on the stem
    cairo_save(cr);
    cairo_translate(cr, 0, -100);
    cairo_move_to(cr, 0, -44);
    for (int i = 1; i < 10; ++i) {
      const double a = i * M_PI / 5 - M_PI / 2;
      const double r = i % 2 ? 18 : 44;
      cairo_line_to(cr, r * std::cos(a), r * std::sin(a));
    }
    cairo_close_path(cr);
    brass(-44, 44);
    cairo_restore(cr);
    cairo_rectangle(cr, -4, -62, 8, 10);
    brass(-4, 4);
  } else if (style == 4) {
    // a golden ball on a tee
    cairo_move_to(cr, -10, -58);
    cairo_line_to(cr, 10, -58);
    cairo_line_to(cr, 3, -80);
    cairo_line_to(cr, -3, -80);
    cairo_close_path(cr);
    brass(-10, 10);
    Circle(cr, 0, -112, 32);
    brass(-32, 32);
    for (int i = 0; i < 5; ++i)
      for (int j = 0; j < 4; ++j)
        FillCircle(cr, -18 + i * 9 + (j % 2) * 4, -126 + j * 10, 2, WithAlpha(dark, 0.45));
  } else {
    const double wide = style == 1 ? 36 : 50;
    const double top = style == 1 ? -150 : -140;
    FillEllipse(cr, 0, -62, 14, 5, dark);
    cairo_move_to(cr, -wide, top);
    cairo_curve_to(cr, -wide, -90, -20, -64, 0, -62);
    cairo_curve_to(cr, 20, -64, wide, -90, wide, top);
    cairo_close_path(cr);
    brass(-wide, wide);
    FillEllipse(cr, 0, top, wide, 7, Darker(pal::Brass, 0.2));
    FillEllipse(cr, 0, top + 1, wide - 5, 4.5, Darker(pal::Brass, 0.5));
    if (style != 3) {
      // handles
      for (int side : {-1, 1}) {
        cairo_move_to(cr, side * (wide - 2), top + 12);
        cairo_curve_to(cr, side * (wide + 26), top + 10, side * (wide + 22), top + 50, side * (wide - 14),
                       top + 62);
        Stroke(cr, pal::Brass, 6);
      }
    } else {
      // a golfer figurine on the lid
      cairo_save(cr);
      cairo_translate(cr, 0, top - 4);
      cairo_move_to(cr, -6, 0);
      cairo_line_to(cr, -4, -30);
      cairo_line_to(cr, 4, -30);
      cairo_line_to(cr, 6, 0);
      cairo_close_path(cr);
      brass(-6, 6);
      Circle(cr, 0, -36, 6);
      brass(-6, 6);
      cairo_move_to(cr, -2, -24);
      cairo_line_to(cr, -20, -50);
      Stroke(cr, pal::Brass, 3);
      cairo_restore(cr);
    }
    // highlight
    cairo_move_to(cr, -wide * 0.55, top + 14);
    cairo_curve_to(cr, -wide * 0.6, -100, -22, -80, -12, -72);
    Stroke(cr, WithAlpha(Hex(0xFFFFFF), 0.45), 4);
  }
  cairo_restore(cr);
}

void Glint(cairo_t* cr, double cx, double cy, double r, double brightness, double angle) {
  if (brightness <= 0 || r <= 0) return;
  RadialGlow(cr, cx, cy, r * 0.9, WithAlpha(Hex(0xFFF2B0), 0.55 * brightness));
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, angle);
  for (int i = 0; i < 4; ++i) {
    const double len = (i % 2 == 0 ? r : r * 0.6);
    cairo_move_to(cr, 0, -len);
    cairo_curve_to(cr, r * 0.06, -r * 0.06, r * 0.06, -r * 0.06, 0, 0);
    cairo_curve_to(cr, -r * 0.06, -r * 0.06, -r * 0.06, -r * 0.06, 0, -len);
    cairo_close_path(cr);
    SetColor(cr, WithAlpha(Hex(0xFFFFFF), brightness));
    cairo_fill(cr);
    cairo_rotate(cr, M_PI / 2);
  }
  FillCircle(cr, 0, 0, r * 0.08, WithAlpha(Hex(0xFFFFFF), brightness));
  cairo_restore(cr);
}

void PrintLines(cairo_t* cr, double x, double y, double w, double h, double pitch, unsigned seed) {
  Rng rng(seed);
  for (double ly = y; ly + 2 <= y + h; ly += pitch) {
    const double len = (ly + pitch * 2 > y + h) ? w * rng.Range(0.3, 0.7) : w * rng.Range(0.85, 1.0);
    double lx = x;
    while (lx < x + len) {
      const double word = rng.Range(6, 22);
      cairo_rectangle(cr, lx, ly, std::min(word, x + len - lx), pitch * 0.42);
      lx += word + 3;
    }
  }
  SetColor(cr, Hex(0x5C5850, 0.75));
  cairo_fill(cr);
}

}  // namespace art

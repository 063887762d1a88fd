// Scenery for the course backgrounds drawn from nature: trees, hills, the sea, mountains, the
// jungle's canopy and waterfall, the links' gorse and grasses, dunes, mesas and cacti, the forest
// floor.

#include "tools/art/scenery.h"

#include <cmath>
#include <vector>

namespace art {

Rgb Foliage(const Mood& m, Rng& rng) {
  if (!m.autumn) return Mix(pal::DeepGreen, pal::Fairway, rng.Range(0, 0.45));
  const Rgb autumn[] = {Hex(0xC0632B), Hex(0xD89A2B), Hex(0x9C3B22), Hex(0x6F7F2A)};
  return autumn[rng.Next() % 4];
}

void Pine(cairo_t* cr, double x, double base, double h, const Rgb& c) {
  cairo_rectangle(cr, x - h * 0.03, base - h * 0.15, h * 0.06, h * 0.15);
  SetColor(cr, pal::DarkWood);
  cairo_fill(cr);
  for (int k = 0; k < 3; ++k) {
    const double top = base - h + k * h * 0.22, bot = base - h * 0.12 - (2 - k) * h * 0.18;
    const double half = h * (0.18 + k * 0.06);
    cairo_move_to(cr, x, top);
    cairo_line_to(cr, x + half, bot);
    cairo_line_to(cr, x - half, bot);
    cairo_close_path(cr);
    SetColor(cr, Darker(c, 0.08 * (2 - k)));
    cairo_fill(cr);
  }
  cairo_move_to(cr, x, base - h);
  cairo_line_to(cr, x - h * 0.18, base - h * 0.5);
  cairo_line_to(cr, x, base - h * 0.55);
  cairo_close_path(cr);
  SetColor(cr, WithAlpha(Lighter(c, 0.25), 0.5));
  cairo_fill(cr);
}

void Oak(cairo_t* cr, double x, double base, double r, const Rgb& c, Rng& rng) {
  cairo_move_to(cr, x - r * 0.12, base);
  cairo_line_to(cr, x - r * 0.07, base - r * 0.9);
  cairo_line_to(cr, x + r * 0.07, base - r * 0.9);
  cairo_line_to(cr, x + r * 0.12, base);
  cairo_close_path(cr);
  SetColor(cr, pal::DarkWood);
  cairo_fill(cr);
  for (int k = 0; k < 7; ++k) {
    const double a = k * 0.9, rr = r * rng.Range(0.45, 0.6);
    FillCircle(cr, x + std::cos(a) * r * 0.5, base - r * 1.25 + std::sin(a) * r * 0.35, rr,
               Darker(c, rng.Range(0, 0.15)));
  }
  FillCircle(cr, x - r * 0.25, base - r * 1.45, r * 0.35, WithAlpha(Lighter(c, 0.2), 0.6));
}

void Palm(cairo_t* cr, double x, double base, double h, const Rgb& c) {
  cairo_move_to(cr, x - 5, base);
  cairo_curve_to(cr, x - 2, base - h * 0.5, x + h * 0.12, base - h * 0.8, x + h * 0.1, base - h);
  cairo_line_to(cr, x + h * 0.1 + 6, base - h);
  cairo_curve_to(cr, x + h * 0.12 + 6, base - h * 0.8, x + 4, base - h * 0.5, x + 5, base);
  cairo_close_path(cr);
  SetColor(cr, Hex(0x8A6A40));
  cairo_fill(cr);
  const double tx = x + h * 0.1 + 3, ty = base - h;
  for (int k = 0; k < 7; ++k) {
    const double a = -M_PI + k * M_PI / 6;
    const double ex = tx + std::cos(a) * h * 0.45, ey = ty + std::sin(a) * h * 0.2 + h * 0.12;
    cairo_move_to(cr, tx, ty);
    cairo_curve_to(cr, tx + std::cos(a) * h * 0.25, ty - h * 0.12, ex, ey - h * 0.05, ex, ey);
    cairo_curve_to(cr, ex - std::cos(a) * 8, ey - 2, tx + std::cos(a) * h * 0.2, ty - h * 0.05, tx,
                   ty + 3);
    cairo_close_path(cr);
    SetColor(cr, Darker(c, 0.05 * (k % 3)));
    cairo_fill(cr);
  }
}

void Cactus(cairo_t* cr, double x, double base, double h) {
  const Rgb c = Hex(0x4F8A3C);
  FillRoundedRect(cr, x - h * 0.08, base - h, h * 0.16, h, h * 0.08, c);
  FillRoundedRect(cr, x - h * 0.35, base - h * 0.7, h * 0.12, h * 0.35, h * 0.06, c);
  FillRoundedRect(cr, x - h * 0.35, base - h * 0.42, h * 0.3, h * 0.1, h * 0.05, c);
  FillRoundedRect(cr, x + h * 0.22, base - h * 0.8, h * 0.12, h * 0.4, h * 0.06, c);
  FillRoundedRect(cr, x + h * 0.05, base - h * 0.5, h * 0.29, h * 0.1, h * 0.05, c);
  cairo_rectangle(cr, x - h * 0.03, base - h * 0.95, h * 0.03, h * 0.9);
  SetColor(cr, WithAlpha(Lighter(c, 0.3), 0.5));
  cairo_fill(cr);
}

void Hills(cairo_t* cr, double y, double amp, const Rgb& c, Rng& rng) {
  cairo_move_to(cr, 0, 600);
  cairo_line_to(cr, 0, y);
  double px = 0;
  while (px < 800) {
    const double nx = px + rng.Range(90, 180);
    cairo_curve_to(cr, px + 30, y - amp * rng.Range(0.4, 1), nx - 30, y - amp * rng.Range(0.4, 1),
                   nx, y + rng.Range(-amp * 0.2, amp * 0.2));
    px = nx;
  }
  cairo_line_to(cr, 800, 600);
  cairo_close_path(cr);
  SetColor(cr, c);
  cairo_fill(cr);
}

void Sea(cairo_t* cr, double top, double bottom) {
  VerticalGradient(cr, 0, top, 800, bottom - top, Hex(0x2F7FC8), pal::WaterLight);
  cairo_set_line_width(cr, 1);
  Rng rng(5);
  for (int i = 0; i < 40; ++i) {
    const double x = rng.Range(0, 800), y = rng.Range(top + 3, bottom - 3), w = rng.Range(10, 30);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + w, y);
    SetColor(cr, {1, 1, 1, 0.45});
    cairo_stroke(cr);
  }
}

void Cherry(cairo_t* cr, double x, double base, double r, Rng& rng, bool autumn) {
  cairo_move_to(cr, x - 4, base);
  cairo_curve_to(cr, x - 2, base - r, x + 6, base - r * 1.2, x + 2, base - r * 1.6);
  cairo_line_to(cr, x + 8, base - r * 1.6);
  cairo_curve_to(cr, x + 10, base - r, x + 4, base - r * 0.6, x + 5, base);
  cairo_close_path(cr);
  SetColor(cr, Hex(0x4A3326));
  cairo_fill(cr);
  for (int k = 0; k < 26; ++k) {
    const double a = rng.Range(0, 2 * M_PI), d = rng.Range(0, r);
    const Rgb c = autumn ? Hex(0xD0612E) : Mix(Hex(0xF6B8CF), Hex(0xFFFFFF), rng.Range(0, 0.5));
    FillCircle(cr, x + 4 + std::cos(a) * d * 1.3, base - r * 1.6 + std::sin(a) * d * 0.7,
               rng.Range(r * 0.18, r * 0.32), WithAlpha(c, 0.9));
  }
}

namespace {

// One snow-capped peak: its lit left face, the shaded right one and a ragged cap of snow.
void Peak(cairo_t* cr, double x, double base, double w, double h, const Rgb& rock, double snow) {
  const double tx = x + w / 2, ty = base - h;
  cairo_move_to(cr, x, base);
  cairo_line_to(cr, tx, ty);
  cairo_line_to(cr, x + w, base);
  cairo_close_path(cr);
  SetColor(cr, rock);
  cairo_fill(cr);
  cairo_move_to(cr, tx, ty);
  cairo_line_to(cr, x + w, base);
  cairo_line_to(cr, tx + w * 0.06, base);
  cairo_line_to(cr, tx - w * 0.02, base - h * 0.55);
  cairo_close_path(cr);
  SetColor(cr, WithAlpha(Hex(0x2A3040), 0.22));
  cairo_fill(cr);
  cairo_move_to(cr, tx, ty);
  cairo_line_to(cr, tx + w * 0.2 * snow, ty + h * 0.4 * snow);
  cairo_line_to(cr, tx + w * 0.1 * snow, ty + h * 0.34 * snow);
  cairo_line_to(cr, tx + w * 0.03 * snow, ty + h * 0.44 * snow);
  cairo_line_to(cr, tx - w * 0.06 * snow, ty + h * 0.32 * snow);
  cairo_line_to(cr, tx - w * 0.13 * snow, ty + h * 0.4 * snow);
  cairo_line_to(cr, tx - w * 0.2 * snow, ty + h * 0.4 * snow);
  cairo_close_path(cr);
  SetColor(cr, {1, 1, 1, 0.95});
  cairo_fill(cr);
}

}  // namespace

// Two ranges: a tall, hazy far one and a darker near one in front of it.
void Peaks(cairo_t* cr, double base, Rng& rng, const Mood& m) {
  const Rgb far = Mix(Hex(0x6E7A8E), m.sky_low, 0.55), near = Mix(Hex(0x5E6A7E), m.sky_top, 0.2);
  for (double x = -80; x < 820;) {
    const double w = rng.Range(200, 300), h = rng.Range(170, 230);
    Peak(cr, x, base - 10, w, h, far, 1.0);
    x += w * rng.Range(0.55, 0.8);
  }
  for (double x = -40; x < 820;) {
    const double w = rng.Range(150, 230), h = rng.Range(90, 140);
    Peak(cr, x, base, w, h, near, 0.7);
    x += w * rng.Range(0.6, 0.9);
  }
}

void Vines(cairo_t* cr, Rng& rng, const Mood& m) {
  for (int side = 0; side < 2; ++side) {
    for (int k = 0; k < 6; ++k) {
      const double x = side ? 800 - rng.Range(5, 80) : rng.Range(5, 80);
      const double len = rng.Range(80, 220);
      cairo_move_to(cr, x, 0);
      cairo_curve_to(cr, x + 12, len * 0.3, x - 12, len * 0.6, x + 4, len);
      SetColor(cr, Hex(0x2F5A1E));
      cairo_set_line_width(cr, 2);
      cairo_stroke(cr);
      for (double y = 10; y < len; y += 14)
        FillCircle(cr, x + rng.Range(-8, 8), y, 5, Foliage(m, rng));
    }
  }
}

// A broad banana leaf from (x, y) pointing along `angle`, with its midrib and a few tears.
void BroadLeaf(cairo_t* cr, double x, double y, double angle, double len, const Rgb& c) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  const double w = len * 0.22;
  cairo_move_to(cr, 0, 0);
  cairo_curve_to(cr, len * 0.25, -w, len * 0.75, -w * 1.1, len, 0);
  cairo_curve_to(cr, len * 0.75, w * 0.9, len * 0.25, w * 0.9, 0, 0);
  cairo_close_path(cr);
  SetColor(cr, c);
  cairo_fill(cr);
  // the lower half in shade
  cairo_move_to(cr, 0, 0);
  cairo_line_to(cr, len, 0);
  cairo_curve_to(cr, len * 0.75, w * 0.9, len * 0.25, w * 0.9, 0, 0);
  cairo_close_path(cr);
  SetColor(cr, WithAlpha(pal::Black, 0.15));
  cairo_fill(cr);
  cairo_move_to(cr, 0, 0);
  cairo_line_to(cr, len * 0.97, 0);
  SetColor(cr, WithAlpha(Lighter(c, 0.45), 0.8));
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  // tears in the blade, running out from the rib
  cairo_set_line_width(cr, 1.2);
  for (double t : {0.3, 0.52, 0.7}) {
    cairo_move_to(cr, len * t, -1);
    cairo_line_to(cr, len * (t + 0.08), -w * 0.85);
  }
  SetColor(cr, WithAlpha(Darker(c, 0.35), 0.8));
  cairo_stroke(cr);
  cairo_restore(cr);
}

// A grey cliff with a waterfall dropping into a pool of mist at `base`.
void Waterfall(cairo_t* cr, double x, double base, double w, double h, Rng& rng, const Mood& m) {
  const Rgb rock = Mix(Hex(0x6A6E5A), m.sky_low, 0.25);
  cairo_move_to(cr, x - w * 0.9, base);
  cairo_line_to(cr, x - w * 0.8, base - h * 0.7);
  cairo_line_to(cr, x - w * 0.55, base - h);
  cairo_line_to(cr, x + w * 0.6, base - h * 0.96);
  cairo_line_to(cr, x + w * 0.85, base - h * 0.6);
  cairo_line_to(cr, x + w, base);
  cairo_close_path(cr);
  SetColor(cr, rock);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  cairo_fill(cr);
  cairo_rectangle(cr, x + w * 0.2, base - h, w, h);
  SetColor(cr, WithAlpha(pal::Black, 0.14));
  cairo_fill(cr);
  for (int k = 1; k < 4; ++k) {
    cairo_move_to(cr, x - w, base - h * k * 0.25);
    cairo_line_to(cr, x + w, base - h * k * 0.25 + 6);
    SetColor(cr, WithAlpha(Darker(rock, 0.3), 0.35));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
  // moss along its top
  for (double fx = -0.6; fx < 0.65; fx += 0.12)
    FillCircle(cr, x + w * fx, base - h * 0.98 + rng.Range(-2, 3), rng.Range(6, 10),
               Foliage(m, rng));
  // the falling water, streaked
  const double fw = w * 0.34;
  VerticalGradient(cr, x - fw / 2, base - h * 0.97, fw, h * 0.97, Hex(0xCFEFFF), Hex(0xFFFFFF));
  cairo_set_line_width(cr, 1.2);
  for (int k = 0; k < 7; ++k) {
    const double sx = x - fw / 2 + fw * (k + 0.5) / 7;
    cairo_move_to(cr, sx, base - h * 0.95);
    cairo_line_to(cr, sx + rng.Range(-1, 1), base - 4);
    SetColor(cr, WithAlpha(pal::Water, 0.35));
    cairo_stroke(cr);
  }
  // mist where it lands
  for (int k = 0; k < 6; ++k)
    FillCircle(cr, x + rng.Range(-fw, fw), base - rng.Range(0, 8), rng.Range(7, 13),
               Hex(0xFFFFFF, 0.75));
}

// A dense canopy of broadleaf crowns along the horizon.
void Canopy(cairo_t* cr, double base, Rng& rng, const Mood& m) {
  for (int row = 0; row < 2; ++row)
    for (double x = -20; x < 830; x += rng.Range(16, 28)) {
      const double r = rng.Range(16, 28) - row * 4;
      const Rgb c = Darker(Foliage(m, rng), row == 0 ? 0.25 : 0.05);
      FillCircle(cr, x, base - r * 0.6 - rng.Range(0, 22) + row * 10, r, c);
    }
}

void Gorse(cairo_t* cr, double x, double y, double r, Rng& rng, bool autumn) {
  for (int k = 0; k < 9; ++k)
    FillCircle(cr, x + rng.Range(-r, r), y + rng.Range(-r * 0.5, r * 0.3),
               rng.Range(r * 0.35, r * 0.6), Mix(Hex(0x2E4A22), Hex(0x48652E), rng.Uniform()));
  for (int k = 0; k < 40; ++k)
    FillCircle(cr, x + rng.Range(-r * 1.1, r * 1.1), y + rng.Range(-r * 0.7, r * 0.4),
               rng.Range(1.2, 2.4), autumn ? Hex(0xC99A3A, 0.8) : Hex(0xF2C928, 0.95));
}

void MarramGrass(cairo_t* cr, double x, double y, double h, Rng& rng, const Rgb& c) {
  cairo_set_line_width(cr, 1.1);
  for (int k = 0; k < 14; ++k) {
    const double dx = rng.Range(-h * 0.4, h * 0.4), lean = rng.Range(-h * 0.5, h * 0.5);
    cairo_move_to(cr, x + dx, y);
    cairo_curve_to(cr, x + dx, y - h * 0.5, x + dx + lean * 0.5, y - h * 0.8, x + dx + lean,
                   y - h * rng.Range(0.7, 1));
    SetColor(cr, Mix(c, Hex(0xD9C98A), rng.Range(0, 0.6)));
    cairo_stroke(cr);
  }
}

// A dune bank at the right edge, from (800, top) down to the bottom, with marram grass and a
// slatted sand fence along its crest.
void DuneBank(cairo_t* cr, double top, Rng& rng, const Mood& m) {
  const Rgb sand = Mix(pal::Sand, m.sky_low, 0.08);
  cairo_move_to(cr, 800, top);
  cairo_curve_to(cr, 740, top + 20, 700, top + 90, 690, top + 150);
  cairo_curve_to(cr, 680, 520, 620, 570, 580, 610);
  cairo_line_to(cr, 800, 610);
  cairo_close_path(cr);
  SetColor(cr, sand);
  cairo_fill(cr);
  // the shaded lee side
  cairo_move_to(cr, 800, top + 30);
  cairo_curve_to(cr, 760, top + 60, 740, top + 120, 735, top + 170);
  cairo_curve_to(cr, 730, 540, 700, 580, 680, 610);
  cairo_line_to(cr, 800, 610);
  cairo_close_path(cr);
  SetColor(cr, WithAlpha(Darker(sand, 0.2), 0.6));
  cairo_fill(cr);
  for (int i = 0; i < 7; ++i) {
    const double t = i / 6.0;
    const double x = 790 - t * 100 - t * t * 20, y = top + 12 + t * 190;
    cairo_rectangle(cr, x - 1.5, y - 24, 3, 26);
    SetColor(cr, pal::DarkWood);
    cairo_fill(cr);
    if (i < 6) {
      const double nx = 790 - (t + 1 / 6.0) * 100 - (t + 1 / 6.0) * (t + 1 / 6.0) * 20;
      const double ny = top + 12 + (t + 1 / 6.0) * 190;
      for (double hh : {-18.0, -8.0}) {
        cairo_move_to(cr, x, y + hh);
        cairo_line_to(cr, nx, ny + hh);
        SetColor(cr, WithAlpha(pal::Wood, 0.9));
        cairo_set_line_width(cr, 1.4);
        cairo_stroke(cr);
      }
    }
  }
  for (int i = 0; i < 10; ++i)
    MarramGrass(cr, rng.Range(700, 800), rng.Range(top + 40, 600), rng.Range(18, 30), rng,
                Hex(0x8A9A50));
}

// A mesa: a talus skirt at its foot, steep walls with strata bands, a lit left face and a shaded
// right one, and an overhanging caprock on top.
void Mesa(cairo_t* cr, double x, double base, double w, double h, const Rgb& c) {
  const double inset = std::min(h * 0.22, w * 0.18);
  const double wall = base - h * 0.3;  // where the walls meet the talus
  // talus: a concave skirt of fallen rock, lighter and sandier than the walls
  cairo_move_to(cr, x - w * 0.08, base);
  cairo_curve_to(cr, x + w * 0.02, base - 2, x + inset * 0.5, wall + h * 0.08, x + inset * 0.8,
                 wall);
  cairo_line_to(cr, x + w - inset * 0.8, wall);
  cairo_curve_to(cr, x + w - inset * 0.5, wall + h * 0.08, x + w * 0.98, base - 2, x + w * 1.08,
                 base);
  cairo_close_path(cr);
  SetColor(cr, Mix(c, pal::Sand, 0.35));
  cairo_fill(cr);
  cairo_save(cr);
  // the walls, slightly stepped
  const double top = base - h;
  cairo_move_to(cr, x + inset * 0.8, wall);
  cairo_line_to(cr, x + inset * 0.9, wall - h * 0.25);
  cairo_line_to(cr, x + inset * 0.75, wall - h * 0.3);
  cairo_line_to(cr, x + inset, top + h * 0.08);
  cairo_line_to(cr, x + w - inset, top + h * 0.08);
  cairo_line_to(cr, x + w - inset * 0.85, wall - h * 0.35);
  cairo_line_to(cr, x + w - inset * 0.7, wall - h * 0.3);
  cairo_line_to(cr, x + w - inset * 0.8, wall);
  cairo_close_path(cr);
  cairo_clip_preserve(cr);
  SetColor(cr, c);
  cairo_fill(cr);
  for (int k = 1; k < 5; ++k) {
    cairo_rectangle(cr, x, top + k * h * 0.15, w, h * 0.04);
    SetColor(cr, WithAlpha(k % 2 ? Darker(c, 0.25) : Lighter(c, 0.2), 0.6));
    cairo_fill(cr);
  }
  // vertical cracks in the walls
  cairo_set_line_width(cr, 1);
  for (double f : {0.3, 0.47, 0.71, 0.86}) {
    cairo_move_to(cr, x + w * f, top + h * 0.1);
    cairo_line_to(cr, x + w * f + 2, wall - 2);
    SetColor(cr, WithAlpha(Darker(c, 0.35), 0.35));
    cairo_stroke(cr);
  }
  cairo_rectangle(cr, x + w * 0.62, top, w, h);
  SetColor(cr, WithAlpha(Hex(0x5A2A1A), 0.28));
  cairo_fill(cr);
  cairo_restore(cr);
  // the caprock: a darker ledge overhanging the walls, its top lit
  cairo_move_to(cr, x + inset - 4, top + h * 0.1);
  cairo_line_to(cr, x + inset - 2, top + 1);
  cairo_line_to(cr, x + w - inset + 2, top);
  cairo_line_to(cr, x + w - inset + 4, top + h * 0.1);
  cairo_close_path(cr);
  SetColor(cr, Darker(c, 0.18));
  cairo_fill(cr);
  cairo_rectangle(cr, x + inset - 2, top, w - 2 * inset + 4, 2.5);
  SetColor(cr, WithAlpha(Lighter(c, 0.35), 0.9));
  cairo_fill(cr);
}

// A lone rock spire on a talus cone, far off.
void Spire(cairo_t* cr, double x, double base, double w, double h, const Rgb& c) {
  cairo_move_to(cr, x - w * 1.1, base);
  cairo_curve_to(cr, x - w * 0.6, base - h * 0.1, x - w * 0.45, base - h * 0.22, x - w * 0.35,
                 base - h * 0.25);
  cairo_line_to(cr, x + w * 0.35, base - h * 0.25);
  cairo_curve_to(cr, x + w * 0.45, base - h * 0.22, x + w * 0.6, base - h * 0.1, x + w * 1.1, base);
  cairo_close_path(cr);
  SetColor(cr, Mix(c, pal::Sand, 0.35));
  cairo_fill(cr);
  cairo_move_to(cr, x - w * 0.38, base - h * 0.24);
  cairo_line_to(cr, x - w * 0.3, base - h * 0.7);
  cairo_line_to(cr, x - w * 0.36, base - h * 0.78);
  cairo_line_to(cr, x - w * 0.25, base - h);
  cairo_line_to(cr, x + w * 0.28, base - h);
  cairo_line_to(cr, x + w * 0.34, base - h * 0.6);
  cairo_line_to(cr, x + w * 0.38, base - h * 0.24);
  cairo_close_path(cr);
  SetColor(cr, c);
  cairo_fill_preserve(cr);
  cairo_save(cr);
  cairo_clip(cr);
  cairo_rectangle(cr, x + w * 0.05, base - h, w, h);
  SetColor(cr, WithAlpha(Hex(0x5A2A1A), 0.28));
  cairo_fill(cr);
  for (int k = 1; k < 4; ++k) {
    cairo_rectangle(cr, x - w, base - h + k * h * 0.18, 2 * w, h * 0.04);
    SetColor(cr, WithAlpha(Darker(c, 0.25), 0.5));
    cairo_fill(cr);
  }
  cairo_restore(cr);
}

// Low desert scrub: a clump of grey-olive dots.
void Scrub(cairo_t* cr, double x, double y, double r, Rng& rng) {
  for (int k = 0; k < 5; ++k)
    FillCircle(cr, x + rng.Range(-r, r), y - rng.Range(0, r * 0.6), rng.Range(r * 0.35, r * 0.6),
               Mix(Hex(0x6F7A45), Hex(0x9A9A62), rng.Uniform()));
}

void Saguaro(cairo_t* cr, double x, double base, double h) {
  const Rgb c = Hex(0x7FA65A), dark = Hex(0x4E6E38);
  const auto limb = [&](double x0, double y0, double x1, double y1, double w) {
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    SetColor(cr, dark);
    cairo_set_line_width(cr, w + 2.4);
    cairo_stroke_preserve(cr);
    SetColor(cr, c);
    cairo_set_line_width(cr, w);
    cairo_stroke(cr);
  };
  const double w = h * 0.17;
  limb(x - h * 0.28, base - h * 0.42, x - h * 0.28, base - h * 0.78, w * 0.75);
  limb(x - h * 0.28, base - h * 0.42, x, base - h * 0.42, w * 0.75);
  limb(x + h * 0.26, base - h * 0.55, x + h * 0.26, base - h * 0.9, w * 0.75);
  limb(x + h * 0.26, base - h * 0.55, x, base - h * 0.55, w * 0.75);
  limb(x, base, x, base - h, w);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  // ribs lit from the left
  cairo_move_to(cr, x - w * 0.2, base - 4);
  cairo_line_to(cr, x - w * 0.2, base - h + 4);
  SetColor(cr, WithAlpha(Lighter(c, 0.45), 0.8));
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  cairo_move_to(cr, x + w * 0.22, base - 4);
  cairo_line_to(cr, x + w * 0.22, base - h + 4);
  SetColor(cr, WithAlpha(dark, 0.7));
  cairo_stroke(cr);
}

// A fern: arching fronds from one root, each with leaflets along it.
void Fern(cairo_t* cr, double x, double base, double h, const Rgb& c, Rng& rng) {
  for (int k = 0; k < 6; ++k) {
    const double a = -M_PI / 2 + (k - 2.5) * 0.38 + rng.Range(-0.1, 0.1);
    const double ex = x + std::cos(a) * h, ey = base + std::sin(a) * h * 0.8;
    const double mx = x + std::cos(a) * h * 0.6, my = base + std::sin(a) * h * 0.9 - h * 0.1;
    cairo_move_to(cr, x, base);
    cairo_curve_to(cr, mx, my, mx, my, ex, ey);
    SetColor(cr, Darker(c, 0.2));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    for (int j = 1; j < 8; ++j) {
      const double t = j / 8.0;
      const double px = (1 - t) * (1 - t) * x + 2 * t * (1 - t) * mx + t * t * ex;
      const double py = (1 - t) * (1 - t) * base + 2 * t * (1 - t) * my + t * t * ey;
      const double l = h * 0.16 * (1 - t * 0.7);
      for (double side : {-1.0, 1.0}) {
        cairo_move_to(cr, px, py);
        cairo_line_to(cr, px + side * l * 0.8, py - l * 0.5);
      }
    }
    SetColor(cr, c);
    cairo_set_line_width(cr, 3.2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  }
}

// A fallen log, lying left to right, with moss on its top and its cut end showing rings.
void MossyLog(cairo_t* cr, double x, double y, double len, double r, const Mood& m) {
  cairo_rectangle(cr, x, y - r, len, 2 * r);
  SetColor(cr, Hex(0x6A4A2E));
  cairo_fill(cr);
  cairo_rectangle(cr, x, y + r * 0.2, len, r * 0.8);
  SetColor(cr, WithAlpha(pal::Black, 0.2));
  cairo_fill(cr);
  cairo_set_line_width(cr, 1);
  for (double f : {0.2, 0.45, 0.7}) {
    cairo_move_to(cr, x + len * f, y - r * 0.4);
    cairo_line_to(cr, x + len * (f + 0.15), y - r * 0.3);
  }
  SetColor(cr, WithAlpha(Hex(0x3A2616), 0.7));
  cairo_stroke(cr);
  // moss along the top
  cairo_move_to(cr, x, y - r * 0.6);
  for (double t = 0; t <= len; t += 12)
    cairo_curve_to(cr, x + t + 3, y - r * 1.25, x + t + 9, y - r * 1.25, x + t + 12, y - r * 0.7);
  cairo_line_to(cr, x + len, y - r * 0.35);
  cairo_line_to(cr, x, y - r * 0.35);
  cairo_close_path(cr);
  SetColor(cr, m.autumn ? Hex(0x9A9A3A) : Hex(0x7FB83F));
  cairo_fill(cr);
  // the cut end
  cairo_save(cr);
  cairo_translate(cr, x + len, y);
  cairo_scale(cr, 0.45, 1);
  FillCircle(cr, 0, 0, r, Hex(0xC89A64));
  cairo_set_line_width(cr, 1.5);
  for (double rr : {r * 0.35, r * 0.65}) {
    Circle(cr, 0, 0, rr);
    SetColor(cr, WithAlpha(Hex(0x8A5A30), 0.7));
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

void Mushroom(cairo_t* cr, double x, double base, double s) {
  cairo_rectangle(cr, x - 1.6 * s, base - 7 * s, 3.2 * s, 7 * s);
  SetColor(cr, pal::CardWhite);
  cairo_fill(cr);
  cairo_move_to(cr, x - 6 * s, base - 6 * s);
  cairo_curve_to(cr, x - 6 * s, base - 13 * s, x + 6 * s, base - 13 * s, x + 6 * s, base - 6 * s);
  cairo_close_path(cr);
  SetColor(cr, pal::Red);
  cairo_fill(cr);
  FillCircle(cr, x - 2.5 * s, base - 9 * s, 1.1 * s, pal::CardWhite);
  FillCircle(cr, x + 2 * s, base - 10.5 * s, 0.9 * s, pal::CardWhite);
  FillCircle(cr, x + 3.5 * s, base - 7.5 * s, 0.8 * s, pal::CardWhite);
}

}  // namespace art

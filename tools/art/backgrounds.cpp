// Course backgrounds, 800 x 600: one scene per course type, in four variants (suffixes 1 to 4):
// 1 summer morning, 2 bright midday with the scene mirrored, 3 golden late afternoon, 4 autumn dusk.
// The middle of the picture, where the cards lie, is calm mown grass; the detail is on the horizon
// and at the edges.

#include <cmath>
#include <string>
#include <vector>

#include "tools/art/registry.h"

namespace art {

namespace {

struct Mood {
  Rgb sky_top, sky_low, grass, tint;  // tint: overlay laid over everything (alpha = strength)
  bool autumn = false;
  bool mirror = false;
  double sun_x = 0, sun_y = 0;
  Rgb sun;
};

Mood MoodFor(int v) {
  Mood m;
  switch (v) {
    case 1:
      m.sky_top = pal::SkyTop;
      m.sky_low = pal::SkyLow;
      m.grass = pal::Fairway;
      m.tint = {1, 1, 0.9, 0.04};
      m.sun_x = 640, m.sun_y = 60, m.sun = {1, 1, 0.85, 0.9};
      break;
    case 2:
      m.sky_top = Hex(0x6FB8EC);
      m.sky_low = Hex(0xE4F5FF);
      m.grass = Lighter(pal::Fairway, 0.06);
      m.tint = {1, 1, 1, 0.0};
      m.mirror = true;
      m.sun_x = 200, m.sun_y = 40, m.sun = {1, 1, 0.95, 0.9};
      break;
    case 3:
      m.sky_top = Hex(0x7FB4E0);
      m.sky_low = Hex(0xFFE0A8);
      m.grass = Mix(pal::Fairway, Hex(0x8A9A2A), 0.25);
      m.tint = {1, 0.75, 0.35, 0.12};
      m.sun_x = 120, m.sun_y = 120, m.sun = {1, 0.9, 0.6, 0.95};
      break;
    default:
      m.sky_top = Hex(0x5D6FB0);
      m.sky_low = Hex(0xF7B48A);
      m.grass = Mix(pal::Fairway, Hex(0x7A7A2E), 0.35);
      m.tint = {0.9, 0.45, 0.4, 0.12};
      m.autumn = true;
      m.mirror = true;
      m.sun_x = 560, m.sun_y = 150, m.sun = {1, 0.75, 0.5, 0.95};
      break;
  }
  return m;
}

Rgb Foliage(const Mood& m, Rng& rng) {
  if (!m.autumn) return Mix(pal::DeepGreen, pal::Fairway, rng.Range(0, 0.45));
  const Rgb autumn[] = {Hex(0xC0632B), Hex(0xD89A2B), Hex(0x9C3B22), Hex(0x6F7F2A)};
  return autumn[rng.Next() % 4];
}

void Clouds(cairo_t* cr, Rng& rng, double y_max, double alpha) {
  for (int i = 0; i < 5; ++i) {
    const double x = rng.Range(0, 800), y = rng.Range(25, y_max), s = rng.Range(0.7, 1.5);
    for (int k = 0; k < 5; ++k)
      Circle(cr, x + (k - 2) * 18 * s + rng.Range(-4, 4), y + rng.Range(-6, 4) * s, rng.Range(12, 20) * s);
    SetColor(cr, {1, 1, 1, alpha});
    cairo_fill(cr);
  }
}

void Sky(cairo_t* cr, const Mood& m, Rng& rng, double horizon) {
  VerticalGradient(cr, 0, 0, 800, horizon + 20, m.sky_top, m.sky_low);
  RadialGlow(cr, m.sun_x, m.sun_y, 90, WithAlpha(m.sun, 0.55));
  FillCircle(cr, m.sun_x, m.sun_y, 22, m.sun);
  Clouds(cr, rng, horizon - 50, 0.8);
}

// The fairway: from the horizon to the bottom, with broad mowing stripes that fade with distance.
void Fairway(cairo_t* cr, const Mood& m, double horizon) {
  VerticalGradient(cr, 0, horizon, 800, 600 - horizon, Lighter(m.grass, 0.12), Darker(m.grass, 0.12));
  for (int i = -6; i < 14; ++i) {
    if (i % 2) continue;
    cairo_move_to(cr, 400 + i * 14, horizon);
    cairo_line_to(cr, 400 + (i + 1) * 14, horizon);
    cairo_line_to(cr, 400 + (i + 1) * 120 - 300, 600);
    cairo_line_to(cr, 400 + i * 120 - 300, 600);
    cairo_close_path(cr);
    SetColor(cr, WithAlpha(pal::LightGrass, 0.06));
    cairo_fill(cr);
  }
}

void Rough(cairo_t* cr, const Mood& m, Rng& rng, double horizon) {
  // darker rough along the two sides and the bottom corners
  for (int side = 0; side < 2; ++side) {
    cairo_pattern_t* p = side == 0 ? cairo_pattern_create_linear(0, 0, 130, 0)
                                   : cairo_pattern_create_linear(800, 0, 670, 0);
    const Rgb d = Darker(m.grass, 0.35);
    cairo_pattern_add_color_stop_rgba(p, 0, d.r, d.g, d.b, 0.7);
    cairo_pattern_add_color_stop_rgba(p, 1, d.r, d.g, d.b, 0);
    cairo_rectangle(cr, 0, horizon, 800, 600 - horizon);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
  }
  // grass tufts along the bottom
  cairo_set_line_width(cr, 1.2);
  for (int i = 0; i < 160; ++i) {
    const double x = rng.Range(0, 800), y = rng.Range(560, 604);
    const double lean = rng.Range(-4, 4);
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, x, y - 6, x + lean, y - 10, x + lean * 1.5, y - rng.Range(10, 18));
    SetColor(cr, WithAlpha(Darker(m.grass, rng.Range(0.1, 0.4)), 0.8));
    cairo_stroke(cr);
  }
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
    cairo_curve_to(cr, ex - std::cos(a) * 8, ey - 2, tx + std::cos(a) * h * 0.2, ty - h * 0.05, tx, ty + 3);
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
    cairo_curve_to(cr, px + 30, y - amp * rng.Range(0.4, 1), nx - 30, y - amp * rng.Range(0.4, 1), nx,
                   y + rng.Range(-amp * 0.2, amp * 0.2));
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

// The clubhouse: a white house with a hipped roof, two chimneys, a lower wing on each side, a
// veranda on columns and the club's flag over it. (x, base) is its left end on the ground.
void Clubhouse(cairo_t* cr, double x, double base) {
  const Rgb wall = pal::CardWhite, roof = Hex(0x8E3B2E), glass = Hex(0x5A7FA0);
  const auto block = [&](double bx, double bw, double bh, double rh) {
    cairo_rectangle(cr, bx, base - bh, bw, bh);
    SetColor(cr, wall);
    cairo_fill(cr);
    cairo_rectangle(cr, bx + bw * 0.7, base - bh, bw * 0.3, bh);
    SetColor(cr, WithAlpha(pal::Black, 0.08));
    cairo_fill(cr);
    cairo_move_to(cr, bx - 6, base - bh + 2);
    cairo_line_to(cr, bx + bw * 0.2, base - bh - rh);
    cairo_line_to(cr, bx + bw * 0.8, base - bh - rh);
    cairo_line_to(cr, bx + bw + 6, base - bh + 2);
    cairo_close_path(cr);
    SetColor(cr, roof);
    cairo_fill(cr);
    cairo_move_to(cr, bx + bw * 0.5, base - bh - rh);
    cairo_line_to(cr, bx + bw * 0.8, base - bh - rh);
    cairo_line_to(cr, bx + bw + 6, base - bh + 2);
    cairo_line_to(cr, bx + bw * 0.5, base - bh + 2);
    cairo_close_path(cr);
    SetColor(cr, WithAlpha(pal::Black, 0.15));
    cairo_fill(cr);
  };
  // wings, then the main house over them
  block(x - 40, 52, 36, 14);
  block(x + 138, 52, 36, 14);
  for (double cx : {x + 28, x + 118}) {
    cairo_rectangle(cr, cx, base - 96, 9, 22);
    SetColor(cr, Hex(0xA0786A));
    cairo_fill(cr);
  }
  block(x, 150, 60, 26);
  for (int i = 0; i < 5; ++i) {
    cairo_rectangle(cr, x + 12 + i * 27, base - 52, 14, 14);
    SetColor(cr, glass);
    cairo_fill(cr);
  }
  for (double wx : {x - 30, x - 10, x + 148, x + 168}) {
    cairo_rectangle(cr, wx, base - 26, 12, 12);
    SetColor(cr, glass);
    cairo_fill(cr);
  }
  // the veranda: a flat roof on white columns, the door in its shade
  cairo_rectangle(cr, x + 8, base - 32, 134, 32);
  SetColor(cr, WithAlpha(pal::Black, 0.18));
  cairo_fill(cr);
  cairo_rectangle(cr, x + 66, base - 26, 18, 26);
  SetColor(cr, pal::DarkWood);
  cairo_fill(cr);
  cairo_rectangle(cr, x + 4, base - 36, 142, 5);
  SetColor(cr, Hex(0x3F6B3A));
  cairo_fill(cr);
  for (int i = 0; i < 7; ++i) {
    cairo_rectangle(cr, x + 10 + i * 21.5, base - 31, 3, 31);
    SetColor(cr, wall);
    cairo_fill(cr);
  }
  // the club's flag on a pole above the roof
  cairo_rectangle(cr, x + 73.5, base - 124, 2.5, 40);
  SetColor(cr, Hex(0xDDDDDD));
  cairo_fill(cr);
  cairo_move_to(cr, x + 76, base - 124);
  cairo_line_to(cr, x + 94, base - 118);
  cairo_line_to(cr, x + 76, base - 112);
  SetColor(cr, pal::Red);
  cairo_fill(cr);
}

void Pagoda(cairo_t* cr, double x, double base) {
  const Rgb wall = Hex(0xB23A2A), roof = Hex(0x3A3A44);
  for (int k = 0; k < 4; ++k) {
    const double w = 70 - k * 12, y = base - k * 34;
    cairo_rectangle(cr, x - w / 2 + 8, y - 26, w - 16, 26);
    SetColor(cr, wall);
    cairo_fill(cr);
    cairo_move_to(cr, x - w / 2 - 10, y - 22);
    cairo_curve_to(cr, x - w / 2, y - 26, x - w / 3, y - 34, x, y - 40);
    cairo_curve_to(cr, x + w / 3, y - 34, x + w / 2, y - 26, x + w / 2 + 10, y - 22);
    cairo_close_path(cr);
    SetColor(cr, roof);
    cairo_fill(cr);
  }
  cairo_rectangle(cr, x - 1.5, base - 170, 3, 36);
  SetColor(cr, roof);
  cairo_fill(cr);
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

// A red torii gate standing at (x, base).
void Torii(cairo_t* cr, double x, double base, double h) {
  const Rgb red = Hex(0xC8402A), dark = Hex(0x2A2A30);
  const double w = h * 1.1;
  for (double sx : {-1.0, 1.0}) {
    cairo_move_to(cr, x + sx * w * 0.32, base);
    cairo_line_to(cr, x + sx * w * 0.29, base - h * 0.86);
    cairo_line_to(cr, x + sx * w * 0.29 - sx * h * 0.08, base - h * 0.86);
    cairo_line_to(cr, x + sx * w * 0.32 - sx * h * 0.09, base);
    cairo_close_path(cr);
    SetColor(cr, red);
    cairo_fill(cr);
    cairo_rectangle(cr, x + sx * w * 0.32 - (sx > 0 ? h * 0.1 : 0) - 1, base - h * 0.08, h * 0.11 + 2, h * 0.08);
    SetColor(cr, dark);
    cairo_fill(cr);
  }
  cairo_rectangle(cr, x - w * 0.4, base - h * 0.7, w * 0.8, h * 0.07);
  SetColor(cr, red);
  cairo_fill(cr);
  // the upturned top beam: red under a black cap
  cairo_move_to(cr, x - w * 0.55, base - h * 0.92);
  cairo_curve_to(cr, x - w * 0.3, base - h * 0.86, x + w * 0.3, base - h * 0.86, x + w * 0.55, base - h * 0.92);
  cairo_line_to(cr, x + w * 0.52, base - h * 0.82);
  cairo_curve_to(cr, x + w * 0.3, base - h * 0.78, x - w * 0.3, base - h * 0.78, x - w * 0.52, base - h * 0.82);
  cairo_close_path(cr);
  SetColor(cr, red);
  cairo_fill(cr);
  cairo_move_to(cr, x - w * 0.58, base - h * 1.0);
  cairo_curve_to(cr, x - w * 0.3, base - h * 0.92, x + w * 0.3, base - h * 0.92, x + w * 0.58, base - h * 1.0);
  cairo_line_to(cr, x + w * 0.55, base - h * 0.92);
  cairo_curve_to(cr, x + w * 0.3, base - h * 0.86, x - w * 0.3, base - h * 0.86, x - w * 0.55, base - h * 0.92);
  cairo_close_path(cr);
  SetColor(cr, dark);
  cairo_fill(cr);
}

// A stone lantern: a plinth, a post, the light box and a broad cap.
void StoneLantern(cairo_t* cr, double x, double base, double h, bool lit) {
  const Rgb stone = Hex(0x9A968A), shade = Hex(0x6E6A60);
  FillRoundedRect(cr, x - h * 0.2, base - h * 0.1, h * 0.4, h * 0.1, 1, shade);
  cairo_rectangle(cr, x - h * 0.07, base - h * 0.5, h * 0.14, h * 0.4);
  SetColor(cr, stone);
  cairo_fill(cr);
  cairo_rectangle(cr, x - h * 0.22, base - h * 0.56, h * 0.44, h * 0.06);
  SetColor(cr, shade);
  cairo_fill(cr);
  cairo_rectangle(cr, x - h * 0.16, base - h * 0.76, h * 0.32, h * 0.2);
  SetColor(cr, stone);
  cairo_fill(cr);
  cairo_rectangle(cr, x - h * 0.08, base - h * 0.72, h * 0.16, h * 0.12);
  SetColor(cr, lit ? Hex(0xFFD27A) : Hex(0x3A362E));
  cairo_fill(cr);
  cairo_move_to(cr, x - h * 0.34, base - h * 0.74);
  cairo_line_to(cr, x, base - h * 0.94);
  cairo_line_to(cr, x + h * 0.34, base - h * 0.74);
  cairo_close_path(cr);
  SetColor(cr, shade);
  cairo_fill(cr);
  FillCircle(cr, x, base - h * 0.96, h * 0.05, shade);
}

void StoneWall(cairo_t* cr, double y, Rng& rng) {
  for (double x = 0; x < 800; x += 14) {
    for (int row = 0; row < 2; ++row) {
      const double sx = x + (row ? 7 : 0);
      RoundedRect(cr, sx, y + row * 9, rng.Range(10, 14), 8, 3);
      SetColor(cr, Mix(Hex(0x8D8A80), Hex(0xB9B5A8), rng.Uniform()));
      cairo_fill(cr);
    }
  }
}

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
      for (double y = 10; y < len; y += 14) FillCircle(cr, x + rng.Range(-8, 8), y, 5, Foliage(m, rng));
    }
  }
}


// --- jungle ---
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
    FillCircle(cr, x + w * fx, base - h * 0.98 + rng.Range(-2, 3), rng.Range(6, 10), Foliage(m, rng));
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
    FillCircle(cr, x + rng.Range(-fw, fw), base - rng.Range(0, 8), rng.Range(7, 13), Hex(0xFFFFFF, 0.75));
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

// --- links (scotland) ---
void Lighthouse(cairo_t* cr, double x, double base, double h) {
  // a rocky headland under it
  cairo_move_to(cr, x - 90, base + 4);
  cairo_curve_to(cr, x - 60, base - 22, x - 20, base - 30, x + 10, base - 26);
  cairo_curve_to(cr, x + 40, base - 24, x + 70, base - 10, x + 110, base + 4);
  cairo_close_path(cr);
  SetColor(cr, Hex(0x6F7458));
  cairo_fill(cr);
  const double top = base - 26 - h;
  cairo_move_to(cr, x - 9, base - 24);
  cairo_line_to(cr, x - 6, top);
  cairo_line_to(cr, x + 6, top);
  cairo_line_to(cr, x + 9, base - 24);
  cairo_close_path(cr);
  SetColor(cr, pal::CardWhite);
  cairo_fill(cr);
  for (int k = 0; k < 2; ++k) {
    const double y0 = base - 24 - h * (0.2 + k * 0.38);
    cairo_rectangle(cr, x - 8.5 + k * 1.2, y0 - h * 0.16, 17 - k * 2.4, h * 0.16);
    SetColor(cr, pal::Red);
    cairo_fill(cr);
  }
  cairo_rectangle(cr, x - 5, top - 8, 10, 8);
  SetColor(cr, pal::BrassLight);
  cairo_fill(cr);
  cairo_move_to(cr, x - 7, top - 8);
  cairo_line_to(cr, x, top - 15);
  cairo_line_to(cr, x + 7, top - 8);
  cairo_close_path(cr);
  SetColor(cr, Hex(0x333333));
  cairo_fill(cr);
  // the tower's shaded right side
  cairo_move_to(cr, x + 1, top);
  cairo_line_to(cr, x + 6, top);
  cairo_line_to(cr, x + 9, base - 24);
  cairo_line_to(cr, x + 1, base - 24);
  cairo_close_path(cr);
  SetColor(cr, WithAlpha(pal::Black, 0.12));
  cairo_fill(cr);
}

void StoneHouse(cairo_t* cr, double x, double base, double w) {
  const double h = w * 0.38;
  cairo_rectangle(cr, x, base - h, w, h);
  SetColor(cr, Hex(0xA39E90));
  cairo_fill(cr);
  cairo_move_to(cr, x - 6, base - h);
  cairo_line_to(cr, x + w * 0.2, base - h - w * 0.22);
  cairo_line_to(cr, x + w * 0.8, base - h - w * 0.22);
  cairo_line_to(cr, x + w + 6, base - h);
  cairo_close_path(cr);
  SetColor(cr, Hex(0x4A4F5A));
  cairo_fill(cr);
  for (int k = 0; k < 2; ++k) {
    cairo_rectangle(cr, x + w * (0.15 + k * 0.62), base - h - w * 0.32, w * 0.08, w * 0.14);
    SetColor(cr, Hex(0x8E887A));
    cairo_fill(cr);
  }
  for (int i = 0; i < 4; ++i) {
    cairo_rectangle(cr, x + w * (0.1 + i * 0.22), base - h * 0.7, w * 0.1, h * 0.35);
    SetColor(cr, Hex(0x3F5566));
    cairo_fill(cr);
  }
}

void Gorse(cairo_t* cr, double x, double y, double r, Rng& rng, bool autumn) {
  for (int k = 0; k < 9; ++k)
    FillCircle(cr, x + rng.Range(-r, r), y + rng.Range(-r * 0.5, r * 0.3), rng.Range(r * 0.35, r * 0.6),
               Mix(Hex(0x2E4A22), Hex(0x48652E), rng.Uniform()));
  for (int k = 0; k < 40; ++k)
    FillCircle(cr, x + rng.Range(-r * 1.1, r * 1.1), y + rng.Range(-r * 0.7, r * 0.4), rng.Range(1.2, 2.4),
               autumn ? Hex(0xC99A3A, 0.8) : Hex(0xF2C928, 0.95));
}

void MarramGrass(cairo_t* cr, double x, double y, double h, Rng& rng, const Rgb& c) {
  cairo_set_line_width(cr, 1.1);
  for (int k = 0; k < 14; ++k) {
    const double dx = rng.Range(-h * 0.4, h * 0.4), lean = rng.Range(-h * 0.5, h * 0.5);
    cairo_move_to(cr, x + dx, y);
    cairo_curve_to(cr, x + dx, y - h * 0.5, x + dx + lean * 0.5, y - h * 0.8, x + dx + lean, y - h * rng.Range(0.7, 1));
    SetColor(cr, Mix(c, Hex(0xD9C98A), rng.Range(0, 0.6)));
    cairo_stroke(cr);
  }
}

// --- beach ---
void Sailboat(cairo_t* cr, double x, double water, double s) {
  cairo_move_to(cr, x - 14 * s, water - 4 * s);
  cairo_line_to(cr, x + 14 * s, water - 4 * s);
  cairo_line_to(cr, x + 10 * s, water);
  cairo_line_to(cr, x - 10 * s, water);
  cairo_close_path(cr);
  SetColor(cr, Hex(0x8B3A2B));
  cairo_fill(cr);
  cairo_move_to(cr, x, water - 5 * s);
  cairo_line_to(cr, x, water - 34 * s);
  cairo_line_to(cr, x + 15 * s, water - 7 * s);
  cairo_close_path(cr);
  SetColor(cr, pal::CardWhite);
  cairo_fill(cr);
  cairo_move_to(cr, x - 1.5 * s, water - 7 * s);
  cairo_line_to(cr, x - 1.5 * s, water - 28 * s);
  cairo_line_to(cr, x - 12 * s, water - 7 * s);
  cairo_close_path(cr);
  SetColor(cr, Hex(0xE8E2D0));
  cairo_fill(cr);
}

// A striped beach umbrella standing at (x, base).
void Umbrella(cairo_t* cr, double x, double base, double s, const Rgb& c) {
  cairo_move_to(cr, x, base);
  cairo_line_to(cr, x - 3 * s, base - 30 * s);
  SetColor(cr, pal::DarkWood);
  cairo_set_line_width(cr, 1.6 * s);
  cairo_stroke(cr);
  const double cx = x - 3 * s, cy = base - 30 * s, r = 19 * s;
  for (int k = 0; k < 4; ++k) {
    cairo_move_to(cr, cx, cy - 6 * s);
    cairo_line_to(cr, cx - r + k * r * 0.5, cy + 2 * s);
    cairo_line_to(cr, cx - r + (k + 1) * r * 0.5, cy + 2 * s);
    cairo_close_path(cr);
    SetColor(cr, k % 2 ? pal::CardWhite : c);
    cairo_fill(cr);
  }
}

// A wooden beach hut with a striped front and a pitched roof.
void BeachHut(cairo_t* cr, double x, double base, const Rgb& c) {
  for (int k = 0; k < 4; ++k) {
    cairo_rectangle(cr, x + k * 7, base - 26, 7, 26);
    SetColor(cr, k % 2 ? pal::CardWhite : c);
    cairo_fill(cr);
  }
  cairo_rectangle(cr, x + 9, base - 17, 10, 17);
  SetColor(cr, Darker(c, 0.35));
  cairo_fill(cr);
  cairo_move_to(cr, x - 4, base - 25);
  cairo_line_to(cr, x + 14, base - 38);
  cairo_line_to(cr, x + 32, base - 25);
  cairo_close_path(cr);
  SetColor(cr, Hex(0x4A4F5A));
  cairo_fill(cr);
  cairo_rectangle(cr, x + 20, base - 25, 8, 25);
  SetColor(cr, WithAlpha(pal::Black, 0.12));
  cairo_fill(cr);
}

// A dune bank at the right edge, from (800, top) down to the bottom, with marram grass and a slatted
// sand fence along its crest.
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
    MarramGrass(cr, rng.Range(700, 800), rng.Range(top + 40, 600), rng.Range(18, 30), rng, Hex(0x8A9A50));
}

// --- desert ---
// A mesa: a talus skirt at its foot, steep walls with strata bands, a lit left face and a shaded
// right one, and an overhanging caprock on top.
void Mesa(cairo_t* cr, double x, double base, double w, double h, const Rgb& c) {
  const double inset = std::min(h * 0.22, w * 0.18);
  const double wall = base - h * 0.3;  // where the walls meet the talus
  // talus: a concave skirt of fallen rock, lighter and sandier than the walls
  cairo_move_to(cr, x - w * 0.08, base);
  cairo_curve_to(cr, x + w * 0.02, base - 2, x + inset * 0.5, wall + h * 0.08, x + inset * 0.8, wall);
  cairo_line_to(cr, x + w - inset * 0.8, wall);
  cairo_curve_to(cr, x + w - inset * 0.5, wall + h * 0.08, x + w * 0.98, base - 2, x + w * 1.08, base);
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
  cairo_curve_to(cr, x - w * 0.6, base - h * 0.1, x - w * 0.45, base - h * 0.22, x - w * 0.35, base - h * 0.25);
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

void SandPatch(cairo_t* cr, double cx, double cy, double rx, double ry, const Rgb& c) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  Circle(cr, 0, 0, 1);
  cairo_restore(cr);
  SetColor(cr, c);
  cairo_fill(cr);
}

// --- city ---
void Tower(cairo_t* cr, double x, double base, double w, double h, const Rgb& c, int roof, bool lit,
           Rng& rng) {
  cairo_rectangle(cr, x, base - h, w, h);
  SetColor(cr, c);
  cairo_fill(cr);
  cairo_rectangle(cr, x + w * 0.65, base - h, w * 0.35, h);
  SetColor(cr, WithAlpha(pal::Black, 0.14));
  cairo_fill(cr);
  if (roof == 1) {  // spire
    cairo_move_to(cr, x + w * 0.2, base - h);
    cairo_line_to(cr, x + w / 2, base - h - w * 1.1);
    cairo_line_to(cr, x + w * 0.8, base - h);
    cairo_close_path(cr);
    SetColor(cr, Darker(c, 0.15));
    cairo_fill(cr);
  } else if (roof == 2) {  // stepped top with a mast
    cairo_rectangle(cr, x + w * 0.15, base - h - 10, w * 0.7, 10);
    cairo_rectangle(cr, x + w * 0.3, base - h - 18, w * 0.4, 8);
    SetColor(cr, c);
    cairo_fill(cr);
    cairo_rectangle(cr, x + w / 2 - 1, base - h - 40, 2, 22);
    SetColor(cr, Darker(c, 0.3));
    cairo_fill(cr);
  } else if (roof == 3) {  // dome
    cairo_arc(cr, x + w / 2, base - h, w * 0.38, M_PI, 2 * M_PI);
    SetColor(cr, Hex(0x7FA39A));
    cairo_fill(cr);
  }
  const bool glass = (rng.Next() % 3) == 0;
  for (double wy = base - h + 7; wy < base - 5; wy += glass ? 6 : 9)
    for (double wx = x + 4; wx < x + w - 5; wx += glass ? w : 8) {
      cairo_rectangle(cr, wx, wy, glass ? w - 8 : 4, glass ? 2 : 5);
      const bool on = lit && rng.Uniform() < 0.5;
      SetColor(cr, on ? Rgb{1, 0.85, 0.5, 0.85} : Rgb{0.85, 0.93, 1, glass ? 0.35 : 0.5});
      cairo_fill(cr);
    }
}

void CitySkyline(cairo_t* cr, double base, Rng& rng, const Mood& m) {
  // far row, hazy
  double x = -10;
  while (x < 810) {
    const double w = rng.Range(26, 50), h = rng.Range(70, 150);
    cairo_rectangle(cr, x, base - h, w, h);
    SetColor(cr, Mix(Hex(0x8D9BB3), m.sky_low, 0.5));
    cairo_fill(cr);
    x += w + rng.Range(-4, 6);
  }
  // near row, each tower its own colour, height and roof
  const Rgb cols[] = {Hex(0xB86B4B), Hex(0xD8CDB4), Hex(0x5E7894), Hex(0x9AA6B4), Hex(0xC9A27A),
                      Hex(0x6B6F7A)};
  x = -5;
  int i = 0;
  while (x < 805) {
    const double w = rng.Range(34, 70), h = rng.Range(50, 140) + (i % 4 == 1 ? 50 : 0);
    Tower(cr, x, base, w, h, Mix(cols[rng.Next() % 6], m.sky_low, 0.15), static_cast<int>(rng.Next() % 4),
          m.autumn, rng);
    x += w + rng.Range(4, 16);
    ++i;
  }
}

void LampPost(cairo_t* cr, double x, double base, double h, bool lit) {
  cairo_rectangle(cr, x - 1.5, base - h, 3, h);
  SetColor(cr, Hex(0x2C2F33));
  cairo_fill(cr);
  cairo_rectangle(cr, x - 4, base - 4, 8, 4);
  cairo_fill(cr);
  if (lit) RadialGlow(cr, x, base - h - 4, 16, Hex(0xFFE2A0, 0.7));
  FillCircle(cr, x, base - h - 4, 5, lit ? Hex(0xFFF1C8) : Hex(0xE8E8E0));
  cairo_move_to(cr, x - 6, base - h - 8);
  cairo_line_to(cr, x + 6, base - h - 8);
  cairo_line_to(cr, x, base - h - 13);
  cairo_close_path(cr);
  SetColor(cr, Hex(0x2C2F33));
  cairo_fill(cr);
}

void Railing(cairo_t* cr, double x0, double x1, double y, double h) {
  SetColor(cr, Hex(0x2C2F33));
  cairo_set_line_width(cr, 1.4);
  for (double x = x0; x <= x1; x += 7) {
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x, y - h);
  }
  cairo_move_to(cr, x0, y - h + 2);
  cairo_line_to(cr, x1, y - h + 2);
  cairo_move_to(cr, x0, y - 3);
  cairo_line_to(cr, x1, y - 3);
  cairo_stroke(cr);
}

void Hedge(cairo_t* cr, double x, double y, double w, double h, const Rgb& c) {
  FillRoundedRect(cr, x, y - h, w, h, h * 0.35, c);
  FillRoundedRect(cr, x + 3, y - h + 2, w * 0.6, h * 0.3, h * 0.15, WithAlpha(Lighter(c, 0.25), 0.6));
}

// --- municipal park ---
void ParkPath(cairo_t* cr, const std::vector<double>& xy, double width) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int pass = 0; pass < 2; ++pass) {
    cairo_move_to(cr, xy[0], xy[1]);
    cairo_curve_to(cr, xy[2], xy[3], xy[4], xy[5], xy[6], xy[7]);
    SetColor(cr, pass == 0 ? Hex(0xB8A27A) : Hex(0xE2D3A8));
    cairo_set_line_width(cr, pass == 0 ? width + 3 : width);
    cairo_stroke(cr);
  }
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

void ParkBench(cairo_t* cr, double x, double base, double s) {
  cairo_save(cr);
  cairo_translate(cr, x, base);
  cairo_scale(cr, s, s);
  cairo_rectangle(cr, 3, -16, 3, 16);
  cairo_rectangle(cr, 42, -16, 3, 16);
  cairo_rectangle(cr, 4, -30, 2.5, 14);
  cairo_rectangle(cr, 42, -30, 2.5, 14);
  SetColor(cr, Hex(0x2E3033));
  cairo_fill(cr);
  for (int k = 0; k < 2; ++k) {
    cairo_rectangle(cr, 0, -17 - k * 3, 48, 2.5);
    cairo_rectangle(cr, 1, -29 + k * 5, 46, 3.5);
  }
  SetColor(cr, pal::Wood);
  cairo_fill(cr);
  cairo_rectangle(cr, 1, -29, 46, 1.2);
  SetColor(cr, Lighter(pal::Wood, 0.3));
  cairo_fill(cr);
  cairo_restore(cr);
}

void FlowerBed(cairo_t* cr, double cx, double cy, double rx, Rng& rng, bool autumn) {
  SandPatch(cr, cx, cy, rx, rx * 0.28, Hex(0x6B4A2E));
  const Rgb flowers[] = {Hex(0xE5484D), Hex(0xF2C14E), Hex(0xFFFFFF), Hex(0xB05FC9)};
  for (int k = 0; k < 60; ++k) {
    const double a = rng.Range(0, 2 * M_PI), d = std::sqrt(rng.Uniform());
    const double x = cx + std::cos(a) * d * rx * 0.9, y = cy + std::sin(a) * d * rx * 0.24;
    FillCircle(cr, x, y - 2, 3, Darker(pal::Fairway, 0.2));
    FillCircle(cr, x, y - 3, 1.8, autumn ? Hex(0xD0612E) : flowers[rng.Next() % 4]);
  }
}

void Bandstand(cairo_t* cr, double x, double base) {
  cairo_rectangle(cr, x - 34, base - 8, 68, 8);
  SetColor(cr, Hex(0xD9D4C6));
  cairo_fill(cr);
  for (int k = 0; k < 5; ++k) {
    cairo_rectangle(cr, x - 30 + k * 14.5, base - 40, 2.5, 32);
    SetColor(cr, pal::CardWhite);
    cairo_fill(cr);
  }
  cairo_move_to(cr, x - 40, base - 40);
  cairo_line_to(cr, x, base - 64);
  cairo_line_to(cr, x + 40, base - 40);
  cairo_close_path(cr);
  SetColor(cr, Hex(0x3F7A5A));
  cairo_fill(cr);
  cairo_rectangle(cr, x - 40, base - 42, 80, 3);
  SetColor(cr, pal::CardWhite);
  cairo_fill(cr);
}

void Blocks(cairo_t* cr, double base, Rng& rng, const Mood& m) {
  double x = -10;
  while (x < 810) {
    const double w = rng.Range(60, 110), h = rng.Range(30, 60);
    cairo_rectangle(cr, x, base - h, w, h);
    SetColor(cr, Mix(Mix(Hex(0xC9B79C), Hex(0xA8765A), rng.Uniform()), m.sky_low, 0.4));
    cairo_fill(cr);
    for (double wy = base - h + 6; wy < base - 6; wy += 8)
      for (double wx = x + 5; wx < x + w - 5; wx += 9) {
        cairo_rectangle(cr, wx, wy, 4, 4);
        SetColor(cr, WithAlpha(Mix(Hex(0x6E8BA6), m.sky_low, 0.3), 0.7));
        cairo_fill(cr);
      }
    x += w + rng.Range(30, 90);
  }
}

// --- forest ---
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
  for (double t = 0; t <= len; t += 12) cairo_curve_to(cr, x + t + 3, y - r * 1.25, x + t + 9, y - r * 1.25, x + t + 12, y - r * 0.7);
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

// A distant green on the horizon with its flagstick.
void FarGreen(cairo_t* cr, double x, double base, const Mood& m) {
  SandPatch(cr, x, base - 2, 46, 6, Lighter(m.grass, 0.18));
  SandPatch(cr, x + 50, base, 14, 3.5, pal::Sand);
  cairo_rectangle(cr, x - 0.8, base - 34, 1.6, 32);
  SetColor(cr, pal::CardWhite);
  cairo_fill(cr);
  cairo_move_to(cr, x + 0.8, base - 34);
  cairo_line_to(cr, x + 14, base - 30);
  cairo_line_to(cr, x + 0.8, base - 26);
  SetColor(cr, Hex(0xF2C928));
  cairo_fill(cr);
}

void Scene(Canvas& c, const std::string& type, int v) {
  cairo_t* cr = c.cr();
  const Mood m = MoodFor(v);
  std::uint32_t seed = 2166136261u;  // FNV-1a of the type word: the same on every machine
  for (char ch : type) seed = (seed ^ static_cast<unsigned char>(ch)) * 16777619u;
  Rng rng(seed + static_cast<std::uint32_t>(v) * 7777u);
  double horizon = 190;
  if (type == "mountain") horizon = 230;
  Sky(cr, m, rng, horizon);
  cairo_save(cr);
  if (m.mirror) {
    cairo_translate(cr, 800, 0);
    cairo_scale(cr, -1, 1);
  }
  const Rgb far = Mix(pal::DeepGreen, m.sky_low, 0.45);
  if (type == "beach") {
    // open sea with an island and sails, surf on a wide beach with huts and umbrellas, low dunes
    Sea(cr, horizon - 56, horizon - 10);
    // a far headland
    cairo_move_to(cr, 520, horizon - 55);
    cairo_curve_to(cr, 580, horizon - 58, 610, horizon - 70, 680, horizon - 72);
    cairo_curve_to(cr, 740, horizon - 74, 770, horizon - 66, 810, horizon - 64);
    cairo_line_to(cr, 810, horizon - 55);
    cairo_close_path(cr);
    SetColor(cr, Mix(pal::DeepGreen, m.sky_low, 0.6));
    cairo_fill(cr);
    Sailboat(cr, 170, horizon - 34, 0.9);
    Sailboat(cr, 440, horizon - 44, 0.5);
    const Rgb sand = Mix(pal::Sand, m.sky_low, 0.08);
    cairo_rectangle(cr, 0, horizon - 12, 800, 30);
    SetColor(cr, sand);
    cairo_fill(cr);
    cairo_rectangle(cr, 0, horizon - 12, 800, 4);
    SetColor(cr, Darker(sand, 0.15));
    cairo_fill(cr);
    // surf: a frothy line where the waves run up the sand
    cairo_move_to(cr, 0, horizon - 12);
    for (double x = 0; x <= 800; x += 20)
      cairo_curve_to(cr, x + 5, horizon - 9, x + 15, horizon - 9, x + 20, horizon - 12);
    SetColor(cr, Hex(0xFFFFFF, 0.9));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    BeachHut(cr, 500, horizon + 2, pal::Red);
    BeachHut(cr, 536, horizon + 2, pal::Water);
    Umbrella(cr, 250, horizon + 5, 1.1, pal::Red);
    Umbrella(cr, 330, horizon + 3, 0.95, Hex(0xF2C928));
    Umbrella(cr, 660, horizon + 5, 1.1, pal::Water);
    Hills(cr, horizon + 9, 6, Lighter(sand, 0.05), rng);
  } else if (type == "city") {
    CitySkyline(cr, horizon + 8, rng, m);
    for (int i = 0; i < 20; ++i)
      Hedge(cr, i * 42 - 4, horizon + 14, 40, 10, Mix(pal::DeepGreen, m.grass, 0.3));
  } else if (type == "country") {
    // rolling hills with a line of trees, the clubhouse, a white rail fence and a far green
    Hills(cr, horizon - 10, 30, far, rng);
    for (int i = 0; i < 9; ++i)
      Oak(cr, 20 + i * 52 + rng.Range(-10, 10), horizon + 2, rng.Range(12, 18), Mix(Foliage(m, rng), m.sky_low, 0.3), rng);
    Clubhouse(cr, 540, horizon + 12);
    cairo_set_line_width(cr, 1.3);
    SetColor(cr, WithAlpha(pal::CardWhite, 0.9));
    for (double x = 0; x <= 500; x += 16) {
      cairo_move_to(cr, x, horizon + 13);
      cairo_line_to(cr, x, horizon + 4);
    }
    cairo_move_to(cr, 0, horizon + 6);
    cairo_line_to(cr, 500, horizon + 6);
    cairo_move_to(cr, 0, horizon + 10);
    cairo_line_to(cr, 500, horizon + 10);
    cairo_stroke(cr);
    FarGreen(cr, 200, horizon + 6, m);
  } else if (type == "desert") {
    // far mesas and a spire, nearer red mesas, and the desert floor with its scrub before the course
    const Rgb rock = Mix(Hex(0xC0623A), m.sky_low, 0.12);
    const Rgb floor = Mix(pal::Sand, Hex(0xD9A066), 0.45);
    Mesa(cr, -30, horizon - 2, 230, 95, Mix(rock, m.sky_low, 0.4));
    Spire(cr, 380, horizon - 2, 26, 105, Mix(rock, m.sky_low, 0.45));
    Mesa(cr, 470, horizon - 2, 160, 120, Mix(rock, m.sky_low, 0.35));
    cairo_rectangle(cr, 0, horizon - 4, 800, 30);
    SetColor(cr, Mix(floor, m.sky_low, 0.25));
    cairo_fill(cr);
    Mesa(cr, 150, horizon + 6, 150, 62, rock);
    Mesa(cr, 650, horizon + 6, 190, 72, rock);
    Hills(cr, horizon + 6, 5, floor, rng);
    for (int i = 0; i < 26; ++i) Scrub(cr, rng.Range(0, 800), horizon + rng.Range(0, 9), rng.Range(2, 4), rng);
  } else if (type == "forest") {
    // a hazy far ridge of pines behind the near treeline
    Hills(cr, horizon - 5, 22, far, rng);
    for (int i = 0; i < 40; ++i)
      Pine(cr, i * 21 + rng.Range(-6, 6), horizon - 14, rng.Range(40, 60), Mix(Foliage(m, rng), m.sky_low, 0.45));
    for (int i = 0; i < 26; ++i) Pine(cr, i * 32 + rng.Range(-8, 8), horizon + 12, rng.Range(60, 100), Foliage(m, rng));
  } else if (type == "japan") {
    Hills(cr, horizon - 6, 28, far, rng);
    Pagoda(cr, 610, horizon + 10);
    Torii(cr, 230, horizon + 12, 64);
    for (int i = 0; i < 5; ++i) Cherry(cr, 330 + i * 50 + rng.Range(-10, 10), horizon + 12, rng.Range(14, 20), rng, m.autumn);
  } else if (type == "jungle") {
    // green hills, a waterfall off a cliff, and the dense canopy with a few palms above it
    Hills(cr, horizon - 20, 50, Mix(Hex(0x1F5E2E), m.sky_low, 0.45), rng);
    Waterfall(cr, 200, horizon + 2, 80, 120, rng, m);
    Canopy(cr, horizon + 14, rng, m);
    for (int i = 0; i < 4; ++i) Palm(cr, 360 + i * 120 + rng.Range(-20, 20), horizon + 6, rng.Range(90, 120), Foliage(m, rng));
  } else if (type == "mountain") {
    Peaks(cr, horizon + 5, rng, m);
    Hills(cr, horizon + 6, 14, far, rng);
    // a dark band of pines at the mountains' foot
    for (int i = 0; i < 40; ++i)
      Pine(cr, i * 21 + rng.Range(-6, 6), horizon + 12, rng.Range(26, 44), Darker(Foliage(m, rng), 0.25));
  } else if (type == "municipal") {
    Blocks(cr, horizon + 6, rng, m);
    Hills(cr, horizon + 2, 8, far, rng);
    // a row of oaks with a gap for the bandstand
    for (int i = 0; i < 6; ++i) {
      const double x = 40 + i * 145 + rng.Range(-20, 20), r = rng.Range(26, 36);
      if (i != 2) Oak(cr, x, horizon + 10, r, Foliage(m, rng), rng);
    }
    Bandstand(cr, 330, horizon + 14);
    Railing(cr, 0, 800, horizon + 14, 9);
  } else if (type == "scotland") {
    Sea(cr, horizon - 30, horizon + 4);
    Lighthouse(cr, 680, horizon - 22, 58);
    Hills(cr, horizon + 6, 22, Mix(Hex(0x9AA05A), m.grass, 0.5), rng);
    StoneHouse(cr, 90, horizon + 6, 110);
  }
  cairo_restore(cr);

  Fairway(cr, m, horizon + 10);

  cairo_save(cr);
  if (m.mirror) {
    cairo_translate(cr, 800, 0);
    cairo_scale(cr, -1, 1);
  }
  // edge detail: what stands beside the fairway, kept to the sides and bottom corners
  if (type == "beach") {
    DuneBank(cr, 330, rng, m);
    for (int i = 0; i < 3; ++i) Palm(cr, 30 + i * 40, 600 - i * 50, 160 - i * 20, Foliage(m, rng));
    Hills(cr, 575, 10, WithAlpha(pal::Sand, 0.95), rng);
  } else if (type == "city") {
    Railing(cr, 560, 800, 590, 22);
    for (int i = 0; i < 3; ++i) LampPost(cr, 610 + i * 80, 590 - i * 6, 80, m.autumn);
    Hedge(cr, -10, 600, 160, 34, Mix(pal::DeepGreen, m.grass, 0.2));
    LampPost(cr, 40, 566, 110, m.autumn);
    for (int i = 0; i < 2; ++i) Oak(cr, 760 - i * 40, 470 - i * 60, 40, Foliage(m, rng), rng);
  } else if (type == "country") {
    Oak(cr, 70, 560, 70, Foliage(m, rng), rng);
    Oak(cr, 750, 430, 55, Foliage(m, rng), rng);
  } else if (type == "desert") {
    const Rgb dune = Mix(pal::Sand, Hex(0xD9A066), 0.35);
    // the course ends in desert: a scalloped edge of sand along the far end and down both sides
    const double e = horizon + 8;
    cairo_move_to(cr, 0, e);
    cairo_line_to(cr, 800, e);
    cairo_line_to(cr, 800, 420);
    cairo_curve_to(cr, 770, 380, 730, 330, 735, 280);
    cairo_curve_to(cr, 738, 250, 700, 240, 705, e + 30);
    for (double x = 705; x > 95;) {
      const double step = std::min(x - 95, rng.Range(40, 90)), dip = rng.Range(4, 12);
      cairo_curve_to(cr, x - step * 0.25, e + 16 - dip, x - step * 0.75, e + 16 - dip, x - step, e + 16);
      x -= step;
    }
    cairo_curve_to(cr, 100, e + 40, 62, 250, 70, 290);
    cairo_curve_to(cr, 76, 330, 30, 370, 0, 400);
    cairo_close_path(cr);
    SetColor(cr, dune);
    cairo_fill_preserve(cr);
    // a darker line where the grass meets the sand (not along the top, where sand meets sand)
    cairo_save(cr);
    cairo_rectangle(cr, 0, e + 2, 800, 600);
    cairo_clip(cr);
    SetColor(cr, WithAlpha(Darker(m.grass, 0.3), 0.5));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_restore(cr);
    for (int i = 0; i < 8; ++i) {
      Scrub(cr, rng.Range(5, 60), rng.Range(e + 30, 330), rng.Range(3, 6), rng);
      Scrub(cr, rng.Range(745, 795), rng.Range(e + 30, 360), rng.Range(3, 6), rng);
    }
    for (int i = 0; i < 6; ++i) FillCircle(cr, rng.Range(750, 790), rng.Range(300, 380), rng.Range(3, 7), Hex(0xA0785A));
    for (int i = 0; i < 10; ++i) Scrub(cr, rng.Range(0, 800), horizon + rng.Range(10, 18), rng.Range(3, 5), rng);
    SandPatch(cr, 40, 600, 190, 60, dune);
    SandPatch(cr, 860, 540, 170, 80, dune);
    SandPatch(cr, 690, 545, 70, 18, Lighter(pal::Sand, 0.3));
    SandPatch(cr, 690, 545, 70, 18, WithAlpha(Darker(pal::Sand, 0.3), 0.25));
    SandPatch(cr, 694, 547, 64, 15, Lighter(pal::Sand, 0.2));
    for (int i = 0; i < 8; ++i)
      FillCircle(cr, rng.Range(10, 200), rng.Range(560, 595), rng.Range(3, 8), Hex(0xA0785A));
    Saguaro(cr, 70, 592, 150);
    Saguaro(cr, 750, 500, 95);
    Cactus(cr, 150, 580, 40);
  } else if (type == "forest") {
    for (int i = 0; i < 4; ++i) Pine(cr, 20 + i * 45, 600 - (i % 2) * 20, 230 - i * 30, Foliage(m, rng));
    for (int i = 0; i < 3; ++i) Pine(cr, 780 - i * 50, 520 - i * 60, 200 - i * 30, Foliage(m, rng));
    // the forest floor at the corners: a mossy log, ferns and toadstools
    MossyLog(cr, 530, 572, 160, 15, m);
    const Rgb fern = m.autumn ? Hex(0xB0702A) : Hex(0x2E6B2A);
    Fern(cr, 215, 606, 80, fern, rng);
    Fern(cr, 720, 606, 70, fern, rng);
    Mushroom(cr, 170, 594, 1.8);
    Mushroom(cr, 192, 598, 1.3);
    Mushroom(cr, 515, 590, 1.5);
  } else if (type == "japan") {
    Cherry(cr, 80, 560, 70, rng, m.autumn);
    // a koi pond with a rim of stones and a lantern beside it
    cairo_save(cr);
    cairo_translate(cr, 690, 545);
    cairo_scale(cr, 1, 0.35);
    FillCircle(cr, 0, 0, 100, Hex(0x8A8678));
    FillCircle(cr, 0, 0, 92, WithAlpha(pal::Water, 0.95));
    FillCircle(cr, -20, -10, 70, WithAlpha(pal::WaterLight, 0.4));
    cairo_restore(cr);
    for (int i = 0; i < 16; ++i) {
      const double a = i * 2 * M_PI / 16;
      FillCircle(cr, 690 + std::cos(a) * 98, 545 + std::sin(a) * 34, rng.Range(5, 8), Mix(Hex(0x9A968A), Hex(0x6E6A60), rng.Uniform()));
    }
    SandPatch(cr, 670, 548, 7, 3, Hex(0xE8742A));
    SandPatch(cr, 712, 540, 6, 2.5, pal::CardWhite);
    StoneLantern(cr, 580, 520, 70, m.autumn);
  } else if (type == "jungle") {
    Vines(cr, rng, m);
    Palm(cr, 40, 600, 220, Foliage(m, rng));
    // banana leaves fanning in from the bottom corners
    for (int k = 0; k < 5; ++k) {
      BroadLeaf(cr, -10, 610, -0.35 - k * 0.28, rng.Range(120, 170), Darker(Foliage(m, rng), 0.05 * k));
      BroadLeaf(cr, 810, 610, M_PI + 0.35 + k * 0.28, rng.Range(120, 170), Darker(Foliage(m, rng), 0.05 * k));
    }
  } else if (type == "mountain") {
    for (int i = 0; i < 3; ++i) Pine(cr, 30 + i * 40, 600, 200 - i * 30, Foliage(m, rng));
    // boulders at the right edge, lit from the top left
    for (int i = 0; i < 4; ++i) {
      const double bx = 700 + i * 30, by = 590 - (i % 2) * 10, r = rng.Range(20, 30);
      // a faceted rock sitting on the grass: flat base, angular top
      const double xs[] = {-1.0, -0.9, -0.45, 0.2, 0.8, 1.0};
      const double ys[] = {0.0, -0.55, -0.95, -1.0, -0.6, 0.0};
      cairo_move_to(cr, bx + xs[0] * r, by);
      for (int k = 1; k < 6; ++k) cairo_line_to(cr, bx + xs[k] * r, by + ys[k] * r * rng.Range(0.8, 1.0));
      cairo_close_path(cr);
      SetColor(cr, Hex(0x80858C));
      cairo_fill_preserve(cr);
      SetColor(cr, Hex(0x4A4E55));
      cairo_set_line_width(cr, 1.2);
      cairo_stroke(cr);
      cairo_move_to(cr, bx - 0.9 * r, by - 0.5 * r);
      cairo_line_to(cr, bx - 0.45 * r, by - 0.9 * r);
      cairo_line_to(cr, bx + 0.15 * r, by - 0.92 * r);
      cairo_line_to(cr, bx - 0.1 * r, by - 0.35 * r);
      cairo_close_path(cr);
      SetColor(cr, Hex(0xA4A9B0));
      cairo_fill(cr);
    }
  } else if (type == "municipal") {
    ParkPath(cr, {-10, 430, 90, 470, 60, 560, 150, 620}, 18);
    ParkPath(cr, {810, 390, 720, 450, 760, 540, 690, 620}, 16);
    ParkBench(cr, 8, 520, 1.2);
    ParkBench(cr, 700, 590, 1.4);
    LampPost(cr, 110, 470, 90, m.autumn);
    FlowerBed(cr, 700, 430, 60, rng, m.autumn);
    Oak(cr, 780, 380, 50, Foliage(m, rng), rng);
    Oak(cr, 30, 420, 45, Foliage(m, rng), rng);
  } else if (type == "scotland") {
    StoneWall(cr, horizon + 6, rng);
    Hills(cr, 560, 26, Mix(Hex(0x9AA05A), m.grass, 0.45), rng);
    Gorse(cr, 60, 470, 40, rng, m.autumn);
    Gorse(cr, 760, 430, 34, rng, m.autumn);
    Gorse(cr, 130, 560, 30, rng, m.autumn);
    for (int i = 0; i < 12; ++i)
      MarramGrass(cr, rng.Range(0, 800), rng.Range(575, 600), rng.Range(20, 34), rng, Hex(0x8A9A50));
    // a pot bunker at the right edge
    SandPatch(cr, 720, 540, 40, 14, Darker(pal::Fairway, 0.35));
    SandPatch(cr, 720, 542, 36, 11, pal::Sand);
    for (int i = 0; i < 30; ++i)
      FillCircle(cr, rng.Range(0, 140), rng.Range(500, 590), rng.Range(3, 6), WithAlpha(Hex(0x9C6AB3), 0.7));
  }
  cairo_restore(cr);

  Rough(cr, m, rng, horizon + 10);
  // light of the hour over everything
  cairo_rectangle(cr, 0, 0, 800, 600);
  SetColor(cr, m.tint);
  cairo_fill(cr);
  // a soft vignette keeps the eye on the middle
  cairo_pattern_t* p = cairo_pattern_create_radial(400, 330, 250, 400, 330, 560);
  cairo_pattern_add_color_stop_rgba(p, 0, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(p, 1, 0, 0, 0, 0.22);
  cairo_rectangle(cr, 0, 0, 800, 600);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

}  // namespace

void CourseScene(Canvas& c, const std::string& type, int variant) { Scene(c, type, variant); }

void AddBackgrounds(Registry& r) {
  for (const char* t : {"beach", "city", "country", "desert", "forest", "japan", "jungle", "mountain",
                        "municipal", "scotland"}) {
    for (int v = 1; v <= 4; ++v) {
      const std::string type = t;
      r["graphics/backgrounds/" + type + std::to_string(v) + ".jpg"] = [type, v](Canvas& c, const PictureFile&) {
        Scene(c, type, v);
      };
    }
  }
}

}  // namespace art

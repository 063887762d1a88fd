// Course backgrounds, 800 x 600: one scene per course type, in four variants (suffixes 1 to 4):
// 1 summer morning, 2 bright midday with the scene mirrored, 3 golden late afternoon, 4 autumn dusk.
// The middle of the picture, where the cards lie, is calm mown grass; the detail is on the horizon
// and at the edges.

#include <cmath>
#include <string>

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

void Skyline(cairo_t* cr, double base, Rng& rng, const Mood& m) {
  double x = 0;
  while (x < 800) {
    const double w = rng.Range(30, 70), h = rng.Range(60, 170);
    const Rgb c = Mix(Hex(0x7C8AA0), m.sky_top, rng.Range(0.1, 0.45));
    cairo_rectangle(cr, x, base - h, w, h);
    SetColor(cr, c);
    cairo_fill(cr);
    for (double wy = base - h + 8; wy < base - 6; wy += 10)
      for (double wx = x + 5; wx < x + w - 6; wx += 9) {
        cairo_rectangle(cr, wx, wy, 4, 5);
        SetColor(cr, m.autumn ? Rgb{1, 0.85, 0.5, 0.7} : Rgb{0.85, 0.92, 1, 0.45});
        cairo_fill(cr);
      }
    x += w + rng.Range(2, 12);
  }
}

void Clubhouse(cairo_t* cr, double x, double base) {
  cairo_rectangle(cr, x, base - 60, 150, 60);
  SetColor(cr, pal::CardWhite);
  cairo_fill(cr);
  cairo_move_to(cr, x - 12, base - 58);
  cairo_line_to(cr, x + 75, base - 100);
  cairo_line_to(cr, x + 162, base - 58);
  cairo_close_path(cr);
  SetColor(cr, Hex(0x8E3B2E));
  cairo_fill(cr);
  for (int i = 0; i < 5; ++i) {
    cairo_rectangle(cr, x + 12 + i * 27, base - 45, 14, 18);
    SetColor(cr, Hex(0x5A7FA0));
    cairo_fill(cr);
  }
  cairo_rectangle(cr, x + 66, base - 30, 18, 30);
  SetColor(cr, pal::DarkWood);
  cairo_fill(cr);
  cairo_rectangle(cr, x + 110, base - 118, 3, 30);
  SetColor(cr, Hex(0xDDDDDD));
  cairo_fill(cr);
  cairo_move_to(cr, x + 113, base - 118);
  cairo_line_to(cr, x + 130, base - 112);
  cairo_line_to(cr, x + 113, base - 106);
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

void Bench(cairo_t* cr, double x, double base) {
  cairo_rectangle(cr, x, base - 16, 46, 4);
  cairo_rectangle(cr, x, base - 26, 46, 4);
  SetColor(cr, pal::Wood);
  cairo_fill(cr);
  cairo_rectangle(cr, x + 3, base - 16, 3, 16);
  cairo_rectangle(cr, x + 40, base - 16, 3, 16);
  SetColor(cr, Hex(0x333333));
  cairo_fill(cr);
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

void Peaks(cairo_t* cr, double base, Rng& rng, const Mood& m) {
  double x = -60;
  while (x < 820) {
    const double w = rng.Range(160, 260), h = rng.Range(120, 220);
    const Rgb rock = Mix(Hex(0x6E7A8E), m.sky_top, 0.3);
    cairo_move_to(cr, x, base);
    cairo_line_to(cr, x + w / 2, base - h);
    cairo_line_to(cr, x + w, base);
    cairo_close_path(cr);
    SetColor(cr, rock);
    cairo_fill(cr);
    cairo_move_to(cr, x + w / 2, base - h);
    cairo_line_to(cr, x + w / 2 + w * 0.14, base - h * 0.72);
    cairo_line_to(cr, x + w / 2 + w * 0.04, base - h * 0.76);
    cairo_line_to(cr, x + w / 2 - w * 0.03, base - h * 0.68);
    cairo_line_to(cr, x + w / 2 - w * 0.14, base - h * 0.72);
    cairo_close_path(cr);
    SetColor(cr, {1, 1, 1, 0.95});
    cairo_fill(cr);
    x += w * rng.Range(0.5, 0.8);
  }
}

void Mesas(cairo_t* cr, double base, Rng& rng, const Mood& m) {
  double x = -40;
  while (x < 820) {
    const double w = rng.Range(90, 200), h = rng.Range(50, 110);
    const Rgb c = Mix(Hex(0xC06A3A), m.sky_low, 0.25);
    cairo_move_to(cr, x, base);
    cairo_line_to(cr, x + 18, base - h);
    cairo_line_to(cr, x + w - 18, base - h);
    cairo_line_to(cr, x + w, base);
    cairo_close_path(cr);
    SetColor(cr, c);
    cairo_fill(cr);
    cairo_rectangle(cr, x + 18, base - h, w - 36, 6);
    SetColor(cr, Lighter(c, 0.2));
    cairo_fill(cr);
    x += w + rng.Range(40, 160);
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
    Sea(cr, horizon - 40, horizon + 10);
    Hills(cr, horizon + 12, 16, pal::Sand, rng);
  } else if (type == "city") {
    Skyline(cr, horizon + 5, rng, m);
    Hills(cr, horizon + 8, 8, far, rng);
  } else if (type == "country") {
    Hills(cr, horizon - 10, 30, far, rng);
    Clubhouse(cr, 520, horizon + 12);
  } else if (type == "desert") {
    Mesas(cr, horizon + 10, rng, m);
    Hills(cr, horizon + 10, 12, Mix(pal::Sand, m.grass, 0.3), rng);
  } else if (type == "forest") {
    Hills(cr, horizon - 5, 22, far, rng);
    for (int i = 0; i < 26; ++i) Pine(cr, i * 32 + rng.Range(-8, 8), horizon + 12, rng.Range(60, 100), Foliage(m, rng));
  } else if (type == "japan") {
    Hills(cr, horizon - 6, 28, far, rng);
    Pagoda(cr, 610, horizon + 10);
  } else if (type == "jungle") {
    Hills(cr, horizon, 40, Mix(Hex(0x1F5E2E), m.sky_low, 0.3), rng);
    for (int i = 0; i < 10; ++i) Palm(cr, i * 85 + rng.Range(-20, 20), horizon + 14, rng.Range(70, 110), Foliage(m, rng));
  } else if (type == "mountain") {
    Peaks(cr, horizon + 5, rng, m);
    Hills(cr, horizon + 6, 14, far, rng);
  } else if (type == "municipal") {
    Hills(cr, horizon - 4, 12, far, rng);
    for (int i = 0; i < 7; ++i) Oak(cr, 40 + i * 120 + rng.Range(-20, 20), horizon + 8, rng.Range(28, 40), Foliage(m, rng), rng);
  } else if (type == "scotland") {
    Sea(cr, horizon - 30, horizon + 4);
    Hills(cr, horizon + 6, 22, Mix(Hex(0x7E8C4A), m.grass, 0.5), rng);
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
    for (int i = 0; i < 3; ++i) Palm(cr, 30 + i * 40, 600 - i * 50, 160 - i * 20, Foliage(m, rng));
    Hills(cr, 575, 10, WithAlpha(pal::Sand, 0.95), rng);
  } else if (type == "city") {
    for (int i = 0; i < 3; ++i) Oak(cr, 740 - i * 45, 560 - i * 70, 40, Foliage(m, rng), rng);
  } else if (type == "country") {
    Oak(cr, 70, 560, 70, Foliage(m, rng), rng);
    Oak(cr, 750, 430, 55, Foliage(m, rng), rng);
  } else if (type == "desert") {
    Cactus(cr, 60, 590, 120);
    Cactus(cr, 740, 470, 80);
    cairo_save(cr);
    cairo_translate(cr, 690, 580);
    cairo_scale(cr, 1, 0.25);
    FillCircle(cr, 0, 0, 90, pal::Sand);
    cairo_restore(cr);
  } else if (type == "forest") {
    for (int i = 0; i < 4; ++i) Pine(cr, 20 + i * 45, 600 - (i % 2) * 20, 230 - i * 30, Foliage(m, rng));
    for (int i = 0; i < 3; ++i) Pine(cr, 780 - i * 50, 520 - i * 60, 200 - i * 30, Foliage(m, rng));
  } else if (type == "japan") {
    Cherry(cr, 80, 560, 70, rng, m.autumn);
    cairo_save(cr);
    cairo_translate(cr, 700, 540);
    cairo_scale(cr, 1, 0.35);
    FillCircle(cr, 0, 0, 110, WithAlpha(pal::Water, 0.9));
    FillCircle(cr, -20, -10, 80, WithAlpha(pal::WaterLight, 0.4));
    cairo_restore(cr);
  } else if (type == "jungle") {
    Vines(cr, rng, m);
    Palm(cr, 40, 600, 220, Foliage(m, rng));
    Palm(cr, 760, 560, 180, Foliage(m, rng));
  } else if (type == "mountain") {
    for (int i = 0; i < 3; ++i) Pine(cr, 30 + i * 40, 600, 200 - i * 30, Foliage(m, rng));
    for (int i = 0; i < 5; ++i) FillCircle(cr, 700 + i * 24, 590, rng.Range(16, 28), Hex(0x8A8F96));
  } else if (type == "municipal") {
    Bench(cr, 40, 520);
    Bench(cr, 710, 560);
    Oak(cr, 760, 400, 50, Foliage(m, rng), rng);
  } else if (type == "scotland") {
    StoneWall(cr, 560, rng);
    for (int i = 0; i < 40; ++i)
      FillCircle(cr, rng.Range(0, 120), rng.Range(470, 560), rng.Range(4, 9), WithAlpha(Hex(0x9C6AB3), 0.7));
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

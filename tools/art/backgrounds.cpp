// Course backgrounds, 800 x 600: one scene per course type, in four variants (suffixes 1 to 4):
// 1 summer morning, 2 bright midday with the scene mirrored, 3 golden late afternoon, 4 autumn
// dusk. The middle of the picture, where the cards lie, is calm mown grass; the detail is on the
// horizon and at the edges.

#include <cmath>
#include <string>
#include <vector>

#include "tools/art/registry.h"
#include "tools/art/scenery.h"

namespace art {

namespace {

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

void Clouds(cairo_t* cr, Rng& rng, double y_max, double alpha) {
  for (int i = 0; i < 5; ++i) {
    const double x = rng.Range(0, 800), y = rng.Range(25, y_max), s = rng.Range(0.7, 1.5);
    for (int k = 0; k < 5; ++k)
      Circle(cr, x + (k - 2) * 18 * s + rng.Range(-4, 4), y + rng.Range(-6, 4) * s,
             rng.Range(12, 20) * s);
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
  VerticalGradient(cr, 0, horizon, 800, 600 - horizon, Lighter(m.grass, 0.12),
                   Darker(m.grass, 0.12));
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
      Oak(cr, 20 + i * 52 + rng.Range(-10, 10), horizon + 2, rng.Range(12, 18),
          Mix(Foliage(m, rng), m.sky_low, 0.3), rng);
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
    // far mesas and a spire, nearer red mesas, and the desert floor with its scrub before the
    // course
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
    for (int i = 0; i < 26; ++i)
      Scrub(cr, rng.Range(0, 800), horizon + rng.Range(0, 9), rng.Range(2, 4), rng);
  } else if (type == "forest") {
    // a hazy far ridge of pines behind the near treeline
    Hills(cr, horizon - 5, 22, far, rng);
    for (int i = 0; i < 40; ++i)
      Pine(cr, i * 21 + rng.Range(-6, 6), horizon - 14, rng.Range(40, 60),
           Mix(Foliage(m, rng), m.sky_low, 0.45));
    for (int i = 0; i < 26; ++i)
      Pine(cr, i * 32 + rng.Range(-8, 8), horizon + 12, rng.Range(60, 100), Foliage(m, rng));
  } else if (type == "japan") {
    Hills(cr, horizon - 6, 28, far, rng);
    Pagoda(cr, 610, horizon + 10);
    Torii(cr, 230, horizon + 12, 64);
    for (int i = 0; i < 5; ++i)
      Cherry(cr, 330 + i * 50 + rng.Range(-10, 10), horizon + 12, rng.Range(14, 20), rng, m.autumn);
  } else if (type == "jungle") {
    // green hills, a waterfall off a cliff, and the dense canopy with a few palms above it
    Hills(cr, horizon - 20, 50, Mix(Hex(0x1F5E2E), m.sky_low, 0.45), rng);
    Waterfall(cr, 200, horizon + 2, 80, 120, rng, m);
    Canopy(cr, horizon + 14, rng, m);
    for (int i = 0; i < 4; ++i)
      Palm(cr, 360 + i * 120 + rng.Range(-20, 20), horizon + 6, rng.Range(90, 120),
           Foliage(m, rng));
  } else if (type == "mountain") {
    Peaks(cr, horizon + 5, rng, m);
    Hills(cr, horizon + 6, 14, far, rng);
    // a dark band of pines at the mountains' foot
    for (int i = 0; i < 40; ++i)
      Pine(cr, i * 21 + rng.Range(-6, 6), horizon + 12, rng.Range(26, 44),
           Darker(Foliage(m, rng), 0.25));
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
      cairo_curve_to(cr, x - step * 0.25, e + 16 - dip, x - step * 0.75, e + 16 - dip, x - step,
                     e + 16);
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
    for (int i = 0; i < 6; ++i)
      FillCircle(cr, rng.Range(750, 790), rng.Range(300, 380), rng.Range(3, 7), Hex(0xA0785A));
    for (int i = 0; i < 10; ++i)
      Scrub(cr, rng.Range(0, 800), horizon + rng.Range(10, 18), rng.Range(3, 5), rng);
    FillEllipse(cr, 40, 600, 190, 60, dune);
    FillEllipse(cr, 860, 540, 170, 80, dune);
    FillEllipse(cr, 690, 545, 70, 18, Lighter(pal::Sand, 0.3));
    FillEllipse(cr, 690, 545, 70, 18, WithAlpha(Darker(pal::Sand, 0.3), 0.25));
    FillEllipse(cr, 694, 547, 64, 15, Lighter(pal::Sand, 0.2));
    for (int i = 0; i < 8; ++i)
      FillCircle(cr, rng.Range(10, 200), rng.Range(560, 595), rng.Range(3, 8), Hex(0xA0785A));
    Saguaro(cr, 70, 592, 150);
    Saguaro(cr, 750, 500, 95);
    Cactus(cr, 150, 580, 40);
  } else if (type == "forest") {
    for (int i = 0; i < 4; ++i)
      Pine(cr, 20 + i * 45, 600 - (i % 2) * 20, 230 - i * 30, Foliage(m, rng));
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
      FillCircle(cr, 690 + std::cos(a) * 98, 545 + std::sin(a) * 34, rng.Range(5, 8),
                 Mix(Hex(0x9A968A), Hex(0x6E6A60), rng.Uniform()));
    }
    FillEllipse(cr, 670, 548, 7, 3, Hex(0xE8742A));
    FillEllipse(cr, 712, 540, 6, 2.5, pal::CardWhite);
    StoneLantern(cr, 580, 520, 70, m.autumn);
  } else if (type == "jungle") {
    Vines(cr, rng, m);
    Palm(cr, 40, 600, 220, Foliage(m, rng));
    // banana leaves fanning in from the bottom corners
    for (int k = 0; k < 5; ++k) {
      BroadLeaf(cr, -10, 610, -0.35 - k * 0.28, rng.Range(120, 170),
                Darker(Foliage(m, rng), 0.05 * k));
      BroadLeaf(cr, 810, 610, M_PI + 0.35 + k * 0.28, rng.Range(120, 170),
                Darker(Foliage(m, rng), 0.05 * k));
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
      for (int k = 1; k < 6; ++k)
        cairo_line_to(cr, bx + xs[k] * r, by + ys[k] * r * rng.Range(0.8, 1.0));
      cairo_close_path(cr);
      FillAndStroke(cr, Hex(0x80858C), Hex(0x4A4E55), 1.2);
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
      MarramGrass(cr, rng.Range(0, 800), rng.Range(575, 600), rng.Range(20, 34), rng,
                  Hex(0x8A9A50));
    // a pot bunker at the right edge
    FillEllipse(cr, 720, 540, 40, 14, Darker(pal::Fairway, 0.35));
    FillEllipse(cr, 720, 542, 36, 11, pal::Sand);
    for (int i = 0; i < 30; ++i)
      FillCircle(cr, rng.Range(0, 140), rng.Range(500, 590), rng.Range(3, 6),
                 WithAlpha(Hex(0x9C6AB3), 0.7));
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
  for (const char* t : {"beach", "city", "country", "desert", "forest", "japan", "jungle",
                        "mountain", "municipal", "scotland"}) {
    for (int v = 1; v <= 4; ++v) {
      const std::string type = t;
      r["graphics/backgrounds/" + type + std::to_string(v) + ".jpg"] =
          [type, v](Canvas& c, const PictureFile&) { Scene(c, type, v); };
    }
  }
}

}  // namespace art

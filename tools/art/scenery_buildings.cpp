// Scenery for the course backgrounds built by people: the clubhouse, pagoda and torii, the links'
// lighthouse and stone house, boats and beach huts, the city's towers, lamps and railings, the
// park's paths, benches, flower beds and bandstand.

#include "tools/art/scenery.h"

#include <cmath>
#include <vector>

namespace art {

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
    cairo_rectangle(cr, x + sx * w * 0.32 - (sx > 0 ? h * 0.1 : 0) - 1, base - h * 0.08,
                    h * 0.11 + 2, h * 0.08);
    SetColor(cr, dark);
    cairo_fill(cr);
  }
  cairo_rectangle(cr, x - w * 0.4, base - h * 0.7, w * 0.8, h * 0.07);
  SetColor(cr, red);
  cairo_fill(cr);
  // the upturned top beam: red under a black cap
  cairo_move_to(cr, x - w * 0.55, base - h * 0.92);
  cairo_curve_to(cr, x - w * 0.3, base - h * 0.86, x + w * 0.3, base - h * 0.86, x + w * 0.55,
                 base - h * 0.92);
  cairo_line_to(cr, x + w * 0.52, base - h * 0.82);
  cairo_curve_to(cr, x + w * 0.3, base - h * 0.78, x - w * 0.3, base - h * 0.78, x - w * 0.52,
                 base - h * 0.82);
  cairo_close_path(cr);
  SetColor(cr, red);
  cairo_fill(cr);
  cairo_move_to(cr, x - w * 0.58, base - h * 1.0);
  cairo_curve_to(cr, x - w * 0.3, base - h * 0.92, x + w * 0.3, base - h * 0.92, x + w * 0.58,
                 base - h * 1.0);
  cairo_line_to(cr, x + w * 0.55, base - h * 0.92);
  cairo_curve_to(cr, x + w * 0.3, base - h * 0.86, x - w * 0.3, base - h * 0.86, x - w * 0.55,
                 base - h * 0.92);
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

namespace {

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

}  // namespace

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
  const Rgb cols[] = {Hex(0xB86B4B), Hex(0xD8CDB4), Hex(0x5E7894),
                      Hex(0x9AA6B4), Hex(0xC9A27A), Hex(0x6B6F7A)};
  x = -5;
  int i = 0;
  while (x < 805) {
    const double w = rng.Range(34, 70), h = rng.Range(50, 140) + (i % 4 == 1 ? 50 : 0);
    Tower(cr, x, base, w, h, Mix(cols[rng.Next() % 6], m.sky_low, 0.15),
          static_cast<int>(rng.Next() % 4), m.autumn, rng);
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
  FillRoundedRect(cr, x + 3, y - h + 2, w * 0.6, h * 0.3, h * 0.15,
                  WithAlpha(Lighter(c, 0.25), 0.6));
}

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
  FillEllipse(cr, cx, cy, rx, rx * 0.28, Hex(0x6B4A2E));
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

// A distant green on the horizon with its flagstick.
void FarGreen(cairo_t* cr, double x, double base, const Mood& m) {
  FillEllipse(cr, x, base - 2, 46, 6, Lighter(m.grass, 0.18));
  FillEllipse(cr, x + 50, base, 14, 3.5, pal::Sand);
  cairo_rectangle(cr, x - 0.8, base - 34, 1.6, 32);
  SetColor(cr, pal::CardWhite);
  cairo_fill(cr);
  cairo_move_to(cr, x + 0.8, base - 34);
  cairo_line_to(cr, x + 14, base - 30);
  cairo_line_to(cr, x + 0.8, base - 26);
  SetColor(cr, Hex(0xF2C928));
  cairo_fill(cr);
}

}  // namespace art

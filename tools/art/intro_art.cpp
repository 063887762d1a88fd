// The intro's pictures: the 12 slides of the narrated show (a small town at dawn, the garden,
// the old clubs in the shed, a deck of cards, three courses, the clubhouse pinboard, a play field
// nearly cleared, the trophy cabinet, the clubhouse door) and the pieces that move over them.

#include <cmath>
#include <string>

#include "tools/art/registry.h"
#include "tools/art/story_art.h"

namespace art {

namespace {

void Sky(cairo_t* cr, double w, double h, const Rgb& top, const Rgb& low) { VerticalGradient(cr, 0, 0, w, h, top, low); }

void Cloud(cairo_t* cr, double cx, double cy, double s, const Rgb& c) {
  FillCircle(cr, cx - 22 * s, cy + 4 * s, 16 * s, c);
  FillCircle(cr, cx, cy - 6 * s, 22 * s, c);
  FillCircle(cr, cx + 24 * s, cy + 4 * s, 16 * s, c);
  FillEllipse(cr, cx, cy + 10 * s, 44 * s, 10 * s, c);
}

void Hill(cairo_t* cr, double w, double y, double amp, double phase, const Rgb& c, double bottom) {
  cairo_move_to(cr, 0, bottom);
  for (double x = 0; x <= w + 10; x += 10)
    cairo_line_to(cr, x, y + amp * std::sin(x / 130.0 + phase) + amp * 0.4 * std::sin(x / 47.0 + phase * 2));
  cairo_line_to(cr, w, bottom);
  cairo_close_path(cr);
  SetColor(cr, c);
  cairo_fill(cr);
}

void Tree(cairo_t* cr, double x, double base, double r, const Rgb& leaf) {
  cairo_rectangle(cr, x - r * 0.12, base - r * 1.3, r * 0.24, r * 1.3);
  SetColor(cr, pal::DarkWood);
  cairo_fill(cr);
  FillCircle(cr, x, base - r * 1.6, r, leaf);
  FillCircle(cr, x - r * 0.55, base - r * 1.3, r * 0.7, Darker(leaf, 0.08));
  FillCircle(cr, x + r * 0.55, base - r * 1.35, r * 0.72, Darker(leaf, 0.04));
  FillCircle(cr, x - r * 0.3, base - r * 1.95, r * 0.45, Lighter(leaf, 0.15));
}

void House(cairo_t* cr, double x, double base, double w, double h, const Rgb& wall, const Rgb& roof) {
  SoftShadow(cr, x + 3, base - h + 3, w, h, 1, 0.18, 4);
  cairo_rectangle(cr, x, base - h, w, h);
  SetColor(cr, wall);
  cairo_fill(cr);
  cairo_move_to(cr, x - 6, base - h);
  cairo_line_to(cr, x + w / 2, base - h - w * 0.45);
  cairo_line_to(cr, x + w + 6, base - h);
  cairo_close_path(cr);
  SetColor(cr, roof);
  cairo_fill(cr);
  const Rgb glass = Hex(0xFFE7A8);
  for (int i = 0; i < 2; ++i) {
    cairo_rectangle(cr, x + w * (0.18 + i * 0.46), base - h * 0.75, w * 0.18, h * 0.22);
    SetColor(cr, glass);
    cairo_fill(cr);
  }
  cairo_rectangle(cr, x + w * 0.42, base - h * 0.45, w * 0.16, h * 0.45);
  SetColor(cr, Darker(roof, 0.2));
  cairo_fill(cr);
}

void Flagstick(cairo_t* cr, double x, double ground, double h) {
  cairo_rectangle(cr, x, ground - h, 2, h);
  SetColor(cr, Hex(0xF4F4F0));
  cairo_fill(cr);
  cairo_move_to(cr, x + 2, ground - h);
  cairo_line_to(cr, x + 2 + h * 0.45, ground - h + h * 0.16);
  cairo_line_to(cr, x + 2, ground - h + h * 0.32);
  SetColor(cr, pal::Red);
  cairo_fill(cr);
  FillEllipse(cr, x + 1, ground, 6, 2, Hex(0x1C1C1C, 0.6));
}

void Card(cairo_t* cr, double cx, double cy, int value, int suit, bool face_up, double angle = 0) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, angle);
  SoftShadow(cr, -32, -48, 68, 100, 5, 0.3, 3);
  if (face_up) {
    FillRoundedRect(cr, -34, -50, 68, 100, 5, pal::CardWhite);
    RoundedRect(cr, -33.5, -49.5, 67, 99, 5);
    Stroke(cr, pal::CardEdge, 1);
    static const char* ranks[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    SetFont(cr, Face::SansBold, 16);
    FillText(cr, ranks[(value - 1) % 13], -29, -33, 0, SuitColor(suit));
    FillSuit(cr, suit, -24, -22, 10, SuitColor(suit));
    FillSuit(cr, suit, 0, 4, 30, SuitColor(suit));
  } else {
    FillRoundedRect(cr, -34, -50, 68, 100, 5, pal::DeepGreen);
    RoundedRect(cr, -30, -46, 60, 92, 3);
    Stroke(cr, WithAlpha(pal::BrassLight, 0.7), 1.2);
    cairo_save(cr);
    RoundedRect(cr, -30, -46, 60, 92, 3);
    cairo_clip(cr);
    for (int i = -12; i < 12; ++i) {
      cairo_move_to(cr, i * 10 - 40, -50);
      cairo_line_to(cr, i * 10 + 60, 50);
      cairo_move_to(cr, i * 10 + 60, -50);
      cairo_line_to(cr, i * 10 - 40, 50);
    }
    Stroke(cr, WithAlpha(pal::Fairway, 0.7), 0.8);
    cairo_restore(cr);
    GolfBall(cr, 0, 0, 9);
  }
  cairo_restore(cr);
}

void WoodPlanks(cairo_t* cr, double w, double h, const Rgb& base, double plank, Rng& rng) {
  for (double x = 0; x < w; x += plank) {
    const Rgb c = Mix(base, Darker(base, 0.25), rng.Uniform() * 0.6);
    cairo_rectangle(cr, x, 0, plank, h);
    SetColor(cr, c);
    cairo_fill(cr);
    cairo_rectangle(cr, x, 0, 1.5, h);
    SetColor(cr, Darker(base, 0.45));
    cairo_fill(cr);
    for (int k = 0; k < 3; ++k) {
      const double gx = x + rng.Range(6, plank - 6);
      cairo_move_to(cr, gx, 0);
      cairo_curve_to(cr, gx + rng.Range(-5, 5), h * 0.3, gx + rng.Range(-5, 5), h * 0.6, gx, h);
      Stroke(cr, WithAlpha(Darker(base, 0.4), 0.25), 1);
    }
  }
}

// Dawn over a small town: rooftops, a church spire, the little municipal course in front.
void Town(Canvas& c, const PictureFile&) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  Sky(cr, w, 230, Hex(0x9CC8EE), Hex(0xFFD9A8));
  RadialGlow(cr, 780, 190, 170, WithAlpha(Hex(0xFFF0C0), 0.9));
  FillCircle(cr, 780, 190, 34, Hex(0xFFF4D0));
  Cloud(cr, 220, 70, 1.2, WithAlpha(Hex(0xFFFFFF), 0.8));
  Cloud(cr, 620, 52, 0.9, WithAlpha(Hex(0xFFF3E0), 0.8));
  Cloud(cr, 960, 90, 1.1, WithAlpha(Hex(0xFFFFFF), 0.7));
  Hill(cr, w, 200, 14, 0.5, Mix(pal::DeepGreen, Hex(0xB8D7EE), 0.55), h);
  Rng rng(11);
  const Rgb walls[] = {Hex(0xF3E3C3), Hex(0xE8C9A0), Hex(0xF6F0E2), Hex(0xDDB38A), Hex(0xEFD9B5)};
  const Rgb roofs[] = {Hex(0xA4442E), Hex(0x6E4A3A), Hex(0x8E3B32), Hex(0x4F5B6E), Hex(0xB5633C)};
  for (int i = 0; i < 17; ++i) {
    const double x = 20 + i * 62 + rng.Range(-8, 8);
    if (x > 470 && x < 560) continue;  // the church stands there
    House(cr, x, 262, rng.Range(44, 58), rng.Range(36, 56), walls[i % 5], roofs[(i * 3) % 5]);
  }
  // church
  cairo_rectangle(cr, 486, 170, 56, 92);
  SetColor(cr, Hex(0xEDE4D0));
  cairo_fill(cr);
  cairo_move_to(cr, 480, 170);
  cairo_line_to(cr, 514, 86);
  cairo_line_to(cr, 548, 170);
  cairo_close_path(cr);
  SetColor(cr, Hex(0x5B6A7A));
  cairo_fill(cr);
  FillCircle(cr, 514, 190, 9, Hex(0xFFF7DF));
  cairo_rectangle(cr, 506, 228, 16, 34);
  SetColor(cr, Hex(0x6E4A3A));
  cairo_fill(cr);
  for (int i = 0; i < 8; ++i) Tree(cr, 40 + i * 140 + rng.Range(-20, 20), 272, rng.Range(16, 22), Mix(pal::Fairway, pal::DeepGreen, rng.Uniform()));
  // the course in front
  Hill(cr, w, 285, 8, 1.7, pal::LightGrass, h);
  Hill(cr, w, 320, 10, 2.9, pal::Fairway, h);
  FillEllipse(cr, 640, 352, 120, 22, Lighter(pal::LightGrass, 0.15));
  Flagstick(cr, 680, 352, 46);
  FillEllipse(cr, 300, 372, 70, 12, pal::Sand);
  Golfer(cr, 560, 362, 56, 0, Hex(0xE57F3A), Hex(0x33405A), false, true);
  // morning light
  cairo_pattern_t* p = cairo_pattern_create_linear(w, 0, 0, h);
  cairo_pattern_add_color_stop_rgba(p, 0, 1, 0.85, 0.6, 0.18);
  cairo_pattern_add_color_stop_rgba(p, 1, 1, 0.85, 0.6, 0);
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

// A summer garden behind a picket fence, the shed door open on an old golf bag.
void Garden(Canvas& c, const PictureFile&) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  Sky(cr, w, 380, pal::SkyTop, pal::SkyLow);
  Cloud(cr, 180, 110, 1.3, pal::Cloud);
  Cloud(cr, 600, 170, 1.0, pal::Cloud);
  Hill(cr, w, 330, 18, 0.2, Mix(pal::DeepGreen, pal::SkyLow, 0.45), h);
  Hill(cr, w, 370, 12, 1.4, pal::LightGrass, h);
  Rng rng(22);
  for (int i = 0; i < 5; ++i) Tree(cr, 60 + i * 170 + rng.Range(-20, 20), 392, rng.Range(26, 36), Mix(pal::Fairway, pal::DeepGreen, rng.Uniform()));
  // shed
  cairo_rectangle(cr, 560, 300, 200, 170);
  SetColor(cr, pal::Wood);
  cairo_fill(cr);
  cairo_save(cr);
  cairo_rectangle(cr, 560, 300, 200, 170);
  cairo_clip(cr);
  cairo_translate(cr, 560, 300);
  WoodPlanks(cr, 200, 170, pal::Wood, 22, rng);
  cairo_restore(cr);
  cairo_move_to(cr, 548, 304);
  cairo_line_to(cr, 660, 236);
  cairo_line_to(cr, 772, 304);
  cairo_close_path(cr);
  SetColor(cr, Hex(0x4F5B6E));
  cairo_fill(cr);
  cairo_rectangle(cr, 600, 350, 70, 120);
  SetColor(cr, Hex(0x2A1C12));
  cairo_fill(cr);
  // the bag inside the door
  FillRoundedRect(cr, 618, 392, 32, 76, 8, Hex(0x8A4B24));
  cairo_rectangle(cr, 618, 420, 32, 6);
  SetColor(cr, pal::BrassLight);
  cairo_fill(cr);
  for (int i = 0; i < 3; ++i) {
    cairo_move_to(cr, 624 + i * 10, 392);
    cairo_line_to(cr, 618 + i * 12, 366);
    Stroke(cr, Hex(0xC8CCD0), 2.4);
    FillEllipse(cr, 617 + i * 12, 364, 5, 3, Hex(0x7A4A22));
  }
  // picket fence
  for (double x = 0; x < w; x += 26) {
    cairo_move_to(cr, x, 520);
    cairo_line_to(cr, x, 452);
    cairo_line_to(cr, x + 9, 440);
    cairo_line_to(cr, x + 18, 452);
    cairo_line_to(cr, x + 18, 520);
    cairo_close_path(cr);
    SetColor(cr, Hex(0xFBF7EE));
    cairo_fill(cr);
  }
  cairo_rectangle(cr, 0, 466, w, 8);
  cairo_rectangle(cr, 0, 500, w, 8);
  SetColor(cr, Hex(0xE2DCCF));
  cairo_fill(cr);
  // flower bed in front
  VerticalGradient(cr, 0, 515, w, h - 515, pal::Fairway, pal::DeepGreen);
  const Rgb petals[] = {Hex(0xE85D75), Hex(0xF6C945), Hex(0xFFFFFF), Hex(0xB36AD6), Hex(0xF28C38)};
  for (int i = 0; i < 140; ++i) {
    const double x = rng.Range(0, w), y = rng.Range(520, h - 6);
    cairo_move_to(cr, x, y + 14);
    cairo_line_to(cr, x, y);
    Stroke(cr, pal::DeepGreen, 1.5);
    const Rgb p = petals[i % 5];
    for (int k = 0; k < 5; ++k) FillCircle(cr, x + 4 * std::cos(k * 1.256), y + 4 * std::sin(k * 1.256), 3.2, p);
    FillCircle(cr, x, y, 2, Hex(0xF3D77A));
  }
}

// The old clubs: a leather bag of wooden-headed clubs against the shed's plank wall.
void Shed(Canvas& c, const PictureFile&) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  Rng rng(33);
  WoodPlanks(cr, w, h, Hex(0x9A6A3C), 40, rng);
  // window with light
  cairo_rectangle(cr, 90, 60, 170, 130);
  SetColor(cr, Hex(0xFFF1C8));
  cairo_fill(cr);
  cairo_rectangle(cr, 90, 60, 170, 130);
  Stroke(cr, pal::DarkWood, 8);
  cairo_move_to(cr, 175, 60);
  cairo_line_to(cr, 175, 190);
  cairo_move_to(cr, 90, 125);
  cairo_line_to(cr, 260, 125);
  Stroke(cr, pal::DarkWood, 6);
  cairo_move_to(cr, 90, 190);
  cairo_line_to(cr, 260, 190);
  cairo_line_to(cr, 560, h);
  cairo_line_to(cr, 150, h);
  cairo_close_path(cr);
  SetColor(cr, WithAlpha(Hex(0xFFF1C8), 0.16));
  cairo_fill(cr);
  // floor
  VerticalGradient(cr, 0, 420, w, 80, Hex(0x6B4A2A), Hex(0x4A3320));
  // the bag
  const double bx = 470;
  for (int i = 0; i < 5; ++i) {
    const double tx = bx - 40 + i * 22, ty = 120 + (i % 2) * 18;
    cairo_move_to(cr, bx - 20 + i * 10, 230);
    cairo_line_to(cr, tx, ty);
    Stroke(cr, Hex(0xB9BEC2), 5);
    cairo_save(cr);
    cairo_translate(cr, tx, ty);
    cairo_rotate(cr, -0.5 + i * 0.25);
    FillEllipse(cr, 0, 0, 20, 12, Hex(0x7A4A22));
    FillEllipse(cr, -4, -3, 10, 5, Hex(0xA87545));
    cairo_restore(cr);
  }
  cairo_move_to(cr, bx - 60, 230);
  cairo_curve_to(cr, bx - 70, 330, bx - 62, 400, bx - 50, 440);
  cairo_line_to(cr, bx + 70, 440);
  cairo_curve_to(cr, bx + 80, 400, bx + 84, 330, bx + 70, 230);
  cairo_close_path(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(bx - 70, 0, bx + 80, 0);
  cairo_pattern_add_color_stop_rgb(p, 0, 0.45, 0.24, 0.1);
  cairo_pattern_add_color_stop_rgb(p, 0.35, 0.7, 0.42, 0.2);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.36, 0.2, 0.09);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  FillEllipse(cr, bx + 5, 230, 66, 14, Hex(0x3A2414));
  for (double y : {260.0, 400.0}) {
    cairo_rectangle(cr, bx - 64, y, 140, 10);
    SetColor(cr, pal::Brass);
    cairo_fill(cr);
  }
  cairo_move_to(cr, bx + 70, 270);
  cairo_curve_to(cr, bx + 120, 300, bx + 110, 380, bx + 72, 390);
  Stroke(cr, Hex(0x4A2A14), 7);
  FillRoundedRect(cr, bx - 40, 300, 50, 70, 6, Hex(0x5E3418));
  // a cap on a hook and a few balls on the floor
  FillCircle(cr, 700, 120, 4, pal::Brass);
  cairo_move_to(cr, 660, 160);
  cairo_curve_to(cr, 664, 120, 734, 120, 738, 160);
  cairo_close_path(cr);
  SetColor(cr, Hex(0xD7C9A2));
  cairo_fill(cr);
  FillEllipse(cr, 744, 162, 26, 6, Hex(0xC4B38A));
  for (int i = 0; i < 3; ++i) GolfBall(cr, 610 + i * 26, 446 + (i % 2) * 8, 9);
}

// A deck of cards fanned on green baize, a scorecard and a pencil beside it.
void Deck(Canvas& c, const PictureFile&) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  cairo_pattern_t* p = cairo_pattern_create_radial(w / 2, h / 2, 80, w / 2, h / 2, 620);
  cairo_pattern_add_color_stop_rgb(p, 0, 0.2, 0.5, 0.24);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.08, 0.26, 0.12);
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  Rng rng(44);
  for (int i = 0; i < 3000; ++i) {
    cairo_rectangle(cr, rng.Range(0, w), rng.Range(0, h), 1, 1);
    SetColor(cr, WithAlpha(Hex(0x000000), 0.06));
    cairo_fill(cr);
  }
  // the fan
  const int values[] = {1, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2};
  for (int i = 0; i < 13; ++i) {
    const double a = -0.9 + i * 0.15;
    Card(cr, 520 + 200 * std::sin(a), 330 - 200 * std::cos(a) + 60, values[i], i % 4, true, a);
  }
  // a face-down pile
  for (int i = 0; i < 5; ++i) Card(cr, 260 - i * 1.2, 220 - i * 1.5, 1, 0, false, -0.12);
  // scorecard and pencil
  cairo_save(cr);
  cairo_translate(cr, 860, 250);
  cairo_rotate(cr, 0.12);
  SoftShadow(cr, -70, -90, 140, 180, 3, 0.3, 4);
  FillRoundedRect(cr, -70, -90, 140, 180, 3, Hex(0xFBF6E6));
  SetFont(cr, Face::SansBold, 13);
  FillText(cr, "SCORECARD", 0, -70, 1, pal::Fairway);
  for (int r = 0; r < 9; ++r) {
    cairo_move_to(cr, -60, -54 + r * 16);
    cairo_line_to(cr, 60, -54 + r * 16);
  }
  cairo_move_to(cr, -20, -58);
  cairo_line_to(cr, -20, 76);
  cairo_move_to(cr, 20, -58);
  cairo_line_to(cr, 20, 76);
  Stroke(cr, WithAlpha(pal::Fairway, 0.6), 1);
  SetFont(cr, Face::Script, 13);
  const char* marks[] = {"3", "4", "2", "5", "3"};
  for (int r = 0; r < 5; ++r) FillText(cr, marks[r], 40, -42 + r * 16, 1, Hex(0x1F3A8A));
  cairo_restore(cr);
  cairo_move_to(cr, 780, 360);
  cairo_line_to(cr, 930, 330);
  Stroke(cr, Hex(0xF2C230), 9);
  cairo_move_to(cr, 930, 330);
  cairo_line_to(cr, 946, 327);
  Stroke(cr, Hex(0xE9C9A0), 6);
  // lamp light
  RadialGlow(cr, 520, 160, 420, WithAlpha(Hex(0xFFE9B0), 0.22));
}

// One of the courses to come, with a golfer teeing off.
void Course(Canvas& c, const std::string& type, int variant, double gx, double gy, int pose) {
  cairo_t* cr = c.cr();
  PaintCourse(cr, type, variant, 0, 0, c.w(), c.h());
  Golfer(cr, gx, gy, 90, pose, Hex(0xE85D3A), Hex(0x2E3B55), false);
  GolfBall(cr, gx + 28, gy - 2, 3);
}

// A pinboard on the clubhouse wall, pennants around it: the photos are pinned on it in the show.
void Pinboard(Canvas& c, const PictureFile&) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  Rng rng(66);
  WoodPlanks(cr, w, h, Hex(0x7A5230), 34, rng);
  cairo_rectangle(cr, 0, 330, w, 70);
  SetColor(cr, Hex(0x5A3A1C));
  cairo_fill(cr);
  cairo_rectangle(cr, 0, 326, w, 6);
  SetColor(cr, pal::Brass);
  cairo_fill(cr);
  // cork board
  cairo_rectangle(cr, 120, 60, 780, 260);
  SetColor(cr, Hex(0xC79A62));
  cairo_fill(cr);
  for (int i = 0; i < 2500; ++i) {
    cairo_rectangle(cr, rng.Range(120, 900), rng.Range(60, 320), 1.5, 1.5);
    SetColor(cr, WithAlpha(Hex(0x7A5230), 0.35));
    cairo_fill(cr);
  }
  cairo_rectangle(cr, 120, 60, 780, 260);
  Stroke(cr, pal::DarkWood, 12);
  // notices already there
  const Rgb notes[] = {Hex(0xFFF6C8), Hex(0xDDEBFF), Hex(0xFFE0E0)};
  for (int i = 0; i < 4; ++i) {
    const double x = 150 + i * 200 + rng.Range(-10, 10), y = 80 + (i % 2) * 150;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, rng.Range(-0.08, 0.08));
    FillRoundedRect(cr, 0, 0, 70, 60, 1, notes[i % 3]);
    PrintLines(cr, 8, 10, 54, 42, 8, 100 + i);
    cairo_restore(cr);
    FillCircle(cr, x + 35, y + 4, 4, pal::Red);
  }
  // pennants
  for (int i = 0; i < 12; ++i) {
    const double x = 10 + i * 88;
    cairo_move_to(cr, x, 10);
    cairo_line_to(cr, x + 70, 10);
    cairo_line_to(cr, x + 35, 48);
    cairo_close_path(cr);
    SetColor(cr, i % 2 ? pal::Fairway : pal::Red);
    cairo_fill(cr);
  }
  cairo_move_to(cr, 0, 10);
  cairo_line_to(cr, w, 10);
  Stroke(cr, Hex(0xEEE6D2), 2);
}

// A play field nearly cleared: the course, a foundation card, two covered cards left; the card in
// play and the stock card are drawn by the show over their empty places.
void PlayField(Canvas& c, const PictureFile&) {
  cairo_t* cr = c.cr();
  PaintCourse(cr, "country", 2, 0, 0, c.w(), c.h());
  Card(cr, 140, 150, 1, 0, false, 0);
  Card(cr, 176, 168, 1, 0, false, 0);
  Card(cr, 420, 140, 1, 0, false, 0);
  Card(cr, 455, 512, 6, 2, true, 0);  // the foundation
  // worn grass where cards lay
  for (double x : {280.0, 520.0, 700.0}) FillEllipse(cr, x, 300, 30, 8, WithAlpha(Hex(0x000000), 0.06));
}

// The trophy cabinet: glass shelves of cups, two of them catching the light.
void Cabinet(Canvas& c, const PictureFile&) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  Rng rng(88);
  WoodPlanks(cr, w, h, Hex(0x6E4524), 40, rng);
  // cabinet body and back
  cairo_rectangle(cr, 90, 60, 620, 580);
  SetColor(cr, pal::DarkWood);
  cairo_fill(cr);
  VerticalGradient(cr, 110, 80, 580, 560, Hex(0x3E2E5A), Hex(0x231A36));
  for (double y : {250.0, 420.0, 585.0}) {
    cairo_rectangle(cr, 110, y, 580, 8);
    SetColor(cr, WithAlpha(Hex(0xDDEEFF), 0.55));
    cairo_fill(cr);
  }
  TrophyCup(cr, 200, 250, 130, 1);
  TrophyCup(cr, 400, 250, 150, 3);
  TrophyCup(cr, 600, 250, 120, 2);
  TrophyCup(cr, 230, 420, 110, 4);
  TrophyCup(cr, 517, 575, 150, 0);  // its rim glints in the show
  TrophyCup(cr, 650, 420, 120, 1);
  TrophyCup(cr, 315, 610, 90, 1);   // and so does this one
  // a plaque and a framed photo
  FillRoundedRect(cr, 370, 300, 110, 100, 4, pal::Wood);
  FillRoundedRect(cr, 385, 318, 80, 30, 2, pal::Brass);
  PrintLines(cr, 390, 360, 70, 30, 8, 9);
  FillRoundedRect(cr, 130, 470, 80, 100, 2, Hex(0xF2EAD8));
  PaintCourse(cr, "municipal", 1, 140, 480, 60, 80);
  // glass reflections and the frame
  cairo_move_to(cr, 140, 80);
  cairo_line_to(cr, 260, 80);
  cairo_line_to(cr, 140, 400);
  cairo_close_path(cr);
  SetColor(cr, WithAlpha(Hex(0xFFFFFF), 0.07));
  cairo_fill(cr);
  cairo_rectangle(cr, 100, 70, 600, 570);
  Stroke(cr, Darker(pal::DarkWood, 0.2), 20);
  cairo_rectangle(cr, 396, 70, 8, 570);
  SetColor(cr, Darker(pal::DarkWood, 0.2));
  cairo_fill(cr);
  FillRoundedRect(cr, 80, 30, 640, 40, 4, pal::Wood);
  SetFont(cr, Face::Bookman, 22);
  OutlinedText(cr, "CHAMPIONS", 400, 58, 1, pal::Cream, pal::DarkWood, 2);
}

// The clubhouse front, its door at the middle of the picture (the last slide zooms into it).
void ClubhouseFront(Canvas& c, const PictureFile&) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  Sky(cr, w, 300, pal::SkyTop, pal::SkyLow);
  Cloud(cr, 160, 80, 1.4, pal::Cloud);
  Cloud(cr, 900, 60, 1.2, pal::Cloud);
  Hill(cr, w, 250, 10, 0.4, Mix(pal::DeepGreen, pal::SkyLow, 0.4), h);
  // building
  const double left = 170, right = 890, eave = 170, ground = 520;
  cairo_move_to(cr, left - 40, eave);
  cairo_line_to(cr, 530, 40);
  cairo_line_to(cr, right + 40, eave);
  cairo_close_path(cr);
  SetColor(cr, Hex(0x7A3B2E));
  cairo_fill(cr);
  cairo_rectangle(cr, left, eave, right - left, ground - eave);
  SetColor(cr, Hex(0xF4ECD8));
  cairo_fill(cr);
  cairo_rectangle(cr, left, eave, right - left, 14);
  SetColor(cr, Hex(0xD9CDB2));
  cairo_fill(cr);
  // windows
  for (int i = 0; i < 6; ++i) {
    const double x = left + 40 + i * 116 + (i >= 3 ? 70 : 0);
    if (i == 3) continue;
    cairo_rectangle(cr, x, 240, 70, 110);
    SetColor(cr, Hex(0xFFE9A8));
    cairo_fill(cr);
    cairo_rectangle(cr, x, 240, 70, 110);
    Stroke(cr, Hex(0x2F5D3A), 6);
    cairo_move_to(cr, x + 35, 240);
    cairo_line_to(cr, x + 35, 350);
    Stroke(cr, Hex(0x2F5D3A), 4);
    cairo_rectangle(cr, x - 6, 350, 82, 16);
    SetColor(cr, pal::Wood);
    cairo_fill(cr);
    for (int k = 0; k < 6; ++k) FillCircle(cr, x + 4 + k * 13, 348, 6, k % 2 ? Hex(0xE85D75) : Hex(0xF6C945));
  }
  // porch columns, sign and door
  for (double x : {430.0, 630.0}) {
    cairo_rectangle(cr, x - 12, 210, 24, ground - 210);
    VerticalGradient(cr, x - 12, 210, 24, ground - 210, Hex(0xFFFFFF), Hex(0xD8D0C0));
  }
  cairo_move_to(cr, 400, 210);
  cairo_line_to(cr, 530, 150);
  cairo_line_to(cr, 660, 210);
  cairo_close_path(cr);
  SetColor(cr, Hex(0xFBF6EA));
  cairo_fill(cr);
  WoodBoard(cr, 450, 222, 160, 40, 6, 0);
  SetFont(cr, Face::Bookman, 20);
  OutlinedText(cr, "CLUBHOUSE", 530, 250, 1, pal::Cream, pal::DarkWood, 2);
  cairo_rectangle(cr, 490, 280, 80, 150);
  SetColor(cr, Hex(0x2F5D3A));
  cairo_fill(cr);
  cairo_rectangle(cr, 500, 292, 60, 128);
  SetColor(cr, Hex(0xFFE3A0));
  cairo_fill(cr);
  RadialGlow(cr, 530, 360, 90, WithAlpha(Hex(0xFFF0C0), 0.6));
  FillCircle(cr, 552, 362, 4, pal::Brass);
  cairo_rectangle(cr, 470, 430, 120, 12);
  cairo_rectangle(cr, 455, 442, 150, 12);
  SetColor(cr, Hex(0xCFC6B2));
  cairo_fill(cr);
  // lawn and path
  VerticalGradient(cr, 0, ground, w, h - ground, pal::LightGrass, pal::Fairway);
  cairo_move_to(cr, 470, ground);
  cairo_line_to(cr, 590, ground);
  cairo_line_to(cr, 700, h);
  cairo_line_to(cr, 360, h);
  cairo_close_path(cr);
  SetColor(cr, Hex(0xE4D7B5));
  cairo_fill(cr);
  Tree(cr, 80, 560, 60, pal::Fairway);
  Tree(cr, 990, 570, 64, Darker(pal::Fairway, 0.1));
  for (double x : {250.0, 810.0}) {
    cairo_rectangle(cr, x, 90, 3, 90);
    SetColor(cr, Hex(0xEEEEEE));
    cairo_fill(cr);
  }
  Flagstick(cr, 250, 180, 90);
  Flagstick(cr, 810, 180, 90);
}

// The soft iris over every slide: black with a clear ellipse feathered into it.
void BlackMask(Canvas& c, const PictureFile&) {
  cairo_t* cr = c.cr();
  cairo_save(cr);
  cairo_translate(cr, c.w() / 2.0, c.h() / 2.0);
  cairo_scale(cr, 1.0, 0.5);
  cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 300, 0, 0, 500);
  cairo_pattern_add_color_stop_rgba(p, 0, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(p, 0.6, 0, 0, 0, 0.55);
  cairo_pattern_add_color_stop_rgba(p, 1, 0, 0, 0, 1);
  cairo_set_source(cr, p);
  cairo_paint(cr);
  cairo_pattern_destroy(p);
  cairo_restore(cr);
}

void CardFront(Canvas& c, const PictureFile&) { Card(c.cr(), 34, 50, 7, 2, true, 0); }

void Banner(Canvas& c, const std::string& text, const Rgb& fill, double size) {
  cairo_t* cr = c.cr();
  RadialGlow(cr, c.w() / 2.0, c.h() / 2.0, c.w() * 0.45, WithAlpha(pal::BrassLight, 0.35));
  SetFont(cr, Face::Bookman, size);
  const double y = c.h() / 2.0 + size * 0.36;
  OutlinedText(cr, text, c.w() / 2.0 + 2, y + 3, 1, Hex(0x000000, 0.3), Hex(0x000000, 0.3), 3);
  OutlinedText(cr, text, c.w() / 2.0, y, 1, fill, pal::DarkWood, 3);
}

void Butterfly(Canvas& c, const PictureFile& s) {
  ForEachCell(c, s, [&](cairo_t* cr, int frame) {
    const double open = 0.25 + 0.75 * std::fabs(std::cos(frame * M_PI / s.frames));
    cairo_translate(cr, 40, 40);
    const Rgb wing = Hex(0xF28C38);
    for (int side : {-1, 1}) {
      cairo_save(cr);
      cairo_scale(cr, side * open, 1);
      cairo_move_to(cr, 0, -2);
      cairo_curve_to(cr, 10, -34, 34, -30, 30, -12);
      cairo_curve_to(cr, 28, -2, 12, 0, 0, 2);
      cairo_curve_to(cr, 14, 4, 26, 18, 16, 26);
      cairo_curve_to(cr, 8, 30, 2, 16, 0, 4);
      SetColor(cr, wing);
      cairo_fill_preserve(cr);
      Stroke(cr, Hex(0x3A2414), 1.6);
      FillCircle(cr, 20, -16, 4, Hex(0xFFF3D0));
      FillCircle(cr, 14, 16, 3, Hex(0xFFF3D0));
      cairo_restore(cr);
    }
    FillEllipse(cr, 0, 4, 2.6, 16, Hex(0x2A1C12));
    cairo_move_to(cr, -1, -12);
    cairo_curve_to(cr, -4, -20, -8, -24, -10, -26);
    cairo_move_to(cr, 1, -12);
    cairo_curve_to(cr, 4, -20, 8, -24, 10, -26);
    Stroke(cr, Hex(0x2A1C12), 1.2);
  });
}

void Sparkle(Canvas& c, const PictureFile& s) {
  ForEachCell(c, s, [&](cairo_t* cr, int frame) {
    const double t = (frame + 0.5) / s.frames;
    const double b = std::sin(t * M_PI);
    Glint(cr, s.cell_w / 2.0, s.cell_h / 2.0, 10 + 20 * b, 0.3 + 0.7 * b, t * 0.6);
    // a long vertical flare through the glint
    cairo_move_to(cr, s.cell_w / 2.0, s.cell_h / 2.0 - 60 * b);
    cairo_line_to(cr, s.cell_w / 2.0, s.cell_h / 2.0 + 60 * b);
    Stroke(cr, WithAlpha(Hex(0xFFFFFF), 0.5 * b), 1.5);
  });
}

void Bird(Canvas& c, const PictureFile& s) {
  ForEachCell(c, s, [&](cairo_t* cr, int frame) {
    const double lift = std::cos(frame * 2 * M_PI / s.frames);
    cairo_translate(cr, 32, 64);
    const Rgb body = Hex(0x2F3440);
    for (int side : {-1, 1}) {
      cairo_move_to(cr, 0, 0);
      cairo_curve_to(cr, side * 8, -10 * lift - 4, side * 20, -18 * lift, side * 28, -14 * lift + 2);
      cairo_curve_to(cr, side * 18, -6 * lift + 2, side * 8, 2, 0, 4);
      SetColor(cr, body);
      cairo_fill(cr);
    }
    FillEllipse(cr, 0, 2, 10, 4, body);
    FillCircle(cr, -9, 0, 3.5, body);
    cairo_move_to(cr, -12, 0);
    cairo_line_to(cr, -16, 1);
    cairo_line_to(cr, -12, 2);
    SetColor(cr, Hex(0xE0A030));
    cairo_fill(cr);
  });
}

// A snapshot with a white border: the young golfer, the first cup, friends at the clubhouse.
void Photo(Canvas& c, int n) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  SoftShadow(cr, 6, 6, w - 10, h - 10, 2, 0.35, 3);
  FillRoundedRect(cr, 2, 2, w - 10, h - 10, 2, Hex(0xFBF8EF));
  const double ix = 12, iy = 12, iw = w - 30, ih = h - 44;
  cairo_save(cr);
  cairo_rectangle(cr, ix, iy, iw, ih);
  cairo_clip(cr);
  if (n == 1) {
    PaintCourse(cr, "municipal", 1, ix, iy, iw, ih);
    Golfer(cr, ix + iw * 0.45, iy + ih - 8, ih * 0.7, 1, Hex(0x3C6FB8), Hex(0x4A4A4A), false);
  } else if (n == 2) {
    PaintCourse(cr, "country", 3, ix, iy, iw, ih);
    Golfer(cr, ix + iw * 0.4, iy + ih - 6, ih * 0.72, 3, Hex(0xE85D3A), Hex(0x2E3B55), false);
    TrophyCup(cr, ix + iw * 0.4 - 1, iy + ih * 0.3, 32, 0);
  } else {
    PaintCourse(cr, "city", 2, ix, iy, iw, ih);
    Golfer(cr, ix + iw * 0.3, iy + ih - 6, ih * 0.66, 2, Hex(0xF2C230), Hex(0x33405A), true);
    Golfer(cr, ix + iw * 0.62, iy + ih - 6, ih * 0.7, 3, Hex(0x1F9E92), Hex(0x4A3A2A), false, true);
  }
  // old photo warmth
  cairo_rectangle(cr, ix, iy, iw, ih);
  SetColor(cr, WithAlpha(Hex(0xF0C080), 0.15));
  cairo_fill(cr);
  cairo_restore(cr);
  SetFont(cr, Face::Script, 15);
  const char* captions[] = {"first round", "my first cup!", "the gang"};
  FillText(cr, captions[n - 1], w / 2.0 - 4, h - 16, 1, Hex(0x2A2A6A));
}

}  // namespace

void AddIntro(Registry& r) {
  r["graphics/intro/1.jpg"] = Town;
  r["graphics/intro/2.jpg"] = Garden;
  r["graphics/intro/3.jpg"] = Shed;
  r["graphics/intro/4.jpg"] = Deck;
  r["graphics/intro/5.jpg"] = [](Canvas& c, const PictureFile&) { Course(c, "beach", 2, 300, 300, 0); };
  r["graphics/intro/5b.jpg"] = [](Canvas& c, const PictureFile&) { Course(c, "mountain", 1, 420, 360, 1); };
  r["graphics/intro/5c.jpg"] = [](Canvas& c, const PictureFile&) { Course(c, "japan", 3, 480, 300, 0); };
  r["graphics/intro/6.jpg"] = Pinboard;
  r["graphics/intro/7.jpg"] = PlayField;
  r["graphics/intro/8.jpg"] = Cabinet;
  r["graphics/intro/clubhouse_mid.jpg"] = ClubhouseFront;
  r["graphics/intro/black_mask.png"] = BlackMask;
  r["graphics/intro/card_front.png"] = CardFront;
  r["graphics/intro/cleared5.png"] = [](Canvas& c, const PictureFile&) { Banner(c, "Cleared!", pal::Cream, 40); };
  r["graphics/particles/perfect.png"] = [](Canvas& c, const PictureFile&) { Banner(c, "PERFECT!", pal::BrassLight, 56); };
  r["graphics/intro/Butterfly.png"] = Butterfly;
  r["graphics/intro/Sparkle.png"] = Sparkle;
  r["graphics/intro/bird.png"] = Bird;
  for (int n = 1; n <= 3; ++n)
    r["graphics/intro/photo" + std::to_string(n) + ".png"] = [n](Canvas& c, const PictureFile&) { Photo(c, n); };
}

}  // namespace art

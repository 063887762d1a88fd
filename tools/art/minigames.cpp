// The wild shot mini-games' pictures: the Long Drive's tall sky with its fairway, clouds, trees,
// yardage signs, gauge, arrow and ball; the Putting green with its cushions, hole and block; the
// Lost Ball's patch of rough; and the "shoot" button.
//
// Long Drive layout (background 416 x 900, H its height): the ball rests with its centre on
// H - 48 and sits on the grass top at H - 40; trees stand on H - 120 .. H - 80; each sign's top is
// H - 130 and its line runs from H - 95 down to the ground.

#include <cmath>
#include <string>

#include "tools/art/registry.h"

namespace art {

namespace {

void Fill(cairo_t* cr, const Rgb& c) {
  SetColor(cr, c);
  cairo_fill(cr);
}

void LongDriveBackground(Canvas& c) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  VerticalGradient(cr, 0, 0, w, h - 110, Hex(0x4F9FDB), pal::SkyLow);
  // a faint sun high up, for the view that follows a steep drive
  RadialGlow(cr, w * 0.78, 120, 70, WithAlpha(Hex(0xFFF6C8), 0.8));
  FillCircle(cr, w * 0.78, 120, 22, Hex(0xFFF3B0));
  // far hills along the horizon
  cairo_move_to(cr, 0, h - 120);
  for (double x = 0; x <= w; x += 8)
    cairo_line_to(cr, x, h - 132 - 10 * std::sin(x / 47.0) - 6 * std::sin(x / 19.0 + 1));
  cairo_line_to(cr, w, h);
  cairo_line_to(cr, 0, h);
  cairo_close_path(cr);
  Fill(cr, Mix(pal::DeepGreen, pal::SkyLow, 0.45));
  // the fairway, lighter stripes mown across it
  cairo_rectangle(cr, 0, h - 122, w, 122);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, h - 122, 0, h);
  const Rgb top = pal::LightGrass, bottom = Darker(pal::Fairway, 0.1);
  cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(p, 1, bottom.r, bottom.g, bottom.b);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  for (int k = 0; k < 6; ++k) {
    cairo_rectangle(cr, k * 80 - 10, h - 122, 40, 122);
    Fill(cr, WithAlpha(Hex(0xFFFFFF), 0.05));
  }
  // the tee box and its grass edge where the ball lies
  cairo_rectangle(cr, 0, h - 40, w, 40);
  Fill(cr, Darker(pal::Fairway, 0.05));
  cairo_rectangle(cr, 0, h - 41, w, 2);
  Fill(cr, Lighter(pal::LightGrass, 0.2));
  FillRoundedRect(cr, 6, h - 40, 34, 6, 2, Lighter(pal::Fairway, 0.15));
  Rng rng(5);
  for (int k = 0; k < 160; ++k) {
    const double x = rng.Range(0, w), y = rng.Range(h - 38, h - 2);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + rng.Range(-1.5, 1.5), y - rng.Range(2, 5));
    SetColor(cr, WithAlpha(k % 2 ? pal::DeepGreen : pal::LightGrass, 0.5));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
}

void CloudPicture(Canvas& c, int kind) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  const Rgb shade = Hex(0xDCE9F5);
  const double base = h * 0.72;
  const int puffs = kind == 1 ? 5 : 4;
  for (int pass = 0; pass < 2; ++pass) {
    for (int k = 0; k < puffs; ++k) {
      const double t = (k + 0.5) / puffs;
      const double r = h * (0.26 + 0.16 * std::sin(t * M_PI));
      FillCircle(cr, w * (0.12 + 0.76 * t), base - r * 0.55 + (pass ? -2 : 1), r, pass ? Hex(0xFFFFFF, 0.95) : shade);
    }
    EllipsePath(cr, w / 2, base, w * 0.44, h * 0.16);
    Fill(cr, pass ? Hex(0xFFFFFF, 0.95) : shade);
  }
}

void TreePicture(Canvas& c, int kind) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  const Rgb trunk = pal::DarkWood;
  FillRoundedRect(cr, w / 2 - w * 0.06, h * 0.55, w * 0.12, h * 0.45, 2, trunk);
  if (kind == 3) {  // a pine: stacked triangles
    for (int k = 0; k < 3; ++k) {
      const double top = h * (0.02 + 0.2 * k), bottom = h * (0.42 + 0.18 * k), half = w * (0.28 + 0.1 * k);
      cairo_move_to(cr, w / 2, top);
      cairo_line_to(cr, w / 2 + half, bottom);
      cairo_line_to(cr, w / 2 - half, bottom);
      cairo_close_path(cr);
      Fill(cr, Mix(pal::DeepGreen, pal::Fairway, 0.2 * k));
    }
    return;
  }
  const Rgb leaf = kind == 0 ? Mix(pal::Fairway, pal::SkyLow, 0.35) : kind == 1 ? pal::DeepGreen : Mix(pal::Fairway, pal::DeepGreen, 0.4);
  const double cx = w / 2, cy = h * 0.36, r = w * 0.3;
  FillCircle(cr, cx - r * 0.6, cy + r * 0.35, r * 0.8, Darker(leaf, 0.15));
  FillCircle(cr, cx + r * 0.6, cy + r * 0.35, r * 0.8, Darker(leaf, 0.2));
  FillCircle(cr, cx, cy, r, leaf);
  FillCircle(cr, cx - r * 0.35, cy - r * 0.35, r * 0.45, Lighter(leaf, 0.15));
}

void Sign(Canvas& c, const std::string& yards) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  SoftShadow(cr, 3, 3, w - 6, h - 5, 6, 0.3, 2);
  WoodBoard(cr, 2, 1, w - 6, h - 5, 6, 0.05);
  SetFont(cr, Face::SansBold, h * 0.5);
  const Rgb out = pal::DarkWood;
  CentredText(cr, yards, (w - 4) / 2, (h - 4) / 2, pal::Cream, &out, 1.2);
}

void Gauge(Canvas& c) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  // a quarter dial about the bottom-left corner, brass rim, green to gold scale
  const double cx = 11, cy = h - 10, r = w - 14;
  cairo_move_to(cr, cx, cy);
  cairo_arc(cr, cx, cy, r, -M_PI / 2, 0);
  cairo_close_path(cr);
  Fill(cr, WithAlpha(pal::DarkWood, 0.55));
  for (int k = 0; k < 9; ++k) {
    const double a0 = -M_PI / 2 + k * M_PI / 18, a1 = a0 + M_PI / 18;
    cairo_arc(cr, cx, cy, r - 6, a0, a1);
    cairo_arc_negative(cr, cx, cy, r - 18, a1, a0);
    cairo_close_path(cr);
    const double t = std::abs(k - 4.5) / 4.5;  // best in the middle of the swing
    Fill(cr, Mix(pal::BrassLight, Hex(0xE57373), t * 0.8));
  }
  for (int k = 0; k <= 18; ++k) {
    const double a = -M_PI / 2 + k * M_PI / 36;
    const double r0 = k % 2 ? r - 24 : r - 28;
    cairo_move_to(cr, cx + std::cos(a) * r0, cy + std::sin(a) * r0);
    cairo_line_to(cr, cx + std::cos(a) * (r - 19), cy + std::sin(a) * (r - 19));
  }
  SetColor(cr, pal::Cream);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  cairo_arc(cr, cx, cy, r, -M_PI / 2, 0);
  SetColor(cr, pal::Brass);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  FillCircle(cr, cx, cy, 5, pal::Brass);
}

// An arrow pointing up whose pivot (19, 95) sits just below its tail.
void Arrow(Canvas& c) {
  cairo_t* cr = c.cr();
  const double cx = 19;
  cairo_move_to(cr, cx, 2);
  cairo_line_to(cr, cx + 15, 26);
  cairo_line_to(cr, cx + 5, 24);
  cairo_line_to(cr, cx + 5, 86);
  cairo_line_to(cr, cx - 5, 86);
  cairo_line_to(cr, cx - 5, 24);
  cairo_line_to(cr, cx - 15, 26);
  cairo_close_path(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(cx - 15, 0, cx + 15, 0);
  cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 0.85, 0.35);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.85, 0.45, 0.1);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  SetColor(cr, pal::DarkWood);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
}

void Shadow(Canvas& c) {
  cairo_t* cr = c.cr();
  EllipsePath(cr, c.w() / 2.0, c.h() / 2.0, c.w() / 2.0 - 1, c.h() / 2.0 - 1);
  Fill(cr, Hex(0x000000, 0.3));
}

void Green(Canvas& c) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  // wooden cushions round the green: 3 px left and right, 6 px top and bottom
  cairo_rectangle(cr, 0, 0, w, h);
  Fill(cr, pal::DarkWood);
  cairo_rectangle(cr, 0, 0, w, 2);
  Fill(cr, pal::Wood);
  cairo_rectangle(cr, 3, 6, w - 6, h - 12);
  cairo_pattern_t* p = cairo_pattern_create_radial(w * 0.4, h * 0.4, 10, w / 2, h / 2, w * 0.7);
  const Rgb a = Lighter(pal::LightGrass, 0.1), b = pal::Fairway;
  cairo_pattern_add_color_stop_rgb(p, 0, a.r, a.g, a.b);
  cairo_pattern_add_color_stop_rgb(p, 1, b.r, b.g, b.b);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  for (int k = 0; k < 8; ++k) {
    cairo_rectangle(cr, 3 + k * 52, 6, 26, h - 12);
    Fill(cr, WithAlpha(Hex(0xFFFFFF), 0.04));
  }
  // the tee spot at the left end
  EllipsePath(cr, 45, h / 2, 12, 5);
  Fill(cr, WithAlpha(pal::DeepGreen, 0.35));
}

void HolePicture(Canvas& c) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  FillCircle(cr, w / 2, h / 2, w / 2 - 1, WithAlpha(pal::DeepGreen, 0.5));
  FillCircle(cr, w / 2, h / 2, w / 2 - 6, Hex(0x1B2A17));
  EllipsePath(cr, w / 2 + 2, h / 2 + 3, w / 2 - 9, h / 2 - 10);
  Fill(cr, Hex(0x0E160C));
  // the flag's pin
  cairo_rectangle(cr, w / 2 - 1, h / 2 - 4, 2, 6);
  Fill(cr, Hex(0xEEEEEE));
}

void BlockPicture(Canvas& c) {
  cairo_t* cr = c.cr();
  WoodBoard(cr, 1, 1, c.w() - 2, c.h() - 2, 3, 0.0);
}

void Rough(Canvas& c) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  VerticalGradient(cr, 0, 0, w, h, Darker(pal::Fairway, 0.05), Darker(pal::DeepGreen, 0.1));
  Rng rng(11);
  for (int k = 0; k < 900; ++k) {
    const double x = rng.Range(0, w), y = rng.Range(4, h);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + rng.Range(-3, 3), y - rng.Range(5, 12));
    SetColor(cr, WithAlpha(k % 3 ? pal::LightGrass : pal::DeepGreen, 0.35));
    cairo_set_line_width(cr, 1.1);
    cairo_stroke(cr);
  }
  for (int k = 0; k < 6; ++k) {  // a few daisies in the grass
    const double x = rng.Range(10, w - 10), y = rng.Range(10, h - 10);
    for (int p = 0; p < 5; ++p)
      FillCircle(cr, x + 2.5 * std::cos(p * 1.2566), y + 2.5 * std::sin(p * 1.2566), 1.6, Hex(0xFFFFFF, 0.9));
    FillCircle(cr, x, y, 1.2, pal::BrassLight);
  }
}

enum class Press { Normal, Over, Down };

void ShootButton(Canvas& c, Press state) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  const double dy = state == Press::Down ? 1 : 0;
  if (state == Press::Over) {
    ButtonGlow(cr, w, h, 10);
  } else {
    SoftShadow(cr, 4, 5, w - 7, h - 7, 10, 0.3, 3);
  }
  WoodBoard(cr, 3, 3 + dy, w - 6, h - 6, 10, state == Press::Over ? MOUSE_OVER_BRIGHT : 0.0);
  if (state == Press::Down) {
    RoundedRect(cr, 3, 3 + dy, w - 6, h - 6, 10);
    Fill(cr, Hex(0x000000, 0.22));
  }
  SetFont(cr, Face::Bookman, h * 0.46);
  const Rgb out = pal::DarkWood;
  GolfBall(cr, 22, h / 2 + dy, 8);
  CentredText(cr, "Shoot!", w / 2 + 10, h / 2 + dy,
              state == Press::Over ? Hex(0xFFFFFF) : state == Press::Down ? Darker(pal::Cream, 0.12) : pal::Cream,
              &out, 1.3);
}

}  // namespace

void AddMiniGames(Registry& r) {
  const std::string ld = "graphics/wildshots/minigames/LongDrive/";
  r[ld + "bg.png"] = [](Canvas& c, const PictureFile&) { LongDriveBackground(c); };
  r[ld + "cloud1.png"] = [](Canvas& c, const PictureFile&) { CloudPicture(c, 1); };
  r[ld + "cloud2.png"] = [](Canvas& c, const PictureFile&) { CloudPicture(c, 2); };
  for (int n = 1; n <= 4; ++n)
    r[ld + "tree" + std::to_string(n) + ".png"] = [n](Canvas& c, const PictureFile&) { TreePicture(c, n - 1); };
  r[ld + "line.png"] = [](Canvas& c, const PictureFile&) {
    cairo_rectangle(c.cr(), 0, 0, c.w(), c.h());
    Fill(c.cr(), pal::CardWhite);
    cairo_rectangle(c.cr(), c.w() - 1, 0, 1, c.h());
    Fill(c.cr(), Hex(0x000000, 0.25));
  };
  for (int yards = 50; yards <= 350; yards += 50) {
    const std::string label = std::to_string(yards);
    r[ld + label + ".png"] = [label](Canvas& c, const PictureFile&) { Sign(c, label); };
  }
  r[ld + "gauge.png"] = [](Canvas& c, const PictureFile&) { Gauge(c); };
  r[ld + "arrow.png"] = [](Canvas& c, const PictureFile&) { Arrow(c); };
  r[ld + "ball.png"] = [](Canvas& c, const PictureFile&) { GolfBall(c.cr(), 8, 8, 7.2); };
  r[ld + "Shadow.png"] = [](Canvas& c, const PictureFile&) { Shadow(c); };
  const std::string pt = "graphics/wildshots/minigames/Putting/";
  r[pt + "bg.png"] = [](Canvas& c, const PictureFile&) { Green(c); };
  r[pt + "arrow.png"] = [](Canvas& c, const PictureFile&) { Arrow(c); };
  r[pt + "ball.png"] = [](Canvas& c, const PictureFile&) { GolfBall(c.cr(), 8, 8, 7.2); };
  r[pt + "hole.png"] = [](Canvas& c, const PictureFile&) { HolePicture(c); };
  r[pt + "block.png"] = [](Canvas& c, const PictureFile&) { BlockPicture(c); };
  r["graphics/wildshots/minigames/LostBall/bg.png"] = [](Canvas& c, const PictureFile&) { Rough(c); };
  r["menus/shoot.png"] = [](Canvas& c, const PictureFile&) { ShootButton(c, Press::Normal); };
  r["menus/shootMO.png"] = [](Canvas& c, const PictureFile&) { ShootButton(c, Press::Over); };
  r["menus/shoot_down.png"] = [](Canvas& c, const PictureFile&) { ShootButton(c, Press::Down); };
}

}  // namespace art

// Particle and effect pictures, the long-drive balls, the padlock and the wild shot story pictures.

#include <cmath>
#include <string>
#include <utility>

#include "tools/art/registry.h"

namespace art {

namespace {

void Star(cairo_t* cr, double cx, double cy, double r_out, double r_in, int points) {
  cairo_new_path(cr);
  for (int i = 0; i < points * 2; ++i) {
    const double a = -M_PI / 2 + i * M_PI / points;
    const double r = (i % 2 == 0) ? r_out : r_in;
    if (i == 0) cairo_move_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    else cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
  }
  cairo_close_path(cr);
}

void Sparkle(Canvas& c) {
  cairo_t* cr = c.cr();
  const double cx = c.w() / 2.0, cy = c.h() / 2.0, r = c.w() / 2.0;
  RadialGlow(cr, cx, cy, r, {1, 0.97, 0.8, 0.8});
  Star(cr, cx, cy, r * 0.95, r * 0.14, 4);
  SetColor(cr, {1, 1, 1, 0.95});
  cairo_fill(cr);
}

void IronClub(cairo_t* cr, double x, double top, double bottom, bool head, bool shaft) {
  if (shaft) {
    // grip and shaft
    cairo_rectangle(cr, x - 2.5, top, 5, 26);
    SetColor(cr, Hex(0x2B2B2B));
    cairo_fill(cr);
    cairo_move_to(cr, x, top + 26);
    cairo_line_to(cr, x, bottom - 12);
    SetColor(cr, Hex(0xA9B2B8));
    cairo_set_line_width(cr, 2.4);
    cairo_stroke(cr);
  }
  if (head) {
    cairo_move_to(cr, x + 1, bottom - 14);
    cairo_line_to(cr, x + 1, bottom - 4);
    cairo_curve_to(cr, x - 6, bottom, x - 16, bottom, x - 17, bottom - 5);
    cairo_line_to(cr, x - 14, bottom - 12);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(x - 17, bottom - 14, x, bottom);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.95, 0.96, 0.98);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.48, 0.53, 0.58);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    SetColor(cr, Hex(0x3A4248));
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
  }
}

}  // namespace

void AddEffects(Registry& r) {
  r["graphics/particles/particlering.png"] = [](Canvas& c, const PictureFile&) {
    cairo_t* cr = c.cr();
    for (int i = 0; i < 6; ++i) {
      Circle(cr, 32, 32, 26 - i * 0.4);
      SetColor(cr, WithAlpha(Hex(0xFFF1B8), 0.14));
      cairo_set_line_width(cr, 10 - i * 1.5);
      cairo_stroke(cr);
    }
    Circle(cr, 32, 32, 26);
    SetColor(cr, {1, 1, 1, 0.9});
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  };
  r["graphics/particles/sparkle.png"] = [](Canvas& c, const PictureFile&) { Sparkle(c); };
  r["graphics/particles/sparkle1small.png"] = [](Canvas& c, const PictureFile&) { Sparkle(c); };
  r["graphics/particles/rounddroplet.png"] = [](Canvas& c, const PictureFile&) {
    cairo_t* cr = c.cr();
    FillCircle(cr, 6, 6, 5.2, WithAlpha(pal::Water, 0.85));
    FillCircle(cr, 6, 6, 4, WithAlpha(pal::WaterLight, 0.8));
    FillCircle(cr, 4.3, 4.3, 1.5, {1, 1, 1, 0.95});
  };
  r["graphics/particles/spark_line.png"] = [](Canvas& c, const PictureFile&) {
    cairo_t* cr = c.cr();
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, 32);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 0);
    cairo_pattern_add_color_stop_rgba(p, 0.5, 1, 0.95, 0.7, 1);
    cairo_pattern_add_color_stop_rgba(p, 1, 1, 0.8, 0.3, 0);
    RoundedRect(cr, 2, 0, 4, 32, 2);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
  };
  const char* suits[] = {"club", "diamond", "heart", "spade"};
  for (int s = 0; s < 4; ++s) {
    r[std::string("graphics/particles/") + suits[s] + ".png"] = [s](Canvas& c, const PictureFile&) {
      FillSuit(c.cr(), s, 12.6, 12.8, 21, {0, 0, 0, 0.3});
      FillSuit(c.cr(), s, 12, 12, 21, s == 1 || s == 2 ? Hex(0xE53935) : Hex(0x263238));
      FillSuit(c.cr(), s, 10.5, 10, 6, {1, 1, 1, 0.35});
    };
  }
  r["graphics/particles/whack.png"] = [](Canvas& c, const PictureFile&) {
    cairo_t* cr = c.cr();
    Star(cr, 48, 32, 31, 17, 11);
    FillAndStroke(cr, Hex(0xFFD54F), pal::Warning, 2.5);
    SetFont(cr, Face::SansBold, 19);
    const Rgb out = Hex(0x8B1A00);
    CentredText(cr, "WHACK!", 48, 32, pal::CardWhite, &out, 1.6);
  };
  r["graphics/particles/stopwatch_small.png"] = [](Canvas& c, const PictureFile&) {
    cairo_t* cr = c.cr();
    cairo_rectangle(cr, 11.5, 1, 5, 4);
    SetColor(cr, Hex(0x9AA3A8));
    cairo_fill(cr);
    FillCircle(cr, 14, 18, 12.5, Hex(0x5C6468));
    FillCircle(cr, 14, 18, 10.5, pal::CardWhite);
    for (int i = 0; i < 12; ++i) {
      const double a = i * M_PI / 6;
      cairo_move_to(cr, 14 + 8.5 * std::cos(a), 18 + 8.5 * std::sin(a));
      cairo_line_to(cr, 14 + 10 * std::cos(a), 18 + 10 * std::sin(a));
    }
    SetColor(cr, pal::Black);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    cairo_move_to(cr, 14, 18);
    cairo_line_to(cr, 14, 10);
    cairo_move_to(cr, 14, 18);
    cairo_line_to(cr, 19, 20);
    SetColor(cr, pal::Red);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
  };
  r["graphics/particles/token.png"] = [](Canvas& c, const PictureFile&) { GoldCoin(c.cr(), 14, 14, 13); };
  r["graphics/particles/wedgeparticle.png"] = [](Canvas& c, const PictureFile&) {
    // a found wedge: the whole head in a golden glow with sparkles, unlike the broken head
    cairo_t* cr = c.cr();
    RadialGlow(cr, 22, 22, 19, WithAlpha(pal::BrassLight, 0.85));
    // the head gilded by the glow, so it reads apart from the grey broken iron head
    cairo_push_group(cr);
    IronClub(cr, 30, -30, 38, true, true);
    cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
    SetColor(cr, WithAlpha(pal::Brass, 0.55));
    cairo_paint(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    cairo_pop_group_to_source(cr);
    cairo_paint(cr);
    for (const auto& p : {std::pair{8.0, 9.0}, std::pair{33.0, 8.0}, std::pair{9.0, 32.0}}) {
      cairo_move_to(cr, p.first - 4, p.second);
      cairo_line_to(cr, p.first + 4, p.second);
      cairo_move_to(cr, p.first, p.second - 4);
      cairo_line_to(cr, p.first, p.second + 4);
    }
    SetColor(cr, pal::CardWhite);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
  };
  r["graphics/particles/full_length_iron.png"] = [](Canvas& c, const PictureFile&) {
    IronClub(c.cr(), 28, 2, 118, true, true);
  };
  r["graphics/particles/iron_broken_handle.png"] = [](Canvas& c, const PictureFile&) {
    cairo_t* cr = c.cr();
    IronClub(cr, 12, 2, 100, false, true);
    // the splintered end
    cairo_move_to(cr, 10.5, 76);
    cairo_line_to(cr, 12, 80);
    cairo_line_to(cr, 13.5, 76.5);
    SetColor(cr, Hex(0x6E777C));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  };
  r["graphics/particles/iron_broken_head.png"] = [](Canvas& c, const PictureFile&) {
    cairo_t* cr = c.cr();
    // the head tumbles, tilted, with a short stub of shaft snapped off in a jagged end
    cairo_save(cr);
    cairo_translate(cr, 20, 20);
    cairo_rotate(cr, 0.5);
    cairo_translate(cr, -20, -20);
    cairo_move_to(cr, 30, 10);
    cairo_line_to(cr, 30, 24);
    SetColor(cr, Hex(0x8E979D));
    cairo_set_line_width(cr, 2.4);
    cairo_stroke(cr);
    cairo_move_to(cr, 28.5, 11);
    cairo_line_to(cr, 29.4, 7.5);
    cairo_line_to(cr, 30.2, 10);
    cairo_line_to(cr, 31.5, 6.5);
    cairo_line_to(cr, 31.3, 11);
    SetColor(cr, Hex(0x5E666B));
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
    IronClub(cr, 30, 0, 38, true, false);
    cairo_restore(cr);
    // a dusting of grey chips round the break
    for (const auto& p : {std::pair{33.0, 5.0}, std::pair{36.0, 10.0}, std::pair{27.0, 3.0}})
      FillCircle(cr, p.first, p.second, 0.9, Hex(0x6E777C));
  };
  r["graphics/particles/leaf.png"] = [](Canvas& c, const PictureFile&) {
    cairo_t* cr = c.cr();
    cairo_move_to(cr, 1, 8);
    cairo_curve_to(cr, 6, 0, 14, 1, 19, 8);
    cairo_curve_to(cr, 14, 15, 6, 16, 1, 8);
    SetColor(cr, Hex(0x6FA83A));
    cairo_fill(cr);
    cairo_move_to(cr, 1, 8);
    cairo_line_to(cr, 17, 8);
    SetColor(cr, Hex(0x3E6B1F));
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
  };
  r["graphics/particles/xraying.png"] = [](Canvas& c, const PictureFile&) {
    cairo_t* cr = c.cr();
    FillRoundedRect(cr, 2, 2, 96, 26, 8, Hex(0x0D2A3F, 0.85));
    RoundedRect(cr, 2, 2, 96, 26, 8);
    SetColor(cr, Hex(0x6FE3FF));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    SetFont(cr, Face::SansBold, 15);
    CentredText(cr, "X-RAY", 50, 15, Hex(0xBFF4FF));
  };
  // The HUD draws the long-drive ball and its glow with their top-left corners 2 px left of and
  // 16 px above the point on the ball's path, with the multiplier written 30 px above that point:
  // the ball (10 px round) and the glow's centre stand just right of the path point.
  r["graphics/gamescreen/ball_glow.png"] = [](Canvas& c, const PictureFile&) {
    RadialGlow(c.cr(), 10, 15, 10, {1, 0.95, 0.6, 0.95});
  };
  r["graphics/gamescreen/longrun_ball_large.png"] = [](Canvas& c, const PictureFile&) { GolfBall(c.cr(), 10, 15, 9.5); };
  r["graphics/gamescreen/longrun_ball_gray_large.png"] = [](Canvas& c, const PictureFile&) {
    GolfBall(c.cr(), 10, 15, 9.5);
    FillCircle(c.cr(), 10, 15, 10, {0.35, 0.37, 0.4, 0.55});
  };
  r["graphics/courseselector/small_padlock.png"] = [](Canvas& c, const PictureFile&) {
    cairo_t* cr = c.cr();
    cairo_arc(cr, 10, 10, 6, M_PI, 2 * M_PI);
    cairo_line_to(cr, 16, 12);
    cairo_move_to(cr, 4, 12);
    cairo_line_to(cr, 4, 10);
    SetColor(cr, Hex(0x9AA3A8));
    cairo_set_line_width(cr, 2.4);
    cairo_stroke(cr);
    FillRoundedRect(cr, 2, 11, 16, 12, 2, pal::Brass);
    FillRoundedRect(cr, 3, 12, 14, 4, 2, WithAlpha(pal::BrassLight, 0.8));
    FillCircle(cr, 10, 17, 1.8, pal::DarkWood);
    cairo_rectangle(cr, 9.3, 17, 1.4, 3.5);
    SetColor(cr, pal::DarkWood);
    cairo_fill(cr);
  };
  r["graphics/wildshots/defaultwildshot.png"] = [](Canvas& c, const PictureFile& s) {
    cairo_t* cr = c.cr();
    FillRoundedRect(cr, 2, 2, s.w - 4, s.h - 4, 8, Hex(0x3B1F5C));
    RadialGlow(cr, s.w / 2.0, s.h / 2.0, s.w * 0.7, WithAlpha(Hex(0xB388FF), 0.7));
    Star(cr, s.w / 2.0, s.h / 2.0 - 8, 34, 14, 5);
    SetColor(cr, pal::BrassLight);
    cairo_fill(cr);
    SetFont(cr, Face::Bookman, 20);
    const Rgb out = Hex(0x2A1242);
    CentredText(cr, "Wild", s.w / 2.0, s.h * 0.78, pal::Cream, &out, 1.4);
    CentredText(cr, "Shot!", s.w / 2.0, s.h * 0.9, pal::Cream, &out, 1.4);
    RoundedRect(cr, 3, 3, s.w - 6, s.h - 6, 7);
    SetColor(cr, pal::Brass);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
  };
}

}  // namespace art

// Pictures of the start-up and the shared screens: the studio splash, the portal logos, the loading
// screen with its ball and hole, the pause sign, the dialog buttons, the player manager and the
// mouse pointers.

#include <cmath>
#include <string>

#include "tools/art/registry.h"

namespace art {

namespace {

// The loading screen's putting green: the ball rolls from x 202 to 568 along y 373 and drops into
// the hole centred at (568, 380). The hole's surroundings are one flat colour so that the lip picture
// drawn over the ball matches them exactly.
constexpr double kHoleX = 568, kHoleY = 380, kHoleRx = 8.5, kHoleRy = 4;
const Rgb kGreenFlat = Hex(0x5FAE55);

void Hole(cairo_t* cr) {
  FillEllipse(cr, kHoleX, kHoleY, kHoleRx, kHoleRy, Hex(0x1B2A17));
  FillEllipse(cr, kHoleX, kHoleY + 0.6, kHoleRx - 1.2, kHoleRy - 1.4, Hex(0x0C140A));
}

void Cloud(cairo_t* cr, double x, double y, double s) {
  const double bumps[][3] = {{0, 0, 1}, {0.9, -0.3, 0.8}, {1.7, 0.05, 0.7}, {-0.8, 0.15, 0.65}};
  for (const auto& b : bumps) Circle(cr, x + b[0] * s * 20, y + b[1] * s * 20, b[2] * s * 20);
  SetColor(cr, pal::Cloud);
  cairo_fill(cr);
}

void LoadingBackground(cairo_t* cr) {
  VerticalGradient(cr, 0, 0, 800, 330, pal::SkyTop, pal::SkyLow);
  Cloud(cr, 120, 80, 1.3);
  Cloud(cr, 520, 60, 1.0);
  Cloud(cr, 690, 130, 0.8);
  // distant tree line and hills
  cairo_move_to(cr, 0, 300);
  for (int x = 0; x <= 800; x += 40) cairo_curve_to(cr, x + 10, 270 + (x % 120) / 6.0, x + 30, 268, x + 40, 292);
  cairo_line_to(cr, 800, 340);
  cairo_line_to(cr, 0, 340);
  cairo_close_path(cr);
  SetColor(cr, pal::DeepGreen);
  cairo_fill(cr);
  VerticalGradient(cr, 0, 320, 800, 280, pal::Fairway, Darker(pal::Fairway, 0.25));
  // mowing stripes
  for (int i = 0; i < 10; ++i) {
    cairo_rectangle(cr, i * 80, 320, 40, 280);
    SetColor(cr, WithAlpha(pal::LightGrass, 0.08));
    cairo_fill(cr);
  }
  // the putting green: an oval whose middle band is flat
  FillEllipse(cr, 400, 390, 300, 95, Darker(kGreenFlat, 0.12));
  FillEllipse(cr, 400, 390, 292, 88, kGreenFlat);
  // the ball's track: a line of flattened dew from the fringe to the hole, fading in at its start
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  const double widths[] = {13, 8, 4};
  const double alphas[] = {0.16, 0.22, 0.3};
  for (int k = 0; k < 3; ++k) {
    cairo_pattern_t* fade = cairo_pattern_create_linear(150, 0, 330, 0);
    cairo_pattern_add_color_stop_rgba(fade, 0, 0.9, 1, 0.86, 0);
    cairo_pattern_add_color_stop_rgba(fade, 1, 0.9, 1, 0.86, alphas[k]);
    cairo_move_to(cr, 150, 376);
    cairo_curve_to(cr, 300, 371, 440, 373, kHoleX - 12, 373);
    cairo_set_source(cr, fade);
    cairo_set_line_width(cr, widths[k]);
    cairo_stroke(cr);
    cairo_pattern_destroy(fade);
  }
  Rng rng(17);
  for (int i = 0; i < 70; ++i) {
    const double x = rng.Range(250, kHoleX - 14);
    FillCircle(cr, x, 373 + rng.Range(-6.5, 6.5), rng.Range(0.6, 1.2), WithAlpha(pal::CardWhite, 0.55));
  }
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  Hole(cr);
  // the flagstick stands in the hole: its foot ends at the hole's centre, inside the dark cup
  cairo_rectangle(cr, kHoleX - 1.5, 282, 3, kHoleY - 282);
  SetColor(cr, Hex(0xF4F4F4));
  cairo_fill(cr);
  cairo_rectangle(cr, kHoleX + 0.5, 282, 1, kHoleY - 282);
  SetColor(cr, Hex(0xB8B8B8));
  cairo_fill(cr);
  cairo_move_to(cr, kHoleX + 1.5, 284);
  cairo_curve_to(cr, kHoleX + 24, 288, kHoleX + 39, 292, kHoleX + 54, 298);
  cairo_curve_to(cr, kHoleX + 39, 304, kHoleX + 24, 310, kHoleX + 1.5, 314);
  cairo_close_path(cr);
  SetColor(cr, pal::Red);
  cairo_fill(cr);
  // title board at the top
  SoftShadow(cr, 204, 36, 400, 110, 14, 0.35, 6);
  WoodBoard(cr, 200, 30, 400, 110, 14, 0.05);
  SetFont(cr, Face::Bookman, 56);
  const Rgb out = pal::DarkWood;
  CentredText(cr, "Quillbrook", 400, 78, pal::Cream, &out, 2.2);
  SetFont(cr, Face::SansBold, 16);
  CentredText(cr, "A golf patience game", 400, 120, pal::BrassLight, &out, 1.0);
  // hedges at the bottom corners
  for (int i = 0; i < 14; ++i) {
    FillCircle(cr, i * 22.0, 600 - (i % 3) * 4, 24, Darker(pal::DeepGreen, 0.05 * (i % 2)));
    FillCircle(cr, 800 - i * 22.0, 604 - (i % 4) * 3, 24, Darker(pal::DeepGreen, 0.05 * (i % 3)));
  }
}

void BallMask(cairo_t* cr) {
  // The picture is 30 x 10 centred on (568, 385): its top edge runs through the hole's centre.
  // Green everywhere but inside the hole, so a sinking ball vanishes behind the hole's front lip.
  const double hx = kHoleX - 553, hy = kHoleY - 380;
  cairo_rectangle(cr, 0, 0, 30, 10);
  cairo_save(cr);
  cairo_translate(cr, hx, hy);
  cairo_scale(cr, kHoleRx, kHoleRy);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  SetColor(cr, kGreenFlat);
  cairo_fill(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  cairo_save(cr);
  cairo_translate(cr, hx, hy);
  cairo_scale(cr, kHoleRx, kHoleRy);
  cairo_arc(cr, 0, 0, 1, 0, M_PI);
  cairo_restore(cr);
  SetColor(cr, Hex(0x1B2A17));
  cairo_set_line_width(cr, 0.9);
  cairo_stroke(cr);
}

void Button(Canvas& c, const std::string& text, bool over) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  if (over) {
    ButtonGlow(cr, w, h, 9);
  } else {
    SoftShadow(cr, 4, 5, w - 7, h - 7, 9, 0.3, 3);
  }
  WoodBoard(cr, 3, 3, w - 6, h - 6, 9, over ? MOUSE_OVER_BRIGHT : 0.0);
  FitFont(cr, Face::Bookman, h * 0.45, text, w - 22, 8, 1);
  const Rgb out = pal::DarkWood;
  CentredText(cr, text, w / 2, h / 2, over ? Hex(0xFFFFFF) : pal::Cream, &out, 1.3);
}

void Logo(Canvas& c, const std::string& title, const std::string& sub) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  // a brass crest with a quill crossing a golf flag, and the name beneath
  const double cx = w / 2, cy = h * 0.36, r = h * 0.26;
  RadialGlow(cr, cx, cy, r * 1.6, WithAlpha(pal::BrassLight, 0.35));
  FillCircle(cr, cx, cy, r, pal::DeepGreen);
  Circle(cr, cx, cy, r);
  SetColor(cr, pal::Brass);
  cairo_set_line_width(cr, r * 0.1);
  cairo_stroke(cr);
  // flag
  cairo_rectangle(cr, cx - r * 0.12, cy - r * 0.62, r * 0.06, r * 1.1);
  SetColor(cr, pal::Cream);
  cairo_fill(cr);
  cairo_move_to(cr, cx - r * 0.06, cy - r * 0.62);
  cairo_line_to(cr, cx + r * 0.48, cy - r * 0.45);
  cairo_line_to(cr, cx - r * 0.06, cy - r * 0.28);
  cairo_close_path(cr);
  SetColor(cr, pal::Red);
  cairo_fill(cr);
  // quill
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, -0.7);
  cairo_move_to(cr, 0, r * 0.75);
  cairo_curve_to(cr, -r * 0.25, r * 0.1, -r * 0.15, -r * 0.5, 0, -r * 0.8);
  cairo_curve_to(cr, r * 0.15, -r * 0.5, r * 0.25, r * 0.1, 0, r * 0.75);
  SetColor(cr, WithAlpha(pal::CardWhite, 0.95));
  cairo_fill(cr);
  cairo_move_to(cr, 0, r * 0.75);
  cairo_line_to(cr, 0, -r * 0.7);
  SetColor(cr, pal::Brass);
  cairo_set_line_width(cr, r * 0.03);
  cairo_stroke(cr);
  cairo_restore(cr);
  GolfBall(cr, cx + r * 0.35, cy + r * 0.5, r * 0.2);
  SetFont(cr, Face::Bookman, h * 0.16);
  const Rgb out = pal::DarkWood;
  CentredText(cr, title, cx, h * 0.78, pal::Cream, &out, 2);
  SetFont(cr, Face::SansBold, h * 0.065);
  CentredText(cr, sub, cx, h * 0.92, pal::BrassLight);
}

void Pointer(Canvas& c) {
  cairo_t* cr = c.cr();
  // an arrow whose tip is the hot spot (2, 1)
  auto arrow = [&](double dx, double dy) {
    cairo_new_path(cr);
    cairo_move_to(cr, 2 + dx, 1 + dy);
    cairo_line_to(cr, 2 + dx, 23 + dy);
    cairo_line_to(cr, 7.5 + dx, 18 + dy);
    cairo_line_to(cr, 11.5 + dx, 27 + dy);
    cairo_line_to(cr, 15 + dx, 25.5 + dy);
    cairo_line_to(cr, 11 + dx, 16.8 + dy);
    cairo_line_to(cr, 18 + dx, 16.8 + dy);
    cairo_close_path(cr);
  };
  arrow(2, 2);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.3);
  cairo_fill(cr);
  arrow(0, 0);
  cairo_pattern_t* p = cairo_pattern_create_linear(2, 1, 14, 26);
  cairo_pattern_add_color_stop_rgb(p, 0, 1, 1, 0.96);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.86, 0.9, 0.82);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  SetColor(cr, pal::DeepGreen);
  cairo_set_line_width(cr, 1.3);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

void Crosshair(Canvas& c) {
  cairo_t* cr = c.cr();
  const double cx = 21, cy = 20;  // the hot spot
  for (int pass = 0; pass < 2; ++pass) {
    const Rgb col = pass == 0 ? Rgb{0, 0, 0, 0.45} : pal::Warning;
    const double lw = pass == 0 ? 3.6 : 2.0;
    Circle(cr, cx, cy, 13);
    SetColor(cr, col);
    cairo_set_line_width(cr, lw);
    cairo_stroke(cr);
    cairo_move_to(cr, cx - 19, cy);
    cairo_line_to(cr, cx - 6, cy);
    cairo_move_to(cr, cx + 6, cy);
    cairo_line_to(cr, cx + 19, cy);
    cairo_move_to(cr, cx, cy - 19);
    cairo_line_to(cr, cx, cy - 6);
    cairo_move_to(cr, cx, cy + 6);
    cairo_line_to(cr, cx, cy + 19);
    cairo_stroke(cr);
  }
  FillCircle(cr, cx, cy, 1.6, pal::Warning);
}

}  // namespace

void AddScreens(Registry& r) {
  r["Marrowfen.png"] = [](Canvas& c, const PictureFile&) { Logo(c, "Marrowfen", "GAMES"); };
  r["portallogo.png"] = [](Canvas& c, const PictureFile&) { Logo(c, "Quillbrook", "PLAY  \u2022  RELAX  \u2022  PUTT"); };
  r["portallogo2.png"] = [](Canvas& c, const PictureFile&) { Logo(c, "Quillbrook", "A GAME BY MARROWFEN"); };
  r["graphics/paused.png"] = [](Canvas& c, const PictureFile&) {
    cairo_t* cr = c.cr();
    SoftShadow(cr, 8, 10, c.w() - 14, c.h() - 14, 14, 0.4, 6);
    WoodBoard(cr, 5, 5, c.w() - 12, c.h() - 12, 14, 0.05);
    SetFont(cr, Face::Bookman, 42);
    const Rgb out = pal::DarkWood;
    CentredText(cr, "Paused", c.w() / 2.0, c.h() / 2.0, pal::Cream, &out, 2);
  };
  r["graphics/Loading/loadingscreen.jpg"] = [](Canvas& c, const PictureFile&) { LoadingBackground(c.cr()); };
  r["graphics/Loading/ballmask.png"] = [](Canvas& c, const PictureFile&) { BallMask(c.cr()); };
  r["graphics/Loading/ball.png"] = [](Canvas& c, const PictureFile&) { GolfBall(c.cr(), 7, 7, 6.3); };
  auto loading_text = [](Canvas& c, double size) {
    SetFont(c.cr(), Face::Bookman, size);
    const Rgb out = pal::DarkWood;
    CentredText(c.cr(), "Loading\u2026", c.w() / 2.0, c.h() / 2.0, pal::Cream, &out, size / 14);
  };
  r["graphics/Loading/loading.png"] = [loading_text](Canvas& c, const PictureFile&) { loading_text(c, 34); };
  r["graphics/Loading/loading_small.png"] = [loading_text](Canvas& c, const PictureFile&) { loading_text(c, 22); };
  r["graphics/Loading/clickhere.png"] = [](Canvas& c, const PictureFile&) { Button(c, "Click here to play", false); };
  r["graphics/Loading/clickhereMO.png"] = [](Canvas& c, const PictureFile&) { Button(c, "Click here to play", true); };
  for (const char* b : {"OK", "Yes", "No", "Cancel", "Create", "Delete"}) {
    const std::string name = b;
    r["menus/" + name + ".png"] = [name](Canvas& c, const PictureFile&) { Button(c, name, false); };
    r["menus/" + name + "MO.png"] = [name](Canvas& c, const PictureFile&) { Button(c, name, true); };
  }
  // The player manager on the title screen: the dialog's board (480 x 380, centred on the screen),
  // the frame drawn over its list (centred on the screen too) and the header centred at (400, 95).
  // The list starts at y 151 and the button row hangs from 3 px above the board's bottom edge
  // (y 487 to 527), so the frame is the larger board: a window over the list, the header on its
  // top bar and the buttons on its bottom bar.
  r["graphics/PlayerManager/player_manager_bg.png"] = [](Canvas& c, const PictureFile&) {
    cairo_t* cr = c.cr();
    const double w = c.w(), h = c.h();
    WoodBoard(cr, 0, 0, w, h, 18, 0.0);
    // the list's panel, seen through the frame's window (screen 200..600 x 140..474)
    RoundedRect(cr, 36, 26, w - 72, 342, 12);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 26, 0, 368);
    cairo_pattern_add_color_stop_rgba(p, 0, 0.16, 0.11, 0.06, 0.92);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.1, 0.07, 0.04, 0.92);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
  };
  r["graphics/PlayerManager/player_manager_frame.png"] = [](Canvas& c, const PictureFile&) {
    cairo_t* cr = c.cr();
    const double w = c.w(), h = c.h();  // 520 x 484: screen (140, 58) to (660, 542)
    const double wx = 60, wy = 82, ww = w - 120, wh = 334;  // the window over the list
    SoftShadow(cr, 7, 9, w - 12, h - 12, 18, 0.35, 4);
    cairo_push_group(cr);
    WoodBoard(cr, 4, 4, w - 12, h - 12, 18, 0.0, false);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    RoundedRect(cr, wx, wy, ww, wh, 12);
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    cairo_pop_group_to_source(cr);
    cairo_paint(cr);
    // brass rims: round the board and round the window, light on the upper left
    BrassRing(cr, 6, 6, w - 16, h - 16, 16, 4, 0.8);
    BrassRing(cr, wx - 2, wy - 2, ww + 4, wh + 4, 13, 4, 0.8);
    // inner shadow along the window's top and left edges
    InnerShadow(cr, wx, wy, ww, wh, 12, 4, 0.12);
    for (double x : {wx - 2, wx + ww + 2})
      for (double y : {wy - 2, wy + wh + 2}) {
        FillCircle(cr, x, y, 5, pal::Brass);
        FillCircle(cr, x - 1, y - 1, 2, pal::BrassLight);
      }
  };
  r["graphics/PlayerManager/change_player.png"] = [](Canvas& c, const PictureFile&) {
    cairo_t* cr = c.cr();
    SoftShadow(cr, 6, 7, c.w() - 10, c.h() - 10, 12, 0.3, 4);
    WoodBoard(cr, 4, 4, c.w() - 10, c.h() - 10, 12, 0.08);
    SetFont(cr, Face::Bookman, 26);
    const Rgb out = pal::DarkWood;
    CentredText(cr, "Change Player", c.w() / 2.0, c.h() / 2.0, pal::Cream, &out, 1.6);
  };
  r["graphics/pointer.png"] = [](Canvas& c, const PictureFile&) { Pointer(c); };
  r["graphics/crosshair.png"] = [](Canvas& c, const PictureFile&) { Crosshair(c); };
}

}  // namespace art

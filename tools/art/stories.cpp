// The wild shot story pictures: the first picture of each of the 29 stories of text/wildshots.txt
// (frame n - 1 shows story n), and the gopher's own first picture. Each is a little framed scene of
// the course with the story's subject in front, readable at 118 x 172.

#include <cmath>
#include <functional>
#include <string>

#include "tools/art/registry.h"

namespace art {

namespace {

// A story card's size, and how far right of its picture's left edge the gopher's card stands
// (the dialog draws the gopher's pictures that far left of the card's place).
constexpr double kCardW = 118, kCardH = 172, kGopherShift = 26;

// The frame and the course behind every story: sky, a rolling fairway and a brass rim.
void StoryFrame(cairo_t* cr, double w, double h, const Rgb& sky, const std::function<void(cairo_t*)>& motif) {
  RoundedRect(cr, 2, 2, w - 4, h - 4, 8);
  cairo_save(cr);
  cairo_clip(cr);
  VerticalGradient(cr, 0, 0, w, h * 0.6, sky, Lighter(sky, 0.5));
  cairo_move_to(cr, 0, h * 0.58);
  cairo_curve_to(cr, w * 0.3, h * 0.53, w * 0.7, h * 0.62, w, h * 0.55);
  cairo_line_to(cr, w, h);
  cairo_line_to(cr, 0, h);
  cairo_close_path(cr);
  VerticalGradient(cr, 0, h * 0.52, w, h * 0.48, Lighter(pal::Fairway, 0.12), Darker(pal::Fairway, 0.1));
  cairo_fill(cr);
  motif(cr);
  cairo_restore(cr);
  RoundedRect(cr, 3, 3, w - 6, h - 6, 7);
  SetColor(cr, pal::Brass);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
}

void Line(cairo_t* cr, double x0, double y0, double x1, double y1, double width, const Rgb& c) {
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  SetColor(cr, c);
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

void Flag(cairo_t* cr, double x, double ground) {
  cairo_rectangle(cr, x, ground - 30, 1.6, 30);
  SetColor(cr, Hex(0xEEEEEE));
  cairo_fill(cr);
  cairo_move_to(cr, x + 1.6, ground - 30);
  cairo_line_to(cr, x + 14, ground - 25);
  cairo_line_to(cr, x + 1.6, ground - 20);
  SetColor(cr, pal::Red);
  cairo_fill(cr);
}

void Pond(cairo_t* cr, double cx, double cy, double rx) {
  FillEllipse(cr, cx, cy, rx, rx * 0.32, pal::Water);
  FillEllipse(cr, cx - rx * 0.25, cy - rx * 0.08, rx * 0.35, rx * 0.07, WithAlpha(pal::WaterLight, 0.8));
}

void Bunker(cairo_t* cr, double cx, double cy, double rx) {
  FillEllipse(cr, cx, cy, rx, rx * 0.3, Darker(pal::Sand, 0.12));
  FillEllipse(cr, cx, cy - 1, rx - 2, rx * 0.3 - 2, pal::Sand);
}

void Cloud(cairo_t* cr, double cx, double cy, double s, const Rgb& c) {
  FillCircle(cr, cx - 14 * s, cy + 2 * s, 10 * s, c);
  FillCircle(cr, cx, cy - 4 * s, 14 * s, c);
  FillCircle(cr, cx + 15 * s, cy + 2 * s, 10 * s, c);
  cairo_rectangle(cr, cx - 14 * s, cy + 2 * s, 29 * s, 10 * s);
  SetColor(cr, c);
  cairo_fill(cr);
}

// A club lying at an angle: grip at (x0, y0), head at (x1, y1).
void Club(cairo_t* cr, double x0, double y0, double x1, double y1) {
  const double dx = x1 - x0, dy = y1 - y0;
  Line(cr, x0, y0, x0 + dx * 0.25, y0 + dy * 0.25, 4.5, Hex(0x2B2B2B));
  Line(cr, x0 + dx * 0.25, y0 + dy * 0.25, x1, y1, 2, Hex(0xA9B2B8));
  cairo_save(cr);
  cairo_translate(cr, x1, y1);
  cairo_rotate(cr, std::atan2(dy, dx) - M_PI / 2);
  cairo_move_to(cr, -1, -2);
  cairo_line_to(cr, -1, 6);
  cairo_curve_to(cr, 5, 9, 13, 9, 14, 5);
  cairo_line_to(cr, 12, -1);
  cairo_close_path(cr);
  FillAndStroke(cr, Hex(0xC9D0D6), Hex(0x3A4248), 0.8);
  cairo_restore(cr);
}

void GolfBag(cairo_t* cr, double cx, double bottom, const Rgb& c) {
  Club(cr, cx - 4, bottom - 62, cx - 10, bottom - 84);
  Club(cr, cx + 4, bottom - 62, cx + 12, bottom - 82);
  FillRoundedRect(cr, cx - 13, bottom - 62, 26, 62, 6, c);
  FillRoundedRect(cr, cx - 15, bottom - 64, 30, 8, 3, Darker(c, 0.3));
  FillRoundedRect(cr, cx - 15, bottom - 14, 30, 8, 3, Darker(c, 0.3));
  cairo_rectangle(cr, cx + 6, bottom - 54, 3, 40);
  SetColor(cr, WithAlpha(Lighter(c, 0.4), 0.8));
  cairo_fill(cr);
}

void PlayingCard(cairo_t* cr, double cx, double cy, double angle, double s) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, angle);
  FillRoundedRect(cr, -9 * s + 1, -13 * s + 1.5, 18 * s, 26 * s, 2.5, Hex(0x000000, 0.25));
  FillRoundedRect(cr, -9 * s, -13 * s, 18 * s, 26 * s, 2.5, pal::CardWhite);
  RoundedRect(cr, -9 * s, -13 * s, 18 * s, 26 * s, 2.5);
  SetColor(cr, pal::CardEdge);
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
  FillSuit(cr, 2, 0, 0, 10 * s, pal::Red);
  cairo_restore(cr);
}

void Gopher(cairo_t* cr, double cx, double cy, double s) {
  // mound, body, head, eyes, teeth
  FillEllipse(cr, cx, cy + 18 * s, 34 * s, 12 * s, Hex(0x7A5230));
  const Rgb fur = Hex(0xA0703F);
  FillEllipse(cr, cx, cy, 16 * s, 20 * s, fur);
  FillCircle(cr, cx, cy - 20 * s, 15 * s, fur);
  FillCircle(cr, cx - 11 * s, cy - 32 * s, 4.5 * s, Darker(fur, 0.2));
  FillCircle(cr, cx + 11 * s, cy - 32 * s, 4.5 * s, Darker(fur, 0.2));
  FillCircle(cr, cx, cy - 14 * s, 8 * s, Lighter(fur, 0.35));
  FillCircle(cr, cx - 5.5 * s, cy - 24 * s, 2.8 * s, pal::Black);
  FillCircle(cr, cx + 5.5 * s, cy - 24 * s, 2.8 * s, pal::Black);
  FillCircle(cr, cx - 4.8 * s, cy - 24.8 * s, 0.9 * s, {1, 1, 1, 1});
  FillCircle(cr, cx + 6.2 * s, cy - 24.8 * s, 0.9 * s, {1, 1, 1, 1});
  FillCircle(cr, cx, cy - 17 * s, 2.6 * s, Hex(0x3A2A1A));
  cairo_rectangle(cr, cx - 3 * s, cy - 12 * s, 6 * s, 5 * s);
  SetColor(cr, pal::CardWhite);
  cairo_fill(cr);
}

void Stopwatch(cairo_t* cr, double cx, double cy, double r) {
  FillRoundedRect(cr, cx - 4, cy - r - 9, 8, 7, 2, pal::Brass);
  FillCircle(cr, cx, cy, r + 3, pal::Brass);
  FillCircle(cr, cx, cy, r, pal::CardWhite);
  for (int i = 0; i < 12; ++i) {
    const double a = i * M_PI / 6;
    Line(cr, cx + std::sin(a) * r * 0.78, cy - std::cos(a) * r * 0.78, cx + std::sin(a) * r * 0.9,
         cy - std::cos(a) * r * 0.9, 1.2, pal::Black);
  }
  Line(cr, cx, cy, cx, cy - r * 0.7, 2, pal::Black);
  Line(cr, cx, cy, cx + r * 0.45, cy + r * 0.2, 2, pal::Red);
}

void Bolt(cairo_t* cr, double x, double y, double s) {
  cairo_move_to(cr, x, y);
  cairo_line_to(cr, x - 10 * s, y + 24 * s);
  cairo_line_to(cr, x - 2 * s, y + 22 * s);
  cairo_line_to(cr, x - 9 * s, y + 46 * s);
  cairo_line_to(cr, x + 8 * s, y + 16 * s);
  cairo_line_to(cr, x, y + 18 * s);
  cairo_line_to(cr, x + 7 * s, y);
  cairo_close_path(cr);
  FillAndStroke(cr, Hex(0xFFE46B), Hex(0xB07D00), 1);
}

void WindLines(cairo_t* cr, double x, double y, double w, const Rgb& c) {
  for (int i = 0; i < 3; ++i) {
    const double yy = y + i * 9, xx = x + (i % 2) * 8;
    cairo_move_to(cr, xx, yy);
    cairo_curve_to(cr, xx + w * 0.4, yy - 4, xx + w * 0.7, yy + 4, xx + w, yy - 2);
    cairo_arc(cr, xx + w - 2, yy - 6, 4, M_PI / 2, 2 * M_PI);
  }
  SetColor(cr, c);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
}

void Person(cairo_t* cr, double cx, double ground, double s, const Rgb& shirt) {
  Line(cr, cx - 4 * s, ground, cx - 3 * s, ground - 18 * s, 4 * s, Hex(0x3B4A5A));
  Line(cr, cx + 4 * s, ground, cx + 3 * s, ground - 18 * s, 4 * s, Hex(0x3B4A5A));
  FillRoundedRect(cr, cx - 7 * s, ground - 36 * s, 14 * s, 20 * s, 4 * s, shirt);
  FillCircle(cr, cx, ground - 42 * s, 6 * s, Hex(0xF0C8A0));
}

// The wardrobe story's cap and glove, blown along by the wind: at u = 0 they are lifted off the
// bank, by u = 1 the cap has come down on the lake and the glove tumbles after it.
void CapAndGlove(cairo_t* cr, double w, double h, double u) {
  cairo_save(cr);
  cairo_translate(cr, w * (0.3 + 0.26 * u), h * (0.5 + 0.24 * u * u) - std::sin(u * M_PI) * 6);
  cairo_rotate(cr, -0.4 + u * 1.2);
  cairo_arc(cr, 0, 0, 11, M_PI, 2 * M_PI);
  SetColor(cr, pal::Red);
  cairo_fill(cr);
  FillRoundedRect(cr, 0, -2, 16, 4, 2, Darker(pal::Red, 0.2));
  cairo_restore(cr);
  // a white golf glove: palm, four fingers, a thumb out to the side and a tan strap
  cairo_save(cr);
  cairo_translate(cr, w * (0.62 + 0.16 * u), h * (0.44 - 0.1 * std::sin(u * M_PI)));
  cairo_rotate(cr, 0.35 + u * 2.4);
  const Rgb glove = pal::CardWhite, seam = Hex(0xB8BCC0);
  const double fingers[][2] = {{-7.5, 13}, {-2.5, 15}, {2.5, 14}, {7.2, 11}};
  for (const auto& f : fingers) {
    FillRoundedRect(cr, f[0] - 2.3, -f[1], 4.6, f[1] + 4, 2.3, glove);
    RoundedRect(cr, f[0] - 2.3, -f[1], 4.6, f[1] + 4, 2.3);
    SetColor(cr, seam);
    cairo_set_line_width(cr, 0.6);
    cairo_stroke(cr);
  }
  cairo_save(cr);
  cairo_translate(cr, -10, 6);
  cairo_rotate(cr, -0.9);
  FillRoundedRect(cr, -2.5, -10, 5, 12, 2.5, glove);
  cairo_restore(cr);
  FillRoundedRect(cr, -10, -1, 20, 18, 5, glove);
  RoundedRect(cr, -10, -1, 20, 18, 5);
  SetColor(cr, seam);
  cairo_stroke(cr);
  FillRoundedRect(cr, -10, 11, 20, 5, 2, Hex(0xC9A87A));
  cairo_restore(cr);
}

// Story n (1 to 29) in front of its course.
void StoryMotif(cairo_t* cr, int n, double w, double h) {
  const double ground = h * 0.6;
  switch (n) {
    case 1:  // sponsor: an advertising board and a cheque of coins
      FillRoundedRect(cr, w * 0.5 - 38, 34, 76, 44, 6, pal::CardWhite);
      RoundedRect(cr, w * 0.5 - 38, 34, 76, 44, 6);
      SetColor(cr, pal::Brass);
      cairo_set_line_width(cr, 2);
      cairo_stroke(cr);
      Line(cr, w * 0.5 - 26, 78, w * 0.5 - 26, ground + 4, 3, pal::DarkWood);
      Line(cr, w * 0.5 + 26, 78, w * 0.5 + 26, ground + 4, 3, pal::DarkWood);
      SetFont(cr, Face::SansBold, 12);
      CentredText(cr, "SWING", w * 0.5, 50, pal::Red);
      CentredText(cr, "PRO", w * 0.5, 66, pal::DeepGreen);
      for (int k = 0; k < 3; ++k) GoldCoin(cr, w * (0.3 + 0.2 * k), h * (0.8 - 0.04 * k), 9);
      break;
    case 2:  // found_iron: an old bag left in the rough
      for (int k = 0; k < 9; ++k) Line(cr, 12 + k * 11, h - 14, 16 + k * 11, h - 34, 2, pal::DeepGreen);
      GolfBag(cr, w * 0.5, h - 22, Hex(0x8C3B2E));
      break;
    case 3:  // lucky_bounce: a sprinkler sends the ball to the flag
      Flag(cr, w * 0.75, ground);
      FillRoundedRect(cr, w * 0.2 - 5, h * 0.8, 10, 6, 2, Hex(0x6E767C));
      for (int k = 0; k < 4; ++k) Line(cr, w * 0.2, h * 0.8, w * 0.2 - 12 + k * 8, h * 0.8 - 14, 1.2, pal::WaterLight);
      cairo_move_to(cr, w * 0.2, h * 0.78);
      cairo_curve_to(cr, w * 0.3, h * 0.3, w * 0.55, h * 0.3, w * 0.68, h * 0.58);
      SetColor(cr, WithAlpha(pal::CardWhite, 0.9));
      cairo_set_line_width(cr, 1.5);
      DashedStroke(cr, 3, 3);
      GolfBall(cr, w * 0.68, h * 0.58, 5);
      break;
    case 4: {  // rainbow
      const Rgb bands[] = {Hex(0xE53935), Hex(0xFB8C00), Hex(0xFDD835), Hex(0x43A047), Hex(0x1E88E5), Hex(0x8E24AA)};
      for (int k = 0; k < 6; ++k) {
        cairo_arc(cr, w * 0.5, ground + 10, 56 - k * 5, M_PI, 2 * M_PI);
        SetColor(cr, WithAlpha(bands[k], 0.85));
        cairo_set_line_width(cr, 5);
        cairo_stroke(cr);
      }
      Flag(cr, w * 0.5, ground + 4);
      break;
    }
    case 5:  // gopher: pops up with the ball
      Gopher(cr, w / 2.0, h * 0.7, 1.1);
      GolfBall(cr, w / 2.0 + 20, h * 0.64, 5);
      break;
    case 6:  // lost_wallet: a wallet in the bunker
      Bunker(cr, w * 0.5, h * 0.76, 44);
      FillRoundedRect(cr, w * 0.5 - 14, h * 0.7, 28, 18, 3, Hex(0x6D3F1E));
      FillRoundedRect(cr, w * 0.5 - 14, h * 0.7, 28, 7, 3, Hex(0x8A5A2E));
      FillCircle(cr, w * 0.5 + 9, h * 0.7 + 9, 2, pal::Brass);
      break;
    case 7:  // water_skip: the ball skips over the pond
      Pond(cr, w * 0.5, h * 0.74, 46);
      for (int k = 0; k < 3; ++k) FillEllipse(cr, w * (0.25 + 0.22 * k), h * 0.74, 6, 2, WithAlpha(pal::CardWhite, 0.7));
      cairo_move_to(cr, w * 0.18, h * 0.7);
      cairo_curve_to(cr, w * 0.25, h * 0.62, w * 0.32, h * 0.62, w * 0.4, h * 0.72);
      cairo_curve_to(cr, w * 0.47, h * 0.64, w * 0.54, h * 0.64, w * 0.62, h * 0.72);
      SetColor(cr, WithAlpha(pal::CardWhite, 0.9));
      cairo_set_line_width(cr, 1.3);
      cairo_stroke(cr);
      GolfBall(cr, w * 0.74, h * 0.64, 5);
      break;
    case 8:  // sand_storm: wind over the bunkers
      Bunker(cr, w * 0.38, h * 0.78, 34);
      Bunker(cr, w * 0.72, h * 0.7, 22);
      WindLines(cr, 14, h * 0.3, w - 36, Darker(pal::Sand, 0.15));
      for (int k = 0; k < 14; ++k) FillCircle(cr, 20 + (k * 37) % 80, h * 0.45 + (k * 23) % 30, 1.4, Darker(pal::Sand, 0.2));
      break;
    case 9: {  // squirrel: runs off with a card
      const Rgb fur = Hex(0xB5651D);
      FillEllipse(cr, w * 0.62, h * 0.62, 14, 22, fur);               // tail
      FillEllipse(cr, w * 0.62, h * 0.62, 8, 15, Lighter(fur, 0.25));
      FillEllipse(cr, w * 0.45, h * 0.72, 12, 14, fur);               // body
      FillCircle(cr, w * 0.38, h * 0.62, 9, fur);                 // head
      FillCircle(cr, w * 0.36, h * 0.55, 3, Darker(fur, 0.2));    // ear
      FillCircle(cr, w * 0.35, h * 0.615, 1.8, pal::Black);
      PlayingCard(cr, w * 0.28, h * 0.72, -0.4, 0.9);
      break;
    }
    case 10:  // rain_delay: dark clouds and rain
      Cloud(cr, w * 0.45, 46, 1.3, Hex(0x5E6B78));
      Cloud(cr, w * 0.7, 60, 0.9, Hex(0x6F7C88));
      for (int k = 0; k < 12; ++k) {
        const double x = 16 + k * 8.5, y = 70 + (k % 3) * 14;
        Line(cr, x, y, x - 4, y + 12, 1.2, Hex(0x9FD3FF));
      }
      Flag(cr, w * 0.72, ground + 6);
      break;
    case 11:  // broken_window: the club house with a cracked window
      FillRoundedRect(cr, 18, ground - 40, w - 36, 46, 2, Hex(0xF2E6CF));
      cairo_move_to(cr, 12, ground - 40);
      cairo_line_to(cr, w / 2, ground - 64);
      cairo_line_to(cr, w - 12, ground - 40);
      cairo_close_path(cr);
      SetColor(cr, Hex(0xA63D2E));
      cairo_fill(cr);
      FillRoundedRect(cr, w / 2 - 16, ground - 30, 32, 22, 1, Hex(0x9FD3FF));
      for (double a : {0.4, 1.6, 2.8, 4.2, 5.3})
        Line(cr, w / 2, ground - 19, w / 2 + std::cos(a) * 15, ground - 19 + std::sin(a) * 10, 1, Hex(0x2B3A4A));
      GolfBall(cr, w / 2, ground - 19, 3.5);
      break;
    case 12:  // lost_ball: long grass hides the ball
      GolfBall(cr, w * 0.55, h * 0.8, 6);
      for (int k = 0; k < 16; ++k) {
        const double x = 8 + k * 6.6;
        Line(cr, x, h - 6, x + ((k % 3) - 1) * 5, h * 0.68 + (k % 4) * 4, 2.2, k % 2 ? pal::DeepGreen : Darker(pal::Fairway, 0.2));
      }
      // a large question mark on a round wooden sign: where did it go?
      SoftShadow(cr, w * 0.5 - 22, h * 0.24, 44, 44, 22, 0.3, 3);
      WoodBoard(cr, w * 0.5 - 22, h * 0.22, 44, 44, 22, 0.05);
      SetFont(cr, Face::Bookman, 36);
      {
        const Rgb out = pal::DarkWood;
        CentredText(cr, "?", w * 0.5, h * 0.22 + 22, pal::Cream, &out, 1.6);
      }
      break;
    case 13:  // heckler: a shout from the gallery
      for (int k = 0; k < 4; ++k) Person(cr, 20 + k * 26, h * 0.86, 0.9, k == 2 ? pal::Red : Hex(0x5C7FA3 + k * 0x101000));
      FillRoundedRect(cr, w * 0.4, h * 0.26, 52, 30, 10, pal::CardWhite);
      cairo_move_to(cr, w * 0.55, h * 0.26 + 28);
      cairo_line_to(cr, w * 0.62, h * 0.5);
      cairo_line_to(cr, w * 0.65, h * 0.26 + 28);
      SetColor(cr, pal::CardWhite);
      cairo_fill(cr);
      SetFont(cr, Face::SansBold, 16);
      CentredText(cr, "HEY!", w * 0.4 + 26, h * 0.26 + 15, pal::Warning);
      break;
    case 14:  // dropped_club: a club tumbling out of the swing
      Club(cr, w * 0.3, h * 0.3, w * 0.7, h * 0.55);
      for (int k = 0; k < 3; ++k) {
        cairo_arc(cr, w * 0.5, h * 0.42, 22 + k * 6, -2.6, -1.6);
        SetColor(cr, WithAlpha(pal::CardWhite, 0.7 - k * 0.2));
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
      }
      GolfBall(cr, w * 0.5, h * 0.85, 5);
      break;
    case 15:  // cart_crash: the golf cart sinks into the pond
      Pond(cr, w * 0.5, h * 0.76, 50);
      FillRoundedRect(cr, w * 0.5 - 30, h * 0.5, 60, 6, 2, Hex(0x2E7D32));
      Line(cr, w * 0.5 - 24, h * 0.53, w * 0.5 - 24, h * 0.64, 2, Hex(0x555555));
      Line(cr, w * 0.5 + 24, h * 0.53, w * 0.5 + 24, h * 0.64, 2, Hex(0x555555));
      FillRoundedRect(cr, w * 0.5 - 26, h * 0.63, 52, 26, 4, Hex(0xF5F5F0));
      FillCircle(cr, w * 0.5 - 16, h * 0.79, 7, Hex(0x333333));
      FillCircle(cr, w * 0.5 + 16, h * 0.79, 7, Hex(0x333333));
      // the water in front of the cart's lower half, with ripples
      cairo_save(cr);
      cairo_rectangle(cr, 0, h * 0.74, w, h * 0.26);
      cairo_clip(cr);
      FillEllipse(cr, w * 0.5, h * 0.76, 50, 16, WithAlpha(pal::Water, 0.92));
      cairo_restore(cr);
      for (int k = 0; k < 2; ++k) FillEllipse(cr, w * 0.5, h * 0.745, 32 + k * 10, 3 + k, WithAlpha(pal::WaterLight, 0.5 - k * 0.2));
      break;
    case 16: {  // bee_sting: a bee
      const double bx = w * 0.5, by = h * 0.4;
      FillEllipse(cr, bx - 6, by - 10, 9, 6, WithAlpha(pal::CardWhite, 0.8));
      FillEllipse(cr, bx + 6, by - 10, 9, 6, WithAlpha(pal::CardWhite, 0.8));
      FillEllipse(cr, bx, by, 16, 11, Hex(0xFBC02D));
      for (int k = -1; k <= 1; ++k) {
        cairo_rectangle(cr, bx + k * 8 - 2, by - 10, 4, 20);
        SetColor(cr, pal::Black);
        cairo_fill(cr);
      }
      FillCircle(cr, bx - 16, by, 6, pal::Black);
      cairo_move_to(cr, bx + 15, by - 2);
      cairo_line_to(cr, bx + 24, by);
      cairo_line_to(cr, bx + 15, by + 2);
      SetColor(cr, pal::Black);
      cairo_fill(cr);
      cairo_move_to(cr, bx - 40, by + 30);
      cairo_curve_to(cr, bx - 30, by + 10, bx - 20, by + 40, bx - 18, by + 10);
      SetColor(cr, WithAlpha(pal::Black, 0.5));
      cairo_set_line_width(cr, 1);
      DashedStroke(cr, 2, 3);
      break;
    }
    case 17:  // fine: a pitch mark and a ticket
      FillEllipse(cr, w * 0.35, h * 0.82, 10, 3.5, Darker(pal::Fairway, 0.45));
      cairo_save(cr);
      cairo_translate(cr, w * 0.58, h * 0.42);
      cairo_rotate(cr, 0.15);
      FillRoundedRect(cr, -24, -30, 48, 60, 3, Hex(0xFFF3C4));
      for (int k = 0; k < 4; ++k) {
        cairo_rectangle(cr, -16, -6 + k * 8, 32, 1.4);
        SetColor(cr, WithAlpha(pal::DarkWood, 0.5));
        cairo_fill(cr);
      }
      SetFont(cr, Face::SansBold, 12);
      CentredText(cr, "FINE", 0, -18, pal::Warning);
      cairo_restore(cr);
      break;
    case 18:  // snapped_iron: the shaft breaks on a root
      cairo_move_to(cr, 8, h * 0.82);
      cairo_curve_to(cr, w * 0.3, h * 0.76, w * 0.6, h * 0.86, w - 8, h * 0.8);
      SetColor(cr, Hex(0x6D4C2F));
      cairo_set_line_width(cr, 6);
      cairo_stroke(cr);
      Line(cr, w * 0.3, h * 0.3, w * 0.45, h * 0.55, 2, Hex(0xA9B2B8));
      Line(cr, w * 0.3, h * 0.3, w * 0.35, h * 0.38, 4.5, Hex(0x2B2B2B));
      Club(cr, w * 0.62, h * 0.6, w * 0.7, h * 0.74);
      for (double a : {-0.6, 0.0, 0.6}) Line(cr, w * 0.53, h * 0.58, w * 0.53 + std::cos(a) * 10, h * 0.58 + std::sin(a) * 10 - 6, 1.5, Hex(0xFFD54F));
      break;
    case 19:  // caddie_bonus: a card glows in the bag
      GolfBag(cr, w * 0.5, h - 16, Hex(0x2E5C8A));
      RadialGlow(cr, w * 0.5, h * 0.36, 30, WithAlpha(pal::BrassLight, 0.9));
      PlayingCard(cr, w * 0.5, h * 0.36, 0.1, 1.0);
      break;
    case 20:  // lightning: a bolt strikes the bag
      VerticalGradient(cr, 0, 0, w, h * 0.55, Hex(0x37474F), Hex(0x78909C));
      Cloud(cr, w * 0.5, 30, 1.4, Hex(0x455A64));
      Bolt(cr, w * 0.52, 40, 1.1);
      GolfBag(cr, w * 0.5, h - 14, Hex(0x8C3B2E));
      break;
    case 21:  // wardrobe: a cap and a glove blown over the lake
      Pond(cr, w * 0.5, h * 0.78, 48);
      WindLines(cr, 10, h * 0.22, w - 30, WithAlpha(pal::CardWhite, 0.85));
      CapAndGlove(cr, w, h, 0.0);
      break;
    case 22: {  // ball_washer: a muddy ball
      GolfBall(cr, w * 0.5, h * 0.72, 16);
      const Rgb mud = Hex(0x6B4A2B, 0.85);
      FillCircle(cr, w * 0.44, h * 0.7, 6, mud);
      FillCircle(cr, w * 0.56, h * 0.76, 5, mud);
      FillCircle(cr, w * 0.53, h * 0.66, 3.5, mud);
      FillEllipse(cr, w * 0.5, h * 0.83, 24, 4, mud);
      break;
    }
    case 23:  // stopwatch: extra time
      Stopwatch(cr, w * 0.5, h * 0.42, 24);
      SetFont(cr, Face::SansBold, 14);
      {
        const Rgb out = pal::DeepGreen;
        CentredText(cr, "+ TIME", w * 0.5, h * 0.8, pal::Cream, &out, 1.2);
      }
      break;
    case 24: {  // sharpshooter: a rifle and the crosshair
      const Rgb wood = pal::Wood;
      cairo_save(cr);
      cairo_translate(cr, w * 0.5, h * 0.75);
      cairo_rotate(cr, -0.35);
      FillRoundedRect(cr, -44, -4, 30, 10, 3, wood);
      FillRoundedRect(cr, -16, -3, 26, 6, 2, Darker(wood, 0.2));
      cairo_rectangle(cr, 8, -2, 38, 3);
      SetColor(cr, Hex(0x37474F));
      cairo_fill(cr);
      cairo_restore(cr);
      Circle(cr, w * 0.6, h * 0.33, 16);
      SetColor(cr, pal::Red);
      cairo_set_line_width(cr, 2);
      cairo_stroke(cr);
      Line(cr, w * 0.6 - 22, h * 0.33, w * 0.6 + 22, h * 0.33, 1.5, pal::Red);
      Line(cr, w * 0.6, h * 0.33 - 22, w * 0.6, h * 0.33 + 22, 1.5, pal::Red);
      break;
    }
    case 25:  // long_drive: a ball on the tee and a long arc away
      FillRoundedRect(cr, w * 0.2 - 1.5, h * 0.8, 3, 9, 1, pal::CardWhite);
      GolfBall(cr, w * 0.2, h * 0.79, 5);
      cairo_move_to(cr, w * 0.24, h * 0.76);
      cairo_curve_to(cr, w * 0.4, h * 0.1, w * 0.8, h * 0.12, w * 0.95, h * 0.5);
      SetColor(cr, WithAlpha(pal::CardWhite, 0.9));
      cairo_set_line_width(cr, 1.5);
      DashedStroke(cr, 4, 3);
      SetFont(cr, Face::SansBold, 12);
      {
        const Rgb out = pal::DarkWood;
        CentredText(cr, "300 yds", w * 0.62, h * 0.5, pal::Cream, &out, 1);
      }
      break;
    case 26:  // putting: the practice green with the crowd
      FillEllipse(cr, w * 0.5, h * 0.76, 48, 16, pal::LightGrass);
      FillEllipse(cr, w * 0.62, h * 0.76, 5, 2, pal::Black);
      Flag(cr, w * 0.62, h * 0.76);
      GolfBall(cr, w * 0.32, h * 0.79, 4);
      for (int k = 0; k < 4; ++k) Person(cr, 18 + k * 27, h * 0.6, 0.55, Hex(0x5C7FA3 + k * 0x181000));
      break;
    case 27:  // card_shuffle: the wind lifts the cards
      WindLines(cr, 10, h * 0.7, w - 30, WithAlpha(pal::CardWhite, 0.85));
      PlayingCard(cr, w * 0.3, h * 0.5, -0.5, 1.0);
      PlayingCard(cr, w * 0.55, h * 0.35, 0.4, 1.0);
      PlayingCard(cr, w * 0.72, h * 0.58, -0.2, 1.0);
      PlayingCard(cr, w * 0.45, h * 0.2, 0.9, 0.9);
      break;
    case 28: {  // whirlwind: a friendly twister, a curved funnel from the sky to a dust cloud
      RadialGlow(cr, w * 0.5, h * 0.45, 34, WithAlpha(pal::BrassLight, 0.45));
      const double top = h * 0.12, foot = ground + 2, cx = w * 0.5;
      const auto centre = [&](double u) { return cx + std::sin(u * 3.2) * 9 * u; };
      const auto half = [&](double u) { return 34 * std::pow(1 - u, 1.6) + 3; };
      cairo_move_to(cr, centre(0) - half(0), top);
      for (int i = 1; i <= 30; ++i) {
        const double u = i / 30.0;
        cairo_line_to(cr, centre(u) - half(u), top + (foot - top) * u);
      }
      for (int i = 30; i >= 0; --i) {
        const double u = i / 30.0;
        cairo_line_to(cr, centre(u) + half(u), top + (foot - top) * u);
      }
      cairo_close_path(cr);
      cairo_pattern_t* g = cairo_pattern_create_linear(cx - 40, 0, cx + 40, 0);
      cairo_pattern_add_color_stop_rgba(g, 0, 0.95, 0.96, 0.97, 0.95);
      cairo_pattern_add_color_stop_rgba(g, 1, 0.62, 0.67, 0.72, 0.95);
      cairo_set_source(cr, g);
      cairo_fill(cr);
      cairo_pattern_destroy(g);
      // the spiral bands that wrap round it
      for (int k = 0; k < 9; ++k) {
        const double u = 0.04 + k * 0.105, y = top + (foot - top) * u, r = half(u);
        cairo_move_to(cr, centre(u) - r, y - 2);
        cairo_curve_to(cr, centre(u) - r * 0.3, y + 4, centre(u) + r * 0.4, y + 3, centre(u) + r, y - 3);
      }
      SetColor(cr, WithAlpha(Hex(0x6E7A86), 0.7));
      cairo_set_line_width(cr, 1.2);
      cairo_stroke(cr);
      FillEllipse(cr, centre(1), foot, 22, 6, WithAlpha(Hex(0xC8B48A), 0.8));
      // leaves and a golf ball caught in the wind
      for (int k = 0; k < 7; ++k) {
        const double a = k * 0.9, r = 24 + (k % 3) * 6;
        FillCircle(cr, cx + std::cos(a) * r, h * 0.4 + std::sin(a) * r * 0.5, 2.4, k % 2 ? pal::LightGrass : Hex(0xD89A2B));
      }
      GolfBall(cr, cx + 26, h * 0.24, 3.5);
      break;
    }
    default:  // 29, thunder: a dark cloud and a crack
      VerticalGradient(cr, 0, 0, w, h * 0.55, Hex(0x455A64), Hex(0x90A4AE));
      Cloud(cr, w * 0.5, 40, 1.5, Hex(0x37474F));
      SetFont(cr, Face::SansBold, 18);
      {
        const Rgb out = pal::DarkWood;
        CentredText(cr, "BOOM!", w * 0.5, h * 0.45, Hex(0xFFE46B), &out, 1.5);
      }
      Flag(cr, w * 0.3, ground + 8);
      break;
  }
}

Rgb StorySky(int n, bool good) {
  if (n == 10 || n == 20 || n == 29) return Hex(0x8A9AA8);
  return good ? (n % 2 ? pal::SkyTop : Hex(0xF6C28B)) : (n % 2 ? Hex(0x9FB4C8) : Hex(0xB8C6D6));
}


// A story's animation after its first picture: t runs from 0 (the first picture) to 1 (the last).
// Each story moves in its own way: coins and sparkles for the lucky ones, rain, flashes, wind or a
// shake for the others.
enum class Motion { Sparkle, Coins, Ball, Pop, Rain, Flash, Wind, Sand, Shake, Storm, Swirl };

Motion StoryMotion(int n) {
  switch (n) {
    case 1: case 6: return Motion::Coins;
    case 3: case 7: case 25: return Motion::Ball;
    case 5: return Motion::Pop;
    case 8: return Motion::Sand;
    case 10: return Motion::Rain;
    case 11: case 18: case 24: return Motion::Flash;
    case 20: case 29: return Motion::Storm;
    case 21: case 27: return Motion::Wind;
    case 28: return Motion::Swirl;
    case 9: case 13: case 14: case 15: case 16: case 17: case 22: return Motion::Shake;
    default: return Motion::Sparkle;
  }
}

void Sparkle(cairo_t* cr, double x, double y, double r, double alpha) {
  cairo_move_to(cr, x, y - r);
  cairo_line_to(cr, x + r * 0.25, y - r * 0.25);
  cairo_line_to(cr, x + r, y);
  cairo_line_to(cr, x + r * 0.25, y + r * 0.25);
  cairo_line_to(cr, x, y + r);
  cairo_line_to(cr, x - r * 0.25, y + r * 0.25);
  cairo_line_to(cr, x - r, y);
  cairo_line_to(cr, x - r * 0.25, y - r * 0.25);
  cairo_close_path(cr);
  SetColor(cr, WithAlpha(pal::BrassLight, alpha));
  cairo_fill(cr);
  FillCircle(cr, x, y, r * 0.22, WithAlpha(Hex(0xFFFFFF), alpha));
}

void MotionOverlay(cairo_t* cr, int n, double w, double h, double t) {
  const double ground = h * 0.6;
  switch (StoryMotion(n)) {
    case Motion::Sparkle:
      for (int k = 0; k < 7; ++k) {
        const double phase = std::fmod(t * 2.0 + k * 0.37, 1.0);
        const double a = std::sin(phase * M_PI);
        Sparkle(cr, 14 + std::fmod(k * 41.0, w - 28), 18 + std::fmod(k * 57.0, h * 0.55), 3 + 5 * a, 0.9 * a);
      }
      break;
    case Motion::Coins:
      for (int k = 0; k < 5; ++k) {
        const double start = k * 0.12;
        if (t < start) continue;
        const double u = (t - start) / (1.0 - start);
        const double x = w * (0.2 + 0.15 * k) + std::sin(u * 6 + k) * 4;
        const double y = h * 0.85 - u * h * 0.6 + u * u * h * 0.25;
        GoldCoin(cr, x, y, 7 - k * 0.4);
        if (u > 0.3) Sparkle(cr, x + 8, y - 8, 4, 0.8 * std::sin(u * M_PI));
      }
      break;
    case Motion::Ball: {
      // the ball flies along an arc from the left to the right and lands
      const double x = w * (0.15 + 0.7 * t);
      const double y = h * 0.75 - std::sin(t * M_PI) * h * 0.45;
      FillEllipse(cr, x + 2, h * 0.8, 6 * (0.5 + 0.5 * t), 2, WithAlpha(pal::Black, 0.25));
      GolfBall(cr, x, y, 5);
      for (int k = 1; k <= 3; ++k) {
        const double tt = std::max(0.0, t - k * 0.05);
        FillCircle(cr, w * (0.15 + 0.7 * tt), h * 0.75 - std::sin(tt * M_PI) * h * 0.45, 3 - k * 0.6,
                   WithAlpha(pal::CardWhite, 0.5 - k * 0.12));
      }
      break;
    }
    case Motion::Pop: {
      // the gopher bobs up and down with the ball
      const double up = std::abs(std::sin(t * M_PI * 2)) * 14;
      Bunker(cr, w * 0.25, h * 0.88, 18);
      Gopher(cr, w / 2.0, h * 0.66 - up, 1.3);
      GolfBall(cr, w / 2.0 + 26, h * 0.6 - up, 5);
      break;
    }
    case Motion::Rain:
      for (int k = 0; k < 18; ++k) {
        const double x = std::fmod(k * 23.0 + t * 30, w);
        const double y = std::fmod(k * 37.0 + t * h * 2, h * 0.9);
        Line(cr, x, y, x - 3, y + 10, 1.2, WithAlpha(pal::WaterLight, 0.9));
      }
      break;
    case Motion::Flash: {
      const double a = std::max(0.0, std::sin(t * M_PI * 3)) * 0.45;
      cairo_rectangle(cr, 0, 0, w, h);
      SetColor(cr, WithAlpha(Hex(0xFFF8D0), a));
      cairo_fill(cr);
      for (int k = 0; k < 6; ++k) {
        const double ang = k * M_PI / 3 + t * 2;
        Line(cr, w * 0.5 + std::cos(ang) * 20, h * 0.45 + std::sin(ang) * 20, w * 0.5 + std::cos(ang) * (26 + 14 * t),
             h * 0.45 + std::sin(ang) * (26 + 14 * t), 1.5, WithAlpha(Hex(0xFFD54F), 0.9 - 0.6 * t));
      }
      break;
    }
    case Motion::Storm: {
      for (int k = 0; k < 14; ++k) {
        const double x = std::fmod(k * 29.0 + t * 20, w);
        const double y = std::fmod(60 + k * 31.0 + t * h * 1.5, h * 0.9);
        Line(cr, x, y, x - 3, y + 9, 1.1, WithAlpha(pal::WaterLight, 0.8));
      }
      const double a = (std::fmod(t * 4, 1.0) < 0.25) ? 0.5 : 0.0;
      cairo_rectangle(cr, 0, 0, w, h);
      SetColor(cr, WithAlpha(Hex(0xFFFFFF), a));
      cairo_fill(cr);
      break;
    }
    case Motion::Wind:
      for (int k = 0; k < 4; ++k) {
        const double x = std::fmod(t * w * 1.5 + k * 37, w + 40) - 40;
        const double y = h * 0.2 + k * 24;
        cairo_move_to(cr, x, y);
        cairo_curve_to(cr, x + 12, y - 4, x + 24, y + 4, x + 36, y - 2);
        SetColor(cr, WithAlpha(pal::CardWhite, 0.8));
        cairo_set_line_width(cr, 1.8);
        cairo_stroke(cr);
      }
      break;
    case Motion::Sand:
      for (int k = 0; k < 26; ++k) {
        const double x = std::fmod(k * 17.0 + t * w * 1.2, w);
        const double y = h * 0.3 + std::fmod(k * 13.0, h * 0.45) + std::sin(t * 6 + k) * 3;
        FillCircle(cr, x, y, 1.3, WithAlpha(Darker(pal::Sand, 0.2), 0.9));
      }
      break;
    case Motion::Shake:
      for (int k = 0; k < 3; ++k) {
        const double r = 6 + 18 * std::fmod(t * 2 + k * 0.33, 1.0);
        cairo_arc(cr, w * 0.5, ground + 8, r, M_PI * 1.1, M_PI * 1.9);
        SetColor(cr, WithAlpha(pal::CardWhite, 0.6 * (1 - r / 24)));
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
      }
      break;
    case Motion::Swirl:
      for (int k = 0; k < 8; ++k) {
        const double ang = t * M_PI * 4 + k * M_PI / 4;
        const double r = 10 + k * 4;
        FillCircle(cr, w * 0.5 + std::cos(ang) * r, h * 0.45 + std::sin(ang) * r * 0.4 - k * 6, 2.4, pal::LightGrass);
      }
      break;
  }
}

// Frame `frame` of `frames` of story n's strip; frame 0 is its first picture.
void StoryAnimFrame(cairo_t* cr, int n, bool good, double w, double h, int frame, int frames) {
  const double t = frames > 1 ? static_cast<double>(frame) / (frames - 1) : 0.0;
  StoryFrame(cr, w, h, StorySky(n, good), [&](cairo_t* cr2) {
    if (frame == 0) {
      if (n == 5) {
        Bunker(cr2, w * 0.25, h * 0.88, 18);
        Gopher(cr2, w / 2.0, h * 0.66, 1.3);
      } else {
        StoryMotif(cr2, n, w, h);
      }
      return;
    }
    const double shake = StoryMotion(n) == Motion::Shake ? std::sin(t * M_PI * 8) * 2.5 : 0.0;
    const double sway = n == 28 ? std::sin(t * M_PI * 2) * 6 : 0.0;  // the twister wanders
    cairo_save(cr2);
    cairo_translate(cr2, shake + sway, 0);
    if (n == 21) {
      // the cap and glove blow across to the lake
      Pond(cr2, w * 0.5, h * 0.78, 48);
      WindLines(cr2, 10, h * 0.22, w - 30, WithAlpha(pal::CardWhite, 0.85));
      CapAndGlove(cr2, w, h, t);
    } else if (StoryMotion(n) != Motion::Pop) {
      StoryMotif(cr2, n, w, h);
    }
    cairo_restore(cr2);
    MotionOverlay(cr2, n, w, h, t);
  });
}
}  // namespace

void AddStories(Registry& r) {
  r["graphics/wildshots/anims/firstframes.png"] = [](Canvas& c, const PictureFile& s) {
    // Good stories of text/wildshots.txt have a sunny sky, the others an overcast one.
    static const bool good[29] = {1, 1, 1, 1, 0, 1, 1, 1, 0, 0, 0, 1, 0, 0, 0,
                                  0, 0, 0, 1, 0, 0, 0, 1, 1, 1, 1, 0, 1, 0};
    ForEachCell(c, s, [&](cairo_t* cr, int frame) {
      const int n = frame + 1;
      StoryFrame(cr, s.cell_w, s.cell_h, StorySky(n, n <= 29 && good[frame]),
                 [&](cairo_t* cr2) { StoryMotif(cr2, n, s.cell_w, s.cell_h); });
    });
  };
  // The strips of text/wildshots.txt: titles, good marks and frame counts as the file gives them.
  static const struct {
    const char* title;
    int frames;
  } strips[29] = {{"sponsor", 8}, {"found_iron", 8}, {"lucky_bounce", 8}, {"rainbow", 8},
                  {"gopher", 8}, {"lost_wallet", 24}, {"water_skip", 8}, {"sand_storm", 8},
                  {"squirrel", 8}, {"rain_delay", 8}, {"broken_window", 8}, {"lost_ball", 8},
                  {"heckler", 8}, {"dropped_club", 8}, {"cart_crash", 8}, {"bee_sting", 8},
                  {"fine", 8}, {"snapped_iron", 8}, {"caddie_bonus", 8}, {"lightning", 8},
                  {"wardrobe", 8}, {"ball_washer", 8}, {"stopwatch", 8}, {"sharpshooter", 8},
                  {"long_drive", 8}, {"putting", 8}, {"card_shuffle", 8}, {"whirlwind", 8},
                  {"thunder", 8}};
  static const bool strip_good[29] = {1, 1, 1, 1, 0, 1, 1, 1, 0, 0, 0, 1, 0, 0, 0,
                                      0, 0, 0, 1, 0, 0, 0, 1, 1, 1, 1, 0, 1, 0};
  for (int i = 0; i < 29; ++i) {
    const int n = i + 1;
    r[std::string("graphics/wildshots/anims/") + strips[i].title + ".png"] = [n, i](Canvas& c, const PictureFile& s) {
      ForEachCell(c, s, [&](cairo_t* cr, int frame) {
        // The gopher's cells are wider and drawn 26 px left of the card's place: its card keeps
        // to that place, inside the dialog's panel.
        const bool gopher = n == 5;
        if (gopher) cairo_translate(cr, kGopherShift, 0);
        StoryAnimFrame(cr, n, strip_good[i], gopher ? kCardW : s.cell_w, gopher ? kCardH : s.cell_h, frame, s.frames);
      });
    };
  }
  r["graphics/wildshots/anims/gopherfirstframe.png"] = [](Canvas& c, const PictureFile&) {
    cairo_t* cr = c.cr();
    cairo_translate(cr, kGopherShift, 0);
    StoryFrame(cr, kCardW, kCardH, StorySky(5, false), [&](cairo_t* cr2) {
      Bunker(cr2, kCardW * 0.25, kCardH * 0.88, 18);
      Gopher(cr2, kCardW / 2.0, kCardH * 0.66, 1.3);
    });
  };
}

}  // namespace art

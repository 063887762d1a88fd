// The ending's pictures: the blue backdrop, the champion's large trophy for a gent and a lady,
// the players' heads, the small newspapers (the fifth with an empty photo box for the trophy and
// portrait composed onto it), the grand-champion trophies and the small portraits.

#include <cmath>
#include <string>

#include "tools/art/avatar_heads.h"
#include "tools/art/registry.h"
#include "tools/art/story_art.h"

namespace art {

namespace {

void Backdrop(Canvas& c, const PictureFile&) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  VerticalGradient(cr, 0, 0, w, h, Hex(0x0B1F4A), Hex(0x3C7FD0));
  // spotlight rays from above
  cairo_save(cr);
  cairo_translate(cr, w / 2, -80);
  for (int i = 0; i < 14; ++i) {
    const double a = -0.9 + i * 0.14;
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 1400 * std::sin(a - 0.03), 1400 * std::cos(a - 0.03));
    cairo_line_to(cr, 1400 * std::sin(a + 0.03), 1400 * std::cos(a + 0.03));
    cairo_close_path(cr);
    SetColor(cr, WithAlpha(Hex(0xBFE0FF), i % 2 ? 0.05 : 0.09));
    cairo_fill(cr);
  }
  cairo_restore(cr);
  RadialGlow(cr, w / 2, h * 0.55, 420, WithAlpha(Hex(0x9FD3FF), 0.35));
  // stars and confetti
  Rng rng(505);
  const Rgb confetti[] = {pal::BrassLight, Hex(0xE85D75), Hex(0x7CC26A), Hex(0xFFFFFF)};
  for (int i = 0; i < 160; ++i) {
    const double x = rng.Range(0, w), y = rng.Range(0, h);
    if (i % 3 == 0) {
      Glint(cr, x, y, rng.Range(3, 8), rng.Range(0.3, 0.8));
    } else {
      cairo_save(cr);
      cairo_translate(cr, x, y);
      cairo_rotate(cr, rng.Range(0, M_PI));
      cairo_rectangle(cr, -4, -1.5, 8, 3);
      SetColor(cr, WithAlpha(confetti[i % 4], 0.7));
      cairo_fill(cr);
      cairo_restore(cr);
    }
  }
}

void LargeTrophy(Canvas& c, bool male) {
  cairo_t* cr = c.cr();
  RadialGlow(cr, 300, 520, 320, WithAlpha(pal::BrassLight, 0.25));
  cairo_save(cr);
  cairo_scale(cr, 0.6, 1);
  TrophyCup(cr, 300 / 0.6, 1034, 860, 0);
  cairo_restore(cr);
  // a champion figurine on the cup, cast in brass
  cairo_push_group(cr);
  Golfer(cr, 300, 276, 250, 1, pal::Brass, pal::Brass, !male);
  cairo_pattern_t* figure = cairo_pop_group(cr);
  cairo_pattern_t* brass = cairo_pattern_create_linear(220, 0, 380, 0);
  cairo_pattern_add_color_stop_rgb(brass, 0, 0.5, 0.38, 0.1);
  cairo_pattern_add_color_stop_rgb(brass, 0.35, pal::BrassLight.r, pal::BrassLight.g, pal::BrassLight.b);
  cairo_pattern_add_color_stop_rgb(brass, 1, 0.55, 0.42, 0.12);
  cairo_set_source(cr, brass);
  cairo_mask(cr, figure);
  cairo_pattern_destroy(brass);
  cairo_pattern_destroy(figure);
  FillEllipse(cr, 300, 280, 60, 10, Darker(pal::Brass, 0.3));
  // engraving on the cup
  SetFont(cr, Face::Bookman, 34);
  OutlinedText(cr, "CHAMPION", 300, 470, 1, Darker(pal::Brass, 0.45), WithAlpha(pal::BrassLight, 0.6), 1);
  SetFont(cr, Face::Script, 30);
  FillText(cr, male ? "Gentlemen's Grand Tour" : "Ladies' Grand Tour", 300, 512, 1, Darker(pal::Brass, 0.45));
  Glint(cr, 210, 330, 26, 0.9);
  Glint(cr, 400, 600, 18, 0.7);
}

void SparkleStrip(Canvas& c, const PictureFile& s) {
  ForEachCell(c, s, [&](cairo_t* cr, int frame) {
    const double t = (frame + 0.5) / s.frames;
    const double b = std::sin(t * M_PI);
    RadialGlow(cr, s.cell_w / 2.0, s.cell_h / 2.0, 30 * b + 4, WithAlpha(pal::BrassLight, 0.5 * b));
    Glint(cr, s.cell_w / 2.0, s.cell_h / 2.0, 12 + 18 * b, 0.35 + 0.65 * b, M_PI / 4 * t);
    cairo_move_to(cr, s.cell_w / 2.0, s.cell_h / 2.0 - 58 * b);
    cairo_line_to(cr, s.cell_w / 2.0, s.cell_h / 2.0 + 58 * b);
    Stroke(cr, WithAlpha(Hex(0xFFF6DC), 0.55 * b), 1.5);
  });
}

// A small front page of the local paper.
void SmallPaper(Canvas& c, int n) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  SoftShadow(cr, 4, 4, w - 8, h - 8, 2, 0.3, 3);
  VerticalGradient(cr, 2, 2, w - 8, h - 8, Hex(0xF6F1E2), Hex(0xE9E1CC));
  SetFont(cr, Face::Serif, 22);
  FillText(cr, "The Quillbrook Courier", w / 2 - 2, 32, 1, Hex(0x1C1C1C));
  cairo_rectangle(cr, 14, 40, w - 36, 2);
  cairo_rectangle(cr, 14, 44, w - 36, 1);
  SetColor(cr, Hex(0x1C1C1C));
  cairo_fill(cr);
  const char* headlines[] = {"CHAMPION!", "A CLEAN SWEEP", "RECORD PURSE", "CROWDS ROAR", "GRAND CHAMPION"};
  SetFont(cr, Face::SansNarrowBold, n == 5 ? 34 : 38);
  FillText(cr, headlines[n - 1], w / 2 - 2, 84, 1, Hex(0x1C1C1C));
  if (n == 5) {
    // the photo box the trophy and the portrait are composed into
    VerticalGradient(cr, 110, 100, 180, 170, Hex(0xD9D6CC), Hex(0xB8B3A6));
    RadialGlow(cr, 210, 170, 90, WithAlpha(Hex(0xFFFFFF), 0.45));
    cairo_rectangle(cr, 110, 100, 180, 170);
    Stroke(cr, Hex(0x3A3A3A), 1.5);
    PrintLines(cr, 16, 100, 84, 170, 9, 77);
    PrintLines(cr, 16, 282, 130, 100, 9, 78);
    PrintLines(cr, 156, 282, 126, 100, 9, 79);
  } else {
    const double px = 16, py = 98, pw = w - 40, ph = 150;
    cairo_save(cr);
    cairo_rectangle(cr, px, py, pw, ph);
    cairo_clip(cr);
    static const char* kinds[] = {"country", "city", "beach", "municipal"};
    PaintCourse(cr, kinds[n - 1], n, px, py, pw, ph);
    if (n == 1) {
      Golfer(cr, px + pw / 2, py + ph - 10, 110, 3, Hex(0xE85D3A), Hex(0x2E3B55), false);
    } else if (n == 2) {
      for (int i = 0; i < 5; ++i) {
        FillRoundedRect(cr, px + 40 + i * 40, py + 40 + (i % 2) * 10, 34, 50, 3, pal::CardWhite);
        FillSuit(cr, i % 4, px + 57 + i * 40, py + 65 + (i % 2) * 10, 14, SuitColor(i % 4));
      }
    } else if (n == 3) {
      for (int i = 0; i < 6; ++i) GoldCoin(cr, px + 80 + i * 22, py + ph - 30 - (i % 2) * 8, 16);
      Golfer(cr, px + 60, py + ph - 6, 100, 3, Hex(0x1F9E92), Hex(0x33405A), false);
    } else {
      const Rgb shirts[] = {Hex(0xE85D75), Hex(0x3C6FB8), Hex(0xF2C230), Hex(0x7CC26A), Hex(0xB36AD6)};
      for (int i = 0; i < 9; ++i)
        Golfer(cr, px + 20 + i * 30, py + ph + 10, 90, 3, shirts[i % 5], Hex(0x3A3A3A), i % 2 == 0);
    }
    cairo_restore(cr);
    Newsprint(cr, px, py, pw, ph);
    cairo_rectangle(cr, px, py, pw, ph);
    Stroke(cr, Hex(0x3A3A3A), 1);
    PrintLines(cr, 16, 262, 126, 120, 9, 60 + n);
    PrintLines(cr, 152, 262, 126, 120, 9, 70 + n);
  }
}

// The grand-champion trophy for the front page: a cup with its figurine and a ribbon.
void GrandChamp(Canvas& c, bool men) {
  cairo_t* cr = c.cr();
  RadialGlow(cr, 60, 70, 60, WithAlpha(pal::BrassLight, 0.35));
  TrophyCup(cr, 60, 146, 140, 3);
  cairo_move_to(cr, 14, 104);
  cairo_line_to(cr, 106, 104);
  cairo_line_to(cr, 100, 116);
  cairo_line_to(cr, 106, 128);
  cairo_line_to(cr, 14, 128);
  cairo_line_to(cr, 20, 116);
  cairo_close_path(cr);
  SetColor(cr, men ? Hex(0x2D4770) : Hex(0xA0304A));
  cairo_fill(cr);
  SetFont(cr, Face::SansBold, 9);
  FillText(cr, "GRAND CHAMPION", 60, 120, 1, pal::Cream);
}

// A small photo of the player for the front page.
void SmallPortrait(Canvas& c, bool male, int n) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  FillRoundedRect(cr, 1, 1, w - 2, h - 2, 2, Hex(0xFBF8EF));
  VerticalGradient(cr, 5, 5, w - 10, h - 10, Hex(0xBFD4E6), Hex(0x8FA9C2));
  cairo_save(cr);
  cairo_rectangle(cr, 5, 5, w - 10, h - 10);
  cairo_clip(cr);
  DrawAvatarPortrait(cr, male, n, 5, 5, w - 10, h - 5);
  cairo_restore(cr);
}

}  // namespace

void AddOutro(Registry& r) {
  r["graphics/outro/blue_gradient.jpg"] = Backdrop;
  r["graphics/outro/male_trophy_large.png"] = [](Canvas& c, const PictureFile&) { LargeTrophy(c, true); };
  r["graphics/outro/female_trophy_large.png"] = [](Canvas& c, const PictureFile&) { LargeTrophy(c, false); };
  r["graphics/outro/Sparkle2.png"] = SparkleStrip;
  r["graphics/outro/grand_champ_men.png"] = [](Canvas& c, const PictureFile&) { GrandChamp(c, true); };
  r["graphics/outro/grand_champ_women.png"] = [](Canvas& c, const PictureFile&) { GrandChamp(c, false); };
  for (int n = 1; n <= 5; ++n) {
    const std::string k = std::to_string(n);
    r["graphics/outro/small_newspaper" + k + ".png"] = [n](Canvas& c, const PictureFile&) { SmallPaper(c, n); };
    r["graphics/outro/malehead" + k + ".png"] = [n](Canvas& c, const PictureFile&) {
      DrawAvatarPortrait(c.cr(), true, n, 0, 0, c.w(), c.h());
    };
    r["graphics/outro/femalehead" + k + ".png"] = [n](Canvas& c, const PictureFile&) {
      DrawAvatarPortrait(c.cr(), false, n, 0, 0, c.w(), c.h());
    };
    r["graphics/outro/gent" + k + ".png"] = [n](Canvas& c, const PictureFile&) { SmallPortrait(c, true, n); };
    r["graphics/outro/lady" + k + ".png"] = [n](Canvas& c, const PictureFile&) { SmallPortrait(c, false, n); };
  }
}

}  // namespace art

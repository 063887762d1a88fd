// The newspaper page's pictures: the desk it lands on, the page with its window and blank
// headline band, the statistics picture, the thirteen story pictures (each its course's story),
// the trophy display with its five trophies, and the players' grey portraits. Everything printed
// on the page is grey newsprint.

#include <cmath>
#include <string>

#include "tools/art/avatar_heads.h"
#include "tools/art/registry.h"
#include "tools/art/story_art.h"

namespace art {

namespace {

const Rgb kInk = Hex(0x1C1C1C);
// Small print is set lighter than the headlines: a worn grey newsprint ink.
const Rgb kSmallInk = Hex(0x4A4640);

// Small print in real words: `text` wrapped into the box (x, y, w, h), baselines `leading` apart,
// stopping at the box's bottom. A "|" starts a new paragraph.
void SmallPrint(cairo_t* cr, const std::string& text, double x, double y, double w, double h, double size,
                double leading, const Rgb& ink = kSmallInk) {
  SetFont(cr, Face::Serif, size);
  double base = y + size;
  std::string line, word;
  auto flush = [&] {
    if (!line.empty() && base <= y + h) FillText(cr, line, x, base, 0, ink);
    line.clear();
    base += leading;
  };
  for (std::size_t i = 0; i <= text.size(); ++i) {
    const char ch = i < text.size() ? text[i] : ' ';
    if (ch != ' ' && ch != '|') {
      word += ch;
      continue;
    }
    if (!word.empty()) {
      const std::string tried = line.empty() ? word : line + " " + word;
      if (TextWidth(cr, tried) > w && !line.empty()) {
        flush();
        line = word;
      } else {
        line = tried;
      }
      word.clear();
    }
    if (ch == '|') flush();
  }
  flush();
}

// The page's stories, in the game's own world.
const char* const kCaptionLeft =
    "The clubhouse flag flew at full height this week as the season opened under clear skies. "
    "Members report the greens running true and the bunkers freshly raked.";
const char* const kCaptionRight =
    "Course staff ask players to repair pitch marks and to keep carts on the paths near the ponds. "
    "Tee times fill early on weekend mornings.";
const char* const kCourseNews =
    "GREENS CREW RESEEDS THE SEVENTH. Work on the seventh green ends on Friday; the hole plays "
    "to a temporary pin until then.|GOPHER SIGHTED AGAIN. A gopher was seen near the fourteenth "
    "tee carrying what looked like a golf ball. Players are advised to keep their pockets "
    "buttoned.|JUNIOR CLINIC. The pro gives free lessons to young players on Saturday at nine.|"
    "PIE OF THE DAY. The clubhouse kitchen serves steak pie with a pint of cider for the price "
    "of a bucket of range balls.|LOST AND FOUND. One left-handed putter, one umbrella with "
    "ducks on it. Ask at the desk.";

void Desk(Canvas& c, const PictureFile&) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  Rng rng(900);
  for (double y = 0; y < h; y += 60) {
    const Rgb plank = Mix(pal::Wood, pal::DarkWood, rng.Range(0.1, 0.5));
    cairo_rectangle(cr, 0, y, w, 60);
    SetColor(cr, plank);
    cairo_fill(cr);
    for (int k = 0; k < 4; ++k) {
      const double gy = y + rng.Range(8, 52);
      cairo_move_to(cr, 0, gy);
      cairo_curve_to(cr, w * 0.3, gy + rng.Range(-6, 6), w * 0.7, gy + rng.Range(-6, 6), w, gy);
      Stroke(cr, WithAlpha(pal::DarkWood, 0.3), 1);
    }
    cairo_rectangle(cr, 0, y, w, 2);
    SetColor(cr, Darker(pal::DarkWood, 0.3));
    cairo_fill(cr);
  }
  // a coffee mug at the top right, pencils at the left, loose papers at the bottom right
  FillCircle(cr, 730, 70, 44, Hex(0x000000, 0.25));
  FillCircle(cr, 724, 64, 42, Hex(0xF4F1EA));
  FillCircle(cr, 724, 64, 32, Hex(0x5A3A1C));
  FillCircle(cr, 716, 56, 10, WithAlpha(Hex(0xFFFFFF), 0.25));
  cairo_move_to(cr, 764, 64);
  cairo_curve_to(cr, 790, 60, 790, 90, 760, 92);
  Stroke(cr, Hex(0xF4F1EA), 8);
  for (int i = 0; i < 3; ++i) {
    cairo_move_to(cr, 20 + i * 16, 420 + i * 30);
    cairo_line_to(cr, 60 + i * 10, 560 + i * 6);
    Stroke(cr, i == 1 ? Hex(0xC62828) : Hex(0xF2C230), 8);
  }
  for (int i = 0; i < 2; ++i) {
    cairo_save(cr);
    cairo_translate(cr, 700 - i * 30, 470 + i * 30);
    cairo_rotate(cr, 0.2 - i * 0.3);
    SoftShadow(cr, -60, -70, 120, 150, 2, 0.25, 3);
    FillRoundedRect(cr, -60, -70, 120, 150, 2, Hex(0xF6F1E2));
    SmallPrint(cr, i == 0 ? kCaptionRight : kCourseNews, -50, -62, 100, 128, 7.5, 8.5);
    cairo_restore(cr);
  }
  // lamp light from the top left
  cairo_pattern_t* p = cairo_pattern_create_radial(200, 120, 100, 300, 260, 700);
  cairo_pattern_add_color_stop_rgba(p, 0, 1, 0.93, 0.75, 0.25);
  cairo_pattern_add_color_stop_rgba(p, 1, 0, 0, 0, 0.35);
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

// The page: masthead, a blank headline band (y 55..145), a clear window for the story picture
// (x 18..518, y 158..418), small print around it.
void Page(Canvas& c, const PictureFile&) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_rectangle(cr, 518, 158, -500, 260);  // reversed: the window stays clear
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  cairo_pattern_t* paper = cairo_pattern_create_linear(0, 0, w, h);
  cairo_pattern_add_color_stop_rgb(paper, 0, 0.97, 0.95, 0.89);
  cairo_pattern_add_color_stop_rgb(paper, 1, 0.9, 0.87, 0.79);
  cairo_set_source(cr, paper);
  cairo_fill(cr);
  cairo_pattern_destroy(paper);
  // masthead
  SetFont(cr, Face::Serif, 34);
  FillText(cr, "The Quillbrook Courier", w / 2, 38, 1, kInk);
  SetFont(cr, Face::SansBold, 9);
  FillText(cr, "SPORTS EDITION", 18, 49, 0, kInk);
  FillText(cr, "PRICE 25c", w - 18, 49, 2, kInk);
  cairo_rectangle(cr, 14, 51, w - 28, 2);
  cairo_rectangle(cr, 14, 148, w - 28, 1);
  SetColor(cr, kInk);
  cairo_fill(cr);
  // the frame of the picture window and its caption
  cairo_rectangle(cr, 17.5, 157.5, 501, 261);
  Stroke(cr, Hex(0x3A3A3A), 1);
  SmallPrint(cr, kCaptionLeft, 18, 422, 240, 34, 8.5, 9.5);
  SmallPrint(cr, kCaptionRight, 276, 422, 242, 34, 8.5, 9.5);
  // the column beside the picture
  cairo_rectangle(cr, 527, 156, 1, 296);
  SetColor(cr, Hex(0x8A857A));
  cairo_fill(cr);
  SetFont(cr, Face::SansNarrowBold, 15);
  FillText(cr, "COURSE NEWS", 580, 174, 1, kInk);
  SmallPrint(cr, kCourseNews, 536, 182, 90, 272, 7.5, 8.6);
  // the fold and a soft edge shade
  cairo_rectangle(cr, 0, h / 2 - 1, w, 2);
  SetColor(cr, WithAlpha(Hex(0x000000), 0.05));
  cairo_fill(cr);
  cairo_rectangle(cr, 0.5, 0.5, w - 1, h - 1);
  Stroke(cr, WithAlpha(Hex(0x000000), 0.25), 1);
}

// A story picture: drawn in colour, then printed grey.
template <class Fn>
void Story(Canvas& c, Fn&& draw) {
  cairo_t* cr = c.cr();
  draw(cr, static_cast<double>(c.w()), static_cast<double>(c.h()));
  Newsprint(cr, 0, 0, c.w(), c.h());
}

void Crowd(cairo_t* cr, double x0, double x1, double ground, double h, unsigned seed) {
  Rng rng(seed);
  const Rgb shirts[] = {Hex(0xE85D75), Hex(0x3C6FB8), Hex(0xF2C230), Hex(0x7CC26A), Hex(0xB36AD6), Hex(0xE57F3A)};
  for (double x = x0; x < x1; x += h * 0.28)
    Golfer(cr, x + rng.Range(-4, 4), ground + rng.Range(-3, 3), h * rng.Range(0.9, 1.05), rng.Uniform() < 0.7 ? 3 : 2,
           shirts[static_cast<int>(rng.Range(0, 5.99))], Hex(0x3A3A3A), rng.Uniform() < 0.5);
}

void MoneyBag(cairo_t* cr, double cx, double base, double s) {
  cairo_move_to(cr, cx - 40 * s, base);
  cairo_curve_to(cr, cx - 56 * s, base - 50 * s, cx - 30 * s, base - 76 * s, cx - 12 * s, base - 80 * s);
  cairo_line_to(cr, cx + 12 * s, base - 80 * s);
  cairo_curve_to(cr, cx + 30 * s, base - 76 * s, cx + 56 * s, base - 50 * s, cx + 40 * s, base);
  cairo_close_path(cr);
  SetColor(cr, Hex(0xC9B07A));
  cairo_fill(cr);
  FillEllipse(cr, cx, base - 86 * s, 16 * s, 8 * s, Hex(0xB0945E));
  SetFont(cr, Face::SansBold, 40 * s);
  CentredText(cr, "$", cx, base - 36 * s, Hex(0x3F8F3A));
}

void Sign(cairo_t* cr, double x, double y, double w, double h, const std::string& text, double size) {
  WoodBoard(cr, x, y, w, h, 6, 0);
  SetFont(cr, Face::Bookman, size);
  OutlinedText(cr, text, x + w / 2, y + h / 2 + size * 0.35, 1, pal::Cream, pal::DarkWood, 2);
}

void Joke(Canvas& c, int code) {
  Story(c, [code](cairo_t* cr, double w, double h) {
    switch (code) {
      case 20:  // arriving at the koi pond gardens with money in the bank
        PaintCourse(cr, "japan", 1, 0, 0, w, h);
        FillEllipse(cr, 330, 220, 140, 30, pal::Water);
        for (int i = 0; i < 4; ++i) FillEllipse(cr, 260 + i * 40, 216 + (i % 2) * 8, 12, 5, Hex(0xF28C38));
        Golfer(cr, 120, 240, 130, 2, Hex(0x3C6FB8), Hex(0x4A4A4A), false);
        FillRoundedRect(cr, 140, 180, 40, 30, 4, Hex(0x7A4A22));
        MoneyBag(cr, 440, 250, 0.8);
        break;
      case 21:  // eighteen holes at the manor
        PaintCourse(cr, "country", 4, 0, 0, w, h);
        cairo_rectangle(cr, 230, 70, 220, 110);
        SetColor(cr, Hex(0x9A4A32));
        cairo_fill(cr);
        cairo_move_to(cr, 220, 70);
        cairo_line_to(cr, 340, 20);
        cairo_line_to(cr, 460, 70);
        cairo_close_path(cr);
        SetColor(cr, Hex(0x3A3A44));
        cairo_fill(cr);
        for (int i = 0; i < 6; ++i) {
          cairo_rectangle(cr, 245 + i * 34, 90, 18, 26);
          cairo_rectangle(cr, 245 + i * 34, 134, 18, 26);
        }
        SetColor(cr, Hex(0xFFF3D0));
        cairo_fill(cr);
        cairo_rectangle(cr, 322, 140, 36, 40);
        SetColor(cr, Hex(0x2A1C12));
        cairo_fill(cr);
        Sign(cr, 40, 150, 110, 60, "18", 34);
        Golfer(cr, 180, 250, 110, 0, Hex(0x7CC26A), Hex(0x33405A), false);
        break;
      case 22: {  // an umbrella for the municipal course
        PaintCourse(cr, "municipal", 3, 0, 0, w, h);
        cairo_rectangle(cr, 0, 0, w, h);
        SetColor(cr, WithAlpha(Hex(0x445566), 0.35));
        cairo_fill(cr);
        Rng rng(22);
        for (int i = 0; i < 160; ++i) {
          const double x = rng.Range(0, w), y = rng.Range(0, h);
          cairo_move_to(cr, x, y);
          cairo_line_to(cr, x - 4, y + 14);
        }
        Stroke(cr, WithAlpha(Hex(0xDDEEFF), 0.6), 1);
        Golfer(cr, 250, 245, 140, 2, Hex(0xF2C230), Hex(0x33405A), false);
        cairo_move_to(cr, 250, 120);
        cairo_line_to(cr, 252, 200);
        Stroke(cr, kInk, 3);
        cairo_move_to(cr, 170, 124);
        cairo_curve_to(cr, 190, 60, 310, 60, 330, 124);
        for (int i = 3; i >= 0; --i) cairo_curve_to(cr, 170 + i * 40 + 30, 112, 170 + i * 40 + 10, 112, 170 + i * 40, 124);
        cairo_close_path(cr);
        SetColor(cr, pal::Red);
        cairo_fill(cr);
        break;
      }
      case 23:  // the gopher's visits
        PaintCourse(cr, "forest", 1, 0, 0, w, h);
        FillEllipse(cr, 300, 230, 46, 12, Hex(0x3A2414));
        FillEllipse(cr, 300, 190, 28, 40, Hex(0x9A6A3C));
        FillEllipse(cr, 300, 156, 22, 20, Hex(0xA87545));
        FillCircle(cr, 292, 150, 3, kInk);
        FillCircle(cr, 308, 150, 3, kInk);
        FillEllipse(cr, 300, 162, 6, 4, Hex(0x3A2414));
        cairo_rectangle(cr, 295, 167, 10, 7);
        SetColor(cr, Hex(0xFFFFFF));
        cairo_fill(cr);
        GolfBall(cr, 330, 196, 9);
        Golfer(cr, 130, 245, 130, 0, Hex(0xE85D3A), Hex(0x2E3B55), false);
        Sign(cr, 380, 60, 100, 44, "?!", 28);
        break;
      case 24: {  // averages on nine-hole courses
        PaintCourse(cr, "municipal", 2, 0, 0, w, h);
        WoodBoard(cr, 90, 30, 320, 170, 8, 0);
        SetFont(cr, Face::SansBold, 14);
        FillText(cr, "HOLE", 116, 66, 0, pal::Cream);
        FillText(cr, "SCORE", 116, 110, 0, pal::Cream);
        const char* scores[] = {"4", "3", "5", "4", "2", "3", "4", "3", "4"};
        for (int i = 0; i < 9; ++i) {
          FillText(cr, std::to_string(i + 1), 190 + i * 24, 66, 1, pal::Cream);
          FillRoundedRect(cr, 180 + i * 24, 92, 20, 24, 2, pal::CardWhite);
          FillText(cr, scores[i], 190 + i * 24, 110, 1, kInk);
        }
        SetFont(cr, Face::SansBold, 18);
        FillText(cr, "AVERAGE", 250, 170, 1, pal::BrassLight);
        Golfer(cr, 450, 250, 120, 2, Hex(0x1F9E92), Hex(0x4A3A2A), true, true);
        break;
      }
      case 25:  // new shoes
        VerticalGradient(cr, 0, 0, w, h, Hex(0xF4ECD8), Hex(0xD9CDB2));
        Sign(cr, 150, 14, 200, 44, "PRO SHOP", 24);
        for (int row = 0; row < 2; ++row) {
          cairo_rectangle(cr, 40, 130 + row * 90, 420, 8);
          SetColor(cr, pal::Wood);
          cairo_fill(cr);
          for (int i = 0; i < 4; ++i) {
            const double x = 70 + i * 105, y = 128 + row * 90;
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, x, y - 28);
            cairo_curve_to(cr, x + 20, y - 34, x + 30, y - 20, x + 40, y - 16);
            cairo_curve_to(cr, x + 70, y - 12, x + 76, y - 4, x + 74, y);
            cairo_close_path(cr);
            SetColor(cr, (i + row) % 2 ? Hex(0xFFFFFF) : Hex(0x7A4A22));
            cairo_fill_preserve(cr);
            Stroke(cr, kInk, 1.5);
            for (int k = 0; k < 3; ++k) FillCircle(cr, x + 8 + k * 22, y + 2, 2, kInk);
          }
        }
        FillRoundedRect(cr, 380, 230, 90, 26, 4, pal::Red);
        SetFont(cr, Face::SansBold, 14);
        FillText(cr, "NEW!", 425, 248, 1, Hex(0xFFFFFF));
        break;
      case 26:  // a caddie for the mountain meadow
        PaintCourse(cr, "mountain", 2, 0, 0, w, h);
        Golfer(cr, 160, 245, 120, 2, Hex(0xE85D3A), Hex(0x2E3B55), false);
        Golfer(cr, 300, 250, 110, 2, Hex(0xFFFFFF), Hex(0x4A4A4A), false);
        FillRoundedRect(cr, 316, 150, 34, 80, 8, Hex(0x2D4770));
        for (int i = 0; i < 4; ++i) {
          cairo_move_to(cr, 322 + i * 7, 150);
          cairo_line_to(cr, 318 + i * 9, 118);
          Stroke(cr, Hex(0xC8CCD0), 2.5);
        }
        break;
      case 27: {  // the count of perfect holes
        VerticalGradient(cr, 0, 0, w, h, Hex(0x2F6B36), Hex(0x1E4A24));
        Sign(cr, 120, 20, 260, 60, "PERFECT", 34);
        for (int i = 0; i < 5; ++i) {
          cairo_save(cr);
          cairo_translate(cr, 120 + i * 65, 170);
          cairo_rotate(cr, -0.2 + i * 0.1);
          FillRoundedRect(cr, -26, -38, 52, 76, 4, pal::CardWhite);
          FillSuit(cr, i % 4, 0, 0, 24, SuitColor(i % 4));
          cairo_restore(cr);
        }
        for (int i = 0; i < 7; ++i) Glint(cr, 60 + i * 65, 110 + (i % 3) * 20, 10, 0.9);
        break;
      }
      case 28:  // reporters at the dunes
        PaintCourse(cr, "scotland", 1, 0, 0, w, h);
        Golfer(cr, 170, 248, 130, 2, Hex(0x3C6FB8), Hex(0x4A4A4A), false);
        for (int i = 0; i < 3; ++i) {
          const double x = 300 + i * 60;
          Golfer(cr, x, 252, 115, 2, Hex(0x8A857A), Hex(0x3A3A3A), i == 1, true);
          cairo_move_to(cr, x - 8, 180);
          cairo_line_to(cr, 210 + i * 6, 150 + i * 4);
          Stroke(cr, kInk, 2);
          FillCircle(cr, 208 + i * 6, 150 + i * 4, 6, kInk);
        }
        FillRoundedRect(cr, 440, 120, 40, 28, 4, kInk);
        FillCircle(cr, 460, 134, 9, Hex(0x8A8A8A));
        Glint(cr, 470, 118, 14, 1.0);
        break;
      case 29: {  // the magazine's player of the month
        VerticalGradient(cr, 0, 0, w, h, pal::Wood, pal::DarkWood);
        cairo_save(cr);
        cairo_translate(cr, 250, 130);
        cairo_rotate(cr, -0.06);
        SoftShadow(cr, -90, -120, 180, 240, 2, 0.35, 4);
        cairo_rectangle(cr, -90, -120, 180, 240);
        cairo_clip(cr);
        PaintCourse(cr, "beach", 3, -90, -120, 180, 240);
        Golfer(cr, 0, 110, 170, 1, Hex(0xE85D3A), Hex(0x2E3B55), false);
        cairo_reset_clip(cr);
        SetFont(cr, Face::SansNarrowBold, 30);
        FillText(cr, "GOLF", 0, -86, 1, Hex(0xFFFFFF));
        SetFont(cr, Face::SansBold, 10);
        FillText(cr, "PLAYER OF THE MONTH", 0, -70, 1, Hex(0xFFFFFF));
        cairo_restore(cr);
        break;
      }
      case 30: {  // perfect holes in one round
        VerticalGradient(cr, 0, 0, w, h, Hex(0x7A5230), Hex(0x5A3A1C));
        cairo_save(cr);
        cairo_translate(cr, 250, 130);
        cairo_rotate(cr, 0.05);
        SoftShadow(cr, -200, -100, 400, 200, 3, 0.3, 4);
        FillRoundedRect(cr, -200, -100, 400, 200, 3, Hex(0xFBF6E6));
        SetFont(cr, Face::SansBold, 16);
        FillText(cr, "SCORECARD", 0, -74, 1, pal::Fairway);
        for (int i = 0; i < 9; ++i) {
          cairo_rectangle(cr, -180 + i * 40, -50, 36, 110);
          Stroke(cr, WithAlpha(pal::Fairway, 0.6), 1);
          SetFont(cr, Face::SansBold, 12);
          FillText(cr, std::to_string(i + 1), -162 + i * 40, -34, 1, pal::Fairway);
          if (i % 3 != 1) {
            Glint(cr, -162 + i * 40, 10, 14, 0.0);
            cairo_move_to(cr, -162 + i * 40, -6);
            for (int k = 1; k < 10; ++k) {
              const double a = k * M_PI / 5 - M_PI / 2;
              const double r = k % 2 ? 6 : 14;
              cairo_line_to(cr, -162 + i * 40 + r * std::cos(a), 8 + r * std::sin(a));
            }
            cairo_close_path(cr);
            SetColor(cr, Hex(0xE0A020));
            cairo_fill(cr);
          }
        }
        cairo_restore(cr);
        break;
      }
      case 31:  // fans along the fairway
        PaintCourse(cr, "city", 3, 0, 0, w, h);
        Crowd(cr, 10, 490, 180, 100, 31);
        cairo_move_to(cr, 0, 190);
        cairo_line_to(cr, w, 184);
        Stroke(cr, Hex(0xF4F4F0), 3);
        Golfer(cr, 250, 255, 90, 2, Hex(0xE85D3A), Hex(0x2E3B55), false);
        break;
      case 32:  // the winnings so far, at the misty firth
        PaintCourse(cr, "scotland", 3, 0, 0, w, h);
        cairo_rectangle(cr, 0, 0, w, h);
        SetColor(cr, WithAlpha(Hex(0xE8EEF2), 0.35));
        cairo_fill(cr);
        MoneyBag(cr, 250, 240, 1.2);
        for (int i = 0; i < 7; ++i) GoldCoin(cr, 120 + i * 44, 246 - (i % 2) * 6, 14);
        Golfer(cr, 420, 250, 120, 3, Hex(0x2D4770), Hex(0x4A4A4A), false);
        break;
      default:
        break;
    }
  });
}

// The statistics picture: the leader board beside the eighteenth green, a greenkeeper on his
// ladder hanging up a score, the gallery watching from the rope.
void Stats(Canvas& c, const PictureFile&) {
  Story(c, [](cairo_t* cr, double w, double h) {
    PaintCourse(cr, "country", 1, 0, 0, w, h);
    // the board on two posts
    for (double px : {70.0, 410.0}) {
      cairo_rectangle(cr, px, 150, 14, 100);
      SetColor(cr, pal::DarkWood);
      cairo_fill(cr);
    }
    FillRoundedRect(cr, 40, 14, 420, 176, 6, pal::DeepGreen);
    FillRoundedRect(cr, 50, 46, 400, 136, 3, Hex(0xFBF8EC));
    SetFont(cr, Face::Bookman, 22);
    FillText(cr, "LEADERS", 250, 39, 1, pal::Cream);
    SetFont(cr, Face::SansNarrowBold, 11);
    FillText(cr, "PLAYER", 64, 60, 0, pal::DeepGreen);
    const char* holes[] = {"10", "11", "12", "13", "14", "15", "16", "17", "18"};
    for (int k = 0; k < 9; ++k) FillText(cr, holes[k], 208 + k * 24, 60, 1, pal::DeepGreen);
    FillText(cr, "PAR", 430, 60, 1, pal::DeepGreen);
    const char* names[] = {"HOLLOWAY", "OKAFOR", "LINDQVIST", "MARCHETTI", "BRENNAN"};
    const int totals[] = {-9, -7, -6, -4, -2};
    SetFont(cr, Face::SansBold, 13);
    for (int i = 0; i < 5; ++i) {
      const double y = 82 + i * 22;
      cairo_move_to(cr, 56, y + 6);
      cairo_line_to(cr, 444, y + 6);
      Stroke(cr, WithAlpha(pal::DeepGreen, 0.35), 1);
      FillText(cr, names[i], 64, y, 0, kInk);
      // the running score against par after each hole played so far; under par in red
      const int played = 7 + i % 2;
      for (int k = 0; k < played; ++k) {
        const int start = totals[i] + 3;
        const int score = static_cast<int>(std::lround(start + (totals[i] - start) * (k + 1.0) / played));
        FillText(cr, std::to_string(std::abs(score)), 208 + k * 24, y, 1, score < 0 ? pal::Red : kInk);
      }
      FillText(cr, std::to_string(totals[i]), 430, y, 1, pal::Red);
    }
    // the greenkeeper on his ladder, a number tile in his hand
    cairo_move_to(cr, 470, 250);
    cairo_line_to(cr, 452, 120);
    cairo_move_to(cr, 492, 250);
    cairo_line_to(cr, 474, 120);
    for (int k = 0; k < 6; ++k) {
      cairo_move_to(cr, 468 - k * 3, 232 - k * 20);
      cairo_line_to(cr, 490 - k * 3, 232 - k * 20);
    }
    Stroke(cr, pal::Wood, 3);
    Golfer(cr, 470, 190, 90, 2, Hex(0x2E7D32), Hex(0x4A3A2A), false, true);
    FillRoundedRect(cr, 432, 128, 16, 18, 2, Hex(0xFBF8EC));
    // the gallery along the rope
    cairo_move_to(cr, 0, 214);
    cairo_line_to(cr, w, 210);
    Stroke(cr, Hex(0xF4F4F0), 2);
    Crowd(cr, 10, 440, 262, 72, 3);
  });
}

void TrophyDisplay(Canvas& c, const PictureFile&) {
  Story(c, [](cairo_t* cr, double w, double h) {
    VerticalGradient(cr, 0, 0, w, h, Hex(0x5A1E2C), Hex(0x2E0E16));
    RadialGlow(cr, 270, 140, 220, WithAlpha(Hex(0xFFF0C8), 0.35));
    cairo_rectangle(cr, 0, 250, w, 10);
    SetColor(cr, pal::Wood);
    cairo_fill(cr);
    cairo_rectangle(cr, 0, 248, w, 3);
    SetColor(cr, pal::BrassLight);
    cairo_fill(cr);
    FillRoundedRect(cr, 30, 120, 150, 110, 4, pal::Wood);
    FillRoundedRect(cr, 44, 134, 122, 34, 2, pal::Brass);
    SetFont(cr, Face::Bookman, 15);
    FillText(cr, "TROPHY ROOM", 105, 157, 1, pal::DarkWood);
    SmallPrint(cr, "Cups of every season, polished for the new champion.", 48, 176, 114, 44, 10, 11,
               pal::Cream);
    for (int i = 0; i < 6; ++i) Glint(cr, 30 + i * 90, 30 + (i % 2) * 20, 6, 0.6);
  });
}

void PrintedTrophy(Canvas& c, int n) {
  cairo_t* cr = c.cr();
  TrophyCup(cr, c.w() / 2.0, c.h() - 2, c.h() - 8, n - 1);
  Newsprint(cr, 0, 0, c.w(), c.h());
}

void PrintedPortrait(Canvas& c, bool male, int n) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  VerticalGradient(cr, 0, 0, w, h, Hex(0xD8D4CA), Hex(0xA9A498));
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_clip(cr);
  DrawAvatarPortrait(cr, male, n, 4, 4, w - 8, h - 4);
  cairo_restore(cr);
  Newsprint(cr, 0, 0, w, h, 0.04);
  cairo_rectangle(cr, 0.5, 0.5, w - 1, h - 1);
  Stroke(cr, Hex(0x3A3A3A), 1);
}

// The OK button pressed: the board of "OK" one pixel lower and darker, without its shadow.
void OkDown(Canvas& c, const PictureFile&) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  WoodBoard(cr, 3, 4, w - 6, h - 6, 9, 0.0);
  RoundedRect(cr, 3, 4, w - 6, h - 6, 9);
  SetColor(cr, WithAlpha(Hex(0x000000), 0.22));
  cairo_fill(cr);
  SetFont(cr, Face::Bookman, h * 0.45);
  const Rgb out = pal::DarkWood;
  CentredText(cr, "OK", w / 2, h / 2 + 1, Darker(pal::Cream, 0.12), &out, 1.3);
}

}  // namespace

void AddNewspaper(Registry& r) {
  r["menus/OK_down.png"] = OkDown;
  r["graphics/newspaper/newspaper_bg.jpg"] = Desk;
  r["graphics/newspaper/newspaper.png"] = Page;
  r["graphics/newspaper/stats.jpg"] = Stats;
  r["graphics/newspaper/trophies/trophy_display_bg.jpg"] = TrophyDisplay;
  for (int code = 20; code <= 32; ++code)
    r["graphics/newspaper/jokes/" + std::to_string(code) + ".jpg"] = [code](Canvas& c, const PictureFile&) { Joke(c, code); };
  for (int n = 1; n <= 5; ++n) {
    const std::string k = std::to_string(n);
    r["graphics/newspaper/trophies/trophy" + k + ".png"] = [n](Canvas& c, const PictureFile&) { PrintedTrophy(c, n); };
    r["graphics/newspaper/BW_avatars/gent_" + k + ".png"] = [n](Canvas& c, const PictureFile&) { PrintedPortrait(c, true, n); };
    r["graphics/newspaper/BW_avatars/lady_" + k + ".png"] = [n](Canvas& c, const PictureFile&) { PrintedPortrait(c, false, n); };
  }
}

}  // namespace art

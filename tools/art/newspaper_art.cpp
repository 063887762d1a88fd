// The newspaper page's pictures: the desk it lands on, the page with its window and blank
// headline band, the statistics picture, the course photo and the course map of the courses whose
// stories show them, the thirteen story pictures (each its course's story), the trophy display
// with its five trophies, and the players' grey portraits. Everything printed on the page is grey
// newsprint.

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

// The courses whose page shows their photo (picture code 1, the newcomer's portrait mounted on
// it) or their map (code 2); each file is named after its course. A photo's scene is its course's
// background.
struct CoursePicture {
  const char* name;
  const char* scene;  // background folder word, as the course list's type gives it
  int variant;
};
const CoursePicture kCoursePhotos[] = {{"The Vuva Rivudar", "municipal", 1}};
// The map is drawn for its course: nine holes round the falls and the river they feed.
const char* const kCourseMaps[] = {"Parrot Falls"};

// Where the page puts the portrait on a course photo: its top-left corner in the picture (the
// page draws the picture 302, 72 and the portrait 82, 65 above and left of its centre) and its
// size (the BW_avatars pictures).
constexpr double kPortraitX = 302 - 82, kPortraitY = 72 - 65, kPortraitW = 110, kPortraitH = 130;

// A signboard on two posts standing on `ground`.
void PostedBoard(cairo_t* cr, double x, double y, double w, double h, double ground) {
  for (double px : {x + w * 0.2, x + w * 0.8 - 8}) {
    cairo_rectangle(cr, px, y + h - 4, 8, ground - (y + h - 4));
    SetColor(cr, pal::DarkWood);
    cairo_fill(cr);
  }
  WoodBoard(cr, x, y, w, h, 5, 0);
}

// A golf bag standing at (cx, base), `h` tall, with club heads showing at its mouth.
void GolfBag(cairo_t* cr, double cx, double base, double h, const Rgb& colour) {
  const double w = h * 0.36;
  for (int i = 0; i < 4; ++i) {
    const double x = cx - w * 0.3 + i * w * 0.2;
    cairo_move_to(cr, x, base - h + 6);
    cairo_line_to(cr, x + (i - 1.5) * 3, base - h - h * 0.22);
    Stroke(cr, Hex(0xC8CCD0), 2.2);
    FillRoundedRect(cr, x + (i - 1.5) * 3 - 4, base - h - h * 0.22 - 5, 9, 6, 2, i % 2 ? Hex(0x6A6E72) : Hex(0x8A5A2B));
  }
  SoftShadow(cr, cx - w / 2, base - h, w, h, w * 0.3, 0.25, 3);
  FillRoundedRect(cr, cx - w / 2, base - h, w, h, w * 0.3, colour);
  FillRoundedRect(cr, cx - w / 2 - 2, base - h, w + 4, h * 0.1, 3, Darker(colour, 0.35));
  FillRoundedRect(cr, cx - w / 2 + 3, base - h * 0.55, w * 0.5, h * 0.3, 4, Darker(colour, 0.2));
  cairo_move_to(cr, cx + w / 2 - 2, base - h * 0.85);
  cairo_curve_to(cr, cx + w, base - h * 0.6, cx + w, base - h * 0.35, cx + w / 2 - 2, base - h * 0.2);
  Stroke(cr, Darker(colour, 0.45), 3);
}

// The course photo: the first tee of the course on a bright morning, its sign and a bag of clubs,
// and a white mount where the page lays the new player's portrait, captioned below it.
void CoursePhoto(Canvas& c, const CoursePicture& course) {
  Story(c, [&course](cairo_t* cr, double w, double) {
    // the course, shifted so its horizon runs across the upper half and its pavilion shows left
    PaintCourse(cr, course.scene, course.variant, -60, -30, w + 60, 420);
    // the teeing ground: a mown strip with its two markers and a ball teed up
    FillSquashedCircle(cr, 120, 233, 122, 0.23, Darker(pal::Fairway, 0.1));
    FillSquashedCircle(cr, 120, 232, 120, 0.22, Lighter(pal::LightGrass, 0.15));
    FillCircle(cr, 46, 228, 6, pal::Red);
    FillCircle(cr, 190, 236, 6, pal::Red);
    cairo_move_to(cr, 118, 240);
    cairo_line_to(cr, 118, 230);
    Stroke(cr, Hex(0xFFFFFF), 2);
    GolfBall(cr, 118, 225, 6);
    // the first hole's sign: its number alone (the picture is drawn once for the course, and a
    // par or a length written here could differ from the hole the player meets)
    PostedBoard(cr, 28, 118, 150, 52, 222);
    SetFont(cr, Face::Bookman, 30);
    OutlinedText(cr, "HOLE 1", 103, 155, 1, pal::Cream, pal::DarkWood, 2);
    // the far green with its flag
    FillSquashedCircle(cr, 420, 116, 26, 0.3, Lighter(pal::LightGrass, 0.2));
    cairo_move_to(cr, 420, 117);
    cairo_line_to(cr, 420, 84);
    Stroke(cr, Hex(0xF4F4F0), 2);
    cairo_move_to(cr, 421, 84);
    cairo_line_to(cr, 438, 90);
    cairo_line_to(cr, 421, 96);
    cairo_close_path(cr);
    SetColor(cr, pal::Red);
    cairo_fill(cr);
    // a bag of clubs by the sign at the right, and the club's welcome board
    GolfBag(cr, 392, 246, 92, Hex(0x3C6FB8));
    PostedBoard(cr, 362, 16, 132, 54, 128);
    SetFont(cr, Face::Bookman, 13);
    OutlinedText(cr, "WELCOME", 428, 38, 1, pal::Cream, pal::DarkWood, 1.5);
    SetFont(cr, Face::SansBold, 9);
    FillText(cr, "BEGINNERS ALWAYS", 428, 52, 1, pal::Cream);
    FillText(cr, "ON THE FIRST TEE", 428, 63, 1, pal::Cream);
    // the mount of the portrait, its caption under it
    const double mx = kPortraitX - 6, my = kPortraitY - 6, mw = kPortraitW + 12;
    const double mh = kPortraitH + 30;
    SoftShadow(cr, mx, my, mw, mh, 1, 0.35, 4);
    FillRoundedRect(cr, mx, my, mw, mh, 1, Hex(0xFBF8EC));
    FillRoundedRect(cr, kPortraitX, kPortraitY, kPortraitW, kPortraitH, 0, Hex(0xBDB8AC));
    SetFont(cr, Face::SansNarrowBold, 12);
    FillText(cr, "NEW ON THE TEE", mx + mw / 2, my + mh - 8, 1, kInk);
  });
}

// A clump of jungle canopy: overlapping round crowns, lit from the top left.
void Canopy(cairo_t* cr, double cx, double cy, double r, Rng& rng) {
  for (int i = 0; i < 4; ++i) {
    const double x = cx + rng.Range(-r, r) * 0.7, y = cy + rng.Range(-r, r) * 0.5;
    const double rr = r * rng.Range(0.45, 0.7);
    FillCircle(cr, x + 1.5, y + 1.5, rr, WithAlpha(Hex(0x0E2A12), 0.35));
    FillCircle(cr, x, y, rr, Mix(pal::DeepGreen, pal::Fairway, rng.Range(0.2, 0.7)));
    FillCircle(cr, x - rr * 0.3, y - rr * 0.3, rr * 0.35, WithAlpha(pal::LightGrass, 0.35));
  }
}

// One hole of the map: a fairway from the tee to the green, bending through (bx, by), the tee box,
// the green with its flag, a bunker beside it and the hole's number by the tee.
struct MapHole {
  double tx, ty, bx, by, gx, gy;
};

void HoleOnMap(cairo_t* cr, const MapHole& m, int number) {
  auto fairway = [&] {
    cairo_move_to(cr, m.tx, m.ty);
    cairo_curve_to(cr, m.bx, m.by, m.bx, m.by, m.gx, m.gy);
  };
  fairway();
  Stroke(cr, Darker(pal::Fairway, 0.25), 19);
  fairway();
  Stroke(cr, pal::LightGrass, 16);
  // the light falls on the fairway's upper left side
  cairo_save(cr);
  cairo_translate(cr, -2.5, -2.5);
  fairway();
  Stroke(cr, WithAlpha(Lighter(pal::LightGrass, 0.35), 0.6), 6);
  cairo_restore(cr);
  const double dx = m.gx - m.bx, dy = m.gy - m.by, len = std::hypot(dx, dy);
  const double sx = -dy / len, sy = dx / len;  // across the approach
  FillEllipse(cr, m.gx + sx * 14 - dx / len * 4, m.gy + sy * 14 - dy / len * 4, 6, 4, pal::Sand);
  FillCircle(cr, m.gx, m.gy, 11, Darker(pal::Fairway, 0.2));
  FillCircle(cr, m.gx, m.gy, 9.5, Lighter(pal::LightGrass, 0.35));
  cairo_move_to(cr, m.gx, m.gy);
  cairo_line_to(cr, m.gx, m.gy - 15);
  Stroke(cr, kInk, 1.2);
  cairo_move_to(cr, m.gx + 0.5, m.gy - 15);
  cairo_line_to(cr, m.gx + 8, m.gy - 12.5);
  cairo_line_to(cr, m.gx + 0.5, m.gy - 10);
  cairo_close_path(cr);
  SetColor(cr, pal::Red);
  cairo_fill(cr);
  FillRoundedRect(cr, m.tx - 5, m.ty - 4, 10, 8, 2, Darker(pal::LightGrass, 0.1));
  const double nx = m.tx - (m.bx - m.tx) / std::hypot(m.bx - m.tx, m.by - m.ty) * 15;
  const double ny = m.ty - (m.by - m.ty) / std::hypot(m.bx - m.tx, m.by - m.ty) * 15;
  FillCircle(cr, nx, ny, 7.5, Hex(0xFBF8EC));
  cairo_arc(cr, nx, ny, 7.5, 0, 2 * M_PI);
  Stroke(cr, kInk, 1);
  SetFont(cr, Face::SansBold, 10);
  CentredText(cr, std::to_string(number), nx, ny, kInk);
}

// A place name on the map, on a patch of paper so it reads over the jungle; (x, y) is the middle
// of its baseline.
void MapLabel(cairo_t* cr, const std::string& text, double x, double y) {
  SetFont(cr, Face::SansNarrowBold, 10);
  const double w = TextWidth(cr, text);
  FillRoundedRect(cr, x - w / 2 - 3, y - 10, w + 6, 13, 3, WithAlpha(Hex(0xF3ECD6), 0.9));
  FillText(cr, text, x, y, 1, kInk);
}

// A parrot perched on a branch, facing left.
void Parrot(cairo_t* cr, double x, double y, double s) {
  cairo_move_to(cr, x - 14 * s, y + 22 * s);
  cairo_line_to(cr, x + 20 * s, y + 20 * s);
  Stroke(cr, pal::DarkWood, 3 * s);
  cairo_move_to(cr, x + 4 * s, y + 12 * s);
  cairo_line_to(cr, x + 12 * s, y + 34 * s);
  cairo_line_to(cr, x + 16 * s, y + 32 * s);
  cairo_close_path(cr);
  SetColor(cr, Hex(0x2D6BC4));
  cairo_fill(cr);
  FillEllipse(cr, x, y + 6 * s, 8 * s, 13 * s, pal::Red);
  FillEllipse(cr, x + 3 * s, y + 8 * s, 5 * s, 10 * s, Hex(0x2D6BC4));
  FillCircle(cr, x - 2 * s, y - 8 * s, 7 * s, pal::Red);
  FillCircle(cr, x - 4 * s, y - 10 * s, 2.6 * s, Hex(0xFFFFFF));
  FillCircle(cr, x - 4.5 * s, y - 10 * s, 1.3 * s, kInk);
  cairo_move_to(cr, x - 8 * s, y - 11 * s);
  cairo_curve_to(cr, x - 16 * s, y - 10 * s, x - 15 * s, y - 2 * s, x - 10 * s, y - 3 * s);
  cairo_line_to(cr, x - 7 * s, y - 6 * s);
  cairo_close_path(cr);
  SetColor(cr, Hex(0xF2C230));
  cairo_fill(cr);
}

// The course map: a printed plan of the nine holes looping out from the clubhouse through the
// jungle, the falls that give the course its name and the river they feed, the map's title and
// its compass.
void CourseMap(Canvas& c, const std::string& course) {
  Story(c, [&course](cairo_t* cr, double w, double h) {
    VerticalGradient(cr, 0, 0, w, h, Hex(0xF3ECD6), Hex(0xE4D8B8));
    Rng rng(4471);
    // the jungle, thinned where the holes are cleared
    for (int i = 0; i < 150; ++i) Canopy(cr, rng.Range(-10, w + 10), rng.Range(-10, h + 10), rng.Range(12, 20), rng);
    const MapHole holes[9] = {
        {208, 234, 175, 228, 138, 212}, {116, 198, 92, 170, 72, 138},  {104, 126, 140, 98, 178, 100},
        {198, 94, 236, 62, 278, 52},    {302, 74, 350, 70, 396, 86},   {424, 100, 456, 118, 468, 160},
        {448, 186, 410, 196, 370, 182}, {352, 160, 330, 140, 300, 118}, {318, 142, 310, 175, 302, 200},
    };
    // the river from the falls' pool, east across the course and off the map
    auto river = [&] {
      cairo_move_to(cr, 62, 98);
      cairo_curve_to(cr, 110, 150, 170, 160, 230, 168);
      cairo_curve_to(cr, 300, 178, 330, 196, 380, 150);
      cairo_curve_to(cr, 420, 118, 470, 140, w + 10, 132);
    };
    river();
    Stroke(cr, Darker(pal::Water, 0.45), 13);
    river();
    Stroke(cr, Darker(pal::Water, 0.2), 10);
    river();
    Stroke(cr, WithAlpha(pal::WaterLight, 0.45), 3);
    // the cart path from each green to the next tee, with a footbridge where it crosses water
    cairo_move_to(cr, 250, 234);
    cairo_line_to(cr, holes[0].tx, holes[0].ty);
    for (int i = 0; i + 1 < 9; ++i) {
      cairo_move_to(cr, holes[i].gx, holes[i].gy);
      cairo_line_to(cr, holes[i + 1].tx, holes[i + 1].ty);
    }
    cairo_move_to(cr, holes[8].gx, holes[8].gy);
    cairo_line_to(cr, 276, 230);
    SetColor(cr, Hex(0xFBF8EC));
    DashedStroke(cr, 3, 3);
    for (int i = 0; i < 9; ++i) HoleOnMap(cr, holes[i], i + 1);
    // the clubhouse
    FillRoundedRect(cr, 240, 222, 40, 22, 2, Hex(0xF4EEDC));
    cairo_move_to(cr, 234, 224);
    cairo_line_to(cr, 260, 208);
    cairo_line_to(cr, 286, 224);
    cairo_close_path(cr);
    SetColor(cr, Hex(0x9A4A32));
    cairo_fill(cr);
    cairo_rectangle(cr, 256, 232, 8, 12);
    SetColor(cr, pal::DarkWood);
    cairo_fill(cr);
    MapLabel(cr, "CLUBHOUSE", 260, 256);
    // the falls: a cliff at the top left, the water dropping into its pool
    cairo_move_to(cr, 8, 94);
    cairo_line_to(cr, 20, 14);
    cairo_line_to(cr, 100, 8);
    cairo_line_to(cr, 112, 92);
    cairo_close_path(cr);
    SetColor(cr, Hex(0x8E8A84));
    cairo_fill(cr);
    for (int k = 0; k < 4; ++k) {
      cairo_move_to(cr, 16 + k * 4, 30 + k * 16);
      cairo_line_to(cr, 46, 28 + k * 16);
      cairo_move_to(cr, 80, 26 + k * 18);
      cairo_line_to(cr, 104 - k * 2, 28 + k * 18);
    }
    Stroke(cr, Hex(0x6A6660), 1.5);
    cairo_rectangle(cr, 50, 10, 24, 86);
    SetColor(cr, pal::WaterLight);
    cairo_fill(cr);
    for (int k = 0; k < 5; ++k) {
      cairo_move_to(cr, 53 + k * 4.5, 12);
      cairo_line_to(cr, 53 + k * 4.5, 94);
    }
    Stroke(cr, WithAlpha(Hex(0xFFFFFF), 0.8), 1.2);
    FillEllipse(cr, 62, 98, 30, 10, pal::Water);
    FillEllipse(cr, 62, 95, 20, 5, WithAlpha(Hex(0xFFFFFF), 0.7));
    MapLabel(cr, "THE FALLS", 42, 124);
    // the title cartouche and its parrot
    SoftShadow(cr, 300, 8, 192, 56, 4, 0.3, 3);
    FillRoundedRect(cr, 300, 8, 192, 56, 4, Hex(0xFBF8EC));
    cairo_rectangle(cr, 304.5, 12.5, 183, 47);
    Stroke(cr, kInk, 1);
    Parrot(cr, 322, 30, 0.8);
    FitFont(cr, Face::Bookman, 20, course, 140);
    FillText(cr, course, 412, 36, 1, kInk);
    SetFont(cr, Face::SansBold, 9);
    FillText(cr, "COURSE MAP  \u00b7  NINE HOLES", 412, 52, 1, kInk);
    // the compass
    const double cx = 468, cy = 226;
    FillCircle(cr, cx, cy, 20, WithAlpha(Hex(0xFBF8EC), 0.9));
    cairo_arc(cr, cx, cy, 20, 0, 2 * M_PI);
    Stroke(cr, kInk, 1);
    for (int k = 0; k < 4; ++k) {
      const double a = k * M_PI / 2 - M_PI / 2;
      cairo_move_to(cr, cx + 16 * std::cos(a), cy + 16 * std::sin(a));
      cairo_line_to(cr, cx + 4 * std::cos(a + M_PI / 2), cy + 4 * std::sin(a + M_PI / 2));
      cairo_line_to(cr, cx + 4 * std::cos(a - M_PI / 2), cy + 4 * std::sin(a - M_PI / 2));
      cairo_close_path(cr);
      SetColor(cr, k == 0 ? pal::Red : kInk);
      cairo_fill(cr);
    }
    SetFont(cr, Face::SansBold, 8);
    CentredText(cr, "N", cx, cy - 25, kInk);
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
  for (const CoursePicture& course : kCoursePhotos)
    r[std::string("graphics/newspaper/course_images/") + course.name + ".jpg"] =
        [&course](Canvas& c, const PictureFile&) { CoursePhoto(c, course); };
  for (const std::string course : kCourseMaps)
    r["graphics/newspaper/maps/" + course + ".jpg"] = [course](Canvas& c, const PictureFile&) { CourseMap(c, course); };
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

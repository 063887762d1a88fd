// The wild shot dialog: a wooden board hung on two ropes with a dark green baize window for the
// story texts and the mini-game panel, its brass-rimmed frame, the shelf under the buttons, the
// headlines and the dialog's buttons.
//
// Dialog layout (512 x 512, its top-left at the screen's (144, TopY)): the headline's centre at
// (261, 145), the text window (50, 166)-(466, 430), the story card at (61, 249) and the buttons on
// the row y 433..477.

#include <cmath>
#include <string>

#include "tools/art/registry.h"

namespace art {

namespace {

constexpr double kWinX = 50, kWinY = 166, kWinW = 416, kWinH = 264;
constexpr double kBoardX = 14, kBoardY = 98, kBoardW = 484, kBoardH = 404;
constexpr double kRopeLeft = 118, kRopeRight = 394;

void Rope(cairo_t* cr, double x0, double y0, double x1, double y1) {
  const Rgb hemp = Hex(0xC8A56A);
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  SetColor(cr, Darker(hemp, 0.35));
  cairo_set_line_width(cr, 7);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  SetColor(cr, hemp);
  cairo_set_line_width(cr, 5);
  cairo_stroke(cr);
  // twist marks along the rope
  const double len = std::hypot(x1 - x0, y1 - y0);
  for (double d = 4; d < len; d += 7) {
    const double t = d / len;
    const double x = x0 + (x1 - x0) * t, y = y0 + (y1 - y0) * t;
    cairo_move_to(cr, x - 2.2, y - 1.5);
    cairo_line_to(cr, x + 2.2, y + 1.5);
  }
  SetColor(cr, WithAlpha(Darker(hemp, 0.45), 0.8));
  cairo_set_line_width(cr, 1.1);
  cairo_stroke(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

void Rivet(cairo_t* cr, double x, double y) {
  FillCircle(cr, x + 0.8, y + 1, 4.5, Hex(0x000000, 0.3));
  FillCircle(cr, x, y, 4.5, pal::Brass);
  FillCircle(cr, x - 1.2, y - 1.2, 1.8, pal::BrassLight);
}

// The ropes from the top edge to the board's rings.
void Ropes(cairo_t* cr) {
  Rope(cr, kRopeLeft - 30, 0, kRopeLeft, kBoardY + 12);
  Rope(cr, kRopeRight + 30, 0, kRopeRight, kBoardY + 12);
  for (double x : {kRopeLeft, kRopeRight}) {
    Circle(cr, x, kBoardY + 10, 8);
    SetColor(cr, pal::Brass);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    Circle(cr, x - 1, kBoardY + 9, 8);
    SetColor(cr, WithAlpha(pal::BrassLight, 0.6));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
}

void Baize(cairo_t* cr) {
  RoundedRect(cr, kWinX, kWinY, kWinW, kWinH, 10);
  cairo_pattern_t* p = cairo_pattern_create_radial(kWinX + kWinW * 0.35, kWinY + kWinH * 0.3, 20,
                                                   kWinX + kWinW * 0.5, kWinY + kWinH * 0.5, kWinW * 0.7);
  const Rgb a = Darker(pal::DeepGreen, 0.05), b = Darker(pal::DeepGreen, 0.45);
  cairo_pattern_add_color_stop_rgb(p, 0, a.r, a.g, a.b);
  cairo_pattern_add_color_stop_rgb(p, 1, b.r, b.g, b.b);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  // the cloth's weave: fine diagonal threads
  cairo_save(cr);
  RoundedRect(cr, kWinX, kWinY, kWinW, kWinH, 10);
  cairo_clip(cr);
  Rng rng(77);
  cairo_set_line_width(cr, 0.5);
  for (double d = -kWinH; d < kWinW; d += 3) {
    cairo_move_to(cr, kWinX + d, kWinY);
    cairo_line_to(cr, kWinX + d + kWinH, kWinY + kWinH);
    SetColor(cr, WithAlpha(pal::LightGrass, 0.03 + rng.Uniform() * 0.03));
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

void Board(cairo_t* cr, bool rim) {
  SoftShadow(cr, kBoardX + 4, kBoardY + 6, kBoardW, kBoardH, 20, 0.4, 5);
  WoodBoard(cr, kBoardX, kBoardY, kBoardW, kBoardH, 20, 0.0, rim);
}

void DialogBackground(Canvas& c) {
  cairo_t* cr = c.cr();
  Ropes(cr);
  Board(cr, true);
  Baize(cr);
}

void DialogFrame(Canvas& c) {
  cairo_t* cr = c.cr();
  cairo_push_group(cr);
  Board(cr, false);
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  RoundedRect(cr, kWinX, kWinY, kWinW, kWinH, 10);
  cairo_fill(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  cairo_pop_group_to_source(cr);
  cairo_paint(cr);
  Ropes(cr);
  BrassRing(cr, kBoardX + 3, kBoardY + 3, kBoardW - 6, kBoardH - 6, 18, 5);
  BrassRing(cr, kWinX - 3, kWinY - 3, kWinW + 6, kWinH + 6, 12, 5);
  // a shadow on the baize under the window's upper and left edges
  InnerShadow(cr, kWinX, kWinY, kWinW, kWinH, 10, 5, 0.1);
  for (double x : {kWinX - 3, kWinX + kWinW + 3})
    for (double y : {kWinY - 3, kWinY + kWinH + 3}) Rivet(cr, x, y);
  for (double x : {kBoardX + 16, kBoardX + kBoardW - 16})
    for (double y : {kBoardY + 16, kBoardY + kBoardH - 16}) Rivet(cr, x, y);
}

// The brass shelf the buttons stand on.
void Overlay(Canvas& c) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  SoftShadow(cr, 3, 5, w - 6, h - 8, 10, 0.35, 3);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 2, 0, h - 4);
  cairo_pattern_add_color_stop_rgb(p, 0, pal::BrassLight.r, pal::BrassLight.g, pal::BrassLight.b);
  cairo_pattern_add_color_stop_rgb(p, 0.5, pal::Brass.r, pal::Brass.g, pal::Brass.b);
  cairo_pattern_add_color_stop_rgb(p, 1, pal::Brass.r * 0.7, pal::Brass.g * 0.7, pal::Brass.b * 0.7);
  RoundedRect(cr, 2, 2, w - 4, h - 6, 10);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  FillRoundedRect(cr, 9, 8, w - 18, h - 18, 7, Darker(pal::DarkWood, 0.2));
  FillRoundedRect(cr, 9, 8, w - 18, 4, 2, Hex(0x000000, 0.25));
  for (double x : {8.0, w - 8}) Rivet(cr, x, h / 2 - 2);
}

// A headline: a cream title on a small board with brass ends, as the course signs.
void Headline(Canvas& c, const std::string& text) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  FitFont(cr, Face::Bookman, h * 0.52, text, w - 56, 10, 1);
  const double tw = TextWidth(cr, text);
  const double bw = std::min(w - 6, std::max(tw + 56, w * 0.55));
  const double bx = (w - bw) / 2;
  SoftShadow(cr, bx + 3, 6, bw - 2, h - 10, 14, 0.35, 3);
  WoodBoard(cr, bx, 3, bw - 3, h - 9, 14, 0.06);
  for (double x : {bx + 12, bx + bw - 15}) Rivet(cr, x, h / 2 - 3);
  const Rgb out = pal::DarkWood;
  CentredText(cr, text, w / 2, h / 2 - 3, pal::Cream, &out, 1.6);
}

enum class ButtonState { Normal, Over, Down };

// A wooden button filling its picture, or only the picture's lowest `board_h` rows (the rows above
// stay clear) when board_h is given.
void WildButton(Canvas& c, const std::string& text, ButtonState state, double board_h = 0) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = board_h > 0 ? board_h : c.h();
  cairo_save(cr);
  cairo_translate(cr, 0, c.h() - h);
  const double dy = state == ButtonState::Down ? 1 : 0;
  if (state == ButtonState::Over) {
    ButtonGlow(cr, w, h, 10);
  } else {
    SoftShadow(cr, 4, 5, w - 7, h - 7, 10, 0.3, 3);
  }
  const double bright = state == ButtonState::Over ? MOUSE_OVER_BRIGHT : 0.0;
  WoodBoard(cr, 3, 3 + dy, w - 6, h - 6, 10, bright);
  if (state == ButtonState::Down) {
    RoundedRect(cr, 3, 3 + dy, w - 6, h - 6, 10);
    SetColor(cr, Hex(0x000000, 0.22));
    cairo_fill(cr);
  }
  FitFont(cr, Face::Bookman, h * 0.46, text, w - 24, 8, 1);
  const Rgb out = pal::DarkWood;
  const Rgb fill = state == ButtonState::Over ? Hex(0xFFFFFF) : state == ButtonState::Down ? Darker(pal::Cream, 0.12) : pal::Cream;
  CentredText(cr, text, w / 2, h / 2 + dy, fill, &out, 1.3);
  cairo_restore(cr);
}

// The headline of a story from its title: "lost_wallet" reads "Lost Wallet".
std::string TitleWords(const std::string& title) {
  std::string out;
  bool start = true;
  for (char ch : title) {
    if (ch == '_') {
      out += ' ';
      start = true;
      continue;
    }
    out += start && ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch;
    start = false;
  }
  return out;
}

const char* const kStoryTitles[] = {
    "sponsor", "found_iron", "lucky_bounce", "rainbow", "gopher", "lost_wallet", "water_skip",
    "sand_storm", "squirrel", "rain_delay", "broken_window", "lost_ball", "heckler", "dropped_club",
    "cart_crash", "bee_sting", "fine", "snapped_iron", "caddie_bonus", "lightning", "wardrobe",
    "ball_washer", "stopwatch", "sharpshooter", "long_drive", "putting", "card_shuffle",
    "whirlwind", "thunder"};

}  // namespace

void AddWildshots(Registry& r) {
  r["graphics/wildshots/dialog_bg.png"] = [](Canvas& c, const PictureFile&) { DialogBackground(c); };
  r["graphics/wildshots/dialog_frame.png"] = [](Canvas& c, const PictureFile&) { DialogFrame(c); };
  r["graphics/wildshots/dialog_overlay.png"] = [](Canvas& c, const PictureFile&) { Overlay(c); };
  r["graphics/wildshots/headline_wild_shot.png"] = [](Canvas& c, const PictureFile&) { Headline(c, "Wild Shot!"); };
  for (const char* title : kStoryTitles) {
    const std::string t = title;
    r["graphics/wildshots/" + t + ".png"] = [t](Canvas& c, const PictureFile&) { Headline(c, TitleWords(t)); };
  }
  // The stop button is placed 91 px above the button row, over the lower part of the shuffling
  // story card (which ends 49 px below its top): its board keeps to the picture's lowest 44 rows,
  // below the card, and the clear rows above still take the click.
  const struct {
    const char* file;
    const char* text;
    bool down;
    double board_h;
  } buttons[] = {{"ok_wild", "OK", true, 0}, {"play_wild", "Play", true, 0}, {"drop_wild", "Drop", true, 0},
                 {"stop_wild", "Stop!", false, 44}};
  for (const auto& b : buttons) {
    const std::string file = b.file, text = b.text;
    const double board_h = b.board_h;
    r["menus/" + file + ".png"] = [text, board_h](Canvas& c, const PictureFile&) {
      WildButton(c, text, ButtonState::Normal, board_h);
    };
    r["menus/" + file + "MO.png"] = [text, board_h](Canvas& c, const PictureFile&) {
      WildButton(c, text, ButtonState::Over, board_h);
    };
    if (b.down)
      r["menus/" + file + "_down.png"] = [text](Canvas& c, const PictureFile&) { WildButton(c, text, ButtonState::Down); };
  }
}

}  // namespace art

// Pictures of the title page, the options and credits pages and the course selector: their
// backgrounds, the logo, the players' photographs, the dialog headers they open, their buttons and
// the course selector's panels and course photographs.

#include <cmath>
#include <string>
#include <vector>

#include "tools/art/avatar_heads.h"
#include "tools/art/registry.h"

namespace art {

namespace {

const Rgb kOutline = pal::DarkWood;

// --- shared pieces ---

// A menu button: a wooden board with its label. state 0 normal, 1 mouse-over (brighter with a
// thin brass glow), 2 pressed (1 px lower and darker).
void MenuButton(Canvas& c, const std::string& text, int state, double text_scale = 0.5) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  const double r = std::min(10.0, h * 0.3);
  const double dy = state == 2 ? 1 : 0;
  if (state == 1) {
    ButtonGlow(cr, w, h, r);
  } else if (state == 0) {
    SoftShadow(cr, 4, 5, w - 7, h - 7, r, 0.3, 2.5);
  }
  WoodBoard(cr, 3, 3 + dy, w - 6, h - 7, r, state == 1 ? MOUSE_OVER_BRIGHT : 0.0);
  if (state == 2) {
    RoundedRect(cr, 3, 3 + dy, w - 6, h - 7, r);
    SetColor(cr, Hex(0x000000, 0.22));
    cairo_fill(cr);
  }
  const double size = FitFont(cr, Face::Bookman, h * text_scale, text, w - 18);
  const Rgb fill = state == 1 ? Hex(0xFFFFFF) : (state == 2 ? Darker(pal::Cream, 0.12) : pal::Cream);
  CentredText(cr, text, w / 2, h / 2 + dy - 0.5, fill, &kOutline, std::max(0.8, size / 16));
}

// A header sign: a board with a brass rim and its title.
void HeaderSign(Canvas& c, const std::string& text, const Rgb& fill = pal::Cream) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  SoftShadow(cr, 6, 7, w - 10, h - 10, 12, 0.3, 4);
  WoodBoard(cr, 4, 4, w - 10, h - 10, 12, 0.08);
  FitFont(cr, Face::Bookman, h * 0.48, text, w - 36, 8, 0.5);
  CentredText(cr, text, w / 2.0, h / 2.0 - 1, fill, &kOutline, 1.6);
}

// A rounded panel of dark felt framed in wood, for text in light colours.
void DarkPanel(cairo_t* cr, double x, double y, double w, double h, double r) {
  SoftShadow(cr, x + 3, y + 4, w, h, r, 0.35, 4);
  WoodBoard(cr, x, y, w, h, r, 0.0);
  RoundedRect(cr, x + 8, y + 8, w - 16, h - 16, std::max(2.0, r - 6));
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
  cairo_pattern_add_color_stop_rgb(p, 0, 0.10, 0.22, 0.12);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.06, 0.15, 0.08);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  // inner shadow along the top and left
  cairo_save(cr);
  RoundedRect(cr, x + 8, y + 8, w - 16, h - 16, std::max(2.0, r - 6));
  cairo_clip(cr);
  for (int i = 0; i < 4; ++i) {
    RoundedRect(cr, x + 4 + i, y + 4 + i, w - 8, h - 8, r);
    SetColor(cr, Hex(0x000000, 0.1));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

// A sheet of cream paper pinned to the board, for dark text.
void PaperPanel(cairo_t* cr, double x, double y, double w, double h) {
  SoftShadow(cr, x + 3, y + 4, w, h, 4, 0.3, 3);
  cairo_rectangle(cr, x, y, w, h);
  cairo_pattern_t* p = cairo_pattern_create_linear(x, y, x + w * 0.2, y + h);
  cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 0.97, 0.88);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.93, 0.88, 0.74);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  cairo_rectangle(cr, x + 0.5, y + 0.5, w - 1, h - 1);
  SetColor(cr, Hex(0x8B5A2B, 0.5));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  for (double px : {x + 10, x + w - 10}) {
    FillCircle(cr, px, y + 9, 4, pal::Brass);
    FillCircle(cr, px - 1, y + 8, 1.5, pal::BrassLight);
  }
}

// Pastes a picture drawn by another drawer (an 800 x 600 scene) scaled into the rectangle.
void PasteScene(cairo_t* cr, const Registry& r, const std::string& path, double x, double y,
                double w, double h, double sx = 0, double sy = 0, double sw = 800, double sh = 600) {
  auto it = r.find(path);
  if (it == r.end()) return;
  Canvas scene(800, 600, 1);
  PictureFile picture;
  picture.path = path;
  picture.w = 800;
  picture.h = 600;
  it->second(scene, picture);
  std::vector<std::uint32_t> px = scene.Downsampled();
  cairo_surface_t* s = cairo_image_surface_create_for_data(
      reinterpret_cast<unsigned char*>(px.data()), CAIRO_FORMAT_ARGB32, 800, 600, 800 * 4);
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, w / sw, h / sh);
  cairo_set_source_surface(cr, s, -sx, -sy);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
  cairo_paint(cr);
  cairo_restore(cr);
  cairo_surface_destroy(s);
}

void Darken(cairo_t* cr, double w, double h, double alpha) {
  cairo_rectangle(cr, 0, 0, w, h);
  SetColor(cr, Hex(0x000000, alpha));
  cairo_fill(cr);
}

// --- the players' photographs ---

// A head-and-shoulders photo of look n (0..4) in a brass frame, lit from the top left; the face
// is the avatar's own, so the title's snapshot shows the golfer the player picks.
void Portrait(Canvas& c, bool male, int n) {
  static const std::uint32_t backs[5] = {0x8ECAF0, 0xB8E0C0, 0xF0DCA8, 0xD9F0FF, 0xC8D8F0};
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  const Rgb back = Hex(backs[((n % 5) + 5) % 5]);
  SoftShadow(cr, 3, 4, w - 5, h - 5, 5, 0.35, 2);
  FillRoundedRect(cr, 1, 1, w - 4, h - 4, 5, pal::Brass);
  FillRoundedRect(cr, 2, 2, w - 6, h - 6, 4, pal::BrassLight);
  const double ix = 5, iy = 5, iw = w - 12, ih = h - 12;
  cairo_save(cr);
  RoundedRect(cr, ix, iy, iw, ih, 3);
  cairo_clip(cr);
  VerticalGradient(cr, ix, iy, iw, ih, Lighter(back, 0.3), back);
  // the head fills most of the photo's width; the shoulders run off its sides and bottom
  DrawAvatarPortrait(cr, male, n + 1, ix - 13, iy - 6, iw + 26, ih + 14);
  cairo_restore(cr);
  // glass sheen over the photo
  cairo_move_to(cr, ix, iy);
  cairo_line_to(cr, ix + iw * 0.55, iy);
  cairo_line_to(cr, ix, iy + ih * 0.45);
  cairo_close_path(cr);
  SetColor(cr, Hex(0xFFFFFF, 0.12));
  cairo_fill(cr);
}

// --- the title page ---

void Logo(Canvas& c) {
  cairo_t* cr = c.cr();
  const double w = c.w();  // 520 x 250
  // the flag pole rising behind the sign
  cairo_rectangle(cr, 448, 4, 5, 120);
  SetColor(cr, Hex(0xE8E8E8));
  cairo_fill(cr);
  cairo_move_to(cr, 453, 6);
  cairo_curve_to(cr, 475, 10, 490, 16, 510, 22);
  cairo_curve_to(cr, 490, 28, 475, 34, 453, 38);
  cairo_close_path(cr);
  SetColor(cr, pal::Red);
  cairo_fill(cr);
  // the main board
  SoftShadow(cr, 18, 36, w - 30, 176, 22, 0.4, 6);
  WoodBoard(cr, 12, 30, w - 30, 176, 22, 0.06);
  // plate for the version number (drawn by the game at x 358, y 50 of this picture)
  FillRoundedRect(cr, 348, 44, 62, 30, 6, pal::Brass);
  FillRoundedRect(cr, 350, 46, 58, 26, 5, Hex(0xF8EFC8));
  SetFont(cr, Face::Bookman, 84);
  CentredText(cr, "Quillbrook", w / 2 - 6, 128, pal::Cream, &kOutline, 3.5);
  SetFont(cr, Face::SansBold, 19);
  CentredText(cr, "THE GOLF PATIENCE GAME", w / 2 - 6, 180, pal::BrassLight, &kOutline, 1.2);
  // crossed clubs and a ball on the left of the plate row
  cairo_save(cr);
  cairo_translate(cr, 80, 62);
  for (double a : {-0.6, 0.6}) {
    cairo_save(cr);
    cairo_rotate(cr, a);
    cairo_rectangle(cr, -2, -26, 4, 48);
    SetColor(cr, Hex(0xCFD4D8));
    cairo_fill(cr);
    cairo_rectangle(cr, -3, -28, 6, 12);
    SetColor(cr, Hex(0x2A2A2A));
    cairo_fill(cr);
    RoundedRect(cr, -2, 20, a < 0 ? -12 : 12, 8, 3);
    SetColor(cr, Hex(0x9AA0A6));
    cairo_fill(cr);
    cairo_restore(cr);
  }
  cairo_restore(cr);
  GolfBall(cr, 80, 80, 8);
  // a golf ball resting on the board's lower edge
  GolfBall(cr, 470, 196, 13);
}

void TitleBackground(cairo_t* cr, const Registry& r) {
  PasteScene(cr, r, "graphics/backgrounds/country2.jpg", 0, 0, 800, 600);
  // the light of the late afternoon and a darker foot where the buttons stand
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 380, 0, 600);
  cairo_pattern_add_color_stop_rgba(p, 0, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(p, 1, 0.05, 0.03, 0.0, 0.45);
  cairo_rectangle(cr, 0, 380, 800, 220);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  // the player's board in the middle: the photo at (316, 315), the name centred on 439 at 281,
  // the change-player button beneath it at y 310
  SoftShadow(cr, 270, 266, 284, 106, 16, 0.4, 5);
  WoodBoard(cr, 266, 262, 284, 106, 16, 0.02);
  RoundedRect(cr, 352, 276, 176, 30, 8);
  SetColor(cr, Hex(0x1A120A, 0.55));
  cairo_fill(cr);
  FillRoundedRect(cr, 281, 272, 70, 86, 5, Hex(0x2A1C10, 0.6));
  // the two posts that hold the board
  for (double x : {300.0, 516.0}) {
    cairo_rectangle(cr, x, 368, 12, 100);
    cairo_pattern_t* q = cairo_pattern_create_linear(x, 0, x + 12, 0);
    cairo_pattern_add_color_stop_rgb(q, 0, pal::Wood.r, pal::Wood.g, pal::Wood.b);
    cairo_pattern_add_color_stop_rgb(q, 1, pal::DarkWood.r, pal::DarkWood.g, pal::DarkWood.b);
    cairo_set_source(cr, q);
    cairo_fill(cr);
    cairo_pattern_destroy(q);
  }
  // two signposts on which the menu buttons hang, left and right of the play button
  for (double x : {116.0, 498.0}) {
    for (double px : {x + 22, x + 136}) {
      cairo_rectangle(cr, px, 540, 12, 60);
      SetColor(cr, pal::DarkWood);
      cairo_fill(cr);
    }
    SoftShadow(cr, x + 4, 470, 170, 96, 12, 0.35, 4);
    WoodBoard(cr, x, 466, 170, 96, 12, 0.0);
    RoundedRect(cr, x + 9, 475, 152, 78, 7);
    SetColor(cr, Hex(0x1A120A, 0.35));
    cairo_fill(cr);
  }
}

// --- the options and credits pages ---

void OptionsBackground(cairo_t* cr, const Registry& r) {
  PasteScene(cr, r, "graphics/backgrounds/municipal2.jpg", 0, 0, 800, 600);
  Darken(cr, 800, 600, 0.25);
  // one tall board for the captions, sliders and buttons (centred on x 400)
  SoftShadow(cr, 226, 72, 356, 516, 22, 0.45, 7);
  WoodBoard(cr, 222, 66, 356, 518, 22, 0.0);
  RoundedRect(cr, 238, 82, 324, 486, 14);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 82, 0, 568);
  cairo_pattern_add_color_stop_rgba(p, 0, 0.10, 0.22, 0.12, 0.94);
  cairo_pattern_add_color_stop_rgba(p, 1, 0.05, 0.13, 0.07, 0.94);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  for (double x : {238.0, 562.0})
    for (double y : {82.0, 568.0}) {
      FillCircle(cr, x, y, 5, pal::Brass);
      FillCircle(cr, x - 1, y - 1, 2, pal::BrassLight);
    }
}

void SliderBar(Canvas& c) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  const double cy = h / 2 + 1;
  // a sunken groove running between two brass caps; the dot travels 25 px in from each end
  RoundedRect(cr, 6, cy - 5, w - 12, 10, 5);
  SetColor(cr, Hex(0x140C06));
  cairo_fill(cr);
  RoundedRect(cr, 7, cy - 4, w - 14, 8, 4);
  cairo_pattern_t* p = cairo_pattern_create_linear(25, 0, w - 25, 0);
  cairo_pattern_add_color_stop_rgb(p, 0, pal::DeepGreen.r, pal::DeepGreen.g, pal::DeepGreen.b);
  cairo_pattern_add_color_stop_rgb(p, 1, pal::LightGrass.r, pal::LightGrass.g, pal::LightGrass.b);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  for (int i = 0; i <= 10; ++i) {
    const double x = 25 + (w - 50) * i / 10.0;
    cairo_rectangle(cr, x - 0.5, cy + 6, 1, i % 5 == 0 ? 5 : 3);
    SetColor(cr, WithAlpha(pal::BrassLight, 0.8));
    cairo_fill(cr);
  }
  for (double x : {6.0, w - 6.0}) {
    FillCircle(cr, x, cy, 6, pal::Brass);
    FillCircle(cr, x - 1.5, cy - 1.5, 2.5, pal::BrassLight);
  }
}

// --- the course selector ---

// The course selector's large picture, 850 x 600; picture point (px, py) is canvas (50 + px, py).
void SelectorPicture(cairo_t* cr) {
  const double o = 50;
  // the clubhouse wall: dark panelling with a green baize
  cairo_rectangle(cr, 0, 0, 850, 600);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, 600);
  cairo_pattern_add_color_stop_rgb(p, 0, 0.26, 0.16, 0.08);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.16, 0.10, 0.05);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  Rng rng(4711);
  for (int i = 0; i < 17; ++i) {
    const double x = i * 50.0;
    cairo_rectangle(cr, x, 0, 1.5, 600);
    SetColor(cr, Hex(0x000000, 0.25));
    cairo_fill(cr);
    for (int k = 0; k < 6; ++k) {
      cairo_move_to(cr, x + rng.Range(6, 44), rng.Range(0, 600));
      cairo_rel_line_to(cr, 0, rng.Range(30, 120));
      SetColor(cr, Hex(0xFFFFFF, 0.03));
      cairo_set_line_width(cr, 1);
      cairo_stroke(cr);
    }
  }
  // top band behind "Welcome to" and the course name
  SoftShadow(cr, o + 8, 8, 780, 64, 12, 0.35, 4);
  WoodBoard(cr, o + 4, 4, 784, 64, 12, 0.04);
  // the course list (box 64, 125, 195 x 319) with its scroll track at x 30 from 149 to 419
  DarkPanel(cr, o + 14, 100, 262, 352, 14);
  RoundedRect(cr, o + 29, 149, 22, 270, 8);
  SetColor(cr, Hex(0x000000, 0.45));
  cairo_fill(cr);
  RoundedRect(cr, o + 36, 152, 8, 264, 4);
  SetColor(cr, WithAlpha(pal::Brass, 0.35));
  cairo_fill(cr);
  // details and goal (300, 115 on), photograph (634, 94) framed by the overlay at (574, 72)
  DarkPanel(cr, o + 286, 84, 508, 268, 14);
  // best scores on paper (305, 361 heading; rows from 392)
  PaperPanel(cr, o + 292, 358, 500, 166);
  for (int i = 0; i < 5; ++i) {
    const double y = 414 + i * 24.6;
    cairo_move_to(cr, o + 304, y);
    cairo_line_to(cr, o + 780, y);
    SetColor(cr, Hex(0x8B5A2B, 0.25));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
  // the cash till under "Total Cash" (digits 32 high at y 492, centred on 153)
  SoftShadow(cr, o + 30, 480, 252, 58, 12, 0.35, 4);
  WoodBoard(cr, o + 26, 476, 252, 58, 12, 0.0);
  RoundedRect(cr, o + 46, 484, 212, 44, 8);
  SetColor(cr, Hex(0x0C1A0E));
  cairo_fill(cr);
  // the floor rail under the buttons
  cairo_rectangle(cr, 0, 548, 850, 52);
  SetColor(cr, Hex(0x000000, 0.25));
  cairo_fill(cr);
}

void SelectorBackdrop(cairo_t* cr, const Registry& r) {
  PasteScene(cr, r, "graphics/backgrounds/country1.jpg", 0, 0, 800, 600);
  Darken(cr, 800, 600, 0.45);
}

// The frame over the photograph: a polaroid edge round the window (60, 22, 150 x 112) and a
// golf tee with its ball in the left margin.
void PhotoOverlay(Canvas& c) {
  cairo_t* cr = c.cr();
  const double wx = 60, wy = 22, ww = 150, wh = 112;
  cairo_push_group(cr);
  SoftShadow(cr, wx - 8, wy - 6, ww + 16, wh + 26, 3, 0.4, 3);
  FillRoundedRect(cr, wx - 10, wy - 10, ww + 20, wh + 28, 3, pal::CardWhite);
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  cairo_rectangle(cr, wx, wy, ww, wh);
  cairo_fill(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  cairo_pop_group_to_source(cr);
  cairo_paint(cr);
  cairo_rectangle(cr, wx - 0.5, wy - 0.5, ww + 1, wh + 1);
  SetColor(cr, Hex(0x3A3A3A, 0.6));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  // two strips of tape at the top corners
  for (double x : {wx - 14.0, wx + ww - 16.0}) {
    cairo_save(cr);
    cairo_translate(cr, x + 15, wy - 8);
    cairo_rotate(cr, x < wx ? -0.5 : 0.5);
    cairo_rectangle(cr, -15, -5, 30, 10);
    SetColor(cr, Hex(0xF3E9C0, 0.8));
    cairo_fill(cr);
    cairo_restore(cr);
  }
  // the tee and ball
  cairo_move_to(cr, 22, 96);
  cairo_line_to(cr, 38, 96);
  cairo_line_to(cr, 31.5, 104);
  cairo_line_to(cr, 31, 140);
  cairo_line_to(cr, 29, 140);
  cairo_line_to(cr, 28.5, 104);
  cairo_close_path(cr);
  SetColor(cr, Hex(0xD84315));
  cairo_fill(cr);
  GolfBall(cr, 30, 86, 10);
}

void Heading(Canvas& c, const std::string& text, double size, bool on_paper) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  SetFont(cr, Face::Bookman, size);
  if (on_paper) {
    FillText(cr, text, 6, h * 0.72, 0, Hex(0x5A3A1C));
    cairo_move_to(cr, 6, h - 3);
    cairo_line_to(cr, 6 + TextWidth(cr, text), h - 3);
    SetColor(cr, Hex(0x8B5A2B, 0.6));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
  } else {
    SoftShadow(cr, 5, 6, w - 8, h - 8, 10, 0.3, 3);
    WoodBoard(cr, 3, 3, w - 8, h - 8, 10, 0.08);
    CentredText(cr, text, w / 2 - 1, h / 2 - 1, pal::Cream, &kOutline, 1.4);
  }
}

void Arrow(Canvas& c, bool up, int state) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  const double dy = state == 2 ? 1 : 0;
  if (state == 1) {
    FillRoundedRect(cr, 0, 0, w, h, 6, WithAlpha(pal::BrassLight, 0.35));
  }
  auto board = [&] {
    const double bright = state == 1 ? MOUSE_OVER_BRIGHT : state == 3 ? DISABLED_BRIGHT : 0.0;
    WoodBoard(cr, 1.5, 1.5 + dy, w - 3, h - 4, 5, bright);
    const double cx = w / 2, cy = h / 2 + dy - 0.5, s = std::min(w, h) * 0.26;
    cairo_move_to(cr, cx - s * 1.2, cy + (up ? s * 0.6 : -s * 0.6));
    cairo_line_to(cr, cx + s * 1.2, cy + (up ? s * 0.6 : -s * 0.6));
    cairo_line_to(cr, cx, cy + (up ? -s * 0.8 : s * 0.8));
    cairo_close_path(cr);
    FillAndStroke(cr, state == 2 ? Darker(pal::Cream, 0.15) : state == 3 ? DISABLED_INK : pal::Cream, kOutline, 1);
  };
  // disabled: a darker board, greyed and half transparent
  if (state == 3) {
    Greyed(cr, 0.5, board);
  } else {
    board();
  }
}

void TractionBar(Canvas& c) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  WoodBoard(cr, 1, 1, w - 2, h - 2, std::min(w, h) * 0.4, 0.15);
  for (int i = -1; i <= 1; ++i) {
    cairo_move_to(cr, 6, h / 2 + i * 4);
    cairo_line_to(cr, w - 6, h / 2 + i * 4);
    SetColor(cr, WithAlpha(pal::DarkWood, 0.8));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
  }
}

// A course photograph: the course's scene, seen small, with a slight warm print tone.
void CoursePhoto(Canvas& c, const Registry& r, const std::string& scene) {
  cairo_t* cr = c.cr();
  // the horizon and the fairway before it, where each scene shows its character
  PasteScene(cr, r, "graphics/backgrounds/" + scene + ".jpg", 0, 0, c.w(), c.h(), 60, 40, 560, 420);
  cairo_rectangle(cr, 0, 0, c.w(), c.h());
  SetColor(cr, Hex(0xF3D77A, 0.06));
  cairo_fill(cr);
}

void OnOff(Canvas& c, bool on, bool over) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  if (over) FillRoundedRect(cr, 0, 0, w, h, 10, WithAlpha(pal::BrassLight, 0.3));
  else SoftShadow(cr, 4, 5, w - 7, h - 7, 9, 0.3, 2.5);
  WoodBoard(cr, 3, 3, w - 6, h - 7, 9, over ? MOUSE_OVER_BRIGHT : 0.0);
  // a lamp that is lit when on
  const double lx = 20, ly = h / 2 - 0.5;
  if (on) RadialGlow(cr, lx, ly, 12, WithAlpha(pal::LightGrass, 0.8));
  FillCircle(cr, lx, ly, 6.5, Hex(0x1A120A));
  FillCircle(cr, lx, ly, 5, on ? Hex(0x9BE38A) : Hex(0x5A4A3A));
  FillCircle(cr, lx - 1.5, ly - 1.5, 1.8, Hex(0xFFFFFF, on ? 0.8 : 0.3));
  SetFont(cr, Face::Bookman, h * 0.46);
  CentredText(cr, on ? "On" : "Off", (w + 30) / 2, ly, over ? Hex(0xFFFFFF) : pal::Cream, &kOutline, 1.2);
}

}  // namespace

void AddTitleScreens(Registry& r) {
  const Registry* reg = &r;
  // title page
  r["graphics/title/title_bg.jpg"] = [reg](Canvas& c, const PictureFile&) { TitleBackground(c.cr(), *reg); };
  r["graphics/title/mainlogo.png"] = [](Canvas& c, const PictureFile&) { Logo(c); };
  for (int n = 0; n < 5; ++n) {
    for (bool male : {true, false}) {
      const std::string path = std::string("graphics/title/snapshots/") + (male ? "gent" : "lady") +
                               "_pic_" + std::to_string(n + 1) + ".png";
      r[path] = [male, n](Canvas& c, const PictureFile&) { Portrait(c, male, n); };
    }
  }
  // dialog headers
  const std::pair<const char*, const char*> headers[] = {{"round_in_progress", "Round in Progress"},
                                                         {"course_locked", "Course Locked"},
                                                         {"insufficient_funds", "Insufficient Funds"}};
  for (const auto& [file, text] : headers) {
    const std::string t = text;
    r[std::string("graphics/dialogs/") + file + ".png"] = [t](Canvas& c, const PictureFile&) { HeaderSign(c, t); };
  }
  // options and credits
  r["graphics/options/options_credits_bg.jpg"] = [reg](Canvas& c, const PictureFile&) { OptionsBackground(c.cr(), *reg); };
  r["graphics/options/options_header.png"] = [](Canvas& c, const PictureFile&) { HeaderSign(c, "Options"); };
  r["graphics/options/credits_header.png"] = [](Canvas& c, const PictureFile&) { HeaderSign(c, "Credits"); };
  r["graphics/options/slider_bar.png"] = [](Canvas& c, const PictureFile&) { SliderBar(c); };
  r["graphics/options/slider.png"] = [](Canvas& c, const PictureFile&) {
    GolfBall(c.cr(), c.w() / 2.0, c.h() / 2.0, c.w() / 2.0 - 1.5);
  };
  // course selector
  r["graphics/courseselector/bg.jpg"] = [reg](Canvas& c, const PictureFile&) { SelectorBackdrop(c.cr(), *reg); };
  r["graphics/courseselector/course_selector_bg.png"] = [](Canvas& c, const PictureFile&) { SelectorPicture(c.cr()); };
  r["graphics/courseselector/available_courses.png"] = [](Canvas& c, const PictureFile&) { Heading(c, "Available Courses", 24, false); };
  r["graphics/courseselector/welcome_to.png"] = [](Canvas& c, const PictureFile&) {
    cairo_t* cr = c.cr();
    SetFont(cr, Face::Bookman, 26);
    CentredText(cr, "Welcome to", c.w() / 2.0, c.h() / 2.0, pal::BrassLight, &kOutline, 1.5);
  };
  r["graphics/courseselector/top_scores.png"] = [](Canvas& c, const PictureFile&) { Heading(c, "Top Scores", 22, true); };
  r["graphics/courseselector/total_cash.png"] = [](Canvas& c, const PictureFile&) {
    cairo_t* cr = c.cr();
    SetFont(cr, Face::Bookman, 24);
    CentredText(cr, "Total Cash", c.w() / 2.0, 23, pal::BrassLight, &kOutline, 1.5);
  };
  r["graphics/courseselector/overlay.png"] = [](Canvas& c, const PictureFile&) { PhotoOverlay(c); };
  r["graphics/courseselector/traction_bar.png"] = [](Canvas& c, const PictureFile&) { TractionBar(c); };
  for (const char* s : {"beach1", "beach2", "city1", "city2", "country1", "country2", "desert1",
                        "desert2", "forest1", "forest2", "japan1", "japan2", "jungle1", "jungle2",
                        "jungle3", "mountain1", "mountain2", "municipal1", "municipal2", "scotland1",
                        "scotland2"}) {
    const std::string scene = s;
    r["graphics/courseselector/" + scene + ".jpg"] = [reg, scene](Canvas& c, const PictureFile&) {
      CoursePhoto(c, *reg, scene);
    };
  }
  // menu buttons: the picture, its mouse-over picture and, where pressed, its "_down" picture
  const std::pair<const char*, const char*> buttons[] = {
      {"changeplayer", "Change Player"}, {"Bigplay", "Play"},        {"titleoptions", "Options"},
      {"trophies", "Trophies"},         {"golfshop", "Golf Shop"},  {"careerstats", "Statistics"},
      {"exit", "Exit"},                 {"credits", "Credits"},     {"CSmenu", "Back"}};
  for (const auto& [file, text] : buttons) {
    const std::string f = file, t = text;
    const double scale = f == "Bigplay" ? 0.56 : 0.5;
    r["menus/" + f + ".png"] = [t, scale](Canvas& c, const PictureFile&) { MenuButton(c, t, 0, scale); };
    r["menus/" + f + "MO.png"] = [t, scale](Canvas& c, const PictureFile&) { MenuButton(c, t, 1, scale); };
    r["menus/" + f + "_down.png"] = [t, scale](Canvas& c, const PictureFile&) { MenuButton(c, t, 2, scale); };
  }
  for (const char* b : {"Create", "Delete"}) {
    const std::string t = b;
    r["menus/" + t + "_down.png"] = [t](Canvas& c, const PictureFile&) { MenuButton(c, t, 2, 0.45); };
  }
  r["menus/on.png"] = [](Canvas& c, const PictureFile&) { OnOff(c, true, false); };
  r["menus/onMO.png"] = [](Canvas& c, const PictureFile&) { OnOff(c, true, true); };
  r["menus/off.png"] = [](Canvas& c, const PictureFile&) { OnOff(c, false, false); };
  r["menus/offMO.png"] = [](Canvas& c, const PictureFile&) { OnOff(c, false, true); };
  for (bool up : {true, false}) {
    const std::string f = up ? "top_arrow" : "bot_arrow";
    r["menus/" + f + ".png"] = [up](Canvas& c, const PictureFile&) { Arrow(c, up, 0); };
    r["menus/" + f + "MO.png"] = [up](Canvas& c, const PictureFile&) { Arrow(c, up, 1); };
    r["menus/" + f + "_down.png"] = [up](Canvas& c, const PictureFile&) { Arrow(c, up, 2); };
    r["menus/" + f + "_disabled.png"] = [up](Canvas& c, const PictureFile&) { Arrow(c, up, 3); };
  }
}

}  // namespace art

// Digit strips and labels of the HUD and the scorecard. Frame n of a strip is glyph n; each glyph is
// centred in its cell, except the scorecard's handwriting, which fills the place its tables give it.

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "tools/art/registry.h"

namespace art {

namespace {

// Draws glyph strings into the cells of a strip with one style.
void Strip(Canvas& c, const PictureFile& s, const std::vector<std::string>& glyphs, Face face, double size,
           const Rgb& fill, const Rgb* outline, double outline_w, double squeeze = 1.0) {
  ForEachCell(c, s, [&](cairo_t* cr, int i) {
    if (i >= static_cast<int>(glyphs.size())) return;
    SetFont(cr, face, size);
    cairo_save(cr);
    cairo_translate(cr, s.cell_w / 2.0, s.cell_h / 2.0);
    cairo_scale(cr, squeeze, 1);
    CentredText(cr, glyphs[i], 0, 0, fill, outline, outline_w);
    cairo_restore(cr);
  });
}

std::vector<std::string> Digits() {
  std::vector<std::string> d;
  for (int i = 0; i < 10; ++i) d.push_back(std::to_string(i));
  return d;
}

std::vector<std::string> DigitsAnd(std::initializer_list<const char*> more) {
  auto d = Digits();
  for (const char* m : more) d.push_back(m);
  return d;
}

// Seven-segment digit in a cell; digit 10 is the colon.
void SevenSeg(cairo_t* cr, int w, int h, int digit, const Rgb& on) {
  static const int segs[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
  const double x0 = 2.5, x1 = w - 2.5, y0 = 2, y1 = h / 2.0, y2 = h - 2, t = 1.8;
  const Rgb off = WithAlpha(on, 0.12);
  if (digit == 10) {
    FillCircle(cr, w / 2.0, h * 0.32, 1.4, on);
    FillCircle(cr, w / 2.0, h * 0.68, 1.4, on);
    return;
  }
  struct Seg { double ax, ay, bx, by; };
  const Seg sg[7] = {{x0, y0, x1, y0}, {x1, y0, x1, y1}, {x1, y1, x1, y2}, {x0, y2, x1, y2},
                     {x0, y1, x0, y2}, {x0, y0, x0, y1}, {x0, y1, x1, y1}};
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cr, t);
  for (int k = 0; k < 7; ++k) {
    const bool lit = segs[digit] & (1 << k);
    const double shrink = 1.3;
    const double dx = (sg[k].bx - sg[k].ax), dy = (sg[k].by - sg[k].ay);
    const double len = std::hypot(dx, dy);
    cairo_move_to(cr, sg[k].ax + dx / len * shrink, sg[k].ay + dy / len * shrink);
    cairo_line_to(cr, sg[k].bx - dx / len * shrink, sg[k].by - dy / len * shrink);
    SetColor(cr, lit ? on : off);
    cairo_stroke(cr);
  }
}

void SignLabel(Canvas& c, const std::string& text, double size, double bright, bool glow) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  if (glow) {
    for (int i = 6; i >= 1; --i) {
      RoundedRect(cr, 6 - i, 6 - i, w - 12 + 2 * i, h - 12 + 2 * i, 8 + i);
      SetColor(cr, WithAlpha(pal::BrassLight, 0.09));
      cairo_fill(cr);
    }
    RoundedRect(cr, 6, 6, w - 12, h - 12, 8);
    SetColor(cr, WithAlpha(Hex(0xFFF3C0), 0.55));
    cairo_fill(cr);
  } else {
    SoftShadow(cr, 7, 8, w - 12, h - 12, 8, 0.3, 4);
    WoodBoard(cr, 6, 6, w - 12, h - 12, 8, bright);
  }
  SetFont(cr, Face::Bookman, size);
  const Rgb out = pal::DarkWood;
  CentredText(cr, text, w / 2, h / 2, glow ? Hex(0xFFFFFF) : pal::Cream, &out, glow ? 0.8 : 1.2);
}

// The score card's tables for its handwriting strips: glyph g is written at the pen minus its
// offset, and the pen moves on by its width and a gap of 2.
constexpr int kHandWidths[19] = {10, 6, 14, 8, 12, 9, 9, 8, 10, 10, 9, 12, 11, 14, 4, 9, 12, 14, 10};
constexpr int kHandOffsets[19] = {6, 7, 2, 6, 4, 5, 6, 6, 5, 5, 5, 5, 5, 3, 8, 5, 5, 1, 6};

// A handwriting strip: each glyph's ink stretched or squeezed to its width and starting at its
// offset, so every two neighbours stand the same gap apart; all glyphs share the digits' baseline.
void HandwritingStrip(Canvas& c, const PictureFile& s, const std::vector<std::string>& glyphs, const Rgb& ink) {
  ForEachCell(c, s, [&](cairo_t* cr, int i) {
    if (i >= static_cast<int>(glyphs.size()) || i >= 19) return;
    SetFont(cr, Face::Script, 28);
    cairo_text_extents_t zero, e;
    cairo_text_extents(cr, "0", &zero);
    cairo_text_extents(cr, glyphs[i].c_str(), &e);
    const double baseline = s.cell_h / 2.0 - (zero.y_bearing + zero.height / 2);
    if (glyphs[i] == "-") {
      // the script face's dash tapers to nothing at its ends: a pen stroke fills its width instead
      const double y = baseline - zero.height * 0.45, pen = 2.2;
      cairo_move_to(cr, kHandOffsets[i] + pen / 2, y + 0.6);
      cairo_curve_to(cr, kHandOffsets[i] + kHandWidths[i] * 0.4, y - 0.2, kHandOffsets[i] + kHandWidths[i] * 0.6,
                     y - 0.2, kHandOffsets[i] + kHandWidths[i] - pen / 2, y - 0.6);
      cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
      cairo_set_line_width(cr, pen);
      SetColor(cr, ink);
      cairo_stroke(cr);
      return;
    }
    // the anti-aliased edge adds about half a pixel on each side
    const double width = kHandWidths[i] - 0.7;
    cairo_save(cr);
    cairo_translate(cr, kHandOffsets[i] + 0.35, baseline);
    cairo_scale(cr, width / e.width, 1);
    cairo_move_to(cr, -e.x_bearing, 0);
    cairo_text_path(cr, glyphs[i].c_str());
    cairo_restore(cr);
    SetColor(cr, ink);
    cairo_fill(cr);
  });
}

void Handwritten(Canvas& c, const std::string& text, const Rgb& ink, double size) {
  SetFont(c.cr(), Face::Script, size);
  CentredText(c.cr(), text, c.w() / 2.0, c.h() / 2.0, ink);
}

void MultiplierSign(Canvas& c, const std::string& n, bool glow) {
  cairo_t* cr = c.cr();
  const double w = c.w(), h = c.h();
  if (glow) {
    RadialGlow(cr, w / 2, h / 2, w / 2, WithAlpha(pal::BrassLight, 0.9));
    return;
  }
  SoftShadow(cr, 6, 7, w - 10, h - 10, 12, 0.3, 4);
  WoodBoard(cr, 4, 4, w - 10, h - 10, 12, 0.05);
  // the large "5x" on the left, a brass divider, the word on the right with room on both sides
  SetFont(cr, Face::Bookman, 31);
  const Rgb out = pal::DarkWood;
  CentredText(cr, n, 38, h / 2 - 1, pal::BrassLight, &out, 1.5);
  cairo_move_to(cr, 68.5, 14);
  cairo_line_to(cr, 68.5, h - 18);
  SetColor(cr, WithAlpha(pal::BrassLight, 0.8));
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  SetFont(cr, Face::SansNarrowBold, 12.5);
  CentredText(cr, "MULTIPLIER", 106, h / 2 - 1, pal::Cream, &out, 1);
}

}  // namespace

void AddHud(Registry& r) {
  static const Rgb outline = pal::DarkWood;
  static const Rgb black = Hex(0x101010);
  r["graphics/fonts/hole_numbers_big.png"] = [](Canvas& c, const PictureFile& s) {
    // A two-digit hole stands its digits 16 pixels apart: the glyphs are narrowed to fit.
    Strip(c, s, DigitsAnd({"$", "\u20AC", "\u00A5"}), Face::Bookman, 30, pal::Cream, &outline, 1.6, 0.82);
  };
  r["graphics/fonts/hole_numbers_small.png"] = [](Canvas& c, const PictureFile& s) {
    Strip(c, s, {"/18", "/9"}, Face::SansNarrowBold, 14, pal::Cream, &outline, 1.0);
  };
  r["graphics/fonts/hole_marker_par_numbers.png"] = [](Canvas& c, const PictureFile& s) {
    // loaded without masking: drawn on an opaque-free page, bright with a dark edge
    Strip(c, s, DigitsAnd({"$", "\u20AC", "\u00A5", "+", "-"}), Face::SansBold, 24, pal::BrassLight,
          &black, 1.4);
  };
  r["graphics/fonts/score_sign_numbers_small.png"] = [](Canvas& c, const PictureFile& s) {
    Strip(c, s, DigitsAnd({"$", "\u20AC", "\u00A5", "+", "-", ".", "x"}), Face::SansNarrowBold, 17,
          pal::Cream, &outline, 1.0);
  };
  r["graphics/fonts/score_sign_par.png"] = [](Canvas& c, const PictureFile&) {
    SetFont(c.cr(), Face::SansBold, 15);
    CentredText(c.cr(), "PAR", c.w() / 2.0, c.h() / 2.0, pal::Cream, &outline, 1.2);
  };
  r["graphics/fonts/multiplier_font.png"] = [](Canvas& c, const PictureFile& s) {
    Strip(c, s, DigitsAnd({"x", "."}), Face::SansNarrowBold, 17, pal::BrassLight, &outline, 1.0);
  };
  // The run is drawn with a spacing of the cell width less 11 (less 14 after a leading "1"), so
  // each glyph, outline included, stays within 19 pixels of its cell's middle.
  r["graphics/fonts/long_drive_font.png"] = [](Canvas& c, const PictureFile& s) {
    Strip(c, s, Digits(), Face::Bookman, 42, pal::BrassLight, &outline, 1.6, 0.62);
  };
  r["graphics/fonts/long_drive_font_glow.png"] = [](Canvas& c, const PictureFile& s) {
    ForEachCell(c, s, [&](cairo_t* cr, int i) {
      SetFont(cr, Face::Bookman, 42);
      const Rgb halo = WithAlpha(Hex(0xFFE27A), 0.55);
      cairo_save(cr);
      cairo_translate(cr, s.cell_w / 2.0, s.cell_h / 2.0);
      cairo_scale(cr, 0.62, 1);
      CentredText(cr, std::to_string(i), 0, 0, halo, &halo, 3.0);
      cairo_restore(cr);
    });
  };
  r["graphics/fonts/drive.png"] = [](Canvas& c, const PictureFile&) {
    SetFont(c.cr(), Face::Bookman, 17);
    CentredText(c.cr(), "Drive", c.w() / 2.0, c.h() / 2.0, pal::Cream, &outline, 1.2);
  };
  r["graphics/fonts/long_drive.png"] = [](Canvas& c, const PictureFile&) { SignLabel(c, "LONG DRIVE", 16, 0.05, false); };
  r["graphics/fonts/long_drive_glow.png"] = [](Canvas& c, const PictureFile&) { SignLabel(c, "LONG DRIVE", 16, 0, true); };
  r["graphics/fonts/5x.png"] = [](Canvas& c, const PictureFile&) {
    SetFont(c.cr(), Face::Bookman, 28);
    CentredText(c.cr(), "5x", c.w() / 2.0, c.h() / 2.0, pal::BrassLight, &outline, 1.6);
  };
  r["graphics/fonts/7x.png"] = [](Canvas& c, const PictureFile&) {
    SetFont(c.cr(), Face::Bookman, 28);
    CentredText(c.cr(), "7x", c.w() / 2.0, c.h() / 2.0, pal::BrassLight, &outline, 1.6);
  };
  r["graphics/fonts/5x_Multiplier_sign.png"] = [](Canvas& c, const PictureFile&) { MultiplierSign(c, "5x", false); };
  r["graphics/fonts/5x_Multiplier_sign_glow.png"] = [](Canvas& c, const PictureFile&) { MultiplierSign(c, "5x", true); };
  r["graphics/fonts/7x_Multiplier_sign.png"] = [](Canvas& c, const PictureFile&) { MultiplierSign(c, "7x", false); };
  r["graphics/fonts/7x_Multiplier_sign_glow.png"] = [](Canvas& c, const PictureFile&) { MultiplierSign(c, "7x", true); };
  r["graphics/fonts/digital_readout_font.png"] = [](Canvas& c, const PictureFile& s) {
    ForEachCell(c, s, [&](cairo_t* cr, int i) { SevenSeg(cr, s.cell_w, s.cell_h, i, Hex(0x2B2B2B)); });
  };
  r["graphics/fonts/digital_readout_font_red.png"] = [](Canvas& c, const PictureFile& s) {
    ForEachCell(c, s, [&](cairo_t* cr, int i) { SevenSeg(cr, s.cell_w, s.cell_h, i, pal::Red); });
  };
  r["graphics/fonts/green_par_font.png"] = [](Canvas& c, const PictureFile& s) {
    Strip(c, s, Digits(), Face::SansBold, 16, Hex(0x2E7D32), nullptr, 0);
  };
  static const Rgb gray_ink = Hex(0x4A4F57);
  static const Rgb red_ink = Hex(0xC62828);
  r["graphics/fonts/handwriting_gray.png"] = [](Canvas& c, const PictureFile& s) {
    HandwritingStrip(c, s, DigitsAnd({"-", "+", "E", "x", ".", "=", "$", "\u20AC", "\u00A5"}), gray_ink);
  };
  r["graphics/fonts/handwriting_red.png"] = [](Canvas& c, const PictureFile& s) {
    HandwritingStrip(c, s, DigitsAnd({"-", "+"}), red_ink);
  };
  r["graphics/fonts/minutes.png"] = [](Canvas& c, const PictureFile&) { Handwritten(c, "min", gray_ink, 22); };
  r["graphics/fonts/seconds.png"] = [](Canvas& c, const PictureFile&) { Handwritten(c, "sec", gray_ink, 22); };
  // The scorecard writes "Longest drive (", the hole's longest run of cards from 2 px before the
  // label's right edge, then draws the closing words 8 px back over the number's end: the bracket's
  // ink ends 4 px clear of where the number's ink begins, and the closing words start 10 px into
  // their picture.
  r["graphics/fonts/longest_drive.png"] = [](Canvas& c, const PictureFile&) {
    cairo_t* cr = c.cr();
    SetFont(cr, Face::Script, 21);
    const char* text = "Longest drive (";
    cairo_text_extents_t e;
    cairo_text_extents(cr, text, &e);
    const double inkRight = c.w() - 2 - 5;
    FillText(cr, text, inkRight - (e.x_bearing + e.width), c.h() * 0.72, 0, gray_ink);
  };
  r["graphics/fonts/longest_drive_end_bracket.png"] = [](Canvas& c, const PictureFile&) {
    SetFont(c.cr(), Face::Script, 21);
    FillText(c.cr(), "cards)", 11, c.h() * 0.72, 0, gray_ink);
  };
  // The stamps sit centred in the score card's goal box, 204 px wide inside its dashed border: a
  // stamp is at most 170 px wide, so 17 px of paper stay clear on either side.
  auto stamp = [](Canvas& c, const std::string& text, const Rgb& ink) {
    cairo_t* cr = c.cr();
    const double w = std::min(c.w() - 8.0, 170.0);
    FitFont(cr, Face::SansBold, 20, text, w - 22);
    cairo_save(cr);
    cairo_translate(cr, c.w() / 2.0, c.h() / 2.0);
    cairo_rotate(cr, -0.05);
    RoundedRect(cr, -w / 2, -c.h() / 2.0 + 5, w, c.h() - 10, 6);
    SetColor(cr, WithAlpha(ink, 0.9));
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    CentredText(cr, text, 0, 0, WithAlpha(ink, 0.92));
    cairo_restore(cr);
  };
  r["graphics/scorecard/goal.png"] = [stamp](Canvas& c, const PictureFile&) { stamp(c, "GOAL", Hex(0x1E5AA8)); };
  r["graphics/scorecard/goal_complete.png"] = [stamp](Canvas& c, const PictureFile&) {
    stamp(c, "GOAL COMPLETE!", Hex(0x2E7D32));
  };
  r["graphics/gamescreen/pausedsmall.png"] = [](Canvas& c, const PictureFile&) { SignLabel(c, "Paused", 22, 0.05, false); };
}

}  // namespace art

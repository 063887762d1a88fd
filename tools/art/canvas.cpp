#include "tools/art/canvas.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <jpeglib.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <stdexcept>

namespace art {

Rgb Hex(std::uint32_t rgb, double alpha) {
  return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0, alpha};
}
Rgb Mix(const Rgb& a, const Rgb& b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
          a.a + (b.a - a.a) * t};
}
Rgb Lighter(const Rgb& c, double t) { return Mix(c, {1, 1, 1, c.a}, t); }
Rgb Darker(const Rgb& c, double t) { return Mix(c, {0, 0, 0, c.a}, t); }
Rgb WithAlpha(const Rgb& c, double a) { return {c.r, c.g, c.b, a}; }

Canvas::Canvas(int w, int h, int scale) : w_(w), h_(h), scale_(scale) {
  surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w * scale, h * scale);
  cr_ = cairo_create(surface_);
  cairo_scale(cr_, scale, scale);
  cairo_set_antialias(cr_, CAIRO_ANTIALIAS_GOOD);
}

Canvas::~Canvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

std::vector<std::uint32_t> Canvas::Downsampled() const {
  cairo_surface_flush(surface_);
  const unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  std::vector<std::uint32_t> out(static_cast<size_t>(w_) * h_);
  const int n = scale_ * scale_;
  for (int y = 0; y < h_; ++y) {
    for (int x = 0; x < w_; ++x) {
      unsigned sum[4] = {0, 0, 0, 0};
      for (int dy = 0; dy < scale_; ++dy) {
        const auto* row =
            reinterpret_cast<const std::uint32_t*>(data + static_cast<size_t>(y * scale_ + dy) * stride);
        for (int dx = 0; dx < scale_; ++dx) {
          const std::uint32_t p = row[x * scale_ + dx];
          for (int k = 0; k < 4; ++k) sum[k] += (p >> (8 * k)) & 0xFF;
        }
      }
      std::uint32_t q = 0;
      for (int k = 0; k < 4; ++k) q |= ((sum[k] + n / 2) / n) << (8 * k);
      out[static_cast<size_t>(y) * w_ + x] = q;
    }
  }
  return out;
}

bool Canvas::SavePng(const std::string& path, std::string& error) const {
  const std::vector<std::uint32_t> px = Downsampled();
  cairo_surface_t* small = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w_, h_);
  cairo_surface_flush(small);
  unsigned char* data = cairo_image_surface_get_data(small);
  const int stride = cairo_image_surface_get_stride(small);
  for (int y = 0; y < h_; ++y)
    std::copy_n(px.begin() + static_cast<long>(y) * w_, w_,
                reinterpret_cast<std::uint32_t*>(data + static_cast<size_t>(y) * stride));
  cairo_surface_mark_dirty(small);
  const cairo_status_t st = cairo_surface_write_to_png(small, path.c_str());
  cairo_surface_destroy(small);
  if (st != CAIRO_STATUS_SUCCESS) {
    error = "cannot write " + path + ": " + cairo_status_to_string(st);
    return false;
  }
  return true;
}

bool Canvas::SaveJpeg(const std::string& path, int quality, std::string& error) const {
  const std::vector<std::uint32_t> px = Downsampled();
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) {
    error = "cannot write " + path;
    return false;
  }
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr jerr{};
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_compress(&cinfo);
  jpeg_stdio_dest(&cinfo, f);
  cinfo.image_width = static_cast<JDIMENSION>(w_);
  cinfo.image_height = static_cast<JDIMENSION>(h_);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<unsigned char> row(static_cast<size_t>(w_) * 3);
  for (int y = 0; y < h_; ++y) {
    for (int x = 0; x < w_; ++x) {
      // Backgrounds are opaque; anything transparent is laid on black.
      const std::uint32_t p = px[static_cast<size_t>(y) * w_ + x];
      row[x * 3 + 0] = static_cast<unsigned char>((p >> 16) & 0xFF);
      row[x * 3 + 1] = static_cast<unsigned char>((p >> 8) & 0xFF);
      row[x * 3 + 2] = static_cast<unsigned char>(p & 0xFF);
    }
    JSAMPROW r = row.data();
    jpeg_write_scanlines(&cinfo, &r, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  const bool ok = std::fclose(f) == 0;
  if (!ok) error = "cannot finish " + path;
  return ok;
}

void SetColor(cairo_t* cr, const Rgb& c) { cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a); }

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  r = std::min({r, w / 2, h / 2});
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void FillRoundedRect(cairo_t* cr, double x, double y, double w, double h, double r, const Rgb& c) {
  RoundedRect(cr, x, y, w, h, r);
  SetColor(cr, c);
  cairo_fill(cr);
}

void SoftShadow(cairo_t* cr, double x, double y, double w, double h, double r, double alpha,
                double spread) {
  const int layers = 6;
  for (int i = layers; i >= 1; --i) {
    const double g = spread * i / layers;
    RoundedRect(cr, x - g / 2, y - g / 2, w + g, h + g, r + g / 2);
    cairo_set_source_rgba(cr, 0, 0, 0, alpha / layers);
    cairo_fill(cr);
  }
}

void VerticalGradient(cairo_t* cr, double x, double y, double w, double h, const Rgb& top,
                      const Rgb& bottom) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
  cairo_pattern_add_color_stop_rgba(p, 0, top.r, top.g, top.b, top.a);
  cairo_pattern_add_color_stop_rgba(p, 1, bottom.r, bottom.g, bottom.b, bottom.a);
  cairo_rectangle(cr, x, y, w, h);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void InnerShadow(cairo_t* cr, double x, double y, double w, double h, double r, int layers,
                 double alpha) {
  cairo_save(cr);
  RoundedRect(cr, x, y, w, h, r);
  cairo_clip(cr);
  for (int i = 0; i < layers; ++i) {
    RoundedRect(cr, x - layers + i, y - layers + i, w + layers, h + layers, r);
    SetColor(cr, Hex(0x000000, alpha));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

void FillAndStroke(cairo_t* cr, const Rgb& fill, const Rgb& line, double width) {
  SetColor(cr, fill);
  cairo_fill_preserve(cr);
  SetColor(cr, line);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

void DashedStroke(cairo_t* cr, double on, double off) {
  const double dash[] = {on, off};
  cairo_set_dash(cr, dash, 2, 0);
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
}

void Circle(cairo_t* cr, double x, double y, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  cairo_close_path(cr);
}

void FillCircle(cairo_t* cr, double x, double y, double r, const Rgb& c) {
  Circle(cr, x, y, r);
  SetColor(cr, c);
  cairo_fill(cr);
}

void FillSquashedCircle(cairo_t* cr, double cx, double cy, double r, double squash, const Rgb& c) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, 1, squash);
  Circle(cr, 0, 0, r);
  cairo_restore(cr);
  SetColor(cr, c);
  cairo_fill(cr);
}

void EllipsePath(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
}

void FillEllipse(cairo_t* cr, double cx, double cy, double rx, double ry, const Rgb& c) {
  EllipsePath(cr, cx, cy, rx, ry);
  SetColor(cr, c);
  cairo_fill(cr);
}

void RadialGlow(cairo_t* cr, double x, double y, double r, const Rgb& c) {
  cairo_pattern_t* p = cairo_pattern_create_radial(x, y, 0, x, y, r);
  cairo_pattern_add_color_stop_rgba(p, 0, c.r, c.g, c.b, c.a);
  cairo_pattern_add_color_stop_rgba(p, 0.45, c.r, c.g, c.b, c.a * 0.45);
  cairo_pattern_add_color_stop_rgba(p, 1, c.r, c.g, c.b, 0);
  Circle(cr, x, y, r);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

// Suit outlines in a unit box (-0.5..0.5), scaled by size.
void SuitPath(cairo_t* cr, int suit, double cx, double cy, double s) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, s, s);
  cairo_new_sub_path(cr);
  switch (suit) {
    case 1:  // diamond: slightly pinched sides
      cairo_move_to(cr, 0, -0.5);
      cairo_curve_to(cr, 0.12, -0.3, 0.26, -0.14, 0.38, 0);
      cairo_curve_to(cr, 0.26, 0.14, 0.12, 0.3, 0, 0.5);
      cairo_curve_to(cr, -0.12, 0.3, -0.26, 0.14, -0.38, 0);
      cairo_curve_to(cr, -0.26, -0.14, -0.12, -0.3, 0, -0.5);
      cairo_close_path(cr);
      break;
    case 2:  // heart
      cairo_move_to(cr, 0, 0.48);
      cairo_curve_to(cr, -0.2, 0.26, -0.5, 0.06, -0.5, -0.2);
      cairo_curve_to(cr, -0.5, -0.42, -0.32, -0.52, -0.2, -0.5);
      cairo_curve_to(cr, -0.08, -0.48, -0.02, -0.4, 0, -0.3);
      cairo_curve_to(cr, 0.02, -0.4, 0.08, -0.48, 0.2, -0.5);
      cairo_curve_to(cr, 0.32, -0.52, 0.5, -0.42, 0.5, -0.2);
      cairo_curve_to(cr, 0.5, 0.06, 0.2, 0.26, 0, 0.48);
      cairo_close_path(cr);
      break;
    case 3:  // spade: an upside-down heart on a flared stem
      cairo_move_to(cr, 0, -0.5);
      cairo_curve_to(cr, -0.2, -0.26, -0.5, -0.08, -0.5, 0.14);
      cairo_curve_to(cr, -0.5, 0.34, -0.3, 0.42, -0.18, 0.38);
      cairo_curve_to(cr, -0.1, 0.35, -0.05, 0.3, -0.03, 0.24);
      cairo_curve_to(cr, -0.05, 0.36, -0.12, 0.46, -0.22, 0.5);
      cairo_line_to(cr, 0.22, 0.5);
      cairo_curve_to(cr, 0.12, 0.46, 0.05, 0.36, 0.03, 0.24);
      cairo_curve_to(cr, 0.05, 0.3, 0.1, 0.35, 0.18, 0.38);
      cairo_curve_to(cr, 0.3, 0.42, 0.5, 0.34, 0.5, 0.14);
      cairo_curve_to(cr, 0.5, -0.08, 0.2, -0.26, 0, -0.5);
      cairo_close_path(cr);
      break;
    default:  // clubs: three leaves and a stem
      cairo_arc(cr, 0, -0.25, 0.23, 0, 2 * M_PI);
      cairo_close_path(cr);
      cairo_new_sub_path(cr);
      cairo_arc(cr, -0.26, 0.1, 0.23, 0, 2 * M_PI);
      cairo_close_path(cr);
      cairo_new_sub_path(cr);
      cairo_arc(cr, 0.26, 0.1, 0.23, 0, 2 * M_PI);
      cairo_close_path(cr);
      cairo_new_sub_path(cr);
      // the stem starts inside the top leaf, so no light seam shows between the leaves
      cairo_move_to(cr, -0.06, -0.12);
      cairo_line_to(cr, 0.06, -0.12);
      cairo_curve_to(cr, 0.06, 0.25, 0.12, 0.42, 0.22, 0.5);
      cairo_line_to(cr, -0.22, 0.5);
      cairo_curve_to(cr, -0.12, 0.42, -0.06, 0.25, -0.06, 0.0);
      cairo_close_path(cr);
      break;
  }
  cairo_restore(cr);
}

void FillSuit(cairo_t* cr, int suit, double cx, double cy, double size, const Rgb& c) {
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  SuitPath(cr, suit, cx, cy, size);
  SetColor(cr, c);
  cairo_fill(cr);
}

Rgb SuitColor(int suit) { return (suit == 1 || suit == 2) ? pal::Red : pal::Black; }

void GolfBall(cairo_t* cr, double cx, double cy, double r) {
  // body with shading towards the lower right
  cairo_pattern_t* p = cairo_pattern_create_radial(cx - r * 0.35, cy - r * 0.35, r * 0.1, cx, cy, r);
  cairo_pattern_add_color_stop_rgb(p, 0, 1, 1, 1);
  cairo_pattern_add_color_stop_rgb(p, 0.6, 0.95, 0.95, 0.93);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.72, 0.74, 0.74);
  Circle(cr, cx, cy, r);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  // dimples
  cairo_save(cr);
  Circle(cr, cx, cy, r * 0.97);
  cairo_clip(cr);
  const double step = r * 0.32;
  for (int j = -4; j <= 4; ++j) {
    for (int i = -4; i <= 4; ++i) {
      const double dx = i * step + ((j & 1) ? step / 2 : 0);
      const double dy = j * step * 0.88;
      const double d = std::hypot(dx, dy);
      if (d > r * 0.9) continue;
      const double shrink = std::sqrt(std::max(0.0, 1 - (d / r) * (d / r)));
      Circle(cr, cx + dx, cy + dy, r * 0.09 * (0.5 + 0.5 * shrink));
      cairo_set_source_rgba(cr, 0.45, 0.47, 0.5, 0.22);
      cairo_fill(cr);
    }
  }
  cairo_restore(cr);
  Circle(cr, cx, cy, r);
  cairo_set_source_rgba(cr, 0.35, 0.37, 0.38, 0.8);
  cairo_set_line_width(cr, std::max(0.5, r * 0.06));
  cairo_stroke(cr);
  FillCircle(cr, cx - r * 0.38, cy - r * 0.4, r * 0.18, {1, 1, 1, 0.9});
}

void GoldCoin(cairo_t* cr, double cx, double cy, double r) {
  cairo_pattern_t* p = cairo_pattern_create_linear(cx - r, cy - r, cx + r, cy + r);
  cairo_pattern_add_color_stop_rgb(p, 0, 0.98, 0.88, 0.52);
  cairo_pattern_add_color_stop_rgb(p, 0.5, 0.86, 0.66, 0.15);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.6, 0.42, 0.08);
  Circle(cr, cx, cy, r);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  Circle(cr, cx, cy, r * 0.78);
  cairo_set_source_rgba(cr, 0.55, 0.38, 0.05, 0.8);
  cairo_set_line_width(cr, r * 0.08);
  cairo_stroke(cr);
  Circle(cr, cx, cy, r);
  cairo_set_source_rgba(cr, 0.45, 0.3, 0.05, 1);
  cairo_set_line_width(cr, r * 0.06);
  cairo_stroke(cr);
  // embossed star
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_new_path(cr);
  for (int i = 0; i < 10; ++i) {
    const double a = -M_PI / 2 + i * M_PI / 5;
    const double rr = (i % 2 == 0) ? r * 0.5 : r * 0.22;
    if (i == 0)
      cairo_move_to(cr, rr * std::cos(a), rr * std::sin(a));
    else
      cairo_line_to(cr, rr * std::cos(a), rr * std::sin(a));
  }
  cairo_close_path(cr);
  cairo_set_source_rgba(cr, 1, 0.95, 0.7, 0.9);
  cairo_fill_preserve(cr);
  cairo_set_source_rgba(cr, 0.55, 0.38, 0.05, 0.7);
  cairo_set_line_width(cr, r * 0.04);
  cairo_stroke(cr);
  cairo_restore(cr);
  FillCircle(cr, cx - r * 0.45, cy - r * 0.45, r * 0.14, {1, 1, 1, 0.6});
}

void BrassRing(cairo_t* cr, double x, double y, double w, double h, double r, double lw,
               double shade) {
  RoundedRect(cr, x, y, w, h, r);
  cairo_pattern_t* b = cairo_pattern_create_linear(x, y, x + w * 0.3, y + h);
  cairo_pattern_add_color_stop_rgb(b, 0, pal::BrassLight.r, pal::BrassLight.g, pal::BrassLight.b);
  cairo_pattern_add_color_stop_rgb(b, 1, pal::Brass.r * shade, pal::Brass.g * shade, pal::Brass.b * shade);
  cairo_set_source(cr, b);
  cairo_set_line_width(cr, lw);
  cairo_stroke(cr);
  cairo_pattern_destroy(b);
}

void Greyed(cairo_t* cr, double alpha, const std::function<void()>& draw) {
  cairo_push_group(cr);
  draw();
  cairo_pattern_t* drawn = cairo_pop_group(cr);
  cairo_push_group(cr);
  cairo_set_source(cr, drawn);
  cairo_paint(cr);
  // grey only where something was drawn: the drawing itself is the mask
  cairo_set_operator(cr, CAIRO_OPERATOR_HSL_SATURATION);
  cairo_set_source_rgb(cr, 0.5, 0.5, 0.5);
  cairo_mask(cr, drawn);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  cairo_pop_group_to_source(cr);
  cairo_paint_with_alpha(cr, alpha);
  cairo_pattern_destroy(drawn);
}

void ButtonGlow(cairo_t* cr, double w, double h, double r) {
  for (int i = 3; i >= 1; --i) {
    RoundedRect(cr, 3 - i, 3 - i, w - 6 + 2 * i, h - 6 + 2 * i, r + i);
    SetColor(cr, WithAlpha(pal::BrassLight, 0.22));
    cairo_fill(cr);
  }
}

void WoodBoard(cairo_t* cr, double x, double y, double w, double h, double r, double bright,
               bool brass_rim) {
  const Rgb wood = Lighter(pal::Wood, bright);
  const Rgb dark = Lighter(pal::DarkWood, bright);
  // body with a vertical light falloff
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
  const Rgb top = Lighter(wood, 0.18);
  cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(p, 1, dark.r, dark.g, dark.b);
  RoundedRect(cr, x, y, w, h, r);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  // grain lines, clipped to the board
  cairo_save(cr);
  RoundedRect(cr, x, y, w, h, r);
  cairo_clip(cr);
  Rng rng(static_cast<std::uint32_t>(w * 131 + h * 17 + 7));
  cairo_set_line_width(cr, 0.6);
  for (double gy = y + 3; gy < y + h; gy += 3.2 + rng.Uniform() * 2.5) {
    cairo_move_to(cr, x, gy);
    double cx = x;
    while (cx < x + w) {
      const double nx = cx + 14 + rng.Uniform() * 14;
      cairo_curve_to(cr, cx + 5, gy + rng.Range(-1.2, 1.2), nx - 5, gy + rng.Range(-1.2, 1.2), nx, gy);
      cx = nx;
    }
    SetColor(cr, WithAlpha(dark, 0.25 + rng.Uniform() * 0.2));
    cairo_stroke(cr);
  }
  cairo_restore(cr);
  if (brass_rim) {
    const double lw = std::max(1.5, std::min(w, h) * 0.06);
    RoundedRect(cr, x + lw / 2, y + lw / 2, w - lw, h - lw, std::max(0.0, r - lw / 2));
    cairo_pattern_t* b = cairo_pattern_create_linear(x, y, x + w * 0.3, y + h);
    const Rgb bl = Lighter(pal::BrassLight, bright * 0.5);
    const Rgb bd = Lighter(pal::Brass, bright * 0.5);
    cairo_pattern_add_color_stop_rgb(b, 0, bl.r, bl.g, bl.b);
    cairo_pattern_add_color_stop_rgb(b, 1, bd.r * 0.8, bd.g * 0.8, bd.b * 0.8);
    cairo_set_source(cr, b);
    cairo_set_line_width(cr, lw);
    cairo_stroke(cr);
    cairo_pattern_destroy(b);
  }
}

namespace {

struct FontCache {
  FT_Library lib = nullptr;
  std::map<Face, cairo_font_face_t*> faces;
  std::vector<FT_Face> ft;
};

FontCache& Fonts() {
  static FontCache cache;
  return cache;
}

const char* FacePath(Face f) {
  switch (f) {
    case Face::SansBold: return "/usr/share/fonts/opentype/urw-base35/NimbusSans-Bold.otf";
    case Face::SansNarrowBold: return "/usr/share/fonts/opentype/urw-base35/NimbusSansNarrow-Bold.otf";
    case Face::Bookman: return "/usr/share/fonts/opentype/urw-base35/URWBookman-Demi.otf";
    case Face::Gothic: return "/usr/share/fonts/opentype/urw-base35/URWGothic-Demi.otf";
    case Face::Serif: return "/usr/share/fonts/opentype/urw-base35/C059-Bold.otf";
    case Face::SansCondBold: return "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf";
    case Face::Script: return "/usr/share/fonts/opentype/urw-base35/Z003-MediumItalic.otf";
  }
  return "";
}

cairo_font_face_t* GetFace(Face f) {
  FontCache& c = Fonts();
  auto it = c.faces.find(f);
  if (it != c.faces.end()) return it->second;
  if (!c.lib && FT_Init_FreeType(&c.lib) != 0) throw std::runtime_error("FreeType did not start");
  FT_Face face = nullptr;
  if (FT_New_Face(c.lib, FacePath(f), 0, &face) != 0)
    throw std::runtime_error(std::string("cannot open font ") + FacePath(f));
  c.ft.push_back(face);
  cairo_font_face_t* cf = cairo_ft_font_face_create_for_ft_face(face, 0);
  c.faces[f] = cf;
  return cf;
}

}  // namespace

void ShutdownFonts() {
  FontCache& c = Fonts();
  for (auto& [k, f] : c.faces) cairo_font_face_destroy(f);
  c.faces.clear();
  for (FT_Face f : c.ft) FT_Done_Face(f);
  c.ft.clear();
  if (c.lib) FT_Done_FreeType(c.lib);
  c.lib = nullptr;
}

void SetFont(cairo_t* cr, Face face, double size) {
  cairo_set_font_face(cr, GetFace(face));
  cairo_set_font_size(cr, size);
  cairo_font_options_t* o = cairo_font_options_create();
  cairo_font_options_set_hint_style(o, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(o, CAIRO_HINT_METRICS_OFF);
  cairo_set_font_options(cr, o);
  cairo_font_options_destroy(o);
}

double TextWidth(cairo_t* cr, const std::string& utf8) {
  cairo_text_extents_t e;
  cairo_text_extents(cr, utf8.c_str(), &e);
  return e.x_advance;
}

double FitFont(cairo_t* cr, Face face, double size, const std::string& utf8, double max_w,
               double min_size, double step) {
  SetFont(cr, face, size);
  while (TextWidth(cr, utf8) > max_w && size > min_size) SetFont(cr, face, size -= step);
  return size;
}

static double AlignX(cairo_t* cr, const std::string& s, double x, int align) {
  if (align == 1) return x - TextWidth(cr, s) / 2;
  if (align == 2) return x - TextWidth(cr, s);
  return x;
}

void FillText(cairo_t* cr, const std::string& utf8, double x, double y, int align, const Rgb& c) {
  cairo_move_to(cr, AlignX(cr, utf8, x, align), y);
  cairo_text_path(cr, utf8.c_str());
  SetColor(cr, c);
  cairo_fill(cr);
}

void OutlinedText(cairo_t* cr, const std::string& utf8, double x, double y, int align,
                  const Rgb& fill, const Rgb& outline_color, double outline) {
  cairo_new_path(cr);
  cairo_move_to(cr, AlignX(cr, utf8, x, align), y);
  cairo_text_path(cr, utf8.c_str());
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(cr, outline * 2);
  SetColor(cr, outline_color);
  cairo_stroke_preserve(cr);
  SetColor(cr, fill);
  cairo_fill(cr);
}

void CentredText(cairo_t* cr, const std::string& utf8, double cx, double cy, const Rgb& fill,
                 const Rgb* outline_color, double outline) {
  cairo_text_extents_t e;
  cairo_text_extents(cr, utf8.c_str(), &e);
  const double x = cx - e.width / 2 - e.x_bearing;
  const double y = cy - e.height / 2 - e.y_bearing;
  if (outline_color)
    OutlinedText(cr, utf8, x, y, 0, fill, *outline_color, outline);
  else
    FillText(cr, utf8, x, y, 0, fill);
}

std::uint32_t Rng::Next() {
  // xorshift32: small, fast and the same on every machine
  s_ ^= s_ << 13;
  s_ ^= s_ >> 17;
  s_ ^= s_ << 5;
  return s_;
}

double Rng::Uniform() { return (Next() >> 8) / 16777216.0; }

}  // namespace art

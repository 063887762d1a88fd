#include "tools/art/contact_sheet.h"

#include <jpeglib.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace art {

namespace {

cairo_surface_t* LoadJpeg(const std::string& path) {
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return nullptr;
  jpeg_decompress_struct cinfo{};
  jpeg_error_mgr jerr{};
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_decompress(&cinfo);
  jpeg_stdio_src(&cinfo, f);
  jpeg_read_header(&cinfo, TRUE);
  cinfo.out_color_space = JCS_RGB;
  jpeg_start_decompress(&cinfo);
  const int w = static_cast<int>(cinfo.output_width), h = static_cast<int>(cinfo.output_height);
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
  cairo_surface_flush(s);
  unsigned char* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  std::vector<unsigned char> row(static_cast<size_t>(w) * 3);
  while (cinfo.output_scanline < cinfo.output_height) {
    const int y = static_cast<int>(cinfo.output_scanline);
    JSAMPROW r = row.data();
    jpeg_read_scanlines(&cinfo, &r, 1);
    auto* dst = reinterpret_cast<std::uint32_t*>(data + static_cast<size_t>(y) * stride);
    for (int x = 0; x < w; ++x)
      dst[x] = 0xFF000000u | (row[x * 3] << 16) | (row[x * 3 + 1] << 8) | row[x * 3 + 2];
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  std::fclose(f);
  cairo_surface_mark_dirty(s);
  return s;
}

}  // namespace

bool WriteContactSheet(const std::vector<PictureFile>& pictures, const std::string& data_dir,
                       const std::string& out_png, int tile_w, std::string& error) {
  const int tw = tile_w, th = tile_w * 3 / 4, label = 16;
  const int cols = std::max(1, 1600 / tw);
  const int rows = (static_cast<int>(pictures.size()) + cols - 1) / cols;
  const int W = cols * tw, H = std::max(1, rows) * (th + label);
  cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_RGB24, W, H);
  cairo_t* cr = cairo_create(sheet);
  // a checker board shows transparency
  for (int y = 0; y < H; y += 8)
    for (int x = 0; x < W; x += 8) {
      const double g = ((x / 8 + y / 8) % 2) ? 0.55 : 0.45;
      cairo_set_source_rgb(cr, g, g, g);
      cairo_rectangle(cr, x, y, 8, 8);
      cairo_fill(cr);
    }
  int i = 0;
  for (const PictureFile& s : pictures) {
    const int cx = (i % cols) * tw, cy = (i / cols) * (th + label);
    ++i;
    const std::string path = (std::filesystem::path(data_dir) / s.path).string();
    cairo_surface_t* img = std::filesystem::path(path).extension() == ".jpg"
                               ? LoadJpeg(path)
                               : cairo_image_surface_create_from_png(path.c_str());
    cairo_set_source_rgb(cr, 0.1, 0.1, 0.1);
    cairo_rectangle(cr, cx, cy + th, tw, label);
    cairo_fill(cr);
    cairo_select_font_face(cr, "sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 10);
    cairo_move_to(cr, cx + 3, cy + th + 12);
    const std::string name = s.path.substr(s.path.find('/') + 1);
    if (!img || cairo_surface_status(img) != CAIRO_STATUS_SUCCESS) {
      cairo_set_source_rgb(cr, 1, 0.3, 0.3);
      cairo_show_text(cr, ("MISSING " + name).c_str());
      if (img) cairo_surface_destroy(img);
      continue;
    }
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_show_text(cr, name.c_str());
    const int iw = cairo_image_surface_get_width(img), ih = cairo_image_surface_get_height(img);
    const double k = std::min({1.0, (tw - 4.0) / iw, (th - 4.0) / ih});
    cairo_save(cr);
    cairo_translate(cr, cx + (tw - iw * k) / 2, cy + (th - ih * k) / 2);
    cairo_scale(cr, k, k);
    cairo_set_source_surface(cr, img, 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(img);
  }
  cairo_destroy(cr);
  const cairo_status_t st = cairo_surface_write_to_png(sheet, out_png.c_str());
  cairo_surface_destroy(sheet);
  if (st != CAIRO_STATUS_SUCCESS) {
    error = "cannot write " + out_png;
    return false;
  }
  return true;
}

}  // namespace art

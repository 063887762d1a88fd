// quill_fontgen: renders one bitmap font of the game, a ".png" glyph page and its ".fnt" descriptor.
//
//   quill_fontgen --out DIR --name fonts/Voodoo35 --font URWBookman-Demi.otf --size 35
//                 --color FFF6DC [--outline 1 --outline-color 5A3A1C --outline-alpha 1.0]
//
// Glyphs: printable ASCII, the Latin-1 range 160-255, the euro sign and the other punctuation of the
// Windows Latin page that texts tend to hold (curly quotes, dashes, the ellipsis). The page is a
// power of two on each side, the smallest the glyphs pack into, with 1 px of padding. The
// descriptor is one line per glyph with fixed-width fields, so that a reader taking a fixed number
// of characters after each "key=" gets the whole number.

#include <ft2build.h>
#include FT_FREETYPE_H
#include <png.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Options {
  std::string out, name, font;
  int size = 0;
  unsigned color = 0xFFFFFF, outline_color = 0x000000;
  int outline = 0;
  double outline_alpha = 1.0;
};

struct Glyph {
  int code = 0;
  int w = 0, h = 0;           // bitmap size including the outline
  int xoff = 0, yoff = 0;     // from the pen / the line's top
  int advance = 0;
  int x = 0, y = 0;           // place on the page
  std::vector<float> fill;    // coverage of the glyph, w x h
  std::vector<float> edge;    // coverage of the outline, w x h
};

std::vector<int> Codes() {
  std::vector<int> codes;
  for (int c = 32; c <= 126; ++c) codes.push_back(c);
  for (int c = 160; c <= 255; ++c) codes.push_back(c);
  // euro, and the Windows Latin punctuation
  const int extra[] = {8364, 8216, 8217, 8218, 8220, 8221, 8222, 8211, 8212, 8230, 8226, 8224,
                       8225, 8240, 8249, 8250, 8482, 338, 339, 352, 353, 376, 381, 382, 402, 710, 732};
  for (int c : extra) codes.push_back(c);
  return codes;
}

std::string FindFont(const std::string& name) {
  if (fs::exists(name)) return name;
  const char* dirs[] = {"/usr/share/fonts/opentype/urw-base35", "/usr/share/fonts/truetype/dejavu",
                        "/usr/share/fonts/truetype/liberation2", "/usr/share/fonts/truetype/liberation"};
  for (const char* d : dirs) {
    const fs::path p = fs::path(d) / name;
    if (fs::exists(p)) return p.string();
  }
  return "";
}

// Dilates a coverage map by r pixels with a round brush.
std::vector<float> Dilate(const std::vector<float>& a, int w, int h, int r) {
  std::vector<float> out(a.size(), 0.0f);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      float m = 0;
      for (int dy = -r; dy <= r; ++dy)
        for (int dx = -r; dx <= r; ++dx) {
          const int sx = x + dx, sy = y + dy;
          if (sx < 0 || sy < 0 || sx >= w || sy >= h) continue;
          const double d = std::sqrt(double(dx * dx + dy * dy));
          if (d > r + 0.5) continue;
          const float weight = d <= r - 0.5 ? 1.0f : float(r + 0.5 - d);
          m = std::max(m, a[size_t(sy) * w + sx] * weight);
        }
      out[size_t(y) * w + x] = m;
    }
  return out;
}

struct Rect {
  int x, y, w, h;
};

bool Holds(const Rect& a, const Rect& b) {
  return b.x >= a.x && b.y >= a.y && b.x + b.w <= a.x + a.w && b.y + b.h <= a.y + a.h;
}

enum class Fit {
  kTopmost,   // lower edge highest, leftmost on a tie: the glyphs gather at the top
  kTightest,  // the least room left beside it in its free space: packs densest
};

// Packs the glyphs, in the given order, into a pw x ph page, keeping the page's free space as
// maximal rectangles. Every glyph keeps 1 px of empty padding to its right and below it, and the
// page a 1 px border at its top and left. Returns false when they do not all fit.
bool Pack(const std::vector<Glyph*>& order, int pw, int ph, Fit fit) {
  std::vector<Rect> free_rects{{1, 1, pw - 1, ph - 1}};
  for (Glyph* g : order) {
    if (g->w == 0 || g->h == 0) {
      g->x = g->y = 0;
      continue;
    }
    const int gw = g->w + 1, gh = g->h + 1;
    long best1 = LONG_MAX, best2 = LONG_MAX;
    Rect placed{-1, -1, gw, gh};
    for (const Rect& f : free_rects) {
      if (f.w < gw || f.h < gh) continue;
      long s1 = f.y + gh, s2 = f.x;
      if (fit == Fit::kTightest) {
        s1 = std::min(f.w - gw, f.h - gh);
        s2 = std::max(f.w - gw, f.h - gh);
      }
      if (s1 < best1 || (s1 == best1 && s2 < best2)) {
        best1 = s1;
        best2 = s2;
        placed.x = f.x;
        placed.y = f.y;
      }
    }
    if (placed.x < 0) return false;
    g->x = placed.x;
    g->y = placed.y;
    // split every free rectangle the glyph overlaps into the maximal ones round it
    std::vector<Rect> split;
    for (const Rect& f : free_rects) {
      if (placed.x >= f.x + f.w || placed.x + gw <= f.x || placed.y >= f.y + f.h ||
          placed.y + gh <= f.y) {
        split.push_back(f);
        continue;
      }
      if (placed.x > f.x) split.push_back({f.x, f.y, placed.x - f.x, f.h});
      if (placed.x + gw < f.x + f.w)
        split.push_back({placed.x + gw, f.y, f.x + f.w - placed.x - gw, f.h});
      if (placed.y > f.y) split.push_back({f.x, f.y, f.w, placed.y - f.y});
      if (placed.y + gh < f.y + f.h)
        split.push_back({f.x, placed.y + gh, f.w, f.y + f.h - placed.y - gh});
    }
    // drop the rectangles another one holds (of two equal ones, keep the first)
    free_rects.clear();
    for (size_t i = 0; i < split.size(); ++i) {
      bool held = false;
      for (size_t j = 0; j < split.size() && !held; ++j)
        held = i != j && Holds(split[j], split[i]) && (j < i || !Holds(split[i], split[j]));
      if (!held) free_rects.push_back(split[i]);
    }
  }
  return true;
}

bool WritePng(const std::string& path, int w, int h, const std::vector<unsigned char>& rgba) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    std::fclose(f);
    return false;
  }
  png_init_io(png, f);
  png_set_IHDR(png, info, w, h, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < h; ++y)
    png_write_row(png, const_cast<png_bytep>(rgba.data() + size_t(y) * w * 4));
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return std::fclose(f) == 0;
}

unsigned ParseHex(const char* s) { return static_cast<unsigned>(std::strtoul(s, nullptr, 16)); }

}  // namespace

int main(int argc, char** argv) {
  const auto started = std::chrono::steady_clock::now();
  Options o;
  std::string timing;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string k = argv[i];
    const char* v = argv[i + 1];
    if (k == "--out") o.out = v;
    else if (k == "--name") o.name = v;
    else if (k == "--font") o.font = v;
    else if (k == "--size") o.size = std::atoi(v);
    else if (k == "--color") o.color = ParseHex(v);
    else if (k == "--outline") o.outline = std::atoi(v);
    else if (k == "--outline-color") o.outline_color = ParseHex(v);
    else if (k == "--outline-alpha") o.outline_alpha = std::atof(v);
    else if (k == "--timing") timing = v;
    else {
      std::cerr << "quill_fontgen: unknown option " << k << "\n";
      return 2;
    }
  }
  if (o.out.empty() || o.name.empty() || o.font.empty() || o.size <= 0) {
    std::cerr << "usage: quill_fontgen --out DIR --name NAME --font FILE --size PX [--color RRGGBB]"
                 " [--outline PX --outline-color RRGGBB --outline-alpha A]\n";
    return 2;
  }
  const std::string font_path = FindFont(o.font);
  if (font_path.empty()) {
    std::cerr << "quill_fontgen: font file " << o.font << " not found (fonts-urw-base35, "
                 "fonts-dejavu-core and fonts-liberation2 provide them)\n";
    return 1;
  }
  FT_Library lib;
  FT_Face face;
  if (FT_Init_FreeType(&lib) || FT_New_Face(lib, font_path.c_str(), 0, &face)) {
    std::cerr << "quill_fontgen: cannot open " << font_path << "\n";
    return 1;
  }
  FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(o.size));
  const int ascender = static_cast<int>(std::lround(face->size->metrics.ascender / 64.0));
  const int line_height = static_cast<int>(std::lround(face->size->metrics.height / 64.0));
  const int pad = o.outline;

  std::vector<Glyph> glyphs;
  for (int code : Codes()) {
    const FT_UInt index = FT_Get_Char_Index(face, static_cast<FT_ULong>(code));
    if (index == 0 && code != 32) {
      std::cerr << "quill_fontgen: " << o.font << " has no glyph for U+" << std::hex << code
                << std::dec << "\n";
      return 1;
    }
    if (FT_Load_Glyph(face, index, FT_LOAD_DEFAULT | FT_LOAD_TARGET_LIGHT) ||
        FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL)) {
      std::cerr << "quill_fontgen: cannot render U+" << std::hex << code << std::dec << "\n";
      return 1;
    }
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& bm = slot->bitmap;
    Glyph g;
    g.code = code;
    g.advance = static_cast<int>(std::lround(slot->advance.x / 64.0)) + (o.outline > 0 ? 1 : 0);
    if (bm.width > 0 && bm.rows > 0) {
      g.w = static_cast<int>(bm.width) + 2 * pad;
      g.h = static_cast<int>(bm.rows) + 2 * pad;
      g.xoff = slot->bitmap_left - pad;
      g.yoff = ascender - slot->bitmap_top - pad;
      g.fill.assign(size_t(g.w) * g.h, 0.0f);
      for (unsigned y = 0; y < bm.rows; ++y)
        for (unsigned x = 0; x < bm.width; ++x)
          g.fill[size_t(y + pad) * g.w + x + pad] = bm.buffer[y * bm.pitch + x] / 255.0f;
      g.edge = pad > 0 ? Dilate(g.fill, g.w, g.h, pad) : g.fill;
    }
    glyphs.push_back(std::move(g));
  }

  std::vector<Glyph*> order;
  for (Glyph& g : glyphs) order.push_back(&g);
  std::stable_sort(order.begin(), order.end(), [](const Glyph* a, const Glyph* b) { return a->h > b->h; });
  // The smallest power-of-two page the glyphs pack into; of pages with the same area the squarer,
  // then the wider one.
  std::vector<std::pair<int, int>> pages;
  for (int w = 64; w <= 4096; w *= 2)
    for (int h = 64; h <= 4096; h *= 2) pages.push_back({w, h});
  std::stable_sort(pages.begin(), pages.end(), [](const auto& a, const auto& b) {
    const long long area_a = 1LL * a.first * a.second, area_b = 1LL * b.first * b.second;
    if (area_a != area_b) return area_a < area_b;
    const int skew_a = std::abs(a.first - a.second), skew_b = std::abs(b.first - b.second);
    if (skew_a != skew_b) return skew_a < skew_b;
    return a.first > b.first;
  });
  int pw = 0, ph = 0;
  for (const auto& [w, h] : pages) {
    if (Pack(order, w, h, Fit::kTopmost) || Pack(order, w, h, Fit::kTightest)) {
      pw = w;
      ph = h;
      break;
    }
  }
  if (pw == 0) {
    std::cerr << "quill_fontgen: the glyphs of " << o.name << " fit no page up to 4096 x 4096\n";
    return 1;
  }

  const double fr = ((o.color >> 16) & 0xFF) / 255.0, fg = ((o.color >> 8) & 0xFF) / 255.0,
               fb = (o.color & 0xFF) / 255.0;
  const double orr = ((o.outline_color >> 16) & 0xFF) / 255.0,
               og = ((o.outline_color >> 8) & 0xFF) / 255.0, ob = (o.outline_color & 0xFF) / 255.0;
  std::vector<unsigned char> page(size_t(pw) * ph * 4, 0);
  for (const Glyph& g : glyphs) {
    for (int y = 0; y < g.h; ++y)
      for (int x = 0; x < g.w; ++x) {
        const double a = g.fill[size_t(y) * g.w + x];
        const double e = pad > 0 ? g.edge[size_t(y) * g.w + x] * o.outline_alpha : 0.0;
        // fill over outline, straight (not premultiplied) alpha
        const double alpha = a + e * (1 - a);
        if (alpha <= 0) continue;
        const double r = (fr * a + orr * e * (1 - a)) / alpha;
        const double gg = (fg * a + og * e * (1 - a)) / alpha;
        const double b = (fb * a + ob * e * (1 - a)) / alpha;
        unsigned char* p = &page[(size_t(g.y + y) * pw + g.x + x) * 4];
        p[0] = static_cast<unsigned char>(std::lround(r * 255));
        p[1] = static_cast<unsigned char>(std::lround(gg * 255));
        p[2] = static_cast<unsigned char>(std::lround(b * 255));
        p[3] = static_cast<unsigned char>(std::lround(alpha * 255));
      }
  }

  const fs::path base = fs::path(o.out) / o.name;
  std::error_code ec;
  fs::create_directories(base.parent_path(), ec);
  if (!WritePng(base.string() + ".png", pw, ph, page)) {
    std::cerr << "quill_fontgen: cannot write " << base.string() << ".png\n";
    return 1;
  }
  std::ofstream fnt(base.string() + ".fnt", std::ios::binary);
  char line[256];
  std::snprintf(line, sizeof line, "info face=\"%s\" size=%d scaleF=1.00 padding=%d\n",
                fs::path(font_path).stem().c_str(), o.size, pad);
  fnt << line;
  std::snprintf(line, sizeof line, "common lineHeight=%d base=%d scaleW=%-4d scaleH=%-4d pages=1\n",
                line_height, ascender, pw, ph);
  fnt << line;
  for (const Glyph& g : glyphs) {
    // every value must fit the characters a reader takes after its key
    const bool fits = g.x <= 9999 && g.y <= 9999 && g.w <= 999 && g.h <= 999 && g.xoff >= -99 &&
                      g.xoff <= 999 && g.yoff >= -99 && g.yoff <= 999 && g.advance <= 999;
    if (!fits) {
      std::cerr << "quill_fontgen: glyph U+" << std::hex << g.code << std::dec
                << " does not fit the descriptor's fields\n";
      return 1;
    }
    std::snprintf(line, sizeof line,
                  "char id=%-4d x=%-4d y=%-4d width=%-3d height=%-3d xoffset=%-3d yoffset=%-3d "
                  "xadvance=%-3d page=0\n",
                  g.code, g.x, g.y, g.w, g.h, g.xoff, g.yoff, g.advance);
    fnt << line;
  }
  fnt.close();
  if (!fnt) {
    std::cerr << "quill_fontgen: cannot write " << base.string() << ".fnt\n";
    return 1;
  }
  FT_Done_Face(face);
  FT_Done_FreeType(lib);
  if (!timing.empty()) {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - started).count();
    std::ofstream(timing) << ms << "\n";
  }
  return 0;
}

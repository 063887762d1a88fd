#include "util/text_draw.h"

#include <cmath>

#include "platform/text_encoding.h"
#include "util/globals.h"
#include "util/strings.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// The drawing layer's built-in font (fixed cells, Latin-1) seen through the font interface. A
// glyph is its character code.
class DefaultFont : public ccImageFont {
 public:
  double TextWidth(const std::string& text) const override { return platform::TextWidth(text); }
  int TextHeight(const std::string& text) const override { return platform::TextHeight(text); }
  void DrawText(const std::string& text, float x, float y) const override {
    platform::DrawText(text, x, y);
  }
  int GlyphIndex(char32_t character) const override {
    return character < 256 ? static_cast<int>(character) : -1;
  }
  float GlyphAdvance(int glyph) const override {
    return static_cast<float>(platform::TextWidth(platform::FromCodePoint(static_cast<char32_t>(glyph))));
  }
  int GlyphOffsetX(int) const override { return 0; }
  int GlyphOffsetY(int) const override { return 0; }
  void DrawGlyph(int glyph, float x, float y) const override {
    platform::DrawText(platform::FromCodePoint(static_cast<char32_t>(glyph)), x, y);
  }
};

float Snap(float v) { return std::floor(v + 0.5f); }

void DrawPlainOrShadowed(const std::string& text, float x, float y, int shadow) {
  if (shadow != 0) {
    ccShadowText(x, y, text, 0);
  } else {
    ccGetImageFont()->DrawText(text, x, y);
  }
}

// Scale compensation shared by the centred forms: the scaled width, and the y that keeps the
// vertical centre of unscaled text drawn at y.
void CentreForScale(const std::string& text, float& width, float& y) {
  float sx = 1, sy = 1;
  platform::GetScale(&sx, &sy);
  width = static_cast<float>(ccTextWidth(text));
  if (sx != 1.0f) width *= sx;
  if (sy != 1.0f) {
    const float h = static_cast<float>(ccTextHeight(text));
    y += (h - h * sy) / 2.0f;
  }
}

int DrawSpaced(const std::string& text, float x, float y, int spacing, bool floor_x) {
  const std::shared_ptr<ccImageFont> font = ccGetImageFont();
  float sx = 1, sy = 1;
  platform::GetScale(&sx, &sy);
  const double angle = platform::GetRotation() * kPi / 180.0;
  const double ix = std::cos(angle) * sx, iy = -std::sin(angle) * sy;
  const double jx = std::sin(angle) * sx, jy = std::cos(angle) * sy;
  float hx = 0, hy = 0;
  platform::GetHandle(&hx, &hy);
  // The handle is taken into the start point here, so it is switched off while the glyphs are
  // drawn; the drawing layer adds the origin itself.
  double pen_x = x - (hx * ix + hy * iy);
  double pen_y = y - (hx * jx + hy * jy);
  platform::SetHandle(0, 0);
  const std::vector<char32_t> characters = platform::CodePoints(text);
  for (std::size_t i = 0; i < characters.size(); ++i) {
    const int glyph = font->GlyphIndex(characters[i]);
    if (glyph < 0) continue;
    const double gx = font->GlyphOffsetX(glyph), gy = font->GlyphOffsetY(glyph);
    const double tx = gx * ix + gy * iy + static_cast<double>(i) * spacing;
    const double ty = gx * jx + gy * jy;
    double draw_x = pen_x + tx;
    if (floor_x) draw_x = std::floor(draw_x);
    font->DrawGlyph(glyph, static_cast<float>(draw_x), static_cast<float>(pen_y + ty));
    const double advance = font->GlyphAdvance(glyph);
    pen_x += advance * ix;
    pen_y += advance * jx;
  }
  platform::SetHandle(hx, hy);
  return 0;
}

int DigitOf(char32_t c) { return (c >= U'0' && c <= U'9') ? static_cast<int>(c - U'0') : 0; }

float TableEntry(std::span<const int> table, int digit) {
  return digit < static_cast<int>(table.size()) ? static_cast<float>(table[static_cast<std::size_t>(digit)]) : 0.0f;
}

}  // namespace

int ccSetImageFont(std::shared_ptr<ccImageFont> font) {
  ccCurrentImageFont = std::move(font);
  return 0;
}

std::shared_ptr<ccImageFont> ccDefaultImageFont() {
  static const std::shared_ptr<ccImageFont> font = std::make_shared<DefaultFont>();
  return font;
}

std::shared_ptr<ccImageFont> ccGetImageFont() {
  return ccCurrentImageFont ? ccCurrentImageFont : ccDefaultImageFont();
}

int ccTextWidth(const std::string& text) {
  return static_cast<int>(ccGetImageFont()->TextWidth(text));
}

int ccTextHeight(const std::string& text) { return ccGetImageFont()->TextHeight(text); }

int ccDrawText(const std::string& text, float x, float y, int shadow, int snap) {
  if (snap != 0) {
    x = Snap(x);
    y = Snap(y);
  }
  DrawPlainOrShadowed(text, x, y, shadow);
  return 0;
}

int ccDrawTextAligned(const std::string& text, float x, float y, int shadow, int align, int snap) {
  switch (align) {
    case 0:
      return ccDrawText(text, x, y, shadow, snap);
    case 1:
      return ccDrawTextCentred(text, x, y, shadow, snap);
    case 2:
      return ccDrawTextRight(text, x, y, shadow, snap);
    default:
      return 0;
  }
}

int ccDrawTextCentred(const std::string& text, float x, float y, int shadow, int snap) {
  float width = 0;
  CentreForScale(text, width, y);
  x -= width / 2.0f;
  if (snap != 0) {
    x = Snap(x);
    y = Snap(y);
  }
  DrawPlainOrShadowed(text, x, y, shadow);
  return 0;
}

int ccDrawTextCentredRoundX(const std::string& text, float x, float y, int shadow) {
  float width = 0;
  CentreForScale(text, width, y);
  x = Snap(x - width / 2.0f);
  DrawPlainOrShadowed(text, x, y, shadow);
  return 0;
}

int ccDrawTextCentre(const std::string& text, float y, int shadow, int snap) {
  float width = 0;
  CentreForScale(text, width, y);
  float x = (static_cast<float>(ScreenWidth) - width) / 2.0f;
  if (snap != 0) {
    x = Snap(x);
    y = Snap(y);
  }
  DrawPlainOrShadowed(text, x, y, shadow);
  return 0;
}

int ccDrawTextCentreAll(const std::string& text, int shadow, int snap) {
  float x = static_cast<float>((ScreenWidth - ccTextWidth(text)) / 2);
  float y = static_cast<float>((ScreenHeight - ccTextHeight(text)) / 2);
  if (snap != 0) {
    x = Snap(x);
    y = Snap(y);
  }
  DrawPlainOrShadowed(text, x, y, shadow);
  return 0;
}

int ccDrawTextRight(const std::string& text, float x, float y, int shadow, int snap) {
  if (snap != 0) {
    x = Snap(x);
    y = Snap(y);
  }
  x -= static_cast<float>(ccTextWidth(text));
  DrawPlainOrShadowed(text, x, y, shadow);
  return 0;
}

int ccDrawTextSpaced(const std::string& text, float x, float y, int spacing) {
  return DrawSpaced(text, x, y, spacing, false);
}

int ccDrawTextSpacedRounded(const std::string& text, float x, float y, int spacing) {
  return DrawSpaced(text, x, y, spacing, true);
}

int ccShadowText(float x, float y, const std::string& text, int centre) {
  const std::shared_ptr<ccImageFont> font = ccGetImageFont();
  if (centre != 0) x -= static_cast<float>(ccTextWidth(text)) / 2.0f;
  const int blend = platform::GetBlend();
  int r = 255, g = 255, b = 255;
  platform::GetColor(&r, &g, &b);
  platform::SetBlend(platform::BLEND_ALPHA);
  platform::SetColor(0, 0, 0);
  platform::SetAlpha(ccShadowTextAlpha * ccTextAlpha);
  font->DrawText(text, x + ccShadowTextDepthX, y + ccShadowTextDepthY);
  platform::SetColor(r, g, b);
  platform::SetAlpha(ccTextAlpha);
  font->DrawText(text, x, y);
  platform::SetBlend(blend);
  return 0;
}

int ccShadowTextSet(float depth_x, float depth_y, float alpha) {
  ccShadowTextDepthX = depth_x;
  ccShadowTextDepthY = depth_y;
  ccShadowTextAlpha = alpha;
  return 0;
}

int ccDrawNumbers(const std::string& digits, float x, float y, const platform::ImageRef& image,
                  float spacing, int centre, int snap_x) {
  if (!image) return 0;
  if (spacing == 0) spacing = static_cast<float>(image->Width());
  const std::vector<char32_t> characters = platform::CodePoints(digits);
  if (centre != 0) {
    x -= spacing * static_cast<float>(characters.size()) / 2.0f;
    if (snap_x != 0) x = static_cast<float>(ccRound(x));
  }
  for (char32_t c : characters) {
    platform::DrawImage(image, x, y, DigitOf(c));
    x += spacing;
  }
  return 0;
}

float ccDrawNumbersVariableWidthCalcWidth(const std::string& digits, std::span<const int> widths,
                                          std::span<const int> /*offsets*/, float gap, float scale) {
  float total = 0;
  for (char32_t c : platform::CodePoints(digits)) {
    total += TableEntry(widths, DigitOf(c)) * scale + gap * scale;
  }
  return total - gap * scale;
}

int ccDrawNumbersVariableWidth(const std::string& digits, float x, float y,
                               const platform::ImageRef& image, std::span<const int> widths,
                               std::span<const int> offsets, float gap, int centre, int snap_x,
                               float scale) {
  const float width = ccDrawNumbersVariableWidthCalcWidth(digits, widths, offsets, gap, scale);
  if (centre != 0) {
    x -= width / 2.0f;
    if (snap_x != 0) x = static_cast<float>(ccRound(x));
  }
  for (char32_t c : platform::CodePoints(digits)) {
    const int d = DigitOf(c);
    if (image) platform::DrawImage(image, x - TableEntry(offsets, d) * scale, y, d);
    x += TableEntry(widths, d) * scale + gap * scale;
  }
  return ccRound(width);
}

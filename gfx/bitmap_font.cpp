#include "gfx/bitmap_font.h"

#include <cmath>

#include "platform/files.h"
#include "platform/text_encoding.h"
#include "util/error.h"
#include "util/files.h"
#include "util/globals.h"
#include "util/image.h"
#include "util/maths.h"
#include "util/strings.h"

namespace {

// The number in the `count` characters after `key` on the line: leading blanks skipped, an optional
// sign, digits and an optional fraction; reading stops at the first character that cannot continue
// it. A missing key gives 0.
double ReadKey(const std::string& line, const std::string& key, int count) {
  const auto at = line.find(key);
  if (at == std::string::npos) return 0.0;
  const std::string field = line.substr(at + key.size(), static_cast<std::size_t>(count));
  std::size_t i = 0;
  while (i < field.size() && (field[i] == ' ' || field[i] == '\t')) ++i;
  double sign = 1.0;
  if (i < field.size() && (field[i] == '-' || field[i] == '+')) {
    if (field[i] == '-') sign = -1.0;
    ++i;
  }
  double value = 0.0;
  while (i < field.size() && field[i] >= '0' && field[i] <= '9') value = value * 10 + (field[i++] - '0');
  if (i < field.size() && field[i] == '.') {
    ++i;
    double unit = 0.1;
    while (i < field.size() && field[i] >= '0' && field[i] <= '9') {
      value += (field[i++] - '0') * unit;
      unit /= 10;
    }
  }
  return sign * value;
}

double Fraction(double value, double whole) { return whole != 0.0 ? value / whole : 0.0; }

}  // namespace

TBitmapFontRef TBitmapFont::Create(const std::string& path, int flags) {
  auto font = std::make_shared<TBitmapFont>();
  // The page, and every image loaded after it, keeps its handle at the top-left corner.
  platform::SetAutoMidHandle(false);
  font->Image = ccLoadBitmap(path + ".png", flags);
  auto stream = ccLoadFile(path + ".fnt");
  std::vector<std::string> lines;
  while (!stream->Eof()) lines.push_back(stream->ReadLine());
  // A descriptor that draws every text as nothing, or reads outside its page, is refused first.
  const std::string fault = CheckDescriptor(lines, font->Image->Width(), font->Image->Height());
  if (!fault.empty()) {
    ccRunTimeError("The font descriptor '" + ccDataFileName(path + ".fnt") + "', " + fault, 1);
  }
  font->ParseDescriptor(lines);
  return font;
}

std::string TBitmapFont::CheckDescriptor(const std::vector<std::string>& lines, int pageWidth,
                                         int pageHeight) {
  const std::string line2 = lines.size() > 1 ? lines[1] : std::string();
  const double scaleW = ReadKey(line2, "scaleW=", 4);
  const double scaleH = ReadKey(line2, "scaleH=", 4);
  const auto number = [](double v) { return std::to_string(static_cast<long long>(v)); };
  if (scaleW < 1 || scaleH < 1) {
    return "line 2: the page size " + number(scaleW) + " x " + number(scaleH) + " is empty";
  }
  if (scaleW != pageWidth || scaleH != pageHeight) {
    return "line 2: the page size " + number(scaleW) + " x " + number(scaleH) + " is not the page's " +
           std::to_string(pageWidth) + " x " + std::to_string(pageHeight);
  }
  int usable = 0;
  int extra = 0;
  for (std::size_t n = 2; n < lines.size(); ++n) {
    const std::string& line = lines[n];
    // The glyphs the parser skips are never drawn.
    const int code = static_cast<int>(ReadKey(line, "id=", 4));
    if (code < 0 || (code >= 256 && extra++ >= MAX_EXTRA_CHARS)) continue;
    const double x = ReadKey(line, "x=", 4);
    const double y = ReadKey(line, "y=", 4);
    const double w = ReadKey(line, "width=", 3);
    const double h = ReadKey(line, "height=", 3);
    if (x < 0 || y < 0 || w < 0 || h < 0 || x + w > scaleW || y + h > scaleH) {
      return "line " + std::to_string(n + 1) + ": glyph " + std::to_string(code) + " (x " + number(x) +
             ", y " + number(y) + ", " + number(w) + " x " + number(h) + ") lies outside the " +
             number(scaleW) + " x " + number(scaleH) + " page";
    }
    if (w > 0 && h > 0) ++usable;
  }
  if (usable == 0) return "lines 3 on: no glyph has a picture";
  return {};
}

void TBitmapFont::ParseDescriptor(const std::vector<std::string>& lines) {
  const std::string empty;
  const std::string& line1 = lines.size() > 0 ? lines[0] : empty;
  const std::string& line2 = lines.size() > 1 ? lines[1] : empty;
  ScaleFactor = ReadKey(line1, "scaleF=", 4);
  TextureW = ReadKey(line2, "scaleW=", 4);
  TextureH = ReadKey(line2, "scaleH=", 4);
  for (std::size_t n = 2; n < lines.size(); ++n) {
    const std::string& line = lines[n];
    const double code = ReadKey(line, "id=", 4);
    const int c = static_cast<int>(code);
    int slot;
    if (c < 0) continue;  // no character has a negative code
    if (c < 256) {
      slot = c;
    } else {
      if (NumExtraChars >= MAX_EXTRA_CHARS) continue;  // the extra slots are full
      slot = 256 + NumExtraChars;
      ++NumExtraChars;
    }
    ID[slot] = c;
    xPos[slot] = Fraction(ReadKey(line, "x=", 4), TextureW);
    yPos[slot] = Fraction(ReadKey(line, "y=", 4), TextureH);
    width[slot] = Fraction(ReadKey(line, "width=", 3), TextureW);
    height[slot] = Fraction(ReadKey(line, "height=", 3), TextureH);
    xOffset[slot] = ReadKey(line, "xoffset=", 3);
    yOffset[slot] = ReadKey(line, "yoffset=", 3);
    xAdvance[slot] = ReadKey(line, "xadvance=", 3);
    ++NumChars;
  }
}

int TBitmapFont::CalcVRAM() const {
  if (!Image) return 0;
  return 4 * ccPow2Size(Image->Width()) * ccPow2Size(Image->Height());
}

int TBitmapFont::SlotOf(char32_t code) const {
  if (code < 256) return static_cast<int>(code);
  for (int i = 0; i < NumExtraChars && 256 + i < SLOTS; ++i)
    if (ID[256 + i] == static_cast<int>(code)) return 256 + i;
  return 0;
}

int TBitmapFont::FindChar(const std::string& ch) const {
  const auto codes = platform::CodePoints(ch);
  if (codes.empty() || codes[0] < 256) return 0;
  return SlotOf(codes[0]);
}

void TBitmapFont::DrawSlot(int slot, double dx, double dy, double w, double h) const {
  if (!Image || w == 0.0 || h == 0.0) return;
  const double pageW = Image->Width();
  const double pageH = Image->Height();
  platform::DrawSubImageRect(Image, static_cast<float>(dx), static_cast<float>(dy),
                             static_cast<float>(w), static_cast<float>(h),
                             static_cast<float>(xPos[slot] * pageW),
                             static_cast<float>(yPos[slot] * pageH),
                             static_cast<float>(width[slot] * pageW),
                             static_cast<float>(height[slot] * pageH), 0);
}

int TBitmapFont::Draw(const std::string& text, double x, double y, int centre, int right,
                      int roundX, int roundY, int shadow) {
  if (text.empty()) return 0;
  int keptR = 255, keptG = 255, keptB = 255;
  if (shadow != 0) {
    platform::GetColor(&keptR, &keptG, &keptB);
    platform::SetColor(0, 0, 0);
    platform::SetAlpha(ccShadowTextAlpha * ccTextAlpha);
    x += ccShadowTextDepthX;
    y += ccShadowTextDepthY;
  }
  float scaleX = 1, scaleY = 1;
  platform::GetScale(&scaleX, &scaleY);
  double sx = scaleX, sy = scaleY;
  const bool handleMode = ChangeHandle != 0;
  if (centre != 0) {
    if (handleMode)
      HandleX += StringWidth(text) / 2;
    else
      x -= StringWidth(text) / 2 * sx;
  }
  if (right != 0) {
    if (handleMode)
      HandleX += StringWidth(text);
    else
      x -= StringWidth(text) * sx;
  }
  sx *= ScaleFactor;
  sy *= ScaleFactor;
  // Every character is drawn, however long the text.
  for (char32_t code : platform::CodePoints(text)) {
    const int slot = SlotOf(code);
    double dx = handleMode ? x : x + xOffset[slot] * sx;
    double dy = handleMode ? y : y + yOffset[slot] * sy;
    double w = width[slot] * TextureW * ScaleFactor;
    double h = height[slot] * TextureH * ScaleFactor;
    if (roundX != 0) {
      dx = ccRound(dx);
      w = ccRound(w);
    }
    if (roundY != 0) {
      dy = ccRound(dy);
      h = ccRound(h);
    }
    const double advance = xAdvance[slot] + CharGap;
    if (!handleMode) {
      DrawSlot(slot, dx, dy, w, h);
      x += advance * sx;
    } else {
      if (Image)
        Image->SetHandle(static_cast<float>(HandleX - xOffset[slot] * ScaleFactor),
                         static_cast<float>(HandleY - yOffset[slot] * ScaleFactor));
      DrawSlot(slot, dx, dy, w, h);
      HandleX -= advance * ScaleFactor;
    }
  }
  // Ordinary drawing expects the page's handle at its top-left corner.
  if (handleMode && Image) Image->SetHandle(0, 0);
  if (shadow != 0) {
    platform::SetColor(keptR, keptG, keptB);
    platform::SetAlpha(ccTextAlpha);
  }
  return 0;
}

int TBitmapFont::DrawAligned(const std::string& text, double x, double y, int align, int roundX,
                             int roundY, int shadow) {
  switch (align) {
    case 0:
      return Draw(text, x, y, 0, 0, roundX, roundY, shadow);
    case 1:
      return Draw(text, x, y, 1, 0, roundX, roundY, shadow);
    case 2:
      return Draw(text, x, y, 0, 1, roundX, roundY, shadow);
    default:
      return 0;
  }
}

int TBitmapFont::DrawAlignedWithShadow(const std::string& text, double x, double y, int align,
                                       int roundX, int roundY) {
  DrawAligned(text, x, y, align, roundX, roundY, 1);
  DrawAligned(text, x, y, align, roundX, roundY, 0);
  return 0;
}

int TBitmapFont::DrawStringArray(const std::vector<std::string>& lines, double x, double y,
                                 int centre, int right, int roundX, int roundY, int shadow,
                                 int lineHeight, int centreVertically) {
  if (lineHeight == 0) lineHeight = static_cast<int>(StringHeight("ABCXYZ"));
  if (centreVertically != 0)
    y -= ccRound(static_cast<double>(lineHeight) * static_cast<double>(lines.size()) / 2.0);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const double ly = y + static_cast<double>(i) * lineHeight;
    if (shadow != 0) Draw(lines[i], x, ly, centre, right, roundX, roundY, 1);
    Draw(lines[i], x, ly, centre, right, roundX, roundY, 0);
  }
  return 0;
}

int TBitmapFont::Kill() {
  Image = nullptr;
  return 0;
}

int TBitmapFont::Precache() {
  if (Image) ccCreateFrames(Image);
  return 0;
}

double TBitmapFont::StringHeight(const std::string& text) const {
  const auto codes = platform::CodePoints(text);
  double sum = 0.0;
  for (char32_t code : codes) sum += height[SlotOf(code)] * TextureH;
  // Measured texts are six characters long and divided by five; shorter ones divide by 1.
  const double divisor = codes.size() > 1 ? static_cast<double>(codes.size() - 1) : 1.0;
  return sum / divisor * ScaleFactor;
}

double TBitmapFont::StringWidth(const std::string& text) const {
  double sum = 0.0;
  for (char32_t code : platform::CodePoints(text)) sum += xAdvance[SlotOf(code)] + CharGap;
  if (sum > 0) sum -= CharGap;
  return sum * ScaleFactor;
}

std::string TBitmapFont::TruncateString(const std::string& text, int maxWidth) const {
  const double limit = maxWidth * ScaleFactor;
  std::string best;
  std::string candidate;
  for (char32_t code : platform::CodePoints(text)) {
    candidate += platform::FromCodePoint(code);
    if (StringWidth(candidate) > limit) break;
    best = candidate;
  }
  return best;
}

double TBitmapFont::TextWidth(const std::string& text) const { return StringWidth(text); }

int TBitmapFont::TextHeight(const std::string& /*text*/) const {
  return static_cast<int>(StringHeight("ABCXYZ"));
}

void TBitmapFont::DrawText(const std::string& text, float x, float y) const {
  // Drawing only moves HandleX in handle mode, which belongs to the caller's own use of the font.
  const_cast<TBitmapFont*>(this)->Draw(text, x, y, 0, 0, 0, 0, 0);
}

int TBitmapFont::GlyphIndex(char32_t character) const { return SlotOf(character); }

float TBitmapFont::GlyphAdvance(int glyph) const {
  if (glyph < 0 || glyph >= SLOTS) return 0.0f;
  return static_cast<float>((xAdvance[glyph] + CharGap) * ScaleFactor);
}

int TBitmapFont::GlyphOffsetX(int glyph) const {
  if (glyph < 0 || glyph >= SLOTS) return 0;
  return static_cast<int>(xOffset[glyph] * ScaleFactor);
}

int TBitmapFont::GlyphOffsetY(int glyph) const {
  if (glyph < 0 || glyph >= SLOTS) return 0;
  return static_cast<int>(yOffset[glyph] * ScaleFactor);
}

void TBitmapFont::DrawGlyph(int glyph, float x, float y) const {
  if (glyph < 0 || glyph >= SLOTS) return;
  DrawSlot(glyph, x, y, width[glyph] * TextureW * ScaleFactor, height[glyph] * TextureH * ScaleFactor);
}

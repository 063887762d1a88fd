#pragma once
// A bitmap font: one page image holding every glyph plus a descriptor (".fnt") saying where each
// glyph lies and how far the pen moves after it. Draws strings glyph by glyph, aligned, with an
// optional drop shadow, at a pen position or about a movable handle (for rotated or scaled text).
//
// Descriptor (one byte per character, lines end at LF, CRs dropped): line 1 "scaleF=", line 2
// "scaleW=" and "scaleH=", then one glyph per line with "id=", "x=", "y=", "width=", "height=",
// "xoffset=", "yoffset=", "xadvance="; each value is the fixed number of characters after the "=".

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/graphics.h"
#include "util/text_draw.h"

class TBitmapFont;
using TBitmapFontRef = std::shared_ptr<TBitmapFont>;

class TBitmapFont : public ccImageFont {
 public:
  static constexpr int SLOTS = 356;        // 256 direct codes + 100 codes of 256 and above
  static constexpr int MAX_EXTRA_CHARS = SLOTS - 256;

  platform::ImageRef Image;  // the page
  double ScaleFactor = 0.0;
  double TextureH = 0.0;  // page size as the descriptor states it
  double TextureW = 0.0;
  std::uint16_t NumChars = 0;
  std::uint16_t NumExtraChars = 0;
  std::array<int, SLOTS> ID{};
  std::array<double, SLOTS> xPos{}, yPos{}, width{}, height{};  // fractions of the page
  std::array<double, SLOTS> xOffset{}, yOffset{}, xAdvance{};    // font pixels
  double CharGap = 0.0;  // extra pen movement after every glyph, font pixels
  int ChangeHandle = 0;  // non-zero: handle mode
  double HandleX = 0.0, HandleY = 0.0;

  // Loads path + ".png" and parses path + ".fnt" (both fatal when missing; a descriptor that
  // CheckDescriptor refuses is fatal too, naming the file and the line).
  static TBitmapFontRef Create(const std::string& path, int flags);
  // The first fault of descriptor text for a page of pageWidth x pageHeight pixels, as
  // "line N: ..."; "" when the font can draw: a page size on line 2 that is not zero and matches the
  // page, every glyph rectangle the parser keeps inside the page, and at least one glyph that is
  // not empty.
  static std::string CheckDescriptor(const std::vector<std::string>& lines, int pageWidth, int pageHeight);
  // Parses descriptor text (already split into lines) into this font; the page is not touched.
  // Lines whose code is negative, or codes of 256 and above beyond the 100 extra slots, are skipped.
  void ParseDescriptor(const std::vector<std::string>& lines);

  int CalcVRAM() const;
  int Draw(const std::string& text, double x, double y, int centre, int right, int roundX,
           int roundY, int shadow);
  int DrawAligned(const std::string& text, double x, double y, int align, int roundX, int roundY,
                  int shadow);
  int DrawAlignedWithShadow(const std::string& text, double x, double y, int align, int roundX,
                            int roundY);
  int DrawStringArray(const std::vector<std::string>& lines, double x, double y, int centre,
                      int right, int roundX, int roundY, int shadow, int lineHeight,
                      int centreVertically);
  // The slot of the first character of `ch` when its code is 256 or more and in the table; else 0.
  int FindChar(const std::string& ch) const;
  // The slot that draws character `code` (codes below 256 use their own slot).
  int SlotOf(char32_t code) const;
  int Kill();
  int Precache();
  double StringHeight(const std::string& text) const;
  double StringWidth(const std::string& text) const;
  std::string TruncateString(const std::string& text, int maxWidth) const;

  // As an image font of the utility library's text drawing (ccSetImageFont).
  double TextWidth(const std::string& text) const override;  // StringWidth
  int TextHeight(const std::string& text) const override;     // line height: StringHeight("ABCXYZ")
  void DrawText(const std::string& text, float x, float y) const override;
  int GlyphIndex(char32_t character) const override;  // SlotOf
  float GlyphAdvance(int glyph) const override;       // (xAdvance + CharGap) * ScaleFactor
  int GlyphOffsetX(int glyph) const override;
  int GlyphOffsetY(int glyph) const override;
  void DrawGlyph(int glyph, float x, float y) const override;

 private:
  // Draws one glyph slot into the rectangle (dx, dy, w, h) of the screen.
  void DrawSlot(int slot, double dx, double dy, double w, double h) const;
};

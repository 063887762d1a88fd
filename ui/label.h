#pragma once
// A block of text at a fixed place: one line, or several lines word-wrapped to a width, drawn
// left-aligned, centred or right-aligned in one text style, with or without a drop shadow. It is a
// text style (TFont) that also carries its text, position and layout.

#include <memory>
#include <string>
#include <vector>

#include "gfx/font.h"

class TLabel : public TFont {
 public:
  TLabel() = default;
  ~TLabel() override = default;
  TLabel(const TLabel&) = delete;
  TLabel& operator=(const TLabel&) = delete;

  std::string Text;                    // the whole text; line feeds start new lines
  std::vector<std::string> TextArray;  // the lines after PreCalcWordWrap
  int TotalLines = 0;
  float X = 0;          // anchor x: left edge, centre or right edge by Alignment
  float Y = 0;          // top of the first line
  float W = 0;          // width of Text as one line, set by CalcWidth
  int Alignment = 0;    // 0 left, 1 centred on X, 2 right-aligned to X; other values draw nothing
  int Visible = 1;
  int RoundCoords = 1;  // draw on whole pixels
  int WordWrap = 0;     // wrap width in pixels; 0 or less: one line
  int LineGap = 0;      // distance between wrapped lines, set by PreCalcWordWrap

  // A new label with white text and no font: the caller then runs the inherited Init with the font.
  static std::shared_ptr<TLabel> CreateSpecial(const std::string& text, float x, float y,
                                               int alignment, int wordWrap);
  // For a wrapped label the block height from the last PreCalcWordWrap; otherwise the font's line
  // height, measured into H.
  float CalcHeight() override;
  virtual int CalcSize();
  virtual float CalcWidth();
  // Splits Text at line feeds and wraps it to WordWrap pixels; sets TotalLines, LineGap and H.
  virtual int PreCalcWordWrap();
  // Draws the label moved by the offset; 1 when drawn, 0 when not Visible.
  virtual int Draw(float offsetX, float offsetY);
  virtual int DrawTextLine(const std::string& text, int x, int y);
};

#include "ui/label.h"

#include "gfx/bitmap_font.h"
#include "gfx/shadow.h"
#include "platform/graphics.h"
#include "util/globals.h"
#include "util/text_draw.h"
#include "util/types.h"
#include "util/word_wrap.h"

std::shared_ptr<TLabel> TLabel::CreateSpecial(const std::string& text, float x, float y,
                                              int alignment, int wordWrap) {
  auto label = std::make_shared<TLabel>();
  label->Text = text;
  label->X = x;
  label->Y = y;
  label->Alignment = alignment;
  label->WordWrap = wordWrap;
  label->Color = TColor::Create(255, 255, 255, 1.0f);
  return label;
}

float TLabel::CalcHeight() {
  if (WordWrap > 0) return H;
  return TFont::CalcHeight();
}

int TLabel::CalcSize() {
  CalcWidth();
  CalcHeight();
  return 0;
}

float TLabel::CalcWidth() {
  if (BitmapFont) {
    W = static_cast<float>(BitmapFont->StringWidth(Text));
  } else {
    ccSetImageFont(ImageFont);
    W = static_cast<float>(ccTextWidth(Text));
  }
  return W;
}

int TLabel::PreCalcWordWrap() {
  if (!BitmapFont) ccSetImageFont(ImageFont);
  TextArray = ccWordWrapArray(ccSplitStringIntoLines(Text), WordWrap, BitmapFont);
  TotalLines = static_cast<int>(TextArray.size());
  LineGap = BitmapFont ? static_cast<int>(BitmapFont->StringHeight("ABCXYZ"))
                       : ccTextHeight("ABCXYZ");
  H = static_cast<float>(TotalLines * LineGap);
  return 0;
}

int TLabel::Draw(float offsetX, float offsetY) {
  if (Visible == 0) return 0;
  if (!BitmapFont) ccSetImageFont(ImageFont);
  if (Color) Color->Apply();
  const int x = static_cast<int>(X + offsetX);
  int y = static_cast<int>(Y + offsetY);
  if (WordWrap > 0) {
    for (int i = 0; i < TotalLines && i < static_cast<int>(TextArray.size()); ++i) {
      DrawTextLine(TextArray[static_cast<std::size_t>(i)], x, y);
      y += LineGap;
    }
  } else {
    DrawTextLine(Text, x, y);
  }
  if (Color) Color->Restore();
  return 1;
}

int TLabel::DrawTextLine(const std::string& text, int x, int y) {
  const float alpha = Color ? Color->Alpha : 1.0f;
  const auto fx = static_cast<float>(x);
  const auto fy = static_cast<float>(y);
  if (Shadow) {
    Shadow->ApplyToText();
    ccTextAlpha = alpha;
    if (BitmapFont) {
      BitmapFont->DrawAlignedWithShadow(text, fx, fy, Alignment, RoundCoords, RoundCoords);
    } else {
      ccDrawTextAligned(text, fx, fy, 1, Alignment, RoundCoords);
    }
  } else {
    platform::SetAlpha(alpha);
    if (BitmapFont) {
      BitmapFont->DrawAligned(text, fx, fy, Alignment, RoundCoords, RoundCoords, 0);
    } else {
      ccDrawTextAligned(text, fx, fy, 0, Alignment, RoundCoords);
    }
  }
  return 0;
}

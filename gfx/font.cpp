#include "gfx/font.h"

#include "gfx/bitmap_font.h"
#include "gfx/shadow.h"
#include "util/globals.h"
#include "util/text_draw.h"
#include "util/types.h"

TFontRef TFont::Create(std::shared_ptr<ccImageFont> imageFont, std::shared_ptr<TColor> color,
                       std::shared_ptr<TShadow> shadow, int fixedWidth,
                       std::shared_ptr<TBitmapFont> bitmapFont,
                       std::shared_ptr<TColor> inverseColor) {
  auto font = std::make_shared<TFont>();
  font->Init(std::move(imageFont), std::move(color), std::move(shadow), fixedWidth,
             std::move(bitmapFont), std::move(inverseColor));
  return font;
}

int TFont::Init(std::shared_ptr<ccImageFont> imageFont, std::shared_ptr<TColor> color,
                std::shared_ptr<TShadow> shadow, int fixedWidth,
                std::shared_ptr<TBitmapFont> bitmapFont, std::shared_ptr<TColor> inverseColor) {
  ImageFont = std::move(imageFont);
  Color = std::move(color);
  Shadow = std::move(shadow);
  FixedWidth = fixedWidth;
  BitmapFont = std::move(bitmapFont);
  InverseColor = std::move(inverseColor);
  CalcHeight();
  return 0;
}

float TFont::CalcHeight() {
  if (BitmapFont) {
    H = static_cast<float>(BitmapFont->StringHeight("ABCXYZ"));
  } else {
    ccSetImageFont(ImageFont);
    H = static_cast<float>(ccTextHeight("ABCXYZ"));
  }
  return H;
}

int TFont::Apply() {
  if (Color) Color->Apply();
  if (Shadow) {
    Shadow->ApplyToText();
    if (Color) ccTextAlpha = Color->Alpha;
  }
  if (!BitmapFont) ccSetImageFont(ImageFont);
  return 0;
}

int TFont::ApplyInverse() {
  if (InverseColor) InverseColor->Apply();
  if (!BitmapFont) ccSetImageFont(ImageFont);
  return 0;
}

int TFont::Kill() {
  ImageFont = nullptr;
  BitmapFont = nullptr;
  Color = nullptr;
  InverseColor = nullptr;
  Shadow = nullptr;
  return 0;
}

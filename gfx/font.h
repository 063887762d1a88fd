#pragma once
// A small text style: a font (a bitmap font, or an image font of the drawing layer) with a colour,
// an inverse colour and a shadow. TLabel derives from it; list boxes and screens make plain ones.

#include <memory>
#include <string>

class ccImageFont;
class TBitmapFont;
class TColor;
class TShadow;
class TFont;
using TFontRef = std::shared_ptr<TFont>;

class TFont {
 public:
  std::string name;
  std::shared_ptr<ccImageFont> ImageFont;  // used when there is no bitmap font; null: built-in
  std::shared_ptr<TBitmapFont> BitmapFont;
  std::shared_ptr<TColor> Color;
  std::shared_ptr<TColor> InverseColor;
  std::shared_ptr<TShadow> Shadow;
  int FixedWidth = 0;  // kept for the users; no method reads it
  float H = 0;         // measured text height

  virtual ~TFont() = default;
  static TFontRef Create(std::shared_ptr<ccImageFont> imageFont, std::shared_ptr<TColor> color,
                         std::shared_ptr<TShadow> shadow, int fixedWidth,
                         std::shared_ptr<TBitmapFont> bitmapFont,
                         std::shared_ptr<TColor> inverseColor);
  virtual int Init(std::shared_ptr<ccImageFont> imageFont, std::shared_ptr<TColor> color,
                   std::shared_ptr<TShadow> shadow, int fixedWidth,
                   std::shared_ptr<TBitmapFont> bitmapFont, std::shared_ptr<TColor> inverseColor);
  // The height of "ABCXYZ" in the bitmap font, or of the image font's text; also stored in H.
  virtual float CalcHeight();
  virtual int Apply();
  virtual int ApplyInverse();
  virtual int Kill();
};

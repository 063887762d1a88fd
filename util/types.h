#pragma once
// Colour and small value types: the drawing colour TColor, the self-drawing TBox and TCircle, the
// collision tag TCollideObject, points and rectangles, and the drop-shadow interface that the
// image and rectangle helpers accept.

#include <memory>

// A drop shadow as the image and rectangle helpers see it (ccDrawImage, ccDrawRect). The sprite
// library's TShadow implements it; the helpers never create one.
class ccDropShadow {
 public:
  virtual ~ccDropShadow() = default;
  // Offset of the shadow from the drawn thing, in pixels (positive: right and down).
  virtual float ShadowX() const = 0;
  virtual float ShadowY() const = 0;
  // Sets the drawing colour to black and the drawing alpha to the shadow's alpha; returns 0.
  virtual int Apply() = 0;
  // Sets the drawing colour to white and the drawing alpha to 1.0; returns 0.
  virtual int Restore() = 0;
};

// A drawing colour with alpha. Shared by reference: changing one changes every holder's colour.
// Nothing is clamped; callers give 0..255 and 0..1.
class TColor {
 public:
  int R = 0;
  int G = 0;
  int B = 0;
  float Alpha = 1.0f;

  static std::shared_ptr<TColor> Create(int r, int g, int b, float alpha);
  int Set(int r, int g, int b, float alpha);
  int Get(int& r, int& g, int& b) const;
  int GetFull(int& r, int& g, int& b, float& alpha) const;
  // Drawing colour = (R, G, B) and drawing alpha = Alpha.
  int Apply() const;
  // Drawing colour = (R, G, B); the drawing alpha stays.
  int ApplyNoAlpha() const;
  int Copy(const TColor& other);
  // Sets the drawing layer back to white at alpha 1.0 (this colour is not read).
  int Restore() const;
};

// A filled rectangle drawn in a shared colour; draws nothing without one.
class TBox {
 public:
  float X = 0, Y = 0, W = 0, H = 0;
  std::shared_ptr<TColor> Color;
  int Active = 1;  // a flag for the owner; the box never reads it

  static std::shared_ptr<TBox> Create(float x, float y, float w, float h, std::shared_ptr<TColor> color);
  int Init(float x, float y, float w, float h, std::shared_ptr<TColor> color);
  // Color.Apply, filled rectangle, Color.Restore; nothing without a colour.
  int Draw() const;
  // Drops the colour; the box draws nothing afterwards.
  int Kill();
};

// A filled circle; without a colour it draws in the current colour and leaves it alone.
class TCircle {
 public:
  float x = 0, y = 0, r = 0;
  std::shared_ptr<TColor> Color;

  static std::shared_ptr<TCircle> Create(int x, int y, int r);
  int Draw() const;
};

// Tag handed to the image-collision tests; Value says which item a hit belongs to.
class TCollideObject {
 public:
  int Value = 0;
};

class TPoint {
 public:
  int X = 0, Y = 0;
  int Set(int x, int y) {
    X = x;
    Y = y;
    return 0;
  }
};

class TRect {
 public:
  int L = 0, T = 0, R = 0, B = 0;
};

class TAccuratePoint {
 public:
  float X = 0, Y = 0;
  int Set(float x, float y) {
    X = x;
    Y = y;
    return 0;
  }
};

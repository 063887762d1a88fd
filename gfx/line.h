#pragma once
// A segment between two points, with its length, slope, colour and conversion to and from a vector.

#include <memory>

#include "gfx/vector.h"

class TColor;
class TLine;
using TLineRef = std::shared_ptr<TLine>;

class TLine {
 public:
  double sx = 0.0, sy = 0.0;  // start point
  double ex = 0.0, ey = 0.0;  // end point
  double length = 0.0;        // as last worked out by CalcLength; nothing else updates it
  std::shared_ptr<TColor> Color;  // none draws in the current colour

  static TLineRef Create(double sx, double sy, double ex, double ey);
  static TLineRef CreateFromVector(double x, double y, const TVector& v);

  int CalcLength();
  double CalcSlope() const;  // (ey - sy) / (ex - sx), no check for a vertical line
  int Draw(int lastPixel) const;
  TVectorRef GetVector() const;
  // Start at (x, y), end at start + v; `length` is left as it was.
  int SetFromVector(const TVector& v, int x, int y);
};

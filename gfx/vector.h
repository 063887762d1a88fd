#pragma once
// A two-dimensional vector of doubles with the arithmetic of simple ball physics. Angles are in
// degrees, y grows downwards. Class functions make new vectors; the other operations change this one
// unless they return a new vector.

#include <memory>

class TVector;
using TVectorRef = std::shared_ptr<TVector>;

class TVector {
 public:
  double x = 0.0;
  double y = 0.0;

  TVector() = default;
  TVector(double x0, double y0) : x(x0), y(y0) {}

  static TVectorRef Create(double x, double y);
  // The vector from the first point to the second.
  static TVectorRef CreateFromPoints(double x1, double y1, double x2, double y2);
  static TVectorRef CreateFromVectorsAdded(const TVector& a, const TVector& b);  // a + b
  static TVectorRef CreateFromVectorScaled(const TVector& a, double s);        // a * s
  // b - a: the vector from a to b.
  static TVectorRef CreateFromVectorsSubtracted(const TVector& a, const TVector& b);

  int AddVector(const TVector& v);
  double CalcLength() const;
  TVectorRef CalcNormal() const;  // (-y, x)
  double CalcSlope() const;       // y / x (no check for x == 0)
  TVectorRef CreateCopy() const;
  int CopyFrom(const TVector& v);
  double DotProduct(const TVector& v) const;
  // Draws the vector as a line from (px, py) in the current colour.
  int Draw(double px, double py, int lastPixel) const;
  int Multiply(double s);
  int Normalise();  // no check for a zero vector
  // Reflects this velocity off a wall running along `wall`.
  int Rebound(const TVector& wall);
  int Reverse();
  int Rotate(double angle);
  int Scale(double s);
  int SubtractVector(const TVector& v);
};

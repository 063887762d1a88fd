#include "gfx/vector.h"

#include <cmath>
#include <numbers>

#include "platform/graphics.h"

namespace {
constexpr double kDegToRad = std::numbers::pi / 180.0;
}

TVectorRef TVector::Create(double x, double y) { return std::make_shared<TVector>(x, y); }

TVectorRef TVector::CreateFromPoints(double x1, double y1, double x2, double y2) {
  return Create(x2 - x1, y2 - y1);
}

TVectorRef TVector::CreateFromVectorsAdded(const TVector& a, const TVector& b) {
  auto v = a.CreateCopy();
  v->AddVector(b);
  return v;
}

TVectorRef TVector::CreateFromVectorScaled(const TVector& a, double s) {
  auto v = a.CreateCopy();
  v->Multiply(s);
  return v;
}

TVectorRef TVector::CreateFromVectorsSubtracted(const TVector& a, const TVector& b) {
  auto v = b.CreateCopy();
  v->SubtractVector(a);
  return v;
}

int TVector::AddVector(const TVector& v) {
  x += v.x;
  y += v.y;
  return 0;
}

double TVector::CalcLength() const { return std::sqrt(x * x + y * y); }

TVectorRef TVector::CalcNormal() const { return Create(-y, x); }

double TVector::CalcSlope() const { return y / x; }

TVectorRef TVector::CreateCopy() const { return Create(x, y); }

int TVector::CopyFrom(const TVector& v) {
  x = v.x;
  y = v.y;
  return 0;
}

double TVector::DotProduct(const TVector& v) const { return x * v.x + y * v.y; }

int TVector::Draw(double px, double py, int lastPixel) const {
  platform::DrawLine(static_cast<float>(px), static_cast<float>(py), static_cast<float>(px + x),
                     static_cast<float>(py + y), lastPixel != 0);
  return 0;
}

int TVector::Multiply(double s) {
  x *= s;
  y *= s;
  return 0;
}

int TVector::Normalise() {
  const double length = CalcLength();
  x /= length;
  y /= length;
  return 0;
}

int TVector::Rebound(const TVector& wall) {
  auto n = wall.CalcNormal();
  n->Normalise();
  const double d = n->DotProduct(*this);
  n->Multiply(d * 2.0);
  SubtractVector(*n);
  return 0;
}

int TVector::Reverse() {
  x = -x;
  y = -y;
  return 0;
}

int TVector::Rotate(double angle) {
  const double c = std::cos(angle * kDegToRad);
  const double s = std::sin(angle * kDegToRad);
  // The new x goes through single precision, as the ball physics was tuned with it.
  const float nx = static_cast<float>(x * c - y * s);
  const double ny = x * s + y * c;
  x = nx;
  y = ny;
  return 0;
}

int TVector::Scale(double s) { return Multiply(s); }

int TVector::SubtractVector(const TVector& v) {
  x -= v.x;
  y -= v.y;
  return 0;
}

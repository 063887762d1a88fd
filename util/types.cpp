#include "util/types.h"

#include "platform/graphics.h"

std::shared_ptr<TColor> TColor::Create(int r, int g, int b, float alpha) {
  auto color = std::make_shared<TColor>();
  color->Set(r, g, b, alpha);
  return color;
}

int TColor::Set(int r, int g, int b, float alpha) {
  R = r;
  G = g;
  B = b;
  Alpha = alpha;
  return 0;
}

int TColor::Get(int& r, int& g, int& b) const {
  r = R;
  g = G;
  b = B;
  return 0;
}

int TColor::GetFull(int& r, int& g, int& b, float& alpha) const {
  Get(r, g, b);
  alpha = Alpha;
  return 0;
}

int TColor::Apply() const {
  platform::SetColor(R, G, B);
  platform::SetAlpha(Alpha);
  return 0;
}

int TColor::ApplyNoAlpha() const {
  platform::SetColor(R, G, B);
  return 0;
}

int TColor::Copy(const TColor& other) {
  return Set(other.R, other.G, other.B, other.Alpha);
}

int TColor::Restore() const {
  platform::SetColor(255, 255, 255);
  platform::SetAlpha(1.0f);
  return 0;
}

std::shared_ptr<TBox> TBox::Create(float x, float y, float w, float h, std::shared_ptr<TColor> color) {
  auto box = std::make_shared<TBox>();
  box->Init(x, y, w, h, std::move(color));
  return box;
}

int TBox::Init(float x, float y, float w, float h, std::shared_ptr<TColor> color) {
  X = x;
  Y = y;
  W = w;
  H = h;
  Color = std::move(color);
  return 0;
}

int TBox::Draw() const {
  if (!Color) return 0;
  Color->Apply();
  platform::DrawRect(X, Y, W, H);
  Color->Restore();
  return 0;
}

int TBox::Kill() {
  Color.reset();
  return 0;
}

std::shared_ptr<TCircle> TCircle::Create(int x, int y, int r) {
  auto circle = std::make_shared<TCircle>();
  circle->x = static_cast<float>(x);
  circle->y = static_cast<float>(y);
  circle->r = static_cast<float>(r);
  return circle;
}

int TCircle::Draw() const {
  if (Color) Color->Apply();
  platform::DrawOval(x - r, y - r, r * 2, r * 2);
  if (Color) Color->Restore();
  return 0;
}

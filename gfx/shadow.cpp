#include "gfx/shadow.h"

#include "platform/graphics.h"
#include "util/text_draw.h"

std::shared_ptr<TShadow> TShadow::Create(float x, float y, float alpha) {
  auto shadow = std::make_shared<TShadow>();
  shadow->Init(x, y, alpha);
  return shadow;
}

int TShadow::Init(float x, float y, float alpha) {
  X = x;
  Y = y;
  Alpha = alpha;
  return 0;
}

int TShadow::ApplyToText() const {
  ccShadowTextSet(X, Y, Alpha);
  return 0;
}

int TShadow::Copy(const TShadow& other) {
  X = other.X;
  Y = other.Y;
  Alpha = other.Alpha;
  return 0;
}

int TShadow::Apply() {
  platform::SetColor(0, 0, 0);
  platform::SetAlpha(Alpha);
  return 0;
}

int TShadow::Restore() {
  platform::SetColor(255, 255, 255);
  platform::SetAlpha(1.0f);
  return 0;
}

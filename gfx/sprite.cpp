#include "gfx/sprite.h"

#include <cmath>
#include <numbers>

#include "core/game.h"
#include "core/globals.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/sine_counter.h"
#include "platform/graphics.h"
#include "util/animation.h"
#include "util/globals.h"
#include "util/strings.h"
#include "util/types.h"

namespace {

constexpr double kDegToRad = std::numbers::pi / 180.0;

int WholeTicks(int ms) { return static_cast<int>(Game->CalcAnimLength(ms)); }

float RoundHalfUp(float v) { return std::floor(v + 0.5f); }

}  // namespace

TSprite::TSprite() : GlowCounter(std::make_shared<TSineCounter>()) {}

TSpriteRef TSprite::Create(const std::shared_ptr<TGameImage>& image, float x, float y) {
  auto sprite = std::make_shared<TSprite>();
  sprite->SetImage(image);
  sprite->x = x;
  sprite->y = y;
  return sprite;
}

TSpriteRef TSprite::CreateFromFile(const std::string& name, float x, float y, int centre,
                                   int flags) {
  auto image = TGameImage::Create(Game->ImagePath + name + ".png", flags, 1);
  auto sprite = Create(image, x, y);
  if (centre != 0) {
    sprite->x = static_cast<float>(ScreenWidth / 2);
    sprite->y = static_cast<float>(ScreenHeight / 2);
  }
  return sprite;
}

int TSprite::Init() { return 0; }

int TSprite::SetName(const std::string& n) {
  name = ccUpperCase(n);
  return 0;
}

int TSprite::GetSize() {
  if (!image) return 0;
  w = image->w;
  h = image->h;
  w2 = image->w2;
  h2 = image->h2;
  return 0;
}

int TSprite::SetImage(const std::shared_ptr<TGameImage>& img) {
  image = img;
  GetSize();
  return 0;
}

int TSprite::Centre() {
  if (image) image->MidHandle(1);
  x = static_cast<float>(ScreenWidth / 2);
  y = static_cast<float>(ScreenHeight / 2);
  return 0;
}

int TSprite::CentreX(int y0) {
  if (image) image->MidHandle(1);
  x = static_cast<float>(ScreenWidth / 2);
  y = static_cast<float>(y0);
  return 0;
}

int TSprite::StoreCentreCoords() {
  cx = x;
  cy = y;
  return 0;
}

int TSprite::StoreOriginalCoords() {
  ox = x;
  oy = y;
  return 0;
}

int TSprite::ScaleOriginalCoords() {
  x = ox * BaseScaleX;
  y = oy * BaseScaleY;
  return 0;
}

float TSprite::Width() const { return static_cast<float>(w) * ScaleX; }
float TSprite::Height() const { return static_cast<float>(h) * ScaleY; }

int TSprite::MoveLeft() {
  x -= xspeed * Delta;
  return BoundsCheck();
}

int TSprite::MoveRight() {
  x += xspeed * Delta;
  return BoundsCheck();
}

int TSprite::MoveUp() {
  y -= yspeed * Delta;
  return BoundsCheck();
}

int TSprite::MoveDown() {
  y += yspeed * Delta;
  return BoundsCheck();
}

int TSprite::Move() {
  x += dx * Delta;
  y += dy * Delta;
  if (ygravity > 0) dy += ygravity * Delta;
  return 0;
}

int TSprite::MoveOriginalCoords() {
  ox += dx * Delta;
  oy += dy * Delta;
  if (ygravity > 0) dy += ygravity * Delta;
  return 0;
}

int TSprite::MoveForward() {
  dx = static_cast<float>(std::sin(Rotation * kDegToRad) * speed);
  dy = static_cast<float>(-std::cos(Rotation * kDegToRad) * speed);
  return Move();
}

int TSprite::Stop() {
  dx = 0;
  dy = 0;
  return 0;
}

int TSprite::BoundsCheck() {
  const float sw = static_cast<float>(ScreenWidth);
  const float sh = static_cast<float>(ScreenHeight);
  if (x < w2)
    x = w2;
  else if (x > sw - w2)
    x = sw - w2;
  if (y < h2)
    y = h2;
  else if (y > sh - h2)
    y = sh - h2;
  return 0;
}

int TSprite::OutOfBounds() const {
  const float sw = static_cast<float>(ScreenWidth);
  const float sh = static_cast<float>(ScreenHeight);
  if (image && image->midhandled) {
    if (x < -w2) return 1;
    if (x > sw + w2) return 1;
    if (y < -h2) return 1;
    if (y > sh + h2) return 1;
    return 0;
  }
  if (x < static_cast<float>(-w)) return 1;
  if (x > sw) return 1;
  if (y < static_cast<float>(-h)) return 1;
  if (y > sh) return 1;
  return 0;
}

int TSprite::ClearTransformations() {
  ClearScale();
  ClearRotation();
  return 0;
}

int TSprite::ClearScale() {
  ScaleX = 1.0f;
  ScaleY = 1.0f;
  return 0;
}

int TSprite::ClearRotation() {
  Rotation = 0;
  return 0;
}

int TSprite::SetGlow(int mode, float glow, float spd, float min, float max) {
  GlowMode = mode;
  Glow = glow;
  GlowSpeed = spd;
  GlowMin = min;
  GlowMax = max;
  GlowRange = max - min;
  if (mode == GLOW_PULSE) {
    if (!GlowCounter) GlowCounter = std::make_shared<TSineCounter>();
    GlowCounter->Init(0, 360, spd);
  }
  return 0;
}

int TSprite::ManageGlow() {
  if (GlowMode == GLOW_DECAY) {
    if (Glow > 0) {
      Glow -= GlowSpeed * Delta;
      if (Glow <= 0) Glow = 0;
    }
  } else if (GlowMode == GLOW_PULSE && GlowCounter) {
    GlowCounter->Manage();
    Glow = GlowMin + GlowRange * std::fabs(GlowCounter->ratio);
  }
  return 0;
}

int TSprite::SetShadow(int on, float sx, float sy, float alpha) {
  Shadow = on;
  ShadowX = sx;
  ShadowY = sy;
  ShadowAlpha = alpha;
  return 0;
}

int TSprite::SetPosition(float px, float py) {
  x = px;
  y = py;
  return 0;
}

int TSprite::SetScaleXY(float sx, float sy) {
  ScaleX = sx;
  ScaleY = sy == 0 ? sx : sy;
  return 0;
}

int TSprite::SetupScale(float xSpeed, float ySpeed, int ms) {
  ScaleXSpeed = xSpeed;
  ScaleYSpeed = ySpeed;
  ScaleLength = WholeTicks(ms);
  ScaleCounter = static_cast<float>(ScaleLength);
  return 0;
}

int TSprite::ManageScale() {
  if (ScaleCounter > 0) {
    ScaleCounter -= Delta;
    ScaleX += ScaleXSpeed * Delta;
    ScaleY += ScaleYSpeed * Delta;
  }
  return 0;
}

int TSprite::SetupAnim(int frames, int ms, int dir, int reverse, int randomStart) {
  frame = 0;
  FramesTotal = frames;
  AnimLength = WholeTicks(ms);
  AnimCounterDir = dir;
  AnimReverse = reverse;
  if (randomStart != 0) {
    RandomiseAnimPos();
  } else if (dir != 0) {
    AnimCounter = reverse != 0 ? static_cast<float>(AnimLength) : 0.0f;
  } else {
    AnimCounter = reverse != 0 ? 0.1f : static_cast<float>(AnimLength);
  }
  return 0;
}

int TSprite::RandomiseAnimPos() {
  const double top = AnimLength > 0.1 ? AnimLength : 0.1;
  AnimCounter = top > 0.1 ? static_cast<float>(EffectsRandom.Rnd(0.1, top)) : 0.1f;
  return 0;
}

int TSprite::ManageAnim() {
  // The counter runs up for (dir 1, reverse 0) and (dir 0, reverse 1), down for the other two.
  const bool up = (AnimCounterDir != 0) != (AnimReverse != 0);
  int wrapped;
  if (up) {
    AnimCounter += Delta;
    wrapped = AnimBoundsCheckUpper();
  } else {
    AnimCounter -= Delta;
    wrapped = AnimBoundsCheckLower();
  }
  frame = ccCalcAnimFrame(AnimCounter, AnimLength, FramesTotal, AnimCounterDir);
  return wrapped;
}

int TSprite::AnimBoundsCheckLower() {
  if (AnimCounter <= 0) {
    AnimCounter += static_cast<float>(AnimLength);
    if (AnimStoppedFunction) AnimStoppedFunction(*this);
    return 1;
  }
  return 0;
}

int TSprite::AnimBoundsCheckUpper() {
  if (AnimCounter >= static_cast<float>(AnimLength)) {
    AnimCounter -= static_cast<float>(AnimLength);
    if (AnimStoppedFunction) AnimStoppedFunction(*this);
    return 1;
  }
  return 0;
}

int TSprite::SetupRotation(float spd, int ms) {
  RotationSpeed = spd;
  RotationLength = WholeTicks(ms);
  RotationCounter = static_cast<float>(RotationLength);
  return 0;
}

int TSprite::ManageRotation() {
  if (RotationCounter > 0) {
    RotationCounter -= Delta;
    Rotation += RotationSpeed * Delta;
  }
  return 0;
}

int TSprite::CurrentDrawFrame() const {
  if (AnimCounter > 0) return ccCalcAnimFrame(AnimCounter, AnimLength, FramesTotal, AnimCounterDir);
  return ImageFrame;
}

int TSprite::DrawShadow(const std::shared_ptr<TGameImage>& img, int f, int scrolled) {
  if (Shadow == 0 || !img || !img->image) return 0;
  int r, g, b;
  platform::GetColor(&r, &g, &b);
  platform::SetColor(0, 0, 0);
  platform::SetAlpha(ShadowAlpha * Alpha);
  float px = x + ShadowX;
  float py = y + ShadowY;
  if (UseOffset != 0) {
    px += offx;
    py += offy;
  }
  if (scrolled != 0 && Game) {
    px -= Game->ScrollX;
    py -= Game->ScrollY;
  }
  platform::DrawImage(img->image, px, py, f);
  if (Color)
    Color->ApplyNoAlpha();
  else
    platform::SetColor(r, g, b);
  platform::SetAlpha(Alpha);
  return 0;
}

int TSprite::Draw() {
  DoDraw();
  if (GlowMode > 0) DrawLight(Glow, 1, 1, 1, nullptr);
  return 0;
}

int TSprite::DoDraw() {
  if (visible == 0) return 0;
  platform::SetScale(BaseScaleX * ScaleX, BaseScaleY * ScaleY);
  platform::SetRotation(Rotation);
  if (UseAlpha != 0) platform::SetAlpha(Alpha);
  if (Color) Color->ApplyNoAlpha();
  if (RoundCoords != 0)
    DrawRounded();
  else
    DrawNormal();
  platform::SetScale(1, 1);
  platform::SetRotation(0);
  if (UseAlpha != 0) platform::SetAlpha(1);
  if (Color) platform::SetColor(255, 255, 255);
  return 0;
}

int TSprite::DrawNormal() { return DrawAtPosition(false); }

int TSprite::DrawRounded() { return DrawAtPosition(true); }

int TSprite::DrawAtPosition(bool rounded) {
  const int f = CurrentDrawFrame();
  const auto& img = AlternativeImage ? AlternativeImage : image;
  if (!img || !img->image) return 0;
  DrawShadow(img, f, 0);
  float px = x, py = y;
  if (UseOffset != 0) {
    px += offx;
    py += offy;
  }
  if (rounded) {
    platform::DrawImage(img->image, RoundHalfUp(px), RoundHalfUp(py), f);
  } else {
    platform::DrawImage(img->image, px, py, f);
  }
  return 0;
}

int TSprite::DrawWithOffset() {
  platform::SetScale(BaseScaleX * ScaleX, BaseScaleY * ScaleY);
  platform::SetRotation(Rotation);
  if (UseAlpha != 0) platform::SetAlpha(Alpha);
  const int f = CurrentDrawFrame();
  const auto& img = AlternativeImage ? AlternativeImage : image;
  if (img && img->image) {
    DrawShadow(img, f, 1);
    float px = x - (Game ? Game->ScrollX : 0.0f);
    float py = y - (Game ? Game->ScrollY : 0.0f);
    if (UseOffset != 0) {
      px += offx;
      py += offy;
    }
    platform::DrawImage(img->image, px, py, f);
  }
  platform::SetScale(1, 1);
  platform::SetRotation(0);
  if (UseAlpha != 0) platform::SetAlpha(1);
  return 0;
}

int TSprite::DrawLight(float glow, float r, float g, float b,
                       const std::shared_ptr<TGameImage>& img) {
  if (visible == 0) return 0;
  platform::SetBlend(platform::BLEND_LIGHT);
  const float k = glow * 255.0f;
  platform::SetColor(static_cast<int>(k * r), static_cast<int>(k * g), static_cast<int>(k * b));
  AlternativeImage = img;
  DoDraw();
  AlternativeImage = nullptr;
  platform::SetBlend(platform::BLEND_ALPHA);
  platform::SetColor(255, 255, 255);
  return 1;
}

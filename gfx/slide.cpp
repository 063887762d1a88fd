#include "gfx/slide.h"

#include "core/globals.h"
#include "gfx/image_bank.h"
#include "platform/graphics.h"
#include "util/globals.h"
#include "util/image.h"

namespace {

// Elapsed share of the current phase, 0..1; a phase of 0 ticks counts as over.
float PhaseRatio(const TSlide& slide) {
  const auto& effect = slide.CurrentEffect;
  if (!effect || effect->Length <= 0) return 1.0f;
  return slide.Counter / static_cast<float>(effect->Length);
}

void Drift(TSlide& slide) {
  const auto& effect = slide.CurrentEffect;
  if (!effect) return;
  slide.x -= effect->ScrollSpeedX * Delta;
  slide.y -= effect->ScrollSpeedY * Delta;
  slide.scale += effect->ZoomSpeed * Delta;
}

}  // namespace

TSlideRef TSlide::Create(const std::string& file, int flags, int centred,
                         const TTransitionEffectRef& inEffect,
                         const TTransitionEffectRef& holdEffect,
                         const TTransitionEffectRef& outEffect, const std::string& /*name*/) {
  auto slide = std::make_shared<TSlide>();
  if (!file.empty()) slide->Image = TGameImage::Create(file, flags, centred);
  slide->InEffect = inEffect;
  slide->HoldEffect = holdEffect;
  slide->OutEffect = outEffect;
  slide->Centred = centred;
  if (centred != 0) slide->CentreCoords();
  if (inEffect)
    slide->CurrentEffect = inEffect;
  else if (holdEffect)
    slide->CurrentEffect = holdEffect;
  else
    slide->CurrentEffect = outEffect;
  return slide;
}

int TSlide::CentreCoords() {
  if (!Image) return 0;
  x = static_cast<float>(ScreenWidth / 2);
  y = static_cast<float>(ScreenHeight / 2);
  return 0;
}

int TSlide::Kill() {
  Image = nullptr;
  LastSlide.reset();
  return 0;
}

int TSlide::StoreOriginalCoords() {
  ox = x;
  oy = y;
  return 0;
}

int TSlide::Manage() {
  // A slide without any phase has nothing to show: it ends at once.
  if (!CurrentEffect) return 1;
  const int move = UserManage ? UserManage(*this) : 1;
  if (move != 0) {
    Drift(*this);
    if (CurrentEffect->EffectType == TTransitionEffect::EFFECT_CROSS_FADE) {
      if (auto last = LastSlide.lock()) Drift(*last);
    }
  }
  Counter += Delta;
  if (Counter < static_cast<float>(CurrentEffect->Length)) return 0;
  Counter -= static_cast<float>(CurrentEffect->Length);
  TTransitionEffectRef next;
  if (CurrentEffect == InEffect)
    next = HoldEffect ? HoldEffect : OutEffect;
  else if (CurrentEffect == HoldEffect)
    next = OutEffect;
  if (!next) return 1;
  CurrentEffect = next;
  return 0;
}

int TSlide::Draw() {
  const float r = PhaseRatio(*this);
  const int type = CurrentEffect ? CurrentEffect->EffectType : TTransitionEffect::EFFECT_PLAIN;
  platform::SetBlend(platform::BLEND_SOLID);
  if (type == TTransitionEffect::EFFECT_CROSS_FADE) {
    // A cross-fade with no slide before it simply fades this one in over what is there.
    if (auto last = LastSlide.lock()) {
      platform::SetScale(last->scale, last->scale);
      if (last->Image && last->Image->image)
        platform::DrawImage(last->Image->image, last->x, last->y, 0);
      if (last->UserDraw) {
        platform::SetBlend(platform::BLEND_ALPHA);
        last->UserDraw(*last);
      }
    }
    platform::SetScale(1, 1);
    platform::SetBlend(platform::BLEND_ALPHA);
    platform::SetAlpha(r);
  }
  platform::SetScale(scale, scale);
  if (Image && Image->image) platform::DrawImage(Image->image, x, y, 0);
  platform::SetBlend(platform::BLEND_ALPHA);
  if (UserDraw) UserDraw(*this);
  platform::SetScale(1, 1);
  platform::SetAlpha(1);
  if (!CurrentEffect) return 0;
  const auto& effect = *CurrentEffect;
  const bool mask = effect.MaskImage != nullptr;
  if (mask && (type == TTransitionEffect::EFFECT_PLAIN ||
               type == TTransitionEffect::EFFECT_CROSS_FADE))
    DrawMask(effect.MaskEndSize);
  if (type == TTransitionEffect::EFFECT_FADE_FROM_BLACK ||
      type == TTransitionEffect::EFFECT_FADE_TO_BLACK) {
    const float dim = type == TTransitionEffect::EFFECT_FADE_FROM_BLACK ? 1.0f - r : r;
    if (mask) {
      DrawMask(effect.MaskStartSize + r * (effect.MaskEndSize - effect.MaskStartSize));
      if (effect.MaskAndFade == 1) ccDimScreen(dim);
    } else {
      ccDimScreen(dim);
    }
  }
  return 0;
}

int TSlide::DrawMask(float size) {
  if (!CurrentEffect || !CurrentEffect->MaskImage || !CurrentEffect->MaskImage->image) return 0;
  platform::SetBlend(platform::BLEND_ALPHA);
  platform::SetScale(size, size);
  platform::DrawImage(CurrentEffect->MaskImage->image, static_cast<float>(ScreenWidth / 2),
                      static_cast<float>(ScreenHeight / 2), 0);
  platform::SetScale(1, 1);
  return 0;
}

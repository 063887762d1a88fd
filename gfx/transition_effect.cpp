#include "gfx/transition_effect.h"

#include "core/game.h"
#include "core/globals.h"

TTransitionEffectRef TTransitionEffect::Create(int effectType, int length) {
  auto effect = std::make_shared<TTransitionEffect>();
  effect->EffectType = effectType;
  effect->Length = static_cast<int>(Game->CalcAnimLength(length));
  return effect;
}

TTransitionEffectRef TTransitionEffect::CreateCopy() const {
  auto copy = std::make_shared<TTransitionEffect>();
  copy->EffectType = EffectType;
  copy->Length = Length;
  copy->ScrollSpeedX = ScrollSpeedX;
  copy->ScrollSpeedY = ScrollSpeedY;
  copy->MaskImage = MaskImage;
  copy->MaskStartSize = MaskStartSize;
  copy->MaskEndSize = MaskEndSize;
  return copy;
}

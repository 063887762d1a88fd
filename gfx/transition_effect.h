#pragma once
// One timed phase of a slide (entry, hold or exit): its length, the drift and zoom of the picture,
// and how the picture fades, optionally through a scaled mask image.

#include <memory>

class TGameImage;
class TTransitionEffect;
using TTransitionEffectRef = std::shared_ptr<TTransitionEffect>;

class TTransitionEffect {
 public:
  // Values of EffectType.
  static constexpr int EFFECT_PLAIN = 0;
  static constexpr int EFFECT_FADE_FROM_BLACK = 1;
  static constexpr int EFFECT_FADE_TO_BLACK = 2;
  static constexpr int EFFECT_CROSS_FADE = 3;

  int EffectType = 0;
  int Length = 0;              // whole logic ticks
  float ScrollSpeedX = 0.0f;   // pixels per tick subtracted from the slide's x
  float ScrollSpeedY = 0.0f;
  float ZoomSpeed = 0.0f;      // added to the slide's scale per tick
  std::shared_ptr<TGameImage> MaskImage;
  float MaskStartSize = 1.0f;
  float MaskEndSize = 1.0f;
  int MaskAndFade = 0;         // 1: a fade with a mask also dims the screen

  // length in milliseconds.
  static TTransitionEffectRef Create(int effectType, int length);
  // Copies type, length, scroll speeds, mask and mask sizes; zoom and MaskAndFade start at 0.
  TTransitionEffectRef CreateCopy() const;
};

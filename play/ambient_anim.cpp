#include "play/ambient_anim.h"

#include <cmath>

#include "core/fixed_rate_logic.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/particle.h"
#include "gfx/particle_list.h"
#include "play/play_support.h"

std::shared_ptr<TAmbientAnim> TAmbientAnim::Create(int animType, const std::string& imageName, int cellWidth,
                                                   int cellHeight, int frames, int duration) {
  auto a = std::make_shared<TAmbientAnim>();
  a->AnimType = animType;
  a->Image = std::make_shared<TGameImage>();
  a->Image->LoadAnim((Game ? Game->ImagePath : std::string()) + imageName + ".png", cellWidth, cellHeight, 0,
                     frames, 2, 1);
  a->Frames = frames;
  a->Duration = duration;
  return a;
}

int TAmbientAnim::AddCoords(int x, int y, float scale) {
  auto c = std::make_shared<TAmbientAnimCoords>();
  c->x = x;
  c->y = y;
  c->scale = scale;
  if (!PossibleCoords) PossibleCoords = std::make_shared<std::vector<std::shared_ptr<TAmbientAnimCoords>>>();
  PossibleCoords->push_back(c);
  return 0;
}

std::shared_ptr<TParticle> TAmbientAnim::MakeParticle(int x, int y, int flip, float scale) {
  if (!AmbientParticles) return nullptr;
  const float sx = flip != 0 ? -SpeedX : SpeedX;
  const float s = scale == 1.0f ? Scale : scale;
  auto p = AmbientParticles->AddNew(
      x, y, Image, sx + static_cast<float>(EffectsRandom.Rnd(-SpeedXVariation, SpeedXVariation)),
      SpeedY + static_cast<float>(EffectsRandom.Rnd(-SpeedYVariation, SpeedYVariation)), 0, 0, 0, 0, 0,
      s + static_cast<float>(EffectsRandom.Rnd(-ScaleVariation, ScaleVariation)), ScaleSpeed, 0, 0);
  int len = Duration + EffectsRandom.Rand(-DurationVaration, DurationVaration);
  // A run time of less than one tick would give the frame animation no length at all.
  const float tickMs = (Game && Game->FixedRateLogic) ? Game->FixedRateLogic->MS : 5.0f;
  if (len < tickMs) len = static_cast<int>(std::ceil(tickMs));
  p->SetupAnim(Frames, len, 0, 0, RandomStartFrame);
  if (Fade != 0) {
    // Single-precision factors taken at full precision: a run of 1400 ms holds for 2519 ms.
    const double in = static_cast<double>(0.6f), hold = static_cast<double>(1.8f);
    p->SetFade(static_cast<int>(len * in), static_cast<int>(len * hold), static_cast<int>(len * in));
  }
  if (Loop == 0) {
    p->KillAfterAnim = 1;
  } else {
    p->NoOutOfBounds = 1;
    p->LifeCounter = play_support::Ticks(LifeCounter);
  }
  if (flip != 0) p->ScaleX = -p->ScaleX;
  return p;
}

int TAmbientAnim::Kill() {
  if (PossibleCoords) {
    PossibleCoords->clear();
    PossibleCoords.reset();
  }
  Image.reset();
  return 0;
}

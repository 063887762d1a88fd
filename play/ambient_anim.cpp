#include "play/ambient_anim.h"

#include <cmath>

#include "core/game.h"
#include "core/globals.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/particle.h"
#include "gfx/particle_list.h"
#include "platform/random.h"

std::shared_ptr<TAmbientAnim> TAmbientAnim::Create(int kind, const std::string& image, int cellWidth,
                                                   int cellHeight, int frames, int duration) {
  auto anim = std::make_shared<TAmbientAnim>();
  anim->AnimType = kind;
  anim->Frames = frames;
  anim->Duration = duration;
  anim->Image = std::make_shared<TGameImage>();
  anim->Image->LoadAnim(Game->ImagePath + image + ".png", cellWidth, cellHeight, 0, frames, 2, 1);
  return anim;
}

int TAmbientAnim::AddCoords(int x, int y, float scale) {
  if (!PossibleCoords) PossibleCoords = std::make_shared<std::vector<std::shared_ptr<TAmbientAnimCoords>>>();
  auto c = std::make_shared<TAmbientAnimCoords>();
  c->x = x;
  c->y = y;
  c->scale = scale;
  PossibleCoords->push_back(c);
  return 0;
}

int TAmbientAnim::Kill() {
  if (PossibleCoords) PossibleCoords->clear();
  PossibleCoords.reset();
  Image.reset();
  return 0;
}

std::shared_ptr<TParticle> TAmbientAnim::MakeParticle(int x, int y, int flip, float scale) {
  if (!AmbientParticles || !Image) return nullptr;
  float speedX = std::trunc(SpeedX);
  if (flip) speedX = -speedX;
  const float s = scale == 1.0f ? Scale : scale;
  const float finalScale = s + static_cast<float>(EffectsRandom.Rnd(-ScaleVariation, ScaleVariation));
  const float dy = SpeedY + static_cast<float>(EffectsRandom.Rnd(-SpeedYVariation, SpeedYVariation));
  const float dx = speedX + static_cast<float>(EffectsRandom.Rnd(-SpeedXVariation, SpeedXVariation));
  auto p = AmbientParticles->AddNew(x, y, Image, dx, dy, 0, 0, 0, 0, 0, finalScale, ScaleSpeed, 0, 0);
  if (!p) return nullptr;
  const int d = Duration + EffectsRandom.Rand(-DurationVaration, DurationVaration);
  p->SetupAnim(Frames, d, 0, 0, RandomStartFrame);
  if (Fade) p->SetFade(static_cast<int>(d * 0.6), static_cast<int>(d * 1.8), static_cast<int>(d * 0.6));
  if (Loop == 0) {
    p->KillAfterAnim = 1;
  } else {
    p->NoOutOfBounds = 1;
    p->LifeCounter = Game->CalcAnimLength(LifeCounter);
  }
  if (flip) p->ScaleX = -p->ScaleX;
  return p;
}

#include "play/pointer_particles.h"

#include "core/game.h"
#include "core/globals.h"
#include "gfx/globals.h"
#include "gfx/particle.h"
#include "gfx/particle_list.h"
#include "play/hud_rules.h"
#include "play/play_support.h"
#include "ui/mouse_pointer.h"
#include "util/types.h"

int PointerParticlesOn = 1;

int CalcSparkleLength() { return hud_rules::SparkleLength(play_support::Detail()); }

std::shared_ptr<TParticle> PointerParticleMake(float x, float y, const std::shared_ptr<TGameImage>& image) {
  if (!Game || !Game->Mouse || !Game->Mouse->ParticleList) return nullptr;
  const int turn = EffectsRandom.Rand(0, 1) == 0 ? -1 : 1;
  auto p = Game->Mouse->ParticleList->AddNew(
      static_cast<int>(x), static_cast<int>(y), image, static_cast<float>(EffectsRandom.Rnd(-0.05, 0.05)), 0,
      0.0016f, 1000, 1, turn, static_cast<float>(EffectsRandom.Rnd(0.2, 0.5)),
      static_cast<float>(EffectsRandom.Rnd(0.5, 1.0)), 0, 0, 0);
  p->SetFade(200, 300, 1000);
  return p;
}

int PointerParticles() {
  if (PointerParticlesOn == 0 || !Game || !Game->Mouse) return 0;
  auto& m = *Game->Mouse;
  // Before the pointer has a place its position is (0, 0): sparkles there would pile up in the
  // corner (the loading screen waits for the first click with the pointer wherever it is).
  if (m.SparkleLength == 90 || m.Placed == 0) return 0;
  m.SparkleCounter -= Delta;
  if (m.SparkleCounter > 0) return 0;
  m.SparkleCounter += static_cast<float>(m.SparkleLength);
  const auto& image = PointerParticle[static_cast<std::size_t>(EffectsRandom.Rand(0, 3))];
  int x, y;
  if (m.offsetx == 2) {
    x = m.x + EffectsRandom.Rand(1, m.w - 20) - 5;
    y = m.y + EffectsRandom.Rand(1, m.h - 25) - 5;
  } else {
    x = m.x + EffectsRandom.Rand(-6, 6);
    y = m.y + EffectsRandom.Rand(-6, 6);
  }
  auto p = PointerParticleMake(static_cast<float>(x), static_cast<float>(y), image);
  if (p) {
    const int r = EffectsRandom.Rand(100, 255);
    const int g = EffectsRandom.Rand(100, 255);
    const int b = EffectsRandom.Rand(100, 255);
    p->Color = TColor::Create(r, g, b, 1.0f);
  }
  return 0;
}

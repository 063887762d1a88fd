#include "screens/dialog_drop.h"

#include "cards/globals.h"
#include "cards/pixie_dust.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/globals.h"
#include "gfx/particle.h"
#include "gfx/particle_list.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "util/maths.h"

void StartDialogSparkles(TPixieDust& dust, int ms, float interval_ms) {
  dust.MainCounter = Game->CalcAnimLength(ms);
  dust.Length = Game->CalcAnimLengthFromFloat(interval_ms / (static_cast<float>(Game->Particles) / 100.0f));
  dust.Counter = dust.Length;
}

void StartDialogDrop(TPixieDust& dust, int x, int y, int w, int h, int width, int sparkle_ms,
                     float interval_ms) {
  dust.x = x;
  dust.y = y;
  dust.w = w;
  dust.h = h;
  if (Game->Particles > 0) StartDialogSparkles(dust, sparkle_ms, interval_ms);
  dust.ParticleList = DialogParticles;
  const int leaves = 20 * Game->Particles / 100;
  for (int i = 0; i < leaves && DialogParticles; ++i) {
    const int spin = ccFastRand(0, 1) == 0 ? -1 : 1;
    const int lx = x + ccFastRand(-50, width + 50);
    const int ly = ccFastRand(-100, -30);
    auto leaf = DialogParticles->AddNew(
        lx, ly, GameScreen ? GameScreen->LeafParticle : nullptr,
        static_cast<float>(EffectsRandom.Rnd(-0.6, 0.6)), static_cast<float>(EffectsRandom.Rnd(0.3, 0.7)),
        0.005f, 1000, 0, spin, static_cast<float>(EffectsRandom.Rnd(-2.0, 2.0)),
        static_cast<float>(EffectsRandom.Rnd(0.5, 1.0)), 0, 0, 0);
    if (leaf) {
      leaf->SetFade(0, 900, 500);
      leaf->NoOutOfBounds = 1;
    }
  }
}

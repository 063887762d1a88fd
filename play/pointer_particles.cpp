#include "play/pointer_particles.h"

#include "core/game.h"
#include "core/globals.h"

int PointerParticlesOn = 0;

int PointerParticles() { return 0; }

int CalcSparkleLength() {
  const int level = Game ? Game->Particles : 80;
  return 15 + 75 * (100 - level) / 100;
}

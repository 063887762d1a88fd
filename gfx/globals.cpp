#include "gfx/globals.h"

#include "gfx/game_text.h"
#include "gfx/image_bank.h"
#include "gfx/particle_generator.h"
#include "gfx/particle_list.h"
#include "gfx/sound_bank.h"

std::shared_ptr<TImageBank> images;
std::shared_ptr<TSoundBank> sounds;
std::shared_ptr<TGameText> GameText;
int ShowErrors = 1;

// Made when the program starts, in the start-up order of the effect layers.
std::shared_ptr<TParticleList> AmbientParticles = TParticleList::Create();
std::shared_ptr<TParticleList> BackgroundParticles = TParticleList::Create();
std::shared_ptr<TParticleList> IronParticles = TParticleList::Create();
std::shared_ptr<TParticleList> Particles = TParticleList::Create();
std::shared_ptr<TParticleList> Particles2 = TParticleList::Create();
std::shared_ptr<TParticleList> AnimatedParticles = TParticleList::Create();
std::shared_ptr<TParticleList> ScoreParticles = TParticleList::Create();
std::shared_ptr<TParticleList> DialogParticles = TParticleList::Create();

std::array<std::shared_ptr<TGameImage>, 4> ParticleImages{};
std::array<std::shared_ptr<TGameImage>, 4> PointerParticle{};

std::shared_ptr<TParticleGeneratorList> ParticleGeneratorList;

platform::Random EffectsRandom;

void ParticleListsClear() {
  for (const auto& list : {AmbientParticles, BackgroundParticles, IronParticles, Particles,
                           Particles2, AnimatedParticles, ScoreParticles, DialogParticles})
    if (list) list->Clear();
}

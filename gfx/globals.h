#pragma once
// The named globals of the sprite and asset layer. Each is made once at start-up (the entry, in the
// order of the start-up sequence) and lives for the whole run unless noted; tests may install their
// own and restore the previous ones.

#include <array>
#include <memory>

#include "platform/random.h"

class TGameImage;
class TImageBank;
class TSoundBank;
class TGameText;
class TParticleList;
class TParticleGeneratorList;

// The image bank; made by the entry, path set to Game->ImagePath, filled by the data loader.
extern std::shared_ptr<TImageBank> images;
// The sound bank; made by the entry, path set to Game->SoundPath, filled by the data loader.
extern std::shared_ptr<TSoundBank> sounds;
// The text table; made and read by the data loader ("gametext.txt").
extern std::shared_ptr<TGameText> GameText;
// 1: a bank look-up of a missing name is fatal. Starts at 1 and nothing in the game changes it.
extern int ShowErrors;

// The eight effect layers, made empty when the program starts, in this order, and never replaced.
extern std::shared_ptr<TParticleList> AmbientParticles;     // over the play screen's background
extern std::shared_ptr<TParticleList> BackgroundParticles;  // drawn by the HUD (long-drive ball)
extern std::shared_ptr<TParticleList> IronParticles;        // drawn by the HUD (irons, club)
extern std::shared_ptr<TParticleList> Particles;            // main effects layer
extern std::shared_ptr<TParticleList> Particles2;           // tokens, the wedge's flight
extern std::shared_ptr<TParticleList> AnimatedParticles;    // card and iron morphs
extern std::shared_ptr<TParticleList> ScoreParticles;       // score and message pop-ups
extern std::shared_ptr<TParticleList> DialogParticles;      // over the overlays
// Particle images of the play and intro screens (whichever is loading fills them), and the
// images of the mouse pointer's sparkle trail (second loading stage). Empty slots at start.
extern std::array<std::shared_ptr<TGameImage>, 4> ParticleImages;
extern std::array<std::shared_ptr<TGameImage>, 4> PointerParticle;
// The play screen's generators; made anew at the start of each hole, dropped when play ends.
extern std::shared_ptr<TParticleGeneratorList> ParticleGeneratorList;

// Cosmetic random numbers of this layer (random animation start points, ambient sounds); never
// used for anything that changes play. Tests seed it.
extern platform::Random EffectsRandom;

// Empties the eight global particle lists (the play screen's particle clearing).
void ParticleListsClear();

#pragma once
// The sparkle trail of the mouse pointer.

#include <memory>

class TGameImage;
class TParticle;

// 1 while the pointer leaves sparkles: on at start, off during play, on while the in-game menu
// shows.
extern int PointerParticlesOn;

// The pointer's ParticleFunc, once per logic tick: at most one sparkle every SparkleLength ticks.
int PointerParticles();
// One sparkle on the pointer's own particle layer.
std::shared_ptr<TParticle> PointerParticleMake(float x, float y, const std::shared_ptr<TGameImage>& image);
// Logic ticks between two pointer sparkles at the current detail setting: 90 at 0 (which stops
// them) down to 15 at 100.
int CalcSparkleLength();
// 1: the mouse pointer trails sparkles whatever screen is running (the in-game menu sets it).
extern int PointerParticlesOn;

#pragma once
// The sparkle trail of the mouse pointer during play.

// Makes the pointer's sparkles (the pointer's particle function). Returns 0.
int PointerParticles();
// 1 while the pointer leaves a sparkle trail; the play screen switches it off.
extern int PointerParticlesOn;
// Ticks between two sparkles at the current particle level: 15 + 75 * (100 - level) / 100.
int CalcSparkleLength();

#pragma once
// The sparkle trail of the mouse pointer during play.

// Makes the pointer's sparkles (the pointer's particle function). Returns 0.
int PointerParticles();
// Ticks between two sparkles at the current particle level: 15 + 75 * (100 - level) / 100.
int CalcSparkleLength();
// 1: the mouse pointer trails sparkles whatever screen is running (the in-game menu sets it).
extern int PointerParticlesOn;

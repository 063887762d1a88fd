#pragma once
// A short shower of sparkles along the lower edge of a rectangle: only the timing; each burst is
// made by the screen side of the play field (TFieldEvents::PixieDustBurst) into the owner's
// particle list. Owners set the fields directly (lengths in logic ticks) and call Manage once per
// tick.

#include <memory>

class TParticleList;

class TPixieDust {
 public:
  float MainCounter = 0;  // ticks left of the shower; 0 or less: off
  float Counter = 0;      // ticks left until the next burst
  float Length = 0;       // ticks between two bursts
  int x = 0, y = 0, w = 0, h = 0;
  std::shared_ptr<TParticleList> ParticleList;

  // One logic tick. An interval of 0 or less gives one burst per tick.
  int Manage();
  int Kill();
};

#pragma once
// A particle generator emits a number of emissions, one every interval, through a callback, while
// it drifts at its own speed; generators live in a generator list that drops them when done.

#include <functional>
#include <memory>

#include "gfx/ref_list.h"

class TParticleGenerator;
using TParticleGeneratorRef = std::shared_ptr<TParticleGenerator>;

class TParticleGenerator {
 public:
  int Active = 1;
  float x = 0, y = 0;
  float dx = 0, dy = 0;  // drift, pixels per tick
  int Qty = 0;           // emissions still to come after the one made at creation
  float Interval = 0;    // ticks
  float IntervalCounter = 0;
  std::function<int(TParticleGenerator&)> MakeParticleFunction;
  int Data1 = 0, Data2 = 0;

  // Emits once at once; then Qty = qty - 1 more emissions follow, one per interval (ms).
  static TParticleGeneratorRef Create(float x, float y, int qty, float intervalMs,
                                      std::function<int(TParticleGenerator&)> callback, int data1,
                                      int data2);
  // -1 when inactive; 1 on the tick it finishes; 0 otherwise.
  int Manage();
};

class TParticleGeneratorList;
using TParticleGeneratorListRef = std::shared_ptr<TParticleGeneratorList>;

class TParticleGeneratorList : public TRefList<TParticleGenerator> {
 public:
  static TParticleGeneratorListRef Create();
  // Creates a generator; keeps it only when emissions remain after the first.
  TParticleGeneratorRef Add(float x, float y, int qty, float intervalMs,
                            std::function<int(TParticleGenerator&)> callback);
  int Manage();
};

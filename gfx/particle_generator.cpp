#include "gfx/particle_generator.h"

#include "core/game.h"
#include "core/globals.h"

TParticleGeneratorRef TParticleGenerator::Create(float x, float y, int qty, float intervalMs,
                                                 std::function<int(TParticleGenerator&)> callback,
                                                 int data1, int data2) {
  auto gen = std::make_shared<TParticleGenerator>();
  gen->x = x;
  gen->y = y;
  gen->Qty = qty - 1;
  gen->Interval = Game->CalcAnimLengthFromFloat(intervalMs);
  gen->IntervalCounter = gen->Interval;
  gen->MakeParticleFunction = std::move(callback);
  gen->Data1 = data1;
  gen->Data2 = data2;
  if (gen->MakeParticleFunction) gen->MakeParticleFunction(*gen);
  return gen;
}

int TParticleGenerator::Manage() {
  if (Active == 0) return -1;
  // A generator with nothing left to emit (made for a single emission) is done.
  if (Qty <= 0) {
    Active = 0;
    return 1;
  }
  x += dx * Delta;
  y += dy * Delta;
  if (IntervalCounter <= 0) return 0;
  IntervalCounter -= Delta;
  while (IntervalCounter <= 0) {
    IntervalCounter += Interval;
    Qty -= 1;
    if (MakeParticleFunction) MakeParticleFunction(*this);
    if (Qty == 0) {
      Active = 0;
      return 1;
    }
  }
  return 0;
}

TParticleGeneratorListRef TParticleGeneratorList::Create() {
  return std::make_shared<TParticleGeneratorList>();
}

TParticleGeneratorRef TParticleGeneratorList::Add(float x, float y, int qty, float intervalMs,
                                                  std::function<int(TParticleGenerator&)> callback) {
  auto gen = TParticleGenerator::Create(x, y, qty, intervalMs, std::move(callback), 0, 0);
  if (gen->Qty > 0) AddLast(gen);
  return gen;
}

int TParticleGeneratorList::Manage() {
  ForEach([this](const TParticleGeneratorRef& gen) {
    if (gen->Manage() == 1) Remove(gen.get());
  });
  return 0;
}

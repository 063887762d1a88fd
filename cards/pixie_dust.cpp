#include "cards/pixie_dust.h"

#include "cards/field_events.h"
#include "core/globals.h"

int TPixieDust::Manage() {
  if (MainCounter <= 0) return 0;
  MainCounter -= Delta;
  if (MainCounter <= 0) {
    MainCounter = 0;
    return 0;
  }
  Counter -= Delta;
  if (Length <= 0) {
    // Without an interval the shower bursts once per tick instead of looping for ever.
    if (Counter < 0) {
      Counter = 0;
      FieldEvents().PixieDustBurst(x, y, w, h, ParticleList);
    }
    return 0;
  }
  while (Counter < 0) {
    Counter += Length;
    FieldEvents().PixieDustBurst(x, y, w, h, ParticleList);
  }
  return 0;
}

int TPixieDust::Kill() {
  ParticleList.reset();
  return 0;
}

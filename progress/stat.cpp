#include "progress/stat.h"

#include "core/game.h"
#include "core/globals.h"

int TStat::Increase(int n) {
  Value += n;
  if (Game) Name = Game->ProfileName;
  return 0;
}

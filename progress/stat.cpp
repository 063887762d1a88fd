#include "progress/stat.h"

#include "core/game.h"
#include "core/globals.h"

int TStat::Increase(int n) {
  Value += n;
  if (Game) Name = Game->ProfileName;
  return 0;
}

int TStat::SetValue(int v) {
  Value = v;
  Set = 1;
  if (Game) Name = Game->ProfileName;
  return 0;
}

int TStat::IsGreater(int v) {
  if (Set != 0 && v < Value) return 0;
  SetValue(v);
  return 1;
}

int TStat::IsLess(int v) {
  if (Set != 0 && v > Value) return 0;
  SetValue(v);
  return 1;
}

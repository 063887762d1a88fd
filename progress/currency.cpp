#include "progress/currency.h"

#include "core/game.h"
#include "core/globals.h"

std::string GetCurrencyChar() {
  switch (Game ? Game->Region : 0) {
    case 0: return "$";
    case 1: return "\xE2\x82\xAC";
    case 2: return "\xC2\xA5";
    default: return "";
  }
}

int GetCurrencySymbol(int base) {
  const int region = Game ? Game->Region : 0;
  if (region < 0 || region > 2) return 0;
  return base + 10 + region;
}

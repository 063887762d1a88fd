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

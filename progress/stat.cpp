#include "progress/stat.h"

#include "core/game.h"
#include "core/globals.h"
#include "util/strings.h"

int TStat::Increase(int n) {
  Value += n;
  if (Game) Name = Game->ProfileName;
  return 0;
}

std::string TStat::FormatValue() const {
  if (DataType == 5) {
    const int region = Game ? Game->Region : 0;
    return ccRoundFloatToString(static_cast<float>(FloatValue), 2) + (region == 0 ? "yds" : "m");
  }
  return std::to_string(Value);
}

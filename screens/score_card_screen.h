#pragma once
// The scorecard (an overlay of the play screen): a stand-in that shows its name until the screen itself is built.

#include <array>
#include <string>

#include "screens/stand_in_screen.h"

class TScoreCardScreen : public TStandInScreen {
 public:
  TScoreCardScreen() : TStandInScreen("scorecard") {}
  int Active = 0;   // 1 while shown over the play screen
  int MidHole = 0;  // 1 when opened during a hole
  // Advance and left offset of each handwritten glyph frame (0..18).
  static constexpr std::array<int, 19> HandwritingCharWidths = {10, 6, 14, 8, 12, 9, 9, 8, 10, 10, 9, 12, 11, 14, 4, 9, 12, 14, 10};
  static constexpr std::array<int, 19> HandwritingOffsets = {6, 7, 2, 6, 4, 5, 6, 6, 5, 5, 5, 5, 5, 3, 8, 5, 5, 1, 6};
};

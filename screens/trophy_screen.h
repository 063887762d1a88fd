#pragma once
// The trophy room: a stand-in that shows its name until the screen itself is built.

#include <array>
#include <string>

#include "screens/stand_in_screen.h"

class TTrophyScreen : public TStandInScreen {
 public:
  TTrophyScreen() : TStandInScreen("trophy room") {}
  // Where each trophy (0..12) and its plaque are drawn.
  static constexpr std::array<int, 13> TrophyX = {314, 10, 168, 544, 688, 16, 166, 540, 688, 16, 166, 536, 684};
  static constexpr std::array<int, 13> TrophyY = {100, 68, 58, 62, 82, 234, 230, 228, 216, 394, 382, 400, 394};
  static constexpr std::array<int, 13> PlaqueX = {399, 64, 212, 586, 736, 64, 212, 586, 736, 64, 212, 586, 736};
  static constexpr std::array<int, 13> PlaqueY = {527, 195, 195, 195, 195, 361, 361, 361, 361, 527, 527, 527, 527};
};

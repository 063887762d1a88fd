#pragma once
// The golf shop: a stand-in that shows its name until the screen itself is built.

#include <array>
#include <string>

#include "screens/stand_in_screen.h"

class TShopScreen : public TStandInScreen {
 public:
  TShopScreen() : TStandInScreen("shop") {}
  // Price of each avatar item (0..11) in the game's cash.
  static constexpr std::array<int, 12> Prices = {5000, 20000, 20000, 30000, 30000, 35000, 35000, 40000, 30000, 30000, 25000, 15000};
  // Item names, filled when the shop loads.
  static inline std::array<std::string, 12> ItemNames{};
};

#pragma once
// The credits: a stand-in that shows its name until the screen itself is built.

#include "screens/stand_in_screen.h"

class TCreditsScreen : public TStandInScreen {
 public:
  TCreditsScreen() : TStandInScreen("credits") {}
};

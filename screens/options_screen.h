#pragma once
// The options: a stand-in that shows its name until the screen itself is built.

#include "screens/stand_in_screen.h"

class TOptionsScreen : public TStandInScreen {
 public:
  TOptionsScreen() : TStandInScreen("options") {}
};

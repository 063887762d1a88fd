#pragma once
// The course selector: a stand-in that shows its name until the screen itself is built.

#include "screens/stand_in_screen.h"

class TLevelSelectScreen : public TStandInScreen {
 public:
  TLevelSelectScreen() : TStandInScreen("course selector") {}
};

#pragma once
// The in-game menu (an overlay of the play screen): a stand-in that shows its name until the screen itself is built.

#include "screens/stand_in_screen.h"

class TGameMenu : public TStandInScreen {
 public:
  TGameMenu() : TStandInScreen("game menu") {}
};

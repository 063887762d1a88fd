#pragma once
// The in-game menu (an overlay of the play screen): a stand-in that shows its name until the screen itself is built.

#include "screens/stand_in_screen.h"

class TGameMenu : public TStandInScreen {
 public:
  TGameMenu() : TStandInScreen("game menu") {}
  int Active = 0;
  // Refuses (-1) while play animates; else marks the round in progress in the profile.
  int Show(int flag);
  int Logic() override { return 0; }
  int Draw() override { return 0; }
  int Load() override { return 0; }
  int Kill() override { return 0; }
};

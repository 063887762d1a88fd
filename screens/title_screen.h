#pragma once
// Title screen and main menu: a stand-in that shows its name until the screen itself is built.

#include <memory>

#include "screens/stand_in_screen.h"

class TPlayerManager;

class TTitleScreen : public TStandInScreen {
 public:
  TTitleScreen() : TStandInScreen("title") {}
  int DrawDisabled = 0;  // 1 while the avatar chooser runs over the title
  std::shared_ptr<TPlayerManager> PlayerManager;
  // The title's part of the second loading stage: with loading set, three loading-bar steps;
  // with loadMusic set, the title theme is loaded when the data holds it. Returns 0.
  int SpecialLoad(int loading, int loadMusic);
  // Esc on the title ends the program.
  int SetEscDestination() override;
};

#pragma once
// The intro: a stand-in that shows its name until the screen itself is built.

#include "screens/stand_in_screen.h"

class TIntroScreen : public TStandInScreen {
 public:
  TIntroScreen() : TStandInScreen("intro") {}
  // Shows the splash pictures the settings ask for.
  int Start() override;
  // Closes at once, as the illustrated intro does with "Intro" off: the second loading stage,
  // then the loading screen (Destination) without a fade.
  int Logic() override;
  int Close();
  int Closed = 0;
};

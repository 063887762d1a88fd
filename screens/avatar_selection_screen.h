#pragma once
// The avatar chooser: a stand-in that shows its name until the screen itself is built. Opened over
// the current screen, it takes the picture on show at once.

#include "screens/stand_in_screen.h"

class TAvatarSelectionScreen : public TStandInScreen {
 public:
  TAvatarSelectionScreen() : TStandInScreen("avatar selection") {}
  int Male = 1;  // the new player's choice: 1 gent, 0 lady
  int Head = 0;  // the chosen picture 0..4
  // Opens the chooser over the current screen. Returns 0.
  virtual int Show();
  // 1 once a picture is confirmed.
  int Logic() override;
  // Also lets the title screen (and its player manager) draw again.
  int Kill() override;
};

#pragma once
// The avatar chooser: a stand-in that shows its name until the screen itself is built.

#include "screens/stand_in_screen.h"

class TAvatarSelectionScreen : public TStandInScreen {
 public:
  TAvatarSelectionScreen() : TStandInScreen("avatar selection") {}
  int Male = 1;  // the new player's choice: 1 gent, 0 lady
  int Head = 0;  // the chosen picture 0..4
};

#pragma once
// The avatar chooser: a stand-in that shows its name until the screen itself is built.

#include "screens/stand_in_screen.h"

class TAvatarSelectionScreen : public TStandInScreen {
 public:
  TAvatarSelectionScreen() : TStandInScreen("avatar selection") {}
};

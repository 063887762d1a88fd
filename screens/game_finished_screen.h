#pragma once
// The ending after the last course: a stand-in that shows its name until the screen itself is built.

#include "screens/stand_in_screen.h"

class TGameFinishedScreen : public TStandInScreen {
 public:
  TGameFinishedScreen() : TStandInScreen("ending") {}
  // Back to the title over three standard fades.
  int SetEscDestination() override;
};

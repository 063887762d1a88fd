#pragma once
// The newspaper page before a course: a stand-in that shows its name until the screen itself is built.

#include "screens/stand_in_screen.h"

class TNewspaperScreen : public TStandInScreen {
 public:
  TNewspaperScreen() : TStandInScreen("newspaper") {}
};

#pragma once
// Career statistics: a stand-in that shows its name until the screen itself is built.

#include "screens/stand_in_screen.h"

class TCareerStatsScreen : public TStandInScreen {
 public:
  TCareerStatsScreen() : TStandInScreen("career stats") {}
};

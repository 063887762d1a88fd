#pragma once
// The wild shot screen: opened over the play screen when a wild shot card turns up.

#include "core/screen.h"

class TWildshotScreen : public TScreen {
 public:
  int Active = 0;         // 1 while it is open over the play screen
  int SpecialsLoaded = 0; // how many wild shots were prepared

  TWildshotScreen();
  // Prepares its animations and timers for a new wild shot.
  int LoadSpecial();
  // flag 1 opens it over the play screen, 0 closes it.
  int Show(int flag);
  int Logic() override;
  int Draw() override;
};

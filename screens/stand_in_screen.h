#pragma once
// What a screen of the game shows until it is built: its name on a dark page, a fade in, and Esc
// back to where it was opened from.

#include "core/screen.h"

class TStandInScreen : public TScreen {
 public:
  explicit TStandInScreen(const std::string& screenName);
  int Start() override;
  int Draw() override;
  // Esc leads to the screen's Destination (set by its opener), else the title screen.
  int SetEscDestination() override;
};

#pragma once
// What a screen of the game shows until it is built: its name on a dark page, a fade in, and Esc
// back to the title screen.

#include "core/screen.h"

class TStandInScreen : public TScreen {
 public:
  explicit TStandInScreen(const std::string& screenName);
  int Start() override;
  int Draw() override;
  // Esc leads back to the title screen.
  int SetEscDestination() override;
};

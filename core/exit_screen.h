#pragma once
// The empty screen whose arrival ends the program (one instance, Game->ExitScreen).

#include "core/screen.h"

class TExitScreen : public TScreen {
 public:
  TExitScreen() { name = "exit"; }
};

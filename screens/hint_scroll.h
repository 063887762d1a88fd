#pragma once
// The scrolling hints (an overlay of the play screen): a stand-in that shows its name until the screen itself is built.

#include <array>
#include <string>

#include "screens/stand_in_screen.h"

class THintScroll : public TStandInScreen {
 public:
  THintScroll() : TStandInScreen("hints") {}
  int Active = 0;  // 1 while open over the play screen
  // Reads Game->TextPath + "hints.txt"; a missing file is fatal. Returns 0.
  int LoadTextData();
  std::string HintText;
};

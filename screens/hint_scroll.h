#pragma once
// The scrolling hints (an overlay of the play screen): a stand-in that shows its name until the screen itself is built.

#include <array>
#include <memory>
#include <string>

#include "screens/stand_in_screen.h"

class THintScroll : public TStandInScreen {
 public:
  THintScroll() : TStandInScreen("hints") {}
  int Active = 0;  // 1 while open over the play screen
  // Reads Game->TextPath + "hints.txt"; a missing file is fatal. Returns 0.
  int LoadTextData();
  std::string HintText;
  int Number = 0;
  std::shared_ptr<class TPixieDust> PixieDust;
  int LoadSpecial(int n, int exitGame);
  int Show(int flag);
  // 1 on the tick the scroll has rolled up (a click closes it), else 0.
  int Logic() override;
  int Draw() override;
  int Kill() override;
};

#pragma once
// The scorecard (an overlay of the play screen): a stand-in that shows its name until the screen itself is built.

#include <array>
#include <string>

#include "screens/stand_in_screen.h"

class TScoreCardScreen : public TStandInScreen {
 public:
  TScoreCardScreen() : TStandInScreen("scorecard") {}
  int Active = 0;   // 1 while shown over the play screen
  int MidHole = 0;  // 1 when opened during a hole
  int Disabled = 0;
  int PostDialogAction = 0;  // the action held while a reward dialog is open
  int PurseWon = 0;
  // Builds the card for the current course and hole.
  int Load() override { return 0; }
  int ApplyStats() { return 0; }
  // Opens the card: 1 during a hole (Back only), 0 after a hole.
  int Show(int midHole);
  int Close();
  int Finalise(int keep);
  int PlayCloseSound() { return 0; }
  // The action chosen this tick (0 while open and undecided or closed).
  int Logic() override;
  int Draw() override;
  int Kill() override;
  // Advance and left offset of each handwritten glyph frame (0..18).
  static constexpr std::array<int, 19> HandwritingCharWidths = {10, 6, 14, 8, 12, 9, 9, 8, 10, 10, 9, 12, 11, 14, 4, 9, 12, 14, 10};
  static constexpr std::array<int, 19> HandwritingOffsets = {6, 7, 2, 6, 4, 5, 6, 6, 5, 5, 5, 5, 5, 3, 8, 5, 5, 1, 6};
};

#pragma once
// The named globals of player progress. Defined in progress/globals.cpp; all start empty. The
// player of the round is the play screen's GameScreen->Player (play/globals.h) and the saved game
// hangs from it; the best scores are content's BestScores (content/globals.h).

#include <functional>
#include <memory>
#include <string>

class TAvatar;
class TDialogOK;

// The avatar drawn by the current screen. Owner: the screen that shows it (the play screen at
// scale 0.5 by the score sign, the golf shop at 1.0); made when that screen loads, emptied by its
// Kill.
extern std::shared_ptr<TAvatar> Avatar;

// What a reward dialog shows: the arguments of CourseUnlockedDialog.
struct TRewardDialog {
  std::string Text, Header, Picture;
  int X = 0, Y = 0;
  std::string Picture2;
  int X2 = 0, Y2 = 0;
  std::string Frame;
  float Scale = 1.0f;  // the pictures' own scale
};
// Builds the reward dialogs of CourseUnlock and AwardTrophy. Owner: progress; holds
// CourseUnlockedDialog for the whole run unless a test installs its own builder and restores it.
extern std::function<std::shared_ptr<TDialogOK>(const TRewardDialog&)> RewardDialogBuilder;

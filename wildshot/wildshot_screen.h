#pragma once
// The wild shot screen: opened over the play screen when a wild shot card turns up.

#include <memory>
#include <string>
#include <vector>

#include "core/screen.h"

class TWildshotScreen : public TScreen {
 public:
  int Active = 0;         // 1 while it is open over the play screen
  int SpecialsLoaded = 0; // how many wild shots were prepared
  // The outcome read by the play screen when the dialog has rolled up.
  int Result = 0;
  int PenaltyType = 0;
  int ChosenStory = 0;
  int SpecialValue = 0;
  int SpecialValue2 = 0;
  int MinigameGood = 0;
  std::shared_ptr<class TPixieDust> PixieDust;

  // The lines of the wild shot story file, as read by LoadTextData.
  std::vector<std::string> StoryLines;

  TWildshotScreen();
  // Reads the story file Game->TextPath + "wildshots.txt"; fatal ("Error loading file ") when
  // it is missing.
  int LoadTextData();
  // Loads the pictures kept for the whole run. Returns 0.
  int PreCache();
  // Releases what PreCache loaded (at shutdown). Returns 0.
  static int KillPrecachedData();
  // Prepares its animations and timers for a new wild shot.
  int LoadSpecial();
  // flag 1 opens it over the play screen, 0 closes it.
  int Show(int flag);
  int Logic() override;
  int Draw() override;
  int Kill() override { Active = 0; return 0; }
};

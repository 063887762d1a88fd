#pragma once
// The title screen's question when play starts while a round is in progress: the course, hole and
// score of that round, with "continue_round" and "new_round". Manage reports the choice once (1
// continue, -1 new round); Escape closes it unanswered (0, and Active drops to 0).

#include <memory>
#include <string>

#include "ui/dialog_yes_no.h"

class TResumeGameDialog : public TDialogYesNo {
 public:
  int HoleData = 0;   // the hole shown
  int ScoreData = 0;  // the score against par shown

  // The sixth argument is not used: the two buttons are always made.
  static std::shared_ptr<TResumeGameDialog> Create(const std::string& text,
                                                   const std::shared_ptr<platform::Image>& background,
                                                   int w, int h, int x, int unused);
  int MenuCreate(int gap) override;
  int MenuPosition() override;
  int Manage() override;
  int Draw() override;
  // Keeps the dialog drawn without input and returns the result.
  int Close(int result) override;
  int ClickSound() override;
};

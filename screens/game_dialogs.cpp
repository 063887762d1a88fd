#include "screens/game_dialogs.h"

#include "ui/dialog_ok.h"

std::shared_ptr<TDialogOK> MakePopUpTipDialog(const std::string& text) {
  auto dialog = TDialogOK::Create(text, nullptr, 500, 200, 150);
  if (dialog) dialog->Start();
  return dialog;
}

#include "play/game_screen.h"
#include "play/globals.h"
#include "progress/player.h"

std::shared_ptr<TDialogOK> CourseUnlockedDialog(const std::string& text, const std::string&,
                                                const std::string&, int, int, const std::string&,
                                                int, int, const std::string&) {
  auto dialog = TDialogOK::Create(text, nullptr, 500, 200, 150);
  if (dialog) dialog->Start();
  return dialog;
}

int TopScoreDialog() {
  if (!GameScreen) return 0;
  GameScreen->TopScore = 0;
  GameScreen->Player->ScoreChange(500);
  GameScreen->UnlockedDialog = CourseUnlockedDialog("Top Score", "new_record", "", 0, 0, "", 0, 0, "");
  return 0;
}

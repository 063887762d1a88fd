#include "screens/game_dialogs.h"

#include "core/game.h"
#include "core/globals.h"
#include "gfx/image_bank.h"
#include "platform/files.h"
#include "ui/button.h"
#include "ui/dialog_ok.h"
#include "ui/menu.h"
#include "util/globals.h"

std::shared_ptr<TDialogOK> MakePopUpTipDialog(const std::string& text) {
  auto dialog = TDialogOK::Create(text, nullptr, 500, 200, 150);
  if (dialog) dialog->Start();
  return dialog;
}

int OKButtonCreate(const std::shared_ptr<TMenu>& menu) {
  if (!menu) return 0;
  auto button = menu->AddNew("OK", "OKMO", "OK", 0, 0, 1);
  button->OKButton = 1;
  button->x = static_cast<float>((ScreenWidth - button->w) / 2);
  button->y = static_cast<float>(ScreenHeight - button->h - 15);
  return 0;
}

std::shared_ptr<TDialogOK> CourseUnlockedDialog(const std::string& text, const std::string& header,
                                                const std::string& picture, int x, int y,
                                                const std::string& picture2, int x2, int y2,
                                                const std::string& frame) {
  (void)frame;
  auto dialog = TDialogOK::Create(text, nullptr, 500, 300, 150);
  if (!dialog) return dialog;
  if (Game && !header.empty() && platform::FileExists(Game->ImagePath + "dialogs/" + header + ".png"))
    dialog->HeaderLoad("dialogs/" + header, 0, 0);
  if (!picture.empty() && platform::FileExists(picture)) {
    dialog->Picture = TGameImage::Create(picture, 6, 0);
    dialog->PictureX = x;
    dialog->PictureY = y;
  }
  if (!picture2.empty() && platform::FileExists(picture2)) {
    dialog->Picture2 = TGameImage::Create(picture2, 6, 0);
    dialog->Picture2X = x2;
    dialog->Picture2Y = y2;
  }
  dialog->Start();
  return dialog;
}

#include "play/game_screen.h"
#include "play/globals.h"
#include "progress/player.h"

int TopScoreDialog() {
  if (!GameScreen) return 0;
  GameScreen->TopScore = 0;
  GameScreen->Player->ScoreChange(500);
  GameScreen->UnlockedDialog = CourseUnlockedDialog("Top Score", "new_record", "", 0, 0, "", 0, 0, "");
  return 0;
}

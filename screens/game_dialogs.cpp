#include "screens/game_dialogs.h"

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

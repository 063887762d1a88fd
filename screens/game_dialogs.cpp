#include "screens/game_dialogs.h"

#include "ui/dialog_ok.h"

std::shared_ptr<TDialogOK> MakePopUpTipDialog(const std::string& text) {
  auto dialog = TDialogOK::Create(text, nullptr, 500, 200, 150);
  if (dialog) dialog->Start();
  return dialog;
}

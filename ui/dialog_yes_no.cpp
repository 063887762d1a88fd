#include "ui/dialog_yes_no.h"

#include "ui/button.h"
#include "ui/label.h"
#include "ui/menu.h"
#include "util/input.h"

std::shared_ptr<TDialogYesNo> TDialogYesNo::Create(const std::string& caption,
                                                   const std::shared_ptr<platform::Image>& background,
                                                   int w, int h, int x, int makeMenu) {
  auto dialog = std::make_shared<TDialogYesNo>();
  dialog->Init(caption, background, w, h, x, 0);
  if (makeMenu != 0) dialog->MenuCreate(dialog->ButtonGap);
  return dialog;
}

int TDialogYesNo::MenuCreate(int buttonGap) {
  Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 10);
  Menu->SetShadow(1, 3.0f, 3.0f, 0.4f);
  Menu->AddPair("Yes", "No", buttonGap, "");
  if (auto yes = Menu->FindButton("Yes")) yes->OKButton = 1;
  return MenuPosition();
}

int TDialogYesNo::YesClick() { return Close(1); }

int TDialogYesNo::NoClick() { return Close(-1); }

int TDialogYesNo::ClickSound() {
  if (auto yes = Menu ? Menu->FindButton("Yes") : nullptr) yes->PlayClick();
  return 0;
}

int TDialogYesNo::CalcSize() {
  TDialog::CalcSize();
  if (!Background) {
    h = static_cast<int>(Caption->H + static_cast<float>(Gap + 2 * Border) +
                         static_cast<float>(Menu ? Menu->CalcHeight() : 0));
  }
  return 0;
}

int TDialogYesNo::MenuPosition() { return MenuPlaceAtBottom(); }

int TDialogYesNo::Manage() {
  if (TDialog::Manage() == 0) return 0;
  if (CloseResult != 0) return CloseResult;
  if (Transitioning != 0) return 0;
  if (!Menu) return 0;
  if (KeyHit(KEY_ESCAPE) != 0 || KeyHit('N') != 0) {
    if (auto no = Menu->FindButton("No")) no->SimulateClick();
    return NoClick();
  }
  if (KeyHit('Y') != 0) {
    if (auto yes = Menu->FindButton("Yes")) yes->SimulateClick();
    return YesClick();
  }
  if (Menu->Clicked("No") != 0) return NoClick();
  if (Menu->Clicked("Yes") != 0) return YesClick();
  return 0;
}

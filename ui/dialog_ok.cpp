#include "ui/dialog_ok.h"

#include "ui/button.h"
#include "ui/label.h"
#include "ui/menu.h"
#include "util/input.h"

std::shared_ptr<TDialogOK> TDialogOK::Create(const std::string& caption,
                                             const std::shared_ptr<platform::Image>& background,
                                             int w, int h, int x) {
  auto dialog = std::make_shared<TDialogOK>();
  dialog->Init(caption, background, w, h, x, 0);
  dialog->MenuCreate();
  return dialog;
}

int TDialogOK::MenuCreate() {
  Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 10);
  Menu->SetShadow(1, 3.0f, 3.0f, 0.4f);
  auto ok = Menu->AddQuick("OK", "");
  ok->OKButton = 1;
  return MenuPosition();
}

int TDialogOK::OKClick() { return Close(1); }

int TDialogOK::CalcSize() {
  TDialog::CalcSize();
  if (!Background) {
    h = static_cast<int>(Caption->H + static_cast<float>(Gap + 2 * Border) +
                         static_cast<float>(Menu ? Menu->CalcHeight() : 0));
  }
  return 0;
}

int TDialogOK::MenuPosition() { return MenuPlaceAtBottom(); }

int TDialogOK::Manage() {
  if (TDialog::Manage() == 0) return 0;
  if (CloseResult != 0) return CloseResult;
  if (Transitioning != 0) return 0;
  if (KeyHit(KEY_ESCAPE) != 0) {
    if (auto ok = Menu ? Menu->FindButton("OK") : nullptr) ok->SimulateClick();
    return OKClick();
  }
  if (Menu && Menu->Clicked("OK") != 0) return OKClick();
  return 0;
}

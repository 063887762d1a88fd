#pragma once
// A question dialog with the buttons "Yes" and "No". Manage returns 1 for Yes ("Yes", Enter, Space,
// Y) and -1 for No ("No", Escape, N) once closed, 0 before.

#include <memory>
#include <string>

#include "ui/dialog.h"

class TDialogYesNo : public TDialog {
 public:
  TDialogYesNo() = default;
  ~TDialogYesNo() override = default;

  int Gap = 50;
  int ButtonGap = 50;  // horizontal space between "Yes" and "No"

  // Init with y 0; with makeMenu set, MenuCreate(ButtonGap). Not started.
  static std::shared_ptr<TDialogYesNo> Create(const std::string& caption,
                                              const std::shared_ptr<platform::Image>& background,
                                              int w, int h, int x, int makeMenu);
  virtual int MenuCreate(int buttonGap);
  virtual int YesClick();
  virtual int NoClick();
  // Plays the "Yes" button's click sound: a hook for derived dialogs.
  virtual int ClickSound();

  int CalcSize() override;
  int MenuPosition() override;
  int Manage() override;
};

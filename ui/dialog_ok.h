#pragma once
// A message dialog with one "OK" button. Manage returns 1 once closed (OK clicked, Enter, Space or
// Escape), 0 before.

#include <memory>
#include <string>

#include "ui/dialog.h"

class TDialogOK : public TDialog {
 public:
  TDialogOK() = default;
  ~TDialogOK() override = default;

  int Gap = 50;  // vertical space between caption and buttons in the computed height

  // Init with y 0, then MenuCreate; not started.
  static std::shared_ptr<TDialogOK> Create(const std::string& caption,
                                           const std::shared_ptr<platform::Image>& background, int w,
                                           int h, int x);
  virtual int MenuCreate();
  virtual int OKClick();

  int CalcSize() override;
  int MenuPosition() override;
  int Manage() override;
};

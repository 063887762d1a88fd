#pragma once
// Builders of the game's standard dialogs.

#include <memory>
#include <string>

class TDialogOK;

// A pop-up tip dialog showing `text`.
std::shared_ptr<TDialogOK> MakePopUpTipDialog(const std::string& text);

#pragma once
// Builders of the game's standard dialogs.

#include <memory>
#include <string>

class TDialogOK;
class TMenu;

// A pop-up tip dialog showing `text`.
std::shared_ptr<TDialogOK> MakePopUpTipDialog(const std::string& text);

// Adds the "OK" button (pictures "OK" and "OKMO" of the menu folder) to `menu`, marked as the
// menu's OK button, centred across the screen with its bottom edge 15 pixels above the screen's.
int OKButtonCreate(const std::shared_ptr<TMenu>& menu);

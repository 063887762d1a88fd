#pragma once
// Builders of the game's standard dialogs.

#include <memory>
#include <string>

class TDialogOK;
class TMenu;

// A reward dialog (course unlocked, trophy, rank, item, best score): an OK dialog with the text,
// the header picture "dialogs/" + header, up to two pictures placed from the dialog's corner (an
// empty path: none) and the frame "dialogs/" + frame ("" for "dialog_rect"); started.
std::shared_ptr<TDialogOK> CourseUnlockedDialog(const std::string& text, const std::string& header,
                                                const std::string& picture, int x, int y,
                                                const std::string& picture2, int x2, int y2,
                                                const std::string& frame);

// A pop-up tip dialog showing `text`.
std::shared_ptr<TDialogOK> MakePopUpTipDialog(const std::string& text);

// The best-score dialog into the play screen's reward slot, with its prize.
int TopScoreDialog();

// Adds the "OK" button (pictures "OK" and "OKMO" of the menu folder) to `menu`, marked as the
// menu's OK button, centred across the screen with its bottom edge 15 pixels above the screen's.
int OKButtonCreate(const std::shared_ptr<TMenu>& menu);

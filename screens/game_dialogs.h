#pragma once
// Builders of the game's standard dialogs.

#include <memory>
#include <string>

class TDialogOK;

// A pop-up tip dialog showing `text`.
std::shared_ptr<TDialogOK> MakePopUpTipDialog(const std::string& text);

// A one-button reward dialog: the text, a header picture "dialogs/" + header, up to two pictures
// (an empty path is none) at their offsets, and the frame ("dialog_rect" when empty).
std::shared_ptr<TDialogOK> CourseUnlockedDialog(const std::string& text, const std::string& header,
                                                const std::string& picture, int px, int py,
                                                const std::string& picture2, int px2, int py2,
                                                const std::string& frame);
// The best-score dialog into the play screen's reward slot, with its prize.
int TopScoreDialog();

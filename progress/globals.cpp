#include "progress/globals.h"

#include "progress/avatar.h"
#include "screens/game_dialogs.h"
#include "ui/dialog_ok.h"

std::shared_ptr<TAvatar> Avatar;

std::function<std::shared_ptr<TDialogOK>(const TRewardDialog&)> RewardDialogBuilder =
    [](const TRewardDialog& d) {
      return CourseUnlockedDialog(d.Text, d.Header, d.Picture, d.X, d.Y, d.Picture2, d.X2, d.Y2,
                                  d.Frame);
    };

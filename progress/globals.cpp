#include "progress/globals.h"

#include "progress/avatar.h"
#include "progress/progress_events.h"
#include "ui/dialog_ok.h"

std::shared_ptr<TAvatar> Avatar;

std::function<std::shared_ptr<TDialogOK>(const TRewardDialog&)> RewardDialogBuilder =
    [](const TRewardDialog& d) { return ProgressEvents().RewardDialog(d); };

namespace {

constinit TProgressEvents* gProgressEvents = nullptr;

}  // namespace

TProgressEvents& ProgressEvents() {
  static TProgressEvents none;
  return gProgressEvents ? *gProgressEvents : none;
}

void SetProgressEvents(TProgressEvents* events) { gProgressEvents = events; }

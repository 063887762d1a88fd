#pragma once
// A screen side for the player records' tests: it answers the records' questions from fields a
// test sets (the player of the round, a restored hole, the clock's hold, the HUD's flag, the
// avatar choice, the trophies waiting for their dialogs) and writes down every report in order.
// The reward counts and the reward dialog are the base class's own. Install it with Install() in
// SetUp and take it out with Uninstall() in TearDown.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "progress/globals.h"
#include "progress/progress_events.h"

namespace quill_test {

class RecordingProgressEvents : public TProgressEvents {
 public:
  static constexpr int TROPHY_SLOTS = 13;

  // ---- Answers (set by the test) ----
  std::shared_ptr<TPlayer> player;
  int loadLevelFromProfile = 0;  // LoadLevelFromProfileDone clears it, as the play screen does
  bool clockHeld = false;
  bool hasHud = true;
  int flagLevel = 1;  // the HUD's flag
  bool avatarChosen = false;
  int avatarMale = 1;
  int avatarHead = 0;
  std::array<int, TROPHY_SLOTS> trophyDialogs{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};

  // ---- What the records reported, in order ----
  std::vector<std::string> reports;
  std::vector<TRewardDialog> rewardDialogs;

  void Install() { SetProgressEvents(this); }
  void Uninstall() { SetProgressEvents(nullptr); }

  int Count(const std::string& name) const {
    int n = 0;
    for (const auto& r : reports) n += r == name ? 1 : 0;
    return n;
  }

  // ---- Questions ----
  std::shared_ptr<TPlayer> Player() override { return player; }
  int LoadLevelFromProfile() override { return loadLevelFromProfile; }
  bool ClockHeld() override { return clockHeld; }
  int FlagLevel(int otherwise) override { return hasHud ? flagLevel : otherwise; }
  bool AvatarChoice(int& male, int& head) override {
    if (!avatarChosen) return false;
    male = avatarMale;
    head = avatarHead;
    return true;
  }
  int TrophyDialogTake(int slot) override {
    if (slot < 0 || slot >= TROPHY_SLOTS) return -1;
    const int id = trophyDialogs[static_cast<std::size_t>(slot)];
    trophyDialogs[static_cast<std::size_t>(slot)] = -1;
    return id;
  }

  // ---- Reports ----
  void PlayerStatsReset() override { reports.push_back("PlayerStatsReset"); }
  void HoleCashRaised() override { reports.push_back("HoleCashRaised"); }
  void TimeRanOut() override { reports.push_back("TimeRanOut"); }
  void LoadLevelFromProfileDone() override {
    reports.push_back("LoadLevelFromProfileDone");
    loadLevelFromProfile = 0;
  }
  void HoleScreenSave(TSaveData&) override { reports.push_back("HoleScreenSave"); }
  void HudRestore(const TSaveData&) override { reports.push_back("HudRestore"); }
  void ButtonsRestore(const TSaveData&) override { reports.push_back("ButtonsRestore"); }
  std::shared_ptr<TDialogOK> RewardDialog(const TRewardDialog& d) override {
    reports.push_back("RewardDialog");
    rewardDialogs.push_back(d);
    return nullptr;
  }
};

}  // namespace quill_test

#pragma once
// What the player's records ask of the screens above them, and tell them. The player, the saved
// game, the statistics and the unlock and prize rules keep the rules; the play screen holds the
// player of the round and the HUD, the screens hold the overlays, the avatar choice and the reward
// dialogs. The play screen installs its side (SetProgressEvents); the records call it at the
// moment a thing happens, so the screen's side follows in the same order and on the same tick.
//
// This base class is the records without a screen: no player, no HUD, no overlay open, no dialog
// made; every report does nothing.

#include <memory>

class TDialogOK;
class TPlayer;
class TSaveData;
struct TRewardDialog;

class TProgressEvents {
 public:
  TProgressEvents() = default;
  TProgressEvents(const TProgressEvents&) = delete;
  TProgressEvents& operator=(const TProgressEvents&) = delete;
  virtual ~TProgressEvents() = default;

  // ---- Questions ----
  // The player of the round.
  virtual std::shared_ptr<TPlayer> Player() { return nullptr; }
  // Whether the hole being started is restored from the saved game.
  virtual int LoadLevelFromProfile() { return 0; }
  // Whether an overlay, the closing animation or the 5x celebration holds the hole's clock.
  virtual bool ClockHeld() { return false; }
  // The hole shown on the HUD's flag, `otherwise` without a HUD.
  virtual int FlagLevel(int otherwise) { return otherwise; }
  // The avatar chosen on the avatar selection screen; false when there is none.
  virtual bool AvatarChoice(int& /*male*/, int& /*head*/) { return false; }
  // The reward counts of the unlock rules and the dialog they put up (the base keeps its own).
  virtual int& RankUnlocked() { return rankUnlocked_; }
  virtual int& ItemUnlocked() { return itemUnlocked_; }
  virtual std::shared_ptr<TDialogOK>& UnlockedDialog() { return unlockedDialog_; }
  // Takes the trophy waiting in a dialog slot (the slot is emptied): its id, or -1 for none.
  virtual int TrophyDialogTake(int /*slot*/) { return -1; }

  // ---- Reports ----
  // A new player's statistics were reset: the screen's one-off pop-ups show again.
  virtual void PlayerStatsReset() {}
  // The hole's cash went up.
  virtual void HoleCashRaised() {}
  // The hole's time ran out.
  virtual void TimeRanOut() {}
  // A restored hole was applied.
  virtual void LoadLevelFromProfileDone() {}
  // The screen state of the hole (the HUD's run and cash sign, the End Hole and End Drive
  // buttons) into the saved game, and back.
  virtual void HoleScreenSave(TSaveData&) {}
  virtual void HudRestore(const TSaveData&) {}
  virtual void ButtonsRestore(const TSaveData&) {}
  // The dialog of a reward (a course unlocked, a trophy won).
  virtual std::shared_ptr<TDialogOK> RewardDialog(const TRewardDialog&) { return nullptr; }

 private:
  int rankUnlocked_ = 0;
  int itemUnlocked_ = 0;
  std::shared_ptr<TDialogOK> unlockedDialog_;
};

// The installed screen side, or the base class (no screen) when none is installed.
TProgressEvents& ProgressEvents();
// Installs the screen side (nullptr: none). The caller keeps it alive while installed.
void SetProgressEvents(TProgressEvents* events);

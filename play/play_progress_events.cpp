#include "play/play_field_events.h"

#include <algorithm>

#include "core/globals.h"
#include "gfx/globals.h"
#include "gfx/particle_list.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "play/hud.h"
#include "play/play_effects.h"
#include "progress/globals.h"
#include "progress/progress_events.h"
#include "progress/save_data.h"
#include "screens/avatar_selection_screen.h"
#include "screens/game_dialogs.h"
#include "screens/globals.h"
#include "screens/hint_scroll.h"
#include "screens/score_card_screen.h"
#include "ui/button.h"
#include "ui/dialog_ok.h"
#include "ui/menu.h"
#include "util/animation.h"
#include "wildshot/globals.h"
#include "wildshot/wildshot_screen.h"

namespace {

std::shared_ptr<TButton> PlayButton(const std::string& name) {
  if (!GameScreen || !GameScreen->Menu) return nullptr;
  return GameScreen->Menu->FindButton(name);
}

class TPlayProgressEvents final : public TProgressEvents {
 public:
  std::shared_ptr<TPlayer> Player() override { return GameScreen ? GameScreen->Player : nullptr; }
  int LoadLevelFromProfile() override { return TGameScreen::LoadLevelFromProfile; }
  bool ClockHeld() override {
    if (GameScreen && GameScreen->OutroAnim && GameScreen->OutroAnim->Active) return true;
    if (WildShotScreen && WildShotScreen->Active) return true;
    if (ScoreCardScreen && ScoreCardScreen->Active) return true;
    if (HintScroll && HintScroll->Active) return true;
    if (HUD && HUD->FiveXAnimCounter != 0) return true;
    return false;
  }
  int FlagLevel(int otherwise) override { return HUD ? HUD->FlagLevel : otherwise; }
  bool AvatarChoice(int& male, int& head) override {
    if (!AvatarSelectionScreen) return false;
    male = AvatarSelectionScreen->Male;
    head = AvatarSelectionScreen->Head;
    return true;
  }
  int& RankUnlocked() override {
    return GameScreen ? GameScreen->RankUnlocked : TProgressEvents::RankUnlocked();
  }
  int& ItemUnlocked() override {
    return GameScreen ? GameScreen->ItemUnlocked : TProgressEvents::ItemUnlocked();
  }
  std::shared_ptr<TDialogOK>& UnlockedDialog() override {
    return GameScreen ? GameScreen->UnlockedDialog : TProgressEvents::UnlockedDialog();
  }
  int TrophyDialogTake(int slot) override {
    if (!GameScreen || slot < 0 || slot >= static_cast<int>(GameScreen->TrophyDialogs.size()))
      return -1;
    const int id = GameScreen->TrophyDialogs[static_cast<std::size_t>(slot)];
    GameScreen->TrophyDialogs[static_cast<std::size_t>(slot)] = -1;
    return id;
  }

  void PlayerStatsReset() override {
    if (!GameScreen) return;
    GameScreen->PopUpsReset();
    GameScreen->LastWildshotCard = -1;
  }
  void HoleCashRaised() override {
    if (HUD) HUD->HoleCashBounce();
  }
  void TimeRanOut() override {
    if (!(ScoreParticles && GameScreen && GameScreen->TimeUpParticle)) return;
    auto p =
        ScoreParticles->AddNew(ScreenWidth / 2, ScreenHeight / 2 - 135, GameScreen->TimeUpParticle,
                               0, -0.1f, 0, 0, 0, 0, 1, 1, 0, 0, 0);
    FadeCurrentTextParticle();
    FadeFloatingText(p);
  }
  void LoadLevelFromProfileDone() override { TGameScreen::LoadLevelFromProfile = 0; }
  void HoleScreenSave(TSaveData& s) override {
    if (HUD) {
      s.HoleCashActive = HUD->HoleCashActive;
      s.LongDrive = HUD->LongDrive;
      s.DriveEnded = HUD->DriveEnded;
      s.GenuineDrive = HUD->GenuineDrive;
      s.LastDriveLength = HUD->LastDriveLength;
      s.DriveLength = HUD->DriveLength;
      s.Multiplier = HUD->Multiplier;
      s.MultiplierGhost = HUD->MultiplierGhost;
      s.LastMultiplier = HUD->LastMultiplier;
      s.LastMultiplierGhost = HUD->LastMultiplierGhost;
      s.FiveXReached = HUD->FiveXReached;
      s.FiveXBonus = HUD->FiveXBonus;
    }
    if (auto b = PlayButton("end_hole")) s.EndHoleDisabled = b->Disabled;
    if (auto b = PlayButton("enddrive")) s.EndDriveActive = b->Active;
  }
  void HudRestore(const TSaveData& s) override {
    if (!HUD) return;
    HUD->HoleCashActive = s.HoleCashActive;
    if (s.HoleCashActive != 0) HUD->HoleCashSignY = -20.0f;
    HUD->LongDrive = s.LongDrive;
    HUD->DriveEnded = s.DriveEnded;
    HUD->GenuineDrive = s.GenuineDrive;
    HUD->LastDriveLength = s.LastDriveLength;
    HUD->DriveLength = s.DriveLength;
    HUD->Multiplier = s.Multiplier;
    HUD->MultiplierGhost = s.MultiplierGhost;
    HUD->LastMultiplier = s.LastMultiplier;
    HUD->LastMultiplierGhost = s.LastMultiplierGhost;
    HUD->FiveXReached = s.FiveXReached;
    HUD->FiveXBonus = s.FiveXBonus;
  }
  void ButtonsRestore(const TSaveData& s) override {
    if (auto b = PlayButton("end_hole")) b->Disabled = s.EndHoleDisabled;
    if (s.EndDriveActive != 0) {
      if (GameScreen) GameScreen->EndDriveButtonShow();
    } else if (auto b = PlayButton("enddrive")) {
      b->Active = 0;
      b->Disabled = 1;
    }
  }
  std::shared_ptr<TDialogOK> RewardDialog(const TRewardDialog& d) override {
    return CourseUnlockedDialog(d.Text, d.Header, d.Picture, d.X, d.Y, d.Picture2, d.X2, d.Y2,
                                d.Frame, d.Scale);
  }
};

}  // namespace

TProgressEvents& PlayProgressEvents() {
  static TPlayProgressEvents events;
  return events;
}

#include "play/play_field_events.h"

#include <algorithm>
#include <cmath>

#include "cards/card.h"
#include "content/course.h"
#include "core/fixed_rate_logic.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/game_text.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/particle.h"
#include "gfx/particle_list.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "play/hud.h"
#include "play/play_effects.h"
#include "progress/career_stats.h"
#include "progress/player.h"
#include "progress/progress_rules.h"
#include "progress/save_data.h"
#include "progress/stat.h"
#include "screens/game_dialogs.h"
#include "ui/button.h"
#include "ui/dialog_ok.h"
#include "ui/menu.h"
#include "util/animation.h"
#include "util/strings.h"
#include "wildshot/globals.h"
#include "wildshot/wildshot_screen.h"

namespace {

class TPlayFieldEvents final : public TFieldEvents {
 public:
  bool HasPlayer() override { return CurrentPlayer() != nullptr; }
  int PlayerLevel() override {
    auto p = CurrentPlayer();
    return p ? p->Level : 1;
  }
  bool HoleTimed() override {
    auto p = CurrentPlayer();
    return p && p->TimeLimit > 0;
  }
  bool TimeIsUp() override {
    auto p = CurrentPlayer();
    return p && p->TimeUp != 0;
  }
  bool IronInBag(int k) override {
    auto p = CurrentPlayer();
    return p && p->Irons[static_cast<std::size_t>(k)] != 0;
  }
  std::string CourseName() override {
    auto p = CurrentPlayer();
    return p ? p->SaveData->CourseName : std::string();
  }
  std::shared_ptr<TCourse> CourseFind(const std::string& name) override {
    return ::CourseFind(name);
  }
  int LoadLevelFromProfile() override { return TGameScreen::LoadLevelFromProfile; }
  bool HasHud() override { return HUD != nullptr; }
  int DriveLength() override { return HUD ? HUD->DriveLength : 0; }
  int IronsMouseOver() override { return HUD ? HUD->IronsMO : 0; }
  void SetIronsMouseOver(int k) override {
    if (HUD) HUD->IronsMO = k;
  }
  void IronsCollide() override {
    if (HUD) HUD->IronsCollide();
  }
  int IronsTop() override {
    if (!HUD) return TFieldEvents::IronsTop();
    return *std::min_element(HUD->Irons_Y.begin(), HUD->Irons_Y.end());
  }
  float* IronScale(int index) override {
    if (!HUD || index < 0 || index >= static_cast<int>(HUD->IronsScale.size())) return nullptr;
    return &HUD->IronsScale[static_cast<std::size_t>(index)];
  }
  int IronBagX() override { return HUD ? HUD->GetIronX() : 0; }
  int IronBagY() override { return HUD ? HUD->GetIronY() : 0; }
  bool TokenTargetsFind(TokenTargets& t) override {
    if (!HUD) return false;
    t.holeCashX = HUD->HOLECASHX;
    t.holeCashY = HUD->HOLECASHY;
    const float half = HUD->StopWatch ? HUD->StopWatch->w / 2.0f : 0.0f;
    t.stopWatchX = static_cast<int>(HUD->STOPWATCHX + half + 1.0f);
    t.stopWatchY = HUD->STOPWATCHY + 75;
    return true;
  }
  bool StockPenaltyRunning() override { return GameScreen && GameScreen->StockPenaltyCounter > 0; }
  bool WildshotAnimRunning() override { return GameScreen && GameScreen->WildshotAnimCounter > 0; }
  int WildshotAnimTypeRunning() override {
    return (GameScreen && GameScreen->WildshotAnimCounter > 0) ? GameScreen->WildshotAnimType : 0;
  }
  bool OutroRunning() override {
    return GameScreen && GameScreen->OutroAnim && GameScreen->OutroAnim->Active;
  }
  int CardToIronAnims() override { return GameScreen ? GameScreen->CardToIronAnim : 0; }
  bool ButtonActive(const std::string& name) override {
    if (!GameScreen || !GameScreen->Menu) return false;
    auto b = GameScreen->Menu->FindButton(name);
    return b && b->Active != 0;
  }
  std::shared_ptr<TGameImage> SignImage(Sign which) override {
    if (!GameScreen) return nullptr;
    switch (which) {
      case Sign::WedgeFound:
        return GameScreen->WedgeFoundParticle;
      case Sign::IronFound:
        return GameScreen->IronFoundParticle;
      case Sign::Invalid:
        return GameScreen->InvalidParticle;
      case Sign::Cleared:
        return GameScreen->ClearedParticle;
    }
    return nullptr;
  }
  int MissedCardTipsShown() override { return GameScreen ? GameScreen->MissedCardPopUps : 0; }
  int MulliganManage() override { return GameScreen ? GameScreen->MulliganManage() : 0; }

  void HoleCashChange(int n) override {
    if (auto p = CurrentPlayer()) p->LevelScoreChange(n);
  }
  void ScoreChange(int n) override {
    if (auto p = CurrentPlayer()) p->ScoreChange(n);
  }
  void CardPlayedStat() override {
    auto p = CurrentPlayer();
    if (p && p->SaveData && p->SaveData->CareerStats)
      p->SaveData->CareerStats->TotalCardsPlayed->Increase(1);
  }
  void IronTakenFromBag(int k) override {
    if (auto p = CurrentPlayer()) p->Irons[static_cast<std::size_t>(k)] = 0;
  }
  void IronPlayedStat() override {
    auto p = CurrentPlayer();
    if (p && p->SaveData) {
      p->SaveData->CareerStats->IronsPlayed->Increase(1);
      p->SaveData->CourseIronsUsed += 1;
    }
  }
  void Cheer() override { PlayCheer(1, 3); }
  void PlayerActed() override {
    if (GameScreen) GameScreen->IdleCounter = 0;
  }
  void Speech(const std::string& key, const std::string& file) override {
    if (!GameScreen) return;
    GameScreen->SpeechLoad(key, file);
    GameScreen->SpeechPlay("");
  }
  void FieldSettled() override {
    if (GameScreen) GameScreen->LevelEndTest();
  }
  void EndDriveEnable(int on) override {
    if (GameScreen) GameScreen->EndDriveEnable(on);
  }
  void EndHoleEnable(int on) override {
    if (GameScreen) GameScreen->EndHoleEnable(on);
  }
  void MulliganDisable(int off) override {
    if (GameScreen) GameScreen->MulliganDisable(off);
  }
  void EndDriveButtonShow() override {
    if (GameScreen) GameScreen->EndDriveButtonShow();
  }
  int DriveLengthChange(int n) override { return HUD ? HUD->DriveLengthChange(n) : 0; }
  void DriveRestarted() override {
    if (!HUD) return;
    HUD->DriveLengthReset();
    HUD->DriveEnded = 0;
  }
  void DriveContinues() override {
    if (HUD) HUD->DriveEnded = 0;
  }
  void IronPlayed(int k) override { ::IronPlayed(k, 0); }
  void SignShown(const std::shared_ptr<TParticle>& sign) override {
    FadeCurrentTextParticle();
    if (sign) FadeFloatingText(sign);
  }
  void WedgeFound(const std::shared_ptr<TCard>& card) override { WedgeParticleMake(card); }
  void WaterCleared(int replace) override { WaterHazardParticle(replace); }
  void WildshotAppears() override {
    if (WildShotScreen) {
      WildShotScreen->LoadSpecial();
      WildShotScreen->Show(1);
    }
  }
  void MissedCardTipShow() override {
    if (!GameScreen) return;
    GameScreen->MissedCardPopUps += 1;
    GameScreen->TipsKeep();
    if (GameScreen->Menu) {
      if (auto b = GameScreen->Menu->FindButton("enddrive")) b->ClearClick();
    }
    const std::string text = GameText ? GameText->FindString("Tip - Missed A Card") : std::string();
    GameScreen->PopUpTipDialog =
        GameScreen->PopUpTipBuilder ? GameScreen->PopUpTipBuilder(text) : MakePopUpTipDialog(text);
    GameScreen->PopUpTipType = 1;
  }
  bool CardTipClose() override {
    if (!(GameScreen && GameScreen->PopUpTipType == 1)) return false;
    GameScreen->PopUpTipType = 0;
    return true;
  }
  void StockTopChanged() override {
    if (GameScreen) GameScreen->ToolTipCardAssign();
  }
  void IronFlightStarted() override {
    if (!GameScreen) return;
    GameScreen->EndHoleEnable(0);
    GameScreen->CardToIronAnim += 1;
  }
  void IronReachedBag(const std::shared_ptr<TCard>& card) override { CardToIronMorphStart(card); }
  void CardLanded(int cardsLeft) override {
    if (GameScreen && cardsLeft >= 1 && cardsLeft <= 4 && GameScreen->NearPerfectPlayed == 0) {
      GameScreen->SpeechLoad("near perfect",
                             "misc/nearperfect" + std::to_string(EffectsRandom.Rand(1, 3)));
      GameScreen->SpeechPlay("");
      if (GameScreen->AnnouncerSound) GameScreen->NearPerfectPlayed = 1;
    }
  }
  void FlightsLanded(int blocked) override {
    if (!GameScreen) return;
    if (!blocked) GameScreen->LevelEndTest();
    GameScreen->EndDriveEnable(1);
    GameScreen->EndHoleEnable(1);
  }
  void TokensText(const std::shared_ptr<TCard>& card, int cash, int middle) override {
    TokensTextMake(card, cash, middle);
  }
  void TokenSparkles(float x, float y) override { TokenParticlesMake(x, y, 25, 0); }
  void HoleCashWobble(int ticks) override {
    if (!HUD) return;
    HUD->HoleCashWobbleLength = ticks;
    HUD->HoleCashWobble = static_cast<float>(HUD->HoleCashWobbleLength);
  }
  void StopWatchHit() override {
    auto player = CurrentPlayer();
    if (!player || player->TimeUp != 0) return;
    player->TimeTaken -= Game ? Game->CalcAnimLength(3000) : 3000 / 5.0f;
    const double msPerTick = (Game && Game->FixedRateLogic) ? Game->FixedRateLogic->MS : 5.0;
    const double left =
        std::ceil((player->TimeLimit - player->TimeTaken * msPerTick) / 1000.0) * 1000.0;
    int minutes = 0, seconds = 0;
    ccMillisecsToMinutes(static_cast<float>(left), minutes, seconds);
    player->LastTimeTaken = seconds;
    if (HUD) HUD->StopWatchGlowEffect();
  }
  void PixieDustBurst(int x, int y, int w, int h,
                      const std::shared_ptr<TParticleList>& list) override {
    DialogPixieDust(x, y, w, h, list);
  }
};

}  // namespace

TFieldEvents& PlayFieldEvents() {
  static TPlayFieldEvents events;
  return events;
}

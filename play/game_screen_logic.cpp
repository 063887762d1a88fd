// One logic tick of the play screen: the overlays and their results, the reward queue, the five
// buttons, the idle remark and the hole's managers; and the two questions the application asks
// when the window is closed during play.

#include <string>

#include "cards/card_list.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "cards/play_list.h"
#include "cards/token_generator_list.h"
#include "core/game.h"
#include "core/globals.h"
#include "core/upper_layer.h"
#include "gfx/game_text.h"
#include "gfx/globals.h"
#include "gfx/particle_generator.h"
#include "gfx/particle_list.h"
#include "gfx/shadow.h"
#include "gfx/sound_bank.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "play/hud.h"
#include "platform/random.h"
#include "progress/avatar.h"
#include "progress/currency.h"
#include "progress/player.h"
#include "progress/progress_rules.h"
#include "progress/save_data.h"
#include "screens/game_dialogs.h"
#include "screens/game_menu.h"
#include "screens/globals.h"
#include "screens/hint_scroll.h"
#include "screens/options_screen.h"
#include "screens/score_card_screen.h"
#include "ui/button.h"
#include "ui/dialog_ok.h"
#include "ui/menu.h"
#include "ui/profile.h"
#include "util/animation.h"
#include "wildshot/globals.h"
#include "wildshot/wildshot_screen.h"

namespace {

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

std::string Text(const std::string& key) { return GameText ? GameText->FindString(key) : key; }


}  // namespace

int TGameScreen::PopUpsReset() {
  MissedCardPopUps = 0;
  IronPopUps = 0;
  LongDrivePopUps = 0;
  return 0;
}

int TGameScreen::OpenNextReward() {
  auto& save = *Player->SaveData;
  if (RankUnlocked) {
    RankUnlocked = 0;
    std::string text = Text("Unlocked Rank Message");
    text = ReplaceAll(text, "NN", Text("Rank" + std::to_string(save.Rank)));
    text = ReplaceAll(text, "XX", GetCurrencyChar() + std::string("500"));
    UnlockedDialog = CourseUnlockedDialog(text, "rank_unlocked",
                                          Game->ImagePath + "dialogs/plaque.png", 28, 224, "", 0,
                                          0, "");
    if (UnlockedDialog) {
      UnlockedDialog->ActivateSound = sounds ? sounds->Find("dialog_new_rank") : nullptr;
      UnlockedDialog->PictureShadow = TShadow::Create(4, 4, 0.5f);
    }
    return 1;
  }
  if (ItemUnlocked) {
    ItemUnlocked = 0;
    // The position comes from the save: outside the unlock order there is no item to show.
    const int at = save.AvatarItemUnlocked;
    if (at < 0 || at >= TAvatar::ITEM_COUNT) return OpenNextReward();
    const int item = TAvatar::ItemUnlockOrder[static_cast<std::size_t>(at)];
    const std::string key = std::string(save.Male ? "MaleItem" : "FemaleItem") + std::to_string(item);
    const std::string text = ReplaceAll(Text("Unlocked Item Message"), "NN", Text(key));
    UnlockedDialog = CourseUnlockedDialog(text, "item_unlocked", Game->ImagePath + "Shop/star.png",
                                          48, 224, Game->ImagePath + "Shop/" + key + ".png", 43,
                                          224, "");
    if (UnlockedDialog)
      UnlockedDialog->ActivateSound = sounds ? sounds->Find("dialog_unlock_item") : nullptr;
    return 1;
  }
  if (TopScore) {
    TopScoreDialog();
    return 1;
  }
  for (int i = 0; i < TROPHY_COUNT; ++i) {
    if (TrophyDialogs[static_cast<std::size_t>(i)] >= 0) {
      AwardTrophy(i);
      return 1;
    }
  }
  return 0;
}

int TGameScreen::Logic() {
  const bool scoreCard = ScoreCardScreen && ScoreCardScreen->Active;
  if (!ProcessLogic) {
    if (scoreCard) ScoreCardScreen->Logic();
    return 0;
  }

  // Ambient sounds: a check every 1200 ms, a 10 % chance on a free channel.
  SoundCounter += Delta;
  if (SoundCounterMax > 0 && SoundCounter >= SoundCounterMax) {
    SoundCounter -= SoundCounterMax;
    const bool busy = ChannelAmbient && ChannelAmbient->Playing();
    if (!busy && EffectsRandom.Rand(1, 100) <= 10 && AmbientSoundTotal > 0) {
      const int i = EffectsRandom.Rand(0, AmbientSoundTotal - 1);
      if (auto& sound = AmbientSound[static_cast<std::size_t>(i)]) {
        sound->volume = 1.0f;  // the louder setting of the original mix, held at full volume
        sound->PlayInChannel(ChannelAmbient, 0.0f);
      }
    }
  }

  const bool wildShot = WildShotScreen && WildShotScreen->Active;
  if (!wildShot && !(ScoreCardScreen && ScoreCardScreen->Active) && !UnlockedDialog &&
      !PopUpTipDialog) {
    if (GameMenu) GameMenu->Logic();
    if (auto b = MenuButton("scorecard")) b->ManageScaleOnMO();
  }

  if (!(GameMenu && GameMenu->Active)) {
    if (HintScroll && HintScroll->Logic() == 1 && IntroAnim && IntroAnim->Active) PlayStartSound();

    if (WildShotScreen && WildShotScreen->Logic() == 1) {
      if (WildShotScreen->Result == WILDSHOT_RESULT_OK) {
        WildshotProcessStory();
      } else if (WildShotScreen->Result == WILDSHOT_RESULT_DROPPED) {
        if (WildShotScreen->PenaltyType == 1)
          DropStockCards(2);
        else
          WildshotTokenPenalty(-200);
      }
    }

    if (UnlockedDialog) {
      if (UnlockedDialog->Manage() != 0) {
        UnlockedDialog->Kill();
        UnlockedDialog.reset();
        if (Menu) Menu->ManageNoSound();
        if (!OpenNextReward() && ScoreCardScreen && ScoreCardScreen->Active) {
          const int held = ScoreCardScreen->PostDialogAction;
          if (held == SCORECARD_SAVE_AND_EXIT || held == SCORECARD_COURSE_DONE)
            ScoreCardScreen->Finalise(1);
          else if (held == SCORECARD_NEXT_HOLE)
            ScoreCardScreen->Close();
          ScoreCardProcessResult(held);
        }
      }
      if (ScoreCardScreen && ScoreCardScreen->Active && ScoreCardScreen->Menu)
        ScoreCardScreen->Menu->ManageFixedGlowOnly();
    } else if (ScoreCardScreen) {
      ScoreCardProcessResult(ScoreCardScreen->Logic());
    }

    if (PopUpTipDialog && PopUpTipDialog->Manage() != 0) {
      PopUpTipDialog->Kill();
      PopUpTipDialog.reset();
      if (Menu) Menu->ManageNoSound();
      if (PopUpTipType == 1 && CardList) CardList->GlowValidCardsDo(1);
    }
  }

  const bool anyOverlay = (GameMenu && GameMenu->Active) || (HintScroll && HintScroll->Active) ||
                          (ScoreCardScreen && ScoreCardScreen->Active) || UnlockedDialog ||
                          PopUpTipDialog;
  if (!anyOverlay && GameGrid) {
    if (IntroAnim && !IntroAnim->Active) {
      const bool wildOpen = WildShotScreen && WildShotScreen->Active;
      if (!wildOpen && !GameGrid->MegaBlock) {
        if (Menu) Menu->Manage();
        auto clicked = [this](const char* buttonName) {
          auto b = MenuButton(buttonName);
          return b && b->Clicked;
        };
        if (clicked("Menu")) {
          if (GameMenu) GameMenu->Show(1);
          return 0;
        }
        if (!LevelEndClicked && clicked("end_hole")) {
          auto b = MenuButton("end_hole");
          b->Active = 0;
          b->AlwaysDraw = 1;
          LevelEnd();
          return 0;
        }
        if (clicked("enddrive")) {
          IdleCounter = 0;
          EndDriveClicked();
          return 0;
        }
        if (clicked("scorecard")) {
          auto b = MenuButton("scorecard");
          b->Active = 0;
          b->AlwaysDraw = 1;
          Player->SaveData->MidCourse = 1;
          Player->SaveData->MidHole = 1;
          if (Game->CurrentProfile) Player->ProfileUpdate(*Game->CurrentProfile);
          if (ScoreCardScreen) {
            ScoreCardScreen->Load();
            ScoreCardScreen->ApplyStats();
            ScoreCardScreen->Show(1);
          }
          return 0;
        }
        if (clicked("mulligan")) {
          MulliganStart();
          IdleCounter = 0;
        }
        if (!IdlePlayed && GameGrid && GameGrid->CardsLeft > 5) {
          IdleCounter += Delta;
          if (IdleCounter >= Game->CalcAnimLength(7500)) {
            IdleCounter = 0;
            SpeechLoad("idle", "idle/idle" + std::to_string(EffectsRandom.Rand(1, 29)));
            SpeechPlay("");
            if (AnnouncerSound) IdlePlayed = 1;
          }
        }
      }
      ManageAll();
    }
    IntroCheck();
    if (OutroAnim && OutroAnim->Manage() == 1) LevelNext();
  }

  if (DialogParticles) DialogParticles->Move();
  return 1;
}

int TGameScreen::ManageAll() {
  if (Player) Player->Manage();
  if (HUD) HUD->Manage();
  PerfectAnimManage();
  if (GameGrid && !(WildShotScreen && WildShotScreen->Active)) GameGrid->Manage();
  ToolTipCardManage();
  AmbientAnimsManage();
  if (AmbientParticles) AmbientParticles->Manage();
  for (const auto& layer : {BackgroundParticles, ::Particles, Particles2})
    if (layer) layer->Move();
  if (AnimatedParticles) AnimatedParticles->Manage();
  for (const auto& layer : {ScoreParticles, IronParticles})
    if (layer) layer->Move();
  if (TokenGeneratorList) TokenGeneratorList->Manage();
  if (ParticleGeneratorList) ParticleGeneratorList->Manage();
  StockPenaltyManage();
  WildshotAnimManage();
  return 0;
}

int TGameScreen::TestForAnims() {
  auto screen = GameScreen;
  if (!Game || !screen || Game->CurrentTScreen != screen ||
      (ScoreCardScreen && ScoreCardScreen->Active)) {
    if (Game && OptionsScreen && Game->CurrentTScreen == OptionsScreen &&
        OptionsScreen->Destination == screen && Game->CurrentProfile)
      Game->CurrentProfile->Save();
    return -1;
  }
  // Without a play field nothing is being played.
  if (!GameGrid) return -1;
  const bool busy =
      GameGrid->CardAnimCounter > 0 || (PlayList && PlayList->Count() > 0) || GameGrid->MegaBlock ||
      GameGrid->BlockInput || screen->WildshotAnimCounter > 0 || screen->StockPenaltyCounter > 0 ||
      screen->MulliganAnimCounter > 0 || screen->PerfectCounter > 0 ||
      (TokenGeneratorList &&
       (TokenGeneratorList->Count() > 0 || TokenGeneratorList->BonusTokens != 0)) ||
      (CardList && CardList->Animating() == 1) || (WildShotScreen && WildShotScreen->Active);
  return busy ? 1 : 0;
}

void TGameScreen::SaveRoundBeforeFatalError() {
  // Only a round on the play screen holds what the player's file does not have yet.
  if (!Game || !GameScreen || Game->CurrentTScreen != GameScreen || !Game->CurrentProfile) return;
  // Play on its way (a card in flight) cannot be recorded as it stands: the file keeps the round as
  // it was last saved, as after a quit that waited too long.
  if (TerminatedUserFunction() != 0) return;
  if (Game->Upper)
    Game->Upper->SaveProfile(*Game->CurrentProfile);
  else
    Game->CurrentProfile->Save();
}

bool TGameScreen::WaitsForThePlayer() const {
  return (WildShotScreen && WildShotScreen->Active) || WildshotAnimType == WILDSHOT_ANIM_PICK ||
         (HintScroll && HintScroll->Active);
}

int TGameScreen::TerminatedUserFunction() {
  // A hole that has ended is recorded whole, winnings paid, before anything is saved; the file
  // then resumes the round at the next hole.
  if (ScoreCardScreen && ScoreCardScreen->PayWinningsDue() != 0) return 0;
  const int r = TestForAnims();
  if (r == -1) return 0;
  auto& screen = *GameScreen;
  if (r == 1 && !screen.WaitsForThePlayer()) return 1;
  auto& player = *screen.Player;
  player.SaveData->MidCourse = 1;
  player.SaveData->MidHole = 1;
  // Without a profile there is nothing to copy into.
  if (Game->CurrentProfile) player.ProfileUpdate(*Game->CurrentProfile);
  return 0;
}

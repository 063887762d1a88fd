// The end of a hole: the perfect-hole celebration and pause, the End Hole gate, the hole's result
// against par, and what the scorecard's answer leads to (the next hole, the title, the course
// selector or the ending).

#include <string>

#include "cards/card_list.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "cards/play_list.h"
#include "cards/token_generator_list.h"
#include "content/course.h"
#include "content/globals.h"
#include "core/fixed_rate_logic.h"
#include "core/game.h"
#include "core/game_fade.h"
#include "core/globals.h"
#include "gfx/channel_array.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/particle_list.h"
#include "gfx/sound_bank.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "play/hud.h"
#include "play/play_effects.h"
#include "platform/random.h"
#include "progress/career_stats.h"
#include "progress/player.h"
#include "progress/progress_rules.h"
#include "progress/save_data.h"
#include "screens/globals.h"
#include "screens/game_finished_screen.h"
#include "screens/level_select_screen.h"
#include "screens/score_card_screen.h"
#include "screens/title_screen.h"
#include "ui/button.h"
#include "util/animation.h"
#include "util/image.h"

std::string LevelEndImageName(int result) {
  if (result >= 0) return "";
  if (result == -1) return "birdie";
  if (result == -2) return "eagle";
  if (result == -3) return "double_eagle";
  return "triple_eagle";  // -4 and any deeper result
}

int TGameScreen::LevelEndTest() {
  if (!GameGrid) return 0;
  if (GameGrid->CardsLeft == 0 && Player->Perfect == 0) {
    Player->Perfect = 1;
    Player->SaveData->CoursePerfects += 1;
    Player->SaveData->CareerStats->TotalPerfects->Increase(1);
    SpeechLoad("perfect", "misc/perfect" + std::to_string(EffectsRandom.Rand(1, 8)));
    SpeechPlay("");
    if (ScoreParticles && PerfectParticle)
      FadeFloatingText(ScoreParticles->AddNew(ScreenWidth / 2, ScreenHeight / 2, PerfectParticle, 0,
                                              -0.1f, 0, 0, 0, 0, 1.0f, 1.0f, 0, 0, 0));
    if (GameGrid->Channels && SoundPerfect)
      GameGrid->Channels->PlayGameSound(SoundPerfect, nullptr, 0.8f, 0);
    PlayCheer(4, 6);
    if (CardList) CardList->StockKill();
    MulliganDisable(1);
    if (auto b = MenuButton("enddrive"); b && b->Active) EndDriveButtonShow();
    if (HUD)
      for (int i = 0; i < 6; ++i) HUD->MakeFirework();
    if (GameGrid->Channels) {
      if (GameGrid->FireworkSound) {
        GameGrid->FireworkSound->pitch = 0.8f;
        GameGrid->Channels->PlayGameSound(GameGrid->FireworkSound, nullptr, 1.0f, 0);
      }
      if (auto med = sounds ? sounds->Find("FireworksMed") : nullptr)
        GameGrid->Channels->PlayGameSound(med, nullptr, 1.0f, 0);  // a loud mix, held at full
    }
    PerfectCounter = Game->CalcAnimLength(1500);
    EndHoleEnable(0);
  }
  EndHoleEnable(1);
  return 0;
}

int TGameScreen::PerfectAnimManage() {
  if (PerfectCounter <= 0) return 0;
  PerfectCounter -= Delta;
  if (PerfectCounter <= 0) {
    PerfectCounter = 0;
    if (auto b = MenuButton("enddrive"); b && b->Active)
      EndDriveClicked();
    else
      EndHoleEnable(1);
    CourseUnlock(UNLOCK_PERFECT, Player->SaveData->CoursePerfects, 1);
    if (Player->SaveData->Trophies[6] == 0 && Player->SaveData->CoursePerfects == 6) {
      TrophyDialogs[6] = 6;
      if (!UnlockedDialog) AwardTrophy(6);
    }
  }
  if (HUD && EffectsRandom.Rand(1, 1000) < 70 * Delta) HUD->MakeFirework();
  return 0;
}

int TGameScreen::EndHoleEnable(int flag) {
  auto b = MenuButton("end_hole");
  if (!b) return 0;
  if (flag == 1) {
    if (b->Disabled == 0) return 1;
    auto endDrive = MenuButton("enddrive");
    if (endDrive && endDrive->Active == 1) return 0;
    if (CardList && CardList->StockCount() != 0) return 0;
    if (PlayList && PlayList->Count() != 0) return 0;
    if (TokenGeneratorList && TokenGeneratorList->Count() != 0) return 0;
    if (TokenGeneratorList && TokenGeneratorList->BonusTokens != 0) return 0;
    if (WildshotAnimCounter != 0) return 0;
    if (CardList && CardList->AnimatingIronMorph() != 0) return 0;
    if (PerfectCounter > 0) return 0;
  }
  b->Disabled = flag == 0 ? 1 : 0;
  return 1;
}

int TGameScreen::LevelEnd() {
  const int r = TGameGrid::GetHTP();
  const bool underPar = r < 0 && Player->Perfect == 0;
  // A second end while the intro or the outro runs changes nothing, not even the input block.
  if (underPar && ((OutroAnim && OutroAnim->Active) || (IntroAnim && IntroAnim->Active))) return 0;

  LevelEndClicked = 1;
  GameGrid->MegaBlock = 1;
  SpeechClear();
  const bool untimed = Player->TimeLimit == 0;
  const int n = EffectsRandom.Rand(1, 3);

  if (underPar) {
    if (OutroAnim) OutroAnim->Start();
    GameGrid->BlockInputSet();
    std::string remark;
    if (r == -1) remark = "endofhole/birdie" + std::to_string(n);
    else if (r == -2) remark = "endofhole/eagle" + std::to_string(EffectsRandom.Rand(1, 2));
    else if (r == -3) remark = "endofhole/doubleeagle" + std::to_string(n);
    else remark = "endofhole/tripleeagle" + std::to_string(n);
    SpeechLoad("end of hole", remark);
    LevelEndImage =
        TGameImage::Create(Game->ImagePath + "particles/" + LevelEndImageName(r) + ".png", -1, 1);
    ccCreateFrames(LevelEndImage->image);
    LevelEndParticle(LevelEndImage);
    SpeechPlay("");
    if (untimed) PlayCheer(4, 6);
    if (Game->FixedRateLogic) Game->FixedRateLogic->Init();
    return 1;
  }

  if (Player->Perfect == 0) {
    std::string remark;
    if (r == 0) {
      remark = "endofhole/par" + std::to_string(n);
      if (untimed) PlayCheer(1, 3);
    } else if (r == 1) {
      remark = "endofhole/bogey" + std::to_string(n);
    } else if (r == 2) {
      remark = "endofhole/doublebogey" + std::to_string(n);
    } else if (r >= 5) {
      remark = "endofhole/plusfive" + std::to_string(EffectsRandom.Rand(1, 8));
    }
    if (!remark.empty()) SpeechLoad("end of hole", remark);
    SpeechPlay("");
    if (r >= 5 && untimed) PlayGroan();
  }
  LevelNext();
  return 1;
}

int TGameScreen::LevelNext() {
  auto& save = *Player->SaveData;
  if (Player->Level < Player->CourseHoles) {
    Player->Level += 1;
    save.MidCourse = 1;
  } else {
    Player->Level = 1;
    save.MidCourse = 0;
  }
  if (Game->CurrentProfile) Player->ProfileUpdate(*Game->CurrentProfile);
  if (ScoreCardScreen) ScoreCardScreen->ApplyStats();
  save.InitLevelStats();
  if (save.MidCourse == 1) SetNewLevelHTP(Player->Level);
  if (ScoreCardScreen) {
    // The hole is over but not paid: its card pays it after zooming in, or a save made before then.
    ScoreCardScreen->WinningsDue = 1;
    ScoreCardScreen->Load();
    ScoreCardScreen->Show(0);
  }
  return 0;
}

int TGameScreen::ScoreCardProcessResult(int action) {
  switch (action) {
    case SCORECARD_SAVE_AND_EXIT:
      ProcessLogic = 0;
      if (Game->GameFade) Game->GameFade->Init(FADE_SPEED, 1, Game->MusicChannel, 1, 0);
      Game->DestinationTScreen = TitleScreen;
      if (HUD && HUD->FlagLevel == Player->CourseHoles) ScoreCardGoToNextLevel(1);
      Player->ProfileWrite(Game->CurrentProfile.get());
      break;
    case SCORECARD_NEXT_HOLE:
      Player->ProfileWrite(Game->CurrentProfile.get());
      LevelRestart();
      if (ScoreCardScreen) ScoreCardScreen->PlayCloseSound();
      break;
    case SCORECARD_COURSE_DONE:
      ProcessLogic = 0;
      if (Game->GameFade) Game->GameFade->Init(FADE_SPEED, 1, Game->MusicChannel, 1, 0);
      ScoreCardGoToNextLevel(0);
      Player->ProfileWrite(Game->CurrentProfile.get());
      break;
    default:
      break;
  }
  return 0;
}

int TGameScreen::ScoreCardGoToNextLevel(int onlyRecord) {
  auto& save = *Player->SaveData;
  auto& unlocked = save.UnlockedCourses;
  const int slots = static_cast<int>(unlocked.size());
  const std::string levelName = GameGrid ? GameGrid->LevelName : save.CourseName;
  auto last = (CourseList && !CourseList->empty()) ? CourseList->back() : nullptr;
  if (last && levelName == last->Name) {
    if (ScoreCardScreen && ScoreCardScreen->PurseWon) {
      const int index = Game->MaxLevels - 1;
      if (index >= 0 && index < slots) unlocked[static_cast<std::size_t>(index)] = COURSE_COMPLETED;
      if (!onlyRecord) Game->DestinationTScreen = GameFinishedScreen;
    } else if (!onlyRecord) {
      Game->DestinationTScreen = LevelSelectScreen;
    }
    return 0;
  }
  if (!onlyRecord) Game->DestinationTScreen = LevelSelectScreen;
  // A course that is not in the list has no next course: the current one stays.
  const int i = CourseGetIndex(levelName);
  const int next = i + 1;
  const int courses = CourseList ? static_cast<int>(CourseList->size()) : 0;
  if (i >= 0 && next < slots && next < courses && unlocked[static_cast<std::size_t>(next)] > 0) {
    if (auto course = CourseAtIndex(next)) save.CourseName = course->Name;
  }
  return 0;
}

#include "screens/score_card_screen.h"

#include <algorithm>
#include <cmath>

#include "cards/game_grid.h"
#include "cards/globals.h"
#include "content/course.h"
#include "content/globals.h"
#include "core/fixed_rate_logic.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/bitmap_font.h"
#include "gfx/channel_array.h"
#include "gfx/game_text.h"
#include "gfx/globals.h"
#include "gfx/image_bank.h"
#include "gfx/sound_bank.h"
#include "platform/audio.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "play/hud.h"
#include "progress/best_score_list.h"
#include "progress/player.h"
#include "progress/progress_rules.h"
#include "screens/course_end_dialog.h"
#include "screens/game_dialogs.h"
#include "screens/time_bonus_dialog.h"
#include "ui/button.h"
#include "ui/menu.h"
#include "ui/profile.h"
#include "util/animation.h"
#include "util/image.h"
#include "util/input.h"
#include "util/maths.h"
#include "util/word_wrap.h"

namespace {

constexpr int TROPHY_COUNT = 13;
constexpr int TAB_HOLD_TICKS = 10000;

TPlayer* ThePlayer() { return GameScreen && GameScreen->Player ? GameScreen->Player.get() : nullptr; }

std::shared_ptr<TButton> PlayScreenButton(const std::string& name) {
  return GameScreen && GameScreen->Menu ? GameScreen->Menu->FindButton(name) : nullptr;
}

std::shared_ptr<TGameImage> CardPicture(const std::string& file, int flags, int midhandle) {
  auto picture = TGameImage::Create(Game->ImagePath + file, flags, midhandle);
  picture->Precache();
  return picture;
}

std::shared_ptr<TGameImage> BankPicture(const std::string& name) {
  return images ? images->Find(name) : nullptr;
}

TGameChannelRef PlayOnPool(const std::string& name, float volume) {
  if (!sounds || !Game->Channels) return nullptr;
  auto sound = sounds->Find(name);
  if (!sound) return nullptr;
  return Game->Channels->PlayGameSound(sound, nullptr, volume, 0);
}

// Half up on a single-precision quotient, as the statistics are averaged.
int RoundQuotient(int total, int count) {
  if (count == 0) return 0;
  // The int limit itself rounds up to 2^31 in single precision: the result stops at the limit.
  return ccSaturatingInt(std::floor(static_cast<float>(total) / static_cast<float>(count) + 0.5f));
}

std::string Text(const std::string& key) { return GameText ? GameText->FindString(key) : std::string(); }

}  // namespace

TScoreCardScreen::TScoreCardScreen() { name = "scorecard"; }

TScoreCardScreen::~TScoreCardScreen() = default;

int TScoreCardScreen::Load() {
  name = "scorecard";
  Active = 0;
  Disabled = 0;
  MidHole = 0;
  Front9Showing = 1;
  Bonus = 0;
  PostDialogAction = 0;
  ShowGopherDialog = 0;
  PurseWon = 0;
  PurseValue = 0;

  // The hole's bonus and time come first, before any picture: a picture that fails to load ends
  // the game, and the save made before that pays the hole with them.
  static constexpr const char* kBonusWord[5] = {"par", "birdie", "eagle", "double_eagle", "triple_eagle"};
  std::string word;
  const int result = GameGrid ? TGameGrid::GetHTP() : 1;
  // Four under par and better is a triple eagle, as the hole's end calls it: a deeper result
  // must not pay less than par does.
  if (result <= 0) {
    const int under = std::min(-result, 4);
    Bonus = under == 0 ? 25 : 100 * under;
    word = kBonusWord[under];
  }
  const TPlayer* player = ThePlayer();
  if (player && player->Perfect != 0) {
    Bonus = 500;
    word = "perfect";
  }
  if (player) {
    const int seconds = std::max(0, ccSaturatingInt(std::floor(player->TimeTaken * Game->FixedRateLogic->MS / 1000.0)));
    mins = seconds / 60;
    secs = seconds % 60;
    // Only a finished hole adds to the course's time: a card opened mid-hole would otherwise count
    // the hole's first part twice.
    if (player->SaveData->MidHole == 0)
      player->SaveData->CourseTime = ccSaturatingAdd(player->SaveData->CourseTime, seconds);
  }

  ImageLoad("scorecard/Scorecard_bg.png", 6);
  Image->MidHandle();
  ccCreateFrames(Image);

  Menu = TMenu::Create("buttonMO", "buttonclick", 0, 0, 0);
  Menu->AddQuick("saveandexit", "");
  auto next = Menu->AddQuick("continue", "");
  Menu->MakeRow(384);
  Menu->SetY(static_cast<float>(ScreenHeight - 87));
  Menu->CentreHoriz();
  next->CentreX(ScreenHeight - 87);
  Menu->AddQuick("back", "")->CentreX(ScreenHeight - 87);
  for (const char* button : {"back", "saveandexit", "continue"}) {
    auto b = Menu->FindButton(button);
    b->LoadMouseClick(std::string(button) + "_down", 350);
    b->SetFixedGlowOnMO(0.5f, 0.02f, 0);
  }

  Front9 = CardPicture("scorecard/front_9.png", 6, 0);
  if (player && player->CourseHoles == 18) {
    const std::pair<const char*, float> tabs[] = {{"front9", 506.0f}, {"back9", 617.0f}};
    for (const auto& [tab, x] : tabs) {
      auto b = Menu->AddQuick(tab, "");
      b->x = x;
      b->y = 50;
      b->SetFixedGlowOnMO(0.5f, 0.02f, 0);
      b->LoadMouseClick(std::string(tab) + "_down", TAB_HOLD_TICKS);
      b->ClickDisabled = 0;
    }
    Back9 = CardPicture("scorecard/back_9.png", 6, 0);
  }
  Menu->Precache();

  OutInTotal = CardPicture("scorecard/outintotal.png", 6, 0);
  RedNote = CardPicture("scorecard/RedNote.png", 6, 0);
  TextColumn1 = CardPicture("scorecard/TextColumn1.png", 6, 0);
  TextColumn2 = CardPicture("scorecard/TextColumn2.png", 6, 0);
  RedCircle = CardPicture("scorecard/red_circle.png", -1, 1);
  FontParGreen = BankPicture("green_par_font");
  FontHandwritingGray = BankPicture("handwriting_gray");
  FontHandwritingRed = BankPicture("handwriting_red");
  LabelMinutes = BankPicture("minutes");
  LabelSeconds = BankPicture("seconds");
  LabelLongestDrive = BankPicture("Longest_Drive");
  LabelLongestDriveEndBracket = BankPicture("Longest_Drive_End_Bracket");
  LabelGoal = BankPicture("goal");
  LabelGoalComplete = BankPicture("goal_complete");

  Game->FadeMusic = 0;

  LabelBonus = CardPicture("scorecard/bonus.png", -1, 0);
  LabelBonusExtra = word.empty() ? nullptr : CardPicture("scorecard/" + word + ".png", -1, 0);

  SetNextUnlockText();

  Zoom = TAnimation::Create(ZOOM_LENGTH, 0, 0, 0);
  ZoomIn = 1;
  return 0;
}

int TScoreCardScreen::ApplyStats() {
  if (const TPlayer* player = ThePlayer()) HoleLongestDrive = player->SaveData->HoleLongestDrive;
  return 0;
}

int TScoreCardScreen::Show(int midHole) {
  MidHole = midHole;
  Active = 1;
  if (midHole == 0 && GameGrid) GameGrid->MegaBlock = 0;
  auto back = Menu->FindButton("back");
  auto next = Menu->FindButton("continue");
  auto save = Menu->FindButton("saveandexit");
  back->Active = midHole == 1 ? 1 : 0;
  back->OKButton = back->Active;
  next->Active = midHole == 0 ? 1 : 0;
  next->OKButton = next->Active;
  save->Active = next->Active;
  Menu->ClearMouseOver();
  Menu->ClearGlow();
  Menu->ClearMouseClick();
  ccFlushAll();
  Menu->ManageNoSound();
  const TPlayer* player = ThePlayer();
  if (player && player->CourseHoles == 18) {
    Front9Showing = HUD && HUD->FlagLevel > 9 ? 0 : 1;
    auto held = Menu->FindButton(Front9Showing != 0 ? "front9" : "back9");
    if (held) {
      held->Disabled = 1;
      held->MouseClickCounter = TAB_HOLD_TICKS;
    }
  }
  CalcCourseGrid();
  Zoom->Start();
  PlayOnPool("scorecard_appear", 0.5f);
  TuneChannel = nullptr;
  ccFlushAll();
  Game->FixedRateLogic->Init();
  return 0;
}

int TScoreCardScreen::Logic() {
  if (Active == 0) return SCORECARD_NONE;
  TPlayer* player = ThePlayer();
  if (TimeBonusDialog) {
    if (TimeBonusDialog->Manage() != 0) {
      if (player) player->LevelScore = TimeBonusDialog->FinalTotal;
      StoreWinnings();
      TimeBonusDialog->Kill();
      TimeBonusDialog = nullptr;
      if (ShowGopherDialog != 0) {
        GopherDialogDisplay();
      } else {
        Menu->ManageNoSound();
      }
    }
    return SCORECARD_NONE;
  }
  if (GopherDialog) {
    if (GopherDialog->Manage() != 0) {
      GopherDialog->Kill();
      GopherDialog = nullptr;
      Menu->ManageNoSound();
    }
    return SCORECARD_NONE;
  }
  const int holes = player ? player->CourseHoles : 0;
  const bool lastHole = HUD && HUD->FlagLevel == holes;
  const float timeLimit = player ? player->TimeLimit : 0;
  if (Zoom->Manage() == 1) {
    if (ZoomIn == 1) {
      if (MidHole == 0) {
        if (timeLimit == 0) StoreWinnings();
        if (lastHole) ShowGopherDialog = 1;
        if (timeLimit > 0) {
          Game->ScreenDraw();
          TimeBonusDialog = TTimeBonusDialog::Setup();
          Menu->ClearGlow();
          Menu->ClearMouseOver();
          return SCORECARD_NONE;
        }
        if (ShowGopherDialog != 0) {
          Game->ScreenDraw();
          GopherDialogDisplay();
          return SCORECARD_NONE;
        }
        TuneChannel = PlayOnPool("scorecard_music", 1.0f);
      }
    } else {
      StopTune();
      Finalise(0);
      return SCORECARD_NONE;
    }
  }
  if (Zoom->Active != 0) {
    if (TuneChannel) {
      TuneChannel->OriginalVolume = Zoom->GetRatio();
      if (TuneChannel->Channel) {
        TuneChannel->Channel->SetVolume(static_cast<float>(Game->SoundVolume) / 100.0f * TuneChannel->OriginalVolume);
      }
    }
    return SCORECARD_NONE;
  }
  if (Disabled != 0) {
    Menu->ManageFixedGlowOnly();
    return SCORECARD_NONE;
  }
  TScreen::Logic();
  if (auto held = Menu->FindButton(Front9Showing != 0 ? "front9" : "back9")) {
    held->MouseClickCounter = TAB_HOLD_TICKS;
  }
  const bool frontClicked = Menu->Clicked("front9") != 0;
  const bool backClicked = !frontClicked && Menu->Clicked("back9") != 0;
  if (frontClicked || backClicked) {
    Front9Showing = frontClicked ? 1 : 0;
    auto shown = Menu->FindButton(frontClicked ? "front9" : "back9");
    auto other = Menu->FindButton(frontClicked ? "back9" : "front9");
    if (shown) shown->Disabled = 1;
    if (other) {
      other->Disabled = 0;
      other->MouseClickCounter = 0;
    }
  }
  if (MidHole == 1) {
    if (Menu->Clicked("back") != 0) {
      Close();
      PlayCloseSound();
      return SCORECARD_CLOSED;
    }
    if (KeyHit(KEY_ESCAPE) != 0) {
      Game->EscapeSoundPlay();
      Close();
      PlayCloseSound();
      return SCORECARD_CLOSED;
    }
    return SCORECARD_NONE;
  }
  if (Menu->Clicked("saveandexit") != 0) {
    if (CheckCourseUnlock(SCORECARD_SAVE_AND_EXIT) == 0) {
      Finalise(1);
      return SCORECARD_SAVE_AND_EXIT;
    }
    return SCORECARD_NONE;
  }
  if (Menu->Clicked("continue") != 0) {
    if (auto card = PlayScreenButton("scorecard")) card->ScaleOnMO = card->ScaleOnMOMax;
    if (lastHole) {
      if (CheckCourseUnlock(SCORECARD_COURSE_DONE) == 0) {
        Finalise(1);
        return SCORECARD_COURSE_DONE;
      }
    } else if (CheckCourseUnlock(SCORECARD_NEXT_HOLE) == 0) {
      Game->ScreenDraw();
      Close();
      return SCORECARD_NEXT_HOLE;
    }
  }
  return SCORECARD_NONE;
}

int TScoreCardScreen::GopherDialogDisplay() {
  ShowGopherDialog = 0;
  GopherDialog = TCourseEndDialog::Setup();
  Menu->ClearGlow();
  Menu->ClearMouseOver();
  return 0;
}

int TScoreCardScreen::Close() {
  Zoom->Init(ZOOM_LENGTH, 0, 0, 0);
  Zoom->Start();
  ZoomIn = 0;
  Game->FixedRateLogic->Init();
  return 0;
}

int TScoreCardScreen::PlayCloseSound() {
  PlayOnPool("scorecard_disappear", 0.5f);
  return 0;
}

int TScoreCardScreen::StopTune() {
  if (TuneChannel) {
    TuneChannel->OriginalVolume = 0;
    if (TuneChannel->Channel) TuneChannel->Channel->SetVolume(0);
  }
  return 0;
}

int TScoreCardScreen::Finalise(int flag) {
  if (flag == 0) {
    Kill();
    Active = 0;
  } else {
    Disabled = 1;
    if (TuneChannel && Game->Channels) Game->Channels->StopGameChannel(TuneChannel);
  }
  if (auto card = PlayScreenButton("scorecard")) {
    card->Active = 1;
    card->AlwaysDraw = 0;
  }
  ccFlushAll();
  return 0;
}

int TScoreCardScreen::Kill() {
  TScreen::Kill();
  Active = 0;
  Disabled = 0;
  MidHole = 0;
  WinningsDue = 0;
  Zoom = nullptr;
  NextUnlockFont = nullptr;
  for (auto* picture : {&Front9, &Back9, &FontParGreen, &FontHandwritingGray, &FontHandwritingRed,
                        &LabelMinutes, &LabelSeconds, &LabelLongestDrive, &LabelLongestDriveEndBracket,
                        &LabelBonus, &LabelBonusExtra, &LabelGoal, &LabelGoalComplete, &OutInTotal,
                        &RedNote, &TextColumn1, &TextColumn2, &RedCircle}) {
    picture->reset();
  }
  TuneChannel = nullptr;
  return 0;
}

// ---- hole and course results ------------------------------------------------------------------

namespace {

// The index of the hole the card is about (the HUD still shows the hole just played), or -1 when
// it lies outside the course, so nothing is booked or read out of bounds.
int HoleIndex() {
  const TPlayer* player = ThePlayer();
  if (!HUD || !player) return -1;
  const int h = HUD->FlagLevel - 1;
  const int holes = std::min(player->CourseHoles, 18);
  return h >= 0 && h < holes ? h : -1;
}

}  // namespace

int TScoreCardScreen::CalcCourseGrid() {
  TPlayer* player = ThePlayer();
  if (!player) return 0;
  auto& sd = *player->SaveData;
  const int h = HoleIndex();
  if (h >= 0 && GameGrid) {
    sd.CourseArrayCards[static_cast<size_t>(h)] = std::min(GameGrid->CardsLeft, GameGrid->HolePar + 5);
    sd.CourseArrayToPar[static_cast<size_t>(h)] = std::min(TGameGrid::GetHTP(), 5);
  }
  out = {0, 0, 0};
  in = {0, 0, 0};
  perfects.fill(0);
  auto course = GameGrid ? CourseFind(GameGrid->LevelName) : nullptr;
  const int holes = std::min(player->CourseHoles, 18);
  if (course) {
    for (int i = 0; i < holes; ++i) {
      auto& nine = i < 9 ? out : in;
      nine[0] = ccSaturatingAdd(nine[0], course->HolePars[static_cast<size_t>(i)]);
    }
  }
  const int last = h < 0 ? -1 : (MidHole != 0 ? h - 1 : h);
  for (int i = 0; i <= last; ++i) {
    const auto at = static_cast<size_t>(i);
    auto& nine = i < 9 ? out : in;
    nine[1] = ccSaturatingAdd(nine[1], sd.CourseArrayCards[at]);
    nine[2] = ccSaturatingAdd(nine[2], sd.CourseArrayToPar[at]);
    if (course && sd.CourseArrayToPar[at] == -course->HolePars[at]) perfects[at] = 1;
  }
  return 0;
}

int TScoreCardScreen::GetYouWon() {
  const TPlayer* player = ThePlayer();
  if (!player) return 0;
  double m = HUD ? HUD->Multiplier : 1.0;
  if (m >= 3.0) m = player->SaveData->AvatarItems[7] == 1 ? 7.0 : 5.0;
  const float product =
      static_cast<float>(m * static_cast<double>(ccSaturatingAdd(player->LevelScore, Bonus)));
  return ccSaturatingInt(std::floor(product + 0.5f));
}

int TScoreCardScreen::StoreWinnings() {
  TPlayer* player = ThePlayer();
  if (!player) return 0;
  auto& sd = *player->SaveData;
  auto& cs = *sd.CareerStats;
  const int w = GetYouWon();
  WinningsDue = 0;
  sd.CourseCash = ccSaturatingAdd(sd.CourseCash, w);
  OldTotalCash = player->Score;
  player->Score = ccSaturatingAdd(player->Score, w);
  if (auto& profile = Game->CurrentProfile) profile->Score = ccSaturatingAdd(profile->Score, w);
  cs.CareerEarnings->Increase(w);
  const int h = HoleIndex();
  const int r = h >= 0 ? sd.CourseArrayToPar[static_cast<size_t>(h)] : 0;
  player->CourseToPar = ccSaturatingAdd(player->CourseToPar, r);
  sd.CourseToPar = ccSaturatingAdd(sd.CourseToPar, r);
  if (r <= -1) sd.Birdies = ccSaturatingAdd(sd.Birdies, 1);
  if (r <= -2) sd.Eagles = ccSaturatingAdd(sd.Eagles, 1);
  cs.TotalHolesPlayed->Increase(1);
  if (w > 0) {
    cs.HighestHoleCash->IsGreater(w);
    cs.TotalHoleCash->Increase(w);
  }
  cs.AverageHoleCash->SetValue(RoundQuotient(cs.TotalHoleCash->Value, cs.TotalHolesPlayed->Value));
  if (!HUD || HUD->FlagLevel != player->CourseHoles) return 0;

  cs.TotalCoursesPlayed->Increase(1);
  if (sd.CourseCash > 0) {
    cs.HighestCourseCash->IsGreater(sd.CourseCash);
    cs.TotalCourseCash->Increase(sd.CourseCash);
  }
  cs.AverageCourseCash->SetValue(RoundQuotient(cs.TotalCourseCash->Value, cs.TotalCoursesPlayed->Value));
  const bool nine = player->CourseHoles == 9;
  auto& mostPerfect = nine ? cs.MostPerfectOn9Hole : cs.MostPerfectOn18Hole;
  auto& lowest = nine ? cs.Lowest9HoleScore : cs.Lowest18HoleScore;
  auto& total = nine ? cs.Total9Score : cs.Total18Score;
  auto& played = nine ? cs.Total9HoleCoursesPlayed : cs.Total18HoleCoursesPlayed;
  auto& average = nine ? cs.Total9ScoreAverage : cs.Total18ScoreAverage;
  const int t = ccSaturatingAdd(out[2], in[2]);
  const int c = ccSaturatingAdd(out[1], in[1]);
  if (sd.CoursePerfects > 0) mostPerfect->IsGreater(sd.CoursePerfects);
  if (lowest->IsLess(c) != 0) lowest->Value2 = t;
  total->Increase(c);
  total->Value2 = ccSaturatingAdd(total->Value2, t);
  played->Increase(1);
  average->SetValue(RoundQuotient(total->Value, played->Value));
  average->Value2 = RoundQuotient(total->Value2, played->Value);
  average->FloatValue = played->Value != 0 ? static_cast<double>(total->Value) / played->Value : 0.0;
  return 0;
}

int TScoreCardScreen::PayWinningsDue() {
  if (WinningsDue == 0) return 0;
  // The card has not shown the hole yet: it goes into the course arrays as Show puts it there.
  MidHole = 0;
  CalcCourseGrid();
  StoreWinnings();
  return 1;
}

int TScoreCardScreen::CheckCourseUnlock(int action) {
  PostDialogAction = 0;
  int opened = 0;
  TPlayer* player = ThePlayer();
  if (!player || !GameScreen) return 0;
  auto& sd = *player->SaveData;
  auto& cs = *sd.CareerStats;
  // A won trophy waits in its own slot, so the dialogs come lowest id first and none overwrites
  // another.
  auto queue = [&](int id) {
    if (sd.Trophies[static_cast<size_t>(id)] == 0) GameScreen->TrophyDialogs[static_cast<size_t>(id)] = id;
  };
  const int t = ccSaturatingAdd(out[2], in[2]);
  const int c = ccSaturatingAdd(out[1], in[1]);
  const bool courseEnd = HUD && HUD->FlagLevel == player->CourseHoles && MidHole == 0;
  if (courseEnd) {
    if (PurseWon != 0) sd.TotalPursesWon = ccSaturatingAdd(sd.TotalPursesWon, 1);
    if (CourseUnlock(UNLOCK_SCORE, t, 0) != 0) {
      PostDialogAction = action;
      opened = 1;
    }
    const int index = GameGrid ? CourseGetIndex(GameGrid->LevelName) : -1;
    if (index >= 0 && BestScores) {
      const int place = BestScores->Insert(player->Name, t, index, 1);
      if (place >= 0) BestScores->Save();
      if (place == 0) GameScreen->TopScore = 1;
    }
    if (PurseWon != 0 && index >= 0 && index == Game->MaxLevels - 1) queue(0);
    if (player->CourseHoles == 9 && t >= 30) queue(1);
    if (sd.Birdies == player->CourseHoles) queue(2);
    if (sd.Eagles == player->CourseHoles) queue(3);
    if (PurseWon != 0 && sd.TotalPursesWon == 3) queue(4);
    if (cs.TotalCoursesPlayed->Value == 100) queue(8);
    if (t < 0 && sd.CourseIronsUsed == 0) queue(10);
    bool driveEveryHole = player->CourseHoles > 0;
    for (int i = 0; i < std::min(player->CourseHoles, 18); ++i) {
      if (sd.CourseLongDrives[static_cast<size_t>(i)] == 0) driveEveryHole = false;
    }
    if (driveEveryHole) queue(11);
    if (c <= 9) queue(12);
  }
  if (MidHole == 0) {
    if (CourseUnlock(UNLOCK_TOKENS, ccSaturatingAdd(sd.CourseCash, PurseValue), 1) != 0) {
      PostDialogAction = action;
      opened = 1;
    }
    const int taken = mins * 60 + secs;
    if (player->TimeLimit != 0 && taken <= 30) queue(7);
    if (cs.CareerEarnings->Value >= 1000000) queue(9);
  }
  if (!GameScreen->UnlockedDialog) {
    if (GameScreen->TopScore != 0) {
      TopScoreDialog();
      PostDialogAction = action;
      opened = 1;
    } else {
      for (int i = 0; i < TROPHY_COUNT; ++i) {
        if (GameScreen->TrophyDialogs[static_cast<size_t>(i)] >= 0) {
          AwardTrophy(i);
          PostDialogAction = action;
          opened = 1;
          break;
        }
      }
    }
  }
  if (opened != 0) StopTune();
  return opened;
}

int TScoreCardScreen::SetNextUnlockText() {
  NextUnlockFont = GoalTextFont;
  NextUnlockText.clear();
  ShowGoalComplete = 0;
  const TPlayer* player = ThePlayer();
  const int i = GameGrid ? CourseGetIndex(GameGrid->LevelName) : -1;
  auto course = GameGrid ? CourseFind(GameGrid->LevelName) : nullptr;
  if (!player || i < 0 || !course) return 0;
  const auto& unlocked = player->SaveData->UnlockedCourses;
  const int state = i < static_cast<int>(unlocked.size()) ? unlocked[static_cast<size_t>(i)] : 0;
  std::string text;
  if (i == Game->MaxLevels - 1) {
    if (state == 1) {
      text = Text("Final Goal Short");
    } else {
      text = Text("Final Goal Complete");
      ShowGoalComplete = 1;
    }
  } else if (state == 2) {
    const std::string& unlocks = course->Unlocks;
    const auto comma = unlocks.find(',');
    const std::string first = unlocks.substr(0, comma);
    const std::string rest = comma == std::string::npos ? std::string() : unlocks.substr(comma + 1);
    const std::string names = rest.empty() ? first : first + " " + Text("And") + " " + rest;
    text = Text("Score Card - Course Unlocked");
    if (const auto at = text.find("NN"); at != std::string::npos) text.replace(at, 2, names);
    ShowGoalComplete = 1;
  } else {
    text = player->SaveData->AvatarItems[11] == 1 ? course->GoalText2 : course->GoalText;
  }
  const auto lines = ccSplitStringIntoLines(text);
  NextUnlockText = NextUnlockFont ? ccWordWrapArray(lines, 188, NextUnlockFont) : lines;
  return 0;
}

#include "tests/screens/scripted_player.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "cards/card_list.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "core/game.h"
#include "core/globals.h"
#include "core/loading_screen.h"
#include "play/game_screen.h"
#include "play/globals.h"
#include "play/hud.h"
#include "platform/input.h"
#include "platform/system.h"
#include "progress/player.h"
#include "progress/profile_hooks.h"
#include "screens/course_end_dialog.h"
#include "screens/game_menu.h"
#include "screens/globals.h"
#include "screens/hint_scroll.h"
#include "screens/level_select_screen.h"
#include "screens/newspaper_screen.h"
#include "screens/run_game.h"
#include "screens/score_card_screen.h"
#include "screens/time_bonus_dialog.h"
#include "screens/title_screen.h"
#include "tests/support/harness.h"
#include "ui/button.h"
#include "ui/dialog.h"
#include "ui/menu.h"
#include "ui/dialog_text_input.h"
#include "ui/profile.h"
#include "util/animation.h"
#include "wildshot/globals.h"
#include "wildshot/wildshot_screen.h"

namespace road_test {

void TScriptedPlayer::ClickAt(int x, int y) {
  quill_test::PressAt(x, y);
  releasePending = true;
  ++clicks;
}

void TScriptedPlayer::ClickButton(const std::shared_ptr<TButton>& b) {
  ClickAt(static_cast<int>(b->x) + b->w / 2, static_cast<int>(b->y) + b->h / 2);
}

std::shared_ptr<TButton> TScriptedPlayer::Usable(const std::shared_ptr<TMenu>& menu, const std::string& name) {
  if (!menu) return nullptr;
  auto b = menu->FindButton(name);
  return b && b->Active && b->Disabled == 0 ? b : nullptr;
}

std::shared_ptr<TButton> TScriptedPlayer::FirstUsable(const std::shared_ptr<TMenu>& menu) {
  if (!menu) return nullptr;
  for (const auto& b : menu->Buttons) {
    if (b && b->Active && b->Disabled == 0) return b;
  }
  return nullptr;
}

bool TScriptedPlayer::Rested(int ms) {
  if (rest * frameMs < ms) return false;
  rest = 0;
  return true;
}

bool TScriptedPlayer::AnswerFirstRun(const std::string& name) {
  if (!TitleScreen || !TitleScreen->EnterName) return false;
  if (!Rested(500)) return true;
  if (TitleScreen->DrawDisabled != 0) {
    // The avatar chooser: the first gent's portrait, then its OK.
    quill_test::PushClick(78, 198);
    quill_test::PushKey(13);
  } else if (TitleScreen->EnterName->Transitioning != 0) {
    return true;  // the prompt still drops in
  } else if (!typed) {
    quill_test::PushText(name);
    typed = true;
  } else {
    quill_test::PushKey(13);
  }
  return true;
}

bool TScriptedPlayer::PlayRests() {
  return Game->CurrentTScreen == GameScreen && Game->Fading() == 0 && GameGrid &&
         !(WildShotScreen && WildShotScreen->Active) && !GameScreen->PopUpTipDialog &&
         !GameScreen->UnlockedDialog && !(ScoreCardScreen && ScoreCardScreen->Active) &&
         !(HintScroll && HintScroll->Active) && !(GameMenu && GameMenu->Active) &&
         !GameScreen->IntroAnim->Active && TGameScreen::TestForAnims() == 0;
}

int TScriptedPlayer::Play(int frameBudget, const std::function<void()>& each) {
  TEntrySteps steps = GameEntrySteps();
  steps.AfterFrame = [&] {
    platform::AdvanceManualClock(frameMs);
    Step();
    if (each) each();
    return frames < frameBudget;
  };
  return RunEntry(steps);
}

void TScriptedPlayer::Step() {
  ++frames;
  if (releasePending) {
    quill_test::ReleasePending();
    releasePending = false;
    return;
  }
  const auto current = Game->CurrentTScreen;
  if (current != lastScreen) {
    lastScreen = current;
    if (current) trail += (trail.empty() ? "" : " ") + current->name;
    rest = 0;
  }
  if (!current || Game->Fading() != 0) {
    rest = 0;
    return;
  }
  ++rest;
  if (current == Game->LoadingScreen) {
    if (Rested(500)) ClickAt(400, 300);
  } else if (current == NewspaperScreen) {
    sawNewspaper = true;
    // At rest only the page's OK button goes on.
    if (auto b = Usable(NewspaperScreen->Menu, "ok"); b && Rested(1500)) ClickButton(b);
  } else if (current == GameScreen) {
    PlayStep();
  } else if (onScreen) {
    onScreen(current);
  }
}

void TScriptedPlayer::PlayStep() {
  if (WildShotScreen && WildShotScreen->Active) {
    if (wildOpen == 0) ++wildShots;
    wildOpen = 1;
    if (WildShotScreen->MinigameActive && !miniOpen) {
      miniOpen = 1;
      ++miniGames;
    }
    if (!Rested(800)) return;
    auto& w = *WildShotScreen;
    if (w.MinigameActive) {
      // The mini-game: OK once it shows, else a card of the lost ball, else Space shoots.
      if (Usable(w.MinigameMenu, "OK")) {
        quill_test::PushKey(13);
      } else if (w.Cards && w.Tries > 0 && !w.BallFound && cardTry < w.Cards->Cards.size()) {
        auto c = w.Cards->Cards[cardTry++];
        ClickAt(static_cast<int>(c->x + 10), static_cast<int>(c->y + 10));
      } else {
        quill_test::PushKey(32);
      }
      return;
    }
    cardTry = 0;
    for (const char* name : {"play_wild", "stop_wild", "ok"}) {
      if (auto b = Usable(w.Menu, name)) {
        const int lift = std::string(name) == "stop_wild" ? 91 : 0;  // drawn above its place
        return ClickAt(static_cast<int>(b->x) + b->w / 2, static_cast<int>(b->y) - lift + b->h / 2);
      }
    }
    return;
  }
  wildOpen = miniOpen = 0;
  // A tip or an unlock message over play: its OK.
  for (const auto& dialog : {std::static_pointer_cast<TDialog>(GameScreen->PopUpTipDialog),
                             std::static_pointer_cast<TDialog>(GameScreen->UnlockedDialog)}) {
    if (!dialog) continue;
    if (Rested(800)) {
      if (auto b = FirstUsable(dialog->Menu)) ClickButton(b);
    }
    return;
  }
  if (ScoreCardScreen && ScoreCardScreen->Active) {
    if (ScoreCardScreen->GopherDialog) sawCourseEnd = true;
    if (holdScoreCard || !Rested(800)) return;
    if (ScoreCardScreen->TimeBonusDialog) {
      if (auto b = FirstUsable(ScoreCardScreen->TimeBonusDialog->Menu)) ClickButton(b);
    } else if (ScoreCardScreen->GopherDialog) {
      if (auto b = FirstUsable(ScoreCardScreen->GopherDialog->Menu)) ClickButton(b);
    } else if (auto b = Usable(ScoreCardScreen->Menu, "continue")) {
      ClickButton(b);
    }
    return;
  }
  if (HintScroll && HintScroll->Active) {
    if (Rested(1500)) ClickAt(400, 300);
    return;
  }
  // A wild shot that hands over the rifle waits, with no time limit, for a free face-up card to
  // be shot: the first one.
  if (GameScreen->WildshotAnimType == WILDSHOT_ANIM_PICK && GameScreen->WildshotAnimCounter > 0) {
    if (!Rested(500)) return;
    for (const auto& c : CardList->Cards) {
      if (!c->Playfield || !c->Uncovered() || !c->FaceUp || c->Foundation || c->Spinning || c->FlipCounter > 0) continue;
      ++riflesFired;
      return ClickAt(static_cast<int>(c->x) + 34, static_cast<int>(c->y) + 50);
    }
    return;
  }
  if (!GameGrid || TGameScreen::TestForAnims() != 0 || GameScreen->IntroAnim->Active) {
    rest = 0;
    return;
  }
  if (HUD && HUD->FlagLevel != lastHole) {
    lastHole = HUD->FlagLevel;
    refused.clear();
    cardsClicked = 0;
    ++holesSeen;
  }
  if (holdPlay || !Rested(48)) return;
  if (auto b = GameScreen->MenuButton("end_hole"); b && b->Active && !b->Disabled) return ClickButton(b);
  if (auto b = GameScreen->MenuButton("enddrive"); b && b->Active && !b->Disabled) return ClickButton(b);
  if (const auto c = NextPlayableCard(refused)) {
    ++cardsClicked;
    return ClickAt(static_cast<int>(c->x) + 34, static_cast<int>(c->y) + 50);
  }
  if (auto top = CardList->StockTopFind()) ClickAt(static_cast<int>(top->x) + 34, static_cast<int>(top->y) + 50);
}

std::shared_ptr<TCard> NextPlayableCard(std::set<int>& tried) {
  for (const auto& c : CardList->Cards) {
    if (!c->Playfield || !c->Uncovered() || !c->FaceUp || c->Spinning || c->FlipCounter > 0) continue;
    if (tried.count(c->ID)) continue;
    const bool special = c->CardType == CARDTYPE_WEDGE || c->CardType == CARDTYPE_IRON;
    if (!special && !GameGrid->ValidValue(c->Value)) continue;
    tried.insert(c->ID);
    return c;
  }
  return nullptr;
}

void AdvanceModal() { quill_test::AdvanceModalClock(16); }

void TScriptedPlayer::StartTheFirstCourse(const std::string& name) {
  onScreen = [this, name, started = false](const std::shared_ptr<TScreen>& current) mutable {
    if (current == TitleScreen && !started) {
      if (AnswerFirstRun(name) || !Rested(1000)) return;
      ClickButton(TitleScreen->Menu->FindButton("Bigplay"));
      started = true;
    } else if (current == LevelSelectScreen && Rested(1000)) {
      ClickButton(LevelSelectScreen->Menu->FindButton("start"));
    }
  };
}

void EmptyUserFolder() {
  if (const char* home = std::getenv("XDG_DATA_HOME")) {
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(home) / "Marrowfen", ignored);
  }
}

std::shared_ptr<TProfile> NewPlayer(const std::string& name, int cash) {
  EXPECT_EQ(CreateProfile(name), 0);
  auto profile = Game->CurrentProfile;
  profile->Score = cash;
  GameScreen->Player->ProfileRead(profile.get(), 0);
  profile->Save();
  if (TitleScreen) TitleScreen->SetupWelcome();
  return profile;
}

std::shared_ptr<TProfile> PlayTutorialFromTheTitle(const std::string& name, int cash) {
  TitleScreen->EnterName = nullptr;
  Game->ProfileName = name;
  auto profile = TProfile::Create(name);
  InstallProfileHooks(*profile);
  auto& save = *GameScreen->Player->SaveData;
  save.CourseName = "The Vuva Rivudar";
  save.MidCourse = 1;
  save.MidHole = 0;
  profile->CurrentLevel = 1;
  profile->Score = cash;
  profile->Save();
  Game->CurrentProfile = profile;
  TitleScreen->PlayGame();
  return profile;
}

std::shared_ptr<TProfile> ReadBack(const std::string& name) {
  auto back = TProfile::Create(name);
  InstallProfileHooks(*back);
  EXPECT_EQ(back->Load(), 1);
  return back;
}

}  // namespace road_test

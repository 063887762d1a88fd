// Whole rounds through the real program, headless, over the staged data with a fixed clock and
// fixed seeds, played by scripted clicks as a player would: the title's Play, the course selector's
// Start, the newspaper, every hole (End Drive when shown, else a card that plays, else the stock,
// then End Hole; a wild shot's rifle shoots the first free card), the scorecard's Continue and the
// course-end dialog. One test plays the first
// course from a new player to the course selector; the other finishes the last course of the list
// and goes through the ending back to the title.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <set>
#include <string>

#include "cards/card_list.h"
#include "cards/game_grid.h"
#include "cards/globals.h"
#include "content/course.h"
#include "content/globals.h"
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
#include "progress/progress_rules.h"
#include "progress/save_data.h"
#include "screens/course_end_dialog.h"
#include "screens/game_finished_screen.h"
#include "screens/globals.h"
#include "screens/hint_scroll.h"
#include "screens/level_select_screen.h"
#include "screens/newspaper_screen.h"
#include "screens/resume_game_dialog.h"
#include "screens/run_game.h"
#include "screens/score_card_screen.h"
#include "screens/time_bonus_dialog.h"
#include "screens/title_screen.h"
#include "ui/button.h"
#include "ui/dialog.h"
#include "ui/menu.h"
#include "ui/profile.h"
#include "util/animation.h"
#include "util/globals.h"
#include "wildshot/globals.h"
#include "wildshot/wildshot_screen.h"

namespace {

void Push(int kind, int data, int x = 400, int y = 300) {
  platform::Event event;
  event.kind = kind;
  event.data = data;
  event.x = x;
  event.y = y;
  platform::PushEvent(event);
}

// Modal loops (the game's own message boxes) get a space now and then so none waits forever.
void AdvanceSixteen() {
  static int passes = 0;
  platform::AdvanceManualClock(16);
  if (++passes % 1000 == 0) {
    Push(platform::EVENT_KEY_DOWN, 32);
    Push(platform::EVENT_KEY_UP, 32);
  }
}

void Key(int code) {
  Push(platform::EVENT_KEY_DOWN, code);
  Push(platform::EVENT_KEY_UP, code);
}

void Type(const std::string& text) {
  for (char c : text) Push(platform::EVENT_KEY_CHAR, static_cast<unsigned char>(c));
}

// The scripted player. Every frame it looks at what is on the screen and, once things have rested
// a while, clicks what a player would click next. A press now, its release on the next frame (the
// play field reads the held button).
class TScriptedPlayer {
 public:
  int frames = 0, clicks = 0, holesSeen = 0, wildShots = 0, miniGames = 0, riflesFired = 0;
  bool sawNewspaper = false, sawCourseEnd = false;
  std::string trail;  // the screens met, in order
  // The game's clock moves this much between two drawn frames: 50 ms, the most the game's timer
  // lets pass in one frame (ten logic ticks), so a whole course needs few drawings.
  int frameMs = 50;

  void ClickAt(int x, int y) {
    Push(platform::EVENT_MOUSE_MOVE, 0, x, y);
    Push(platform::EVENT_MOUSE_DOWN, 1, x, y);
    releaseX = x;
    releaseY = y;
    ++clicks;
  }
  void ClickButton(const std::shared_ptr<TButton>& b) {
    ClickAt(static_cast<int>(b->x) + b->w / 2, static_cast<int>(b->y) + b->h / 2);
  }
  static std::shared_ptr<TButton> Usable(const std::shared_ptr<TMenu>& menu, const std::string& name) {
    if (!menu) return nullptr;
    auto b = menu->FindButton(name);
    return b && b->Active && b->Disabled == 0 ? b : nullptr;
  }
  static std::shared_ptr<TButton> FirstUsable(const std::shared_ptr<TMenu>& menu) {
    if (!menu) return nullptr;
    for (const auto& b : menu->Buttons) {
      if (b && b->Active && b->Disabled == 0) return b;
    }
    return nullptr;
  }

  // One frame of the player.
  void Step() {
    ++frames;
    if (releaseX >= 0) {
      Push(platform::EVENT_MOUSE_UP, 1, releaseX, releaseY);
      releaseX = releaseY = -1;
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
      if (rest * frameMs > 500) Act([] { return std::pair(400, 300); });
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

  std::function<void(const std::shared_ptr<TScreen>&)> onScreen;  // title, selector, ending

  // Waits until the screen has rested `ms` milliseconds of the game's clock since the last action.
  bool Rested(int ms) {
    if (rest * frameMs < ms) return false;
    rest = 0;
    return true;
  }

 private:
  int releaseX = -1, releaseY = -1, rest = 0;
  std::shared_ptr<TScreen> lastScreen;
  std::set<int> refused;
  int lastHole = -1;

  template <class F>
  void Act(F where) {
    rest = 0;
    auto [x, y] = where();
    ClickAt(x, y);
  }

  void PlayStep() {
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
          Key(13);
        } else if (w.Cards && w.Tries > 0 && !w.BallFound && cardTry < w.Cards->Cards.size()) {
          auto c = w.Cards->Cards[cardTry++];
          ClickAt(static_cast<int>(c->x + 10), static_cast<int>(c->y + 10));
        } else {
          Key(32);
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
      if (!Rested(800)) return;
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
      ++holesSeen;
    }
    if (!Rested(48)) return;
    if (auto b = GameScreen->MenuButton("end_hole"); b && b->Active && !b->Disabled) return ClickButton(b);
    if (auto b = GameScreen->MenuButton("enddrive"); b && b->Active && !b->Disabled) return ClickButton(b);
    for (const auto& c : CardList->Cards) {
      if (!c->Playfield || !c->Uncovered() || !c->FaceUp || c->Spinning || c->FlipCounter > 0) continue;
      if (refused.count(c->ID)) continue;
      const bool special = c->CardType == CARDTYPE_WEDGE || c->CardType == CARDTYPE_IRON;
      if (!special && !GameGrid->ValidValue(c->Value)) continue;
      refused.insert(c->ID);  // tried once; a card that stays is not tried again
      return ClickAt(static_cast<int>(c->x) + 34, static_cast<int>(c->y) + 50);
    }
    if (auto top = CardList->StockTopFind()) ClickAt(static_cast<int>(top->x) + 34, static_cast<int>(top->y) + 50);
  }

  int wildOpen = 0, miniOpen = 0;
  std::size_t cardTry = 0;
};

// An empty per-user folder, whatever earlier tests of this process left in it.
void EmptyUserFolder() {
  if (const char* home = std::getenv("XDG_DATA_HOME")) {
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(home) / "Marrowfen", ignored);
  }
}

// A new player made as the game makes one, with `cash` to spend, current and on disk.
std::shared_ptr<TProfile> NewPlayer(const std::string& name, int cash) {
  EXPECT_EQ(CreateProfile(name), 0);
  auto profile = Game->CurrentProfile;
  profile->Score = cash;
  GameScreen->Player->ProfileRead(profile.get(), 0);
  profile->Save();
  if (TitleScreen) TitleScreen->SetupWelcome();
  return profile;
}

std::shared_ptr<TProfile> ReadBack(const std::string& name) {
  auto back = TProfile::Create(name);
  InstallProfileHooks(*back);
  EXPECT_EQ(back->Load(), 1);
  return back;
}

}  // namespace

TEST(CourseRoadTest, ANewPlayerPlaysTheFirstCourseFromTheTitleBackToTheCourseSelector) {
  EmptyUserFolder();
  ccModalLoopHook = &AdvanceSixteen;
  platform::SetManualClock(1000000);
  TScriptedPlayer p;
  enum Stage { Start, Selector, Round, Back, Quit } stage = Start;
  const int cash = 1000;
  int fee = -1, purse = -1, holes = -1, toPar = 1000, cashBack = -1, unlockedNext = -1;
  std::string selectedCourse;
  bool typed = false;
  p.onScreen = [&](const std::shared_ptr<TScreen>& current) {
    if (current == TitleScreen && stage == Start) {
      // The first run asks for a name (typed, then Enter), then a face.
      if (TitleScreen->EnterName) {
        if (!p.Rested(500)) return;
        if (TitleScreen->DrawDisabled != 0) {
          // The avatar chooser: the first gent's portrait, then its OK.
          Push(platform::EVENT_MOUSE_MOVE, 0, 78, 198);
          Push(platform::EVENT_MOUSE_DOWN, 1, 78, 198);
          Push(platform::EVENT_MOUSE_UP, 1, 78, 198);
          Key(13);
        } else if (typed) {
          Key(13);
        } else {
          Type("Ann");
          Key(13);
          typed = true;
        }
        return;
      }
      if (!p.Rested(1000)) return;
      NewPlayer("Round Tester", cash);
      p.ClickButton(TitleScreen->Menu->FindButton("Bigplay"));
      stage = Selector;
    } else if (current == LevelSelectScreen && stage == Selector) {
      if (!p.Rested(1000)) return;
      auto course = CourseAtIndex(0);
      ASSERT_TRUE(course);
      selectedCourse = GameScreen->Player->SaveData->CourseName;
      fee = course->Fee;
      purse = course->Purse;
      holes = course->Holes;
      p.ClickButton(LevelSelectScreen->Menu->FindButton("start"));
      stage = Round;
    } else if (current == LevelSelectScreen && stage == Round && p.holesSeen > 0) {
      // Back from the round: what the course paid and opened.
      if (!p.Rested(500)) return;
      auto& save = *GameScreen->Player->SaveData;
      toPar = 0;
      for (int h = 0; h < holes; ++h) toPar += save.CourseArrayToPar[static_cast<size_t>(h)];
      cashBack = Game->CurrentProfile ? Game->CurrentProfile->Score : -1;
      unlockedNext = save.UnlockedCourses[1];
      stage = Back;
      Push(platform::EVENT_APP_TERMINATE, 0);
      stage = Quit;
    }
  };
  TEntrySteps steps = GameEntrySteps();
  steps.AfterFrame = [&] {
    platform::AdvanceManualClock(p.frameMs);
    p.Step();
    return p.frames < 20000;
  };
  const int status = RunEntry(steps);
  ccModalLoopHook = nullptr;
  ASSERT_EQ(status, 0) << p.trail;
  ASSERT_EQ(stage, Quit) << "screens: " << p.trail << "; " << p.frames << " frames, " << p.clicks
                         << " clicks, " << p.holesSeen << " holes";
  EXPECT_EQ(selectedCourse, "The Vuva Rivudar");
  EXPECT_TRUE(p.sawNewspaper);
  EXPECT_EQ(p.holesSeen, holes);
  EXPECT_EQ(p.trail.find("title levelselect newspaper game levelselect"), p.trail.find("title"))
      << p.trail;
  // Under par the purse is paid on top of the holes' winnings.
  EXPECT_EQ(ScoreCardScreen->PurseWon, toPar < 0 ? 1 : 0) << "course result " << toPar;
  if (toPar < 0) {
    EXPECT_GE(ScoreCardScreen->PurseValue, purse);
  }
  EXPECT_GE(cashBack, cash - fee + (toPar < 0 ? ScoreCardScreen->PurseValue : 0)) << "course result " << toPar;
  EXPECT_EQ(p.sawCourseEnd, toPar < 0);
  if (toPar <= 0) {
    EXPECT_GT(unlockedNext, 0) << "course result " << toPar;
  }
  // On disk as well: no round in progress, the cash as shown.
  auto back = ReadBack("Round Tester");
  EXPECT_EQ(back->Score, cashBack);
  EXPECT_EQ(GameScreen->Player->SaveData->MidCourse, 0);
  std::printf("course: %d frames, %d clicks, %d wild shots, %d mini-games, %d rifle shots, result %+d; %s\n",
              p.frames, p.clicks, p.wildShots, p.miniGames, p.riflesFired, toPar, p.trail.c_str());
}

TEST(CourseRoadTest, WinningTheLastHoleOfTheLastCourseShowsTheEndingThenTheTitle) {
  EmptyUserFolder();
  ccModalLoopHook = &AdvanceSixteen;
  platform::SetManualClock(2000000);
  TScriptedPlayer p;
  enum Stage { Start, Round, Ending, Quit } stage = Start;
  bool typed = false;
  std::string lastCourse;
  int completed = -1;
  p.onScreen = [&](const std::shared_ptr<TScreen>& current) {
    if (current == TitleScreen && stage == Start) {
      if (TitleScreen->EnterName) {
        if (!p.Rested(500)) return;
        if (TitleScreen->DrawDisabled != 0) {
          // The avatar chooser: the first gent's portrait, then its OK.
          Push(platform::EVENT_MOUSE_MOVE, 0, 78, 198);
          Push(platform::EVENT_MOUSE_DOWN, 1, 78, 198);
          Push(platform::EVENT_MOUSE_UP, 1, 78, 198);
          Key(13);
        } else if (typed) {
          Key(13);
        } else {
          Type("Ann");
          Key(13);
          typed = true;
        }
        return;
      }
      if (!p.Rested(1000)) return;
      // Every course open, the last one in progress at its last hole, well under par so far.
      auto profile = NewPlayer("Final Tester", 5000);
      auto course = CourseList->back();
      lastCourse = course->Name;
      auto& player = *GameScreen->Player;
      auto& save = *player.SaveData;
      for (int i = 0; i < Game->MaxLevels && i < static_cast<int>(save.UnlockedCourses.size()); ++i) {
        save.UnlockedCourses[static_cast<size_t>(i)] = COURSE_OPEN;
      }
      save.CourseName = course->Name;
      save.MidCourse = 1;
      save.MidHole = 0;
      for (int h = 0; h + 1 < course->Holes; ++h) save.CourseArrayToPar[static_cast<size_t>(h)] = -3;
      profile->CurrentLevel = course->Holes;
      profile->Save();
      player.ProfileRead(profile.get(), 1);
      TitleScreen->PlayGame();
      stage = Round;
    } else if (current == GameFinishedScreen && stage == Round) {
      completed = GameScreen->Player->SaveData->UnlockedCourses[static_cast<size_t>(Game->MaxLevels - 1)];
      stage = Ending;
    } else if (current == GameFinishedScreen && stage == Ending) {
      if (p.Rested(5000)) p.ClickAt(400, 300);
    } else if (current == TitleScreen && stage == Ending) {
      if (!p.Rested(1000)) return;
      Push(platform::EVENT_APP_TERMINATE, 0);
      stage = Quit;
    }
  };
  TEntrySteps steps = GameEntrySteps();
  steps.AfterFrame = [&] {
    platform::AdvanceManualClock(p.frameMs);
    p.Step();
    return p.frames < 20000;
  };
  const int status = RunEntry(steps);
  ccModalLoopHook = nullptr;
  ASSERT_EQ(status, 0) << p.trail;
  ASSERT_EQ(stage, Quit) << "screens: " << p.trail << "; " << p.frames << " frames, " << p.clicks << " clicks";
  EXPECT_NE(p.trail.find("game gamefinished title"), std::string::npos) << p.trail;
  EXPECT_TRUE(p.sawCourseEnd);
  EXPECT_EQ(completed, COURSE_COMPLETED);
  EXPECT_EQ(GameScreen->Player->SaveData->MidCourse, 0);
  std::printf("ending: %s after %d frames\n", p.trail.c_str(), p.frames);
}

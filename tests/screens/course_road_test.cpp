// Whole rounds through the real program, headless, over the staged data with a fixed clock and
// fixed seeds, played by the scripted player (tests/screens/scripted_player.h) as a player would:
// the title's Play, the course selector's Start, the newspaper, every hole, the scorecard's
// Continue and the course-end dialog. One test plays the first course from a new player to the
// course selector; the other finishes the last course of the list and goes through the ending back
// to the title.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "content/course.h"
#include "content/globals.h"
#include "core/game.h"
#include "core/globals.h"
#include "play/game_screen.h"
#include "platform/input.h"
#include "platform/system.h"
#include "progress/player.h"
#include "progress/progress_rules.h"
#include "progress/save_data.h"
#include "screens/game_finished_screen.h"
#include "screens/globals.h"
#include "screens/level_select_screen.h"
#include "screens/score_card_screen.h"
#include "screens/title_screen.h"
#include "tests/screens/scripted_player.h"
#include "tests/support/harness.h"
#include "ui/button.h"
#include "ui/menu.h"
#include "ui/profile.h"
#include "util/globals.h"

using namespace road_test;

TEST(CourseRoadTest, ANewPlayerPlaysTheFirstCourseFromTheTitleBackToTheCourseSelector) {
  EmptyUserFolder();
  ccModalLoopHook = &AdvanceModal;
  platform::SetManualClock(1000000);
  TScriptedPlayer p;
  enum Stage { Start, Selector, Round, Quit } stage = Start;
  const int cash = 1000;
  int fee = -1, purse = -1, holes = -1, toPar = 1000, cashBack = -1, unlockedNext = -1;
  std::string selectedCourse;
  p.onScreen = [&](const std::shared_ptr<TScreen>& current) {
    if (current == TitleScreen && stage == Start) {
      // The first run asks for a name, then a face.
      if (p.AnswerFirstRun("Ann")) return;
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
      quill_test::PushEventKind(platform::EVENT_APP_TERMINATE);
      stage = Quit;
    }
  };
  const int status = p.Play(20000);
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
  ccModalLoopHook = &AdvanceModal;
  platform::SetManualClock(2000000);
  TScriptedPlayer p;
  enum Stage { Start, Round, Ending, Quit } stage = Start;
  std::string lastCourse;
  int completed = -1;
  p.onScreen = [&](const std::shared_ptr<TScreen>& current) {
    if (current == TitleScreen && stage == Start) {
      if (p.AnswerFirstRun("Ann")) return;
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
      quill_test::PushEventKind(platform::EVENT_APP_TERMINATE);
      stage = Quit;
    }
  };
  const int status = p.Play(20000);
  ccModalLoopHook = nullptr;
  ASSERT_EQ(status, 0) << p.trail;
  ASSERT_EQ(stage, Quit) << "screens: " << p.trail << "; " << p.frames << " frames, " << p.clicks << " clicks";
  EXPECT_NE(p.trail.find("game gamefinished title"), std::string::npos) << p.trail;
  EXPECT_TRUE(p.sawCourseEnd);
  EXPECT_EQ(completed, COURSE_COMPLETED);
  EXPECT_EQ(GameScreen->Player->SaveData->MidCourse, 0);
  std::printf("ending: %s after %d frames\n", p.trail.c_str(), p.frames);
}

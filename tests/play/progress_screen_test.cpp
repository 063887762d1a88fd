// The player's clock as the screens hold it: the score card, the hints, the wild shot screen, the
// closing animation and the HUD's 5x celebration each stop it. The player record's own rules are
// tested without the screens in tests/progress/.
#include <gtest/gtest.h>

#include "progress/player.h"
#include "screens/globals.h"
#include "screens/hint_scroll.h"
#include "screens/score_card_screen.h"
#include "tests/play/progress_play_fixture.h"
#include "ui/profile.h"
#include "util/animation.h"
#include "wildshot/globals.h"
#include "wildshot/wildshot_screen.h"

namespace {

class PlayerTest : public ProgressTest {};

TEST_F(PlayerTest, TheClockStandsStillWhileSomethingHoldsPlay) {
  ScoreCardScreen = std::make_shared<TScoreCardScreen>();
  HintScroll = std::make_shared<THintScroll>();
  WildShotScreen = std::make_shared<TWildshotScreen>();
  const std::vector<std::pair<const char*, std::function<void(bool)>>> holds = {
      {"scorecard", [](bool on) { ScoreCardScreen->Active = on; }},
      {"hints", [](bool on) { HintScroll->Active = on; }},
      {"wild shot", [](bool on) { WildShotScreen->Active = on; }},
      {"outro", [](bool on) {
         if (!GameScreen->OutroAnim) GameScreen->OutroAnim = TAnimation::Create(2000, 1, 0, 0);
         GameScreen->OutroAnim->Active = on;
       }},
      {"5x", [](bool on) { HUD->FiveXAnimCounter = on ? 50.0f : 0.0f; }},
      {"perfect", [this](bool on) { Player().Perfect = on; }},
  };
  for (const auto& [name, hold] : holds) {
    Player().TimeTaken = 0;
    Player().TotalTimeTaken = 0;
    hold(true);
    Player().Manage();
    EXPECT_EQ(Player().TimeTaken, 0) << name;
    EXPECT_EQ(Player().TotalTimeTaken, 0) << name;
    hold(false);
    Player().Manage();
    EXPECT_EQ(Player().TimeTaken, 1) << name;
  }
  ScoreCardScreen.reset();
  HintScroll.reset();
  WildShotScreen.reset();
}

// The tips a game has shown stay shown when the same player goes on with the course in progress
// (a save and resume from the title); a new course or another player starts the tips afresh.
TEST_F(PlayerTest, TipsShownInACourseStayShownWhenItIsResumed) {
  auto shown = [] {
    GameScreen->MissedCardPopUps = 2;
    GameScreen->IronPopUps = 1;
    GameScreen->LongDrivePopUps = 1;
  };
  auto tips = [] {
    return std::vector<int>{GameScreen->MissedCardPopUps, GameScreen->IronPopUps,
                            GameScreen->LongDrivePopUps};
  };
  Game->CurrentProfile = TProfile::Create("Tess");
  ASSERT_TRUE(Game->CurrentProfile);
  Player().Name = "Tess";
  Save().MidCourse = 1;
  shown();
  GameScreen->GameStart();
  EXPECT_EQ(Player().Name, "Tess");
  EXPECT_EQ(tips(), (std::vector<int>{2, 1, 1})) << "resumed course";
  Save().MidCourse = 0;
  GameScreen->GameStart();
  EXPECT_EQ(tips(), (std::vector<int>{0, 0, 0})) << "no course in progress";
  shown();
  Save().MidCourse = 1;
  Game->CurrentProfile = TProfile::Create("Ann");
  GameScreen->GameStart();
  EXPECT_EQ(tips(), (std::vector<int>{0, 0, 0})) << "another player";
  Game->CurrentProfile.reset();
}

}  // namespace

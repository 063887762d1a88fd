// Each of the title's buttons, clicked as a player clicks it in the real game, reaches its screen,
// and that screen's own way out comes back: options and its credits, career statistics, the
// trophy room, the golf shop (from the title and from the course selector), the player manager,
// and play to the course selector. Exit stops the program.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/game.h"
#include "core/globals.h"
#include "core/screen.h"
#include "screens/career_stats_screen.h"
#include "screens/credits_screen.h"
#include "screens/globals.h"
#include "screens/level_select_screen.h"
#include "screens/options_screen.h"
#include "screens/shop_screen.h"
#include "screens/title_screen.h"
#include "screens/trophy_screen.h"
#include "tests/screens/menu_game.h"
#include "ui/button.h"
#include "ui/menu.h"
#include "ui/player_manager.h"

using namespace menu_test;

namespace {

class TitleRoadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!LoadGame()) GTEST_SKIP() << "no data folder";
    Quiesce();
    ResetProfiles({"Ann"});
    UsePlayer("Ann");
    // The first-run name prompt of the loading (no player file existed then) is not wanted here.
    TitleScreen->EnterName = nullptr;
    Enter(TitleScreen, nullptr);
    ASSERT_TRUE(Settle(TitleScreen));
  }
  // Clicks the named button of the current screen's menu once the screen rests.
  static void Press(const std::shared_ptr<TScreen>& screen, const std::string& name) {
    ASSERT_TRUE(screen->Menu);
    auto b = screen->Menu->FindButton(name);
    ASSERT_TRUE(b) << screen->name << " has no " << name;
    RunUntil([] { return false; }, 120);  // the page's slide and the buttons' drop are over
    ClickButton(b);
  }
};

struct Trip {
  const char* button;   // on the title
  const char* screen;   // reached
  const char* back;     // its button back, or "" for Escape
};

class TitleTripTest : public TitleRoadTest, public ::testing::WithParamInterface<Trip> {};

TEST_P(TitleTripTest, ReachesItsScreenAndComesBack) {
  const Trip trip = GetParam();
  Press(TitleScreen, trip.button);
  ASSERT_TRUE(RunUntil([] { return Game->CurrentTScreen != TitleScreen && Game->Fading() == 0; }, 1200));
  const auto there = Game->CurrentTScreen;
  ASSERT_TRUE(there);
  EXPECT_EQ(there->name, trip.screen);
  if (std::string(trip.back).empty()) {
    RunUntil([] { return false; }, 30);
    Key(27);
  } else {
    Press(there, trip.back);
  }
  EXPECT_TRUE(Settle(TitleScreen, 1200)) << "still on " << Game->CurrentTScreen->name;
}

INSTANTIATE_TEST_SUITE_P(Buttons, TitleTripTest,
                         ::testing::Values(Trip{"titleoptions", "options", "ok"},
                                           Trip{"careerstats", "career stats", "OK"},
                                           Trip{"trophies", "trophy", "OK"},
                                           Trip{"golfshop", "shop", "leave_shop"},
                                           Trip{"Bigplay", "levelselect", "back"}));

TEST_F(TitleRoadTest, OptionsCreditsAndBackToTheTitle) {
  Press(TitleScreen, "titleoptions");
  ASSERT_TRUE(RunUntil([] { return Game->CurrentTScreen == OptionsScreen && Game->Fading() == 0; }, 1200))
      << "on " << Game->CurrentTScreen->name << " fading " << Game->Fading();
  Press(OptionsScreen, "credits");
  ASSERT_TRUE(Settle(CreditsScreen, 1200));
  RunUntil([] { return false; }, 30);
  Key(13);
  ASSERT_TRUE(Settle(OptionsScreen, 1200));
  Press(OptionsScreen, "ok");
  EXPECT_TRUE(Settle(TitleScreen, 1200));
}

TEST_F(TitleRoadTest, TheCourseSelectorsGolfShopLeadsBackToTheSelector) {
  Press(TitleScreen, "Bigplay");
  ASSERT_TRUE(Settle(LevelSelectScreen, 1200));
  Press(LevelSelectScreen, "golfshop");
  ASSERT_TRUE(Settle(ShopScreen, 1200));
  Press(ShopScreen, "leave_shop");
  EXPECT_TRUE(Settle(LevelSelectScreen, 1200)) << "on " << Game->CurrentTScreen->name;
}

TEST_F(TitleRoadTest, ChangePlayerOpensThePlayerManagerOverTheTitleAndEscapeClosesIt) {
  Press(TitleScreen, "changeplayer");
  ASSERT_TRUE(RunUntil([] { return TitleScreen->PlayerManager && TitleScreen->PlayerManager->Active != 0; }, 120));
  RunUntil([] { return false; }, 60);
  Key(27);
  EXPECT_TRUE(RunUntil([] { return !TitleScreen->PlayerManager || TitleScreen->PlayerManager->Active == 0; }, 300));
  EXPECT_EQ(Game->CurrentTScreen, TitleScreen);
}

TEST_F(TitleRoadTest, ExitLeavesForTheExitScreen) {
  Press(TitleScreen, "exit");
  EXPECT_TRUE(RunUntil([] { return Game->DestinationTScreen == Game->ExitScreen || Game->InstantExit != 0 ||
                                   Game->CurrentTScreen == Game->ExitScreen; },
                       600));
}

}  // namespace

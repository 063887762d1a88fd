// The end of a hole through the real program, headless, played by the scripted player from the
// title with the first course in progress at its first hole:
//   - cash and career earnings that the hole's winnings would carry past the largest int stop
//     there, in play and in the player's file;
//   - a score card picture that is damaged (met only when the hole ends) stops the game through the
//     fatal box, and the hole just played is in the player's file, paid: the next start resumes the
//     round at hole 2;
//   - the same with the player's file read-only: the error log names the picture, then the save
//     that failed;
//   - a round saved with its scores at the int limit plays its last hole to the end, its scores
//     brought into range as they are read and its totals stopped at the limit;
//   - a quit while the score card zooms in, before it has paid the hole, saves the hole paid.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "cards/game_grid.h"
#include "cards/globals.h"
#include "core/game.h"
#include "core/globals.h"
#include "play/game_screen.h"
#include "platform/input.h"
#include "platform/system.h"
#include "progress/career_stats.h"
#include "progress/player.h"
#include "progress/profile_hooks.h"
#include "progress/save_data.h"
#include "progress/stat.h"
#include "screens/globals.h"
#include "screens/score_card_screen.h"
#include "screens/title_screen.h"
#include "tests/content/real_game.h"
#include "tests/screens/scripted_player.h"
#include "tests/support/harness.h"
#include "tests/support/write_faults.h"
#include "ui/profile.h"
#include "util/globals.h"
#include "util/input.h"

using namespace road_test;

namespace {

using quill_test::ReadWholeFile;

namespace fs = std::filesystem;

constexpr int kFrameBudget = 20000;

// Per test: a first run's user folder, the modal loops fed by the manual clock.
class HoleKeptRoadTest : public testing::Test {
 protected:
  void SetUp() override {
    EmptyUserFolder();
    ccModalLoopHook = &AdvanceModal;
    platform::SetManualClock(1000000);
  }
  void TearDown() override {
    ccModalLoopHook = nullptr;
    // The fatal box leaves polled input on, as the program ends next: the next test starts from
    // the event-driven loop.
    ccDisablePolledInput();
    FlushKeys();
  }

  // The scripted player takes the title to the first hole of the first course for `name` with
  // `cash`, and plays it.
  static void StartOnTheTitle(TScriptedPlayer& player, const std::string& name, int cash) {
    player.onScreen = [name, cash, started = false](const std::shared_ptr<TScreen>& s) mutable {
      if (s != TitleScreen || started || Game->Fading() != 0) return;
      started = true;
      PlayTutorialFromTheTitle(name, cash);
    };
  }

  // The hole's strokes as the card records them: cards left, at most par + 5.
  static int Recorded(int cardsLeft, int par) { return std::min(cardsLeft, par + 5); }
};

TEST_F(HoleKeptRoadTest, WinningsPastTheLargestIntStopThereInPlayAndInTheFile) {
  TScriptedPlayer player;
  player.holdScoreCard = true;
  StartOnTheTitle(player, "Rich Player", INT_MAX - 5);
  bool paid = false, quit = false, rich = false;
  int won = 0;
  const int status = player.Play(kFrameBudget, [&] {
    // The career earnings as high as the cash, once the hole is dealt.
    if (!rich && Game->CurrentTScreen == GameScreen && GameGrid) {
      GameScreen->Player->SaveData->CareerStats->CareerEarnings->Value = INT_MAX - 5;
      rich = true;
    }
    if (quit || !ScoreCardScreen || ScoreCardScreen->Active == 0 || ScoreCardScreen->WinningsDue != 0) return;
    if (!paid) {
      paid = true;
      won = ScoreCardScreen->GetYouWon();
      return;
    }
    quill_test::PushEventKind(platform::EVENT_APP_TERMINATE);
    quit = true;
  });
  ASSERT_EQ(status, 0) << player.trail;
  ASSERT_TRUE(quit) << player.trail;
  // Every card played wins 3, so the hole wins more than the 5 left below the largest int.
  ASSERT_GT(won, 5);
  EXPECT_EQ(GameScreen->Player->Score, INT_MAX);

  auto back = ReadBack("Rich Player");
  EXPECT_EQ(back->Score, INT_MAX);
  EXPECT_EQ(back->CurrentLevel, 2);
  const auto& save = *GameScreen->Player->SaveData;
  EXPECT_EQ(save.CareerStats->CareerEarnings->Value, INT_MAX);
  EXPECT_EQ(save.CareerStats->TotalHoleCash->Value, won);
  EXPECT_EQ(save.CourseCash, won);
}

TEST_F(HoleKeptRoadTest, ADamagedScoreCardPictureAfterAHoleLeavesTheHolePaidInTheFile) {
  const std::string staged = platform::DataPrefix();
  if (!DataFolderPresent(staged)) GTEST_SKIP() << "no data folder at " << staged << "Data";
  // The staged data with the score card's background replaced by bytes that are no picture.
  const fs::path root = quill_test::TempFolder("broken-scorecard");
  const std::string relative = "Data/graphics/scorecard/Scorecard_bg.png";
  MirrorDataFolder(staged, root, {"Data", "graphics", "scorecard", "Scorecard_bg.png"});
  std::ofstream(root / relative, std::ios::binary) << "\x89PNG\r\n\x1a\n not a picture at all";
  setenv("QUILLBROOK_DATA", root.c_str(), 1);

  TScriptedPlayer player;
  StartOnTheTitle(player, "Unlucky Player", 500);
  int cardsLeft = -1, par = -1;
  const int status = player.Play(kFrameBudget, [&] {
    if (Game->CurrentTScreen == GameScreen && GameGrid && GameGrid->HolePar > 0) {
      cardsLeft = GameGrid->CardsLeft;
      par = GameGrid->HolePar;
    }
  });
  ASSERT_EQ(status, 1) << player.trail;
  ASSERT_GE(par, 0);
  EXPECT_NE(ReadWholeFile(ccErrorPath + "ErrorLog.txt").find("scorecard/Scorecard_bg.png"), std::string::npos);

  // The file as the next start reads it: the round goes on at hole 2, hole 1 recorded and paid.
  auto& save = *GameScreen->Player->SaveData;
  save.InitLevelStats();
  save.CourseArrayCards.fill(0);
  save.CourseCash = 0;
  auto back = ReadBack("Unlucky Player");
  EXPECT_EQ(back->CurrentLevel, 2);
  EXPECT_EQ(save.MidCourse, 1);
  EXPECT_EQ(save.MidHole, 0);
  EXPECT_EQ(save.CourseArrayCards[0], Recorded(cardsLeft, par));
  EXPECT_GT(back->Score, 500);
  EXPECT_EQ(save.CourseCash, back->Score - 500);
  EXPECT_EQ(save.CareerStats->CareerEarnings->Value, back->Score - 500);
}

TEST_F(HoleKeptRoadTest, WhenTheSaveAfterADamagedScoreCardPictureFailsTheLogStillNamesThePicture) {
  const std::string staged = platform::DataPrefix();
  if (!DataFolderPresent(staged)) GTEST_SKIP() << "no data folder at " << staged << "Data";
  const fs::path root = quill_test::TempFolder("broken-scorecard-read-only");
  const std::string relative = "Data/graphics/scorecard/Scorecard_bg.png";
  MirrorDataFolder(staged, root, {"Data", "graphics", "scorecard", "Scorecard_bg.png"});
  std::ofstream(root / relative, std::ios::binary) << "\x89PNG\r\n\x1a\n not a picture at all";
  setenv("QUILLBROOK_DATA", root.c_str(), 1);

  TScriptedPlayer player;
  StartOnTheTitle(player, "Stuck Player", 500);
  // Once the hole is dealt, the player's file can no longer be written, as in a read-only folder.
  std::unique_ptr<quill_test::WriteFaults> readOnly;
  const int status = player.Play(kFrameBudget, [&] {
    if (!readOnly && Game->CurrentTScreen == GameScreen && GameGrid && GameGrid->HolePar > 0)
      readOnly = std::make_unique<quill_test::WriteFaults>(quill_test::WriteFault::kReadOnly, "Stuck Player.dat");
  });
  ASSERT_EQ(status, 1) << player.trail;
  ASSERT_TRUE(readOnly);
  EXPECT_GT(readOnly->Faulted(), 0);
  // The picture that ended the game, then the save that failed after it.
  const std::string log = ReadWholeFile(ccErrorPath + "ErrorLog.txt");
  const std::size_t picture = log.find("scorecard/Scorecard_bg.png");
  const std::size_t save = log.find("Could not create file", picture == std::string::npos ? 0 : picture);
  EXPECT_NE(picture, std::string::npos) << log;
  EXPECT_NE(save, std::string::npos) << log;
}

// A saved round whose scores lie at the int limit (a damaged file) plays its last hole to the end:
// the hole scores come back within what a hole can score, and what play adds to the totals stops
// at the limit.
TEST_F(HoleKeptRoadTest, ARoundSavedAtTheIntLimitPlaysItsLastHoleAndItsTotalsStopThere) {
  TScriptedPlayer player;
  player.holdScoreCard = true;
  player.onScreen = [started = false](const std::shared_ptr<TScreen>& s) mutable {
    if (s != TitleScreen || started || Game->Fading() != 0) return;
    started = true;
    TitleScreen->EnterName = nullptr;
    Game->ProfileName = "Damaged Player";
    auto profile = TProfile::Create("Damaged Player");
    InstallProfileHooks(*profile);
    auto& save = *GameScreen->Player->SaveData;
    save.CourseName = "The Vuva Rivudar";
    save.MidCourse = 1;
    save.MidHole = 0;
    save.CourseToPar = INT_MAX;
    save.CourseArrayToPar.fill(INT_MAX);
    save.CourseArrayCards.fill(INT_MAX);
    save.Birdies = save.Eagles = save.CoursePerfects = save.CourseIronsUsed = INT_MAX;
    save.CourseTime = INT_MAX;
    auto& career = *save.CareerStats;
    career.Total9Score->Value = career.Total9Score->Value2 = INT_MAX;
    career.TotalHolesPlayed->Value = INT_MAX;
    career.Total9HoleCoursesPlayed->Value = 0;
    profile->CurrentLevel = 9;  // the course's last hole
    profile->LockedLevel = INT_MIN;
    profile->Score = 500;
    ASSERT_EQ(profile->Save(), 0);
    // The round as the next start reads it from the file.
    ASSERT_EQ(profile->Load(), 1);
    Game->CurrentProfile = profile;
    TitleScreen->PlayGame();
  };
  bool quit = false;
  int holeToPar = 0, courseTotal = 0, courseToPar = 0;
  const int status = player.Play(kFrameBudget, [&] {
    if (quit || !ScoreCardScreen || ScoreCardScreen->Active == 0 || ScoreCardScreen->WinningsDue != 0) return;
    holeToPar = GameScreen->Player->SaveData->CourseArrayToPar[8];
    courseTotal = ScoreCardScreen->out[2] + ScoreCardScreen->in[2];
    courseToPar = GameScreen->Player->SaveData->CourseToPar;
    quill_test::PushEventKind(platform::EVENT_APP_TERMINATE);
    quit = true;
  });
  ASSERT_EQ(status, 0) << player.trail;
  ASSERT_TRUE(quit) << player.trail;

  // Each hole's score and the running to-par total come back within what play can add to and sum
  // without reaching the int limit; the last hole's score is added to those.
  constexpr int kMost = TSaveData::MAX_PLAY_COUNT;
  EXPECT_EQ(courseTotal, 8 * kMost + holeToPar);
  EXPECT_EQ(courseToPar, kMost + holeToPar);
  auto back = ReadBack("Damaged Player");
  const auto& save = *GameScreen->Player->SaveData;
  EXPECT_EQ(back->LockedLevel, 1);
  EXPECT_EQ(save.CourseArrayToPar[0], kMost);
  EXPECT_EQ(save.CourseArrayCards[0], kMost);
  EXPECT_EQ(save.CourseTime, INT_MAX);
  const auto& career = *save.CareerStats;
  EXPECT_EQ(career.Total9Score->Value, INT_MAX);
  EXPECT_EQ(career.Total9Score->Value2, INT_MAX);
  EXPECT_EQ(career.Total9ScoreAverage->Value, INT_MAX);
  EXPECT_EQ(career.TotalHolesPlayed->Value, INT_MAX);
}

TEST_F(HoleKeptRoadTest, AQuitWhileTheScoreCardZoomsInSavesTheHolePaid) {
  TScriptedPlayer player;
  player.holdScoreCard = true;
  StartOnTheTitle(player, "Hasty Player", 500);
  bool quit = false;
  int won = -1;
  const int status = player.Play(kFrameBudget, [&] {
    if (quit || !ScoreCardScreen || ScoreCardScreen->Active == 0) return;
    // The card has just been shown: it has not paid the hole yet.
    EXPECT_EQ(ScoreCardScreen->WinningsDue, 1);
    won = ScoreCardScreen->GetYouWon();
    quill_test::PushEventKind(platform::EVENT_APP_TERMINATE);
    quit = true;
  });
  ASSERT_EQ(status, 0) << player.trail;
  ASSERT_TRUE(quit) << player.trail;
  ASSERT_GT(won, 0);
  auto back = ReadBack("Hasty Player");
  EXPECT_EQ(back->CurrentLevel, 2);
  EXPECT_EQ(back->Score, 500 + won);
  EXPECT_EQ(GameScreen->Player->SaveData->CourseCash, won);
}

}  // namespace

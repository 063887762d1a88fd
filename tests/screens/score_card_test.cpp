// The score card over the staged data with fixture courses: the hole's winnings, the course
// arrays, the card's flow from zoom to action, the end-of-course rewards and its pixels.
#include "screens/score_card_screen.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/graphics.h"
#include "progress/career_stats.h"
#include "progress/stat.h"
#include "screens/course_end_dialog.h"
#include "screens/time_bonus_dialog.h"
#include "tests/screens/overlay_support.h"
#include "tests/support/harness.h"
#include "ui/dialog_ok.h"
#include "ui/label.h"
#include "util/animation.h"
#include "util/input.h"

namespace {

using overlay_test::OverlayTest;

class ScoreCardTest : public OverlayTest {
 protected:
  TScoreCardScreen& Card() { return *ScoreCardScreen; }
  // Opens the card after hole `number` (par `par`, `cardsLeft` cards left), or during it.
  void Open(int number, int par, int cardsLeft, int midHole = 0) {
    Hole(number, par, cardsLeft);
    Card().Load();
    Card().ApplyStats();
    Card().Show(midHole);
  }
  // Steps until the card returns an action or `limit` steps have run; the action (0 if none).
  int Run(int limit) {
    int action = 0;
    for (int i = 0; i < limit && action == 0; ++i) Step([&] { action = Card().Logic(); });
    return action;
  }
  int StepOnce() {
    int action = 0;
    Step([&] { action = Card().Logic(); });
    return action;
  }
};

// ---- winnings ----------------------------------------------------------------------------------

struct WonCase {
  double multiplier;
  int item7;
  int perfect;
  int expected;
  int holeCash = 150;
};

class ScoreCardWinnings : public ScoreCardTest, public testing::WithParamInterface<WonCase> {};

TEST_P(ScoreCardWinnings, MultiplierTimesHoleCashAndBonus) {
  const WonCase c = GetParam();
  Player().LevelScore = c.holeCash;
  Player().Perfect = c.perfect;
  Save().AvatarItems[7] = c.item7;
  HUD->Multiplier = c.multiplier;
  Hole(3, 4, 3);  // a birdie: bonus 100
  Card().Load();
  EXPECT_EQ(Card().Bonus, c.perfect ? 500 : 100);
  EXPECT_EQ(Card().GetYouWon(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, ScoreCardWinnings,
                         testing::Values(WonCase{3.0, 0, 0, 1250}, WonCase{3.0, 1, 0, 1750},
                                         WonCase{2.9, 0, 0, 725}, WonCase{1.0, 0, 1, 650},
                                         // rounded half up, never cut: 1.5 x 251 = 376.5 and
                                         // 2.9 x 251 = 727.9 (1.5 x 250 = 375 stays 375)
                                         WonCase{1.5, 0, 0, 377, 151}, WonCase{2.9, 0, 0, 728, 151},
                                         WonCase{1.5, 0, 0, 375, 150}));

// Four under and deeper all pay the triple eagle's bonus: a better result never pays less.
TEST_F(ScoreCardTest, BonusFollowsTheHoleResult) {
  const std::pair<int, int> results[] = {{0, 25}, {-1, 100}, {-2, 200}, {-3, 300}, {-4, 400},
                                         {1, 0},  {5, 0},    {-5, 400}, {-9, 400}};
  for (const auto& [result, bonus] : results) {
    Hole(2, 12, 12 + result);
    Card().Load();
    EXPECT_EQ(Card().Bonus, bonus) << result;
    EXPECT_EQ(Card().LabelBonusExtra != nullptr, bonus != 0) << result;
  }
}

// A hole one under par is a birdie, two or more under also an eagle; a result is capped at +5
// (and its cards at par + 5) before it counts.
TEST_F(ScoreCardTest, OneUnderIsABirdieTwoUnderAlsoAnEagleAfterTheCap) {
  struct Row {
    int cardsLeft;  // on a par 4
    int storedCards, storedResult, birdies, eagles;
  };
  const std::vector<Row> rows = {{12, 9, 5, 0, 0}, {9, 9, 5, 0, 0}, {5, 5, 1, 0, 0}, {4, 4, 0, 0, 0},
                                 {3, 3, -1, 1, 0}, {2, 2, -2, 1, 1}, {1, 1, -3, 1, 1}, {0, 0, -4, 1, 1}};
  for (const Row& row : rows) {
    SCOPED_TRACE(std::to_string(row.cardsLeft) + " cards left");
    Save().Birdies = 0;
    Save().Eagles = 0;
    Save().CourseToPar = 0;
    Open(1, 4, row.cardsLeft);
    EXPECT_EQ(Save().CourseArrayCards[0], row.storedCards);
    EXPECT_EQ(Save().CourseArrayToPar[0], row.storedResult);
    Card().StoreWinnings();
    EXPECT_EQ(Save().Birdies, row.birdies);
    EXPECT_EQ(Save().Eagles, row.eagles);
    EXPECT_EQ(Save().CourseToPar, row.storedResult);
  }
  // The nine's sums: par of every hole, cards and results of the holes played.
  Open(2, 4, 3);
  Card().StoreWinnings();
  EXPECT_EQ(Card().out[0], 36);
  EXPECT_EQ(Card().out[1], 0 + 3);
  EXPECT_EQ(Card().out[2], -4 - 1);
}

TEST_F(ScoreCardTest, AHoleOutsideTheCourseBooksNothing) {
  Open(0, 4, 2);
  Card().StoreWinnings();
  Open(12, 4, 2);  // a 9-hole course
  Card().StoreWinnings();
  for (int v : Save().CourseArrayCards) EXPECT_EQ(v, 0);
  EXPECT_EQ(Save().CourseToPar, 0);
  EXPECT_EQ(Card().out[1] + Card().in[1], 0);
}

// ---- the card's flow ---------------------------------------------------------------------------

TEST_F(ScoreCardTest, AnUntimedHoleIsPaidWhenTheZoomEndsThenTheTunePlays) {
  Player().LevelScore = 200;
  Open(2, 4, 4);  // par: 25
  for (int i = 0; i < 59; ++i) StepOnce();
  EXPECT_EQ(Player().Score, 1000);
  EXPECT_EQ(Card().TuneChannel, nullptr);
  StepOnce();
  EXPECT_EQ(Player().Score, 1225);
  EXPECT_EQ(Card().OldTotalCash, 1000);
  EXPECT_EQ(Game->CurrentProfile->Score, 1225);
  EXPECT_NE(Card().TuneChannel, nullptr);
  // Paid once only.
  for (int i = 0; i < 30; ++i) StepOnce();
  EXPECT_EQ(Player().Score, 1225);
}

TEST_F(ScoreCardTest, ContinueAfterAHoleClosesWithNextHoleAndZoomsOut) {
  Open(2, 4, 4);
  Run(60);
  ClickOn(*Card().Menu->FindButton("continue"));
  EXPECT_EQ(StepOnce(), SCORECARD_NEXT_HOLE);
  EXPECT_EQ(Card().ZoomIn, 0);
  EXPECT_EQ(Run(100), 0);
  EXPECT_EQ(Card().Active, 0);
}

TEST_F(ScoreCardTest, SaveAndExitDisablesTheCardButKeepsItDrawn) {
  Open(2, 4, 4);
  Run(60);
  ClickOn(*Card().Menu->FindButton("saveandexit"));
  EXPECT_EQ(StepOnce(), SCORECARD_SAVE_AND_EXIT);
  EXPECT_EQ(Card().Active, 1);
  EXPECT_EQ(Card().Disabled, 1);
  story_test::Key(13);
  EXPECT_EQ(Run(20), 0);
}

TEST_F(ScoreCardTest, OpenedDuringAHoleOnlyBackOrEscapeCloseAndNothingIsPaid) {
  Player().LevelScore = 300;
  Save().MidHole = 1;
  Open(3, 4, 10, 1);
  EXPECT_EQ(Card().Menu->FindButton("continue")->Active, 0);
  EXPECT_EQ(Card().Menu->FindButton("saveandexit")->Active, 0);
  EXPECT_EQ(Run(80), 0);
  EXPECT_EQ(Player().Score, 1000);
  story_test::Key(27);
  EXPECT_EQ(StepOnce(), SCORECARD_CLOSED);

  Open(3, 4, 10, 1);
  Run(80);
  ClickOn(*Card().Menu->FindButton("back"));
  EXPECT_EQ(StepOnce(), SCORECARD_CLOSED);
  EXPECT_EQ(Player().Score, 1000);
}

TEST_F(ScoreCardTest, OnlyAFinishedHoleAddsToTheCourseTime) {
  Player().TimeTaken = 200 * 65;  // 65 s of 5 ms ticks
  Save().MidHole = 1;
  Open(3, 4, 10, 1);
  EXPECT_EQ(Save().CourseTime, 0);
  EXPECT_EQ(Card().mins, 1);
  EXPECT_EQ(Card().secs, 5);
  Save().MidHole = 0;
  Open(3, 4, 4);
  EXPECT_EQ(Save().CourseTime, 65);
}

TEST_F(ScoreCardTest, AnEighteenHoleCardOpensOnTheNineOfTheHole) {
  UseCourse("Eighteen Test");
  Open(10, 4, 4);
  EXPECT_EQ(Card().Front9Showing, 0);
  EXPECT_EQ(Card().Menu->FindButton("back9")->Disabled, 1);
  Run(60);
  ClickOn(*Card().Menu->FindButton("front9"));
  StepOnce();
  EXPECT_EQ(Card().Front9Showing, 1);
  EXPECT_EQ(Card().Menu->FindButton("back9")->Disabled, 0);

  UseCourse("Nine Test");
  Open(5, 4, 4);
  EXPECT_EQ(Card().Front9Showing, 1);
  EXPECT_EQ(Card().Menu->FindButton("front9"), nullptr);
}

TEST_F(ScoreCardTest, ATimedHoleOpensTheTimeBonusFirstAndIsPaidItsTotal) {
  Player().TimeLimit = 60000;
  Player().TimeTaken = 200 * 53;  // 7 s left
  Player().LevelScore = 1500;
  HUD->Multiplier = 1.0;
  Open(2, 4, 10);  // no bonus
  Run(60);
  ASSERT_TRUE(Card().TimeBonusDialog);
  EXPECT_EQ(Card().TimeBonusDialog->FinalTotal, 2550);
  EXPECT_EQ(Player().Score, 1000);
  for (int i = 0; i < 45; ++i) StepOnce();  // the dialog's fade-in
  story_test::Key(13);
  for (int i = 0; i < 200 && Card().TimeBonusDialog; ++i) StepOnce();
  EXPECT_FALSE(Card().TimeBonusDialog);
  EXPECT_EQ(Player().Score, 1000 + 2550);
  EXPECT_EQ(Card().TuneChannel, nullptr);
}

TEST_F(ScoreCardTest, TheLastHoleOpensTheCourseEndAndContinueEndsTheCourse) {
  for (int h = 1; h <= 8; ++h) {
    Open(h, 4, 4);
    Card().StoreWinnings();
  }
  Open(9, 4, 2);  // two under
  Run(60);
  ASSERT_TRUE(Card().GopherDialog);
  EXPECT_EQ(Card().PurseWon, 1);
  EXPECT_EQ(Card().PurseValue, 1000);
  for (int i = 0; i < 45; ++i) StepOnce();
  story_test::Key(13);
  for (int i = 0; i < 200 && Card().GopherDialog; ++i) StepOnce();
  ASSERT_FALSE(Card().GopherDialog);
  Run(5);
  ClickOn(*Card().Menu->FindButton("continue"));
  // Two under without an iron wins the trophy of an ironless round under par (the course's best
  // scores stay ahead of it): its dialog pays 500 and holds the action until the play screen takes
  // it.
  const int cash = Player().Score;
  EXPECT_EQ(StepOnce(), 0);
  EXPECT_TRUE(GameScreen->UnlockedDialog);
  EXPECT_EQ(Save().Trophies[10], 1);
  EXPECT_EQ(GameScreen->TopScore, 0);
  EXPECT_EQ(Player().Score, cash + 500);
  EXPECT_EQ(Card().PostDialogAction, SCORECARD_COURSE_DONE);
  EXPECT_EQ(Run(10), 0);
}

TEST_F(ScoreCardTest, ARewardDialogHoldsTheActionUntilThePlayScreenTakesIt) {
  Open(9, 4, 4);
  Card().out[2] = -1;  // the course ends under par
  GameScreen->TopScore = 1;
  Card().GopherDialog = nullptr;
  Card().ShowGopherDialog = 0;
  Card().Zoom->Active = 0;
  ClickOn(*Card().Menu->FindButton("saveandexit"));
  EXPECT_EQ(StepOnce(), 0);
  EXPECT_EQ(Card().PostDialogAction, SCORECARD_SAVE_AND_EXIT);
  EXPECT_TRUE(GameScreen->UnlockedDialog);
  EXPECT_EQ(GameScreen->TopScore, 0);
}

// ---- end-of-course rewards ---------------------------------------------------------------------

struct TrophyCase {
  int id;
  std::function<void(TScoreCardScreen&, TPlayer&, TSaveData&)> meet, miss;
};

class ScoreCardTrophies : public ScoreCardTest, public testing::WithParamInterface<int> {
 protected:
  // The state of a 9-hole course's last hole that meets no trophy; each case then changes it.
  void Prepare() {
    Game->MaxLevels = 2;
    Open(9, 4, 4);
    Card().out = {36, 20, 0};
    Card().in = {0, 0, 0};
    Card().PurseWon = 0;
    Card().mins = 1;
    Card().secs = 0;
    Save().Birdies = 8;
    Save().Eagles = 8;
    Save().CourseIronsUsed = 1;
    for (int i = 0; i < 9; ++i) Save().CourseLongDrives[static_cast<size_t>(i)] = i < 8 ? 1 : 0;
    Save().TotalPursesWon = 1;
    Save().CareerStats->TotalCoursesPlayed->Value = 99;
    Save().CareerStats->CareerEarnings->Value = 999999;
    Player().TimeLimit = 0;
    GameScreen->TrophyDialogs.fill(-1);
    GameScreen->TopScore = 0;
    // A best score far below, so no record dialog interferes.
    BestScores->Insert("Pro", -30, 0, 1);
  }
  static const std::vector<TrophyCase>& Cases() {
    static const std::vector<TrophyCase> cases = {
        {0, [](auto& c, auto&, auto&) { c.PurseWon = 1; Game->MaxLevels = 1; },
         [](auto& c, auto&, auto&) { c.PurseWon = 1; }},
        {1, [](auto& c, auto&, auto&) { c.out[2] = 30; }, [](auto& c, auto&, auto&) { c.out[2] = 29; }},
        {2, [](auto&, auto&, auto& s) { s.Birdies = 9; }, [](auto&, auto&, auto&) {}},
        {3, [](auto&, auto&, auto& s) { s.Eagles = 9; s.Birdies = 9; }, [](auto&, auto&, auto&) {}},
        {4, [](auto& c, auto&, auto& s) { c.PurseWon = 1; s.TotalPursesWon = 2; },
         [](auto& c, auto&, auto& s) { c.PurseWon = 1; s.TotalPursesWon = 3; }},
        {7, [](auto&, auto& p, auto&) { p.TimeLimit = 60000; Card30(); },
         [](auto&, auto& p, auto&) { p.TimeLimit = 60000; ScoreCardScreen->secs = 31; ScoreCardScreen->mins = 0; }},
        {8, [](auto&, auto&, auto& s) { s.CareerStats->TotalCoursesPlayed->Value = 100; },
         [](auto&, auto&, auto& s) { s.CareerStats->TotalCoursesPlayed->Value = 101; }},
        {9, [](auto&, auto&, auto& s) { s.CareerStats->CareerEarnings->Value = 1000000; }, [](auto&, auto&, auto&) {}},
        {10, [](auto& c, auto&, auto& s) { c.out[2] = -1; s.CourseIronsUsed = 0; },
         [](auto& c, auto&, auto& s) { c.out[2] = 0; s.CourseIronsUsed = 0; }},
        {11, [](auto&, auto&, auto& s) { s.CourseLongDrives[8] = 1; }, [](auto&, auto&, auto&) {}},
        {12, [](auto& c, auto&, auto&) { c.out[1] = 9; }, [](auto& c, auto&, auto&) { c.out[1] = 10; }},
    };
    return cases;
  }
  static void Card30() {
    ScoreCardScreen->mins = 0;
    ScoreCardScreen->secs = 30;
  }
  const TrophyCase& Case() {
    for (const auto& c : Cases())
      if (c.id == GetParam()) return c;
    return Cases().front();
  }
  // The action runs the tests; the trophy is queued (and the first queued shown) or not.
  bool Queued(int id) {
    const int opened = Card().CheckCourseUnlock(SCORECARD_COURSE_DONE);
    return (opened != 0 && Save().Trophies[static_cast<size_t>(id)] == 1) ||
           GameScreen->TrophyDialogs[static_cast<size_t>(id)] == id;
  }
};

TEST_P(ScoreCardTrophies, MetQueuesTheTrophyJustMissedDoesNot) {
  const int id = GetParam();
  Prepare();
  Case().meet(Card(), Player(), Save());
  EXPECT_TRUE(Queued(id)) << "trophy " << id;

  Prepare();
  GameScreen->UnlockedDialog = nullptr;
  Save().Trophies.fill(0);
  Case().miss(Card(), Player(), Save());
  EXPECT_FALSE(Queued(id)) << "trophy " << id;

  // A trophy already won is never queued again.
  Prepare();
  GameScreen->UnlockedDialog = nullptr;
  Save().Trophies.fill(0);
  Save().Trophies[static_cast<size_t>(id)] = 1;
  Case().meet(Card(), Player(), Save());
  Card().CheckCourseUnlock(SCORECARD_COURSE_DONE);
  EXPECT_NE(GameScreen->TrophyDialogs[static_cast<size_t>(id)], id) << "trophy " << id;
}

INSTANTIATE_TEST_SUITE_P(Ids, ScoreCardTrophies, testing::Values(0, 1, 2, 3, 4, 7, 8, 9, 10, 11, 12));

TEST_F(ScoreCardTest, QueuedTrophiesWaitInTheirOwnSlotsAndShowLowestFirst) {
  Open(9, 4, 4);
  Card().out = {36, 9, 31};  // trophies 1 and 12
  Card().in = {0, 0, 0};
  BestScores->Insert("Pro", -30, 0, 1);
  GameScreen->TrophyDialogs.fill(-1);
  GameScreen->TrophyDialogs[5] = 5;  // queued by play (the HUD), not by the card
  EXPECT_EQ(Card().CheckCourseUnlock(SCORECARD_NEXT_HOLE), 1);
  EXPECT_EQ(Save().Trophies[1], 1);  // shown first
  EXPECT_EQ(GameScreen->TrophyDialogs[1], -1);
  EXPECT_EQ(GameScreen->TrophyDialogs[5], 5);
  EXPECT_EQ(GameScreen->TrophyDialogs[12], 12);
}

TEST_F(ScoreCardTest, ANewCourseBestPaysFiveHundredATieEntersFirstWithoutADialog) {
  BestScores->Insert("Pro", -2, 0, 1);
  Save().CourseIronsUsed = 1;  // no trophy for an ironless round under par
  Open(9, 4, 4);
  Card().out = {36, 30, -2};  // ties the best
  const int cash = Player().Score;
  Card().CheckCourseUnlock(SCORECARD_NEXT_HOLE);
  EXPECT_EQ(GameScreen->TopScore, 0);
  EXPECT_FALSE(GameScreen->UnlockedDialog);
  EXPECT_EQ(Player().Score, cash);

  Card().out = {36, 30, -3};  // below the best
  EXPECT_EQ(Card().CheckCourseUnlock(SCORECARD_NEXT_HOLE), 1);
  EXPECT_TRUE(GameScreen->UnlockedDialog);
  EXPECT_EQ(Player().Score, cash + 500);
}

// ---- course scores and unlocks ------------------------------------------------------------------

// The course's last hole records the course: the lowest score keeps the cards left as its value and
// the score against par beside it, in the statistics of its length (9 or 18 holes); a tie with the
// lowest is recorded again. Totals and averages keep both, the averages rounded half up.
TEST_F(ScoreCardTest, TheLastHoleRecordsTheLowestCourseScoreOfItsLength) {
  struct Row {
    std::string course;
    int cards, toPar;
    int lowest, lowestToPar;  // of the course's length afterwards
    int total, totalToPar, played, average, averageToPar;
  };
  const std::vector<Row> rows = {
      {"Nine Test", 30, -2, 30, -2, 30, -2, 1, 30, -2},
      {"Nine Test", 33, 1, 30, -2, 63, -1, 2, 32, 0},  // 31.5 is 32, -0.5 is 0
      {"Eighteen Test", 60, -11, 60, -11, 60, -11, 1, 60, -11},
      {"Nine Test", 30, -5, 30, -5, 93, -6, 3, 31, -2},
      {"Nine Test", 29, -6, 29, -6, 122, -12, 4, 31, -3},  // 30.5 is 31
  };
  const auto& cs = *Save().CareerStats;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.course + " " + std::to_string(row.cards) + " cards " + std::to_string(row.toPar));
    UseCourse(row.course);
    const bool nine = row.course == "Nine Test";
    Open(nine ? 9 : 18, 4, 4);
    Card().out = {36, row.cards, row.toPar};
    Card().in = {0, 0, 0};
    Card().StoreWinnings();
    const auto& lowest = nine ? cs.Lowest9HoleScore : cs.Lowest18HoleScore;
    const auto& total = nine ? cs.Total9Score : cs.Total18Score;
    const auto& played = nine ? cs.Total9HoleCoursesPlayed : cs.Total18HoleCoursesPlayed;
    const auto& average = nine ? cs.Total9ScoreAverage : cs.Total18ScoreAverage;
    EXPECT_EQ(lowest->Value, row.lowest);
    EXPECT_EQ(lowest->Value2, row.lowestToPar);
    EXPECT_EQ(total->Value, row.total);
    EXPECT_EQ(total->Value2, row.totalToPar);
    EXPECT_EQ(played->Value, row.played);
    EXPECT_EQ(average->Value, row.average);
    EXPECT_EQ(average->Value2, row.averageToPar);
    EXPECT_DOUBLE_EQ(average->FloatValue, static_cast<double>(row.total) / row.played);
  }
  // The 9-hole courses played after it left the 18-hole record alone.
  EXPECT_EQ(cs.Lowest18HoleScore->Value, 60);
  EXPECT_EQ(cs.Total18HoleCoursesPlayed->Value, 1);
}

// The next course opens when the course's score against par is at most its goal, checked at the
// course's end; or when the cash won on the course, with the purse, reaches its goal, checked after
// every hole.
TEST_F(ScoreCardTest, TheNextCourseOpensAtItsGoalAndNotOneShortOfIt) {
  struct Row {
    int code, goal;
    int toPar, courseCash, purse;
    bool opens;
  };
  const std::vector<Row> rows = {
      {UNLOCK_SCORE, -3, -3, 0, 0, true},     {UNLOCK_SCORE, -3, -2, 0, 0, false},
      {UNLOCK_SCORE, -3, -4, 0, 0, true},     {UNLOCK_TOKENS, 1500, 0, 1500, 0, true},
      {UNLOCK_TOKENS, 1500, 0, 1499, 0, false}, {UNLOCK_TOKENS, 1500, 0, 1000, 500, true},
      {UNLOCK_TOKENS, 1500, 0, 999, 500, false},
  };
  auto next = CourseList->back();
  BestScores->Insert("Pro", -30, 0, 1);  // no best score to interfere
  for (const Row& row : rows) {
    SCOPED_TRACE("goal " + std::to_string(row.goal) + " score " + std::to_string(row.toPar) + " cash " +
                 std::to_string(row.courseCash) + " purse " + std::to_string(row.purse));
    next->UnlockCode = row.code;
    next->UnlockValue = row.goal;
    Save().UnlockedCourses = {};
    Save().UnlockedCourses[0] = COURSE_OPEN;
    Save().CourseIronsUsed = 1;
    GameScreen->UnlockedDialog = nullptr;
    GameScreen->TrophyDialogs.fill(-1);
    Open(9, 4, 4);
    Card().out = {36, 36 + row.toPar, row.toPar};
    Card().in = {0, 0, 0};
    Save().CourseCash = row.courseCash;
    Card().PurseValue = row.purse;
    Card().PurseWon = row.purse > 0;
    Card().CheckCourseUnlock(SCORECARD_COURSE_DONE);
    EXPECT_EQ(Save().UnlockedCourses[1], row.opens ? COURSE_OPEN : COURSE_LOCKED);
    EXPECT_EQ(Save().UnlockedCourses[0], row.opens ? COURSE_COMPLETED : COURSE_OPEN);
    EXPECT_EQ(GameScreen->UnlockedDialog != nullptr, row.opens);
  }
  // The cash goal is checked after any hole, not only the last.
  next->UnlockCode = UNLOCK_TOKENS;
  Save().UnlockedCourses[1] = COURSE_LOCKED;
  Save().UnlockedCourses[0] = COURSE_OPEN;
  GameScreen->UnlockedDialog = nullptr;
  Open(3, 4, 4);
  Save().CourseCash = 1500;
  Card().PurseValue = 0;
  Card().CheckCourseUnlock(SCORECARD_NEXT_HOLE);
  EXPECT_EQ(Save().UnlockedCourses[1], COURSE_OPEN);
}

// ---- the goal text -----------------------------------------------------------------------------

TEST_F(ScoreCardTest, TheGoalShowsTheCourseGoalOrTheUnlockedCourse) {
  Open(2, 4, 4);
  ASSERT_FALSE(Card().NextUnlockText.empty());
  EXPECT_EQ(Card().ShowGoalComplete, 0);
  Save().UnlockedCourses[0] = COURSE_COMPLETED;
  Card().Load();
  EXPECT_EQ(Card().ShowGoalComplete, 1);
  std::string all;
  for (const auto& line : Card().NextUnlockText) all += line + " ";
  EXPECT_NE(all.find("Eighteen Test"), std::string::npos) << all;

  UseCourse("Eighteen Test");
  Save().UnlockedCourses[1] = COURSE_OPEN;
  Card().Load();
  EXPECT_EQ(Card().ShowGoalComplete, 0);
  EXPECT_FALSE(Card().NextUnlockText.empty());

  GameGrid->LevelName = "Not A Course";
  Card().Load();
  EXPECT_TRUE(Card().NextUnlockText.empty());
}

// ---- course end --------------------------------------------------------------------------------

TEST_F(ScoreCardTest, TheCourseEndPaysThePurseOnlyUnderPar) {
  Open(9, 4, 4);
  Card().out = {36, 36, 0};
  EXPECT_FALSE(TCourseEndDialog::Setup());
  EXPECT_EQ(Card().PurseWon, 0);
  EXPECT_EQ(Player().Score, 1000);

  Card().out = {36, 32, -4};
  Save().AvatarItems[11] = 1;
  auto dialog = TCourseEndDialog::Setup();
  ASSERT_TRUE(dialog);
  EXPECT_EQ(Card().PurseValue, 1150);
  EXPECT_EQ(Player().Score, 2150);
  const std::string text = dialog->Caption->Text;
  EXPECT_EQ(text.rfind("Congratulations! You finished the course 4 under par", 0), 0u) << text;
  EXPECT_NE(text.find("$1150"), std::string::npos) << text;
  // The cash the player holds now, purse included.
  EXPECT_NE(text.find("$2150"), std::string::npos) << text;
  // The gopher stands inside the frame's panel, clear of the text and the OK button, at three
  // quarters of its own size or more.
  ASSERT_TRUE(dialog->Picture);
  const auto pixels = overlay_test::PicturesPastPanel(*dialog, "course_end");
  EXPECT_EQ(pixels.reach, 0);
  EXPECT_EQ(pixels.overText, 0);
  EXPECT_GT(pixels.count, 400);
  const auto [ownWidth, ownHeight] = overlay_test::ShownSize(*dialog->Picture, 1.0f);
  EXPECT_GE(static_cast<float>(pixels.width), 0.75f * ownWidth);
  EXPECT_GE(static_cast<float>(pixels.height), 0.75f * ownHeight);
  dialog->Kill();
}

// ---- pixels ------------------------------------------------------------------------------------

class ScoreCardPixels : public ScoreCardTest {
 protected:
  void Draw(const std::function<void()>& draw) {
    quill_test::OpenScreen();
    platform::SetBlend(platform::BLEND_SOLID);
    platform::SetColor(255, 255, 255);
    platform::DrawRect(0, 0, 800, 600);
    platform::SetBlend(platform::BLEND_ALPHA);
    draw();
  }
  // The leftmost, rightmost and count of pixels in the box that are reddish or grayish.
  struct Ink {
    int left = 10000, right = -1, red = 0, gray = 0;
  };
  static Ink Scan(int x0, int y0, int x1, int y1) {
    Ink ink;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) {
        const auto p = quill_test::ScreenPixel(x, y);
        const int r = (p >> 16) & 255, g = (p >> 8) & 255, b = p & 255;
        const bool red = r > 150 && g < 110 && b < 110;
        const bool gray = r < 140 && g < 140 && b < 150 && std::abs(r - g) < 30;
        if (!red && !gray) continue;
        ink.red += red;
        ink.gray += gray;
        ink.left = std::min(ink.left, x);
        ink.right = std::max(ink.right, x);
      }
    return ink;
  }
};

TEST_F(ScoreCardPixels, AResultUnderParIsRedAndCentredAtParTheLevelMark) {
  Open(2, 4, 4);
  Draw([&] { Card().OutputRedNumber(-3, 400, 300); });
  if (std::getenv("QUILL_SAVE_SCREENS")) quill_test::SaveScreen("/tmp/red_number.png");
  const Ink under = Scan(360, 290, 440, 340);
  EXPECT_GT(under.red, 20);
  EXPECT_EQ(under.gray, 0);
  EXPECT_NEAR((under.left + under.right) / 2.0, 400, 5);

  Draw([&] { Card().OutputRedNumber(0, 400, 300); });
  const Ink par = Scan(360, 290, 440, 340);
  EXPECT_EQ(par.red, 0);
  EXPECT_GT(par.gray, 5);
  EXPECT_NEAR((par.left + par.right) / 2.0, 400, 5);

  Draw([&] { Card().OutputRedNumber(2, 400, 300); });
  const Ink over = Scan(360, 290, 440, 340);
  EXPECT_EQ(over.red, 0);
  EXPECT_GT(over.gray, par.gray);
}

TEST_F(ScoreCardPixels, ATotalParWithASecondOneSitsAPixelRight) {
  UseCourse("Eighteen Test");  // par 71
  Open(2, 4, 4);
  Card().Zoom->Active = 0;
  auto leftOfTotalPar = [&] {
    Draw([&] { Card().DrawCourseGrid(); });
    for (int x = 660; x < 720; ++x)
      for (int y = 235; y < 255; ++y) {
        const auto p = quill_test::ScreenPixel(x, y);
        if (((p >> 8) & 255) > ((p >> 16) & 255) + 40) return x;
      }
    return -1;
  };
  const int left71 = leftOfTotalPar();
  CourseList->back()->HolePars[0] = 4;  // par 72: no "1", a step of 11
  Card().CalcCourseGrid();
  const int left72 = leftOfTotalPar();
  ASSERT_GT(left71, 0);
  ASSERT_GT(left72, 0);
  // 71 at 691 with a step of 9 starts at 691 - 9 = 682; 72 at 690 with 11 starts at 679.
  EXPECT_EQ(left71 - left72, 3);
}

// A hole's par of two digits keeps to its own cell of the grid: no green ink where the cells of
// hole 1 and hole 2 meet, and its digits sit around the place a one-digit par has.
TEST_F(ScoreCardPixels, ATwoDigitParStaysInsideItsHolesCell) {
  UseCourse("Eighteen Test");
  Open(2, 4, 4);
  Card().Zoom->Active = 0;
  // The green ink of the par row between x0 and x1: its leftmost and rightmost column.
  auto green = [&](int x0, int x1) {
    std::pair<int, int> span{10000, -1};
    for (int x = x0; x < x1; ++x)
      for (int y = 235; y < 255; ++y) {
        const auto p = quill_test::ScreenPixel(x, y);
        if (((p >> 8) & 255) > ((p >> 16) & 255) + 40) {
          span.first = std::min(span.first, x);
          span.second = std::max(span.second, x);
        }
      }
    return span;
  };
  // Hole k's par stands at x = 151 + 40 k - 1; the cells meet about 30 pixels right of that.
  CourseList->back()->HolePars[0] = 4;
  CourseList->back()->HolePars[1] = 1;
  Draw([&] { Card().DrawCourseGrid(); });
  const auto one = green(140, 181);
  CourseList->back()->HolePars[0] = 23;
  Draw([&] { Card().DrawCourseGrid(); });
  const auto two = green(140, 181);
  ASSERT_GT(one.second, 0);
  ASSERT_GT(two.second, 0);
  EXPECT_EQ(green(176, 189).second, -1) << "the par of hole 1 runs into the cell of hole 2";
  EXPECT_NEAR((two.first + two.second) / 2.0, (one.first + one.second) / 2.0, 3.0);
}

TEST_F(ScoreCardPixels, TheWholeCardDrawsOnceTheZoomHasEnded) {
  UseCourse("Eighteen Test");
  Open(11, 4, 3);
  Run(60);
  Draw([&] { EXPECT_EQ(Card().Draw(), 1); });
  if (std::getenv("QUILL_SAVE_SCREENS")) quill_test::SaveScreen("/tmp/score_card.png");
  // The paper of the card and the green band under the course name.
  const auto paper = quill_test::ScreenPixel(300, 540);
  EXPECT_GT((paper >> 16) & 255, 220);
  const auto band = quill_test::ScreenPixel(420, 40);
  EXPECT_GT((band >> 8) & 255, ((band >> 16) & 255) + 20);
}

// The goal box is the dashed frame from (538, 346) to (742, 500); the goal's lines are written
// 18 px apart below the stamp. Every line stands on its own (a clear row between two
// lines) and no letter touches the frame.
TEST_F(ScoreCardPixels, TheGoalLinesStandApartInsideTheDashedBox) {
  CourseList->front()->GoalText =
      "Finish at E or better to open Eighteen Test, the long course by the quarry.\nPurse: $1000";
  Open(2, 4, 4);
  Card().Zoom->Active = 0;
  ASSERT_GE(Card().NextUnlockText.size(), 3u);
  Draw([&] { Card().DrawUnlockCondition(1.0, 400, 300); });
  if (std::getenv("QUILL_SAVE_SCREENS")) quill_test::SaveScreen("/tmp/score_card_goal.png");
  auto ink = [](int x, int y) {
    const auto p = quill_test::ScreenPixel(x, y);
    return ((p >> 16) & 255) + ((p >> 8) & 255) + (p & 255) < 600;
  };
  int bands = 0, left = 800, right = -1, bottom = -1;
  bool inBand = false;
  for (int y = 401; y < 560; ++y) {
    bool row = false;
    for (int x = 500; x < 780; ++x)
      if (ink(x, y)) {
        row = true;
        left = std::min(left, x);
        right = std::max(right, x);
        bottom = y;
      }
    if (row && !inBand) ++bands;
    inBand = row;
  }
  EXPECT_EQ(bands, static_cast<int>(Card().NextUnlockText.size()));
  EXPECT_GE(left, 542);
  EXPECT_LE(right, 738);
  EXPECT_LE(bottom, 496);

  // The green "goal complete" stamp keeps 8 px of paper clear of the frame.
  const int state = Save().UnlockedCourses[0];
  Save().UnlockedCourses[0] = COURSE_COMPLETED;
  Card().Load();
  Save().UnlockedCourses[0] = state;
  ASSERT_EQ(Card().ShowGoalComplete, 1);
  Draw([&] { Card().DrawUnlockCondition(1.0, 400, 300); });
  int stampLeft = 800, stampRight = -1;
  for (int y = 340; y < 420; ++y)
    for (int x = 500; x < 780; ++x) {
      const auto p = quill_test::ScreenPixel(x, y);
      const int r = (p >> 16) & 255, g = (p >> 8) & 255, b = p & 255;
      if (g > r + 40 && g > b + 30) {
        stampLeft = std::min(stampLeft, x);
        stampRight = std::max(stampRight, x);
      }
    }
  ASSERT_GE(stampRight, 0) << "no stamp drawn";
  EXPECT_GE(stampLeft, 546);
  EXPECT_LE(stampRight, 734);
}

}  // namespace

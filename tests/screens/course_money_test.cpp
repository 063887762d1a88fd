// What the end of a hole and of a course books beyond the score: the purse in the career earnings,
// the cash records of holes and courses, and the count of purses won.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "progress/career_stats.h"
#include "progress/stat.h"
#include "screens/course_end_dialog.h"
#include "screens/score_card_screen.h"
#include "tests/screens/overlay_support.h"
#include "util/animation.h"

namespace {

using overlay_test::OverlayTest;

class CourseMoneyTest : public OverlayTest {
 protected:
  TScoreCardScreen& Card() { return *ScoreCardScreen; }
  // The card after hole `number` of the 9-hole course (par 4, 4 cards left: a 25 bonus), with
  // `cash` of hole cash: it wins cash + 25 at a multiplier of 1.
  void Open(int number, int cash) {
    Player().LevelScore = cash;
    Hole(number, 4, 4);
    Card().Load();
    Card().ApplyStats();
    Card().Show(0);
  }
  // One step of the card's logic through the game's own pump; the action it returns.
  int StepCard() {
    int action = 0;
    Step([&] { action = Card().Logic(); });
    return action;
  }
};

TEST_F(CourseMoneyTest, ThePurseIsPaidIntoTheCareerEarnings) {
  Save().CareerStats->CareerEarnings->Value = 4000;
  Open(9, 0);
  Card().out = {36, 33, -3};
  auto dialog = TCourseEndDialog::Setup();
  ASSERT_TRUE(dialog);
  EXPECT_EQ(Card().PurseValue, 1000);
  EXPECT_EQ(Player().Score, 2000);
  EXPECT_EQ(Save().CareerStats->CareerEarnings->Value, 5000);
  EXPECT_EQ(Save().CareerStats->CareerEarnings->PlayerName, "Ann");
  dialog->Kill();
}

// A purse that would carry the cash past the largest int stops it there: in the player, in the
// profile and in the file the end of the course writes.
TEST_F(CourseMoneyTest, APurseAtTheIntLimitStopsTheCashThere) {
  Player().Score = INT_MAX - 5;
  Game->CurrentProfile->Score = INT_MAX - 5;
  Open(9, 0);
  Card().out = {36, 33, -3};
  auto dialog = TCourseEndDialog::Setup();
  ASSERT_TRUE(dialog);
  ASSERT_EQ(Card().PurseValue, 1000);
  EXPECT_EQ(Player().Score, INT_MAX);
  EXPECT_EQ(Game->CurrentProfile->Score, INT_MAX);
  EXPECT_EQ(Save().CareerStats->CareerEarnings->Value, 1000);
  ASSERT_EQ(Player().ProfileWrite(Game->CurrentProfile.get()), 1);  // as the course's end saves
  auto back = TProfile::Create("Ann");
  InstallProfileHooks(*back);
  ASSERT_EQ(back->Load(), 1);
  EXPECT_EQ(back->Score, INT_MAX);
  dialog->Kill();
}

// Every hole adds its winnings to the hole records; the last hole adds the course's to the course
// records. Each average is over its own count: holes for the hole cash, courses for the course's.
TEST_F(CourseMoneyTest, HoleAndCourseCashRecordsAreEachAveragedOverTheirOwnCount) {
  const auto& cs = *Save().CareerStats;
  Open(8, 75);  // wins 100
  Card().StoreWinnings();
  EXPECT_EQ(cs.HighestHoleCash->Value, 100);
  EXPECT_EQ(cs.TotalCoursesPlayed->Value, 0);
  Open(9, 175);  // wins 200; the course 300
  Card().StoreWinnings();
  EXPECT_EQ(cs.TotalHolesPlayed->Value, 2);
  EXPECT_EQ(cs.HighestHoleCash->Value, 200);
  EXPECT_EQ(cs.TotalHoleCash->Value, 300);
  EXPECT_EQ(cs.AverageHoleCash->Value, 150);
  EXPECT_EQ(cs.TotalCoursesPlayed->Value, 1);
  EXPECT_EQ(cs.HighestCourseCash->Value, 300);
  EXPECT_EQ(cs.TotalCourseCash->Value, 300);
  EXPECT_EQ(cs.AverageCourseCash->Value, 300);

  // A second course of one hole paying 50: the course average is (300 + 50) / 2.
  Save().CourseCash = 0;
  Open(9, 25);
  Card().StoreWinnings();
  EXPECT_EQ(cs.TotalHolesPlayed->Value, 3);
  EXPECT_EQ(cs.AverageHoleCash->Value, 117);  // 350 / 3, rounded
  EXPECT_EQ(cs.TotalCoursesPlayed->Value, 2);
  EXPECT_EQ(cs.HighestCourseCash->Value, 300);
  EXPECT_EQ(cs.TotalCourseCash->Value, 350);
  EXPECT_EQ(cs.AverageCourseCash->Value, 175);
}

// Only a course that paid its purse counts toward the trophy for three purses. Each course runs
// through the last hole's card as the player meets it: the zoom, the course end (which pays the
// purse under par only), and Continue, which books the course. One course after another, so a
// purse paid before never counts for a course that paid none.
TEST_F(CourseMoneyTest, OnlyACourseThatPaidItsPurseCountsAsAPurseWon) {
  Save().CourseIronsUsed = 1;           // no trophy for an ironless round in the way
  BestScores->Insert("Pro", -30, 0, 1);  // nor a new course best
  struct Row {
    int lastCardsLeft;  // on the last hole, par 4; the eight before are played at par
    bool paid;
    int pursesWon;      // counted after this course
  };
  const Row rows[] = {{2, true, 1}, {4, false, 1}, {6, false, 1}, {3, true, 2}};
  for (const Row& row : rows) {
    SCOPED_TRACE("last hole with " + std::to_string(row.lastCardsLeft) + " cards left");
    GameScreen->UnlockedDialog = nullptr;
    GameScreen->TrophyDialogs.fill(-1);
    GameScreen->TopScore = 0;
    for (int h = 1; h <= 8; ++h) {
      Open(h, 0);
      Card().StoreWinnings();
    }
    Player().LevelScore = 0;
    Hole(9, 4, row.lastCardsLeft);
    Card().Load();
    Card().ApplyStats();
    Card().Show(0);
    for (int i = 0; i < 200 && Card().Zoom->Active != 0; ++i) StepCard();
    ASSERT_EQ(Card().Zoom->Active, 0);
    ASSERT_EQ(Card().GopherDialog != nullptr, row.paid);
    EXPECT_EQ(Card().PurseValue, row.paid ? 1000 : 0);
    if (row.paid) {
      for (int i = 0; i < 45; ++i) StepCard();  // the dialog's fade-in
      story_test::Key(13);
      for (int i = 0; i < 200 && Card().GopherDialog; ++i) StepCard();
      ASSERT_FALSE(Card().GopherDialog);
    }
    for (int i = 0; i < 5; ++i) StepCard();
    ClickOn(*Card().Menu->FindButton("continue"));
    const int action = StepCard();
    // The course is done, at once or once a dialog it opened (a course unlocked) is closed.
    ASSERT_EQ(action != 0 ? action : Card().PostDialogAction, SCORECARD_COURSE_DONE);
    EXPECT_EQ(Save().TotalPursesWon, row.pursesWon);
  }
}

}  // namespace

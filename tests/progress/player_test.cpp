// The player record: the clock of a timed hole, the golf bag's free slot, and the copies between
// the record and the profile.
#include "progress/player.h"

#include <gtest/gtest.h>

#include "cards/card.h"
#include "progress_fixture.h"

namespace {

class PlayerTest : public ProgressTest {};

// Runs the clock tick by tick until `ms` have passed, counting the countdown's beeps (each change
// of the shown seconds) and the ticks at which the time ran out.
struct ClockRun {
  int beeps = 0;
  int timeUps = 0;
  int firstShownAtMs = -1;
};

ClockRun RunClock(TPlayer& p, int ms) {
  ClockRun run;
  for (int tick = 1; tick * 5 <= ms; ++tick) {
    const int before = p.LastTimeTaken;
    const int upBefore = p.TimeUp;
    p.Manage();
    if (p.LastTimeTaken != before && p.LastTimeTaken != 9999) {
      ++run.beeps;
      if (run.firstShownAtMs < 0) run.firstShownAtMs = tick * 5;
    }
    if (p.TimeUp != upBefore) ++run.timeUps;
  }
  return run;
}

TEST_F(PlayerTest, ATimedHoleCountsDownTheLastTenSecondsAndRunsOutOnce) {
  Player().NewLevelStats();
  Player().LastTimeTaken = 9999;
  Player().TimeLimit = 60000;
  const ClockRun run = RunClock(Player(), 70000);
  EXPECT_EQ(run.firstShownAtMs, 50000);  // 9999 until ten seconds (rounded up) are left
  EXPECT_EQ(run.beeps, 11);              // 10 down to 0
  EXPECT_EQ(run.timeUps, 1);
  EXPECT_EQ(Player().TimeUp, 1);
  EXPECT_EQ(Player().LastTimeTaken, 0);
  EXPECT_DOUBLE_EQ(Player().TimeTaken, 14000);  // the clock runs on, counting ticks
}

TEST_F(PlayerTest, TheClockStandsStillWhileTheScreenHoldsItOrTheLayoutIsCleared) {
  struct Hold {
    const char* name;
    bool screenHolds;
    int perfect;
  };
  for (const Hold& hold : {Hold{"screen", true, 0}, Hold{"perfect", false, 1}}) {
    Player().TimeTaken = 0;
    Player().TotalTimeTaken = 0;
    events_.clockHeld = hold.screenHolds;
    Player().Perfect = hold.perfect;
    Player().Manage();
    EXPECT_EQ(Player().TimeTaken, 0) << hold.name;
    EXPECT_EQ(Player().TotalTimeTaken, 0) << hold.name;
    events_.clockHeld = false;
    Player().Perfect = 0;
    Player().Manage();
    EXPECT_EQ(Player().TimeTaken, 1) << hold.name;
  }
}

TEST_F(PlayerTest, TheScreenHearsOfTheTimeRunningOutOnceAndOfEachRiseOfTheHoleCash) {
  Player().NewLevelStats();
  Player().TimeLimit = 1000;
  for (int tick = 0; tick < 400; ++tick) Player().Manage();
  EXPECT_EQ(events_.Count("TimeRanOut"), 1);
  Player().LevelScoreChange(10);
  Player().LevelScoreChange(-5);
  Player().LevelScoreChange(0);
  EXPECT_EQ(events_.Count("HoleCashRaised"), 1);
}

TEST_F(PlayerTest, TheFreeIronSlotSkipsHeldAndDealtIrons) {
  for (int i = 2; i <= 9; ++i) Player().Irons[static_cast<std::size_t>(i)] = i == 6 ? 0 : 1;
  for (int n = 0; n < 20; ++n) EXPECT_EQ(Player().GetEmptyIron(), 6);
  // The 6-iron is on the layout already: its slot is spoken for.
  auto dealt = CardList->Add(300, 200, CARDTYPE_IRON, 1, 6, -1);
  EXPECT_EQ(Player().GetEmptyIron(), 0);
  // Once it has been played from the bag onto the foundation, the slot is free again.
  dealt->Foundation = 1;
  dealt->FromBag = 1;
  EXPECT_EQ(Player().GetEmptyIron(), 6);
  Player().IronsClear();
  EXPECT_EQ(Player().IronsCount(), 0);
  Player().Irons[1] = 2;  // only entries of exactly 1 count
  Player().Irons[9] = 1;
  EXPECT_EQ(Player().IronsCount(), 1);
}

TEST_F(PlayerTest, CashAndWinningsNeverFallBelowZero) {
  Player().Score = 300;
  Player().ScoreChange(-500);
  EXPECT_EQ(Player().Score, 0);
  Player().LevelScoreChange(12);
  Player().LevelScoreChange(-50);
  EXPECT_EQ(Player().LevelScore, 0);
}

TEST_F(PlayerTest, TheProfileRoundTripKeepsTheUnlockCountAndReadsNegativeCashAsZero) {
  TProfile profile;
  profile.Name = "Tess";
  profile.CurrentLevel = 4;
  profile.LockedLevel = 7;
  profile.Score = -40;
  profile.TimeTaken = 99;
  EXPECT_EQ(Player().ProfileRead(nullptr, 0), 0);
  EXPECT_EQ(Player().ProfileRead(&profile, 0), 1);
  EXPECT_EQ(Player().Score, 0);
  EXPECT_EQ(Player().Unlocked, 6);
  Player().ProfileUpdatePlayer(profile);
  EXPECT_EQ(profile.LockedLevel, 7);
  EXPECT_EQ(profile.CurrentLevel, 4);
  EXPECT_EQ(Player().ProfileWrite(nullptr), 0);
}

TEST_F(PlayerTest, AHoleStartsWithOneMulliganOrTwoWithTheItem) {
  Player().NewLevelStats();
  EXPECT_EQ(Player().Mulligans, 1);
  Save().AvatarItems[0] = 1;
  Player().Score = 77;
  Player().NewLevelStats();
  EXPECT_EQ(Player().Mulligans, 2);
  EXPECT_EQ(Player().LevelStartScore, 77);
}

}  // namespace

// The HUD's rules as plain values: pending multiplier, ball strings, club swing, time left and the
// detail setting.

#include "play/hud_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace hud_rules;

struct PendingCase {
  double start;
  int run;
  double pending;
};

class PendingMultiplierTest : public testing::TestWithParam<PendingCase> {};

TEST_P(PendingMultiplierTest, RisesFromTheCommittedMultiplierAndIsCapped) {
  const auto& c = GetParam();
  EXPECT_NEAR(PendingMultiplier(c.start, c.run), c.pending, 1e-9) << "run " << c.run;
}

const double kItem5 = static_cast<double>(1.3f);  // 1.29999995

// The rise a run of n cards earns: nothing up to 5 cards, a tenth a card from the 6th to the 15th,
// two tenths from the 16th to the 20th, three tenths from the 21st to the 23rd, up to 3.0 at 23;
// from a start of 1.0 the pending multiplier reaches the top of 3.0 at 20 cards. Longer runs take
// the last rise and the cap; a hole started at 1.3 (avatar item 5) is capped from 19 cards.
INSTANTIATE_TEST_SUITE_P(
    Runs, PendingMultiplierTest,
    testing::Values(PendingCase{1.0, 0, 1.0}, PendingCase{1.0, 1, 1.0}, PendingCase{1.0, 2, 1.0},
                    PendingCase{1.0, 3, 1.0}, PendingCase{1.0, 4, 1.0}, PendingCase{1.0, 5, 1.0},
                    PendingCase{1.0, 6, 1.1}, PendingCase{1.0, 7, 1.2}, PendingCase{1.0, 8, 1.3},
                    PendingCase{1.0, 9, 1.4}, PendingCase{1.0, 10, 1.5}, PendingCase{1.0, 11, 1.6},
                    PendingCase{1.0, 12, 1.7}, PendingCase{1.0, 13, 1.8}, PendingCase{1.0, 14, 1.9},
                    PendingCase{1.0, 15, 2.0}, PendingCase{1.0, 16, 2.2}, PendingCase{1.0, 17, 2.4},
                    PendingCase{1.0, 18, 2.6}, PendingCase{1.0, 19, 2.8}, PendingCase{1.0, 20, 3.0},
                    PendingCase{1.0, 21, 3.0}, PendingCase{1.0, 22, 3.0}, PendingCase{1.0, 23, 3.0},
                    PendingCase{1.0, 24, 3.0}, PendingCase{1.0, 30, 3.0}, PendingCase{2.5, 24, 3.0},
                    PendingCase{kItem5, 5, kItem5}, PendingCase{kItem5, 6, kItem5 + 0.1},
                    PendingCase{kItem5, 15, kItem5 + 1.0}, PendingCase{kItem5, 17, kItem5 + 1.4},
                    PendingCase{kItem5, 18, kItem5 + 1.6}, PendingCase{kItem5, 19, 3.0}));

TEST(PendingMultiplierTest, AValueWithinTheMarginOfTheTopIsTheTop) {
  EXPECT_EQ(CapMultiplier(3.0 - 0.000005), 3.0);
  EXPECT_LT(CapMultiplier(2.99), 3.0);
}

struct StringsCase {
  double x;
  bool seven;
  const char* text;
};

class MultiplierStringsTest : public testing::TestWithParam<StringsCase> {};

TEST_P(MultiplierStringsTest, GivesTheBallsText) {
  const auto& c = GetParam();
  std::string whole, frac;
  MultiplierStrings(c.x, c.seven, whole, frac);
  EXPECT_EQ(whole + "." + frac + "X", c.text) << c.x;
}

INSTANTIATE_TEST_SUITE_P(
    Values, MultiplierStringsTest,
    testing::Values(StringsCase{1.0, false, "1.0X"}, StringsCase{kItem5, false, "1.3X"},
                    StringsCase{2.25, false, "2.2X"}, StringsCase{2.96, false, "2.9X"},
                    StringsCase{2.996, false, "5.0X"}, StringsCase{3.0, false, "5.0X"},
                    StringsCase{2.996, true, "7.0X"}, StringsCase{3.0, true, "7.0X"},
                    // a hair below 2.2 still reads 2.2
                    StringsCase{2.2 - 1e-9, false, "2.2X"}, StringsCase{1.99999, false, "2.0X"}));

struct SwingCase {
  int run;
  int back, end, lengthMs;
};

class ClubSwingTest : public testing::TestWithParam<SwingCase> {};

TEST_P(ClubSwingTest, ReachGrowsWithTheDrive) {
  const auto& c = GetParam();
  const auto s = ClubSwingFor(c.run);
  EXPECT_EQ(s.back, c.back);
  EXPECT_EQ(s.end, c.end);
  EXPECT_EQ(s.lengthMs, c.lengthMs);
}

INSTANTIATE_TEST_SUITE_P(Drives, ClubSwingTest,
                         testing::Values(SwingCase{6, 24, 32, 990}, SwingCase{10, 17, 38, 1050},
                                         SwingCase{15, 9, 45, 1125}, SwingCase{20, 0, 52, 1200},
                                         SwingCase{28, 0, 52, 1320}));

TEST(ClubSwingTest, StrikeSoundsFollowTheReach) {
  EXPECT_EQ(StrikeSound(DistanceRatio(6)), 1);
  EXPECT_EQ(StrikeSound(DistanceRatio(7)), 1);
  EXPECT_EQ(StrikeSound(DistanceRatio(8)), 2);
  EXPECT_EQ(StrikeSound(DistanceRatio(11)), 3);
  EXPECT_EQ(StrikeSound(DistanceRatio(14)), 4);
  EXPECT_EQ(StrikeSound(DistanceRatio(17)), 5);
  EXPECT_FLOAT_EQ(DistanceRatio(25), 1.0f);
}

TEST(TimeLeftTest, RaisedToAWholeSecondAndNeverBelowZero) {
  EXPECT_EQ(TimeLeft(10, 0, 5), 1000);
  EXPECT_EQ(TimeLeft(10001, 0, 5), 11000);
  EXPECT_EQ(TimeLeft(60000, 2000, 5), 50000);  // 10 s used
  EXPECT_EQ(TimeLeft(60000, 12000, 5), 0);     // exactly up
  EXPECT_EQ(TimeLeft(60000, 12001, 5), 0);     // over
}

struct DetailCase {
  int particles;
  int firework;   // 2 x count 50
  int endDrive;   // count 150
  int sparkle;    // pointer interval, ticks
};

class DetailTest : public testing::TestWithParam<DetailCase> {};

TEST_P(DetailTest, OneRuleForEveryCount) {
  const auto& c = GetParam();
  EXPECT_EQ(2 * DetailCount(50, c.particles), c.firework);
  EXPECT_EQ(DetailCount(150, c.particles), c.endDrive);
  EXPECT_EQ(SparkleLength(c.particles), c.sparkle);
}

INSTANTIATE_TEST_SUITE_P(Settings, DetailTest,
                         testing::Values(DetailCase{0, 0, 0, 90}, DetailCase{1, 0, 1, 89},
                                         DetailCase{50, 50, 75, 52}, DetailCase{70, 70, 105, 37},
                                         DetailCase{100, 100, 150, 15}));

TEST(DetailTest, IntervalsStretchOverTheRatio) {
  EXPECT_FLOAT_EQ(DetailInterval(20, 50), 40);   // the hole-cash dust at half detail
  EXPECT_FLOAT_EQ(DetailInterval(2, 1), 200);    // the End Drive trail at detail 1
  EXPECT_FLOAT_EQ(DetailInterval(18, 100), 18);  // sand sparkles at full detail
}

}  // namespace

// The level tool's lesson check on hand-made holes: the fastest clear counts every stock turn and
// plays the irons it finds, the bound on what a player clears without meeting a lesson, and the
// check's verdict for each way a lesson is met.

#include "lessons.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/random.h"

namespace {

std::uint64_t Bit(int i) { return std::uint64_t{1} << i; }

// Layout cards of the given values, all free and face up; `types` as dealt.
SolverLayout Free(int count) {
  SolverLayout l;
  l.count = count;
  l.type.assign(static_cast<std::size_t>(count), CARDTYPE_NORMAL);
  l.faceUp.assign(static_cast<std::size_t>(count), 1);
  l.coveredBy.assign(static_cast<std::size_t>(count), 0);
  return l;
}

HoleDeal Deal(std::vector<int> values, int foundation, std::vector<int> stockValues,
              std::vector<int> stockTypes) {
  HoleDeal d;
  d.type.assign(values.size(), CARDTYPE_NORMAL);
  d.value = std::move(values);
  d.foundation = foundation;
  d.stockValue = std::move(stockValues);
  d.stockType = std::move(stockTypes);
  return d;
}

constexpr int N = CARDTYPE_NORMAL, W = CARDTYPE_WILDSHOT, I = CARDTYPE_IRON;

struct TurnsCase {
  const char* name;
  std::vector<int> values;
  int foundation;
  std::vector<int> stockValues, stockTypes;
  int turns;
};

class FewestTurns : public testing::TestWithParam<TurnsCase> {};

TEST_P(FewestTurns, CountsEveryStockTurnBeforeTheLayoutIsClear) {
  const TurnsCase& c = GetParam();
  const SolverLayout layout = Free(static_cast<int>(c.values.size()));
  EXPECT_EQ(FewestTurnsToClear(layout, Deal(c.values, c.foundation, c.stockValues, c.stockTypes)),
            c.turns);
}

INSTANTIATE_TEST_SUITE_P(
    HandMade, FewestTurns,
    testing::Values(TurnsCase{"NoTurnWhenTheRunIsThere", {4, 3}, 5, {9}, {N}, 0},
                    TurnsCase{"TheSecondTurnOpensTheWay", {3}, 1, {9, 4}, {N, N}, 2},
                    TurnsCase{"AWildShotTurnsButLeavesTheFoundation", {3, 5}, 4, {0, 4}, {W, N}, 2},
                    TurnsCase{"AnIronTurnedUpIsPlayedFromTheBag", {3}, 9, {4, 11}, {I, N}, 1},
                    TurnsCase{"NeverWhenNothingFits", {7, 8}, 2, {2, 11}, {N, N}, -1}),
    [](const testing::TestParamInfo<TurnsCase>& info) { return std::string(info.param.name); });

TEST(FewestTurnsToClear, ClearsExactlyTheDealsTheFullSearchClears) {
  // Two piles of three and two free cards: whenever the full-knowledge search clears the layout
  // the fastest clear finds a number of turns, and never otherwise.
  SolverLayout layout = Free(8);
  for (int i : {0, 1, 3, 4}) layout.coveredBy[static_cast<std::size_t>(i)] = Bit(i + 1);
  platform::Random rng(41);
  THoleSolver solver;
  int cleared = 0;
  for (int d = 0; d < 300; ++d) {
    const HoleDeal deal = DealHole(layout, rng, {});
    const SolveResult best = solver.Solve(layout, deal);
    ASSERT_TRUE(best.complete);
    const int turns = FewestTurnsToClear(layout, deal);
    ASSERT_EQ(turns >= 0, best.cardsLeft == 0) << "deal " << d;
    ASSERT_LE(turns, static_cast<int>(deal.stockValue.size()));
    cleared += turns >= 0 ? 1 : 0;
  }
  EXPECT_GT(cleared, 0);
}

TEST(FewestTurnsToClear, GivesUpPastItsBudget) {
  const SolverLayout layout = Free(3);
  EXPECT_EQ(FewestTurnsToClear(layout, Deal({5, 6, 7}, 1, {9, 4}, {N, N}), 2), -2);
}

TEST(MostClearedWithout, CountsWhatAPlayerClearsBeforeMeetingTheLesson) {
  // Card 0 face down under card 1, card 2 free; card 3 sand under the wedge 4.
  SolverLayout layout = Free(5);
  layout.coveredBy[0] = Bit(1);
  layout.faceUp[0] = 0;
  layout.type[3] = CARDTYPE_SAND;
  layout.faceUp[3] = 0;
  layout.coveredBy[3] = Bit(4);
  layout.type[4] = CARDTYPE_WEDGE;
  LessonElement uncovering;
  uncovering.way = LessonWay::ByPlay;
  uncovering.uncovers = true;
  // Card 2, the wedge and the sand it frees: the sand turning over is another lesson.
  EXPECT_EQ(MostClearedWithout(layout, uncovering), 3);
  LessonElement playing;
  playing.way = LessonWay::ByPlay;
  EXPECT_EQ(MostClearedWithout(layout, playing), 1);  // the wedge alone is picked up
}

}  // namespace

// The layout checks, the deal, the full-knowledge search, the careful player and the par rule.

#include "cards/hole_solver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>

#include "platform/random.h"

namespace {

HoleCardEntry Card(int id, int x, int y, int z, std::vector<int> covers = {}, int type = CARDTYPE_NORMAL) {
  HoleCardEntry c;
  c.id = id;
  c.x = x;
  c.y = y;
  c.zorder = z;
  c.faceUp = 1;
  c.type = type;
  c.covers = std::move(covers);
  return c;
}

// Card 1 at the top left of the play area, card 3 half a card below it and lying on it, card 2
// apart from both.
HoleFileData SoundHole() {
  HoleFileData h;
  h.cards = {Card(1, 0, 62, 0, {3}), Card(2, 112, 62, 1), Card(3, 0, 102, 2)};
  return h;
}

bool HasFault(const std::vector<std::string>& faults, const std::string& part) {
  return std::any_of(faults.begin(), faults.end(),
                     [&](const std::string& f) { return f.find(part) != std::string::npos; });
}

TEST(HoleLayoutCheck, SoundHolePasses) { EXPECT_TRUE(ValidateHoleLayout(SoundHole()).empty()); }

TEST(HoleLayoutCheck, EachFaultIsNamed) {
  struct Case {
    const char* what;
    std::function<void(HoleFileData&)> spoil;
    const char* message;
  };
  const Case cases[] = {
      {"duplicate ID", [](HoleFileData& h) { h.cards[1].id = 1; }, "ID used twice"},
      {"ID of the stock range", [](HoleFileData& h) { h.cards[1].id = 100; }, "outside 0..99"},
      {"self cover", [](HoleFileData& h) { h.cards[1].covers = {2}; }, "covers itself"},
      {"unknown ID", [](HoleFileData& h) { h.cards[1].covers = {42}; }, "unknown card 42"},
      {"cover drawn below", [](HoleFileData& h) { h.cards[2].zorder = 0; }, "not drawn above"},
      {"cycle", [](HoleFileData& h) { h.cards[2].covers = {1}; }, "cover cycle"},
      {"cycle leaves cards unreachable", [](HoleFileData& h) { h.cards[2].covers = {1}; },
       "can never be uncovered"},
      {"negative ZOrder", [](HoleFileData& h) { h.cards[1].zorder = -1; }, "negative ZOrder"},
      {"off the play area", [](HoleFileData& h) { h.cards[1].x = 600; }, "outside the play area"},
      {"under the HUD", [](HoleFileData& h) { h.cards[1].y = 0; }, "hidden under the HUD"},
      {"overlap without cover", [](HoleFileData& h) { h.cards[1].x = 40; }, "overlap without a cover"},
      {"cover that does not touch", [](HoleFileData& h) { h.cards[1].covers = {3}; h.cards[1].zorder = 0; },
       "without touching"},
      {"cover named twice", [](HoleFileData& h) { h.cards[0].covers = {3, 3}; }, "twice in its cover list"},
      {"token factor", [](HoleFileData& h) { h.cards[0].tokenFactor = 7; }, "token factor"},
      {"dealt type in the file", [](HoleFileData& h) { h.cards[0].type = CARDTYPE_IRON; },
       "cannot come from a hole file"},
      {"no cards", [](HoleFileData& h) { h.cards.clear(); }, "no cards"},
  };
  for (const auto& c : cases) {
    HoleFileData h = SoundHole();
    c.spoil(h);
    const auto faults = ValidateHoleLayout(h);
    EXPECT_TRUE(HasFault(faults, c.message)) << c.what << ": expected \"" << c.message << "\"";
  }
}

TEST(HoleLayoutCheck, TooManyValueCardsForTheStock) {
  HoleFileData h;
  for (int i = 0; i < 47; ++i) h.cards.push_back(Card(i, (i % 10) * 56, 62 + (i / 10) * 42, i));
  EXPECT_TRUE(HasFault(ValidateHoleLayout(h), "stock would be too small"));
}

// ---- The deal ----

SolverLayout FlatLayout(int n, int everyOther = CARDTYPE_NORMAL) {
  SolverLayout l;
  l.count = n;
  for (int i = 0; i < n; ++i) {
    l.type.push_back(i % 2 ? everyOther : CARDTYPE_NORMAL);
    l.faceUp.push_back(1);
    l.coveredBy.push_back(0);
  }
  return l;
}

TEST(HoleDealTest, DealsTheWholeDeckOnceWithTheRolledExtras) {
  const SolverLayout layout = FlatLayout(35, CARDTYPE_WATER);
  platform::Random rng(7);
  for (int d = 0; d < 300; ++d) {
    const HoleDeal deal = DealHole(layout, rng, {});
    std::map<int, int> ranks;
    std::vector<int> irons;
    int wild = 0;
    for (int i = 0; i < layout.count; ++i) {
      if (deal.type[i] == CARDTYPE_IRON) {
        EXPECT_EQ(layout.type[i], CARDTYPE_NORMAL) << "a water card became an iron";
        irons.push_back(deal.value[i]);
      } else {
        ++ranks[deal.value[i]];
      }
    }
    for (std::size_t s = 0; s < deal.stockValue.size(); ++s) {
      if (deal.stockType[s] == CARDTYPE_IRON) irons.push_back(deal.stockValue[s]);
      else if (deal.stockType[s] == CARDTYPE_WILDSHOT) ++wild;
      else ++ranks[deal.stockValue[s]];
    }
    ++ranks[deal.foundation];
    for (int v = 1; v <= 13; ++v) ASSERT_EQ(ranks[v], 4) << "rank " << v << " in deal " << d;
    EXPECT_LE(irons.size(), 2u);
    EXPECT_LE(wild, 2);
    if (irons.size() == 2) {
      EXPECT_NE(irons[0], irons[1]);
    }
    for (int k : irons) EXPECT_TRUE(k >= IRON_FIRST && k <= IRON_LAST);
    EXPECT_EQ(deal.stockValue.size(), 52u - 35 - 1 + irons.size() + wild);
  }
}

TEST(HoleDealTest, ForcedCountsWedgesAndAFullBag) {
  SolverLayout layout = FlatLayout(20);
  layout.type[3] = CARDTYPE_WEDGE;
  platform::Random rng(11);
  auto count = [](const HoleDeal& deal, int type) {
    int n = static_cast<int>(std::count(deal.type.begin(), deal.type.end(), type));
    return n + static_cast<int>(std::count(deal.stockType.begin(), deal.stockType.end(), type));
  };
  for (int d = 0; d < 50; ++d) {
    const HoleDeal none = DealHole(layout, rng, {0, 0, 0});
    EXPECT_EQ(count(none, CARDTYPE_IRON), 0);
    EXPECT_EQ(count(none, CARDTYPE_WILDSHOT), 0);
    EXPECT_EQ(none.type[3], CARDTYPE_WEDGE);
    EXPECT_EQ(none.value[3], 1);
    const HoleDeal one = DealHole(layout, rng, {1, 1, 0});
    EXPECT_EQ(count(one, CARDTYPE_IRON), 1);
    EXPECT_EQ(count(one, CARDTYPE_WILDSHOT), 1);
    const HoleDeal full = DealHole(layout, rng, {2, -1, 8});
    EXPECT_EQ(count(full, CARDTYPE_IRON), 0);
    const HoleDeal seven = DealHole(layout, rng, {2, -1, 7});
    EXPECT_EQ(count(seven, CARDTYPE_IRON), 1);
  }
}

// A wild shot held to the stock's first turns turns up within them in every deal, the rest of the
// deck dealt as always; across deals it lands on each of those turns.
TEST(HoleDealTest, AWildShotHeldToTheFirstTurnsTurnsUpWithinThem) {
  const SolverLayout layout = FlatLayout(14);
  for (const int turns : {1, 3}) {
    SCOPED_TRACE("within " + std::to_string(turns) + " turns");
    DealOptions options;
    options.irons = 0;
    options.wildShots = 1;
    options.wildShotStockTurns = turns;
    platform::Random rng(23);
    std::set<int> seen;
    for (int d = 0; d < 200; ++d) {
      const HoleDeal deal = DealHole(layout, rng, options);
      ASSERT_EQ(deal.stockType.size(), 52u - 14 - 1 + 1);
      const auto wild = std::find(deal.stockType.begin(), deal.stockType.end(), CARDTYPE_WILDSHOT);
      ASSERT_NE(wild, deal.stockType.end());
      const int turn = static_cast<int>(wild - deal.stockType.begin()) + 1;
      ASSERT_LE(turn, turns) << "deal " << d;
      seen.insert(turn);
      std::map<int, int> ranks;
      for (int v : deal.value) ++ranks[v];
      for (std::size_t s = 0; s < deal.stockValue.size(); ++s)
        if (deal.stockType[s] == CARDTYPE_NORMAL) ++ranks[deal.stockValue[s]];
      ++ranks[deal.foundation];
      for (int v = 1; v <= 13; ++v) ASSERT_EQ(ranks[v], 4) << "rank " << v << " in deal " << d;
    }
    EXPECT_EQ(static_cast<int>(seen.size()), turns);
  }
}

// ---- Solving ----

struct Case {
  SolverLayout layout;
  HoleDeal deal;
};

// Free cards of the given values; `on[i]` lists the cards lying on card i.
Case MakeCase(const std::vector<int>& values, int foundation,
              const std::vector<std::vector<int>>& on = {}, std::vector<int> types = {}) {
  Case c;
  c.layout = FlatLayout(static_cast<int>(values.size()));
  if (types.empty()) types.assign(values.size(), CARDTYPE_NORMAL);
  for (std::size_t i = 0; i < values.size(); ++i) {
    c.layout.type[i] = types[i] == CARDTYPE_IRON ? CARDTYPE_NORMAL : types[i];
    if (i < on.size())
      for (int j : on[i]) c.layout.coveredBy[i] |= std::uint64_t{1} << j;
    c.layout.faceUp[i] = c.layout.coveredBy[i] ? 0 : 1;
  }
  c.deal.value = values;
  c.deal.type = types;
  c.deal.foundation = foundation;
  return c;
}

TEST(HoleSolverTest, HandMadeDeals) {
  THoleSolver solver;
  {  // a straight run
    const Case c = MakeCase({5, 6, 7}, 4);
    EXPECT_EQ(solver.Solve(c.layout, c.deal).cardsLeft, 0);
    EXPECT_EQ(PlayLikeAPlayer(c.layout, c.deal), 0);
  }
  {  // order matters: the 5 frees a 6; taking the 3 first strands the 5
    const Case c = MakeCase({5, 3, 6}, 4, {{}, {}, {0}});
    EXPECT_EQ(solver.Solve(c.layout, c.deal).cardsLeft, 1);
  }
  {  // King and Ace are neighbours: 12, 13, 1, 2
    const Case c = MakeCase({1, 2, 13, 12}, 13);
    EXPECT_EQ(solver.Solve(c.layout, c.deal).cardsLeft, 0);
  }
  {  // the stock opens the way
    Case c = MakeCase({9, 10}, 2);
    c.deal.stockValue = {8};
    c.deal.stockType = {CARDTYPE_NORMAL};
    EXPECT_EQ(solver.Solve(c.layout, c.deal).cardsLeft, 0);
    EXPECT_EQ(PlayLikeAPlayer(c.layout, c.deal), 0);
  }
  {  // a wild shot changes nothing; an iron on the layout is collected and played
    Case c = MakeCase({7, 6}, 1, {}, {CARDTYPE_NORMAL, CARDTYPE_IRON});
    c.deal.stockValue = {0};
    c.deal.stockType = {CARDTYPE_WILDSHOT};
    EXPECT_EQ(solver.Solve(c.layout, c.deal).cardsLeft, 0);
    EXPECT_EQ(PlayLikeAPlayer(c.layout, c.deal), 0);
  }
  {  // an iron from the stock goes into the bag and is played after the stock is spent
    Case c = MakeCase({3}, 9);
    c.deal.stockValue = {4, 11};
    c.deal.stockType = {CARDTYPE_IRON, CARDTYPE_NORMAL};
    EXPECT_EQ(solver.Solve(c.layout, c.deal).cardsLeft, 0);
    EXPECT_EQ(PlayLikeAPlayer(c.layout, c.deal), 0);
  }
  {  // a wedge is collected and frees the sand under it
    const Case c = MakeCase({3, 1}, 2, {{1}, {}}, {CARDTYPE_SAND, CARDTYPE_WEDGE});
    EXPECT_EQ(solver.Solve(c.layout, c.deal).cardsLeft, 0);
  }
  {  // nothing fits and nothing is left in the stock
    const Case c = MakeCase({7, 8}, 2);
    EXPECT_EQ(solver.Solve(c.layout, c.deal).cardsLeft, 2);
    EXPECT_EQ(PlayLikeAPlayer(c.layout, c.deal), 2);
  }
}

TEST(HoleSolverTest, NodeBudgetEndsTheSearchEarly) {
  const SolverLayout layout = FlatLayout(30);
  platform::Random rng(3);
  THoleSolver solver;
  const HoleDeal deal = DealHole(layout, rng, {0, 0, 0});
  const SolveResult cut = solver.Solve(layout, deal, 5);
  EXPECT_FALSE(cut.complete);
  EXPECT_LE(cut.nodes, 6);
}

// Random covered layouts: the careful player never beats the full-knowledge search, and the
// search's result does not depend on the table left from earlier searches.
TEST(HoleSolverTest, PlayerNeverBeatsTheSearch) {
  platform::Random rng(99);
  THoleSolver solver, fresh;
  for (int t = 0; t < 60; ++t) {
    SolverLayout layout = FlatLayout(24);
    for (int i = 0; i < 16; ++i) {  // cards 0..15 each lie under one or two of cards 8..23
      layout.coveredBy[i] |= std::uint64_t{1} << (i + 8);
      if (rng.Rand(0, 1)) layout.coveredBy[i] |= std::uint64_t{1} << std::min(23, i + 9);
      layout.faceUp[i] = rng.Rand(0, 2) == 0 ? 1 : 0;
    }
    const HoleDeal deal = DealHole(layout, rng, {});
    const SolveResult best = solver.Solve(layout, deal);
    ASSERT_TRUE(best.complete);
    EXPECT_GE(PlayLikeAPlayer(layout, deal), best.cardsLeft);
    if (t % 10 == 0) {
      THoleSolver another;
      EXPECT_EQ(another.Solve(layout, deal).cardsLeft, best.cardsLeft);
    }
  }
}

TEST(HoleParTest, ParFollowsThePlayerAndStaysReachable) {
  HoleSample s;
  s.best = {0, 0, 1, 5};
  s.player = {2, 2, 2, 2};
  EXPECT_EQ(ChoosePar(s, 0.0, 0.75, 30), 2);
  EXPECT_EQ(ChoosePar(s, 1.0, 0.75, 30), 3);
  EXPECT_EQ(ChoosePar(s, 0.0, 0.9, 30), 5);  // raised until the search reaches it in 90 %
  EXPECT_EQ(ChoosePar(s, 0.0, 0.9, 4), 4);   // never above the card count
  EXPECT_EQ(ChoosePar(s, -9.0, 0.0, 30), 0);  // never below 0
  EXPECT_DOUBLE_EQ(ShareAtOrBelow(s.best, 1), 0.75);
  EXPECT_DOUBLE_EQ(MeanOf(s.player), 2.0);
}

}  // namespace

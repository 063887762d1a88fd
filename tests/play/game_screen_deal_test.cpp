// Dealing a hole: the stock's IDs and fan, the foundation card, irons and wild shots by their
// chance tables, the tutorial holes, the warning of a short stock, a pinned deal under the fixed
// clock, and the holes the deal refuses.
#include <set>

#include <algorithm>

#include "cards/hole_solver.h"
#include "platform/system.h"
#include "tests/play/play_fixture.h"
#include "util/error.h"

namespace {

using DealTest = PlayScreenFixture;

std::vector<TCardRef> StockCards() {
  std::vector<TCardRef> stock;
  for (const auto& c : CardList->Cards)
    if (c->Stock) stock.push_back(c);
  return stock;
}

TEST_F(DealTest, FortyCardsTwoIronsAndTwoWildShotsMakeAStockOfSixteen) {
  UseHole("forty_cards.txt");
  GameScreen->DealRolls = {5, 1};  // two irons, two wild shots
  GameScreen->LevelStart();
  EXPECT_EQ(GameGrid->CardsLeft, 40);
  EXPECT_EQ(TCardList::HighID, 116);
  auto stock = StockCards();
  ASSERT_EQ(stock.size(), 15u);  // one of the sixteen went onto the foundation
  std::set<int> ids;
  int irons = 0, wild = 0;
  for (const auto& c : CardList->Cards) {
    if (c->ID >= 100) ids.insert(c->ID);
    if (c->CardType == CARDTYPE_IRON) ++irons;
    if (c->CardType == CARDTYPE_WILDSHOT) {
      ++wild;
      EXPECT_EQ(c->Stock, 1) << "wild shots only in the stock";
    }
  }
  EXPECT_EQ(ids.size(), 16u);
  EXPECT_EQ(*ids.begin(), 100);
  EXPECT_EQ(*ids.rbegin(), 115);
  EXPECT_EQ(irons, 2);
  EXPECT_EQ(wild, 2);
  // The stock in list order: ZOrder 0, 1, 2 ... and the fan of the first eleven.
  for (std::size_t i = 0; i < stock.size(); ++i) {
    EXPECT_EQ(stock[i]->ZOrder, static_cast<int>(i));
    EXPECT_EQ(stock[i]->x, 315 + 3 * std::min<int>(static_cast<int>(i), 10)) << i;
    EXPECT_EQ(stock[i]->y, 460);
    EXPECT_EQ(stock[i]->FaceUp, 0);
  }
  auto f = GameGrid->FoundationCard;
  ASSERT_TRUE(f);
  EXPECT_NE(f->CardType, CARDTYPE_IRON);
  EXPECT_NE(f->CardType, CARDTYPE_WILDSHOT);
  EXPECT_EQ(f->Stock, 0);
  EXPECT_EQ(f->FaceUp, 1);
  EXPECT_EQ(GameGrid->FoundationValue, f->Value);
  EXPECT_EQ(CardList->StockTopFind(), stock.back());
}

TEST_F(DealTest, ChanceTables) {
  struct Row {
    int r, held, irons;
  };
  for (const Row& row : std::vector<Row>{{1, 0, 2}, {7, 6, 2}, {8, 0, 1}, {34, 6, 1}, {35, 0, 0},
                                         {7, 7, 1}, {34, 7, 1}, {35, 7, 0}, {1, 8, 0}, {100, 0, 0}})
    EXPECT_EQ(DealIronCount(row.r, row.held), row.irons) << row.r << " with " << row.held;
  for (const auto& [r, wild] : std::vector<std::pair<int, int>>{{1, 2}, {2, 2}, {3, 1}, {22, 1}, {23, 0}})
    EXPECT_EQ(DealWildshotCount(r), wild) << r;
}

TEST_F(DealTest, IronsTakeFreeSlotsOnlyAndNeverMoreThanTheBagHolds) {
  UseHole("forty_cards.txt");
  auto& bag = GameScreen->Player->SaveData->Irons;
  struct Case {
    std::vector<int> held;  // slots already in the bag
    int expected;
  };
  // Six held: two new ones; seven held: one; one slot free but a damaged bag claims another: one.
  for (const Case& c : std::vector<Case>{{{2, 3, 4, 5, 6, 7}, 2}, {{2, 3, 4, 5, 6, 7, 8}, 1}}) {
    bag.fill(0);
    for (int slot : c.held) bag[static_cast<std::size_t>(slot)] = 1;
    GameScreen->Player->Irons.fill(0);
    GameScreen->DealRolls = {1, 100};
    GameScreen->LevelStart();
    std::set<int> dealt;
    for (const auto& card : CardList->Cards)
      if (card->CardType == CARDTYPE_IRON) {
        EXPECT_EQ(std::count(c.held.begin(), c.held.end(), card->Value), 0) << card->Value;
        dealt.insert(card->Value);
      }
    EXPECT_EQ(static_cast<int>(dealt.size()), c.expected);
    GameScreen->KillGeneric();
  }
  // A damaged bag: slots marked with values other than 1 count as taken but not as held irons.
  bag.fill(2);
  bag[9] = 0;
  GameScreen->DealRolls = {1, 100};
  GameScreen->LevelStart();  // must not loop looking for a second free slot
  int irons = 0;
  for (const auto& card : CardList->Cards)
    if (card->CardType == CARDTYPE_IRON) {
      ++irons;
      EXPECT_EQ(card->Value, 9);
    }
  EXPECT_EQ(irons, 1);
}

TEST_F(DealTest, WaterAndSandNeverBecomeIronsAndWedgesKeepTheirValue) {
  UseHole("hazards.txt");
  for (int round = 0; round < 20; ++round) {
    platform::AdvanceManualClock(7);
    GameScreen->DealRolls = {1, 100};
    GameScreen->LevelStart();
    EXPECT_EQ(Card(1)->CardType, CARDTYPE_WATER);
    EXPECT_EQ(Card(3)->CardType, CARDTYPE_SAND);
    EXPECT_EQ(Card(4)->Value, 1);
    EXPECT_EQ(Card(4)->Suit, 0);
    EXPECT_EQ(GameGrid->CardsLeft, 5);
    if (Card(5)->CardType == CARDTYPE_IRON) {
      EXPECT_EQ(Card(5)->Suit, 0);
    }
    GameScreen->KillGeneric();
  }
}

TEST_F(DealTest, TheTutorialHolesDealTheirOwnIronsAndWildShots) {
  (*CourseList)[0]->Name = "The Vuva Rivudar";
  GameScreen->Player->SaveData->CourseName = "The Vuva Rivudar";
  UseHole("forty_cards.txt");
  struct Row {
    int hole, irons, wild;
  };
  for (const Row& row : std::vector<Row>{{1, 0, 0}, {2, 0, 1}, {3, 1, 0}}) {
    GameScreen->Player->Level = row.hole;
    GameScreen->Player->Irons.fill(0);
    GameScreen->Player->SaveData->Irons.fill(0);
    GameScreen->DealRolls = {1, 1};  // ignored where the tutorial decides
    if (row.hole == 3) GameScreen->DealRolls = {1, 100};  // the iron draw is overruled; no wild shot
    GameScreen->LevelStart();
    int irons = 0, wild = 0;
    for (const auto& c : CardList->Cards) {
      irons += c->CardType == CARDTYPE_IRON;
      wild += c->CardType == CARDTYPE_WILDSHOT;
    }
    EXPECT_EQ(irons, row.irons) << "hole " << row.hole;
    EXPECT_EQ(wild, row.wild) << "hole " << row.hole;
    GameScreen->KillGeneric();
  }
}

// The first course's irons hole: whatever the clock, its one iron lies in the stock and turns up
// within the first few turns, never on the layout where it could stay buried; the stock stays in
// order (top card last, highest z-order, at the fan's end).
TEST_F(DealTest, TheTutorialIronsHoleTurnsItsIronUpWithinTheFirstTurns) {
  (*CourseList)[0]->Name = "The Vuva Rivudar";
  GameScreen->Player->SaveData->CourseName = "The Vuva Rivudar";
  UseHole("forty_cards.txt");
  GameScreen->Player->Level = 3;
  std::set<int> turns;
  for (int clock = 0; clock < 60; ++clock) {
    SCOPED_TRACE("clock " + std::to_string(clock));
    platform::SetManualClock(1000 + 7919 * clock);
    GameScreen->Player->Irons.fill(0);
    GameScreen->DealRolls = {1, 100};
    GameScreen->LevelStart();
    auto stock = StockCards();
    std::erase_if(stock, [](const TCardRef& c) { return c->Foundation != 0; });
    std::stable_sort(stock.begin(), stock.end(),
                     [](const TCardRef& a, const TCardRef& b) { return a->ZOrder > b->ZOrder; });
    ASSERT_FALSE(stock.empty());
    EXPECT_EQ(stock.front()->StockTop, 1);
    int turn = 0, irons = 0;
    for (std::size_t i = 0; i < stock.size(); ++i)
      if (stock[i]->CardType == CARDTYPE_IRON) {
        turn = static_cast<int>(i) + 1;
        ++irons;
      }
    for (const auto& c : CardList->Cards)
      EXPECT_FALSE(c->Playfield && c->CardType == CARDTYPE_IRON)
          << "an iron on the layout, card " << c->ID;
    EXPECT_EQ(irons, 1);
    EXPECT_GE(turn, 1);
    EXPECT_LE(turn, TUTORIAL_IRON_TURNS);
    turns.insert(turn);
    GameScreen->KillGeneric();
  }
  EXPECT_GE(turns.size(), 2u);  // not always the same turn
}

// The first course's wild shots hole: whatever the clock, its one wild shot is the stock's top
// card, the first the player turns, so no player clears the layout before meeting it.
TEST_F(DealTest, TheTutorialWildShotsHoleTurnsItsWildShotUpFirst) {
  (*CourseList)[0]->Name = "The Vuva Rivudar";
  GameScreen->Player->SaveData->CourseName = "The Vuva Rivudar";
  UseHole("forty_cards.txt");
  GameScreen->Player->Level = 2;
  for (int clock = 0; clock < 60; ++clock) {
    SCOPED_TRACE("clock " + std::to_string(clock));
    platform::SetManualClock(1000 + 7919 * clock);
    GameScreen->DealRolls = {1, 1};  // the wild shot draw is overruled: one
    GameScreen->LevelStart();
    auto stock = StockCards();
    std::erase_if(stock, [](const TCardRef& c) { return c->Foundation != 0; });
    ASSERT_FALSE(stock.empty());
    const auto top = std::max_element(
        stock.begin(), stock.end(),
        [](const TCardRef& a, const TCardRef& b) { return a->ZOrder < b->ZOrder; });
    EXPECT_EQ((*top)->StockTop, 1);
    EXPECT_EQ((*top)->CardType, CARDTYPE_WILDSHOT);
    EXPECT_EQ((*top)->x, 315 + 3 * std::min<int>(static_cast<int>(stock.size()) - 1, 10));
    EXPECT_EQ(std::count_if(stock.begin(), stock.end(),
                            [](const TCardRef& c) { return c->CardType == CARDTYPE_WILDSHOT; }),
              1);
    GameScreen->KillGeneric();
  }
}

TEST_F(DealTest, AStockOfFourAfterTheFoundationCardWarnsOnce) {
  UseHole("forty_seven_cards.txt");
  GameScreen->DealRolls = {100, 100};
  testing::internal::CaptureStderr();  // without a window the box is the system alert's line
  GameScreen->LevelStart();
  const std::string shown = testing::internal::GetCapturedStderr();
  EXPECT_EQ(CardList->StockCount(), 4);
  std::size_t count = 0;
  for (auto at = shown.find("less than 5 stock cards"); at != std::string::npos;
       at = shown.find("less than 5 stock cards", at + 1))
    ++count;
  EXPECT_EQ(count, 1u);
  EXPECT_EQ(GameGrid->CardsLeft, 47);
  ASSERT_TRUE(GameGrid->FoundationCard);  // the deal is complete after the box
}

TEST_F(DealTest, TheSameClockDealsTheSameHole) {
  UseHole("forty_cards.txt");
  auto deal = [this]() {
    GameScreen->DealRolls = {};
    GameScreen->LevelStart();
    std::vector<int> faces;
    for (const auto& c : CardList->Cards) faces.push_back(c->ID * 100 + c->Value * 4 + c->Suit);
    faces.push_back(GameGrid->FoundationValue);
    GameScreen->KillGeneric();
    return faces;
  };
  platform::SetManualClock(123456);
  const auto first = deal();
  EXPECT_EQ(deal(), first);  // the clock has not moved
  // The deal at 123456 ms: the foundation card and the first three stock cards.
  // (entries: ID x 100 + value x 4 + suit, in card-list order)
  EXPECT_EQ(first.back(), 8);
  EXPECT_EQ(std::vector<int>(first.begin() + 40, first.begin() + 44),
            (std::vector<int>{10055, 10104, 10226, 10317}));
  platform::AdvanceManualClock(1);
  EXPECT_NE(deal(), first);
}

TEST_F(DealTest, HolesBeyondTheDealAreRefusedByName) {
  for (const char* file : {"fifty_two_cards.txt", "stock_id_card.txt"}) {
    UseHole(file);
    try {
      GameScreen->LevelStart();
      ADD_FAILURE() << file << " was dealt";
    } catch (const std::exception& e) {
      EXPECT_NE(std::string(e.what()).find(file), std::string::npos) << e.what();
    }
    GameScreen->KillGeneric();
  }
}

}  // namespace

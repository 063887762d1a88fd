#include "cards/card_list.h"

#include <gtest/gtest.h>

#include "cards/card_record.h"
#include "tests/cards/field_fixture.h"

namespace {

class CardListTest : public FieldFixture {};

struct UncoverCase {
  int mode;
  bool waterTurns;   // card 2, uncovered when card 4 leaves
  bool normalTurns;  // card 1, uncovered when cards 3 and 4 have left
};

class UncoverModes : public FieldFixture, public testing::WithParamInterface<UncoverCase> {};

TEST_P(UncoverModes, NewlyUncoveredCardsTurnByTheMode) {
  const auto c = GetParam();
  LoadHole("four_cards.txt");
  ASSERT_EQ(CardList->Count(), 4);
  EXPECT_EQ(GameGrid->HolePar, 2);

  CardList->RelationshipRemove(4, c.mode);
  // Card 1 is still covered by 3 and stays down; the water card is free now.
  EXPECT_EQ(Card(1)->FlipCounter, 0);
  EXPECT_EQ(Card(1)->Relationships, std::vector<int>{3});
  EXPECT_TRUE(Card(2)->Uncovered());
  EXPECT_EQ(Card(2)->FlipCounter > 0, c.waterTurns);
  EXPECT_EQ(GameGrid->CardFlipNoise, c.waterTurns ? 1 : 0);

  CardList->RelationshipRemove(3, c.mode);
  EXPECT_TRUE(Card(1)->Uncovered());
  EXPECT_EQ(Card(1)->FlipCounter > 0, c.normalTurns);
  // Cards in the list keep their cover lists as dealt.
  EXPECT_EQ(Card(1)->OriginalRelationships, (std::vector<int>{3, 4}));
}

INSTANTIATE_TEST_SUITE_P(Modes, UncoverModes,
                         testing::Values(UncoverCase{UNCOVER_NONE, false, false},
                                         UncoverCase{UNCOVER_SKIP_HAZARDS, false, true},
                                         UncoverCase{UNCOVER_ALL, true, true},
                                         UncoverCase{5, true, true}));

TEST_F(CardListTest, HoleLayoutAndFourCardFixture) {
  LoadHole("four_cards.txt");
  auto c4 = Card(4);
  ASSERT_TRUE(c4);
  EXPECT_EQ(c4->x, 55 + 100);
  EXPECT_EQ(c4->y, 52 + 125);
  EXPECT_EQ(c4->TokenFactor, 2);
  EXPECT_EQ(c4->ZOrder, 1);
  EXPECT_EQ(Card(2)->CardType, CARDTYPE_WATER);
  EXPECT_EQ(Card(1)->FaceUp, 0);
}

TEST_F(CardListTest, TurnOverFinishesAndFlipAllTurnsOnlyUncoveredCards) {
  LoadHole("four_cards.txt");
  Card(3)->MakeFaceDown();
  CardList->FlipAll();
  EXPECT_GT(Card(3)->FlipCounter, 0);
  EXPECT_EQ(Card(1)->FlipCounter, 0);
  for (int i = 0; i < 50; ++i) CardList->ManageAnim();
  EXPECT_EQ(Card(3)->FaceUp, 1);
  EXPECT_EQ(Card(3)->FlipCounter, 0);
}

TEST_F(CardListTest, RelationshipAddCoversAgainAndTurnsDealtFaceDownCards) {
  LoadHole("four_cards.txt");
  CardList->RelationshipRemove(4, UNCOVER_ALL);
  CardList->RelationshipRemove(3, UNCOVER_ALL);
  for (int i = 0; i < 50; ++i) CardList->ManageAnim();
  ASSERT_EQ(Card(1)->FaceUp, 1);
  CardList->RelationshipAdd(3);
  EXPECT_EQ(Card(1)->Relationships, std::vector<int>{3});
  EXPECT_GT(Card(1)->FlipCounter, 0);
  EXPECT_EQ(Card(1)->FlipDirection, 0);
}

// A cover that comes back or leaves while a card is still turning decides the face the card
// ends with: covered, a card dealt face down ends face down; uncovered, every card ends face up
// and can be clicked. A card saved mid-turn is kept with the face it turns to.
TEST_F(CardListTest, ACoverChangedDuringATurnDecidesTheFaceTheCardEndsWith) {
  LoadHole("four_cards.txt");
  auto settle = [] {
    for (int i = 0; i < 60; ++i) CardList->ManageAnim();
  };
  CardList->RelationshipRemove(4, UNCOVER_ALL);
  CardList->RelationshipRemove(3, UNCOVER_ALL);
  // Card 1 has begun to turn up; before it shows its face a mulligan puts card 3 back on it.
  CardList->ManageAnim();
  ASSERT_GT(Card(1)->FlipCounter, 0);
  ASSERT_EQ(Card(1)->FaceUp, 0);
  EXPECT_EQ(Card(1)->ToRecord().FaceUp, 1);
  CardList->RelationshipAdd(3);
  settle();
  EXPECT_EQ(Card(1)->FaceUp, 0) << "a covered card turned face up";
  // Uncovered again, it turns up; covered again, it starts down; freed before it shows its back,
  // it must still end face up.
  CardList->RelationshipRemove(3, UNCOVER_ALL);
  settle();
  ASSERT_EQ(Card(1)->FaceUp, 1);
  CardList->RelationshipAdd(3);
  CardList->ManageAnim();
  ASSERT_GT(Card(1)->FlipCounter, 0);
  ASSERT_EQ(Card(1)->FaceUp, 1);
  EXPECT_EQ(Card(1)->ToRecord().FaceUp, 0);
  CardList->RelationshipRemove(3, UNCOVER_ALL);
  settle();
  EXPECT_TRUE(Card(1)->Uncovered());
  EXPECT_EQ(Card(1)->FaceUp, 1) << "a free card was left face down";
  EXPECT_EQ(Card(1)->FlipCounter, 0);
}

TEST_F(CardListTest, SandUnderAWedgeIsFreeForTheSearchesButNotPlayable) {
  auto wedge = CardList->Add(0, 0, CARDTYPE_WEDGE, 1, 1, 0);
  wedge->ID = 10;
  auto sand = CardList->Add(0, 0, CARDTYPE_SAND, 1, 5, 0);
  sand->ID = 11;
  sand->Relationships = {10};
  SetFoundation(4);
  EXPECT_EQ(CardList->SandCardsFindFree(), std::vector<TCardRef>{sand});
  EXPECT_FALSE(CardList->Playable(*sand));
  EXPECT_EQ(CardList->GlowValidCardsDo(0), 0);
  // With only the wedge and the sand card free, the random pick is one of the two.
  auto pick = CardList->FindFree();
  ASSERT_EQ(pick.size(), 1u);
  EXPECT_TRUE(pick[0] == sand || pick[0] == wedge);
  CardList->RelationshipRemove(10, UNCOVER_SKIP_HAZARDS);
  EXPECT_TRUE(CardList->Playable(*sand));
  EXPECT_EQ(CardList->GlowValidCardsDo(0), 1);
}

TEST_F(CardListTest, UnknownSelfAndCyclicCoversNeverFreeACardNorHang) {
  auto a = CardList->Add(0, 0, CARDTYPE_NORMAL, 0, 3, 0);
  a->ID = 1;
  a->Relationships = {1};  // itself
  auto b = CardList->Add(0, 0, CARDTYPE_NORMAL, 0, 3, 0);
  b->ID = 2;
  b->Relationships = {3};
  auto c = CardList->Add(0, 0, CARDTYPE_NORMAL, 0, 3, 0);
  c->ID = 3;
  c->Relationships = {2};  // a cycle with b
  auto d = CardList->Add(0, 0, CARDTYPE_NORMAL, 0, 3, 0);
  d->ID = 4;
  d->Relationships = {99};  // no such card
  CardList->RelationshipRemove(42, UNCOVER_ALL);
  CardList->FlipAll();
  EXPECT_TRUE(CardList->FindFree().empty());
  EXPECT_EQ(CardList->FlipHalf(), 1);
  for (auto& card : CardList->Cards) EXPECT_FALSE(card->Uncovered());
}

TEST_F(CardListTest, FlipHalfPicksAQuarterPlusOneAndSkipsHazardsAndCardsUnderWater) {
  for (int i = 0; i < 8; ++i) CardList->Add(0, 0, CARDTYPE_NORMAL, 0, 1, 0)->ID = i + 1;
  auto water = CardList->Add(0, 0, CARDTYPE_WATER, 0, 1, 0);
  water->ID = 20;
  auto underWater = CardList->Add(0, 0, CARDTYPE_NORMAL, 0, 1, 0);
  underWater->ID = 21;
  underWater->Relationships = {20};
  CardList->Add(0, 0, CARDTYPE_SAND, 0, 1, 0)->ID = 22;
  EXPECT_EQ(CardList->FlipHalf(), 1);
  int turned = 0;
  for (auto& c : CardList->Cards) {
    if (c->FlipCounter > 0) {
      ++turned;
      EXPECT_EQ(c->CardType, CARDTYPE_NORMAL);
      EXPECT_NE(c->ID, 21);
    }
  }
  EXPECT_GE(turned, 1);
  EXPECT_LE(turned, 3);  // ceiling(8 / 4) + 1 picks

  GameGrid->LevelName = "Dazedev Evadedi";
  for (auto& c : CardList->Cards) c->FlipCounter = 0;
  EXPECT_EQ(CardList->FlipHalf(), 0);
  for (auto& c : CardList->Cards) EXPECT_EQ(c->FlipCounter, 0);
}

TEST_F(CardListTest, FlipHalfReachesEveryCandidateOfABigHole) {
  // Past the 52nd card of the list: 52 cards that cannot turn, then 8 that can.
  for (int i = 0; i < 52; ++i) CardList->Add(0, 0, CARDTYPE_NORMAL, 1, 1, 0)->ID = i + 1;
  for (int i = 0; i < 8; ++i) CardList->Add(0, 0, CARDTYPE_NORMAL, 0, 1, 0)->ID = 100 + i;
  EXPECT_EQ(CardList->FlipHalf(), 1);
  int turned = 0;
  for (auto& c : CardList->Cards) turned += c->FlipCounter > 0 ? 1 : 0;
  EXPECT_GE(turned, 1);

  // 60 candidates: a quarter plus one picks over several deals reach the last ones too.
  for (auto& c : CardList->Cards) {
    c->FaceUp = 0;
    c->FlipCounter = 0;
  }
  bool lastEightTurned = false;
  for (int round = 0; round < 20 && !lastEightTurned; ++round) {
    CardList->FlipHalf();
    for (std::size_t i = 52; i < CardList->Cards.size(); ++i) {
      lastEightTurned = lastEightTurned || CardList->Cards[i]->FlipCounter > 0;
    }
    for (auto& c : CardList->Cards) c->FlipCounter = 0;
  }
  EXPECT_TRUE(lastEightTurned);
}

TEST_F(CardListTest, FlipHalfWithOneCandidateTurnsIt) {
  CardList->Add(0, 0, CARDTYPE_NORMAL, 0, 1, 0)->ID = 1;
  CardList->FlipHalf();
  EXPECT_GT(CardList->Cards[0]->FlipCounter, 0);
}

TEST_F(CardListTest, SortAllIsStableByZOrder) {
  const int z[] = {2, 0, 1, 0, 2, 1, 0};
  for (int i = 0; i < 7; ++i) {
    auto c = CardList->Add(0, 0, CARDTYPE_NORMAL, 1, 1, 0);
    c->ID = i;
    c->ZOrder = z[i];
  }
  CardList->SortAll();
  std::vector<int> ids;
  for (auto& c : CardList->Cards) ids.push_back(c->ID);
  EXPECT_EQ(ids, (std::vector<int>{1, 3, 6, 2, 5, 0, 4}));
  // A negative or huge ZOrder sorts without trouble.
  CardList->Cards[0]->ZOrder = -5;
  CardList->Cards[1]->ZOrder = 2000000000;
  CardList->SortAll();
  EXPECT_EQ(CardList->Cards.front()->ZOrder, -5);
  EXPECT_EQ(CardList->Cards.back()->ZOrder, 2000000000);
}

TEST_F(CardListTest, StockFanTopAndRemoval) {
  auto layout = CardList->Add(0, 0, CARDTYPE_NORMAL, 1, 1, 0);
  for (int i = 0; i < 15; ++i) {
    auto c = CardList->Add(0, 0, CARDTYPE_NORMAL, 0, 1, 0);
    c->ID = 100 + i;
    c->Playfield = 0;
    c->Stock = 1;
  }
  CardList->StockZOrder();
  CardList->StockSpread();
  EXPECT_EQ(CardList->StockCount(), 15);
  for (int i = 0; i < 15; ++i) {
    auto c = CardList->FindCardByID(100 + i);
    EXPECT_EQ(c->ZOrder, i);
    EXPECT_EQ(c->x, GameGrid->STOCKX + 3 * std::min(i, 10)) << i;
    EXPECT_EQ(c->OriginalY, GameGrid->STOCKY);
  }
  EXPECT_EQ(GameGrid->STOCKX, 315);
  CardList->StockTopMark();
  EXPECT_EQ(CardList->StockTopFind()->ID, 114);
  CardList->StockTopRemove();
  EXPECT_EQ(CardList->StockCount(), 14);
  EXPECT_EQ(CardList->StockTopFind(), nullptr);
  // Two cards share the highest ZOrder: the earlier one becomes the top.
  CardList->FindCardByID(113)->ZOrder = 50;
  CardList->FindCardByID(112)->ZOrder = 50;
  CardList->StockTopMark();
  EXPECT_EQ(CardList->StockTopFind()->ID, 112);
  CardList->StockKill();
  EXPECT_EQ(CardList->StockCount(), 0);
  EXPECT_EQ(CardList->Count(), 1);
  EXPECT_EQ(CardList->Cards[0], layout);
}

TEST_F(CardListTest, PlayableCardsGlowOnTheTutorialsFirstHole) {
  GameGrid->LevelName = "The Vuva Rivudar";
  events_.playerLevel = 1;
  auto fits = CardList->Add(0, 0, CARDTYPE_NORMAL, 1, 6, 0);
  auto misses = CardList->Add(0, 0, CARDTYPE_NORMAL, 1, 9, 0);
  auto iron = CardList->Add(0, 0, CARDTYPE_IRON, 1, 6, 0);
  iron->GlowOn = 1;
  SetFoundation(7);
  CardList->GlowValidCards();
  EXPECT_EQ(fits->GlowOn, 1);
  EXPECT_EQ(misses->GlowOn, 0);
  EXPECT_EQ(iron->GlowOn, 1);  // special glow is left alone

  events_.playerLevel = 2;
  events_.cardTipOpen = true;
  CardList->GlowValidCards();
  EXPECT_FALSE(events_.cardTipOpen);
  EXPECT_EQ(fits->GlowOn, 0);
}

}  // namespace

#include "cards/card.h"

#include <gtest/gtest.h>

#include "cards/card_record.h"
#include "tests/cards/field_fixture.h"

namespace {

class CardTest : public FieldFixture {};

TEST_F(CardTest, FaceFrames) {
  struct Case {
    int type, faceUp, value, suit, spinning, frame;
  };
  const Case cases[] = {
      {CARDTYPE_SAND, 1, 1, 0, 0, 0},     {CARDTYPE_SAND, 1, 13, 3, 0, 51},
      {CARDTYPE_NORMAL, 1, 7, 2, 0, 32},  {CARDTYPE_WATER, 1, 2, 1, 0, 14},
      {CARDTYPE_IRON, 1, 2, 0, 0, 0},     {CARDTYPE_IRON, 1, 9, 0, 0, 7},
      {CARDTYPE_NORMAL, 0, 7, 2, 0, 0},   {CARDTYPE_NORMAL, 1, 7, 2, 1, 0},
      {CARDTYPE_WEDGE, 1, 5, 0, 0, 0},
  };
  for (const auto& c : cases) {
    auto card = TCard::Make(0, 0, c.type, c.faceUp, c.value, c.suit);
    card->Spinning = c.spinning;
    EXPECT_EQ(card->FaceFrame(), c.frame) << c.type << " " << c.value << " " << c.suit;
  }
}

TEST_F(CardTest, TurnOfFiftyTicksChangesFaceAtItsNarrowest) {
  auto card = TCard::Make(10, 20, CARDTYPE_NORMAL, 0, 5, 0);
  card->FlipStart(1);
  EXPECT_EQ(card->FlipLength, 50);
  for (int tick = 1; tick <= 50; ++tick) {
    card->Manage();
    if (tick < 25) {
      EXPECT_EQ(card->FaceUp, 0) << tick;
      EXPECT_NEAR(card->ScaleX, (50.0f - tick - 25) / 25, 1e-5) << tick;
    } else if (tick < 50) {
      EXPECT_EQ(card->FaceUp, 1) << tick;
      EXPECT_NEAR(card->ScaleX, 1 - (50.0f - tick) / 25, 1e-5) << tick;
    }
  }
  EXPECT_EQ(card->FlipCounter, 0);
  EXPECT_EQ(card->ScaleX, 1.0f);

  int calls = 0;
  card->FlipEndFunction = [&](TCard&) { return ++calls; };
  card->FlipStart(1);  // already face up: squeezes and stretches, stays face up
  for (int i = 0; i < 50; ++i) card->Manage();
  EXPECT_EQ(card->FaceUp, 1);
  EXPECT_EQ(calls, 1);
}

TEST_F(CardTest, ManageReportsTurnsOnlyForCardsBoundForTheFoundation) {
  auto card = TCard::Make(0, 0, CARDTYPE_NORMAL, 0, 5, 0);
  card->FlipStart(1);
  EXPECT_EQ(card->Manage(), 0);
  card->Foundation = 1;
  EXPECT_EQ(card->Manage(), 1);
  for (int i = 0; i < 60; ++i) card->Manage();
  EXPECT_EQ(card->Manage(), 0);
}

TEST_F(CardTest, GlowFadesInThirtyFourTicks) {
  auto card = TCard::Make(0, 0, CARDTYPE_NORMAL, 1, 5, 0);
  card->Glow = 1;
  int ticks = 0;
  while (card->Glow > 0 && ticks < 100) {
    card->Manage();
    ++ticks;
  }
  EXPECT_EQ(ticks, 34);
  EXPECT_EQ(card->Glow, 0);
}

TEST_F(CardTest, SpecialGlowOnlyForIronsAndWedgesAndHeldBackByTheWildShot) {
  auto iron = TCard::Make(0, 0, CARDTYPE_IRON, 1, 3, 0);
  auto normal = TCard::Make(0, 0, CARDTYPE_NORMAL, 1, 3, 0);
  EXPECT_EQ(normal->GlowSpecialCard(), 1);
  EXPECT_EQ(normal->GlowOn, 0);
  events_.wildshotAnimType = 4;
  EXPECT_EQ(iron->GlowSpecialCard(), 0);
  EXPECT_EQ(iron->GlowOn, 0);
  events_.wildshotAnimType = 1;
  EXPECT_EQ(iron->GlowSpecialCard(), 1);
  EXPECT_EQ(iron->GlowOn, 1);
}

TEST_F(CardTest, RelationshipSet) {
  auto card = TCard::Make(0, 0, CARDTYPE_NORMAL, 1, 3, 0);
  EXPECT_EQ(card->RelationshipSet("-1"), 0);
  EXPECT_TRUE(card->Relationships.empty());
  EXPECT_EQ(card->RelationshipSet("3,17"), 1);
  EXPECT_EQ(card->Relationships, (std::vector<int>{3, 17}));
  EXPECT_EQ(card->OriginalRelationships, (std::vector<int>{3, 17}));
  EXPECT_EQ(card->RelationshipSet(""), 1);
  EXPECT_TRUE(card->Relationships.empty());
}

TEST_F(CardTest, IronsAndWildShotsFromTheStockDoNotTakeTheFoundation) {
  SetFoundation(6);
  auto before = GameGrid->FoundationCard;
  auto iron = CardList->Add(0, 0, CARDTYPE_IRON, 1, 4, 0);
  iron->MoveToFoundation(0);
  EXPECT_EQ(iron->ToBeDestroyed, 1);
  EXPECT_EQ(iron->Foundation, 1);
  EXPECT_EQ(GameGrid->FoundationValue, 6);
  EXPECT_EQ(GameGrid->FoundationCard, before);
  iron->MoveToFoundation(1);
  EXPECT_EQ(GameGrid->FoundationValue, 4);
  EXPECT_EQ(GameGrid->FoundationCard, iron);
  EXPECT_EQ(GameGrid->LastFoundationCard, before);
  EXPECT_EQ(iron->x, 419);
  EXPECT_EQ(iron->y, 460);
}

TEST_F(CardTest, RecordRoundTripThroughTheCard) {
  auto card = TCard::Make(180, 302, CARDTYPE_SAND, 0, 12, 2);
  card->ID = 7;
  card->ZOrder = 3;
  card->TokenFactor = 1;
  card->RelationshipSet("3,17");
  platform::OutStream out;
  card->Write(out);
  EXPECT_EQ(out.Bytes().size(), 96u);
  platform::InStream in(out.Bytes());
  auto back = std::make_shared<TCard>();
  ASSERT_TRUE(back->Read(in));
  EXPECT_EQ(back->ID, 7);
  EXPECT_EQ(back->Value, 12);
  EXPECT_EQ(back->Suit, 2);
  EXPECT_EQ(back->x, 180);
  EXPECT_EQ(back->OriginalX, 180);
  EXPECT_EQ(back->Relationships, (std::vector<int>{3, 17}));
  auto copy = std::make_shared<TCard>();
  back->Copy(*copy);
  EXPECT_EQ(copy->OriginalRelationships, back->OriginalRelationships);
  EXPECT_EQ(copy->TokenFactor, 1);
}

}  // namespace

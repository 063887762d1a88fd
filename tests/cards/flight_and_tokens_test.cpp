// Cards in flight, token streams and pixie dust, tick by tick at Delta 1.
#include <gtest/gtest.h>

#include <array>

#include "cards/pixie_dust.h"
#include "cards/play_list.h"
#include "cards/token_generator_list.h"
#include "gfx/image_bank.h"
#include "gfx/particle_list.h"
#include "platform/graphics.h"
#include "tests/cards/field_fixture.h"
#include "tests/support/flight_fixture.h"

namespace {

class FlightTest : public quill_test::FlightFixture<FieldFixture> {
 protected:
  // The end-of-hole tests the field asked the screen for: a landing with the input free.
  int EndOfHoleTests() const {
    int n = 0;
    for (const auto& r : events_.Named("FlightsLanded")) n += r.args == std::vector<int>{0} ? 1 : 0;
    return n;
  }
};

TEST_F(FlightTest, ACardLandsOnTheHundredAndTwentiethTick) {
  auto c = Flying(5);
  PlayList->Add(c, 120);
  EXPECT_EQ(GameGrid->FoundationValue, 5);  // taken at once
  for (int tick = 1; tick < 120; ++tick) ASSERT_EQ(PlayList->Manage(), 1) << tick;
  EXPECT_EQ(EndOfHoleTests(), 0);  // the end-of-hole test marks the empty layout
  EXPECT_EQ(PlayList->Manage(), 0);
  EXPECT_EQ(PlayList->Count(), 0);
  EXPECT_EQ(c->Foundation, 1);
  EXPECT_EQ(c->Spinning, 0);
  EXPECT_EQ(c->x, 419);
  EXPECT_EQ(EndOfHoleTests(), 1);  // the end-of-hole test marks the empty layout
}

TEST_F(FlightTest, TwoFlightsHandOverOnlyWhenTheLastLands) {
  auto a = Flying(5);
  auto b = Flying(6);
  PlayList->Add(a, 120);
  for (int i = 0; i < 10; ++i) PlayList->Manage();
  PlayList->Add(b, 120);
  EXPECT_EQ(GameGrid->FoundationValue, 6);
  EXPECT_EQ(GameGrid->LastFoundationCard, a);
  for (int i = 0; i < 110; ++i) PlayList->Manage();
  EXPECT_EQ(a->Foundation, 1);
  EXPECT_EQ(PlayList->Count(), 1);
  EXPECT_EQ(EndOfHoleTests(), 0);  // the end-of-hole test marks the empty layout
  for (int i = 0; i < 10; ++i) PlayList->Manage();
  EXPECT_EQ(PlayList->Count(), 0);
  EXPECT_EQ(EndOfHoleTests(), 1);  // the end-of-hole test marks the empty layout
}

TEST_F(FlightTest, LandingWhileBlockedLeavesTheTestToTheBlockAndAZeroFlightStillLands) {
  GameGrid->BlockInput = 1;
  PlayList->Add(Flying(5), 0);
  EXPECT_EQ(PlayList->Manage(), 0);
  EXPECT_EQ(PlayList->Count(), 0);
  EXPECT_EQ(EndOfHoleTests(), 0);  // the end-of-hole test marks the empty layout
}

TEST_F(FlightTest, EachLandingReportsTheCardsLeftAndTheLastAsksForTheEndOfHoleTest) {
  using quill_test::FieldReport;
  GameGrid->CardsLeft = 3;
  PlayList->Add(Flying(5), 1);
  PlayList->Add(Flying(6), 2);
  PlayList->Add(Flying(7), 2);
  for (int i = 0; i < 3; ++i) PlayList->Manage();
  const std::vector<FieldReport> landed = {
      {"CardLanded", {3}}, {"MulliganDisable", {0}}, {"CardLanded", {3}}, {"MulliganDisable", {0}},
      {"CardLanded", {3}}, {"MulliganDisable", {0}}, {"FlightsLanded", {0}}};
  EXPECT_EQ(events_.reports, landed);
}

TEST_F(FlightTest, APenaltyIsReportedWholeWhenTheLastTokenLeaves) {
  using quill_test::FieldReport;
  TokenGeneratorList->Add(700, 560, 0, 0, TokenQuantityFor(60), -60, 225, 0, 1, 1, 0);
  EXPECT_FALSE(events_.endHoleEnabled);
  for (int tick = 1; tick < 90; ++tick) {
    TokenTick();
    ASSERT_EQ(events_.Count("ScoreChange"), 0) << tick;
  }
  TokenTick();
  EXPECT_EQ(events_.Named("ScoreChange"), (std::vector<FieldReport>{{"ScoreChange", {-60}}}));
  EXPECT_EQ(events_.Count("HoleCashChange"), 0);  // a penalty of the cash, not of the hole
  EXPECT_TRUE(events_.endHoleEnabled);
}

TEST_F(FlightTest, ABonusOfOneHundredAndTwentyPaysWithTheFifthToken) {
  TokenGeneratorList->Add(100, 100, 600, 40, TokenQuantityFor(120), 120, 225, 500, 0, 1, 0);
  EXPECT_EQ(TokenGeneratorList->BonusTokens, 1);
  EXPECT_FALSE(events_.endHoleEnabled);
  std::vector<int> madeAt;
  int paidAt = 0;
  for (int tick = 1; tick <= 400; ++tick) {
    const int bonusBefore = TokenGeneratorList->BonusTokens;
    TokenTick();
    if (TokenGeneratorList->BonusTokens > bonusBefore) madeAt.push_back(tick);
    if (!paidAt && events_.holeCash > 0) paidAt = tick;
  }
  EXPECT_EQ(madeAt, (std::vector<int>{45, 90, 135, 180}));
  EXPECT_NEAR(paidAt, 280, 1);  // 1400 ms after the card was played
  EXPECT_EQ(events_.holeCash, 120);
  EXPECT_EQ(TokenGeneratorList->BonusTokens, 0);
  EXPECT_EQ(TokenGeneratorList->Count(), 0);
  EXPECT_TRUE(events_.endHoleEnabled);
}

TEST_F(FlightTest, ASingleTokenBonusArrivesAfterItsFlight) {
  TokenGeneratorList->Add(100, 100, 600, 40, 1, 15, 225, 500, 0, 1, 0);
  EXPECT_EQ(TokenGeneratorList->Count(), 0);  // never enters the list
  EXPECT_EQ(TokenGeneratorList->BonusTokens, 1);
  int paidAt = 0;
  for (int tick = 1; tick <= 200 && !paidAt; ++tick) {
    TokenTick();
    if (events_.holeCash == 15) paidAt = tick;
  }
  EXPECT_NEAR(paidAt, 100, 1);
}

TEST_F(FlightTest, StreamsThatCouldHangEndOrNeverStart) {
  events_.endHoleEnabled = true;
  ASSERT_TRUE(events_.endHoleEnabled);
  // A single penalty token leaves End Hole alone.
  events_.holeCash = 30;
  TokenGeneratorList->Add(600, 40, 0, 0, 1, -10, 225, 0, 2, 1, 0);
  EXPECT_EQ(events_.holeCash, 20);
  EXPECT_TRUE(events_.endHoleEnabled);
  // No tokens at all: booked at once, End Hole stays on.
  TokenGeneratorList->Add(600, 40, 0, 0, 0, -5, 225, 0, 2, 1, 0);
  EXPECT_EQ(events_.holeCash, 15);
  EXPECT_TRUE(events_.endHoleEnabled);
  EXPECT_EQ(Particles2->Count(), 1);
  // An interval under one tick still ends.
  TokenGeneratorList->Add(600, 40, 0, 0, 3, -6, 1, 0, 2, 1, 0);
  for (int i = 0; i < 5; ++i) TokenTick();
  EXPECT_EQ(TokenGeneratorList->Count(), 0);
  EXPECT_EQ(events_.holeCash, 9);
}

TEST_F(FlightTest, PixieDustTiming) {
  int bursts = 0;
  std::vector<int> at;
  TPixieDust dust;
  dust.MainCounter = 180;
  dust.Counter = 4;
  dust.Length = 4;
  // DialogPixieDust draws nothing without a picture; the shower's timing is read from Counter.
  for (int tick = 1; tick <= 200; ++tick) {
    const float before = dust.Counter;
    dust.Manage();
    if (dust.MainCounter > 0 && dust.Counter > before) {
      ++bursts;
      at.push_back(tick);
    }
  }
  ASSERT_FALSE(at.empty());
  EXPECT_EQ(at.front(), 5);
  EXPECT_EQ(at[1], 9);
  EXPECT_LT(at.back(), 180);
  EXPECT_EQ(dust.MainCounter, 0);

  TPixieDust zero;
  zero.MainCounter = 10;
  zero.Length = 0;  // no interval: one burst per tick, never a hang
  for (int i = 0; i < 20; ++i) zero.Manage();
  EXPECT_EQ(zero.MainCounter, 0);
}

}  // namespace

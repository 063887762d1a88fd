#include "cards/game_grid.h"

#include <gtest/gtest.h>

#include <string>

#include "content/course.h"
#include "gfx/image_bank.h"
#include "gfx/particle.h"
#include "gfx/particle_list.h"
#include "gfx/sound_bank.h"
#include "platform/audio.h"
#include "platform/graphics.h"
#include "platform/system.h"
#include "tests/cards/field_fixture.h"
#include "util/error.h"
#include "util/globals.h"

namespace {

class GameGridTest : public FieldFixture {
 protected:
  void SetUp() override {
    FieldFixture::SetUp();
    ccErrorPath = platform::UserDataFolder();
    auto course = std::make_shared<TCourse>();
    course->Name = "Fixture Links";
    course->Holes = 2;
    course->HoleNames[0] = "small_hole.txt";
    course->HoleNames[1] = "negative_z.txt";
    events_.courses = {course};
    Game->DataPrefix = Fixture("");
    events_.courseName = "Fixture Links";
  }
};

TEST_F(GameGridTest, LoadReadsTheCoursesHoleFile) {
  GameGrid->Load(1);
  EXPECT_EQ(GameGrid->HolePar, 3);
  ASSERT_EQ(CardList->Count(), 4);
  auto wedge = Card(3);
  EXPECT_EQ(wedge->CardType, CARDTYPE_WEDGE);
  EXPECT_EQ(wedge->x, 55 + 250);
  EXPECT_EQ(wedge->Value, 1);  // the deal gives values later
  EXPECT_EQ(Card(4)->Relationships, std::vector<int>{3});
}

TEST_F(GameGridTest, RestoringASavedHoleReadsOnlyThePar) {
  events_.loadLevelFromProfile = 1;
  GameGrid->Load(1);
  EXPECT_EQ(GameGrid->HolePar, 3);
  EXPECT_EQ(CardList->Count(), 0);
}

TEST_F(GameGridTest, BadHolesAndCoursesAreRefusedWithAClearError) {
  try {
    GameGrid->Load(2);
    ADD_FAILURE() << "negative ZOrder accepted";
  } catch (const ccFatalError& e) {
    EXPECT_NE(std::string(e.what()).find("Error: Z Order is negative. Z = -2"), std::string::npos);
  }
  EXPECT_THROW(GameGrid->Load(3), ccFatalError);
  EXPECT_THROW(GameGrid->Load(0), ccFatalError);
  events_.courseName = "Nowhere";
  try {
    GameGrid->Load(1);
    ADD_FAILURE() << "unknown course accepted";
  } catch (const ccFatalError& e) {
    EXPECT_NE(std::string(e.what()).find("Nowhere"), std::string::npos);
  }
  events_.courses.front()->HoleNames[0] = "missing.txt";
  events_.courseName = "Fixture Links";
  try {
    GameGrid->Load(1);
    ADD_FAILURE() << "missing file accepted";
  } catch (const ccFatalError& e) {
    EXPECT_NE(std::string(e.what()).find("Error loading file "), std::string::npos);
  }
}

TEST_F(GameGridTest, HoleResult) {
  GameGrid->HolePar = 3;
  GameGrid->CardsLeft = 5;
  EXPECT_EQ(TGameGrid::GetHTP(), 2);
  GameGrid->CardsLeft = 0;
  EXPECT_EQ(TGameGrid::GetHTP(), -3);
}

TEST_F(GameGridTest, TheFirstFreeCardUnderThePointerDecides) {
  // Two free cards overlap; a covered one lies on top in the drawing order.
  auto first = CardList->Add(100, 100, CARDTYPE_NORMAL, 1, 9, 0);
  first->ID = 1;
  auto second = CardList->Add(110, 110, CARDTYPE_NORMAL, 1, 5, 0);
  second->ID = 2;
  auto covered = CardList->Add(105, 105, CARDTYPE_NORMAL, 1, 5, 0);
  covered->ID = 3;
  covered->Relationships = {77};
  GameGrid->CardsLeft = 3;
  SetFoundation(4);
  Tick(140, 150, true);
  // The 9 does not fit: refused, nothing played.
  EXPECT_EQ(PlayList->Count(), 0);
  EXPECT_EQ(GameGrid->CardsLeft, 3);
  EXPECT_EQ(GameGrid->FoundationValue, 4);
  // Holding the button is no new click.
  Tick(150, 200, true);
  EXPECT_EQ(PlayList->Count(), 0);
  // Released and pressed again over the second card only (the covered one is never taken).
  Tick(150, 200, false);
  Tick(150, 200, true);
  EXPECT_EQ(PlayList->Count(), 1);
  EXPECT_EQ(GameGrid->FoundationValue, 5);
  EXPECT_EQ(second->Spinning, 1);
  EXPECT_EQ(covered->Spinning, 0);
  EXPECT_EQ(GameGrid->CardsLeft, 2);
  EXPECT_EQ(events_.holeCash, CARD_SCORE);
  EXPECT_EQ(events_.driveLength, 1);
}

TEST_F(GameGridTest, OnlyTheStockTopIsTakenAndItFliesToTheFoundation) {
  GameGrid->CardsLeft = 1;  // a layout card is left: no perfect hole takes the stock away
  for (int i = 0; i < 3; ++i) {
    auto c = CardList->Add(GameGrid->STOCKX, GameGrid->STOCKY, CARDTYPE_NORMAL, 0, 3 + i, 0);
    c->ID = 100 + i;
    c->Playfield = 0;
    c->Stock = 1;
  }
  CardList->StockZOrder();
  CardList->StockSpread();
  CardList->StockTopMark();
  SetFoundation(10);
  events_.driveLength = 4;
  // Over the first stock card's uncovered strip only: not the top, not taken.
  Tick(GameGrid->STOCKX + 1, GameGrid->STOCKY + 50, true);
  Tick(GameGrid->STOCKX + 1, GameGrid->STOCKY + 50, false);
  EXPECT_EQ(GameGrid->CardAction, CARDACTION_NONE);
  auto top = CardList->StockTopFind();
  ClickCard(top);
  EXPECT_EQ(GameGrid->CardAction, CARDACTION_STOCK_TO_FOUNDATION);
  EXPECT_EQ(GameGrid->BlockInput, 1);
  EXPECT_EQ(events_.driveLength, 0);
  Ticks(70);
  EXPECT_EQ(GameGrid->CardAction, CARDACTION_NONE);
  EXPECT_EQ(GameGrid->FoundationValue, 5);
  EXPECT_EQ(top->Foundation, 1);
  EXPECT_EQ(top->FaceUp, 1);
  EXPECT_EQ(GameGrid->BlockInput, 0);
  EXPECT_EQ(CardList->StockTopFind()->ID, 101);
  EXPECT_EQ(events_.Count("FieldSettled"), 1);  // the end-of-hole test ran: cards are left, no celebration
}

TEST_F(GameGridTest, AFoundWedgeFreesTheSandItCovers) {
  auto wedge = CardList->Add(100, 100, CARDTYPE_WEDGE, 1, 1, 0);
  wedge->ID = 3;
  auto sand = CardList->Add(300, 100, CARDTYPE_SAND, 0, 8, 0);
  sand->ID = 4;
  sand->Relationships = {3};
  GameGrid->CardsLeft = 2;
  SetFoundation(2);
  ClickCard(wedge);
  EXPECT_EQ(GameGrid->CardAction, CARDACTION_WEDGE_FOUND);
  EXPECT_FALSE(CardList->Contains(wedge.get()));
  EXPECT_EQ(GameGrid->CardsLeft, 1);
  EXPECT_EQ(events_.driveLength, 0);  // wedges do not count towards the run
  EXPECT_EQ(sand->FlipCounter, 0);
  Ticks(470);  // 2400 ms
  EXPECT_FALSE(sand->Uncovered());
  Ticks(10);
  EXPECT_TRUE(sand->Uncovered());
  EXPECT_GT(sand->FlipCounter, 0);
  EXPECT_EQ(GameGrid->CardAction, CARDACTION_NONE);
}

TEST_F(GameGridTest, AnIronOnTheLayoutIsReportedIntoTheBagOnce) {
  using quill_test::FieldReport;
  auto iron = CardList->Add(100, 100, CARDTYPE_IRON, 1, 5, 0);
  iron->ID = 1;
  GameGrid->CardsLeft = 1;
  SetFoundation(9);
  ClickCard(iron);
  EXPECT_EQ(events_.Count("IronFlightStarted"), 1);
  EXPECT_EQ(events_.holeCash, CARD_SCORE);
  EXPECT_EQ(events_.Count("DriveLengthChange"), 0);  // an iron does not lengthen the run
  // A second click on the flying iron takes nothing.
  Ticks(3);
  ClickCard(iron);
  EXPECT_EQ(events_.Count("IronFlightStarted"), 1);
  EXPECT_EQ(GameGrid->CardsLeft, 0);
  EXPECT_EQ(events_.Count("IronReachedBag"), 0);
  // The flight takes 190 ms; the screen's morph takes over from its end, which comes once.
  Ticks(40);
  EXPECT_EQ(events_.Named("IronReachedBag"), (std::vector<FieldReport>{{"IronReachedBag", {1}}}));
  Ticks(300);
  EXPECT_EQ(events_.Count("IronReachedBag"), 1);
}

TEST_F(GameGridTest, ARefusedCardCarriesOneMarkerHoweverOftenItIsClicked) {
  auto savedList = ScoreParticles;
  ScoreParticles = TParticleList::Create();
  events_.signs[TFieldEvents::Sign::Invalid] = std::make_shared<TGameImage>();
  auto card = CardList->Add(100, 100, CARDTYPE_NORMAL, 1, 9, 0);
  card->ID = 1;
  GameGrid->CardsLeft = 1;
  SetFoundation(4);
  ClickCard(card);
  auto first = card->InvalidParticlePointer.lock();
  ASSERT_TRUE(first);
  // Where the click was (the card's middle), on the card the player sees.
  EXPECT_EQ(first->x, static_cast<int>(card->x) + 34);
  EXPECT_NEAR(first->y, static_cast<int>(card->y) + 50, 1);  // it has begun to float up
  ClickCard(card);
  EXPECT_EQ(ScoreParticles->Count(), 1);
  EXPECT_NE(card->InvalidParticlePointer.lock(), first);
  EXPECT_EQ(GameGrid->CardsLeft, 1);
  EXPECT_EQ(PlayList->Count(), 0);
  ScoreParticles = savedList;
}

TEST_F(GameGridTest, AClickOnACoveredCardIsRefusedAloudAndTheCardOnTopStillDecides) {
  std::string error;
  ASSERT_TRUE(platform::AudioOpen("FreeAudio", &error)) << error;
  GameGrid->InvalidSound = TGameSound::Create(platform::DataPrefix() + "Data/sound/invalid.ogg", 0);
  auto savedList = ScoreParticles;
  ScoreParticles = TParticleList::Create();
  events_.signs[TFieldEvents::Sign::Invalid] = std::make_shared<TGameImage>();
  // A 6 lies on a 5 that would fit the foundation, half over it; a 7 turns over beside them, over
  // a covered 8.
  auto under = CardList->Add(100, 100, CARDTYPE_NORMAL, 1, 5, 0);
  under->ID = 1;
  under->RelationshipSet("2");
  auto over = CardList->Add(100, 150, CARDTYPE_NORMAL, 1, 9, 0);
  over->ID = 2;
  auto hidden = CardList->Add(300, 100, CARDTYPE_NORMAL, 1, 8, 0);
  hidden->ID = 3;
  hidden->RelationshipSet("4");
  auto turning = CardList->Add(300, 100, CARDTYPE_NORMAL, 0, 7, 0);
  turning->ID = 4;
  GameGrid->CardsLeft = 4;
  SetFoundation(4);
  auto heard = [] {
    int n = 0;
    for (const auto& r : platform::AudioLog())
      if ((r.what == "cue" || r.what == "play") && r.sound == "invalid.ogg") ++n;
    return n;
  };

  // The visible top of the covered 5: refused with the sound and one marker, nothing played.
  platform::ClearAudioLog();
  Tick(130, 120, true);
  Tick(130, 120, false);
  EXPECT_EQ(heard(), 1);
  EXPECT_TRUE(under->InvalidParticlePointer.lock());
  EXPECT_EQ(PlayList->Count(), 0);
  EXPECT_EQ(GameGrid->FoundationValue, 4);
  EXPECT_EQ(GameGrid->CardsLeft, 4);

  // Where the 9 lies on top, the 9 is the card clicked: refused for its value, on itself.
  platform::ClearAudioLog();
  Tick(130, 220, true);
  Tick(130, 220, false);
  EXPECT_EQ(heard(), 1);
  EXPECT_TRUE(over->InvalidParticlePointer.lock());

  // A card turning over on top hides the covered one: the click passes without a sign.
  turning->FlipStart(1);
  platform::ClearAudioLog();
  Tick(330, 150, true);
  Tick(330, 150, false);
  EXPECT_EQ(heard(), 0);
  EXPECT_FALSE(hidden->InvalidParticlePointer.lock());

  ScoreParticles = savedList;
}

// The refusal marker starts on the part of the refused card that the player sees, never on a card
// lying over it: a covered card clicked where it shows (its top hidden, its side hidden, a gap
// between two cards) and an uncovered card of the wrong value.
struct MarkerCase {
  const char* name;
  std::vector<std::pair<int, int>> over;  // top-left corners of the cards lying over (100, 100)
  int clickX, clickY;
};

class RefusalMarkerTest : public GameGridTest, public testing::WithParamInterface<MarkerCase> {};

TEST_P(RefusalMarkerTest, StartsOnTheVisiblePartOfTheRefusedCard) {
  const MarkerCase& c = GetParam();
  auto savedList = ScoreParticles;
  ScoreParticles = TParticleList::Create();
  events_.signs[TFieldEvents::Sign::Invalid] = std::make_shared<TGameImage>();
  auto refused = CardList->Add(100, 100, CARDTYPE_NORMAL, 1, 9, 0);
  refused->ID = 1;
  std::string covers;
  std::vector<TCardRef> over;
  for (const auto& [x, y] : c.over) {
    auto card =
        CardList->Add(static_cast<float>(x), static_cast<float>(y), CARDTYPE_NORMAL, 1, 12, 0);
    card->ID = static_cast<int>(over.size()) + 2;
    covers += (covers.empty() ? "" : ",") + std::to_string(card->ID);
    over.push_back(card);
  }
  if (!covers.empty()) refused->RelationshipSet(covers);
  GameGrid->CardsLeft = 1 + static_cast<int>(over.size());
  SetFoundation(4);
  Tick(c.clickX, c.clickY, true);
  Tick(c.clickX, c.clickY, false);
  auto marker = refused->InvalidParticlePointer.lock();
  ASSERT_TRUE(marker);
  const float mx = marker->x, my = marker->y;  // (it floats up a tenth of a pixel a tick)
  auto inside = [](const TCard& card, float x, float y) {
    return card.x <= x && x < card.x + static_cast<float>(card.w) && card.y <= y &&
           y < card.y + static_cast<float>(card.h);
  };
  EXPECT_TRUE(inside(*refused, mx, my)) << mx << "," << my;
  for (const auto& card : over)
    EXPECT_FALSE(inside(*card, mx, my)) << "on the card at " << card->x << "," << card->y;
  // Without a click on it, the marker's place is still on the part that shows.
  const auto [vx, vy] = GameGrid->VisiblePointOf(*refused, -1, -1);
  EXPECT_TRUE(inside(*refused, vx, vy));
  for (const auto& card : over) EXPECT_FALSE(inside(*card, vx, vy));
  ScoreParticles = savedList;
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, RefusalMarkerTest,
    testing::Values(MarkerCase{"top_hidden", {{100, 40}}, 130, 190},
                    MarkerCase{"top_and_left_hidden", {{90, 60}, {40, 150}}, 150, 190},
                    MarkerCase{"gap_between_two", {{60, 70}, {140, 70}}, 134, 180},
                    MarkerCase{"uncovered_wrong_value", {}, 120, 130}),
    [](const testing::TestParamInfo<MarkerCase>& info) { return std::string(info.param.name); });

TEST_F(GameGridTest, OutsideTheBandCardsThereAreClickedNormally) {
  auto low = CardList->Add(200, 470, CARDTYPE_NORMAL, 1, 3, 0);
  low->ID = 1;
  GameGrid->CardsLeft = 1;
  SetFoundation(4);
  Tick(230, 500, true);  // inside the band, over no iron
  EXPECT_EQ(PlayList->Count(), 1);
}

TEST_F(GameGridTest, TheMissedCardTipReplacesAStockMoveTwiceAtMost) {
  GameGrid->LevelName = "The Vuva Rivudar";
  events_.playerLevel = 2;
  auto free = CardList->Add(100, 100, CARDTYPE_NORMAL, 1, 5, 0);
  free->ID = 1;
  for (int i = 0; i < 4; ++i) {
    auto c = CardList->Add(GameGrid->STOCKX, GameGrid->STOCKY, CARDTYPE_NORMAL, 0, 9, 0);
    c->ID = 100 + i;
    c->Playfield = 0;
    c->Stock = 1;
  }
  CardList->StockZOrder();
  CardList->StockTopMark();
  SetFoundation(4);
  for (int attempt = 0; attempt < 2; ++attempt) {
    ClickCard(CardList->StockTopFind());
    EXPECT_EQ(GameGrid->CardAction, CARDACTION_NONE) << attempt;
    EXPECT_TRUE(events_.cardTipOpen);
    events_.cardTipOpen = false;  // the player closes the tip
  }
  EXPECT_EQ(events_.missedCardTipsShown, 2);
  EXPECT_EQ(events_.Count("MissedCardTipShow"), 2);
  ClickCard(CardList->StockTopFind());
  EXPECT_EQ(GameGrid->CardAction, CARDACTION_STOCK_TO_FOUNDATION);
}

// The play field's token tables hold the lowest and the highest amount of each token factor (1 to
// 5) in each luck band (0 to 4); a bonus is a seeded roll over them, rounded to a multiple of 5.
TEST_F(GameGridTest, BonusAmountsAreSeededRollsOverTheRulesTables) {
  const int lowest[5][5] = {{5, 5, 5, 10, 15},
                            {5, 5, 10, 15, 20},
                            {5, 10, 15, 20, 25},
                            {10, 15, 20, 25, 35},
                            {15, 20, 25, 35, 50}};
  const int highest[5][5] = {{5, 5, 10, 20, 30},
                             {5, 10, 20, 30, 40},
                             {10, 20, 30, 40, 50},
                             {20, 30, 40, 50, 75},
                             {30, 40, 50, 75, 250}};
  for (int factor = 1; factor <= 5; ++factor) {
    for (int band = 0; band < 5; ++band) {
      SCOPED_TRACE("factor " + std::to_string(factor) + " band " + std::to_string(band));
      EXPECT_EQ(GameGrid->TOKEN_FACTOR[0][factor - 1][band], lowest[factor - 1][band]);
      EXPECT_EQ(GameGrid->TOKEN_FACTOR[1][factor - 1][band], highest[factor - 1][band]);
    }
  }
  EXPECT_EQ(GameGrid->CalcBonus(0), 0);
  // A factor of 7 counts as 5. With seed 99 the first band rolls are 97, 84, 87 and 64 (band 0,
  // 15..30) and 43 (band 1, 20..40): the first bonus is 15 + 6 = 21, rounded down to 20, the fifth
  // 20 + 20 = 40. The eighth band roll is 3, band 3 (35..75): 35 + 38 = 73, rounded up to 75.
  GameGrid->Rng.Seed(99);
  const int expected[] = {20, 20, 15, 15, 40, 15, 25, 75, 30, 20,
                          30, 30, 45, 30, 35, 35, 20, 30, 30, 25};
  for (int i = 0; i < 20; ++i) EXPECT_EQ(GameGrid->CalcBonus(7), expected[i]) << "bonus " << i;
  EXPECT_EQ(TGameGrid::CalcTokenQuantity(501), 10);
}

TEST_F(GameGridTest, PlayedCardsNeverWhackThreeTimesInARow) {
  int last = -1, run = 0;
  for (int i = 0; i < 3000; ++i) {
    GameGrid->PlayWhackSound();
    const int now = GameGrid->PlayCard1Last ? 1 : GameGrid->PlayCard2Last ? 2 : 3;
    run = now == last ? run + 1 : 1;
    last = now;
    ASSERT_LE(run, 2);
    ASSERT_LE(GameGrid->PlayCard1Last + GameGrid->PlayCard2Last + GameGrid->PlayCard3Last, 2);
  }
}

}  // namespace

// The chains of the play effects: irons into the bag and out, floating texts, and the detail
// setting's counts.

#include "play/play_effects.h"

#include <gtest/gtest.h>

#include "cards/card.h"
#include "cards/card_list.h"
#include "gfx/image_bank.h"
#include "gfx/particle.h"
#include "gfx/particle_generator.h"
#include "gfx/sound_bank.h"
#include "play/pointer_particles.h"
#include "tests/play/field_play_fixture.h"
#include "util/types.h"

namespace {

class EffectsTest : public PlayFixture {
 protected:
  void SetUp() override {
    PlayFixture::SetUp();
    Game->Particles = 100;
    for (auto& img : ParticleImages) img = std::make_shared<TGameImage>();
    HUD->Irons_Y = {494, 473, 453, 435, 428, 450, 469, 490};
  }
  void TearDown() override {
    for (auto& img : ParticleImages) img.reset();
    PlayFixture::TearDown();
  }
  // One logic tick of the layers the play screen runs. A particle made by a callback during the
  // tick starts moving on the next one.
  void LayerTick() {
    for (const auto& list : {IronParticles, ::Particles, Particles2, AnimatedParticles, ScoreParticles})
      list->Manage();
  }
};

TEST_F(EffectsTest, AnIronMorphsAndLandsInTheBagAfter1335Ms) {
  auto collect = std::make_shared<TGameSound>();
  GameGrid->IronCollectSound = collect;
  collect->volume = 0;
  auto card = CardList->Add(538, 315, CARDTYPE_IRON, 1, 7, 0);
  card->visible = 0;
  GameScreen->CardToIronAnim = 1;
  CardToIronMorphStart(card);
  int bagSoundAt = -1, landedAt = -1;
  for (int t = 1; t <= 300 && landedAt < 0; ++t) {
    LayerTick();
    if (bagSoundAt < 0 && collect->volume > 0) bagSoundAt = t;
    if (GameScreen->Player->Irons[7] == 1) landedAt = t;
  }
  // Within a tick: a step made by another layer's callback may start moving on the same tick,
  // as the play screen's order of layers has it.
  EXPECT_NEAR(bagSoundAt * 5, 1235, 5);
  EXPECT_NEAR(landedAt * 5, 1335, 5);
  EXPECT_EQ(landedAt - bagSoundAt, 20);
  EXPECT_FALSE(CardList->Contains(card.get()));
  EXPECT_EQ(card->CardType, CARDTYPE_NONE);
  EXPECT_EQ(GameScreen->CardToIronAnim, 0);
  EXPECT_EQ(HUD->IronsGlow[5], static_cast<float>(HUD->IronsGlowLength));
  EXPECT_EQ(IronParticles->Count(), 0);
  EXPECT_EQ(AnimatedParticles->Count(), 0);
}

TEST_F(EffectsTest, ASecondIronFliesSlowerWhileOneIsOnItsWay) {
  auto first = CardList->Add(100, 100, CARDTYPE_IRON, 1, 3, 0);
  auto second = CardList->Add(200, 100, CARDTYPE_IRON, 1, 4, 0);
  first->FlyIronToBagStart();
  EXPECT_FLOAT_EQ(first->IronToBagCounter, Game->CalcAnimLength(TCard::IRON_ANIM_LENGTH_MS));
  second->FlyIronToBagStart();
  EXPECT_FLOAT_EQ(second->IronToBagCounter, Game->CalcAnimLength(1400));
  EXPECT_EQ(GameScreen->CardToIronAnim, 2);
}

TEST_F(EffectsTest, AnIronPlayedFromTheBagBecomesANewCardForTheFoundationOrTheStock) {
  struct Case {
    int returnFlag;
    int flightMs, faceUp, fromBag;
  };
  for (const Case c : {Case{0, 190, 1, 1}, Case{1, 380, 0, 0}}) {
    GameGrid->IronCard.reset();
    GameGrid->IronOriginalX = 40;
    GameGrid->IronOriginalY = 460;
    const int before = TCardList::HighID;
    IronPlayed(6, c.returnFlag);
    int madeAt = -1;
    for (int t = 1; t <= 200 && madeAt < 0; ++t) {
      LayerTick();
      if (GameGrid->IronCard) madeAt = t;
    }
    ASSERT_TRUE(GameGrid->IronCard) << c.returnFlag;
    EXPECT_NEAR(madeAt * 5, 140 + 750, 5);
    auto card = GameGrid->IronCard;
    EXPECT_EQ(card->ID, before);
    EXPECT_EQ(TCardList::HighID, before + 1);
    EXPECT_EQ(card->Value, 6);
    EXPECT_EQ(card->FromBag, c.fromBag);
    EXPECT_NEAR(GameGrid->CardAnimCounter, Game->CalcAnimLength(c.flightMs), 1e-4);
    // the card, placed where the morph was, reaches its target at the end of the flight
    const float tx = c.returnFlag ? 40.0f : static_cast<float>(GameGrid->FOUNDATIONX);
    EXPECT_NEAR(card->x + card->dx * GameGrid->CardAnimCounter, tx, 1e-3);
    EXPECT_EQ(card->FlipCounter > 0, c.returnFlag == 1);  // it turns face down for the stock
  }
}

TEST_F(EffectsTest, AFloatingTextEndsAfter2400MsOrFadesWithin150WhenCut) {
  auto text = ScoreParticles->AddNew(400, 165, nullptr, 0, -0.1f, 0, 0, 0, 0, 0, 1, 0, 0, 0);
  FadeFloatingText(text);
  EXPECT_EQ(GameScreen->CurrentFloatingText.lock(), text);
  for (int t = 0; t < 479; ++t) LayerTick();
  EXPECT_TRUE(ScoreParticles->Contains(text.get()));
  LayerTick();
  EXPECT_FALSE(ScoreParticles->Contains(text.get()));
  EXPECT_FALSE(GameScreen->CurrentFloatingText.lock());

  auto old = ScoreParticles->AddNew(400, 165, nullptr, 0, -0.1f, 0, 0, 0, 0, 0, 1, 0, 0, 0);
  FadeFloatingText(old);
  for (int t = 0; t < 100; ++t) LayerTick();  // fully shown
  auto next = ScoreParticles->AddNew(400, 165, nullptr, 0, -0.1f, 0, 0, 0, 0, 0, 1, 0, 0, 0);
  FadeCurrentTextParticle();
  FadeFloatingText(next);
  EXPECT_EQ(GameScreen->CurrentFloatingText.lock(), next);
  for (int t = 0; t < 30; ++t) LayerTick();
  EXPECT_FALSE(ScoreParticles->Contains(old.get()));
  EXPECT_TRUE(ScoreParticles->Contains(next.get()));
  FadeCurrentTextParticle();
  FadeCurrentTextParticle();  // harmless twice
}

TEST_F(EffectsTest, TheDetailSettingScalesFireworksAndTheEndDriveTrail) {
  auto colour = TColor::Create(255, 150, 50, 1.0f);
  struct Case {
    int detail, firework, endDrive, sparkle;
  };
  for (const Case c : {Case{0, 0, 0, 90}, Case{1, 0, 1, 89}, Case{50, 50, 75, 52}, Case{70, 70, 105, 37},
                       Case{100, 100, 150, 15}}) {
    Game->Particles = c.detail;
    ::Particles->Clear();
    FireworkParticlesMake(400, 300, 50, colour);
    EXPECT_EQ(::Particles->Count(), c.firework) << c.detail;
    HUD->LongDriveButtonSparkles.reset();
    HUD->DriveLength = 8;
    LongDriveButtonMakeParticles();
    if (c.endDrive == 0) {
      EXPECT_FALSE(HUD->LongDriveButtonSparkles);
    } else {
      ASSERT_TRUE(HUD->LongDriveButtonSparkles);
      // emissions: the one at creation and the rest still to come
      EXPECT_EQ(HUD->LongDriveButtonSparkles->Qty + 1, c.endDrive) << c.detail;
    }
    EXPECT_EQ(CalcSparkleLength(), c.sparkle);
  }
}

TEST_F(EffectsTest, ATokenBurstAndTheAmountFollowTheirRules) {
  Game->Particles = 50;
  TokenParticlesMake(100, 100, 25, 0);
  EXPECT_EQ(::Particles->Count(), 12);
  HUD->HoleNumbersBig = std::make_shared<TGameImage>();
  HUD->HoleNumbersBig->w = 24;
  HUD->HoleNumbersBig->h2 = 19;
  auto card = TCard::Make(200, 300, CARDTYPE_NORMAL, 1, 5, 0);
  TokensTextMake(card, 5, 0);
  ASSERT_EQ(ScoreParticles->Count(), 2);
  const int w = 22;
  EXPECT_EQ(ScoreParticles->First()->x, 200 + 34 - (w + 1));
  EXPECT_EQ(ScoreParticles->Last()->x, 200 + 34 - 3);
  EXPECT_EQ(ScoreParticles->Last()->y, 300 + 50 - 19);
}

TEST_F(EffectsTest, PenaltyStockAndLiftedCards) {
  EXPECT_EQ(PenaltyStockMake(), 0);  // empty stock: nothing
  EXPECT_EQ(::Particles->Count(), 0);
  auto card = CardList->Add(100, 100, CARDTYPE_NORMAL, 1, 5, 0);
  card->ID = 1;
  auto under = CardList->Add(110, 120, CARDTYPE_NORMAL, 0, 6, 0);
  under->ID = 2;
  under->RelationshipSet("1");
  GameGrid->CardsLeft = 2;
  EXPECT_EQ(FloatingCardParticle(card, nullptr, 3, 0), 1);
  EXPECT_EQ(GameGrid->CardsLeft, 1);
  EXPECT_TRUE(under->Uncovered());
  EXPECT_FALSE(CardList->Contains(card.get()));
}

}  // namespace

namespace {

TEST_F(EffectsTest, AWedgeSparklesOnlyTheSandItAloneCovers) {
  auto wedge = CardList->Add(100, 150, CARDTYPE_WEDGE, 1, 1, 0);
  wedge->ID = 1;
  auto alone = CardList->Add(200, 150, CARDTYPE_SAND, 0, 3, 0);
  alone->ID = 2;
  alone->RelationshipSet("1");
  auto shared = CardList->Add(300, 150, CARDTYPE_SAND, 0, 3, 0);
  shared->ID = 3;
  shared->RelationshipSet("1,9");
  auto alsoAlone = CardList->Add(400, 150, CARDTYPE_SAND, 0, 3, 0);
  alsoAlone->ID = 4;
  alsoAlone->RelationshipSet("1");
  GameGrid->WedgeCard = wedge;
  auto savedGenerators = ParticleGeneratorList;
  ParticleGeneratorList = TParticleGeneratorList::Create();
  for (int detail : {0, 50, 100}) {
    Game->Particles = detail;
    ParticleGeneratorList->Clear();
    Particles2->Clear();
    WedgeParticleMake(wedge);
    EXPECT_EQ(Particles2->Count(), 1);  // the wedge flies whatever the detail
    EXPECT_EQ(ParticleGeneratorList->Count(), detail == 0 ? 0 : 2) << detail;
    if (detail == 50) {
      auto first = ParticleGeneratorList->First();
      EXPECT_FLOAT_EQ(first->x, 234);  // the list's order: the first sand card alone under it
      EXPECT_EQ(first->Qty + 1, 75);
      EXPECT_NEAR(first->Interval, Game->CalcAnimLengthFromFloat(36), 1e-4);
    }
  }
  ParticleGeneratorList = savedGenerators;
}

TEST_F(EffectsTest, TheLastWaterCardShowsItsPictureInPlaceOrBelowALongDrive) {
  auto water = CardList->Add(100, 150, CARDTYPE_WATER, 1, 3, 0);
  water->ID = 1;
  water->Playfield = 1;
  WaterHazardParticle(1);
  EXPECT_EQ(ScoreParticles->Count(), 0);  // a water card is left: nothing
  CardList->Remove(water.get());
  WaterHazardParticle(1);
  ASSERT_EQ(ScoreParticles->Count(), 1);
  EXPECT_EQ(ScoreParticles->First()->y, 165);
  ScoreParticles->Clear();
  WaterHazardParticle(0);
  EXPECT_EQ(ScoreParticles->First()->y, 220);
}

TEST_F(EffectsTest, AShuffleLeavesOnlyItsLatestFlash) {
  ShuffleParticleKill();  // none yet: nothing happens
  ShuffleParticleMake();
  auto first = GameScreen->WildshotParticle;
  ShuffleParticleMake();
  EXPECT_FALSE(::Particles->Contains(first.get()));
  EXPECT_EQ(::Particles->Count(), 1);
  ShuffleParticleKill();
  EXPECT_EQ(::Particles->Count(), 0);
  EXPECT_FALSE(GameScreen->WildshotParticle);
}

TEST_F(EffectsTest, IronNumbersOutsideTwoToNineTouchNoSlot) {
  // A damaged saved hole may carry any value on an iron card.
  for (int n : {-3, 0, 1, 10, 99}) {
    EXPECT_EQ(IronPlayed(n, 0), 1);
    auto card = CardList->Add(538, 315, CARDTYPE_IRON, 1, n, 0);
    CardToIronMorphStart(card);
    for (int t = 0; t < 300; ++t) LayerTick();
    EXPECT_FALSE(CardList->Contains(card.get()));
    HUD->IronDraw(n);
  }
  for (int n = 0; n < 10; ++n) EXPECT_EQ(GameScreen->Player->Irons[static_cast<std::size_t>(n)], 0) << n;
  for (float glow : HUD->IronsGlow) EXPECT_EQ(glow, 0);
}

TEST_F(EffectsTest, PointerSparklesFollowTheDetailAndComeAtMostOncePerTick) {
  Game->Mouse->ParticleList = TParticleList::Create();
  Game->Mouse->MoveEvent(300, 200);
  Game->Mouse->w = 16;
  Game->Mouse->h = 24;
  Game->Mouse->offsetx = 2;
  PointerParticlesOn = 1;
  Game->Particles = 0;
  Game->Mouse->SparkleLength = CalcSparkleLength();
  Game->Mouse->SparkleCounter = 5;
  PointerParticles();
  EXPECT_EQ(Game->Mouse->ParticleList->Count(), 0);
  EXPECT_EQ(Game->Mouse->SparkleCounter, 5);  // stands still at detail 0
  Game->Particles = 100;
  Game->Mouse->SparkleLength = CalcSparkleLength();
  Delta = 40;  // a long step still makes one sparkle
  PointerParticles();
  Delta = 1;
  ASSERT_EQ(Game->Mouse->ParticleList->Count(), 1);
  auto p = Game->Mouse->ParticleList->First();
  // over the pointer picture: x + (1 .. w - 20, either order) - 5
  EXPECT_GE(p->x, 300 - 4 - 5);
  EXPECT_LE(p->x, 300 + 1 - 5);
  PointerParticlesOn = 0;
  PointerParticles();
  EXPECT_EQ(Game->Mouse->ParticleList->Count(), 1);
  PointerParticlesOn = 1;
}

}  // namespace

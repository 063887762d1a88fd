#include "gfx/particle.h"

#include <gtest/gtest.h>

#include <vector>

#include "gfx/globals.h"
#include "gfx/particle_generator.h"
#include "gfx/particle_list.h"
#include "gfx_test_support.h"

namespace {

class ParticleTest : public gfx_test::GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    image_ = gfx_test::SolidGameImage(10, 10, {0xFFFFFFFF, 0xFF000000});
    image_->MidHandle(1);
    list_ = TParticleList::Create();
  }
  // A still particle in the middle of the screen.
  TParticleRef Add(float fadeMs = 0, int lifeMs = 0, int atFront = 0) {
    return list_->AddNew(400, 300, image_, 0, 0, 0, fadeMs, 0, 0, 0, 1, 0, lifeMs, atFront);
  }
  std::shared_ptr<TGameImage> image_;
  TParticleListRef list_;
};

TEST_F(ParticleTest, FadeInHoldAndFadeOutDriveTheOpacity) {
  auto p = Add();
  p->SetFade(100, 50, 200);  // 20, 10 and 40 ticks
  EXPECT_FLOAT_EQ(p->Alpha, 0);
  Ticks(10, [&] { list_->Move(); });
  p->Draw();
  EXPECT_FLOAT_EQ(p->Alpha, 0.5f);
  Ticks(10, [&] { list_->Move(); });
  EXPECT_FLOAT_EQ(p->Alpha, 1.0f);  // the fade-in has ended
  Ticks(10, [&] { list_->Move(); });
  p->Draw();
  EXPECT_FLOAT_EQ(p->Alpha, 1.0f);  // held
  Ticks(20, [&] { list_->Move(); });
  p->Draw();
  EXPECT_FLOAT_EQ(p->Alpha, 0.5f);
  Ticks(19, [&] { list_->Move(); });
  EXPECT_EQ(list_->Count(), 1);
  list_->Move();
  EXPECT_EQ(list_->Count(), 0);  // killed when the fade-out ends
  EXPECT_EQ(p->active, 0);
  EXPECT_FLOAT_EQ(p->Alpha, 0);
}

TEST_F(ParticleTest, WithoutKillOnFadeAFadedParticleStaysInvisible) {
  auto p = Add(300.7f);  // the fraction is dropped: 60 ticks
  EXPECT_FLOAT_EQ(p->FadeLength, 60);
  p->KillOnFade = 0;
  Ticks(100, [&] { list_->Move(); });
  EXPECT_EQ(list_->Count(), 1);
  EXPECT_FLOAT_EQ(p->Alpha, 0);
}

TEST_F(ParticleTest, SpinWrapsOncePerTickBothWays) {
  auto up = list_->AddNew(400, 300, image_, 0, 0, 0, 0, 0, 1, 2, 1, 0, 0, 0);
  auto down = list_->AddNew(400, 300, image_, 0, 0, 0, 0, 0, -1, 2, 1, 0, 0, 0);
  up->Rotation = 359;
  down->Rotation = 1;
  list_->Move();
  EXPECT_FLOAT_EQ(up->Rotation, 1);
  EXPECT_FLOAT_EQ(down->Rotation, 359);
}

TEST_F(ParticleTest, ShrinkingToNothingKills) {
  auto p = list_->AddNew(400, 300, image_, 0, 0, 0, 0, 0, 0, 0, 1.0f, -0.25f, 0, 0);
  Ticks(3, [&] { list_->Move(); });
  EXPECT_EQ(list_->Count(), 1);
  EXPECT_FLOAT_EQ(p->ScaleX, 0.25f);
  list_->Move();
  EXPECT_EQ(list_->Count(), 0);
}

TEST_F(ParticleTest, LifeAndScreenEdgeEndAParticle) {
  auto timed = Add(0, 50);  // 10 ticks
  auto leaving = list_->AddNew(800, 300, image_, 1, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0);
  auto kept = list_->AddNew(800, 300, image_, 1, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0);
  kept->NoOutOfBounds = 1;
  Ticks(9, [&] { list_->Move(); });
  EXPECT_TRUE(list_->Contains(timed.get()));
  EXPECT_FALSE(list_->Contains(leaving.get()));  // wholly off past x = 805
  list_->Move();
  EXPECT_FALSE(list_->Contains(timed.get()));
  EXPECT_TRUE(list_->Contains(kept.get()));
}

TEST_F(ParticleTest, DelayHidesAndFreezesThenStartsThePhases) {
  auto p = list_->AddNew(400, 300, image_, 3, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0);
  p->SetDelay(20);  // 4 ticks
  EXPECT_EQ(p->Draw(), 0);  // hidden from the start
  auto phase = p->AddPhase(1000);
  phase->dx = 5;
  Ticks(3, [&] { list_->Move(); });
  EXPECT_EQ(p->Hidden, 1);
  EXPECT_FLOAT_EQ(p->x, 400);
  EXPECT_EQ(p->Draw(), 0);
  list_->Move();  // the delay ends: the phase starts and the particle moves in the same tick
  EXPECT_EQ(p->Hidden, 0);
  EXPECT_FLOAT_EQ(p->x, 405);
}

TEST_F(ParticleTest, PhasesApplyInTurnAndTheLastOneEndsTheParticle) {
  auto p = Add();
  p->KillOnFade = 0;
  std::vector<int> calls;
  auto first = p->AddPhase(10);  // 2 ticks
  first->dx = 1;
  first->Scale = 2;
  first->Alpha = 1;
  first->UserFunction = [&calls](TParticle&) {
    calls.push_back(1);
    return 0;
  };
  auto second = p->AddPhase(15);  // 3 ticks
  second->dy = 2;
  second->SetAngle = 1;
  second->Angle = 45;
  second->UserFunction = [&calls](TParticle&) {
    calls.push_back(2);
    return 0;
  };
  p->StartPhases();
  EXPECT_FLOAT_EQ(p->ScaleX, 2);
  Ticks(2, [&] { list_->Move(); });
  EXPECT_EQ(p->CurrentPhase, second);  // the second tick ended the first phase
  EXPECT_FLOAT_EQ(p->dx, 0);           // every phase replaces the speeds
  EXPECT_FLOAT_EQ(p->Rotation, 45);
  EXPECT_FLOAT_EQ(p->ScaleX, 2);  // Scale 0 keeps the scale
  EXPECT_FLOAT_EQ(p->x, 401);
  Ticks(2, [&] { list_->Move(); });
  EXPECT_EQ(list_->Count(), 1);
  list_->Move();
  EXPECT_EQ(list_->Count(), 0);
  EXPECT_EQ(calls, (std::vector<int>{1, 2}));
}

TEST_F(ParticleTest, UserMoveReplacesTheStandardMotion) {
  auto p = list_->AddNew(400, 300, image_, 5, 5, 0, 0, 0, 1, 3, 1, 0, 0, 0);
  int moved = 0;
  p->UserMove = [&moved](TParticle&) { return ++moved; };
  list_->Move();
  EXPECT_EQ(moved, 1);
  EXPECT_FLOAT_EQ(p->x, 400);
  EXPECT_FLOAT_EQ(p->Rotation, 3);  // spin still applies
}

TEST_F(ParticleTest, ListWalkToleratesRemovalOfAnyMember) {
  auto a = Add();
  auto b = Add();
  auto c = Add();
  auto d = Add();
  // a's callback kills itself and c, which the walk has not reached yet.
  a->UserMove = [&c](TParticle& self) {
    self.Kill();
    c->Kill();
    return 0;
  };
  int bMoves = 0, cMoves = 0, dMoves = 0;
  b->UserMove = [&](TParticle&) {
    ++bMoves;
    return 0;
  };
  c->UserMove = [&](TParticle&) { return ++cMoves; };
  d->UserMove = [&](TParticle&) { return ++dMoves; };
  list_->Move();
  EXPECT_EQ(list_->Count(), 2);
  EXPECT_EQ(bMoves, 1);
  EXPECT_EQ(cMoves, 0);  // removed before the walk reached it
  EXPECT_EQ(dMoves, 1);  // still moved in the same walk
  EXPECT_EQ(list_->ToVector(), (std::vector<TParticleRef>{b, d}));
  a->Kill();  // killing twice is harmless
  EXPECT_EQ(list_->Count(), 2);
}

TEST_F(ParticleTest, AtFrontGoesUnderTheOthers) {
  auto a = Add();
  auto front = Add(0, 0, 1);
  EXPECT_EQ(list_->First(), front);
  EXPECT_EQ(list_->Last(), a);
}

TEST_F(ParticleTest, ManageAnimatesOnlyUndelayedParticlesAndKillsAfterOneCycle) {
  auto p = Add();
  p->SetupAnim(2, 50, 1, 0, 0);  // 10 ticks
  p->KillAfterAnim = 1;
  auto delayed = Add();
  delayed->SetupAnim(2, 50, 1, 0, 0);
  delayed->SetDelay(1000);
  auto moved = Add();
  moved->SetupAnim(2, 50, 1, 0, 0);
  Ticks(3, [&] { list_->Move(); });
  EXPECT_FLOAT_EQ(moved->AnimCounter, 0);  // Move alone never animates
  Ticks(9, [&] { list_->Manage(); });
  EXPECT_TRUE(list_->Contains(p.get()));
  EXPECT_FLOAT_EQ(delayed->AnimCounter, 0);
  list_->Manage();
  EXPECT_FALSE(list_->Contains(p.get()));
}

TEST_F(ParticleTest, AnAnimationEndingOnTheTickItsParticleDiesStillCallsBack) {
  auto p = Add(0, 50);           // life of 10 ticks
  p->SetupAnim(2, 50, 1, 0, 0);  // one cycle of 10 ticks
  int calls = 0;
  p->AnimStoppedFunction = [&](TSprite&) { return ++calls; };
  Ticks(9, [&] { list_->Manage(); });
  EXPECT_EQ(calls, 0);
  list_->Manage();
  EXPECT_FALSE(list_->Contains(p.get()));
  EXPECT_EQ(calls, 1);
}

TEST_F(ParticleTest, FadeAllAndClear) {
  auto p = Add();
  list_->FadeAll(100);
  EXPECT_FLOAT_EQ(p->FadeCounter, 20);
  list_->FadeAll(0);
  EXPECT_FLOAT_EQ(p->FadeCounter, 0);
  list_->Clear();
  EXPECT_EQ(list_->Count(), 0);
  EXPECT_EQ(p->Particles.lock(), list_);  // Clear does not tell the particles
}

TEST_F(ParticleTest, AZoomedSceneMovesOnItsStoredCoordinates) {
  auto p = list_->AddNew(100, 50, image_, 2, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0);
  list_->EnableUpdateOriginalCoords();
  list_->Move();
  EXPECT_FLOAT_EQ(p->x, 100);  // the motion acts on ox, oy now
  EXPECT_FLOAT_EQ(p->ox, 102);
  list_->ProcessScale(2, 2, 10, 20);
  EXPECT_FLOAT_EQ(p->x, 214);
  EXPECT_FLOAT_EQ(p->y, 120);
  EXPECT_FLOAT_EQ(p->BaseScaleX, 2);
  list_->AddOffsets(-14, 0);
  EXPECT_FLOAT_EQ(p->x, 200);
}

TEST_F(ParticleTest, LightBlendDrawsAdditivelyAndReturnsToAlphaBlending) {
  auto p = list_->AddNew(400, 300, image_, 0, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0);
  platform::SetBlend(platform::BLEND_ALPHA);
  EXPECT_EQ(p->Draw(), 1);
  EXPECT_EQ(platform::GetBlend(), platform::BLEND_ALPHA);
  p->Kill();
  EXPECT_EQ(p->Draw(), 0);  // dead particles draw nothing
}

TEST_F(ParticleTest, GlobalListsExistFromTheStart) {
  for (const auto& list : {AmbientParticles, BackgroundParticles, IronParticles, Particles,
                           Particles2, AnimatedParticles, ScoreParticles, DialogParticles}) {
    ASSERT_NE(list, nullptr);
  }
  Particles->AddNew(1, 1, image_, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0);
  ParticleListsClear();
  EXPECT_EQ(Particles->Count(), 0);
}

class GeneratorTest : public ParticleTest {};

TEST_F(GeneratorTest, EmitsAtCreationThenOncePerInterval) {
  auto gens = TParticleGeneratorList::Create();
  std::vector<int> emittedAt;
  int tick = 0;
  auto gen = gens->Add(10, 20, 3, 100, [&](TParticleGenerator& g) {
    emittedAt.push_back(tick * 5);  // milliseconds
    list_->AddNew(static_cast<int>(g.x), static_cast<int>(g.y), image_, 0, 0, 0, 0, 0, 0, 0, 1,
                  0, 0, 0);
    return 0;
  });
  EXPECT_EQ(gens->Count(), 1);
  int finishedAt = -1;
  for (tick = 1; tick <= 60; ++tick) {
    if (gen->Manage() == 1) finishedAt = tick * 5;
  }
  EXPECT_EQ(emittedAt, (std::vector<int>{0, 100, 200}));
  EXPECT_EQ(finishedAt, 200);
  EXPECT_EQ(gen->Manage(), -1);
  EXPECT_EQ(list_->Count(), 3);
}

TEST_F(GeneratorTest, ListDropsFinishedGeneratorsAndSingleEmissions) {
  auto gens = TParticleGeneratorList::Create();
  int single = 0, two = 0;
  gens->Add(0, 0, 1, 100, [&](TParticleGenerator&) { return ++single; });
  EXPECT_EQ(single, 1);
  EXPECT_EQ(gens->Count(), 0);
  auto drifting = gens->Add(0, 0, 2, 10, [&](TParticleGenerator&) { return ++two; });
  drifting->dx = 1;
  gens->Manage();
  EXPECT_EQ(gens->Count(), 1);
  gens->Manage();  // the second emission finishes it
  EXPECT_EQ(two, 2);
  EXPECT_EQ(gens->Count(), 0);
  EXPECT_FLOAT_EQ(drifting->x, 2);
}

TEST_F(GeneratorTest, ShortIntervalsEmitSeveralTimesPerTick) {
  int emitted = 0;
  auto gen = TParticleGenerator::Create(0, 0, 5, 2, [&](TParticleGenerator&) { return ++emitted; }, 0, 0);
  gen->Manage();  // 0.4 tick interval: 2.5 emissions due, 2 of them whole
  EXPECT_EQ(emitted, 3);
}

TEST_F(GeneratorTest, AGeneratorMadeForOneEmissionStops) {
  int emitted = 0;
  auto gen = TParticleGenerator::Create(0, 0, 1, 5, [&](TParticleGenerator&) { return ++emitted; }, 0, 0);
  EXPECT_EQ(gen->Manage(), 1);
  EXPECT_EQ(gen->Manage(), -1);
  EXPECT_EQ(emitted, 1);
}

}  // namespace

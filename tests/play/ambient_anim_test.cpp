// Ambient figures of the course backgrounds: scale, speed, mirroring, run time, fading and life.
#include "play/ambient_anim.h"

#include <gtest/gtest.h>

#include "core/game.h"
#include "core/globals.h"
#include "gfx/globals.h"
#include "gfx/particle.h"
#include "gfx/particle_list.h"

namespace {

class AmbientAnimTest : public testing::Test {
 protected:
  void SetUp() override {
    Game = std::make_shared<TGame>();
    Delta = 1.0f;
    AmbientParticles->Clear();
    anim_.Frames = 4;
    anim_.Duration = 400;
  }
  void TearDown() override {
    AmbientParticles->Clear();
    Game.reset();
  }
  TAmbientAnim anim_;
};

TEST_F(AmbientAnimTest, AScaleOfExactlyOneStandsForTheAnimationsOwn) {
  anim_.Scale = 0.5f;
  EXPECT_FLOAT_EQ(anim_.MakeParticle(10, 10, 0, 1.0f)->ScaleX, 0.5f);
  EXPECT_FLOAT_EQ(anim_.MakeParticle(10, 10, 0, 0.99f)->ScaleX, 0.99f);
  EXPECT_FLOAT_EQ(anim_.MakeParticle(10, 10, 0, 2.0f)->ScaleX, 2.0f);
}

TEST_F(AmbientAnimTest, AMirroredFigureFliesTheOtherWayAndShowsMirrored) {
  anim_.SpeedX = -1.5f;
  anim_.SpeedXVariation = 0.1f;
  for (int i = 0; i < 50; ++i) {
    auto left = anim_.MakeParticle(900, 50, 0, 1.0f);
    EXPECT_GE(left->dx, -1.6f);
    EXPECT_LE(left->dx, -1.4f);
    EXPECT_GT(left->ScaleX, 0);
    EXPECT_EQ(left->NoOutOfBounds, 1);  // flocks start off screen
    auto right = anim_.MakeParticle(-100, 50, 1, 1.0f);
    EXPECT_GE(right->dx, 1.4f);
    EXPECT_LE(right->dx, 1.6f);
    EXPECT_LT(right->ScaleX, 0);
  }
}

TEST_F(AmbientAnimTest, RunTimesVaryInWholeMillisecondsAndLastAtLeastATick) {
  anim_.DurationVaration = 50;
  for (int i = 0; i < 100; ++i) {
    auto p = anim_.MakeParticle(10, 10, 0, 1.0f);
    EXPECT_GE(p->AnimLength, static_cast<int>(Game->CalcAnimLength(350)));
    EXPECT_LE(p->AnimLength, static_cast<int>(Game->CalcAnimLength(450)));
  }
  // A damaged table with no run time: the frames still take a tick.
  anim_.Duration = 0;
  anim_.DurationVaration = 0;
  EXPECT_GE(anim_.MakeParticle(10, 10, 0, 1.0f)->AnimLength, 1);
}

TEST_F(AmbientAnimTest, LifeEndsByOneRunByFadeOrNever) {
  anim_.Loop = 0;
  auto once = anim_.MakeParticle(10, 10, 0, 1.0f);
  EXPECT_EQ(once->KillAfterAnim, 1);
  anim_.Loop = 1;
  auto forever = anim_.MakeParticle(10, 10, 0, 1.0f);
  EXPECT_EQ(forever->KillAfterAnim, 0);
  EXPECT_EQ(forever->LifeCounter, 0);
  anim_.Fade = 1;
  anim_.Duration = 1400;
  auto faded = anim_.MakeParticle(10, 10, 0, 1.0f);
  EXPECT_FLOAT_EQ(faded->FadeInLength, Game->CalcAnimLength(840));
  EXPECT_FLOAT_EQ(faded->FadeSustainCounter, Game->CalcAnimLength(2519));
  EXPECT_FLOAT_EQ(faded->FadeLength, Game->CalcAnimLength(840));
  for (int t = 0; t < 100000 && AmbientParticles->Contains(faded.get()); ++t) AmbientParticles->Manage();
  EXPECT_FALSE(AmbientParticles->Contains(faded.get()));
  EXPECT_TRUE(AmbientParticles->Contains(forever.get()));
}

TEST_F(AmbientAnimTest, SpotsAndKill) {
  EXPECT_FALSE(anim_.PossibleCoords);
  anim_.AddCoords(100, 200, 0.8f);
  anim_.AddCoords(300, 220, 1.0f);
  ASSERT_TRUE(anim_.PossibleCoords);
  EXPECT_EQ(anim_.PossibleCoords->size(), 2u);
  EXPECT_EQ((*anim_.PossibleCoords)[1]->y, 220);
  anim_.Kill();
  EXPECT_FALSE(anim_.PossibleCoords);
  anim_.Kill();  // harmless twice
}

}  // namespace

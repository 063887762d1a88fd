#include "util/animation.h"

#include <gtest/gtest.h>

#include "util/globals.h"

namespace {

// One tick per millisecond keeps the lengths readable.
class AnimationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_hook_ = ccCalcAnimLengthHook;
    saved_delta_ = ccDeltaSource;
    ccCalcAnimLengthHook = [](int ms) { return static_cast<float>(ms); };
    delta_ = 1.0f;
    ccDeltaSource = &delta_;
  }
  void TearDown() override {
    ccCalcAnimLengthHook = saved_hook_;
    ccDeltaSource = saved_delta_;
  }
  float delta_ = 1.0f;

 private:
  float (*saved_hook_)(int) = nullptr;
  const float* saved_delta_ = nullptr;
};

}  // namespace

TEST_F(AnimationTest, OnePhaseCountingDownEndsOnItsLastTick) {
  auto anim = TAnimation::Create(100, 0, 0, 0);
  EXPECT_EQ(anim->Active, 0);
  anim->Start();
  for (int i = 0; i < 99; ++i) ASSERT_EQ(anim->Manage(), 0) << i;
  EXPECT_FLOAT_EQ(anim->GetRatio(), 0.01f);
  EXPECT_EQ(anim->Manage(), 1);
  EXPECT_EQ(anim->Active, 0);
  EXPECT_EQ(anim->Finished, 1);
  EXPECT_FLOAT_EQ(anim->GetRatio(), 0.0f);
  EXPECT_EQ(anim->Manage(), 0);
}

TEST_F(AnimationTest, CountingUpEndsOnlyPastTheLength) {
  auto anim = TAnimation::Create(3, 0, 1, 0);
  anim->Start();
  EXPECT_EQ(anim->Manage(), 0);
  EXPECT_EQ(anim->Manage(), 0);
  EXPECT_EQ(anim->Manage(), 0);  // counter equal to the length is still inside
  EXPECT_FLOAT_EQ(anim->GetRatio(), 1.0f);
  EXPECT_EQ(anim->Manage(), 1);
}

TEST_F(AnimationTest, CyclingPhasesNeverFinish) {
  auto anim = TAnimation::Create(2, 0, 0, 1);
  anim->AddPhase(3);
  anim->AddPhase(1);
  anim->Start();
  std::vector<int> ends;
  for (int tick = 1; tick <= 12; ++tick) {
    if (anim->Manage() == 1) ends.push_back(tick);
  }
  EXPECT_EQ(ends, (std::vector<int>{2, 5, 6, 8, 11, 12}));
  EXPECT_EQ(anim->Finished, 0);
  EXPECT_EQ(anim->CurrentPhase, 0);
}

TEST_F(AnimationTest, ParkedAnimationStaysOnItsEnd) {
  auto anim = TAnimation::Create(2, 1, 1, 0);
  anim->Start();
  anim->Manage();
  anim->Manage();
  EXPECT_EQ(anim->Manage(), 1);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(anim->Manage(), 1);
    EXPECT_EQ(anim->Active, 1);
    EXPECT_EQ(anim->Finished, 1);
    EXPECT_FLOAT_EQ(anim->GetRatio(), 1.0f);
  }
}

TEST_F(AnimationTest, StartResetAndClear) {
  auto anim = TAnimation::Create(10, 0, 0, 0);
  anim->Start();
  for (int i = 0; i < 4; ++i) anim->Manage();
  anim->Start();  // goes on from the ticks left
  EXPECT_FLOAT_EQ(anim->Counter, 6.0f);
  anim->Reset();
  EXPECT_FLOAT_EQ(anim->Counter, 10.0f);
  for (int i = 0; i < 10; ++i) anim->Manage();
  EXPECT_EQ(anim->Finished, 1);
  anim->Start();
  anim->Clear();
  EXPECT_EQ(anim->Finished, 1);  // only Init clears it
  anim->Init(10, 0, 0, 0);
  EXPECT_EQ(anim->Finished, 0);
}

TEST_F(AnimationTest, TheEasingsFollowTheirCurves) {
  // Ratio r = Counter / Length, known values of each curve.
  struct Case {
    float counter;
    float sine, inv_sine, inv_sine_180;
  };
  const Case cases[] = {
      {0.0f, 0.0f, 1.0f, 1.0f},
      {2.5f, 0.38268343f, 0.92387953f, 0.85355339f},
      {5.0f, 0.70710678f, 0.70710678f, 0.5f},
      {7.5f, 0.92387953f, 0.38268343f, 0.14644661f},
      {10.0f, 1.0f, 0.0f, 0.0f},
  };
  auto anim = TAnimation::Create(10, 0, 0, 0);
  for (const Case& c : cases) {
    anim->Counter = c.counter;
    EXPECT_NEAR(anim->GetRatioSine(), c.sine, 1e-6) << c.counter;
    EXPECT_NEAR(anim->GetRatioSin108(), c.sine, 1e-6) << c.counter;  // 90 degrees too, not 108
    EXPECT_NEAR(anim->GetRatioInvSine(), c.inv_sine, 1e-6) << c.counter;
    EXPECT_NEAR(anim->GetRatioInvSine180(), c.inv_sine_180, 1e-6) << c.counter;
  }
}

TEST_F(AnimationTest, PhasesBeyondTheTableAndEmptyPhasesAreSafe) {
  auto anim = TAnimation::Create(5, 0, 0, 0);
  for (int i = 1; i < TAnimation::MAX_PHASES; ++i) EXPECT_EQ(anim->AddPhase(1), 0);
  EXPECT_EQ(anim->AddPhase(1), -1);
  EXPECT_EQ(anim->TotalPhases, TAnimation::MAX_PHASES);

  auto empty = TAnimation::Create(0, 0, 1, 0);
  empty->Start();
  EXPECT_FLOAT_EQ(empty->GetRatio(), 1.0f);  // no division by zero
  EXPECT_EQ(empty->GetAnimFrame(4), 0);
  EXPECT_EQ(empty->Manage(), 1);
}

TEST_F(AnimationTest, FramesFromTheCounter) {
  EXPECT_EQ(ccCalcAnimFrame(0, 100, 10, 1), 0);
  EXPECT_EQ(ccCalcAnimFrame(9.99f, 100, 10, 1), 0);
  EXPECT_EQ(ccCalcAnimFrame(90, 100, 10, 1), 9);
  EXPECT_EQ(ccCalcAnimFrame(100, 100, 10, 1), 9);
  EXPECT_EQ(ccCalcAnimFrame(100, 100, 10, 0), 0);
  EXPECT_EQ(ccCalcAnimFrame(0, 100, 10, 0), 9);
  EXPECT_EQ(ccCalcAnimFrame(-5, 100, 10, 1), 0);
  EXPECT_FLOAT_EQ(ccCalcMSPerFrame(200), 5.0f);
}

TEST_F(AnimationTest, CountersRunOutOnceAndListsDropThem) {
  auto counter = TCounter::Create(2);
  EXPECT_EQ(counter->Active, 1);
  EXPECT_EQ(counter->Manage(), 0);
  EXPECT_EQ(counter->Manage(), 1);
  EXPECT_EQ(counter->Manage(), 0);
  EXPECT_EQ(counter->Active, 0);

  TCounterList list;
  list.AddNew(1);
  auto longer = list.AddNew(2);
  list.AddNew(1);
  list.Manage(1);  // the two short ones run out on this call and go
  EXPECT_EQ(list.Counters.size(), 1u);
  list.Manage(0);  // the long one runs out but stays
  EXPECT_EQ(list.Counters.size(), 1u);
  list.Manage(1);  // it ran out on an earlier call: not removed now
  EXPECT_EQ(list.Counters.size(), 1u);
  EXPECT_EQ(longer->Active, 0);
}

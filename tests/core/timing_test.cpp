// Fixed-rate timing: frame time to logic steps and Delta, and milliseconds to ticks.
#include "core_fixture.h"

struct FrameCase {
  int ms;
  std::vector<float> deltas;
};

class FrameTiming : public CoreTest, public testing::WithParamInterface<FrameCase> {};

TEST_P(FrameTiming, AFrameRunsOneStepPerWholeTickAndOneForTheRest) {
  auto screen = StartScreen("timed");
  screen->deltas.clear();
  ASSERT_EQ(Pass(GetParam().ms), 1);
  ASSERT_EQ(screen->deltas.size(), GetParam().deltas.size());
  for (std::size_t i = 0; i < screen->deltas.size(); ++i) {
    EXPECT_NEAR(screen->deltas[i], GetParam().deltas[i], 1e-4) << "step " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Frames, FrameTiming,
    testing::Values(FrameCase{16, {1, 1, 1, 0.2f}}, FrameCase{17, {1, 1, 1, 0.4f}},
                    FrameCase{5, {1}}, FrameCase{0, {}},
                    // A stall counts as 50 ms: ten ticks, never caught up.
                    FrameCase{200, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}}));

TEST_F(CoreTest, AClockThatGoesBackRepeatsTheLastTickCount) {
  auto screen = StartScreen("timed");
  Pass(10);
  screen->deltas.clear();
  platform::SetManualClock(platform::Millisecs() - 100);
  Pass(0);
  EXPECT_EQ(screen->deltas.size(), 2u);
  Pass(5);
  EXPECT_EQ(screen->deltas.size(), 3u);
}

TEST_F(CoreTest, DurationsTurnIntoTicksAtEverySpeed) {
  EXPECT_FLOAT_EQ(Game->CalcAnimLength(1000), 200.0f);
  EXPECT_FLOAT_EQ(Game->CalcAnimLength(300), 60.0f);
  EXPECT_FLOAT_EQ(Game->CalcAnimLengthFromFloat(12.5f), 2.5f);
  Game->SlowMotionOn();
  EXPECT_FLOAT_EQ(Game->FixedRateLogic->MS, 20.0f);
  EXPECT_FLOAT_EQ(Game->CalcAnimLength(1000), 200.0f);
  Game->SlowMotionOff();
  EXPECT_FLOAT_EQ(Game->FixedRateLogic->MS, 5.0f);
}

TEST_F(CoreTest, FastMotionRunsOneTickPerFrameWhateverTheTime) {
  auto screen = StartScreen("timed");
  Game->FastOn();
  screen->deltas.clear();
  Pass(40);
  Pass(0);
  EXPECT_EQ(screen->deltas.size(), 2u);
  Game->FastOff();
  EXPECT_EQ(Game->Fast, 0);
}

TEST_F(CoreTest, JitterCorrectionAveragesTheHistoryAfterFiveFramesOfGrace) {
  auto& timer = *Game->FixedRateLogic;
  timer.JitterCorrection = 1;
  timer.Init();
  for (int i = 0; i < 5; ++i) {
    platform::AdvanceManualClock(10);
    timer.Calc();
    EXPECT_DOUBLE_EQ(timer.NumTicks, 2.0);
  }
  platform::AdvanceManualClock(20);
  timer.Calc();
  EXPECT_DOUBLE_EQ(timer.NumTicks, 4.0);  // the only sample so far
  platform::AdvanceManualClock(10);
  timer.Calc();
  EXPECT_DOUBLE_EQ(timer.NumTicks, 3.0);  // (20 + 10) / 2 / 5
}

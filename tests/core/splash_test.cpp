// The wall-clock image fade behind the splash screens, and the debug timers.
#include <utility>
#include <vector>

#include "core/debug_var.h"
#include "core/fade.h"
#include "core/splash_screen.h"
#include "core_fixture.h"

namespace {

TFade* watched = nullptr;
std::vector<std::pair<float, float>> samples;  // (elapsed ms, ratio) after each frame

void Step125() {
  samples.emplace_back(watched->Elapsed, watched->Ratio);
  platform::AdvanceManualClock(125);
}

}  // namespace

class SplashTest : public CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    std::string error;
    ASSERT_TRUE(platform::GraphicsOpen(platform::GraphicsOptions{}, &error)) << error;
    samples.clear();
    ccModalLoopHook = &Step125;
  }
  void TearDown() override {
    ccModalLoopHook = nullptr;
    watched = nullptr;
    platform::GraphicsClose();
    CoreTest::TearDown();
  }
  static float RatioAt(float ms) {
    for (const auto& [elapsed, ratio] : samples) {
      if (elapsed == ms) return ratio;
    }
    return -1;
  }
};

TEST_F(SplashTest, AFadeFollowsTheWallClockInAndOut) {
  TFade fade;
  watched = &fade;
  fade.Init(1750, platform::CreateImage(64, 32), nullptr);
  EXPECT_EQ(fade.FadeDo(0), 1);
  EXPECT_FLOAT_EQ(RatioAt(875), 0.5f);
  samples.clear();
  fade.Reset();
  EXPECT_EQ(fade.FadeDo(1), 1);
  EXPECT_FLOAT_EQ(RatioAt(875), 0.5f);
  EXPECT_FLOAT_EQ(RatioAt(1750), 0.0f);
}

TEST_F(SplashTest, TheBackgroundFadesOutInTheLastQuarterSecond) {
  TFade fade;
  fade.Length = 1500;
  fade.BackgroundFadeTime = 250;
  fade.Out = 1;
  fade.MoveBackground(0, 1250);
  EXPECT_FLOAT_EQ(fade.BackgroundAlpha, 1.0f);
  fade.MoveBackground(0, 1375);
  EXPECT_FLOAT_EQ(fade.BackgroundAlpha, 0.5f);
  fade.MoveBackground(0, 1500);
  EXPECT_FLOAT_EQ(fade.BackgroundAlpha, 0.0f);
}

TEST_F(SplashTest, AClickCutsTheSplashShortAndStopsItsSound) {
  TSplashScreen splash;
  splash.Init(FixtureData() + "data/Marrowfen.png", FixtureData() + "data/SplashSound.wav", 1, 1);
  watched = splash.fade.get();
  ccModalLoopHook = [] {
    platform::AdvanceManualClock(100);
    platform::Event click;
    click.kind = platform::EVENT_MOUSE_DOWN;
    click.data = 1;
    platform::PushEvent(click);
  };
  EXPECT_EQ(splash.DoSplash(), -1);
  ASSERT_TRUE(splash.Channel);
  EXPECT_FALSE(splash.Channel->Playing());
  EXPECT_EQ(ccPolledInputState, 0);
}

TEST_F(SplashTest, AQuitEndsTheSplashesAndIsLeftForTheMainLoop) {
  TSplashScreen first;
  first.Init(FixtureData() + "data/Marrowfen.png", FixtureData() + "data/SplashSound.wav", 1, 1);
  first.InitTimes(1750, 750, 1500);
  watched = first.fade.get();
  ccModalLoopHook = [] {
    samples.emplace_back(watched->Elapsed, watched->Ratio);
    platform::AdvanceManualClock(100);
    if (samples.size() == 3) platform::PushEvent({platform::EVENT_APP_TERMINATE, 0, 0, 0});
  };
  EXPECT_EQ(first.DoSplash(), -1);
  EXPECT_EQ(samples.size(), 3u);  // the fade in stopped at the quit
  EXPECT_EQ(ccPolledInputState, 0);
  // A later splash does not even start.
  TSplashScreen second;
  second.Init(FixtureData() + "data/Marrowfen.png", FixtureData() + "data/SplashSound.wav", 1, 1);
  EXPECT_EQ(second.DoSplash(), -1);
  EXPECT_EQ(samples.size(), 3u);
  EXPECT_FALSE(second.Channel);
  // The main loop's next step starts the way out; the quit stays pending until the program ends,
  // so no box met on the way out waits for a key.
  Game->LogicWrapper();
  EXPECT_EQ(Game->DestinationTScreen, Game->ExitScreen);
  EXPECT_TRUE(platform::QuitPending());
}

TEST(DebugVarTest, ASlowSectionShowsItsTimeAndAMaximumHeldAtTheLimit) {
  platform::SetManualClock(0);
  TDebugVar timer;
  timer.Label = "Logic   ";
  timer.Init();
  timer.Start();
  platform::AdvanceManualClock(1500);
  timer.Calc();
  EXPECT_EQ(timer.current, 1500);
  EXPECT_EQ(timer.maximum, 999);
  timer.current = 12;
  timer.maximum = 34;
  EXPECT_EQ(timer.GetDisplay(), "Logic   012/034");
}

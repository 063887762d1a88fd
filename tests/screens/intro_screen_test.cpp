// The intro run by the real game's logic step over the staged data: the show's arrivals and their
// events, the card-spin sequence, music and narration, the ways to skip it, and the hand-over to
// the loading screen.
#include "screens/intro_screen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <vector>

#include "core/loading_bar.h"
#include "core/loading_screen.h"
#include "gfx/particle.h"
#include "gfx/particle_list.h"
#include "gfx/slide.h"
#include "gfx/slide_show.h"
#include "screens/globals.h"
#include "tests/screens/story_screens_support.h"
#include "util/animation.h"

namespace {

using story_test::Starts;
using story_test::Step;

class IntroTest : public testing::Test {
 protected:
  void SetUp() override {
    if (!story_test::StartGame(1)) GTEST_SKIP() << "no data folder (build the data target)";
    ASSERT_EQ(Game->CurrentTScreen, IntroScreen);
    ASSERT_TRUE(IntroScreen->SlideShow);
  }
  bool Loading() const { return Game->CurrentTScreen == Game->LoadingScreen; }
  int BarStep() const { return Game->LoadingScreen->LoadingBar->CurrentStep; }
};

TEST_F(IntroTest, TheShowArrivesOnTimeWithItsEventsAndHandsOverAtItsEnd) {
  const std::map<int, int> expected = {{1150, 1},  {2300, 2},  {3250, 3},  {4050, 4},
                                       {4490, 5},  {4930, 6},  {5370, 7},  {6410, 8},
                                       {7460, 9},  {9010, 10}, {9810, 11}};
  std::map<int, int> arrivals;
  int position = 0;
  int speechStep = 0;
  int end = 0;
  for (int step = 1; step <= 10500 && end == 0; ++step) {
    Step();
    if (Loading()) {
      end = step;
      break;
    }
    TIntroScreen& intro = *IntroScreen;
    if (speechStep == 0 && Starts("opening.ogg") > 0) speechStep = step;
    if (intro.SlideShow->CurrentSlide != position) {
      position = intro.SlideShow->CurrentSlide;
      arrivals[step] = position;
      switch (position) {
        case 1:
          EXPECT_EQ(intro.IntroParticles->Count(), 6);  // four birds, two butterflies
          break;
        case 2:
          EXPECT_EQ(intro.IntroParticles->Count(), 0);
          break;
        case 7:
          EXPECT_EQ(intro.PhotoParticles->Count(), 3);
          break;
        case 8:
          EXPECT_EQ(intro.anim->Active, 1);
          break;
        case 9:
          EXPECT_EQ(intro.IntroParticles->Count(), 2);  // the two sparkles
          EXPECT_EQ(::Particles->Count(), 0);
          EXPECT_EQ(intro.PhotoParticles->Count(), 0);
          break;
        default:
          break;
      }
    }
    if (step == 6969) {
      // Phase 2: the slide zoomed onto the card, which spins away from screen (390, 300).
      ASSERT_EQ(intro.anim->CurrentPhase, 2);
      const TSlide& s = *intro.SlideShow->GetCurrentSlide();
      EXPECT_NEAR(s.x, -50, 0.01);
      EXPECT_NEAR(s.y, 410, 0.01);
      EXPECT_NEAR(s.scale, 2.2f, 1e-5);
      ASSERT_EQ(intro.IntroParticles->Count(), 2);
      bool card = false;
      intro.IntroParticles->ForEach([&](const TParticleRef& p) {
        if (p->image == intro.SpinCard) {
          card = true;
          EXPECT_NEAR(p->x, 390, 1.0);
          EXPECT_NEAR(p->y, 300, 1.0);
        }
      });
      EXPECT_TRUE(card);
    }
    if (step == 7088) {
      EXPECT_EQ(Starts("introfireworks.ogg"), 0);
    }
    if (step == 7089) {
      // Phase 3: "Perfect", five bursts of 80 (50 at "Particles" 80, streaks and sparks), the
      // fireworks sound.
      EXPECT_EQ(intro.anim->CurrentPhase, 3);
      bool perfect = false;
      intro.IntroParticles->ForEach([&](const TParticleRef& p) { perfect = perfect || p->image == intro.Perfect; });
      EXPECT_TRUE(perfect);
      EXPECT_GE(::Particles->Count(), 5 * 80);
      EXPECT_EQ(Starts("introfireworks.ogg"), 1);
    }
  }
  EXPECT_EQ(arrivals, expected);
  EXPECT_EQ(end, 10410);
  EXPECT_EQ(speechStep, 1100);
  EXPECT_EQ(Starts("opening.ogg"), 1);
  EXPECT_EQ(Starts("intro.ogg"), 1);
  EXPECT_EQ(BarStep(), 270);  // the second stage ran once
  // A show that ran to its end leaves the music playing on into the loading.
  EXPECT_FALSE(story_test::StoppedBeforeLoading("intro.ogg"));
  EXPECT_FALSE(IntroScreen->SlideShow);
  EXPECT_FALSE(ParticleImages[1]);
}

struct SkipCase {
  const char* label;
  int kind;  // 0 mouse button, 1 key
  int code;
  bool escapeSound;
};

class IntroSkipTest : public IntroTest, public testing::WithParamInterface<SkipCase> {};

TEST_P(IntroSkipTest, SkipsInThatStepWithoutMusicOrNarration) {
  for (int step = 1; step < 1000; ++step) Step();
  ASSERT_FALSE(Loading());
  // The music starts with the narration at 5500 ms; so that a skip can be seen silencing it, it
  // is started here already.
  Game->MusicPlay(0);
  for (int step = 1000; step < 2000; ++step) Step();
  platform::ClearAudioLog();
  if (GetParam().kind == 0) {
    story_test::Click(GetParam().code);
  } else {
    story_test::Key(GetParam().code);
  }
  Step();
  EXPECT_TRUE(Loading());
  EXPECT_EQ(BarStep(), 270);  // one second stage, not two
  EXPECT_EQ(Starts("buttonclick.wav"), GetParam().escapeSound ? 1 : 0);
  EXPECT_EQ(Starts("opening.ogg"), 0);
  EXPECT_TRUE(story_test::StoppedBeforeLoading("intro.ogg"));
  EXPECT_EQ(Game->FadeMusic, 1);
  EXPECT_FALSE(IntroScreen->SlideShow);
  for (int step = 0; step < 2000; ++step) Step();
  EXPECT_EQ(Starts("opening.ogg"), 0);
}

INSTANTIATE_TEST_SUITE_P(Inputs, IntroSkipTest,
                         testing::Values(SkipCase{"LeftClick", 0, 1, false},
                                         SkipCase{"RightClick", 0, 2, false},
                                         SkipCase{"MiddleClick", 0, 3, false},
                                         SkipCase{"Enter", 1, 13, false},
                                         SkipCase{"Space", 1, 32, false},
                                         SkipCase{"Escape", 1, 27, true}),
                         [](const testing::TestParamInfo<SkipCase>& info) {
                           return std::string(info.param.label);
                         });

TEST_F(IntroTest, AClickOnTheLastStepIsNoSkip) {
  for (int step = 1; step < 10410; ++step) Step();
  ASSERT_FALSE(Loading());
  platform::ClearAudioLog();
  story_test::Click();
  Step();
  EXPECT_TRUE(Loading());
  EXPECT_FALSE(story_test::StoppedBeforeLoading("intro.ogg"));  // ended, not skipped
}

TEST(IntroOffTest, TheStartHandsOverWithoutBuildingTheShow) {
  if (!story_test::StartGame(0)) GTEST_SKIP() << "no data folder (build the data target)";
  EXPECT_EQ(Game->CurrentTScreen, Game->LoadingScreen);
  EXPECT_EQ(Game->LastTScreen, IntroScreen);
  EXPECT_FALSE(IntroScreen->SlideShow);
  EXPECT_FALSE(IntroScreen->IntroParticles);
  EXPECT_EQ(Game->LoadingScreen->LoadingBar->CurrentStep, 270);
}

}  // namespace

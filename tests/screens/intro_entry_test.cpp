// The real program with the intro switched on, headless: the studio splash, the narrated show,
// the loading screen and the title; and a Space early in the show that skips it in silence.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/game.h"
#include "core/globals.h"
#include "core/loading_screen.h"
#include "core/screen.h"
#include "platform/audio.h"
#include "platform/input.h"
#include "platform/system.h"
#include "screens/globals.h"
#include "screens/intro_screen.h"
#include "screens/run_game.h"
#include "screens/title_screen.h"
#include "tests/screens/story_screens_support.h"
#include "util/globals.h"

namespace {

int modalPasses = 0;

// Blocking loops see 16 ms pass per frame; one still open after 1000 frames is closed with a key,
// so a fatal error fails the test instead of hanging it.
void AdvanceSixteen() {
  platform::AdvanceManualClock(16);
  if (++modalPasses % 1000 == 0) story_test::Key(32);
}

struct EntryRun {
  std::vector<std::string> visited;
  int status = -1;
  int frames = 0;
};

// Runs the game with "Intro" on until the title shows, then asks it to quit, with `frameMs` of the
// clock passing per frame. `skipAtFrame` > 0 presses Space on that frame of the show.
EntryRun RunWithIntro(int skipAtFrame, int frameMs) {
  EntryRun run;
  ccModalLoopHook = &AdvanceSixteen;
  bool clicked = false, quitAsked = false;
  TEntrySteps steps = GameEntrySteps();
  const auto create = steps.CreateBanksAndScreens;
  steps.CreateBanksAndScreens = [create] {
    Game->IntroShow = 1;  // as the settings' "Intro=1"
    create();
  };
  steps.AfterFrame = [&] {
    platform::AdvanceManualClock(frameMs);
    ++run.frames;
    const std::string name = Game->CurrentTScreen ? Game->CurrentTScreen->name : "";
    if (run.visited.empty() || run.visited.back() != name) run.visited.push_back(name);
    if (skipAtFrame > 0 && run.frames == skipAtFrame) {
      platform::ClearAudioLog();
      story_test::Key(32);
    }
    if (Game->CurrentTScreen == Game->LoadingScreen && !clicked && Game->Fading() == 0) {
      clicked = true;
      story_test::Click();
    }
    if (Game->CurrentTScreen == TitleScreen && Game->Fading() == 0 && !quitAsked) {
      quitAsked = true;
      story_test::Push(platform::EVENT_APP_TERMINATE, 0);
    }
    return run.frames < 6000;
  };
  platform::ClearAudioLog();
  run.status = RunEntry(steps);
  ccModalLoopHook = nullptr;
  return run;
}

TEST(IntroEntryTest, TheShowPlaysThroughToLoadingAndTheTitle) {
  // Frames of 80 ms (16 logic ticks each) keep the run short; the quit may then be seen as the
  // exit screen in the last frame.
  const EntryRun run = RunWithIntro(0, 80);
  ASSERT_EQ(run.status, 0);
  const std::vector<std::string> expected = {"intro", "loading", "title"};
  ASSERT_GE(run.visited.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(run.visited.begin(), run.visited.begin() + 3), expected);
  // 10410 ticks of 5 ms: about 650 frames of show.
  EXPECT_GT(run.frames, 640);
  EXPECT_EQ(story_test::Starts("opening.ogg"), 1);
  EXPECT_EQ(story_test::Starts("introfireworks.ogg"), 1);
}

TEST(IntroEntryTest, SpaceInTheShowSilencesItBeforeTheLoading) {
  // Frame 625 is about logic tick 2000, after the music and narration began at tick 1100.
  const EntryRun run = RunWithIntro(625, 16);
  ASSERT_EQ(run.status, 0);
  const std::vector<std::string> expected = {"intro", "loading", "title"};
  EXPECT_EQ(run.visited, expected);
  EXPECT_LT(run.frames, 1500);
  EXPECT_TRUE(story_test::StoppedBeforeLoading("intro.ogg"));
  EXPECT_TRUE(story_test::StoppedBeforeLoading("opening.ogg"));
  EXPECT_EQ(story_test::Starts("opening.ogg"), 0);
}

}  // namespace

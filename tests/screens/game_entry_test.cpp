// The real program headless: the entry with the staged data folder, a fixed clock and scripted
// input, through the studio splash, both loading stages and the loading screen to the title
// screen's stand-in, then a quit request.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/game.h"
#include "core/globals.h"
#include "core/loading_screen.h"
#include "core/screen.h"
#include "platform/files.h"
#include "platform/input.h"
#include "platform/system.h"
#include "screens/globals.h"
#include "screens/run_game.h"
#include "screens/title_screen.h"
#include "tests/screens/scripted_player.h"
#include "tests/support/harness.h"
#include "util/globals.h"

namespace {

// Blocking loops (splash screens, the error box) see 16 ms pass per frame, and a Space now and
// then, so a fatal error fails the test instead of hanging.
void AdvanceSixteen() { quill_test::AdvanceModalClock(16); }

}  // namespace

TEST(GameEntryTest, SplashLoadingAndTitleThenAQuitEndsCleanly) {
  // A first start: no settings, players or saves from earlier tests of this process.
  road_test::EmptyUserFolder();
  ccModalLoopHook = &AdvanceSixteen;
  std::vector<std::string> visited;
  int frames = 0;
  bool clicked = false;
  bool quitAsked = false;
  TEntrySteps steps = GameEntrySteps();
  steps.AfterFrame = [&] {
    platform::AdvanceManualClock(16);
    ++frames;
    const std::string name = Game->CurrentTScreen ? Game->CurrentTScreen->name : "";
    if (visited.empty() || visited.back() != name) visited.push_back(name);
    if (Game->CurrentTScreen == Game->LoadingScreen && !clicked && Game->Fading() == 0) {
      clicked = true;
      quill_test::PushEventAt(platform::EVENT_MOUSE_MOVE, 0, 400, 300);
      quill_test::PushEventAt(platform::EVENT_MOUSE_DOWN, 1);
      quill_test::PushEventAt(platform::EVENT_MOUSE_UP, 1);
    }
    if (Game->CurrentTScreen == TitleScreen && Game->Fading() == 0 && !quitAsked) {
      quitAsked = true;
      quill_test::PushEventAt(platform::EVENT_APP_TERMINATE, 0);
    }
    return frames < 2000;
  };

  const int status = RunEntry(steps);
  ccModalLoopHook = nullptr;
  std::string trail;
  for (const std::string& name : visited) trail += name + " ";
  ASSERT_EQ(status, 0) << "screens met: " << trail;
  EXPECT_LT(frames, 2000);
  // With the show off (the default) the intro hands over to the loading screen inside its start,
  // before the first frame.
  const std::vector<std::string> expected = {"loading", "title"};
  EXPECT_EQ(visited, expected);
  EXPECT_EQ(Game->CurrentTScreen, Game->ExitScreen);
  const std::string sub = Game->SubPath;
  EXPECT_TRUE(platform::FileExists(sub + "GoodExit.dat"));
  EXPECT_TRUE(platform::FileExists(sub + "Quillbrook.ini"));
  EXPECT_FALSE(platform::FileExists(sub + "inichanged.dat"));
  EXPECT_TRUE(platform::FolderExists(sub + "profiles"));
}

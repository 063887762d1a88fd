// The whole start-up and main loop, headless, with a fixed clock and scripted input.
#include "core/entry.h"
#include "core/loading_screen.h"
#include "core/splash.h"
#include "core_fixture.h"
#include "util/error.h"

namespace {

void AdvanceSixteen() { platform::AdvanceManualClock(16); }

// Closes the error box as a player would.
void PressAKey() {
  platform::AdvanceManualClock(16);
  platform::Event key;
  key.kind = platform::EVENT_KEY_DOWN;
  key.data = 32;
  platform::PushEvent(key);
}

}  // namespace

class EntryTest : public CoreTest {
 protected:
  void TearDown() override {
    ccModalLoopHook = nullptr;
    CoreTest::TearDown();
  }

  TEntrySteps Steps() {
    TEntrySteps steps;
    steps.CreateBanksAndScreens = [this] { title = std::make_shared<TCountingScreen>("title"); };
    steps.LoadData = [this] {
      ccModalLoopHook = &AdvanceSixteen;
      splashStart = platform::Millisecs();
      MarrowfenSplash(Game->Sound, 0);
      splashEnd = platform::Millisecs();
      auto& loading = *Game->LoadingScreen;
      loading.SpecialLoad("Loading/loadingscreen.png", "", "Loading/loading.png");
      loading.SetSteps(3);
      for (int i = 0; i < 3; ++i) Game->MoveBar();
      loading.Destination = title;
      loading.PreStart();
      return 0;
    };
    steps.AfterFrame = [this] {
      platform::AdvanceManualClock(16);
      ++frames;
      if (frames == 1) {
        // The loading screen has no click-here button here, so it fades out from the start.
        auto pixel = platform::GrabPixmap(5, 5, 1, 1);
        backgroundPixel = pixel ? pixel->ReadPixel(0, 0) & 0xFFFFFFu : 0;
      }
      if (Game->CurrentTScreen == title && !quitAsked) {
        titleFrame = frames;
        quitAsked = true;
        Push(platform::EVENT_APP_TERMINATE);
      }
      return frames < 400;
    };
    return steps;
  }

  std::shared_ptr<TCountingScreen> title;
  std::int64_t splashStart = 0, splashEnd = 0;
  int frames = 0;
  int titleFrame = 0;
  bool quitAsked = false;
  unsigned backgroundPixel = 0;
};

TEST_F(EntryTest, ARunGoesThroughSplashLoadingAndTitleAndEndsCleanly) {
  EXPECT_EQ(RunEntry(Steps()), 0);
  EXPECT_EQ(FADE_SPEED, 300);
  EXPECT_EQ(Game->FadeMouse, 1);
  EXPECT_EQ(Game->IgnoreFrameworkKeys, 1);
  EXPECT_EQ(Game->FixedRateLogic->JitterCorrection, 0);
  // The studio splash: 1750 ms in, 750 held, 1500 out, on the wall clock.
  EXPECT_GE(splashEnd - splashStart, 4000);
  EXPECT_EQ(backgroundPixel, 0x145A1Eu);
  EXPECT_GT(titleFrame, 3);
  EXPECT_EQ(title->loads, 1);
  EXPECT_EQ(title->kills, 1);
  EXPECT_EQ(Game->CurrentTScreen, Game->ExitScreen);
  EXPECT_LT(frames, 400);
  const std::string sub = Game->SubPath;
  EXPECT_EQ(sub, (home_ / "Marrowfen/Quillbrook/").string());
  EXPECT_TRUE(platform::FileExists(sub + "GoodExit.dat"));
  EXPECT_TRUE(platform::FileExists(sub + "Quillbrook.ini"));
  EXPECT_TRUE(platform::FolderExists(sub + "profiles"));
  EXPECT_EQ(DebugInt, 1016);
}

TEST_F(EntryTest, AFatalErrorEndsWithAFailureStatusAndNoCleanExitMarker) {
  TEntrySteps steps = Steps();
  steps.LoadData = [] {
    ccModalLoopHook = &PressAKey;
    return ccRunTimeError("Error loading file nowhere.png", 1);
  };
  EXPECT_NE(RunEntry(steps), 0);
  EXPECT_FALSE(platform::FileExists(Game->SubPath + "GoodExit.dat"));
  EXPECT_TRUE(platform::FileExists(Game->SubPath + "ErrorLog.txt"));
}

TEST_F(EntryTest, AnUnexpectedErrorIsReportedWithItsProgressCodeAndShutsDown) {
  TEntrySteps steps = Steps();
  bool shutdown = false;
  steps.LoadData = []() -> int { throw std::runtime_error("null object"); };
  steps.Shutdown = [&] {
    shutdown = true;
    return 0;
  };
  EXPECT_NE(RunEntry(steps), 0);
  EXPECT_TRUE(shutdown);
  EXPECT_EQ(DebugInt, 1014);
}

// The lost display's report puts its cause in the log before play is settled (a settle step that
// reaches the display again ends the program at once) and saves the round only after that.
TEST_F(EntryTest, ALostDisplayIsLoggedBeforePlaySettlesAndTheRoundIsSavedAfter) {
  const std::string reason = "The display :7 was lost: the connection to the X server broke.";
  static std::vector<std::string> seen;
  seen.clear();
  const auto logged = [reason] {
    const auto log = platform::ReadTextFile(ccErrorPath + "ErrorLog.txt");
    return log && log->find(reason) != std::string::npos ? " with the cause logged"
                                                          : " before the cause was logged";
  };
  StartScreen("game");
  ASSERT_EQ(Game->CurrentTScreen->name, "game");
  // Play is on its way for one step, then at rest.
  Game->TerminatedUserFunction = [&, steps = 0]() mutable {
    seen.push_back(std::string("settle") + logged());
    return steps++ == 0 ? 1 : 0;
  };
  static std::function<std::string()> loggedNow;
  loggedNow = logged;
  ccFatalErrorHook = [] { seen.push_back("save" + loggedNow()); };
  ReportLostDisplay(reason);
  ccFatalErrorHook = nullptr;
  Game->TerminatedUserFunction = nullptr;
  EXPECT_EQ(seen, (std::vector<std::string>{"settle with the cause logged",
                                            "settle with the cause logged",
                                            "save with the cause logged"}));
}


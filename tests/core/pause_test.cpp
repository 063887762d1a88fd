// Pause, focus loss and the music and speech switches around them.
#include "core_fixture.h"

class PauseTest : public CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    screen = StartScreen("paused");
    Game->MusicLoad("theme.wav", 1);
    Game->MusicPlay(0);
  }
  std::shared_ptr<TCountingScreen> screen;
};

TEST_F(PauseTest, PHoldsTheScreenAndSilencesMusicAndSpeechUntilAClick) {
  Push(platform::EVENT_KEY_DOWN, 80);
  Pass(5);
  EXPECT_EQ(Game->Paused, 1);
  EXPECT_EQ(Game->Music, 0);
  EXPECT_EQ(Game->Speech, 0);
  const int logicBefore = screen->logic;
  Pass(20);
  EXPECT_EQ(screen->logic, logicBefore);

  Push(platform::EVENT_MOUSE_DOWN, 1, 5, 5);
  Pass(5);
  EXPECT_EQ(Game->Paused, 0);
  EXPECT_EQ(Game->Music, 1);
  EXPECT_EQ(Game->Speech, 1);
  EXPECT_TRUE(Game->MusicChannel->Playing());
  EXPECT_EQ(Game->Upper->MouseGetMh(0), 0);  // the click went to the resume
}

TEST_F(PauseTest, EscAlsoResumesWithoutLeavingTheScreen) {
  Game->Paused = 1;
  Game->Pause();
  Push(platform::EVENT_KEY_DOWN, 27);
  Pass(5);
  EXPECT_EQ(Game->Paused, 0);
  EXPECT_EQ(Game->GameFade->Active, 0);
  EXPECT_EQ(Game->Music, 1);
}

TEST_F(PauseTest, FocusLossSuspendsAndGivesBackMusicButNotSpeechThatWasOff) {
  Game->SpeechOff();
  Push(platform::EVENT_APP_SUSPEND);
  Pass(5);
  EXPECT_EQ(Game->Suspended, 1);
  EXPECT_EQ(Game->Paused, 0);
  EXPECT_EQ(Game->Music, 0);
  const int logicBefore = screen->logic;
  Pass(20);
  EXPECT_EQ(screen->logic, logicBefore);

  Push(platform::EVENT_APP_RESUME);
  Pass(5);
  EXPECT_EQ(Game->Suspended, 0);
  EXPECT_EQ(Game->Music, 1);
  EXPECT_EQ(Game->Speech, 0);
}

TEST_F(PauseTest, BlockedKeysLeavePauseAndEscAloneButNotTheQuit) {
  Game->BlockKeys = 1;
  Push(platform::EVENT_KEY_DOWN, 80);
  Push(platform::EVENT_KEY_DOWN, 27);
  Pass(5);
  EXPECT_EQ(Game->Paused, 0);
  EXPECT_EQ(Game->GameFade->Active, 0);
  Push(platform::EVENT_APP_TERMINATE);
  Pass(5);
  EXPECT_EQ(Game->GameFade->Active, 1);
  EXPECT_EQ(Game->DestinationTScreen, Game->ExitScreen);
}

TEST_F(PauseTest, AQuitWhilePausedEndsAtOnce) {
  Push(platform::EVENT_KEY_DOWN, 80);
  Pass(5);
  Push(platform::EVENT_APP_TERMINATE);
  EXPECT_EQ(Pass(5), -1);
}

TEST_F(PauseTest, AClickCountsInOneLogicStepOnly) {
  Push(platform::EVENT_MOUSE_DOWN, 1, 5, 5);
  Game->FixedRateLogic->SetDelta(1);
  Game->LogicWrapper();
  EXPECT_EQ(Game->Upper->MouseGetMh(0), 1);
  Game->LogicWrapper();
  EXPECT_EQ(Game->Upper->MouseGetMh(0), 0);
}

// A tap (press and release within one step, as a touchpad sends it) is held for the step it came in,
// so screens that read the held button see it; the release follows at the next step.
TEST_F(PauseTest, ATapIsHeldForItsStepAndReleasedAtTheNext) {
  Push(platform::EVENT_MOUSE_DOWN, 1, 5, 5);
  Push(platform::EVENT_MOUSE_UP, 1, 5, 5);
  Game->FixedRateLogic->SetDelta(1);
  Game->LogicWrapper();
  EXPECT_EQ(Game->Upper->Mouse.b1, 1);
  EXPECT_EQ(Game->Upper->MouseGetMh(0), 1);
  Game->LogicWrapper();
  EXPECT_EQ(Game->Upper->Mouse.b1, 0);
  EXPECT_EQ(Game->Upper->MouseGetMh(0), 0);
  // A press and a release in different steps are taken as they come.
  Push(platform::EVENT_MOUSE_DOWN, 1, 5, 5);
  Game->LogicWrapper();
  Push(platform::EVENT_MOUSE_UP, 1, 5, 5);
  Game->LogicWrapper();
  EXPECT_EQ(Game->Upper->Mouse.b1, 0);
}

// Alt+Enter toggles the full screen whether Alt is still held when the step reads the keys or was
// let go within the same pump; Return alone toggles nothing and stays for the screen.
TEST_F(PauseTest, AltEnterTogglesTheFullScreenEvenWhenAltIsLetGoAtOnce) {
  constexpr int kReturn = 13;
  Game->FullScreen = 0;
  Pass(5);

  Push(platform::EVENT_KEY_DOWN, kReturn);
  Push(platform::EVENT_KEY_UP, kReturn);
  Pass(5);
  EXPECT_EQ(Game->FullScreen, 0);
  EXPECT_EQ(KeyHit(kReturn), 1);

  Push(platform::EVENT_KEY_DOWN, 164);
  Push(platform::EVENT_KEY_DOWN, kReturn);
  Push(platform::EVENT_KEY_UP, kReturn);
  Push(platform::EVENT_KEY_UP, 164);
  Pass(5);
  EXPECT_EQ(Game->FullScreen, 1);

  Push(platform::EVENT_KEY_DOWN, 165);
  Pass(5);
  Push(platform::EVENT_KEY_DOWN, kReturn);
  Pass(5);
  EXPECT_EQ(Game->FullScreen, 0);
  Push(platform::EVENT_KEY_UP, 165);
  Pass(5);
}

// Screen switching with the global fade, the Esc key and the quit request.
#include "core/exit_screen.h"
#include "core_fixture.h"
#include "platform/picture_count.h"
#include "tests/support/harness.h"
#include "tests/support/lost_picture.h"
#include "util/error.h"

class FadeTest : public CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    first = StartScreen("first");
    second = std::make_shared<TCountingScreen>("second");
  }
  // Runs passes of 5 ms (one tick each) until the condition holds; the number of ticks taken.
  template <class Condition>
  int TicksUntil(Condition done, int limit = 1000) {
    for (int ticks = 1; ticks <= limit; ++ticks) {
      if (Pass(5) == -1) return done() ? ticks : -ticks;
      if (done()) return ticks;
    }
    return 0;
  }
  std::shared_ptr<TCountingScreen> first;
  std::shared_ptr<TCountingScreen> second;
};

TEST_F(FadeTest, AFadeOutOfFadeSpeedLastsSixtyTicksAndSwitchesInItsLastStep) {
  Game->DestinationTScreen = second;
  ASSERT_EQ(Game->GameFade->Init(static_cast<float>(FADE_SPEED), 1, nullptr, 0, 0), 1);
  EXPECT_EQ(Game->GameFade->Length, 60);
  EXPECT_EQ(TicksUntil([&] { return Game->CurrentTScreen == second; }), 60);
  EXPECT_EQ(first->kills, 1);
  EXPECT_EQ(second->loads, 1);
  EXPECT_EQ(second->logic, 1);  // the new screen runs in the step of the switch
  EXPECT_EQ(Game->LastTScreen, first);
}

// A texture the leaving screen lost is found when the screen is unloaded, while the renderer that
// would free it unseen is still open.
TEST_F(FadeTest, ATextureLostByTheLeavingScreenIsFoundWhenItIsUnloaded) {
  quill_test::OpenScreen();
  std::vector<std::string> reports;
  const auto saved = platform::SetUnheldPictureReport([&](const std::string& line) { reports.push_back(line); });
  void* lost = nullptr;
  first->onKill = [&] { lost = quill_test::LoseTexture(64, 48); };
  Game->DestinationTScreen = second;
  ASSERT_EQ(Game->GameFade->Init(static_cast<float>(FADE_SPEED), 1, nullptr, 0, 0), 1);
  ASSERT_GT(TicksUntil([&] { return Game->CurrentTScreen == second; }), 0);
  ASSERT_NE(lost, nullptr);
  EXPECT_EQ(reports, std::vector<std::string>{"a 64 x 48 texture made for " + std::string(quill_test::kLostPictureUse) +
                                              " is held by nothing after the screen 'first' was unloaded"});
  EXPECT_TRUE(platform::GraphicsIsOpen());
  quill_test::FreeLostTexture(lost);
  platform::SetUnheldPictureReport(saved);
  platform::GraphicsClose();
}

TEST_F(FadeTest, ARunningFadeIsNeverReplaced) {
  ASSERT_EQ(Game->GameFade->Init(300, 1, nullptr, 0, 0), 1);
  EXPECT_EQ(Game->GameFade->Init(900, 0, nullptr, 1, 0), 0);
  EXPECT_EQ(Game->GameFade->Length, 60);
  EXPECT_EQ(Game->GameFade->Out, 1);
}

TEST_F(FadeTest, ALengthOfZeroMeansTheStandardFade) {
  Game->GameFade->Init(0, 0, nullptr, 0, 0);
  EXPECT_EQ(Game->GameFade->Length, 60);
  Game->GameFade->Finish();
  // A length shorter than a tick still lasts one tick, so the ratio runs from 0 to 1 over it
  // instead of dividing by zero.
  Game->GameFade->Init(0.5f, 0, nullptr, 0, 0);
  EXPECT_EQ(Game->GameFade->Length, 1);
  Game->GameFade->Counter = 0.5f;
  Game->GameFade->CalcRatio();
  EXPECT_FLOAT_EQ(Game->GameFade->Ratio, 0.5f);
}

struct AbortCase {
  const char* name;
  int kind;
  int data;
  int abortKey;
};

class FadeInAbort : public FadeTest, public testing::WithParamInterface<AbortCase> {};

TEST_P(FadeInAbort, InputCutsAFadeInShortAndTellsWhat) {
  Game->GameFade->Init(static_cast<float>(FADE_SPEED), 0, nullptr, 0, 0);
  Pass(5);
  Push(GetParam().kind, GetParam().data, 10, 10);
  Pass(5);
  EXPECT_EQ(Game->GameFade->Active, 0);
  EXPECT_EQ(Game->GameFade->FadeInAborted, 1);
  EXPECT_EQ(Game->GameFade->AbortKey, GetParam().abortKey);
  EXPECT_FLOAT_EQ(Game->GameFade->Ratio, 1.0f);
  EXPECT_EQ(first->postFadeIns, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, FadeInAbort,
    testing::Values(AbortCase{"Click", platform::EVENT_MOUSE_DOWN, 1, -1},
                    AbortCase{"Key", platform::EVENT_KEY_DOWN, 65, 65},
                    AbortCase{"Escape", platform::EVENT_KEY_DOWN, 27, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FadeTest, AKeyDuringAFadeOutSwitchesInThatStepAndDoesNotReachTheNewScreen) {
  Game->DestinationTScreen = second;
  Game->GameFade->Init(static_cast<float>(FADE_SPEED), 1, nullptr, 0, 0);
  Pass(5);
  Push(platform::EVENT_KEY_DOWN, 65);
  Pass(5);
  EXPECT_EQ(Game->CurrentTScreen, second);
  EXPECT_EQ(Keys[65], 0);
}

struct EscCase {
  const char* name;
  int escLength;
  int ticks;
};

class EscDestination : public FadeTest, public testing::WithParamInterface<EscCase> {};

TEST_P(EscDestination, EscFadesOutTowardsTheScreensChoice) {
  first->escTarget = second;
  first->escLength = GetParam().escLength;
  Push(platform::EVENT_KEY_DOWN, 27);
  EXPECT_EQ(TicksUntil([&] { return Game->CurrentTScreen == second; }), GetParam().ticks);
}

INSTANTIATE_TEST_SUITE_P(Lengths, EscDestination,
                         testing::Values(EscCase{"Standard", 0, 60}, EscCase{"Long", 900, 180}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FadeTest, EscOnTheBaseScreenEndsTheProgram) {
  Push(platform::EVENT_KEY_DOWN, 27);
  const int ticks = TicksUntil([] { return Game->InstantExit != 0; });
  EXPECT_EQ(ticks, 60);
  EXPECT_EQ(Game->CurrentTScreen, Game->ExitScreen);
  EXPECT_EQ(first->kills, 1);
  EXPECT_EQ(Pass(5), -1);
}

TEST_F(FadeTest, EscIsLeftToAScreenThatHandlesItItself) {
  Game->IgnoreEscapeKey = 1;
  Push(platform::EVENT_KEY_DOWN, 27);
  Pass(5);
  EXPECT_EQ(Game->GameFade->Active, 0);
  EXPECT_EQ(KeyHit(27), 1);
}

TEST_F(FadeTest, WithFadesOffASwitchHappensAtOnce) {
  Game->Fade = 0;
  first->escTarget = second;
  Push(platform::EVENT_KEY_DOWN, 27);
  Pass(5);
  EXPECT_EQ(Game->CurrentTScreen, second);
}

TEST_F(FadeTest, AQuitDuringAFadeInStillEndsTheProgram) {
  Game->GameFade->Init(static_cast<float>(FADE_SPEED), 0, nullptr, 0, 0);
  Pass(5);
  Push(platform::EVENT_APP_TERMINATE);
  EXPECT_LT(TicksUntil([] { return false; }, 200), 0);
  EXPECT_EQ(Game->CurrentTScreen, Game->ExitScreen);
}

// A quit the hook holds (play still moving) is never dropped: it is asked again every step, and
// the main loop runs play ahead meanwhile, even when the game is paused, so the wait lasts passes,
// not seconds of the player's time.
class HeldQuitTest : public FadeTest, public testing::WithParamInterface<bool> {};

TEST_P(HeldQuitTest, WaitsAndIsCarriedOutOnceTheHookAgrees) {
  const bool paused = GetParam();
  Game->Paused = paused ? 1 : 0;
  // The screen's play needs 500 steps to come to rest.
  int asked = 0;
  Game->TerminatedUserFunction = [&] {
    ++asked;
    return first->logic < 500 ? 1 : 0;
  };
  Push(platform::EVENT_APP_TERMINATE);
  // A pass of one tick and its catch-up steps: the 500 steps and the agreement take two passes.
  EXPECT_EQ(Pass(5), 1);
  EXPECT_EQ(Pass(5), paused ? -1 : 1);  // held by pause, the game ends without the exit fade
  EXPECT_GE(first->logic, 500);
  EXPECT_EQ(asked, 501);
  if (!paused) {
    EXPECT_EQ(Game->DestinationTScreen, Game->ExitScreen);
    EXPECT_LT(TicksUntil([] { return false; }, 100), 0);
  }
}

INSTANTIATE_TEST_SUITE_P(PausedOrNot, HeldQuitTest, testing::Bool());

// A hook that never agrees cannot keep the program alive: past the limit the quit goes ahead.
TEST_F(FadeTest, AQuitIsCarriedOutEvenWhenTheHookNeverAgrees) {
  int asked = 0;
  Game->TerminatedUserFunction = [&] { return ++asked > 0 ? 1 : 0; };
  Push(platform::EVENT_APP_TERMINATE);
  EXPECT_LT(TicksUntil([] { return false; }, 100), 0);
  EXPECT_EQ(asked, TGame::QUIT_WAIT_LIMIT_TICKS);
}

TEST_F(FadeTest, ASwitchWithoutADestinationIsFatal) {
  Game->DestinationTScreen = nullptr;
  Game->GameFade->Init(10, 1, nullptr, 0, 0);
  EXPECT_THROW(TicksUntil([] { return false; }, 10), ccFatalError);
}

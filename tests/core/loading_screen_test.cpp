// The loading bar's steps and the loading screen's wait for a click.
#include "core/loading_bar.h"
#include "core/loading_screen.h"
#include "core_fixture.h"

namespace {

// The layers above as the loading screen sees them: one button whose clicks the test decides.
class TButtonRecorder : public TUpperLayer {
 public:
  std::shared_ptr<TButton> CreateClickHereButton(const std::string&, const std::string&,
                                                 const std::string&, const std::string&,
                                                 int) override {
    // The core only hands the button back to this object; it never looks inside.
    auto owner = std::make_shared<int>(0);
    return std::shared_ptr<TButton>(owner, reinterpret_cast<TButton*>(owner.get()));
  }
  int ButtonClicked(TButton&) override { return clickOnButton; }
  int ButtonPlayClick(TButton&) override { return ++clickSounds; }
  int ButtonDraw(TButton&) override { return ++draws; }
  int clickOnButton = 0;
  int clickSounds = 0;
  int draws = 0;
};

}  // namespace

TEST(LoadingBarTest, StepsFillTheBarAndFinishOnTheLastOne) {
  TLoadingBar bar;
  bar.Init(platform::CreateImage(540, 10), nullptr, nullptr);
  bar.SetSteps(270);
  EXPECT_FLOAT_EQ(bar.StepSize, 2.0f);
  for (int i = 0; i < 269; ++i) bar.Progress();
  EXPECT_EQ(bar.Finished, 0);
  bar.Progress();
  EXPECT_EQ(bar.Finished, 1);
  EXPECT_FLOAT_EQ(bar.Position, 540.0f);
  bar.Progress();
  EXPECT_FLOAT_EQ(bar.Position, 542.0f);
  EXPECT_EQ(bar.Finished, 1);
}

TEST(LoadingBarTest, CentringTruncatesAndAnImagelessModeOneBarDrawsNothing) {
  ScreenWidth = 800;
  TLoadingBar bar;
  bar.Init(platform::CreateImage(541, 4), nullptr, nullptr);
  bar.Centre(490);
  EXPECT_EQ(bar.x, 129);
  EXPECT_EQ(bar.y, 490);

  TLoadingBar empty;
  empty.Mode = 1;
  empty.SetSteps(3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(empty.Draw(), 0);
    empty.Progress();
  }
  EXPECT_EQ(empty.Finished, 1);
  EXPECT_EQ(TLoadingBar().SetSteps(0), 0);
}

class LoadingScreenTest : public CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    recorder = std::make_shared<TButtonRecorder>();
    Game->Upper = recorder;
    title = std::make_shared<TCountingScreen>("title");
    auto& loading = *Game->LoadingScreen;
    loading.SpecialLoad("Loading/loadingscreen.png", "Loading/bar.png", "Loading/loading.png");
    loading.SetSteps(2);
    loading.SetClickHereButton("Loading/clickhere", "Loading/clickhereMO", "buttonMO",
                               "buttonClick", 420);
    loading.Destination = title;
    loading.Progress();
    loading.Progress();
    loading.PreStart();
  }
  std::shared_ptr<TButtonRecorder> recorder;
  std::shared_ptr<TCountingScreen> title;
};

TEST_F(LoadingScreenTest, TheFinalImageVariantIsPickedUpAndTheBarFinishes) {
  EXPECT_TRUE(Game->LoadingScreen->LoadingBar->FinalImage);
  EXPECT_FALSE(Game->LoadingScreen->LoadingBar->EmptyImage);
  EXPECT_EQ(Game->LoadingScreen->Finished, 1);
  EXPECT_EQ(Game->MusicName, "none");
}

TEST_F(LoadingScreenTest, AClickAnywhereLeavesWithTheButtonsSound) {
  Pass(5);
  EXPECT_EQ(Game->GameFade->Active, 0);
  Push(platform::EVENT_MOUSE_DOWN, 1, 30, 30);
  Pass(5);
  EXPECT_EQ(Game->GameFade->Active, 1);
  EXPECT_EQ(Game->DestinationTScreen, title);
  EXPECT_EQ(recorder->clickSounds, 1);
  for (int i = 0; i < 70 && Game->CurrentTScreen != title; ++i) Pass(5);
  EXPECT_EQ(Game->CurrentTScreen, title);
  EXPECT_FALSE(Game->LoadingScreen->LoadingBar);
  EXPECT_FALSE(Game->LoadingScreen->ClickHereButton);
  EXPECT_TRUE(Game->LoadingScreen->LoadingTextImage);  // kept for the screens' own loading text
}

TEST_F(LoadingScreenTest, AClickOnTheButtonItselfDoesNotSoundTwice) {
  recorder->clickOnButton = 1;
  Pass(5);
  EXPECT_EQ(Game->GameFade->Active, 1);
  EXPECT_EQ(recorder->clickSounds, 0);
}

TEST_F(LoadingScreenTest, MoveBarDrawsTheBackgroundAndTheButtonOnceFinished) {
  std::string error;
  ASSERT_TRUE(platform::GraphicsOpen(platform::GraphicsOptions{}, &error)) << error;
  Game->MoveBar();
  auto pixels = platform::GrabPixmap(5, 300, 1, 1);
  ASSERT_TRUE(pixels);
  EXPECT_EQ(pixels->ReadPixel(0, 0) & 0xFFFFFFu, 0x145A1Eu);
  EXPECT_GE(recorder->draws, 1);
  platform::GraphicsClose();
}

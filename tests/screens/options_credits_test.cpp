// The options page (sliders, toggle, closing and what it writes) and the credits page (its column
// and its way back), on the real game headless.

#include <gtest/gtest.h>

#include <string>

#include "content/globals.h"
#include "core/game.h"
#include "core/globals.h"
#include "gfx/bitmap_font.h"
#include "gfx/image_bank.h"
#include "platform/files.h"
#include "play/game_screen.h"
#include "progress/player.h"
#include "progress/save_data.h"
#include "platform/input.h"
#include "screens/credits_screen.h"
#include "screens/globals.h"
#include "screens/options_screen.h"
#include "screens/title_screen.h"
#include "tests/screens/menu_game.h"
#include "ui/button.h"
#include "ui/menu.h"
#include "ui/slider.h"
#include "util/input.h"
#include "ui/mouse_pointer.h"

using namespace menu_test;

namespace {

class OptionsTest : public testing::Test {
 protected:
  void SetUp() override {
    if (!LoadGame()) GTEST_SKIP() << "no data folder";
    Quiesce();
    ResetProfiles({"Bob"});
    UsePlayer("Bob");
    GameScreen->Player->SaveData->Male = 1;
    GameScreen->Player->SaveData->Avatar = 0;
    OptionsScreen->Destination = TitleScreen;
    Enter(OptionsScreen, TitleScreen);
    ASSERT_TRUE(Settle(OptionsScreen));
    platform::DeleteFile(Settings());
    platform::DeleteFile(Marker());
  }
  static std::string Settings() { return Game->SettingsFilePath(); }
  static std::string Marker() { return Game->SubPath + "inichanged.dat"; }
};

enum class CloseBy { OK, Enter, Escape };

class OptionsCloseTest : public OptionsTest, public testing::WithParamInterface<CloseBy> {};

TEST_P(OptionsCloseTest, WritesTheSettingsAndLeavesOnce) {
  Game->SoundSetVolume(37, 0);
  auto ok = OptionsScreen->Menu->FindButton("OK");
  switch (GetParam()) {
    case CloseBy::OK:
      ClickButton(ok);
      break;
    case CloseBy::Enter:
      Key(13);
      break;
    case CloseBy::Escape:
      Key(27);
      break;
  }
  Frame();
  EXPECT_EQ(Game->DestinationTScreen, TitleScreen);
  EXPECT_TRUE(platform::FileExists(Settings()));
  EXPECT_TRUE(platform::FileExists(Marker()));
  const auto text = platform::ReadTextFile(Settings());
  ASSERT_TRUE(text);
  EXPECT_NE(text->find("37"), std::string::npos);
  EXPECT_EQ(OptionsScreen->Closing, 1);
  ASSERT_TRUE(Settle(TitleScreen));
}

INSTANTIATE_TEST_SUITE_P(Ways, OptionsCloseTest,
                         testing::Values(CloseBy::OK, CloseBy::Enter, CloseBy::Escape));

// Counts the settings file's writes, letting every write through.
class SettingsWrites : public platform::FileWriteCalls {
 public:
  SettingsWrites() : previous_(platform::InstallFileWriteCalls(this)) {}
  ~SettingsWrites() override { platform::InstallFileWriteCalls(previous_); }
  SettingsWrites(const SettingsWrites&) = delete;
  SettingsWrites& operator=(const SettingsWrites&) = delete;
  bool Replace(const std::string& temp, const std::string& path) override {
    if (path == Game->SettingsFilePath()) ++count;
    return platform::FileWriteCalls::Replace(temp, path);
  }
  int count = 0;

 private:
  platform::FileWriteCalls* previous_;
};

// The page is left once: a click on OK and Escape taken in the same tick of the page write the
// settings once, and OK or Escape again while the page fades out write nothing more.
TEST_F(OptionsTest, OKAndEscapeTogetherOrRepeatedLeaveThePageOnce) {
  SettingsWrites writes;
  auto ok = OptionsScreen->Menu->FindButton("OK");
  ASSERT_TRUE(ok);
  Game->Mouse->ClearMouseHit();
  Game->Mouse->MoveEvent(static_cast<int>(ok->x) + ok->w / 2, static_cast<int>(ok->y) + ok->h / 2);
  Game->Mouse->MouseDownEvent(1);
  ccProcessEvent({platform::EVENT_KEY_DOWN, 27, 0, 0});
  OptionsScreen->Logic();
  Game->Mouse->MouseUpEvent(1);
  ccProcessEvent({platform::EVENT_KEY_UP, 27, 0, 0});
  EXPECT_EQ(writes.count, 1);
  ASSERT_EQ(Game->DestinationTScreen, TitleScreen);
  ClickButton(OptionsScreen->Menu->FindButton("OK"));
  Frame();
  Key(27);
  Frame();
  EXPECT_EQ(writes.count, 1);
  ASSERT_TRUE(Settle(TitleScreen));
  EXPECT_EQ(writes.count, 1);
}

TEST_F(OptionsTest, CreditsRoundTripWritesNothing) {
  ClickButton(OptionsScreen->Menu->FindButton("credits"));
  ASSERT_TRUE(Settle(CreditsScreen));
  Key(27);
  Frame();
  EXPECT_GT(CreditsScreen->Menu->FindButton("OK")->MouseClickCounter, 0);
  ASSERT_TRUE(Settle(OptionsScreen));
  EXPECT_EQ(OptionsScreen->Destination, TitleScreen);
  EXPECT_FALSE(platform::FileExists(Settings()));
  EXPECT_FALSE(platform::FileExists(Marker()));
}

TEST_F(OptionsTest, VolumeSliderSetsSoundAndMusicTogether) {
  Game->SoundSetVolume(90, 0);
  Game->MusicSetVolume(20, 0);
  // The knob travels from x 311 + 25 to 311 + 180 - 25: a quarter of the way is 25.
  const int x = 311 + 25 + (180 - 50) / 4;
  const int y = static_cast<int>(OptionsScreen->SoundSlider->y) + 10;
  platform::Event e;
  e.kind = platform::EVENT_MOUSE_MOVE;
  e.x = x;
  e.y = y;
  platform::PushEvent(e);
  e.kind = platform::EVENT_MOUSE_DOWN;
  e.data = 1;
  platform::PushEvent(e);
  Frame();
  e.kind = platform::EVENT_MOUSE_UP;
  platform::PushEvent(e);
  Frame();
  EXPECT_EQ(Game->SoundVolume, 25);
  EXPECT_EQ(Game->MusicVolume, 25);
  EXPECT_FALSE(platform::FileExists(Settings()));
}

TEST_F(OptionsTest, RefusedFullScreenKeepsTheToggle) {
  // A window that may not become full screen.
  Game->ForceWindowedMode = 1;
  Game->FullScreen = 0;
  auto toggle = OptionsScreen->Menu->FindButton("fullscreen");
  OptionsScreen->ReloadToggleButton(toggle, 0, "fullscreen");
  const int before = Game->FullScreen;
  const auto image = toggle->image;
  ClickButton(toggle);
  Frame();
  EXPECT_EQ(Game->FullScreen, before);
  EXPECT_EQ(toggle->image, image);
  EXPECT_EQ(toggle->name, "FULLSCREEN");
  Game->ForceWindowedMode = 0;
}

class CreditsTest : public testing::Test {
 protected:
  void SetUp() override {
    if (!LoadGame()) GTEST_SKIP() << "no data folder";
    Quiesce();
    OptionsScreen->Destination = TitleScreen;
    Enter(CreditsScreen, OptionsScreen);
    ASSERT_TRUE(Settle(CreditsScreen));
  }
};

TEST_F(CreditsTest, ColumnOfCaptionsAndNames) {
  const auto lines = CreditsScreen->Layout();
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(lines[2 * i].y, 102 + 37 * i);
    EXPECT_EQ(lines[2 * i].kind, TCreditsScreen::KIND_CAPTION);
    EXPECT_EQ(lines[2 * i + 1].y, 118 + 37 * i);
  }
  EXPECT_EQ(lines[12].y, 324);
  EXPECT_EQ(lines[13].y, 342);
  EXPECT_EQ(HintFont->ScaleFactor, 1.0);
}

TEST_F(CreditsTest, EachFurtherQALineMovesTheThanksDown) {
  auto thanksY = [] {
    for (const auto& line : CreditsScreen->Layout()) {
      if (line.kind == TCreditsScreen::KIND_CAPTION && line.text == CreditsScreen->Labels[7]) return line.y;
    }
    return -1.0;
  };
  CreditsScreen->DataWordWrapped[0] = {"Agnes Pellow"};
  EXPECT_EQ(thanksY(), 342 + 12 + 5);
  CreditsScreen->DataWordWrapped[0] = {"Agnes Pellow,", "Bram Oakes"};
  EXPECT_EQ(thanksY(), 342 + 24 + 5);
}

TEST_F(CreditsTest, ListsAreWrappedToTheColumnAndTheFontIsPutBack) {
  HintFont->ScaleFactor = 0.8;
  for (const auto& list : CreditsScreen->DataWordWrapped) {
    ASSERT_FALSE(list.empty());
    for (const auto& line : list) EXPECT_LE(HintFont->StringWidth(line), 226.0) << line;
  }
  HintFont->ScaleFactor = 1.0;
  Frame();
  EXPECT_EQ(HintFont->ScaleFactor, 1.0);
}

TEST_F(CreditsTest, EnterLeadsBackToTheOptions) {
  Key(13);
  Frame();
  EXPECT_EQ(Game->DestinationTScreen, OptionsScreen);
}

}  // namespace

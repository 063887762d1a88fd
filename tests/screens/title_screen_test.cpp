// The title page: its arrival from other screens, the photograph, the menu keys, the resume dialog
// and the first-run check of the profiles folder, on the real game headless.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/game.h"
#include "core/game_fade.h"
#include "core/globals.h"
#include "platform/files.h"
#include "play/game_screen.h"
#include "progress/player.h"
#include "progress/save_data.h"
#include "screens/globals.h"
#include "screens/level_select_screen.h"
#include "screens/options_screen.h"
#include "screens/resume_game_dialog.h"
#include "screens/title_screen.h"
#include "tests/screens/menu_game.h"
#include "progress/profile_hooks.h"
#include "gfx/image_bank.h"
#include "gfx/sprite.h"
#include "ui/button.h"
#include "util/animation.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/dialog_text_input.h"
#include "ui/menu.h"
#include "ui/player_manager.h"
#include "ui/profile.h"
#include "util/error.h"

using namespace menu_test;

namespace {

class TitleTest : public testing::Test {
 protected:
  void SetUp() override {
    if (!LoadGame()) GTEST_SKIP() << "no data folder";
    Quiesce();
    ResetProfiles({"Bob"});
    UsePlayer("Bob");
    GameScreen->Player->SaveData->Male = 1;
    GameScreen->Player->SaveData->Avatar = 0;
    TitleScreen->EnterName = nullptr;
    TTitleScreen::ReadFolderHook = nullptr;
  }
  void TearDown() override { TTitleScreen::ReadFolderHook = nullptr; }

  void EnterTitle() {
    Enter(TitleScreen, LevelSelectScreen);
    ASSERT_TRUE(Settle(TitleScreen));
  }

  TSaveData& Save() { return *GameScreen->Player->SaveData; }
};

TEST_F(TitleTest, MusicIsReloadedAfterEveryScreenButTheOptionsPage) {
  Game->MusicLoad("course selector.ogg", 1);
  Enter(TitleScreen, OptionsScreen);
  EXPECT_EQ(Game->MusicFileName, "course selector.ogg");
  EXPECT_EQ(TitleScreen->ShallWePlayMusic, 0);
  Enter(TitleScreen, LevelSelectScreen);
  EXPECT_EQ(Game->MusicFileName, "title theme.ogg");
  EXPECT_EQ(TitleScreen->ShallWePlayMusic, 1);
}

TEST_F(TitleTest, PhotoFollowsTheAvatar) {
  EXPECT_EQ(TTitleScreen::PhotoFile(0, 4), "title/snapshots/lady_pic_5.png");
  EXPECT_EQ(TTitleScreen::PhotoFile(1, 0), "title/snapshots/gent_pic_1.png");
  Save().Male = 0;
  Save().Avatar = 4;
  EnterTitle();
  ASSERT_TRUE(TitleScreen->Photo);
  EXPECT_EQ(TitleScreen->Welcome->Text, "Bob");
}

TEST_F(TitleTest, LogoSlidesDownUntilItsTopMeetsTheScreensTop) {
  EnterTitle();
  for (int i = 0; i < 30; ++i) Frame();
  ASSERT_TRUE(TitleScreen->Header);
  EXPECT_EQ(TitleScreen->Intro->Active, 1);
  EXPECT_FLOAT_EQ(TitleScreen->Header->y, TitleScreen->Header->image->h2);
}

TEST_F(TitleTest, EscapeLeavesThroughTheExitButton) {
  EnterTitle();
  Key(27);
  Frame();
  EXPECT_EQ(Game->DestinationTScreen, Game->ExitScreen);
  EXPECT_GT(TitleScreen->Menu->FindButton("exit")->MouseClickCounter, 0);
}

TEST_F(TitleTest, EnterPlaysToTheCourseSelectorWithoutARound) {
  Save().MidCourse = 0;
  EnterTitle();
  Key(13);
  Frame();
  EXPECT_EQ(Game->DestinationTScreen, LevelSelectScreen);
  EXPECT_FALSE(TitleScreen->ResumeDialog);
}

struct ResumeCase {
  const char* name;
  int key;  // 0: the "new_round" button
  bool continues;
};

class ResumeTest : public TitleTest, public testing::WithParamInterface<ResumeCase> {};

TEST_P(ResumeTest, AnswerLeadsOnOrGivesTheRoundUp) {
  Save().MidCourse = 1;
  Save().MidHole = 1;
  Game->CurrentProfile->CurrentLevel = 3;
  GameScreen->Player->ProfileUpdatePlayer(*Game->CurrentProfile);
  GameScreen->Player->ProfileWrite(Game->CurrentProfile.get());
  EnterTitle();
  Key(13);
  Frame();
  ASSERT_TRUE(TitleScreen->ResumeDialog);
  ASSERT_TRUE(RunUntil([] { return TitleScreen->ResumeDialog->Transitioning == 0; }));
  if (GetParam().key != 0) {
    Key(GetParam().key);
  } else {
    ClickButton(TitleScreen->ResumeDialog->Menu->FindButton("new_round"));
  }
  ASSERT_TRUE(RunUntil([] { return Game->DestinationTScreen != nullptr; }, 60));
  if (GetParam().continues) {
    EXPECT_EQ(Game->DestinationTScreen, GameScreen);
    EXPECT_EQ(TGameScreen::LoadLevelFromProfile, 1);
  } else {
    EXPECT_EQ(Game->DestinationTScreen, LevelSelectScreen);
    EXPECT_EQ(TGameScreen::LoadLevelFromProfile, 0);
    // The file already holds the round given up.
    auto check = TProfile::Create("Bob");
    InstallProfileHooks(*check);
    ASSERT_EQ(check->Load(), 1);
    EXPECT_EQ(check->CurrentLevel, 1);
    EXPECT_EQ(GameScreen->Player->SaveData->MidCourse, 0);
  }
  TGameScreen::LoadLevelFromProfile = 0;
}

INSTANTIATE_TEST_SUITE_P(Keys, ResumeTest,
                         testing::Values(ResumeCase{"Y", 'Y', true}, ResumeCase{"Return", 13, true},
                                         ResumeCase{"Space", 32, true}, ResumeCase{"N", 'N', false},
                                         ResumeCase{"NewRound", 0, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TitleTest, EscapeInTheResumeDialogKeepsThePaidRound) {
  Save().MidCourse = 1;
  Save().MidHole = 0;
  Game->CurrentProfile->CurrentLevel = 1;
  GameScreen->Player->ProfileWrite(Game->CurrentProfile.get());
  const auto before = FileBytes(Game->ProfilePath + "Bob.dat");
  EnterTitle();
  Key(13);
  Frame();
  ASSERT_TRUE(TitleScreen->ResumeDialog);
  ASSERT_TRUE(RunUntil([] { return TitleScreen->ResumeDialog->Transitioning == 0; }));
  Key(27);
  ASSERT_TRUE(RunUntil([] { return TitleScreen->ResumeDialog->Active == 0; }, 60));
  for (int i = 0; i < 30; ++i) Frame();
  EXPECT_EQ(Game->DestinationTScreen, nullptr);
  EXPECT_EQ(Game->CurrentTScreen, TitleScreen);
  EXPECT_EQ(Save().MidCourse, 1);
  EXPECT_EQ(FileBytes(Game->ProfilePath + "Bob.dat"), before);
}

// The first-run check of the profiles folder at the end of loading.
struct FolderCase {
  const char* name;
  std::vector<std::string> files;  // written empty into the profiles folder
  std::string remembered;
  bool prompt;              // the name prompt opens
  std::string current;      // else the player made current
};

class FirstRunTest : public TitleTest, public testing::WithParamInterface<FolderCase> {};

TEST_P(FirstRunTest, PromptOrPlayer) {
  const FolderCase& c = GetParam();
  ResetProfiles({});
  for (const std::string& file : c.files) {
    if (file == "Bob.dat") {
      ResetProfiles({"Bob"});
    } else {
      platform::WriteFileAtomic(Game->ProfilePath + file, std::string("x"));
    }
  }
  Game->ProfileName = c.remembered;
  Game->CurrentProfile = nullptr;
  TitleScreen->EnterName = nullptr;
  TitleScreen->PromptForName();
  if (c.prompt) {
    EXPECT_TRUE(TitleScreen->EnterName);
    EXPECT_FALSE(Game->CurrentProfile);
  } else {
    EXPECT_FALSE(TitleScreen->EnterName);
    ASSERT_TRUE(Game->CurrentProfile);
    EXPECT_EQ(Game->CurrentProfile->Name, c.current);
    EXPECT_EQ(Game->ProfileName, c.current);
    EXPECT_TRUE(platform::FileExists(Game->ProfilePath + c.current + ".dat"));
  }
  TitleScreen->EnterName = nullptr;
}

INSTANTIATE_TEST_SUITE_P(
    Folders, FirstRunTest,
    testing::Values(FolderCase{"Empty", {}, "Bob", true, ""},
                    FolderCase{"OnlyDotDat", {".dat"}, "Bob", true, ""},
                    FolderCase{"OnlyUpperCaseExtension", {"X.DAT"}, "X", true, ""},
                    FolderCase{"RememberedPlayer", {"Bob.dat"}, "Bob", false, "Bob"},
                    FolderCase{"RememberedWithoutFile", {"Bob.dat"}, "Ann", false, "Ann"},
                    FolderCase{"BlankName", {"Bob.dat"}, "", false, "Bob"},
                    FolderCase{"PathName", {"Bob.dat"}, "../x", false, "Bob"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TitleTest, UnreadableProfilesFolderIsFatalAndNamed) {
  TTitleScreen::ReadFolderHook = [](const std::string&, std::vector<std::string>&) { return false; };
  try {
    TitleScreen->PromptForName();
    FAIL() << "no error";
  } catch (const ccFatalError& error) {
    EXPECT_EQ(std::string(error.what()), "Failed to read directory '" + Game->ProfilePath + "'");
  }
}

TEST_F(TitleTest, PlayerManagerKeepsBetweenOneAndSevenPlayers) {
  ResetProfiles({"A", "B", "C", "D", "E", "F", "G"});
  UsePlayer("A");
  EnterTitle();
  TitleScreen->ShowPlayerManager();
  ASSERT_TRUE(TitleScreen->PlayerManager);
  EXPECT_EQ(TitleScreen->PlayerManager->Limit, 7);
  ClickButton(TitleScreen->PlayerManager->Menu->FindButton("Create"));
  Frame();
  ASSERT_TRUE(TitleScreen->PlayerManager->DialogOK);
  EXPECT_FALSE(TitleScreen->PlayerManager->EnterName);
  TitleScreen->PlayerManager->Kill();
  TitleScreen->PlayerManager = nullptr;

  ResetProfiles({"A"});
  UsePlayer("A");
  TitleScreen->ShowPlayerManager();
  TitleScreen->PlayerManager->ListBox->SetIndex(0);
  ClickButton(TitleScreen->PlayerManager->Menu->FindButton("Delete"));
  Frame();
  ASSERT_TRUE(TitleScreen->PlayerManager->DialogOK);
  EXPECT_TRUE(platform::FileExists(Game->ProfilePath + "A.dat"));
  TitleScreen->PlayerManager->Kill();
  TitleScreen->PlayerManager = nullptr;
}

}  // namespace

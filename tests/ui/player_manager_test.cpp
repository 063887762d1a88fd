// The choose-player dialog driven headless through choose, create and delete, with the game's
// hooks stood in for by the dialogs of this library.

#include "ui/player_manager.h"

#include "core/game_fade.h"
#include "core/screen.h"
#include "platform/files.h"
#include "platform/graphics.h"
#include "ui/button.h"
#include "ui/dialog_ok.h"
#include "ui/dialog_text_input.h"
#include "ui/dialog_yes_no.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/menu.h"
#include "ui/profile.h"
#include "ui/text_input.h"
#include "ui_test_support.h"
#include "util/globals.h"
#include "util/settings.h"
#include "util/types.h"

namespace {

using ui_test::UiTest;

class PlayerManagerTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    TProfile::CreateUserFunction = nullptr;
    Game->SubPath = root_;
    Game->Ini->FileName = root_ + "settings";
    MakeImage("player_manager_bg", 500, 400);
    for (const char* name : {"Ann", "Bob"}) AddPlayer(name);
    platform::WriteFileAtomic(Game->ProfilePath + "notes.txt", std::string("x"));
    platform::WriteFileAtomic(Game->ProfilePath + "Old.DAT", std::string("x"));
    Game->CurrentProfile = TProfile::Create("Ann");
    Game->CurrentProfile->Load();
    Game->ProfileName = "Ann";
  }
  void TearDown() override {
    if (manager) manager->Kill();
    Game->CurrentProfile.reset();
    UiTest::TearDown();
  }
  void AddPlayer(const std::string& name) {
    auto profile = TProfile::Create(name);
    profile->Score = static_cast<int>(name.size()) * 100 + name[0];
    ASSERT_EQ(profile->Save(), 0);
  }
  void Open(int limit = 7) {
    auto background = platform::LoadImage(Game->ImagePath + "player_manager_bg.png");
    manager = TPlayerManager::Create("Choose Player", background, 0, 0, 0, limit);
    manager->ErrorDialogFunc = [this](const std::string& message) {
      errors.push_back(message);
      auto dialog = TDialogOK::Create(message, nullptr, 380, 0, 0);
      dialog->Start();
      return dialog;
    };
    manager->DialogYesNoFunc = [](const std::string& message) {
      auto dialog = TDialogYesNo::Create(message, nullptr, 380, 0, 0, 1);
      dialog->Start();
      return dialog;
    };
    manager->EnterNamePromptFunc = [](int withCancel) {
      auto prompt = TDialogTextInput::Create("Enter your name", "", 12, nullptr, 380, 0, 0, 200);
      prompt->MenuCreate(withCancel, 10);
      prompt->SetupText(nullptr, nullptr, nullptr, 0, nullptr);
      prompt->ErrorCheckFunc = [](const std::string& text, std::string& message) {
        return TProfile::CheckNewName(text, message);
      };
      prompt->MenuPosition();
      return prompt;
    };
    manager->CreateProfileFunc = [](const std::string& name) {
      Game->ProfileName = name;
      Game->CurrentProfile = TProfile::Create(name);
      Game->CurrentProfile->Load();
      Game->IniUpdate(1);
      return 0;
    };
    manager->Start();
  }
  // Runs logic steps until Manage gives a result (at most `steps`).
  int Run(int steps) {
    for (int i = 0; i < steps; ++i) {
      Step();
      const int r = manager->Manage();
      if (r != 0) return r;
    }
    return 0;
  }
  void ClickButton(TMenu& menu, const std::string& name) {
    auto button = menu.FindButton(name);
    ASSERT_TRUE(button) << name;
    Click(static_cast<int>(button->x) + 3, static_cast<int>(button->y) + 3);
  }
  void ClickRow(int row) {
    const auto& box = *manager->ListBox->Box;
    const int line = manager->ListBox->LineHeight;
    Click(static_cast<int>(box.X) + 5, static_cast<int>(box.Y) + row * line + line / 2);
  }
  std::vector<std::string> Listed() const { return *manager->ListBox->Strings; }
  std::string SettingsProfileName() const {
    return ccReadIniLine(root_ + "settings.ini", "Profile Name");
  }

  std::shared_ptr<TPlayerManager> manager;
  std::vector<std::string> errors;
};

TEST_F(PlayerManagerTest, ListsProfileFilesAndSelectsTheCurrentPlayer) {
  Open();
  EXPECT_EQ(Listed(), (std::vector<std::string>{"Ann", "Bob"}));
  EXPECT_EQ(manager->ListBox->Index, 0);
  EXPECT_EQ(manager->ListBox->Limit, 7);
  EXPECT_GT(manager->ListBox->LineHeight, 0);
  EXPECT_EQ(Game->IgnoreEscapeKey, 1);
}

TEST_F(PlayerManagerTest, ChooseAnotherPlayerWithOk) {
  Open();
  ClickRow(1);
  EXPECT_EQ(Run(1), 0);
  EXPECT_EQ(manager->ListBox->Value, "Bob");
  ClickButton(*manager->Menu, "OK");
  EXPECT_EQ(Run(1), 1);
  EXPECT_EQ(Game->CurrentProfile->Name, "Bob");
  EXPECT_EQ(Game->CurrentProfile->Score, 3 * 100 + 'B');
  EXPECT_EQ(Game->ProfileName, "Bob");
  EXPECT_EQ(SettingsProfileName(), "Bob");
  EXPECT_EQ(Game->IgnoreEscapeKey, 0);
}

TEST_F(PlayerManagerTest, DoubleClickChooses) {
  Open();
  ClickRow(1);
  EXPECT_EQ(Run(1), 0);
  ClickRow(1);
  EXPECT_EQ(Run(1), 1);
  EXPECT_EQ(Game->CurrentProfile->Name, "Bob");
}

TEST_F(PlayerManagerTest, CreateANewPlayer) {
  Open();
  ClickButton(*manager->Menu, "Create");
  EXPECT_EQ(Run(1), 0);
  ASSERT_TRUE(manager->EnterName);
  EXPECT_EQ(manager->EnterName->TextInput->BannedChars, TTextInput::FileNameSafeBanned);
  ClickRow(1);  // the list takes no input while the prompt is open
  Type("cid");
  TypeCode(13);
  EXPECT_EQ(Run(10), 1);
  EXPECT_EQ(manager->ListBox->Value, "Cid");
  EXPECT_EQ(Game->CurrentProfile->Name, "Cid");
  EXPECT_TRUE(platform::FileExists(Game->ProfilePath + "Cid.dat"));
  EXPECT_EQ(SettingsProfileName(), "Cid");
  EXPECT_EQ(Game->BlockKeys, 0);
}

TEST_F(PlayerManagerTest, CreateRefusedAtTheLimit) {
  Open(2);
  ClickButton(*manager->Menu, "Create");
  EXPECT_EQ(Run(1), 0);
  EXPECT_FALSE(manager->EnterName);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], "You cannot create any more players!");
  Key(13);  // closes the error box
  EXPECT_EQ(Run(2), 0);
  EXPECT_FALSE(manager->DialogOK);
  EXPECT_EQ(Game->IgnoreEscapeKey, 1);  // still the manager's
}

TEST_F(PlayerManagerTest, DeleteKeepsTheSelectionOnItsRow) {
  AddPlayer("Cid");
  AddPlayer("Dee");
  Open();
  ASSERT_EQ(Listed().size(), 4u);
  ClickRow(1);
  EXPECT_EQ(Run(1), 0);
  ClickButton(*manager->Menu, "Delete");
  EXPECT_EQ(Run(2), 0);
  ASSERT_TRUE(manager->DialogYesNo);
  EXPECT_EQ(manager->DialogYesNo->Caption->Text, "Are you sure you want to delete this player?");
  Key(89);
  EXPECT_EQ(Run(2), 0);
  EXPECT_FALSE(platform::FileExists(Game->ProfilePath + "Bob.dat"));
  EXPECT_EQ(Listed(), (std::vector<std::string>{"Ann", "Cid", "Dee"}));
  EXPECT_EQ(manager->ListBox->Value, "Cid");

  ClickRow(2);
  EXPECT_EQ(Run(1), 0);
  ClickButton(*manager->Menu, "Delete");
  EXPECT_EQ(Run(2), 0);
  Key(78);  // No: nothing deleted
  EXPECT_EQ(Run(2), 0);
  EXPECT_EQ(Listed().size(), 3u);
  ClickButton(*manager->Menu, "Delete");
  EXPECT_EQ(Run(2), 0);
  Key(89);
  EXPECT_EQ(Run(2), 0);
  EXPECT_EQ(manager->ListBox->Value, "Cid");  // the new last row
}

TEST_F(PlayerManagerTest, LastPlayerCannotBeDeleted) {
  platform::DeleteFile(Game->ProfilePath + "Bob.dat");
  Open();
  ClickButton(*manager->Menu, "Delete");
  EXPECT_EQ(Run(2), 0);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], "The list must contain at least one player!");
  EXPECT_TRUE(platform::FileExists(Game->ProfilePath + "Ann.dat"));
}

TEST_F(PlayerManagerTest, CancelAfterDeletingTheCurrentPlayer) {
  Open();
  ClickButton(*manager->Menu, "Delete");  // Ann, the current player, is selected
  EXPECT_EQ(Run(2), 0);
  Key(89);
  EXPECT_EQ(Run(2), 0);
  ClickButton(*manager->Menu, "Cancel");
  EXPECT_EQ(Run(2), -1);
  EXPECT_EQ(Game->CurrentProfile->Name, "Bob");
  EXPECT_EQ(Game->CurrentProfile->Score, 3 * 100 + 'B');
  EXPECT_EQ(SettingsProfileName(), "Bob");
}

TEST_F(PlayerManagerTest, EscapeCancels) {
  Open();
  Key(27);
  EXPECT_EQ(Run(2), -1);
  EXPECT_EQ(Game->CurrentProfile->Name, "Ann");
}

TEST_F(PlayerManagerTest, DamagedChoiceKeepsThePreviousPlayer) {
  ASSERT_TRUE(platform::WriteFileAtomic(Game->ProfilePath + "Bob.dat", std::string(12, '\1')));
  Open();
  ClickRow(1);
  EXPECT_EQ(Run(1), 0);
  ClickButton(*manager->Menu, "OK");
  EXPECT_EQ(Run(1), 0);
  EXPECT_EQ(Game->CurrentProfile->Name, "Ann");
  EXPECT_EQ(Listed(), (std::vector<std::string>{"Ann"}));
  EXPECT_TRUE(platform::FileExists(Game->ProfilePath + "Bob.dat.damaged"));
  EXPECT_EQ(manager->Active, 1);  // still open to choose again
}

TEST_F(PlayerManagerTest, CancelAfterDeletingPassesOverADamagedPlayer) {
  AddPlayer("Cid");
  Open();
  ClickButton(*manager->Menu, "Delete");  // Ann, the current player, is selected
  EXPECT_EQ(Run(2), 0);
  Key(89);
  EXPECT_EQ(Run(2), 0);
  ASSERT_TRUE(platform::WriteFileAtomic(Game->ProfilePath + "Bob.dat", std::string(12, '\1')));
  ClickButton(*manager->Menu, "Cancel");
  EXPECT_EQ(Run(2), -1);
  EXPECT_EQ(Game->CurrentProfile->Name, "Cid");
  EXPECT_EQ(Game->CurrentProfile->Score, 3 * 100 + 'C');
  EXPECT_EQ(SettingsProfileName(), "Cid");
  EXPECT_TRUE(platform::FileExists(Game->ProfilePath + "Bob.dat.damaged"));
}

TEST_F(PlayerManagerTest, KilledWithThePromptOpenGivesTheKeysBack) {
  Open();
  ClickButton(*manager->Menu, "Create");
  EXPECT_EQ(Run(1), 0);
  ASSERT_TRUE(manager->EnterName);
  EXPECT_EQ(Game->BlockKeys, 1);
  manager->Kill();
  EXPECT_EQ(Game->BlockKeys, 0);
  EXPECT_EQ(Game->IgnoreEscapeKey, 0);
}

// The title screen's part, as a screen the core runs: the dialog is managed in the screen's logic
// until it gives a result.
class THostScreen : public TScreen {
 public:
  int Logic() override {
    if (manager && result == 0) result = manager->Manage();
    return 0;
  }
  std::shared_ptr<TPlayerManager> manager;
  int result = 0;
};

TEST_F(PlayerManagerTest, DrivenThroughTheCoreLoop) {
  // The core's own event pump and logic step feed the pointer and the keys, as in the game.
  auto* const savedHook = ccFlushMouseHook;
  Game->Upper = std::make_shared<ui_test::PointerBridge>();
  ccFlushMouseHook = [] { Game->Upper->MouseClearButtons(); };
  auto host = std::make_shared<THostScreen>();
  Game->CurrentTScreen = host;
  Open();
  host->manager = manager;
  const auto steps = [&host](int count) {
    for (int i = 0; i < count && host->result == 0; ++i) Game->LogicWrapper();
    return host->result;
  };
  // Keys come one per logic step, as a player types.
  const auto type = [&steps](const std::string& text) {
    for (const char c : text) {
      TypeCode(static_cast<unsigned char>(c));
      steps(1);
    }
  };

  ClickButton(*manager->Menu, "Create");
  EXPECT_EQ(steps(2), 0);
  ASSERT_TRUE(manager->EnterName);
  EXPECT_EQ(Game->BlockKeys, 1);
  type("ed");
  PressKey(27);  // the prompt has "Cancel": Escape closes the prompt only
  EXPECT_EQ(steps(5), 0);
  EXPECT_FALSE(manager->EnterName);
  EXPECT_EQ(Game->BlockKeys, 0);
  EXPECT_EQ(Game->IgnoreEscapeKey, 1);
  EXPECT_EQ(Game->GameFade->Active, 0);

  ClickButton(*manager->Menu, "Create");
  EXPECT_EQ(steps(2), 0);
  ASSERT_TRUE(manager->EnterName);
  type("dee");
  PressKey(13);
  EXPECT_EQ(steps(10), 1);
  EXPECT_EQ(Game->CurrentProfile->Name, "Dee");
  EXPECT_TRUE(platform::FileExists(Game->ProfilePath + "Dee.dat"));
  EXPECT_FALSE(platform::FileExists(Game->ProfilePath + "Ed.dat"));
  EXPECT_EQ(Game->BlockKeys, 0);
  EXPECT_EQ(Game->IgnoreEscapeKey, 0);

  // Delete with the Y key of the confirmation, then choose with a double click.
  const auto reopen = [&]() {
    manager->Kill();
    host->result = 0;
    Open();
    host->manager = manager;
  };
  reopen();
  ClickRow(1);
  EXPECT_EQ(steps(1), 0);
  ASSERT_EQ(manager->ListBox->Value, "Bob");
  ClickButton(*manager->Menu, "Delete");
  EXPECT_EQ(steps(2), 0);
  ASSERT_TRUE(manager->DialogYesNo);
  PressKey(89);
  EXPECT_EQ(steps(3), 0);
  EXPECT_FALSE(platform::FileExists(Game->ProfilePath + "Bob.dat"));
  EXPECT_EQ(Listed(), (std::vector<std::string>{"Ann", "Dee"}));
  ClickRow(0);
  EXPECT_EQ(steps(1), 0);
  ClickRow(0);
  EXPECT_EQ(steps(1), 1);
  EXPECT_EQ(Game->CurrentProfile->Name, "Ann");
  EXPECT_EQ(SettingsProfileName(), "Ann");

  // Escape in the manager itself cancels it and never reaches the screen's escape destination.
  reopen();
  PressKey(27);
  EXPECT_EQ(steps(5), -1);
  EXPECT_EQ(Game->CurrentProfile->Name, "Ann");
  EXPECT_EQ(Game->GameFade->Active, 0);
  EXPECT_EQ(Game->IgnoreEscapeKey, 0);
  Game->CurrentTScreen.reset();
  ccFlushMouseHook = savedHook;
}

}  // namespace

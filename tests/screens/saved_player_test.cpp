// The remembered player's file at the start of the real game: a file cut short is reported with
// what was found and set aside, the title stays usable, and the next start opens the player
// cleanly.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/game.h"
#include "core/globals.h"
#include "platform/files.h"
#include "play/game_screen.h"
#include "progress/player.h"
#include "progress/save_data.h"
#include "screens/globals.h"
#include "screens/level_select_screen.h"
#include "screens/title_screen.h"
#include "tests/screens/menu_game.h"
#include "ui/profile.h"

using namespace menu_test;

namespace {

TEST(SavedPlayerTest, ACutFileIsSetAsideAndTheNextStartIsClean) {
  if (!LoadGame()) GTEST_SKIP() << "no data folder";
  Quiesce();
  ResetProfiles({"Tess"});
  const std::string path = Game->ProfilePath + "Tess.dat";
  auto bytes = FileBytes(path);
  ASSERT_GT(bytes.size(), 2000u);
  bytes.resize(bytes.size() - 37);  // inside the last key section
  ASSERT_TRUE(platform::WriteFileAtomic(path, bytes));

  Game->ProfileName = "Tess";
  Game->CurrentProfile = nullptr;
  TitleScreen->EnterName = nullptr;
  TitleScreen->PromptForName();
  ASSERT_TRUE(Game->CurrentProfile);
  // The message names the file and what was found in it.
  const std::string& message = Game->CurrentProfile->LastError;
  const std::string found = "the saved game ends inside the course states, at byte ";
  EXPECT_EQ(message.rfind("The player profile '" + path + "' is damaged (" + found, 0), 0u)
      << message;
  EXPECT_EQ(FileBytes(path + ".damaged"), bytes);

  // The title is usable.
  Enter(TitleScreen, LevelSelectScreen);
  ASSERT_TRUE(Settle(TitleScreen));
  EXPECT_EQ(Game->CurrentTScreen, TitleScreen);

  // The next start meets no damaged file: with no player file left it asks for a name (or opens
  // a player written since) without a word, and sets nothing more aside.
  Game->CurrentProfile = nullptr;
  TitleScreen->EnterName = nullptr;
  TitleScreen->PromptForName();
  if (Game->CurrentProfile) {
    EXPECT_EQ(Game->CurrentProfile->LastError, "");
  } else {
    EXPECT_TRUE(TitleScreen->EnterName);
  }
  EXPECT_FALSE(platform::FileExists(path + ".damaged.2"));
  TitleScreen->EnterName = nullptr;
}

}  // namespace

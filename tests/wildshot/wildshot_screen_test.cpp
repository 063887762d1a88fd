#include "wildshot/wildshot_screen.h"

#include <gtest/gtest.h>

#include "core/game.h"
#include "core/globals.h"
#include "platform/files.h"
#include "platform/system.h"
#include "util/error.h"
#include "util/globals.h"

namespace {

class WildshotScreenTest : public testing::Test {
 protected:
  void SetUp() override {
    Game = std::make_shared<TGame>();
    ccErrorPath = platform::UserDataFolder();
    Game->TextPath = platform::UserDataFolder() + "text/";
    platform::CreateFolder(Game->TextPath);
  }
  void TearDown() override { Game.reset(); }
};

TEST_F(WildshotScreenTest, TheStoryFileIsReadAndAMissingOneIsFatal) {
  TWildshotScreen screen;
  EXPECT_THROW(screen.LoadTextData(), ccFatalError);
  ASSERT_TRUE(platform::WriteFileAtomic(Game->TextPath + "wildshots.txt", std::string("[A]\r\nline\r\n")));
  screen.LoadTextData();
  ASSERT_GE(screen.StoryLines.size(), 2u);
  EXPECT_EQ(screen.StoryLines[0], "[A]");
  EXPECT_EQ(screen.StoryLines[1], "line");
}

}  // namespace

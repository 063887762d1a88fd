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
    // The process's data folder outlives a test: a story file left by an earlier run is gone.
    platform::DeleteFile(Game->TextPath + "wildshots.txt");
  }
  void TearDown() override { Game.reset(); }
};

TEST_F(WildshotScreenTest, TheStoryFileIsReadAndAMissingOrBrokenOneIsFatal) {
  TWildshotScreen screen;
  EXPECT_THROW(screen.LoadTextData(), ccFatalError);
  ASSERT_TRUE(platform::WriteFileAtomic(Game->TextPath + "wildshots.txt", std::string("[A]\r\nline\r\n")));
  try {
    screen.LoadTextData();
    ADD_FAILURE() << "a broken story file was accepted";
  } catch (const ccFatalError& e) {
    EXPECT_NE(std::string(e.what()).find("[INITIAL TEXT] header hot found"), std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find("wildshots.txt"), std::string::npos) << e.what();
  }
  std::string file = "\xEF\xBB\xBF[INITIAL TEXT]\r\nHello\r\n[PENALTY 1]\r\nP1\r\n[PENALTY 2]\r\nP2\r\n[SHUFFLING]\r\nS\r\n";
  for (int n = 1; n <= 2; ++n)
    file += "[" + std::to_string(n) + "]\r\n[TITLE]\r\nt\r\n[GOOD]\r\n1\r\n[FRAMES]\r\n8\r\n[CHANCE]\r\n2\r\n"
            "[STORY]\r\nA\r\n[RESULT]\r\nB XX\r\n";
  file += "[3]\r\n[TITLE]\r\nt\r\n[GOOD]\r\n0\r\n[FRAMES]\r\n8\r\n[CHANCE]\r\n0\r\n[STORY]\r\n[RESULT]\r\n";
  for (int n = 4; n <= 6; ++n)
    file += "[" + std::to_string(n) + "]\r\n[TITLE]\r\nt\r\n[GOOD]\r\n1\r\n[FRAMES]\r\n8\r\n[CHANCE]\r\n1\r\n"
            "[STORY]\r\nA\r\n[RESULT]\r\nXX\r\n";
  ASSERT_TRUE(platform::WriteFileAtomic(Game->TextPath + "wildshots.txt", file));
  screen.LoadTextData();
  EXPECT_EQ(screen.InitialText, std::vector<std::string>{"Hello"});
  EXPECT_EQ(screen.StoriesCount, 6);
  EXPECT_EQ(screen.ChanceCount, 7);
  EXPECT_EQ(screen.GoodChance, 7);
  EXPECT_EQ(screen.Stories[2].Story.size(), 0u);
}

}  // namespace

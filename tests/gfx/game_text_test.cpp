#include "gfx/game_text.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>
#include <string>

#include "gfx_test_support.h"
#include "util/error.h"

namespace {

class GameTextTest : public gfx_test::GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    Game->TextPath = gfx_test::Fixture("text/");
  }
};

TEST_F(GameTextTest, LaterEntryWinsWhateverTheCase) {
  auto table = TGameText::Create("gametext_utf8.txt");
  EXPECT_EQ(table->Count(), 6);
  EXPECT_EQ(table->FindString("GREETING"), "Good day\r\nto you");
  EXPECT_EQ(table->FindString("greeting"), "Good day\r\nto you");
}

TEST_F(GameTextTest, ValueLinesAreJoinedWithCarriageReturnLineFeed) {
  auto table = TGameText::Create("gametext_utf8.txt");
  EXPECT_EQ(table->FindString("Three"), "One\r\nTwo\r\nThree");
  EXPECT_EQ(table->FindString("trailing"), "Last line\r\n");  // the empty line before "[TEXT]"
  EXPECT_EQ(table->FindString("KeyOnly"), "");
  EXPECT_EQ(table->FindString("missing"), "");
  EXPECT_TRUE(table->Find("missing").empty());
  EXPECT_EQ(table->FindString("currency"), "Costs \xE2\x82\xAC" "5 or \xC2\xA5" "5");
}

TEST_F(GameTextTest, EveryEncodingGivesTheSameEntries) {
  auto utf8 = TGameText::Create("gametext_utf8.txt");
  for (const char* file : {"gametext_utf16le.txt", "gametext_utf16be.txt"}) {
    auto other = TGameText::Create(file);
    EXPECT_EQ(other->Entries, utf8->Entries) << file;
  }
  auto latin = TGameText::Create("gametext_latin1.txt");
  EXPECT_EQ(latin->FindString("CAFE"), "Caf\xC3\xA9 cr\xC3\xA8me");
}

TEST_F(GameTextTest, ASectionWithoutItsHeaderIsFatal) {
  // The message names the file and the line that should have been the header.
  const std::pair<const char*, int> cases[] = {{"gametext_badheader.txt", 4}, {"gametext_noheader.txt", 1}};
  for (const auto& [file, line] : cases) {
    try {
      TGameText::Create(file);
      FAIL() << "expected a fatal error for " << file;
    } catch (const ccFatalError& e) {
      EXPECT_EQ(std::string(e.what()), "[TEXT] header hot found (" + gfx_test::Fixture("text/") + file +
                                           ", line " + std::to_string(line) + ")");
    }
  }
  try {
    TGameText::Create("nothere.txt");
    FAIL() << "expected a fatal error";
  } catch (const ccFatalError& e) {
    EXPECT_EQ(std::string(e.what()), "Error loading file " + gfx_test::Fixture("text/nothere.txt"));
  }
}

TEST_F(GameTextTest, TheGamesOwnTableReads) {
  const char* data = std::getenv("QUILLBROOK_DATA");
  const std::string folder = std::string(data ? data : "") + "Data/text/";
  if (!platform::FileExists(folder + "gametext.txt")) GTEST_SKIP() << "the data folder is not staged";
  Game->TextPath = folder;
  auto table = TGameText::Create("gametext.txt");
  EXPECT_GT(table->Count(), 10);
  for (const auto& entry : table->Entries) EXPECT_FALSE(entry.empty());
}

TEST_F(GameTextTest, ReadingAgainReplacesTheTable) {
  auto table = TGameText::Create("gametext_utf8.txt");
  table->Read("gametext_latin1.txt");
  EXPECT_EQ(table->Count(), 1);
  EXPECT_EQ(table->FindString("greeting"), "");
}

}  // namespace

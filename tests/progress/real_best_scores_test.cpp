// The best scores as the game's loading stage reads them from the per-user folder: a "best.dat" cut
// inside its last record keeps its 349 whole entries and is set aside.
#include <gtest/gtest.h>

#include "content/globals.h"
#include "core/game.h"
#include "core/globals.h"
#include "platform/files.h"
#include "platform/system.h"
#include "progress/best_score_list.h"
#include "tests/content/real_game.h"

namespace {

TEST(RealBestScores, ACutFileFromTheLastRunKeepsItsWholeEntries) {
  const std::string prefix = platform::DataPrefix();
  if (!DataFolderPresent(prefix)) GTEST_SKIP() << "no data folder at " << prefix;
  // A full table of the game's 70 courses, as the last run left it, then cut inside its last record.
  const std::string folder = platform::UserDataFolder() + "Marrowfen/Quillbrook/";
  ASSERT_TRUE(platform::CreateFolder(folder));
  {
    Game = std::make_shared<TGame>();
    Game->SubPath = folder;
    Game->MaxLevels = 70;
    TBestScoreList full;
    full.Generate();
    ASSERT_EQ(full.Count(), 350);
    ASSERT_EQ(full.Save(), 0);
    Game.reset();
  }
  auto bytes = *platform::ReadFileBytes(folder + "best.dat");
  bytes.resize(bytes.size() - 5);
  ASSERT_TRUE(platform::WriteFileAtomic(folder + "best.dat", bytes));

  StartGameForLoading(prefix, 0);  // without the show, the intro runs the second stage at once
  ASSERT_TRUE(BestScores);
  EXPECT_EQ(BestScores->Count(), 349);
  EXPECT_EQ(BestScores->ForCourse(69).size(), 4u);
  EXPECT_TRUE(platform::FileExists(folder + "best.dat.damaged"));
  EXPECT_NE(BestScores->LastError.find("best.dat"), std::string::npos);
  // Rewritten whole: the next start reads it without a word.
  TBestScoreList again;
  again.Load();
  EXPECT_EQ(again.Count(), 349);
  EXPECT_TRUE(again.LastError.empty());
}

}  // namespace

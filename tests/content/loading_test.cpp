#include "content/loading.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/game.h"
#include "core/globals.h"
#include "platform/files.h"
#include "platform/graphics.h"
#include "screens/run_game.h"

namespace {

// The orderly exit on a game set up as the entry does it, over the test's own per-user folder.
TEST(ShutdownTest, WritesTheCleanExitMarkerAndReleasesTheChannels) {
  const auto saved = Game;
  Game = std::make_shared<TGame>();
  InstallGameUpperLayer();
  Game->SetSubPathWrapper("Marrowfen/Quillbrook");
  Game->Init(0);
  Game->ChannelsCreate(16);
  const std::string marker = Game->SubPath + "GoodExit.dat";
  platform::DeleteFile(marker);
  ASSERT_NE(Game->Channels, nullptr);

  EXPECT_EQ(Shutdown(), 0);
  EXPECT_TRUE(platform::FileExists(marker));
  EXPECT_EQ(Game->Channels, nullptr);
  EXPECT_EQ(Game->MusicChannel, nullptr);
  Game = saved;
}

}  // namespace

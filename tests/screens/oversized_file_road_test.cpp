// A player's file grown far past its size bound (as a damaged disk can leave it) at the start of the
// real program, headless: the file is set aside unread, the game starts to its title and ends
// cleanly, and the other player files are untouched. Two runs of the entry in one process: a first
// run makes the players, the second starts over the grown file.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/game.h"
#include "core/globals.h"
#include "ui/profile.h"
#include "platform/files.h"
#include "platform/input.h"
#include "platform/system.h"
#include "screens/globals.h"
#include "screens/title_screen.h"
#include "tests/screens/scripted_player.h"
#include "tests/support/harness.h"
#include "util/files.h"
#include "util/globals.h"
#include "util/input.h"

using namespace road_test;

namespace {

constexpr int kFrameBudget = 4000;

struct Grown {
  const char* file;  // below the per-user folder
  std::int64_t bound;
};

class OversizedFileRoadTest : public testing::TestWithParam<Grown> {
 protected:
  void SetUp() override {
    EmptyUserFolder();
    ccModalLoopHook = &AdvanceModal;
    platform::SetManualClock(1000000);
  }
  void TearDown() override {
    ccModalLoopHook = nullptr;
    ccDisablePolledInput();
    FlushKeys();
  }

  // Runs the program until the title rests (answering a first run's prompt with `name`, when it
  // asks), then closes it. Returns the exit status.
  static int StartAndQuitOnTheTitle(const std::string& name, bool* reached) {
    TScriptedPlayer player;
    bool quit = false;
    player.onScreen = [&](const std::shared_ptr<TScreen>& s) {
      if (quit || s != TitleScreen || Game->Fading() != 0) return;
      if (player.AnswerFirstRun(name) || !player.Rested(1000)) return;
      *reached = true;
      quill_test::PushEventKind(platform::EVENT_APP_TERMINATE);
      quit = true;
    };
    return player.Play(kFrameBudget);
  }

  static std::vector<unsigned char> Bytes(const std::string& path) {
    return platform::ReadFileBytes(path).value_or(std::vector<unsigned char>{});
  }
};

TEST_P(OversizedFileRoadTest, IsSetAsideAndTheGameStartsWithTheOtherFilesWhole) {
  bool reached = false;
  ASSERT_EQ(StartAndQuitOnTheTitle("Ann", &reached), 0);
  ASSERT_TRUE(reached);
  const std::string folder = Game->SubPath;
  const std::string ann = Game->ProfilePath + "Ann.dat";
  const std::string bob = Game->ProfilePath + "Bob.dat";
  ASSERT_TRUE(platform::CopyFile(ann, bob));
  const std::vector<std::string> files = {folder + "Quillbrook.ini", ann, bob, folder + "best.dat"};
  for (const auto& f : files) ASSERT_TRUE(platform::FileExists(f)) << f;

  const std::string grown = folder + GetParam().file;
  std::filesystem::resize_file(grown, static_cast<std::uintmax_t>(GetParam().bound + 1));
  std::vector<std::vector<unsigned char>> before;
  for (const auto& f : files) before.push_back(f == grown ? std::vector<unsigned char>{} : Bytes(f));

  // Without the settings or Ann's file the title asks for a player: a new one.
  reached = false;
  ASSERT_EQ(StartAndQuitOnTheTitle("Cid", &reached), 0);
  EXPECT_TRUE(reached);
  EXPECT_EQ(platform::FileSize(grown + ".damaged"), GetParam().bound + 1);
  const std::string log = quill_test::ReadWholeFile(ccErrorPath + "ErrorLog.txt");
  EXPECT_NE(log.find(grown), std::string::npos) << log;
  EXPECT_NE(log.find("more than the " + std::to_string(GetParam().bound)), std::string::npos) << log;
  // The other player's file as it was; the player files the game rewrites as it starts (the
  // settings, the current player and the best scores) still whole and read without a word.
  EXPECT_EQ(Bytes(bob), before[2]);
  for (const auto& f : files) {
    if (f == grown) continue;
    EXPECT_FALSE(platform::FileExists(f + ".damaged")) << f;
    EXPECT_GT(platform::FileSize(f), 0) << f;
  }
  if (grown == folder + "best.dat") {
    EXPECT_EQ(Game->CurrentProfile ? Game->CurrentProfile->Name : "", "Ann");
  }
}

INSTANTIATE_TEST_SUITE_P(EachPlayerFile, OversizedFileRoadTest,
                         testing::Values(Grown{"Quillbrook.ini", SETTINGS_FILE_MAX_BYTES},
                                         Grown{"profiles/Ann.dat", PROFILE_FILE_MAX_BYTES},
                                         Grown{"best.dat", BEST_SCORES_FILE_MAX_BYTES}),
                         [](const testing::TestParamInfo<Grown>& info) {
                           std::string name;
                           for (const char* c = info.param.file; *c != 0 && *c != '.'; ++c)
                             if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
                           return name;
                         });

}  // namespace

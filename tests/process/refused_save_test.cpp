// A save the game refuses at its quit is never silent. The per-user folder is moved away while a
// hole is in play, then the game is quit (SIGTERM, or the window's close button on a virtual X
// display): the round's save is refused, since the copy writes only in the folder it started
// with. The refusal is named on standard error with the player's file and the reason, and the
// program ends with a non-zero status; nothing is written at the folder's old path, and the moved
// folder keeps the round as it was last saved.
//   The game is the real program (the game's entry, as main() runs it) in a process of its own,
// played to the first hole by the screens' scripted player.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <string>

#include "cards/globals.h"
#include "core/game.h"
#include "core/globals.h"
#include "platform/input.h"
#include "platform/system.h"
#include "play/game_screen.h"
#include "screens/globals.h"
#include "tests/process/game_process.h"
#include "tests/screens/scripted_player.h"
#include "tests/support/harness.h"
#include "tests/support/virtual_display.h"
#include "util/globals.h"

namespace {

namespace fs = std::filesystem;
using quill_process::GameProcess;

// Far beyond what a first run to the first hole and a quit take on a loaded machine; only a
// program that hangs reaches it.
constexpr int kLimitMs = 180000;
constexpr int kFrameBudget = 4000;  // 200 s of the game's clock

// Set for the run of the program in a process of its own: the per-user root it plays in.
constexpr char kChildHome[] = "QUILL_REFUSED_SAVE_HOME";
// Made by that run, beside the per-user folder, once the first hole rests before the player.
constexpr char kInPlay[] = "in_play";

struct QuitWay {
  const char* name;
  bool window;  // the window's close button; else SIGTERM
};

void PrintTo(const QuitWay& way, std::ostream* out) { *out << way.name; }

class RefusedSaveAtQuit : public testing::TestWithParam<QuitWay> {};

TEST_P(RefusedSaveAtQuit, IsNamedOnStandardErrorAndEndsWithAFailureStatus) {
  std::optional<quill_test::VirtualDisplay> display;
  if (GetParam().window) {
    display.emplace();
    ASSERT_TRUE(display->Ready()) << display->Error();
  }
  const std::string xdg =
      quill_process::FreshFolder(std::string("refused_save_") + GetParam().name);
  const std::string user = quill_process::UserFolder(xdg);
  const std::string moved = xdg + "Marrowfen/Quillbrook moved/";
  const quill_process::TestRun run{"RefusedSaveRun.PlaysTheFirstHoleUntilItsQuit",
                                   {{kChildHome, xdg}}};
  GameProcess game(xdg, run, GetParam().window ? "x11" : "dummy");
  ASSERT_TRUE(game.WaitUntil([&] { return fs::exists(xdg + kInPlay) || game.Ended(); }, kLimitMs));
  ASSERT_TRUE(fs::exists(xdg + kInPlay)) << game.Output();
  const std::string saved = quill_test::ReadWholeFile(user + "profiles/Kim.dat");
  fs::rename(fs::path(user).parent_path(), fs::path(moved).parent_path());

  if (GetParam().window) {
    const std::string close = std::string(QUILL_CLOSE_WINDOW) + " " + std::to_string(game.Pid()) +
                              " Quillbrook " + std::to_string(kLimitMs);
    ASSERT_EQ(std::system(close.c_str()), 0) << game.Output();
  } else {
    game.Signal(SIGTERM);
  }
  EXPECT_EQ(game.WaitForExit(kLimitMs), 1) << game.Output();
  const std::string said = game.Output();
  EXPECT_NE(said.find("Error: Could not create file '" + user + "profiles/Kim.dat': the folder " +
                      user + " was moved or removed while the game ran"),
            std::string::npos)
      << said;
  EXPECT_NE(said.find("Quillbrook ended with 1 save refused"), std::string::npos) << said;
  EXPECT_FALSE(fs::exists(user)) << "the refused copy wrote at its folder's old path";
  EXPECT_EQ(quill_test::ReadWholeFile(moved + "profiles/Kim.dat"), saved);
}

INSTANTIATE_TEST_SUITE_P(Quits, RefusedSaveAtQuit,
                         testing::Values(QuitWay{"Terminate", false}, QuitWay{"WindowClose", true}),
                         [](const testing::TestParamInfo<QuitWay>& info) {
                           return std::string(info.param.name);
                         });

// The run of the program for the test above, in a process of its own (skipped in any other run):
// a first run to the first hole, which is left alone once it rests; then nothing until a quit
// comes, which the program carries out as it would under main(). The process ends with the
// program's status.
TEST(RefusedSaveRun, PlaysTheFirstHoleUntilItsQuit) {
  const char* home = std::getenv(kChildHome);
  if (home == nullptr) GTEST_SKIP() << "run by RefusedSaveAtQuit in a process of its own";
  const std::string xdg = home;
  quill_process::EnterChildRun(xdg);
  road_test::TScriptedPlayer player;
  player.StartTheFirstCourse("Kim");
  bool inPlay = false;
  const int status = player.Play(kFrameBudget, [&] {
    if (inPlay || Game->CurrentTScreen != GameScreen || !GameGrid || player.holesSeen != 1) return;
    player.holdPlay = true;
    if (!road_test::TScriptedPlayer::PlayRests() || !player.Rested(200)) return;
    inPlay = true;
    { std::ofstream(xdg + kInPlay + ".tmp", std::ios::binary) << "in play"; }
    fs::rename(xdg + kInPlay + ".tmp", xdg + kInPlay);
    // The test moves the folder away meanwhile, then quits.
    while (!platform::QuitPending()) platform::WaitForEvent(1000);
  });
  std::fflush(nullptr);
  // Ends as main() would end with that status (the test program's own checks belong to the
  // test that started this run).
  ::_exit(inPlay ? status : 99);
}

}  // namespace

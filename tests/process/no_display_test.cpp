// The real program started where nothing can be shown (no display, no video driver asked for by
// name: a start from a text console or over ssh) says so and ends at once, without the per-user
// folder's lock and without touching a file, so the next start on a display runs.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/process/game_process.h"

namespace {

namespace fs = std::filesystem;
using quill_process::GameProcess;
using quill_process::kNoSplash;

// A hang guard only: the program ends within a second or two, and a run that found nothing to
// refuse never ends by itself.
constexpr int kLimitMs = 30000;

// Whether this user can open a graphics card's console display, where SDL's "KMSDRM" driver
// really shows the game without any display server.
bool ConsoleDisplayOpens() {
  std::error_code missing;
  for (const auto& entry : fs::directory_iterator("/dev/dri", missing)) {
    if (entry.path().filename().string().rfind("card", 0) != 0) continue;
    const int fd = ::open(entry.path().c_str(), O_RDWR | O_CLOEXEC);
    if (fd >= 0) {
      ::close(fd);
      return true;
    }
  }
  return false;
}

TEST(NoDisplay, TheProgramSaysSoAndEndsTouchingNothing) {
  if (ConsoleDisplayOpens())
    GTEST_SKIP() << "the game would show on this machine's console display";
  const std::string xdg = quill_process::FreshFolder("no_display");
  const std::string user = quill_process::UserFolder(xdg);
  quill_process::WriteSettings(xdg, kNoSplash);
  // What an interrupted save left: a start that got as far as its clean-up would remove it.
  fs::create_directories(user + "profiles");
  std::ofstream(user + "profiles/Kim.dat.tmp-Zz99Yy", std::ios::binary) << "half a save";
  const quill_process::Snapshot before = quill_process::Take(user);

  GameProcess game(xdg, quill_process::StagedDataPrefix(), quill_process::kNoDisplay);
  double seconds = 0;
  EXPECT_EQ(game.WaitForExit(kLimitMs, &seconds), 1) << game.Output();
  std::printf("ended %.3f s after its start\n", seconds);
  EXPECT_NE(game.Output().find("Quillbrook needs a graphical display: DISPLAY is not set"),
            std::string::npos)
      << game.Output();
  EXPECT_FALSE(fs::exists(user + "Quillbrook.lock"));
  EXPECT_EQ(quill_process::Changes(before, quill_process::Take(user)), "");

  // The next start, on a display (here the dummy driver, asked for by name), has the folder.
  GameProcess next(xdg, quill_process::StagedDataPrefix());
  ASSERT_TRUE(next.WaitUntil([&] { return next.CatchesTerminate(); }, kLimitMs)) << next.Output();
  next.Signal(SIGTERM);
  EXPECT_EQ(next.WaitForExit(kLimitMs), 0) << next.Output();
  EXPECT_FALSE(fs::exists(user + "profiles/Kim.dat.tmp-Zz99Yy"));
}

// A per-user folder that does not exist yet is not made.
TEST(NoDisplay, MakesNoPerUserFolder) {
  if (ConsoleDisplayOpens())
    GTEST_SKIP() << "the game would show on this machine's console display";
  const std::string xdg = quill_process::FreshFolder("no_display_fresh");
  GameProcess game(xdg, quill_process::StagedDataPrefix(), quill_process::kNoDisplay);
  EXPECT_EQ(game.WaitForExit(kLimitMs), 1) << game.Output();
  EXPECT_FALSE(fs::exists(xdg + "Marrowfen")) << game.Output();
}

}  // namespace

// The real program, started as a player would start it, and ended by a quit request: after a fatal
// error, during the splash, and by the window's close button. Each checks the exit status and the
// files left behind. A quit that was dropped leaves the program running: each waits for the end
// with a generous limit (kEndLimitMs) and prints how soon it came, for the record; speed is not a
// test's to judge.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/process/game_process.h"
#include "tests/support/virtual_display.h"

namespace {

namespace fs = std::filesystem;
using quill_process::GameProcess;
using quill_process::kNoSplash;

// Settings that show the studio splash (four seconds) in a window.
constexpr char kSplash[] = "FULL SCREEN=0\r\nFADE=1\r\nPORTAL SPLASH=0\r\nPORTAL SPLASH2=0\r\n";

bool Exists(const std::string& path) { return fs::exists(path); }

// How long a test waits for the program to end after a quit: far beyond the half second a quit
// takes, so a loaded machine never fails it, yet a quit that was dropped does.
constexpr int kEndLimitMs = 30000;

struct DamagedFile {
  const char* name;
  const char* file;  // under Data/
  const char* bytes;
};

class FatalErrorQuit : public testing::TestWithParam<DamagedFile> {};

// A damaged data file found after the window opened: the log is written before the box shows, and
// a quit request ends the box and the program with status 1 (no clean-exit marker).
TEST_P(FatalErrorQuit, EndsWithStatusOneSoonAfterAQuitWithTheLogWritten) {
  const DamagedFile& damaged = GetParam();
  const std::string xdg = quill_process::FreshFolder(std::string("fatal_") + damaged.name);
  const std::string data = quill_process::DataFolderWith(std::string("data_") + damaged.name,
                                                         {{damaged.file, damaged.bytes}});
  quill_process::WriteSettings(xdg, kNoSplash);
  const std::string log = quill_process::UserFolder(xdg) + "ErrorLog.txt";
  GameProcess game(xdg, data);
  // The log appears while the box is up, before any input: it is written first.
  ASSERT_TRUE(game.WaitUntil([&] { return Exists(log); }, kEndLimitMs)) << game.Output();
  ASSERT_TRUE(game.WaitUntil([&] { return game.CatchesTerminate(); }, kEndLimitMs));
  game.Signal(SIGTERM);
  double seconds = 0;
  EXPECT_EQ(game.WaitForExit(kEndLimitMs, &seconds), 1) << game.Output();
  std::printf("%s: ended %.3f s after SIGTERM\n", damaged.name, seconds);
  EXPECT_FALSE(Exists(quill_process::UserFolder(xdg) + "GoodExit.dat"));
  struct stat st{};
  ASSERT_EQ(::stat(log.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0644u);
}

INSTANTIATE_TEST_SUITE_P(
    DamagedData, FatalErrorQuit,
    testing::Values(DamagedFile{"text_table_without_header", "text/gametext.txt", "MENU_PLAY\r\nPlay\r\n"},
                    DamagedFile{"empty_course_list", "levels/CourseList.csv", ""},
                    DamagedFile{"empty_picture", "graphics/Loading/clickhere.png", ""},
                    DamagedFile{"empty_sound", "sound/5x.ogg", ""}),
    [](const testing::TestParamInfo<DamagedFile>& info) { return std::string(info.param.name); });

// SIGTERM (and SIGINT) during the studio splash end the program cleanly.
TEST(SplashQuit, SignalsEndTheProgramCleanly) {
  for (const int signal : {SIGTERM, SIGINT}) {
    const std::string xdg = quill_process::FreshFolder("splash_signal_" + std::to_string(signal));
    quill_process::WriteSettings(xdg, kSplash);
    GameProcess game(xdg, quill_process::StagedDataPrefix());
    // The signal handler comes with the event system, as the window opens; the splash follows at
    // once and shows for four seconds. A quit before its first frame ends it as one during it.
    ASSERT_TRUE(game.WaitUntil([&] { return game.CatchesTerminate(); }, kEndLimitMs)) << game.Output();
    game.Signal(signal);
    double seconds = 0;
    EXPECT_EQ(game.WaitForExit(kEndLimitMs, &seconds), 0) << game.Output() << "signal " << signal;
    std::printf("signal %d during the splash: ended %.3f s after it\n", signal, seconds);
    EXPECT_TRUE(Exists(quill_process::UserFolder(xdg) + "GoodExit.dat"));
    EXPECT_FALSE(Exists(quill_process::UserFolder(xdg) + "ErrorLog.txt"));
  }
}

// Every file and folder a first run writes is readable by all, writable only by the player and
// never executable.
TEST(FirstRun, WritesNoFileOrFolderOthersCanWriteOrRun) {
  const std::string xdg = quill_process::FreshFolder("first_run");
  GameProcess game(xdg, quill_process::StagedDataPrefix());
  ASSERT_TRUE(game.WaitUntil([&] { return game.CatchesTerminate(); }, kEndLimitMs)) << game.Output();
  game.Signal(SIGTERM);
  ASSERT_EQ(game.WaitForExit(kEndLimitMs), 0) << game.Output();
  std::vector<std::string> seen;
  for (const auto& entry : fs::recursive_directory_iterator(xdg + "Marrowfen")) {
    struct stat st{};
    ASSERT_EQ(::lstat(entry.path().c_str(), &st), 0);
    const unsigned mode = st.st_mode & 07777;
    seen.push_back(entry.path().filename().string());
    EXPECT_EQ(mode, S_ISDIR(st.st_mode) ? 0755u : 0644u) << entry.path();
  }
  // The settings file, the clean-exit marker and the folders are among them.
  for (const char* name : {"Quillbrook.ini", "GoodExit.dat", "profiles"}) {
    EXPECT_NE(std::find(seen.begin(), seen.end(), name), seen.end()) << name;
  }
}

// Under a virtual X display of its own: the window's close button during the splash ends the
// program cleanly.
TEST(WindowClose, DuringTheSplashEndsTheProgramCleanly) {
  const quill_test::VirtualDisplay display;
  ASSERT_TRUE(display.Ready()) << display.Error();
  const std::string xdg = quill_process::FreshFolder("window_close");
  quill_process::WriteSettings(xdg, kSplash);
  GameProcess game(xdg, quill_process::StagedDataPrefix(), "x11");
  // Closes the window the game's own process made, never another program's (the OpenGL probe's
  // child has a window of its own while the game starts).
  const std::string close = std::string(QUILL_CLOSE_WINDOW) + " " + std::to_string(game.Pid()) + " Quillbrook " +
                            std::to_string(kEndLimitMs);
  ASSERT_EQ(std::system(close.c_str()), 0) << game.Output();
  double seconds = 0;
  EXPECT_EQ(game.WaitForExit(kEndLimitMs, &seconds), 0) << game.Output();
  std::printf("window closed during the splash: ended %.3f s after the close was sent\n", seconds);
  EXPECT_TRUE(Exists(quill_process::UserFolder(xdg) + "GoodExit.dat"));
}

}  // namespace

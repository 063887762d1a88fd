// The real program with a named pipe where it expects a file: the start is never held waiting for a
// writer. One in the data folder where a sound is expected is reported by name as damaged, the
// program ends with status 1 after a quit request and lets the per-user folder go, so the next
// start runs; one at the settings' name is reported and set aside, and the game runs on.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "tests/process/game_process.h"
#include "tests/support/harness.h"

namespace {

namespace fs = std::filesystem;
using quill_process::GameProcess;
using quill_process::kNoSplash;

// A hang guard only: the file is refused within a second or two of the start. A start held by the
// pipe never writes its log, and fails here.
constexpr int kLimitMs = 30000;

TEST(PipeInPlaceOfAFile, APipeAtTheTitleMusicIsReportedByNameAndTheNextStartRuns) {
  const std::string xdg = quill_process::FreshFolder("pipe_title_music");
  const std::string data = quill_process::DataFolderWith("data_pipe_title_music", {});
  const std::string music = data + "Data/music/title theme.ogg";
  ASSERT_TRUE(fs::remove(music));
  ASSERT_EQ(::mkfifo(music.c_str(), 0644), 0) << std::strerror(errno);
  quill_process::WriteSettings(xdg, kNoSplash);
  const std::string log = quill_process::UserFolder(xdg) + "ErrorLog.txt";

  GameProcess game(xdg, data);
  // The error box is up once the log is written; a quit request ends it and the program.
  ASSERT_TRUE(game.WaitUntil([&] { return fs::exists(log); }, kLimitMs)) << game.Output();
  EXPECT_NE(quill_test::ReadWholeFile(log).find("The data file " + music +
                                                " is damaged: it is not a plain file."),
            std::string::npos)
      << quill_test::ReadWholeFile(log);
  ASSERT_TRUE(game.WaitUntil([&] { return game.CatchesTerminate(); }, kLimitMs)) << game.Output();
  game.Signal(SIGTERM);
  double seconds = 0;
  EXPECT_EQ(game.WaitForExit(kLimitMs, &seconds), 1) << game.Output();
  std::printf("ended %.3f s after SIGTERM\n", seconds);

  GameProcess next(xdg, quill_process::StagedDataPrefix());
  ASSERT_TRUE(next.WaitUntil([&] { return next.CatchesTerminate(); }, kLimitMs)) << next.Output();
  next.Signal(SIGTERM);
  EXPECT_EQ(next.WaitForExit(kLimitMs), 0) << next.Output();
  EXPECT_EQ(next.Output().find("already running"), std::string::npos) << next.Output();
}

TEST(PipeInPlaceOfAFile, APipeAtTheSettingsNameIsReportedAndSetAside) {
  const std::string xdg = quill_process::FreshFolder("pipe_settings");
  const std::string settings = quill_process::UserFolder(xdg) + "Quillbrook.ini";
  fs::create_directories(quill_process::UserFolder(xdg));
  ASSERT_EQ(::mkfifo(settings.c_str(), 0644), 0) << std::strerror(errno);

  GameProcess game(xdg, quill_process::StagedDataPrefix());
  // The report's alert is over once fresh settings are written; a quit then comes to the window.
  ASSERT_TRUE(
      game.WaitUntil([&] { return fs::is_regular_file(fs::symlink_status(settings)); }, kLimitMs))
      << game.Output();
  ASSERT_TRUE(game.WaitUntil([&] { return game.CatchesTerminate(); }, kLimitMs)) << game.Output();
  game.Signal(SIGTERM);
  EXPECT_EQ(game.WaitForExit(kLimitMs), 0) << game.Output();
  EXPECT_NE(game.Output().find("The settings file '" + settings +
                               "' is damaged: it is not a plain file; it has "
                               "been put aside as '" +
                               settings + ".damaged'."),
            std::string::npos)
      << game.Output();
  struct stat st {};
  ASSERT_EQ(::lstat((settings + ".damaged").c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
  ASSERT_EQ(::lstat(settings.c_str(), &st), 0);
  EXPECT_TRUE(S_ISREG(st.st_mode));
}

}  // namespace

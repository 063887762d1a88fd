// The real program and its per-user folder: one copy at a time (a second one is told and touches
// nothing, a killed one leaves the folder free, one whose folder was moved away writes nothing in a
// second one's folder made in its place), the start-up clean-up keeps every player's file
// however its name reads, every quit signal ends the game cleanly, a quit closes a start-up alert
// with the game, and a folder or file in the wrong place is reported as what it is (a folder at the
// settings' name is left there while the game plays on).
#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <fstream>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "core/game.h"
#include "core/globals.h"
#include "tests/process/game_process.h"
#include "tests/support/harness.h"
#include "tests/support/virtual_display.h"
#include "ui/profile.h"

namespace {

using quill_process::Changes;
using quill_process::ProcessesOf;
using quill_process::Snapshot;
using quill_process::Take;
using quill_test::ReadWholeFile;

namespace fs = std::filesystem;
using quill_process::GameProcess;
using quill_process::kNoSplash;

// Settings that show the studio splash (four seconds) in a window.
constexpr char kSplash[] = "FULL SCREEN=0\r\nFADE=1\r\nPORTAL SPLASH=0\r\nPORTAL SPLASH2=0\r\n";

// How long a test waits for an event of the program: far beyond what it takes, so a loaded machine
// never fails it, yet a program that never gets there does.
constexpr int kLimitMs = 30000;

// Saves a player's file under the per-user folder of `xdg`, as the game writes one.
void SavePlayer(const std::string& xdg, const std::string& name) {
  const std::shared_ptr<TGame> saved = Game;
  Game = std::make_shared<TGame>();
  Game->ProfilePath = quill_process::UserFolder(xdg) + "profiles/";
  fs::create_directories(Game->ProfilePath);
  auto player = TProfile::Create(name);
  player->Score = static_cast<int>(name.size()) * 100;
  const int result = player->Save();
  Game = saved;
  ASSERT_EQ(result, 0) << name;
}

// A second copy on the same folder is told that the game runs and changes nothing in it, not even
// the temporary file of a save the first copy has under way; a copy killed outright leaves the
// folder to the next one, whose clean-up then removes what the killed one left.
TEST(OneCopy, ASecondCopyTouchesNothingAndAKilledOneLeavesTheFolderFree) {
  const std::string xdg = quill_process::FreshFolder("one_copy");
  const std::string user = quill_process::UserFolder(xdg);
  quill_process::WriteSettings(xdg, kNoSplash);
  // The second copy reaches the same folder by another path (and writes its output elsewhere).
  const std::string other = quill_process::FreshFolder("one_copy_other");
  fs::create_directory_symlink(xdg + "Marrowfen", other + "Marrowfen");

  GameProcess first(xdg, quill_process::StagedDataPrefix());
  ASSERT_TRUE(first.WaitUntil([&] { return first.CatchesTerminate(); }, kLimitMs)) << first.Output();
  // The first copy stands still (its lock held) while the second runs, so only the second could
  // change the folder. It is saving: its settings and a player's file are half written.
  first.Signal(SIGSTOP);
  const std::vector<std::string> saving = {user + "Quillbrook.ini.tmp-Ab12Cd", user + "profiles/Kim.dat.tmp-Zz99Yy"};
  for (const auto& path : saving) std::ofstream(path, std::ios::binary) << "half a save";
  const Snapshot before = Take(xdg + "Marrowfen");
  {
    GameProcess second(other, quill_process::StagedDataPrefix());
    EXPECT_EQ(second.WaitForExit(kLimitMs), 1) << second.Output();
    EXPECT_NE(second.Output().find("Quillbrook is already running."), std::string::npos) << second.Output();
  }
  EXPECT_EQ(Changes(before, Take(xdg + "Marrowfen")), "") << "the second copy changed the per-user folder";
  first.Signal(SIGCONT);

  // A crash: the system drops the lock with the process.
  first.Signal(SIGKILL);
  EXPECT_EQ(first.WaitForExit(kLimitMs), -1);
  GameProcess next(other, quill_process::StagedDataPrefix());
  ASSERT_TRUE(next.WaitUntil([&] { return next.CatchesTerminate(); }, kLimitMs)) << next.Output();
  for (const auto& path : saving) EXPECT_FALSE(fs::exists(path)) << path;
  next.Signal(SIGTERM);
  EXPECT_EQ(next.WaitForExit(kLimitMs), 0) << next.Output();
  EXPECT_TRUE(fs::exists(user + "GoodExit.dat"));
}

// Whether process `pid` stands stopped (by SIGSTOP).
bool Stopped(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("State:", 0) == 0) return line.find('T') != std::string::npos;
  }
  return false;
}

// The per-user folder moved away while a copy runs lets a second copy start in a fresh folder of
// its own at the same path; nothing the first copy writes afterwards lands there (its clean-exit
// marker at its quit, here), it says why, and the moved folder keeps the player's files whole.
TEST(OneCopy, AFolderMovedAwayTakesNothingOfTheCopyThatHeldItIntoTheNewOne) {
  const std::string xdg = quill_process::FreshFolder("moved_away");
  const std::string user = quill_process::UserFolder(xdg);
  const std::string moved = xdg + "Marrowfen/Quillbrook moved/";
  quill_process::WriteSettings(xdg, std::string(kNoSplash) + "PROFILE NAME=Kim\r\n");
  SavePlayer(xdg, "Kim");
  const std::string kim = ReadWholeFile(user + "profiles/Kim.dat");
  const std::string other = quill_process::FreshFolder("moved_away_other");
  fs::create_directory_symlink(xdg + "Marrowfen", other + "Marrowfen");

  GameProcess first(xdg, quill_process::StagedDataPrefix());
  // Its start-up writes end with the best scores, made at loading.
  ASSERT_TRUE(first.WaitUntil(
      [&] { return first.CatchesTerminate() && fs::exists(user + "best.dat"); }, kLimitMs))
      << first.Output();
  fs::rename(fs::path(user).parent_path(), fs::path(moved).parent_path());
  GameProcess second(other, quill_process::StagedDataPrefix());
  ASSERT_TRUE(second.WaitUntil([&] { return second.CatchesTerminate(); }, kLimitMs))
      << second.Output();
  ASSERT_TRUE(fs::is_directory(user)) << "the second copy made no folder of its own";
  // The second copy stands still meanwhile, so only the first could change its folder.
  second.Signal(SIGSTOP);
  ASSERT_TRUE(second.WaitUntil([&] { return Stopped(second.Pid()); }, kLimitMs));
  const Snapshot before = Take(user);

  first.Signal(SIGTERM);
  EXPECT_EQ(first.WaitForExit(kLimitMs), 0) << first.Output();
  EXPECT_EQ(Changes(before, Take(user)), "") << "the first copy wrote in the second one's folder";
  EXPECT_NE(first.Output().find("the clean-exit marker " + user +
                                "GoodExit.dat could not be written: the folder " + user +
                                " was moved or removed while the game ran"),
            std::string::npos)
      << first.Output();
  EXPECT_EQ(ReadWholeFile(moved + "profiles/Kim.dat"), kim);
  EXPECT_TRUE(fs::exists(moved + "Quillbrook.ini"));

  second.Signal(SIGCONT);
  second.Signal(SIGTERM);
  EXPECT_EQ(second.WaitForExit(kLimitMs), 0) << second.Output();
  EXPECT_TRUE(fs::exists(user + "GoodExit.dat"));
}

// A copy that cannot take the lock because the folder is read-only says so (in a mount namespace
// of its own, where the per-user folder is mounted read-only).
TEST(OneCopy, AReadOnlyFolderIsReportedWithItsReason) {
  constexpr int kNoPrivateMount = 77;
  const std::string xdg = quill_process::FreshFolder("read_only");
  const std::string user = quill_process::UserFolder(xdg);
  quill_process::WriteSettings(xdg, kNoSplash);
  GameProcess game(xdg, quill_process::StagedDataPrefix(), "dummy", [user] {
    if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount(user.c_str(), user.c_str(), nullptr, MS_BIND, nullptr) != 0 ||
        ::mount(nullptr, user.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) != 0) {
      ::_exit(kNoPrivateMount);
    }
  });
  const int status = game.WaitForExit(kLimitMs);
  if (status == kNoPrivateMount) GTEST_SKIP() << "no private read-only mount can be made here";
  EXPECT_EQ(status, 1) << game.Output();
  EXPECT_NE(game.Output().find("Cannot lock shared data folder " + user + ": Read-only file system"),
            std::string::npos)
      << game.Output();
}

// Players whose names end like a temporary file keep their files at every start, the current one
// included; the temporary files interrupted saves left are removed beside them.
TEST(StartUpCleanUp, KeepsPlayersWhoseNamesLookLikeTemporaryFiles) {
  const std::string xdg = quill_process::FreshFolder("temp_like_players");
  const std::string user = quill_process::UserFolder(xdg);
  // "<player>.dat" is "<anything>.tmp-" and six characters for each of these.
  const std::vector<std::string> players = {"al.tmp-Jo", "Ann.dat.tmp-a1", "x.tmp-12", "Kim"};
  for (const auto& name : players) SavePlayer(xdg, name);
  quill_process::WriteSettings(xdg, std::string(kNoSplash) + "PROFILE NAME=al.tmp-Jo\r\n");
  std::map<std::string, std::string> kept;
  for (const auto& name : players) kept[user + "profiles/" + name + ".dat"] = ReadWholeFile(user + "profiles/" + name + ".dat");
  const std::vector<std::string> leftovers = {user + "profiles/Kim.dat.tmp-Zz99Yy", user + "best.dat.tmp-000000"};
  for (const auto& path : leftovers) std::ofstream(path, std::ios::binary) << "half a save";

  GameProcess game(xdg, quill_process::StagedDataPrefix());
  ASSERT_TRUE(game.WaitUntil([&] { return game.CatchesTerminate(); }, kLimitMs)) << game.Output();
  game.Signal(SIGTERM);
  EXPECT_EQ(game.WaitForExit(kLimitMs), 0) << game.Output();
  for (const auto& [path, bytes] : kept) {
    ASSERT_TRUE(fs::exists(path)) << path << " was removed";
    EXPECT_EQ(ReadWholeFile(path), bytes) << path;
  }
  for (const auto& path : leftovers) EXPECT_FALSE(fs::exists(path)) << path;
}

// A closed terminal or a logout (SIGHUP) and SIGQUIT end the game as SIGTERM does: cleanly, with
// the clean-exit marker and status 0.
class QuitSignal : public testing::TestWithParam<int> {};

TEST_P(QuitSignal, EndsTheGameCleanly) {
  const std::string xdg = quill_process::FreshFolder("quit_signal_" + std::to_string(GetParam()));
  quill_process::WriteSettings(xdg, kSplash);
  GameProcess game(xdg, quill_process::StagedDataPrefix());
  ASSERT_TRUE(game.WaitUntil([&] { return game.CatchesTerminate(); }, kLimitMs)) << game.Output();
  game.Signal(GetParam());
  EXPECT_EQ(game.WaitForExit(kLimitMs), 0) << game.Output();
  EXPECT_TRUE(fs::exists(quill_process::UserFolder(xdg) + "GoodExit.dat"));
  EXPECT_FALSE(fs::exists(quill_process::UserFolder(xdg) + "ErrorLog.txt"));
}

INSTANTIATE_TEST_SUITE_P(HangUpAndQuit, QuitSignal, testing::Values(SIGHUP, SIGQUIT),
                         [](const testing::TestParamInfo<int>& info) {
                           return std::string(info.param == SIGHUP ? "SIGHUP" : "SIGQUIT");
                         });

// Under a virtual X display of its own: a quit while a start-up alert is on the screen ends the
// program and the alert's own processes with it, so no box is left behind. The alert is shown by a
// helper, the program's own executable started again (never a bare fork of a program that may
// have threads).
TEST(StartUpAlert, AQuitClosesTheAlertWithTheProgram) {
  const quill_test::VirtualDisplay display;
  ASSERT_TRUE(display.Ready()) << display.Error();
  const std::string xdg = quill_process::FreshFolder("alert_quit");
  // A file where the per-user folder should be: reported before any window, in a system alert.
  fs::create_directories(xdg + "Marrowfen");
  std::ofstream(xdg + "Marrowfen/Quillbrook", std::ios::binary) << "not a folder";
  GameProcess game(xdg, quill_process::StagedDataPrefix(), "x11");
  // The alert is up once its helper runs.
  pid_t helper = -1;
  const auto alertUp = [&] {
    for (const pid_t pid : ProcessesOf(xdg)) {
      if (quill_process::IsHelperFor(quill_process::CommandLine(pid), "alert")) helper = pid;
    }
    return helper > 0;
  };
  ASSERT_TRUE(game.WaitUntil(alertUp, kLimitMs)) << game.Output();
  std::error_code gone;
  EXPECT_EQ(fs::read_symlink("/proc/" + std::to_string(helper) + "/exe", gone),
            fs::canonical(quill_process::StagedProgram()));
  game.Signal(SIGTERM);
  // The program (ended, not yet reaped) and every process of its alert are gone.
  EXPECT_TRUE(game.WaitUntil([&] { return ProcessesOf(xdg).empty(); }, kLimitMs))
      << ProcessesOf(xdg).size() << " left of the program and its alert" << game.Output();
  for (const pid_t left : ProcessesOf(xdg)) ::kill(left, SIGKILL);
  game.WaitForExit(kLimitMs);
  EXPECT_NE(game.Output().find("is a file, not a folder"), std::string::npos) << game.Output();
}

// A data folder without "Data/", or with an empty one, is named as the reason the game cannot start.
TEST(DataFolder, MissingOrEmptyIsNamed) {
  for (const bool with_empty_data : {false, true}) {
    const std::string name = with_empty_data ? "empty_data" : "no_data";
    const std::string xdg = quill_process::FreshFolder(name + "_user");
    const std::string data = quill_process::FreshFolder(name);
    if (with_empty_data) fs::create_directories(data + "Data");
    GameProcess game(xdg, data);
    EXPECT_EQ(game.WaitForExit(kLimitMs), 1) << game.Output();
    EXPECT_NE(game.Output().find("The data folder " + data + " has no Data/ or is empty"), std::string::npos)
        << game.Output();
  }
}

// What stands in the wrong place is reported as what it is, and the program ends with status 1.
struct Misplaced {
  const char* name;
  std::function<void(const std::string& user)> make;  // given the per-user folder
  std::function<std::string(const std::string& user)> message;
};

void PrintTo(const Misplaced& misplaced, std::ostream* out) { *out << misplaced.name; }

class MisplacedEntry : public testing::TestWithParam<Misplaced> {};

TEST_P(MisplacedEntry, IsReportedAsWhatItIs) {
  const Misplaced& misplaced = GetParam();
  const std::string xdg = quill_process::FreshFolder(std::string("misplaced_") + misplaced.name);
  const std::string user = quill_process::UserFolder(xdg);
  misplaced.make(user);
  GameProcess game(xdg, quill_process::StagedDataPrefix());
  EXPECT_EQ(game.WaitForExit(kLimitMs), 1) << game.Output();
  EXPECT_NE(game.Output().find(misplaced.message(user)), std::string::npos) << game.Output();
}

void PutFile(const std::string& path) {
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << "a file";
}

INSTANTIATE_TEST_SUITE_P(
    UserFolder, MisplacedEntry,
    testing::Values(
        Misplaced{"file_for_the_user_folder",
                  [](const std::string& user) { PutFile(user.substr(0, user.size() - 1)); },
                  [](const std::string& user) {
                    return "Cannot create shared data folder " + user + ": " + user.substr(0, user.size() - 1) +
                           " is a file, not a folder";
                  }},
        Misplaced{"file_for_its_parent",
                  [](const std::string& user) { PutFile(fs::path(user).parent_path().parent_path().string()); },
                  [](const std::string& user) {
                    return fs::path(user).parent_path().parent_path().string() + " is a file, not a folder";
                  }},
        Misplaced{"file_for_the_profiles_folder",
                  [](const std::string& user) { PutFile(user + "profiles"); },
                  [](const std::string& user) {
                    return "Cannot create shared profiles folder " + user + "profiles/: " + user +
                           "profiles is a file, not a folder";
                  }}),
    [](const testing::TestParamInfo<Misplaced>& info) { return std::string(info.param.name); });

// A folder at the settings' name cannot be put aside: it is reported as what it is and left where
// it is, never written over, and the game goes on with its own settings, kept in memory only.
TEST(FolderAtTheSettingsName, IsLeftWhereItIsAndTheGamePlaysOn) {
  const std::string xdg = quill_process::FreshFolder("folder_for_the_settings_file");
  const std::string settings = quill_process::UserFolder(xdg) + "Quillbrook.ini";
  fs::create_directories(settings);
  GameProcess game(xdg, quill_process::StagedDataPrefix());
  // The report's alert is over once the profiles folder, made after the settings, is there.
  const std::string profiles = quill_process::UserFolder(xdg) + "profiles";
  ASSERT_TRUE(game.WaitUntil([&] { return fs::is_directory(profiles); }, kLimitMs))
      << game.Output();
  ASSERT_TRUE(game.WaitUntil([&] { return game.CatchesTerminate(); }, kLimitMs)) << game.Output();
  game.Signal(SIGTERM);
  EXPECT_EQ(game.WaitForExit(kLimitMs), 0) << game.Output();
  EXPECT_NE(game.Output().find("The settings file '" + settings +
                               "' is damaged: it is not a plain file; it could not be put aside, "
                               "so it is left where it is and not written over while the game "
                               "runs."),
            std::string::npos)
      << game.Output();
  EXPECT_EQ(game.Output().find("Failed to save"), std::string::npos) << game.Output();
  EXPECT_TRUE(fs::is_directory(fs::symlink_status(settings)));
}

}  // namespace

// The real program and its per-user folder's lock file: a lock file deleted while a copy runs lets
// no second copy in, one in the way (a file the player cannot open, a link out of the folder) does
// not stop the game, and where it must, the message names the file and says what to do.
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <string>

#include "tests/process/game_process.h"
#include "tests/support/harness.h"

namespace {

namespace fs = std::filesystem;
using quill_process::GameProcess;
using quill_process::kNoSplash;

// Far beyond what a start takes, so a loaded machine never fails a test, yet a hang does.
constexpr int kLimitMs = 30000;

TEST(LockFile, DeletedWhileACopyRunsStillTurnsTheSecondAway) {
  const std::string xdg = quill_process::FreshFolder("lock_deleted");
  const std::string user = quill_process::UserFolder(xdg);
  quill_process::WriteSettings(xdg, kNoSplash);
  // The second copy writes its output elsewhere and reaches the folder through a link.
  const std::string other = quill_process::FreshFolder("lock_deleted_other");
  fs::create_directory_symlink(xdg + "Marrowfen", other + "Marrowfen");

  GameProcess first(xdg, quill_process::StagedDataPrefix());
  ASSERT_TRUE(first.WaitUntil([&] { return first.CatchesTerminate(); }, kLimitMs))
      << first.Output();
  ASSERT_TRUE(fs::remove(user + "Quillbrook.lock"));
  {
    GameProcess second(other, quill_process::StagedDataPrefix());
    EXPECT_EQ(second.WaitForExit(kLimitMs), 1) << second.Output();
    EXPECT_NE(second.Output().find("Quillbrook is already running."), std::string::npos)
        << second.Output();
  }
  EXPECT_FALSE(fs::exists(user + "Quillbrook.lock")) << "the second copy made a lock file";
  first.Signal(SIGTERM);
  EXPECT_EQ(first.WaitForExit(kLimitMs), 0) << first.Output();
}

using quill_test::PlayerGid;
using quill_test::PlayerUid;

// Whether another process holds a lock on any part of the file `path`.
bool LockedByAnother(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct flock probe{};
  probe.l_type = F_WRLCK;
  probe.l_whence = SEEK_SET;
  const bool locked = ::fcntl(fd, F_GETLK, &probe) == 0 && probe.l_type != F_UNLCK;
  ::close(fd);
  return locked;
}

// What stands where the lock file should be, and whether the game starts past it.
struct InTheWay {
  const char* name;
  bool as_player;  // started as the player rather than root (root opens every file)
  std::function<void(const std::string& user, const std::string& lock, const std::string& outside)>
      make;
  bool starts;
  std::string message;  // when it does not: "USER" standing for the per-user folder
};

void PrintTo(const InTheWay& c, std::ostream* out) { *out << c.name; }

class LockFileInTheWay : public testing::TestWithParam<InTheWay> {
 protected:
  // A per-user root the player can reach: the test run's own folder is root's alone.
  void SetUp() override {
    std::string name = (fs::temp_directory_path() / "quill-lock-XXXXXX").string();
    ASSERT_NE(::mkdtemp(name.data()), nullptr);
    ::chmod(name.c_str(), 0755);
    xdg_ = name + "/";
  }
  void TearDown() override {
    std::error_code ignored;
    fs::permissions(quill_process::UserFolder(xdg_), fs::perms::owner_all, ignored);
    fs::remove_all(xdg_, ignored);
  }
  std::string xdg_;
};

TEST_P(LockFileInTheWay, DoesNotStopTheGameOrIsNamed) {
  const InTheWay& c = GetParam();
  const std::string user = quill_process::UserFolder(xdg_);
  const std::string lock = user + "Quillbrook.lock";
  const std::string outside = xdg_ + "elsewhere.txt";
  quill_process::WriteSettings(xdg_, kNoSplash);
  std::ofstream(outside, std::ios::binary) << "someone else's file";
  if (c.as_player && ::geteuid() == 0) {
    for (const auto& entry : fs::recursive_directory_iterator(xdg_)) {
      ::lchown(entry.path().c_str(), PlayerUid(), PlayerGid());
    }
    ::chown(xdg_.c_str(), PlayerUid(), PlayerGid());
  }
  c.make(user, lock, outside);
  const std::function<void()> as_player = [] {
    if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(PlayerGid()) != 0 ||
                             ::setuid(PlayerUid()) != 0)) {
      ::_exit(126);
    }
  };
  GameProcess game(xdg_, quill_process::StagedDataPrefix(), "dummy",
                   c.as_player ? as_player : std::function<void()>());
  if (c.starts) {
    ASSERT_TRUE(game.WaitUntil([&] { return game.CatchesTerminate(); }, kLimitMs)) << game.Output();
    EXPECT_FALSE(LockedByAnother(outside)) << "the lock followed the link out of the folder";
    game.Signal(SIGTERM);
    EXPECT_EQ(game.WaitForExit(kLimitMs), 0) << game.Output();
  } else {
    EXPECT_EQ(game.WaitForExit(kLimitMs), 1) << game.Output();
    std::string message = c.message;
    for (std::size_t at; (at = message.find("USER")) != std::string::npos;)
      message.replace(at, 4, user);
    EXPECT_NE(game.Output().find(message), std::string::npos) << game.Output();
  }
  EXPECT_EQ(quill_test::ReadWholeFile(outside), "someone else's file");
}

// Made by root or as the player's own (the set-up hands the folder to the player first).
void ModeZeroFile(const std::string& lock) {
  std::ofstream(lock, std::ios::binary) << "";
  if (::geteuid() == 0) ::chown(lock.c_str(), PlayerUid(), PlayerGid());
  ::chmod(lock.c_str(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Lock, LockFileInTheWay,
    testing::Values(
        InTheWay{"file_of_mode_000", true,
                 [](auto&, const std::string& lock, auto&) { ModeZeroFile(lock); }, true, ""},
        InTheWay{"link_to_a_file_outside", false,
                 [](auto&, const std::string& lock, const std::string& outside) {
                   fs::create_symlink(outside, lock);
                 },
                 true, ""},
        // A folder the player cannot read stands for a file system that cannot lock a folder.
        InTheWay{"file_of_mode_000_in_an_unlockable_folder", true,
                 [](const std::string& user, const std::string& lock, auto&) {
                   ModeZeroFile(lock);
                   ::chmod(user.c_str(), 0300);
                 },
                 false,
                 "Cannot lock shared data folder USER: the lock file USERQuillbrook.lock cannot be "
                 "opened "
                 "(Permission denied). Remove it if no copy of Quillbrook is running."}),
    [](const testing::TestParamInfo<InTheWay>& info) { return std::string(info.param.name); });

}  // namespace

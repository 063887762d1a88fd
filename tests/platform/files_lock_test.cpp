// The per-user folder's lock: what stands where the lock file should be (a link, a named pipe, a
// device ...) never locks the player out, leads the lock out of the folder or is held open, nothing
// there is waited on, and a second copy is turned away whatever happened to the lock file
// meanwhile. A "copy" here is a process of its own (a forked child), since a process never
// conflicts with its own locks; the cases a player meets as an ordinary user (a file they cannot
// open) run in a child that has given up root, in a folder it owns.
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "platform/files.h"
#include "tests/support/harness.h"
#include "tests/support/write_faults.h"

namespace {

namespace fs = std::filesystem;
using platform::FileLock;

// What one attempt to take the lock gave.
struct Outcome {
  FileLock result = FileLock::kFailed;
  std::string error;
};

using quill_test::PlayerGid;
using quill_test::PlayerUid;

// Runs `body` in a forked child, as the player when `as_player` (root gives up its rights for
// good; an ordinary user already is one), and returns what it wrote; "!" when it could not run.
std::string InChild(bool as_player, const std::function<std::string()>& body) {
  int out[2];
  if (::pipe(out) != 0) return "!";
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(out[0]);
    if (as_player && ::geteuid() == 0 &&
        (::setgroups(0, nullptr) != 0 || ::setgid(PlayerGid()) != 0 ||
         ::setuid(PlayerUid()) != 0)) {
      ::_exit(1);
    }
    const std::string text = body();
    std::size_t written = 0;
    while (written < text.size()) {
      const ssize_t n = ::write(out[1], text.data() + written, text.size() - written);
      if (n <= 0) ::_exit(1);
      written += static_cast<std::size_t>(n);
    }
    ::_exit(0);
  }
  ::close(out[1]);
  std::string text;
  char buffer[256];
  for (ssize_t n; (n = ::read(out[0], buffer, sizeof buffer)) > 0;)
    text.append(buffer, static_cast<std::size_t>(n));
  ::close(out[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  return child > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0 ? text : "!";
}

std::string Write(const Outcome& outcome) {
  return std::to_string(static_cast<int>(outcome.result)) + "\n" + outcome.error + "\n";
}

Outcome Read(std::istream& in) {
  Outcome outcome;
  std::string result;
  if (!std::getline(in, result) || !std::getline(in, outcome.error) || result.empty())
    return {FileLock::kFailed, "!"};
  outcome.result = static_cast<FileLock>(std::stoi(result));
  return outcome;
}

Outcome Attempt(const std::string& path) {
  Outcome outcome;
  outcome.result = platform::LockFile(path, &outcome.error);
  return outcome;
}

// A second copy trying the lock while this process goes on as it is. It starts from none of this
// process's lock: closing the copies of its descriptors leaves this process's lock alone.
Outcome SecondCopy(const std::string& path, bool as_player = false) {
  std::istringstream in(InChild(as_player, [&] {
    platform::ReleaseFileLock();
    return Write(Attempt(path));
  }));
  return Read(in);
}

const char* Name(FileLock result) {
  switch (result) {
    case FileLock::kTaken:
      return "taken";
    case FileLock::kHeld:
      return "held";
    case FileLock::kUnlocked:
      return "unlocked";
    case FileLock::kFailed:
      return "failed";
    case FileLock::kBlocked:
      return "blocked";
  }
  return "?";
}

// Whether another process holds a lock on any part of `path` (it may be outside the folder).
bool LockedByAnyone(const std::string& path) {
  return InChild(false, [&] {
           const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
           struct flock probe{};
           probe.l_type = F_WRLCK;
           probe.l_whence = SEEK_SET;
           const bool locked =
               fd >= 0 && ::fcntl(fd, F_GETLK, &probe) == 0 && probe.l_type != F_UNLCK;
           return std::string(locked ? "locked" : "free");
         }) == "locked";
}

// How an entry stands, without following it: kind, mode, owner, inode, size, change time and, for a
// link, where it points.
std::string StateOf(const std::string& path) {
  struct stat st{};
  if (::lstat(path.c_str(), &st) != 0) return "missing";
  std::ostringstream state;
  state << std::oct << st.st_mode << std::dec << " " << st.st_uid << " " << st.st_ino << " "
        << st.st_size << " " << st.st_ctim.tv_sec << "." << st.st_ctim.tv_nsec;
  if (S_ISLNK(st.st_mode)) state << " -> " << fs::read_symlink(path).string();
  return state.str();
}

// Whether this process holds open what stands at `path` (not followed: a link is never held open).
// A handle that opens nothing (a guard's, below) does not count.
bool HeldOpen(const std::string& path) {
  struct stat entry{};
  if (::lstat(path.c_str(), &entry) != 0) return false;
  std::error_code error;
  for (const auto& name : fs::directory_iterator("/proc/self/fd", error)) {
    const int fd = std::atoi(name.path().filename().c_str());
    struct stat st{};
    if (::fstat(fd, &st) == 0 && st.st_dev == entry.st_dev && st.st_ino == entry.st_ino &&
        (::fcntl(fd, F_GETFL) & O_PATH) == 0) {
      return true;
    }
  }
  return false;
}

// The reader a lock that opened a named pipe for writing, and waited for a reader, would wait for:
// this thread opens the pipe for reading again and again, each time until every writer has gone,
// so no copy's open waits long and the test never hangs, whatever the lock's open does. Release
// opens the pipe for reading and writing (which never waits) and puts a byte in it, which ends the
// thread's wait wherever it waits. Nothing when `path` is not a named pipe. The copies it guards
// run as children, made while this thread waits, so none of them holds its descriptor.
class PipeGuard {
 public:
  explicit PipeGuard(const std::string& path) {
    struct stat st{};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISFIFO(st.st_mode)) return;
    handle_ = ::open(path.c_str(), O_PATH | O_CLOEXEC);
    if (handle_ < 0) return;
    through_ = "/proc/self/fd/" + std::to_string(handle_);
    reader_ = std::thread([this] {
      while (!released_) {
        const int fd = ::open(through_.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) return;
        char byte;
        while (!released_ && ::read(fd, &byte, 1) > 0) {
        }
        ::close(fd);
      }
    });
  }
  ~PipeGuard() { Release(); }
  PipeGuard(const PipeGuard&) = delete;
  PipeGuard& operator=(const PipeGuard&) = delete;

  void Release() {
    if (reader_.joinable()) {
      released_ = true;
      const int both = ::open(through_.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
      if (both >= 0) {
        [[maybe_unused]] const ssize_t put = ::write(both, "", 1);
      }
      reader_.join();
      if (both >= 0) ::close(both);
    }
    if (handle_ >= 0) ::close(handle_);
    handle_ = -1;
  }

 private:
  int handle_ = -1;
  std::string through_;
  std::atomic<bool> released_{false};
  std::thread reader_;
};

// Makes `path` the player's, as if they had made it.
void GiveToPlayer(const std::string& path) {
  if (::geteuid() == 0) ::lchown(path.c_str(), PlayerUid(), PlayerGid());
}

// A player's folder of its own under the system's temporary folder (the test run's own folder is
// root's alone), owned by the player when the tests run as root, and a folder outside it.
class LockFileTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = MakeTemp();
    outside_ = MakeTemp();
    ASSERT_FALSE(folder_.empty() || outside_.empty()) << "no temporary folder could be made";
    if (::geteuid() == 0) {
      ASSERT_EQ(::chown(folder_.c_str(), PlayerUid(), PlayerGid()), 0);
    }
    lock_ = folder_ + "Quillbrook.lock";
  }
  void TearDown() override {
    platform::ReleaseFileLock();
    if (folder_.empty() || outside_.empty()) return;
    std::error_code ignored;
    fs::permissions(folder_, fs::perms::owner_all, ignored);
    fs::remove_all(folder_, ignored);
    fs::remove_all(outside_, ignored);
  }
  static std::string MakeTemp() {
    std::string name = (fs::temp_directory_path() / "quill-lock-XXXXXX").string();
    if (::mkdtemp(name.data()) == nullptr) return {};
    ::chmod(name.c_str(), 0755);
    return name + "/";
  }
  std::string folder_;
  std::string outside_;
  std::string lock_;
};

// What stands where the lock file should be, and how the lock turns out.
struct InTheWay {
  const char* name;
  bool as_player;   // taken by the player rather than root (root opens every file)
  bool needs_root;  // its set-up makes a file of another user or a device node
  std::function<void(const std::string& folder, const std::string& lock,
                     const std::string& outside)>
      make;
  FileLock first;     // the first copy
  FileLock second;    // a second copy while the first holds what it took
  std::string error;  // the first copy's error, "LOCK" standing for the lock file's path
  bool holds_file = false;  // the first copy holds open what stands at the lock file's name
};

void PrintTo(const InTheWay& c, std::ostream* out) { *out << c.name; }

class LockFileInTheWay : public LockFileTest, public testing::WithParamInterface<InTheWay> {};

TEST_P(LockFileInTheWay, NeitherLocksThePlayerOutNorLeavesTheFolder) {
  const InTheWay& c = GetParam();
  if (c.needs_root && ::geteuid() != 0)
    GTEST_SKIP() << "needs root to make another user's file or a device node";
  const std::string outside_file = outside_ + "elsewhere.txt";
  std::ofstream(outside_file, std::ios::binary) << "someone else's file";
  c.make(folder_, lock_, outside_);
  const std::string before = StateOf(lock_);
  if (c.needs_root && before == "missing") GTEST_SKIP() << "this system lets no one make it";
  const std::string outside_before = StateOf(outside_file);

  // The first copy keeps what it took while a second one tries. Nothing it opens may wait (the
  // guard, let go when the test ends, writes in the pipe).
  PipeGuard guard(lock_);
  Outcome first;
  Outcome second;
  std::string held;
  bool outside_locked = false;
  const auto both = [&] {
    const Outcome taken = Attempt(lock_);
    const std::string holds = HeldOpen(lock_) ? "held open\n" : "not held\n";
    const Outcome again = SecondCopy(lock_, c.as_player);
    return Write(taken) + holds + Write(again);
  };
  std::istringstream in(c.as_player ? InChild(true, both) : both());
  first = Read(in);
  std::getline(in, held);
  second = Read(in);
  if (!c.as_player) outside_locked = LockedByAnyone(outside_file);
  std::string error = c.error;
  if (const auto at = error.find("LOCK"); at != std::string::npos) error.replace(at, 4, lock_);
  EXPECT_EQ(Name(first.result), std::string(Name(c.first))) << first.error;
  EXPECT_EQ(first.error, error);
  EXPECT_EQ(Name(second.result), std::string(Name(c.second))) << second.error;
  EXPECT_EQ(held, c.holds_file ? "held open" : "not held");
  // What stood in the way is left as it was; nothing outside the folder is made, opened or locked.
  if (before != "missing") {
    EXPECT_EQ(StateOf(lock_), before);
  }
  EXPECT_EQ(StateOf(outside_file), outside_before);
  EXPECT_EQ(quill_test::ReadWholeFile(outside_file), "someone else's file");
  EXPECT_FALSE(outside_locked) << "the lock followed the link out of the folder";
  EXPECT_FALSE(fs::exists(outside_ + "missing")) << "the lock made a file outside the folder";
}

// The folder without read permission stands for a file system that cannot lock a folder: the lock
// file alone then decides.
void UnreadableFolder(const std::string& folder) { ::chmod(folder.c_str(), 0300); }

// A named pipe, or a device node (the system's null device), of the player's at the lock file's
// name.
void Pipe(const std::string& lock) {
  ::mkfifo(lock.c_str(), 0644);
  GiveToPlayer(lock);
}
void Device(const std::string& lock) {
  ::mknod(lock.c_str(), S_IFCHR | 0644, makedev(1, 3));
  GiveToPlayer(lock);
}

INSTANTIATE_TEST_SUITE_P(
    Lock, LockFileInTheWay,
    testing::Values(
        InTheWay{"nothing", true, false, [](auto&, auto&, auto&) {}, FileLock::kTaken,
                 FileLock::kHeld, "", true},
        InTheWay{"link_to_a_file_outside", false, false,
                 [](auto&, const std::string& lock, const std::string& outside) {
                   fs::create_symlink(outside + "elsewhere.txt", lock);
                 },
                 FileLock::kTaken, FileLock::kHeld, ""},
        InTheWay{"dangling_link", false, false,
                 [](auto&, const std::string& lock, const std::string& outside) {
                   fs::create_symlink(outside + "missing", lock);
                 },
                 FileLock::kTaken, FileLock::kHeld, ""},
        InTheWay{"file_of_mode_000", true, false,
                 [](auto&, const std::string& lock, auto&) {
                   std::ofstream(lock, std::ios::binary) << "";
                   GiveToPlayer(lock);
                   ::chmod(lock.c_str(), 0);
                 },
                 FileLock::kTaken, FileLock::kHeld, ""},
        InTheWay{"another_users_file", true, true,
                 [](auto&, const std::string& lock, auto&) {
                   std::ofstream(lock, std::ios::binary) << "";
                   ::chmod(lock.c_str(), 0644);
                 },
                 FileLock::kTaken, FileLock::kHeld, ""},
        InTheWay{"folder", false, false,
                 [](auto&, const std::string& lock, auto&) { fs::create_directory(lock); },
                 FileLock::kFailed, FileLock::kFailed, "LOCK is a folder, not a file"},
        InTheWay{"named_pipe", true, false,
                 [](auto&, const std::string& lock, auto&) { Pipe(lock); }, FileLock::kTaken,
                 FileLock::kHeld, ""},
        InTheWay{"device", false, true, [](auto&, const std::string& lock, auto&) { Device(lock); },
                 FileLock::kTaken, FileLock::kHeld, ""},
        // Where the folder cannot be locked.
        InTheWay{"nothing_in_an_unlockable_folder", true, false,
                 [](const std::string& folder, auto&, auto&) { UnreadableFolder(folder); },
                 FileLock::kTaken, FileLock::kHeld, "", true},
        InTheWay{"file_of_mode_000_in_an_unlockable_folder", true, false,
                 [](const std::string& folder, const std::string& lock, auto&) {
                   std::ofstream(lock, std::ios::binary) << "";
                   GiveToPlayer(lock);
                   ::chmod(lock.c_str(), 0);
                   UnreadableFolder(folder);
                 },
                 FileLock::kBlocked, FileLock::kBlocked,
                 "the lock file LOCK cannot be opened (Permission denied)"},
        InTheWay{
            "link_in_an_unlockable_folder", true, false,
            [](const std::string& folder, const std::string& lock, const std::string& outside) {
              fs::create_symlink(outside + "elsewhere.txt", lock);
              GiveToPlayer(lock);
              UnreadableFolder(folder);
            },
            FileLock::kBlocked, FileLock::kBlocked, "the lock file LOCK is a symbolic link"},
        InTheWay{"named_pipe_in_an_unlockable_folder", true, false,
                 [](const std::string& folder, const std::string& lock, auto&) {
                   Pipe(lock);
                   UnreadableFolder(folder);
                 },
                 FileLock::kBlocked, FileLock::kBlocked, "the lock file LOCK is not a plain file"},
        InTheWay{"device_in_an_unlockable_folder", true, true,
                 [](const std::string& folder, const std::string& lock, auto&) {
                   Device(lock);
                   UnreadableFolder(folder);
                 },
                 FileLock::kBlocked, FileLock::kBlocked, "the lock file LOCK is not a plain file"}),
    [](const testing::TestParamInfo<InTheWay>& info) { return std::string(info.param.name); });

// A lock file deleted while a copy runs lets no second copy in, and the second one makes none.
TEST_F(LockFileTest, ADeletedLockFileStillTurnsASecondCopyAway) {
  ASSERT_EQ(Name(platform::LockFile(lock_)), std::string("taken"));
  ASSERT_TRUE(fs::remove(lock_));
  EXPECT_EQ(Name(SecondCopy(lock_).result), std::string("held"));
  EXPECT_FALSE(fs::exists(lock_)) << "the second copy made a lock file of its own";
  // Replaced by a file of the same name: the same.
  std::ofstream(lock_, std::ios::binary) << "";
  EXPECT_EQ(Name(SecondCopy(lock_).result), std::string("held"));
}

// The folder the lock holds is the only one written at its path. Once it is moved away and another
// copy makes a folder of its own in its place, nothing of this copy's reaches that folder: each
// change is refused, the write says why, and the moved folder keeps what was saved before.
TEST_F(LockFileTest, NothingIsWrittenInAFolderMadeWhereTheLockedOneWas) {
  const std::string moved = outside_ + "moved/";
  ASSERT_EQ(Name(platform::LockFile(lock_)), std::string("taken"));
  ASSERT_TRUE(platform::CreateFolder(folder_ + "profiles"));
  ASSERT_TRUE(platform::WriteFileAtomic(folder_ + "best.dat", std::string("this copy's scores")));
  ASSERT_TRUE(
      platform::WriteFileAtomic(folder_ + "profiles/Kim.dat", std::string("this copy's Kim")));
  const auto other_copys_folder = [&] {
    fs::create_directories(folder_ + "profiles");
    std::ofstream(folder_ + "best.dat", std::ios::binary) << "the other copy's scores";
    std::ofstream(folder_ + "profiles/Kim.dat", std::ios::binary) << "the other copy's Kim";
  };
  const auto untouched = [&](const std::string& when) {
    EXPECT_EQ(platform::ListFolder(folder_), (std::vector<std::string>{"best.dat", "profiles"}))
        << when;
    EXPECT_EQ(platform::ListFolder(folder_ + "profiles"), std::vector<std::string>{"Kim.dat"})
        << when;
    EXPECT_EQ(quill_test::ReadWholeFile(folder_ + "best.dat"), "the other copy's scores") << when;
    EXPECT_EQ(quill_test::ReadWholeFile(folder_ + "profiles/Kim.dat"), "the other copy's Kim")
        << when;
  };
  const std::string why =
      "the folder " + folder_ +
      " was moved or removed while the game ran (this copy of the game writes only "
      "in the folder it started with)";
  ASSERT_EQ(::rename(folder_.c_str(), moved.c_str()), 0);
  other_copys_folder();

  std::string error;
  {
    // Refused before a temporary file is made there, too.
    quill_test::WriteFaults record(quill_test::WriteFault::kNone);
    EXPECT_FALSE(
        platform::WriteFileAtomic(folder_ + "best.dat", std::string("new scores"), &error));
    EXPECT_EQ(error, why);
    error.clear();
    EXPECT_FALSE(
        platform::WriteFileAtomic(folder_ + "profiles/Kim.dat", std::string("new Kim"), &error));
    EXPECT_EQ(error, why);
    EXPECT_FALSE(platform::WriteFileAtomic(folder_ + "profiles/Ann.dat", std::string("new Ann")));
    EXPECT_EQ(record.Steps(), std::vector<std::string>{});
  }
  EXPECT_FALSE(platform::DeleteFile(folder_ + "profiles/Kim.dat"));
  EXPECT_EQ(platform::SetFileAside(folder_ + "best.dat"), "");
  EXPECT_FALSE(platform::RenameFile(folder_ + "best.dat", outside_ + "taken.dat"));
  std::ofstream(outside_ + "replacing.dat", std::ios::binary) << "this copy's file";
  EXPECT_FALSE(platform::RenameFile(outside_ + "replacing.dat", folder_ + "best.dat"));
  ::chmod((folder_ + "best.dat").c_str(), 0600);
  EXPECT_FALSE(platform::ShareFile(folder_ + "best.dat"));
  EXPECT_EQ(fs::status(folder_ + "best.dat").permissions(),
            fs::perms::owner_read | fs::perms::owner_write);
  ::chmod((folder_ + "best.dat").c_str(), 0644);
  untouched("after the changes asked for");
  EXPECT_TRUE(platform::WriteFileAtomic(outside_ + "elsewhere.dat", std::string("elsewhere")));
  EXPECT_EQ(quill_test::ReadWholeFile(moved + "best.dat"), "this copy's scores");
  EXPECT_EQ(quill_test::ReadWholeFile(moved + "profiles/Kim.dat"), "this copy's Kim");

  // Removed outright: the same reason, not "No such file or directory".
  fs::remove_all(folder_);
  error.clear();
  EXPECT_FALSE(platform::WriteFileAtomic(folder_ + "best.dat", std::string("new scores"), &error));
  EXPECT_EQ(error, why);
  EXPECT_FALSE(fs::exists(folder_));
  other_copys_folder();

  // Once the lock is let go, a path is a path again.
  platform::ReleaseFileLock();
  EXPECT_TRUE(platform::WriteFileAtomic(folder_ + "best.dat", std::string("new scores")));
}

// Moved while a write is under way (between its temporary file and its rename): the write takes no
// name in the folder made in its place.
class MoveDuringWrite : public platform::FileWriteCalls {
 public:
  explicit MoveDuringWrite(std::function<void()> move)
      : move_(std::move(move)), previous_(platform::InstallFileWriteCalls(this)) {}
  ~MoveDuringWrite() override { platform::InstallFileWriteCalls(previous_); }
  MoveDuringWrite(const MoveDuringWrite&) = delete;
  MoveDuringWrite& operator=(const MoveDuringWrite&) = delete;
  bool Sync(const std::string& path, int fd) override {
    if (move_) std::exchange(move_, nullptr)();
    return FileWriteCalls::Sync(path, fd);
  }

 private:
  std::function<void()> move_;
  platform::FileWriteCalls* previous_;
};

TEST_F(LockFileTest, AFolderMovedDuringAWriteTakesNoneOfIt) {
  const std::string moved = outside_ + "moved/";
  ASSERT_EQ(Name(platform::LockFile(lock_)), std::string("taken"));
  ASSERT_TRUE(platform::WriteFileAtomic(folder_ + "best.dat", std::string("this copy's scores")));
  std::string error;
  {
    MoveDuringWrite mover([&] {
      ASSERT_EQ(::rename(folder_.c_str(), moved.c_str()), 0);
      fs::create_directories(folder_);
      std::ofstream(folder_ + "best.dat", std::ios::binary) << "the other copy's scores";
    });
    EXPECT_FALSE(
        platform::WriteFileAtomic(folder_ + "best.dat", std::string("new scores"), &error));
  }
  EXPECT_NE(error.find("was moved or removed while the game ran"), std::string::npos) << error;
  EXPECT_EQ(platform::ListFolder(folder_), std::vector<std::string>{"best.dat"});
  EXPECT_EQ(quill_test::ReadWholeFile(folder_ + "best.dat"), "the other copy's scores");
  EXPECT_EQ(quill_test::ReadWholeFile(moved + "best.dat"), "this copy's scores");
}

// A terminal standing at the lock file's name is never made the copy's controlling terminal: a
// copy started from no terminal (a desktop launcher) that took one would get its hang-up and its
// keyboard signals. The copy leads a session of its own and has no terminal, as such a copy has.
// The terminal is a pseudo-terminal's own device in the system's folder of them (a device node of
// it made elsewhere cannot be opened).
TEST_F(LockFileTest, ATerminalAtTheLockFilesNameIsNotTakenAsTheCopysTerminal) {
  const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (master < 0) GTEST_SKIP() << "no pseudo-terminal here: " << std::strerror(errno);
  ASSERT_EQ(::grantpt(master), 0);
  ASSERT_EQ(::unlockpt(master), 0);
  const std::string terminal = ::ptsname(master);
  const std::string seen = InChild(false, [&] {
    platform::ReleaseFileLock();
    if (::setsid() < 0) return std::string("no session of its own");
    const FileLock result = platform::LockFile(terminal);
    const int tty = ::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
    const std::string has = tty >= 0 ? "a controlling terminal" : "no controlling terminal";
    if (tty >= 0) ::close(tty);
    return std::string(Name(result)) + ", " + has;
  });
  ::close(master);
  EXPECT_EQ(seen, "taken, no controlling terminal");
}

// A process the copy forks (an alert's box) does not keep the folder locked once the copy has
// ended.
TEST_F(LockFileTest, AProcessForkedByACopyDoesNotOutliveItsLock) {
  int release[2];
  ASSERT_EQ(::pipe(release), 0);
  const std::string copy = InChild(false, [&] {
    const Outcome taken = Attempt(lock_);
    // The forked process lives on until the test lets it go, after its parent has ended.
    if (::fork() == 0) {
      // It keeps every descriptor of its parent's but the pipes, whose readers wait for their end.
      for (int fd = 3; fd < 1024; ++fd) {
        struct stat st{};
        if (fd != release[0] && ::fstat(fd, &st) == 0 && S_ISFIFO(st.st_mode)) ::close(fd);
      }
      char byte;
      while (::read(release[0], &byte, 1) < 0) {
      }
      ::_exit(0);
    }
    return Write(taken);
  });
  ::close(release[0]);
  std::istringstream in(copy);
  EXPECT_EQ(Name(Read(in).result), std::string("taken"));
  const Outcome next = SecondCopy(lock_);
  ::close(release[1]);
  EXPECT_EQ(Name(next.result), std::string("taken")) << next.error;
}

}  // namespace

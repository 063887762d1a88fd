#include "tests/process/game_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <thread>
#include <vector>

#include "platform/system.h"
#include "tests/screens/scripted_player.h"
#include "tests/support/harness.h"
#include "util/globals.h"

namespace quill_process {

namespace fs = std::filesystem;

std::string StagedProgram() { return std::string(QUILL_STAGE_DIR) + "/quillbrook"; }
std::string StagedDataPrefix() { return std::string(QUILL_STAGE_DIR) + "/"; }

std::string FreshFolder(const std::string& name) {
  const fs::path folder = fs::path(std::getenv("XDG_DATA_HOME")) / "process" / name;
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder.string() + "/";
}

std::string DataFolderWith(const std::string& name, const std::map<std::string, std::string>& files) {
  const std::string prefix = FreshFolder(name);
  const fs::path staged = fs::path(StagedDataPrefix()) / "Data";
  for (const auto& entry : fs::recursive_directory_iterator(staged)) {
    const fs::path relative = fs::relative(entry.path(), staged);
    const fs::path target = fs::path(prefix) / "Data" / relative;
    if (entry.is_directory()) {
      fs::create_directories(target);
    } else if (files.count(relative.string()) == 0) {
      fs::create_symlink(entry.path(), target);
    }
  }
  for (const auto& [relative, bytes] : files) {
    const fs::path target = fs::path(prefix) / "Data" / relative;
    fs::create_directories(target.parent_path());
    std::ofstream(target, std::ios::binary) << bytes;
  }
  return prefix;
}

std::string UserFolder(const std::string& xdg_root) { return xdg_root + "Marrowfen/Quillbrook/"; }

void WriteSettings(const std::string& xdg_root, const std::string& lines) {
  fs::create_directories(UserFolder(xdg_root));
  std::ofstream(UserFolder(xdg_root) + "Quillbrook.ini", std::ios::binary) << lines;
}

Snapshot Take(const std::string& root) {
  Snapshot seen;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    struct stat st{};
    if (::lstat(entry.path().c_str(), &st) != 0) continue;
    const std::string bytes =
        S_ISREG(st.st_mode) ? quill_test::ReadWholeFile(entry.path()) : std::string();
    seen[entry.path().string()] = {static_cast<unsigned>(st.st_mode),
                                   bytes,
                                   st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec,
                                   st.st_ctim.tv_sec * 1000000000LL + st.st_ctim.tv_nsec};
  }
  return seen;
}

std::string Changes(const Snapshot& before, const Snapshot& after) {
  std::string changes;
  for (const auto& [path, state] : before) {
    const auto now = after.find(path);
    if (now == after.end()) changes += "removed " + path + "\n";
    else if (now->second != state) changes += "changed " + path + "\n";
  }
  for (const auto& [path, state] : after) {
    if (before.count(path) == 0) changes += "made " + path + "\n";
  }
  return changes;
}

std::vector<pid_t> ProcessesOf(const std::string& xdg) {
  const std::string wanted = "XDG_DATA_HOME=" + xdg;
  std::vector<pid_t> found;
  for (const auto& entry : fs::directory_iterator("/proc")) {
    const std::string name = entry.path().filename().string();
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    const std::string stat = quill_test::ReadWholeFile(entry.path().string() + "/stat");
    const auto close = stat.rfind(')');
    if (close == std::string::npos || close + 2 >= stat.size() || stat[close + 2] == 'Z') continue;
    std::stringstream environment(quill_test::ReadWholeFile(entry.path().string() + "/environ"));
    for (std::string variable; std::getline(environment, variable, '\0');) {
      if (variable == wanted) found.push_back(static_cast<pid_t>(std::stoi(name)));
    }
  }
  return found;
}

std::string CommandLine(pid_t pid) {
  return quill_test::ReadWholeFile("/proc/" + std::to_string(pid) + "/cmdline");
}

bool IsHelperFor(const std::string& command_line, const std::string& task) {
  const std::string words = std::string("--quillbrook-helper") + '\0' + task + '\0';
  return command_line.find(words) != std::string::npos;
}

namespace {

// The environment the program starts with: this process's, with `changes` made (a value of
// nothing removes the variable). Each entry is "NAME=value".
std::vector<std::string> ChildEnvironment(
    const std::map<std::string, std::optional<std::string>>& changes) {
  std::vector<std::string> environment;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string variable = *entry;
    if (changes.count(variable.substr(0, variable.find('='))) == 0) environment.push_back(variable);
  }
  for (const auto& [name, value] : changes) {
    if (value) environment.push_back(name + "=" + *value);
  }
  return environment;
}

}  // namespace

GameProcess::GameProcess(const std::string& xdg_root, const std::string& data_prefix,
                         const std::string& video_driver, const std::function<void()>& in_child) {
  Start(xdg_root, data_prefix, {StagedProgram()}, {}, video_driver, in_child);
}

GameProcess::GameProcess(const std::string& xdg_root, const TestRun& run,
                         const std::string& video_driver) {
  std::map<std::string, std::optional<std::string>> changes(run.extra.begin(), run.extra.end());
  // The run's own temporary folder, which it leaves behind when it ends at once.
  fs::create_directories(xdg_root + "tmp");
  changes["TMPDIR"] = xdg_root + "tmp";
  Start(xdg_root, StagedDataPrefix(),
        {fs::read_symlink("/proc/self/exe").string(), "--gtest_filter=" + run.test}, changes,
        video_driver, {});
}

void GameProcess::Start(const std::string& xdg_root, const std::string& data_prefix,
                        const std::vector<std::string>& command,
                        std::map<std::string, std::optional<std::string>> changes,
                        const std::string& video_driver, const std::function<void()>& in_child) {
  log_ = xdg_root + "output.txt";
  changes.insert({
      {"XDG_DATA_HOME", xdg_root},      {"QUILLBROOK_DATA", data_prefix},
      {"SDL_AUDIODRIVER", "dummy"},     {"ALSOFT_DRIVERS", "null"},
      {"LIBGL_ALWAYS_SOFTWARE", "1"},   {"SDL_VIDEODRIVER", video_driver},
      // A session bus that is not there: SDL's video system on X would otherwise start one of its
      // own for the program (dbus-launch), a process that outlives it with its environment.
      {"DBUS_SESSION_BUS_ADDRESS", "unix:path=" + xdg_root + "no-session-bus"},
  });
  if (video_driver == "dummy" || video_driver == kNoDisplay) {
    // A headless run shows a system alert on no one's screen: it reports on standard error and
    // goes on instead of waiting for a box nobody can close.
    changes["DISPLAY"] = std::nullopt;
    changes["WAYLAND_DISPLAY"] = std::nullopt;
  }
  if (video_driver == kNoDisplay) {
    // No driver asked for, and no display to find: a Wayland session is also reached through the
    // runtime folder's default socket.
    changes["SDL_VIDEODRIVER"] = std::nullopt;
    changes["XDG_RUNTIME_DIR"] = std::nullopt;
  }
  // Everything the new process uses is made before the fork: the test process may have threads,
  // so the child makes only async-signal-safe calls until the program starts.
  const std::vector<std::string> environment = ChildEnvironment(changes);
  std::vector<char*> envp;
  for (const std::string& variable : environment) {
    envp.push_back(const_cast<char*>(variable.c_str()));
  }
  envp.push_back(nullptr);
  std::vector<char*> argv;
  for (const std::string& word : command) argv.push_back(const_cast<char*>(word.c_str()));
  argv.push_back(nullptr);
  const std::string log = log_;
  sigset_t none;
  sigemptyset(&none);
  pid_ = ::fork();
  if (pid_ == 0) {
    // The program starts as a player starts it, with every signal at its default and none
    // blocked: a test run from a background job would otherwise hand it SIGINT ignored.
    for (const int signal : {SIGINT, SIGTERM, SIGQUIT, SIGHUP}) ::signal(signal, SIG_DFL);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    const int out = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out >= 0) {
      ::dup2(out, 1);
      ::dup2(out, 2);
    }
    if (in_child) in_child();
    ::execve(argv[0], argv.data(), envp.data());
    ::_exit(127);
  }
}

GameProcess::~GameProcess() {
  if (pid_ > 0) {
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
  }
}

bool GameProcess::WaitUntil(const std::function<bool()>& ready, int timeout_ms) {
  for (int waited = 0; waited <= timeout_ms; waited += 10) {
    if (ready()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return ready();
}

bool GameProcess::CatchesTerminate() const {
  std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("SigCgt:", 0) == 0) {
      const unsigned long long mask = std::stoull(line.substr(7), nullptr, 16);
      return (mask & (1ull << (SIGTERM - 1))) != 0;
    }
  }
  return false;
}

void GameProcess::Signal(int signal) const { ::kill(pid_, signal); }

bool GameProcess::Ended() const {
  if (pid_ <= 0) return true;
  siginfo_t info{};
  return ::waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
         info.si_pid == pid_;
}

int GameProcess::WaitForExit(int timeout_ms, double* seconds) {
  const auto start = std::chrono::steady_clock::now();
  int status = 0;
  pid_t done = 0;
  while ((done = ::waitpid(pid_, &status, WNOHANG)) == 0) {
    if (std::chrono::steady_clock::now() - start > std::chrono::milliseconds(timeout_ms)) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  if (seconds) *seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (done == 0) {
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
    return -1;
  }
  pid_ = -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string GameProcess::Output() const {
  std::ifstream in(log_);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void EnterChildRun(const std::string& xdg_root) {
  setenv("XDG_DATA_HOME", xdg_root.c_str(), 1);
  platform::SetHeadless(false);
  ccModalLoopHook = &road_test::AdvanceModal;
  platform::SetManualClock(1000000);
}

}  // namespace quill_process

#include "tests/process/game_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

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

GameProcess::GameProcess(const std::string& xdg_root, const std::string& data_prefix,
                         const std::string& video_driver, const std::function<void()>& in_child)
    : log_(xdg_root + "output.txt") {
  pid_ = ::fork();
  if (pid_ == 0) {
    // The program starts as a player starts it, with every signal at its default and none
    // blocked: a test run from a background job would otherwise hand it SIGINT ignored.
    for (const int signal : {SIGINT, SIGTERM, SIGQUIT, SIGHUP}) ::signal(signal, SIG_DFL);
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    setenv("XDG_DATA_HOME", xdg_root.c_str(), 1);
    setenv("QUILLBROOK_DATA", data_prefix.c_str(), 1);
    setenv("SDL_VIDEODRIVER", video_driver.c_str(), 1);
    // A headless run shows a system alert on no one's screen: it reports on standard error and
    // goes on instead of waiting for a box nobody can close.
    if (video_driver == "dummy") {
      unsetenv("DISPLAY");
      unsetenv("WAYLAND_DISPLAY");
    }
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    setenv("ALSOFT_DRIVERS", "null", 1);
    setenv("LIBGL_ALWAYS_SOFTWARE", "1", 1);
    const int out = ::open(log_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out >= 0) {
      ::dup2(out, 1);
      ::dup2(out, 2);
    }
    if (in_child) in_child();
    const std::string program = StagedProgram();
    ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
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

}  // namespace quill_process
